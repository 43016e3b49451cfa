#include "app/questions.h"

#include <string_view>

#include "app/colours.h"
#include "console/console.h"
#include "numtext/numtext.h"
#include "winsvc/winsvc.h"

namespace app {
namespace {

constexpr std::string_view kFrontBackPrompt =
    "   Maximum front-back spacing of the centre and surround speakers?";
constexpr std::string_view kFrontWidthPrompt =
    "   Maximum side-side spacing of the front left/right speakers?";
constexpr std::string_view kSurroundFixedPrompt =
    "   Is the surround speaker side-to-side spacing fixed [Y/N]?";
constexpr std::string_view kFixedWidthPrompt = "   Side-to-side spacing of the surround speakers?";
constexpr std::string_view kMaximumWidthPrompt =
    "   Maximum side-to-side spacing of the surround speakers?";
constexpr std::string_view kHeightPrompt =
    "   Height of the surround speakers above the listening position?";
constexpr std::string_view kAnglePrompt =
    "   Angular position of the surround speakers in degrees [100 to 120]?";

constexpr const char* kYesNoMessage = "You must respond either Y or N  ";
constexpr const char* kAngleMessage =
    "You must respond with an angle between 100 and 120 degrees  ";
constexpr const char* kErrorCaption = "  ERROR";

// The prompt goes wherever the cursor stands; the answer is typed at its own row.
std::string Ask(std::string_view prompt, int answer_row) {
  Use(kPromptColour);
  console::PrintText(prompt);
  console::PrintNewLine();
  Use(kAnswerColour);
  console::MoveCursor(answer_row, kValueColumn);
  return console::ReadLine();
}

// Beep, say what was wrong, and blank the rejected answer with as many spaces as it had
// characters, in the answer colour that is still set.
void Reject(const char* message, int anchor_row, const std::string& rejected,
            std::string& scratch) {
  winsvc::MessageBeep(winsvc::kMbOk);
  winsvc::ConsoleMessageBox(message, 0, kErrorCaption, 0, 0);
  console::MoveCursor(anchor_row, kValueColumn);
  scratch.assign(rejected.size(), ' ');
  console::PrintText(scratch);
  console::PrintNewLine();
  scratch.clear();
}

void NormaliseYesNo(std::string& answer) {
  if (answer == "y") answer = "Y";
  if (answer == "n") answer = "N";
}

bool IsYesOrNo(const std::string& answer) {
  return answer == "Y" || answer == "N";
}

// The angle is compared at the full precision it is read with, not as a double.
bool IsAngleInRange(const std::string& answer) {
  const Extended angle = numtext::ReadNumber(answer);
  return !(angle < 100 || angle > 120);
}

}  // namespace

void AskQuestions(Answers& answers, std::string& scratch) {
  Use(kPromptColour);
  const int first_row = console::CursorRow();
  answers.front_back_limit = Ask(kFrontBackPrompt, first_row);
  answers.front_width_limit = Ask(kFrontWidthPrompt, first_row + 1);

  const int second_row = console::CursorRow();
  for (;;) {
    console::MoveCursor(second_row, 0);
    answers.surround_fixed = Ask(kSurroundFixedPrompt, second_row);
    NormaliseYesNo(answers.surround_fixed);
    if (IsYesOrNo(answers.surround_fixed)) break;
    Reject(kYesNoMessage, second_row, answers.surround_fixed, scratch);
  }
  answers.surround_width =
      Ask(answers.surround_fixed == "Y" ? kFixedWidthPrompt : kMaximumWidthPrompt, second_row + 1);
  answers.surround_height = Ask(kHeightPrompt, second_row + 2);

  const int third_row = console::CursorRow();
  for (;;) {
    console::MoveCursor(third_row, 0);
    answers.surround_angle = Ask(kAnglePrompt, third_row);
    if (IsAngleInRange(answers.surround_angle)) break;
    Reject(kAngleMessage, third_row, answers.surround_angle, scratch);
  }
}

}  // namespace app
