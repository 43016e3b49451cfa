// The whole dialogs every platform's dialog tests run: the keys a user types, the message boxes
// the answers bring, and the screen the dialog leaves behind. The memory platform runs them in
// dialog_test.cpp, the browser in tests/web/dialogs.mjs (through dialog_table.cpp).
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "tests/dialog/dialog_screen.h"

namespace dialog_test {

// One step of a dialog: keys typed ("\r" is Enter), or the message box that the answer just
// typed brings, with its message, to be closed.
struct Step {
  std::string typed;
  std::string box_message;  // empty for typed keys
};

struct DialogCase {
  std::string name;         // letters, digits and underscores
  std::vector<Step> steps;  // up to the closing line; any key then ends the program
  ExpectedScreen screen;    // the screen at the closing line
};

const std::vector<DialogCase>& DialogCases();

// How a failing test names its case.
inline void PrintTo(const DialogCase& c, std::ostream* out) {
  *out << c.name;
}

}  // namespace dialog_test
