// The six questions and the checks on answers 3 and 6.
#pragma once

#include <string>

#include "app/answers.h"

namespace app {

// Asks the questions from the cursor's row on, re-asking questions 3 and 6 on their own rows
// until their answers pass. Leaves the cursor at column 1 of the row below question 6.
// `scratch` is the text that wipes a rejected answer; it is empty again afterwards.
void AskQuestions(Answers& answers, std::string& scratch);

}  // namespace app
