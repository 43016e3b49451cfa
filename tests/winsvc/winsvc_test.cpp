// The window services hand every call to the platform and give the program back its own
// floating-point settings, whatever the window layer left behind.
#include "winsvc/winsvc.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "extended/extended.h"
#include "platform/memory/memory_platform.h"
#include "tests/support/floating_point_mode.h"

namespace {

namespace memory = platform::memory;

using testing_support::SpoilFloatingPoint;

TEST(WindowServices, EveryCallRestoresTheFloatingPointSettings) {
  int flags = 0;
  const std::vector<std::pair<const char*, std::function<void()>>> calls = {
      {"InitConsoleTools", [&] { winsvc::InitConsoleTools(nullptr, 0, 0, 0, &flags, 0); }},
      {"ConsoleToolBar", [] { winsvc::ConsoleToolBar(0, 5); }},
      {"ConsoleTitle", [] { EXPECT_EQ(winsvc::ConsoleTitle("Sorvanta"), "Sorvanta"); }},
      {"ConsoleIcon", [] { winsvc::ConsoleIcon(32512); }},
      {"DeleteWindowMenuItem", [] { winsvc::DeleteWindowMenuItem(-2); }},
      {"Console80x", [] { winsvc::Console80x(22); }},
      {"ConsoleMove", [] { winsvc::ConsoleMove(32767, 32767); }},
      {"ConsoleMessageBox", [] { winsvc::ConsoleMessageBox("m", 0, "c", 0, 0); }},
      {"MessageBeep", [] { winsvc::MessageBeep(winsvc::kMbOk); }},
  };
  memory::Reset();
  memory::Press(platform::keyboard::Key::kEnter);  // closes the message box
  for (const auto& [name, call] : calls) {
    SCOPED_TRACE(name);
    SpoilFloatingPoint();
    call();
#if SORVANTA_TEST_FLOATING_POINT_CONTROLS
    EXPECT_TRUE(testing_support::InProgramMode());
#endif
  }
  EXPECT_EQ(
      memory::WindowCalls(),
      (std::vector<std::string>{"Init()", "ToolBar(0, 5)", "SetTitle(\"Sorvanta\")",
                                "SetIcon(32512)", "DeleteMenuItem(-2)", "Resize80x(22)",
                                "Move(32767, 32767)", "MessageBox(\"m\", \"c\")", "Beep(0)"}));
  EXPECT_EQ(memory::Console().width(), 80);
  EXPECT_EQ(memory::Console().height(), 22);
}

// The extended arithmetic the calculation relies on holds after a spoiled unit is put right.
TEST(WindowServices, ExtendedPrecisionIsBackAfterACall) {
  memory::Reset();
  SpoilFloatingPoint();
  winsvc::ConsoleToolBar(0, 5);
  // Made at run time, so that the sum is too.
  const Extended one = extended::ScaleByPowerOfTwo(1, 0);
  const Extended tiny = extended::ScaleByPowerOfTwo(1, -60);  // lost at 53 bits, kept at 64
  EXPECT_NE(one + tiny, one);
}

}  // namespace
