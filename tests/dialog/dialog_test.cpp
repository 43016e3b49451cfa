// Whole dialogs on the memory platform: scripted keys in, every cell and colour of the final
// screen and every window-service call checked.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "app/kept_results.h"
#include "app/results.h"
#include "app/setup_sheet_text.h"
#include "app/winmain.h"
#include "console/console.h"
#include "platform/memory/memory_platform.h"
#include "platform/window_api.h"
#include "tests/dialog/dialog_cases.h"
#include "tests/dialog/dialog_screen.h"

namespace {

using namespace dialog_test;  // the dialog's texts and colours, its expected screens
using platform::keyboard::Key;
namespace memory = platform::memory;

// The window-service calls a rejected answer makes.
std::vector<std::string> RejectionCalls(const std::string& message) {
  return {"Beep(0)", "MessageBox(\"" + message + "\", \"" + kErrorCaption + "\")"};
}

// Runs the program from its console set-up to the final key with the keys queued so far.
void RunProgram() {
  console::ConsoleStartup();
  ASSERT_EQ(WINMAIN(platform::window::InstanceHandle(), nullptr, "ignored arguments", 1), 0);
}

void TypeAnswers(const std::vector<std::string>& answers) {
  for (const std::string& answer : answers) memory::Type(answer + "\r");
}

std::vector<std::string> SetUpCalls() {
  return {"Init()",
          "ToolBar(0, 5)",
          "SetTitle(\"Sorvanta\")",
          "SetIcon(32512)",
          "DeleteMenuItem(61728)",
          "DeleteMenuItem(0)",
          "DeleteMenuItem(61440)",
          "DeleteMenuItem(-2)",
          "DeleteMenuItem(-1)",
          "DeleteMenuItem(61488)",
          "Resize80x(22)",
          "Move(32767, 32767)"};
}

void ExpectFinalState() {
  platform::VirtualConsole& console = memory::Console();
  EXPECT_EQ(console.cursor().y, 21);
  EXPECT_EQ(console.cursor().x, 0);
  EXPECT_FALSE(console.cursor_info().visible);
  // The key that ended the wait is still there, unread.
  ASSERT_FALSE(console.input().empty());
  // The script alone keeps nothing for after the program: that is the console program's hook.
  EXPECT_TRUE(memory::KeptAfterExit().empty());
}

class Report : public testing::TestWithParam<DialogCase> {};

std::string CaseName(const testing::TestParamInfo<DialogCase>& info) {
  return info.param.name;
}

// Each message box is closed with the next of its three keys in turn, so that every dialog
// with boxes closes them all three ways.
void CloseBox(std::size_t nth) {
  switch (nth % 3) {
    case 0:
      memory::Press(Key::kEnter);
      break;
    case 1:
      memory::Press(Key::kEscape);
      break;
    default:
      memory::Type(" ");
      break;
  }
}

TEST_P(Report, WholeDialogScreen) {
  const DialogCase& c = GetParam();
  memory::Reset();
  std::vector<std::string> calls = SetUpCalls();
  std::size_t boxes = 0;
  for (const Step& step : c.steps) {
    if (step.box_message.empty()) {
      memory::Type(step.typed);
      continue;
    }
    CloseBox(boxes++);
    const std::vector<std::string> rejection = RejectionCalls(step.box_message);
    calls.insert(calls.end(), rejection.begin(), rejection.end());
  }
  memory::Type("q");
  RunProgram();
  ExpectScreen(c.screen);
  EXPECT_EQ(memory::WindowCalls(), calls);
  ExpectFinalState();
}

INSTANTIATE_TEST_SUITE_P(Table, Report, testing::ValuesIn(DialogCases()), CaseName);

// The angle is read as a number whatever its notation, and text after it is ignored.
TEST(Dialog, AngleNotations) {
  for (const char* angle : {"100", "120", "1.1E2", "&H6E", "110 deg", "120.0000000000000001"}) {
    SCOPED_TRACE(angle);
    memory::Reset();
    TypeAnswers({"5", "4", "n", "6", "0.5", angle});
    memory::Type("q");
    RunProgram();
    EXPECT_EQ(memory::WindowCalls(), SetUpCalls());
  }
}

TEST(Dialog, AnglesJustOutsideTheRangeAreRejected) {
  for (const char* angle :
       {"99.99", "120.01", "99.99999999999999999", "120.00000000000001", "", "abc", "-110"}) {
    SCOPED_TRACE(angle);
    memory::Reset();
    TypeAnswers({"5", "4", "N", "6", "0.5", angle});
    memory::Press(Key::kEnter);
    TypeAnswers({"110"});
    memory::Type("q");
    RunProgram();
    std::vector<std::string> calls = SetUpCalls();
    for (const std::string& call : RejectionCalls(kAngleMessage)) calls.push_back(call);
    EXPECT_EQ(memory::WindowCalls(), calls);
    EXPECT_EQ(memory::Row(13).substr(64), "120]?  110      ");
  }
}

// A ninth character reaches column 80 and moves the cursor on: the report and the closing
// line come one row lower and the screen scrolls up once at the end.
TEST(Dialog, LongAcceptedAngleScrollsTheScreenOnce) {
  memory::Reset();
  TypeAnswers({"5", "4", "N", "6", "0.5", "110.00000"});
  memory::Type("q");
  RunProgram();
  ExpectedScreen screen;
  screen.Put(1, 1, "   Sorvanta v1", kAnswer);
  screen.Put(2, 1, "   Surround loudspeaker placement planner, by the Sorvanta developers",
             kAnswer);
  screen.Put(3, 1, "   https://sorvanta.example.org", kAnswer);
  const char* prompts[] = {kQ1, kQ2, kQ3, kQ4Maximum, kQ5, kQ6};
  const char* typed[] = {"5", "4", "N", "6", "0.5", "110.00000"};
  for (int i = 0; i < 6; ++i)
    screen.Put(7 + i, 1, prompts[i], kPrompt).Put(7 + i, 72, typed[i], kAnswer);
  screen.Put(16, 1, kLabel1, kPrompt).Put(16, 72, "4.32", kAnswer);
  screen.Put(17, 1, kLabel2, kPrompt).Put(17, 72, "3.23", kAnswer);
  screen.Put(18, 1, kLabel3, kPrompt).Put(18, 72, "6.00", kAnswer);
  screen.Put(21, 1, "   press any key to quit", kPrompt);
  // The row the scroll brings in is blank in the colour current at that moment.
  screen.Put(22, 1, std::string(80, ' '), kPrompt);
  ExpectScreen(screen);
  ExpectFinalState();
}

// Keys that are not part of an answer change nothing, and a long paste that is taken back
// with Backspace leaves no trace.
TEST(Dialog, BadInputLeavesTheRowsInPlace) {
  memory::Reset();
  memory::Type(std::string(150, '7'));
  for (int i = 0; i < 150; ++i) memory::Press(Key::kBackspace);
  memory::Type("5\r");
  for (Key key : {Key::kUp, Key::kLeft, Key::kHome, Key::kDelete, Key::kF1, Key::kF12, Key::kTab,
                  Key::kEscape, Key::kShift, Key::kCapsLock}) {
    memory::Press(key);
  }
  memory::Type("\x03\x1a\x1c");                  // Ctrl+C, Ctrl+Z, Ctrl+\ .
  memory::Type("x", platform::kLeftAltPressed);  // Alt+X
  memory::Type("4\r");
  TypeAnswers({"N", "6", "0.5", "110"});
  memory::Press(Key::kF5);
  RunProgram();
  ExpectScreen(DialogScreen({"5", "4", "N", "6", "0.5", "110"}, {"4.32", kAnswer},
                            {"3.23", kAnswer}, "6.00"));
  EXPECT_EQ(memory::WindowCalls(), SetUpCalls());
}

TEST(Dialog, ProgramWaitingWithNoKeysLeftFailsInsteadOfHanging) {
  memory::Reset();
  TypeAnswers({"5", "4"});
  console::ConsoleStartup();
  EXPECT_THROW(WINMAIN(nullptr, nullptr, "", 1), memory::ScriptExhausted);
}

// A 10000-character answer scrolls the screen far up and leaves its characters behind, but the
// dialog goes on: the next answer is typed at its anchor row, and from question 3 on every text
// stands where it belongs. The 10001st character is dropped.
TEST(Dialog, TenThousandCharacterAnswerDoesNotBreakTheDialog) {
  memory::Reset();
  TypeAnswers({std::string(10001, '7'), "4", "N", "6", "0.5", "110"});
  memory::Type("q");
  RunProgram();
  const ExpectedScreen expected = DialogScreen({"5", "4", "N", "6", "0.5", "110"},
                                               {"4.32", kAnswer}, {"3.23", kAnswer}, "6.00");
  for (int row = 10; row <= 22; ++row) {
    for (int column = 1; column <= 80; ++column) {
      if (expected.Char(row, column) == ' ') continue;
      SCOPED_TRACE(testing::Message() << "row " << row << ", column " << column);
      EXPECT_EQ(memory::Row(row)[static_cast<std::size_t>(column - 1)], expected.Char(row, column));
      EXPECT_EQ(memory::Attr(row, column), expected.Attr(row, column));
    }
  }
  EXPECT_EQ(memory::Row(9)[71], '4');
  EXPECT_EQ(memory::WindowCalls(), SetUpCalls());
  ExpectFinalState();
}

// The console program's results hook, for the length of one test.
class ConsoleProgramHook {
 public:
  ConsoleProgramHook() { app::SetResultsHook(app::KeepSheetAfterExit); }
  ~ConsoleProgramHook() { app::SetResultsHook(nullptr); }
  ConsoleProgramHook(const ConsoleProgramHook&) = delete;
  ConsoleProgramHook& operator=(const ConsoleProgramHook&) = delete;
};

// With the console program's hook the setup sheet of the answers as the script took them is
// kept, once, as plain text; a layout that cannot be placed keeps the sheet that says so.
TEST(Dialog, ConsoleProgramKeepsTheSetupSheet) {
  const std::vector<std::string> dialogs[] = {
      {"5", "4", "n", "6", "0.5", "110"},
      {"3", "2", "y", "4", "0.5", "120"},
      {"1", "1", "N", "2", "2", "100"},
  };
  for (const std::vector<std::string>& typed : dialogs) {
    SCOPED_TRACE(typed[2] + " " + typed[4]);
    const ConsoleProgramHook hook;
    memory::Reset();
    TypeAnswers(typed);
    memory::Type("q");
    RunProgram();
    const app::Answers taken{typed[0], typed[1], typed[2] == "y" ? "Y" : "N",
                             typed[3], typed[4], typed[5]};
    const std::string sheet =
        app::PlainText(app::SheetText(app::ComputeSetupSheet(app::ComputeLayout(taken))));
    EXPECT_EQ(memory::KeptAfterExit(), std::vector<std::string>{sheet});
    EXPECT_TRUE(sheet.starts_with("   Setup sheet\n")) << sheet;
    EXPECT_EQ(memory::WindowCalls(), SetUpCalls());
  }
}

}  // namespace
