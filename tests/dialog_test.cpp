// Whole dialogs on the memory platform: scripted keys in, every cell and colour of the final
// screen and every window-service call checked.
#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <string>
#include <vector>

#include "app/winmain.h"
#include "console/console.h"
#include "dialog_screen.h"
#include "platform/memory/memory_platform.h"
#include "platform/window_api.h"

namespace {

using dialog_test::ExpectedScreen;
using dialog_test::kAnswer;
using dialog_test::kPrompt;
using dialog_test::kWarning;
using platform::keyboard::Key;
namespace memory = platform::memory;

const char* const kQ1 = "   Maximum front-back spacing of the centre and surround speakers?";
const char* const kQ2 = "   Maximum side-side spacing of the front left/right speakers?";
const char* const kQ3 = "   Is the surround speaker side-to-side spacing fixed [Y/N]?";
const char* const kQ4Fixed = "   Side-to-side spacing of the surround speakers?";
const char* const kQ4Maximum = "   Maximum side-to-side spacing of the surround speakers?";
const char* const kQ5 = "   Height of the surround speakers above the listening position?";
const char* const kQ6 = "   Angular position of the surround speakers in degrees [100 to 120]?";
const char* const kLabel1 = "   Front-back spacing of the centre and surround speakers";
const char* const kLabel2 = "   Listening distance and side-side spacing of the front L/R speakers";
const char* const kLabel3 = "   Side-side spacing of the surround speakers";
const char* const kYesNoBox = "MessageBox(\"You must respond either Y or N  \", \"  ERROR\")";
const char* const kAngleBox =
    "MessageBox(\"You must respond with an angle between 100 and 120 degrees  \", \"  ERROR\")";

struct Row {
  const char* text;
  std::uint16_t colour;
};

// The screen of a dialog whose answers are at most 8 characters long.
ExpectedScreen DialogScreen(const std::vector<std::string>& answers, const Row& s, const Row& r,
                            const char* w) {
  ExpectedScreen screen;
  screen.Put(2, 1, "   Sorvanta v1", kAnswer);
  screen.Put(3, 1, "   Surround loudspeaker placement planner, by the Sorvanta developers",
             kAnswer);
  screen.Put(4, 1, "   https://sorvanta.example.org", kAnswer);
  const bool fixed = answers[2] == "Y" || answers[2] == "y";
  const char* prompts[] = {kQ1, kQ2, kQ3, fixed ? kQ4Fixed : kQ4Maximum, kQ5, kQ6};
  for (int i = 0; i < 6; ++i) {
    screen.Put(8 + i, 1, prompts[i], kPrompt);
    screen.Put(8 + i, 72, answers[static_cast<std::size_t>(i)], kAnswer);
  }
  screen.Put(16, 1, kLabel1, kPrompt).Put(16, 72, s.text, s.colour);
  screen.Put(17, 1, kLabel2, kPrompt).Put(17, 72, r.text, r.colour);
  if (w != nullptr) screen.Put(18, 1, kLabel3, kPrompt).Put(18, 72, w, kAnswer);
  screen.Put(21, 1, "   press any key to quit", kPrompt);
  return screen;
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
}

struct ReportCase {
  std::vector<std::string> answers;
  Row s, r;
  const char* w;
};

void PrintTo(const ReportCase& c, std::ostream* out) {
  for (const std::string& answer : c.answers) *out << '"' << answer << "\" ";
}

// A test name from the answers: letters and digits kept, everything else an underscore.
std::string CaseName(const testing::TestParamInfo<ReportCase>& info) {
  std::string name = "case" + std::to_string(info.index);
  for (const std::string& answer : info.param.answers) {
    name += '_';
    for (char c : answer) name += std::isalnum(static_cast<unsigned char>(c)) ? c : 'x';
  }
  return name;
}

class Report : public testing::TestWithParam<ReportCase> {};

TEST_P(Report, WholeDialogScreen) {
  const ReportCase& c = GetParam();
  memory::Reset();
  TypeAnswers(c.answers);
  memory::Type("q");
  RunProgram();
  dialog_test::ExpectScreen(DialogScreen(c.answers, c.s, c.r, c.w));
  EXPECT_EQ(memory::WindowCalls(), SetUpCalls());
  ExpectFinalState();
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, Report,
    testing::Values(
        ReportCase{
            {"5", "4", "N", "6", "0.5", "110"}, {"4.32", kAnswer}, {"3.23", kAnswer}, "6.00"},
        ReportCase{{"4", "5", "N", "8", "1", "110"}, {"3.94", kAnswer}, {"2.98", kAnswer}, "5.28"},
        ReportCase{
            {"10", "3", "N", "10", "1", "110"}, {"3.97", kAnswer}, {"3.00", kAnswer}, "5.32"},
        ReportCase{
            {"3", "2", "Y", "4", "0.5", "120"}, {"3.52", kWarning}, {"2.36", kWarning}, nullptr},
        ReportCase{
            {"30", "12", "N", "20", "1.2", "100"}, {"11.99", kAnswer}, {"10.22", kAnswer}, "20.00"},
        ReportCase{{"0", "0", "N", "0", "0", "100"}, {"0.00", kAnswer}, {"0.00", kAnswer}, "0.00"},
        ReportCase{{"1", "1", "N", "2", "2", "100"}, {"0.28", kAnswer}, {"0.85", kAnswer}, "-6.45"},
        ReportCase{
            {"5.3", "100", "N", "100", "0", "100"}, {"5.30", kWarning}, {"4.52", kAnswer}, "8.89"},
        ReportCase{{"", "", "Y", "", "", "100"}, {"0.00", kAnswer}, {"0.00", kAnswer}, nullptr},
        ReportCase{{"abc", "-1", "N", "1E400", "0", "1.1E2"},
                   {"-0.66", kAnswer},
                   {"-1.00", kWarning},
                   "1.88"}),
    CaseName);

std::vector<std::string> Plus(std::vector<std::string> calls,
                              std::initializer_list<const char*> more) {
  calls.insert(calls.end(), more.begin(), more.end());
  return calls;
}

// Wrong answers are wiped and asked again on their own rows; every later row stays put, and
// the box is closed with any of its three keys.
TEST(Dialog, RejectedAnswersAreAskedAgainOnTheSameRow) {
  memory::Reset();
  memory::Type("5\r4\r");
  memory::Type("x\r");
  memory::Press(Key::kEnter);
  memory::Type("\r");
  memory::Press(Key::kEscape);
  memory::Type("yes\r");
  memory::Type(" ");
  memory::Type("Y \r");
  memory::Press(Key::kEnter);
  memory::Type("y\r6\r0.5\r");
  memory::Type("99.99\r");
  memory::Press(Key::kEnter);
  memory::Type("120.01\r");
  memory::Press(Key::kEnter);
  memory::Type("abc\r");
  memory::Press(Key::kEnter);
  memory::Type("\r");
  memory::Press(Key::kEnter);
  memory::Type("&H6E\rq");
  RunProgram();
  // "y" stays on the screen as typed; the dialog goes on with "Y".
  dialog_test::ExpectScreen(DialogScreen({"5", "4", "y", "6", "0.5", "&H6E"}, {"4.32", kAnswer},
                                         {"3.23", kAnswer}, nullptr));
  EXPECT_EQ(memory::WindowCalls(),
            Plus(SetUpCalls(), {"Beep(0)", kYesNoBox, "Beep(0)", kYesNoBox, "Beep(0)", kYesNoBox,
                                "Beep(0)", kYesNoBox, "Beep(0)", kAngleBox, "Beep(0)", kAngleBox,
                                "Beep(0)", kAngleBox, "Beep(0)", kAngleBox}));
  ExpectFinalState();
}

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
    EXPECT_EQ(memory::WindowCalls(), Plus(SetUpCalls(), {"Beep(0)", kAngleBox}));
    EXPECT_EQ(memory::Row(13).substr(64), "120]?  110      ");
  }
}

// A rejected answer long enough to run on to the next row is wiped there too.
TEST(Dialog, LongRejectedAnswerIsWipedAcrossTheRowEnd) {
  memory::Reset();
  TypeAnswers({"5", "4", "yesyesyesyes"});
  memory::Press(Key::kEnter);
  TypeAnswers({"N", "6", "0.5", "110"});
  memory::Type("q");
  RunProgram();
  dialog_test::ExpectScreen(DialogScreen({"5", "4", "N", "6", "0.5", "110"}, {"4.32", kAnswer},
                                         {"3.23", kAnswer}, "6.00"));
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
  dialog_test::ExpectScreen(screen);
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
  dialog_test::ExpectScreen(DialogScreen({"5", "4", "N", "6", "0.5", "110"}, {"4.32", kAnswer},
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

}  // namespace
