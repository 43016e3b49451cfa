// The window services hand every call to the platform and give the program back its own
// floating-point settings, whatever the window layer left behind.
#include "winsvc/winsvc.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "numtext/extended.h"
#include "platform/memory/memory_platform.h"

namespace {

namespace memory = platform::memory;

std::uint16_t X87ControlWord() {
  std::uint16_t word = 0;
  asm volatile("fnstcw %0" : "=m"(word));
  return word;
}

std::uint32_t Mxcsr() {
  std::uint32_t word = 0;
  asm volatile("stmxcsr %0" : "=m"(word));
  return word;
}

// What a foreign library might leave: 53-bit precision, rounding down, invalid operation
// unmasked; and in SSE rounding toward zero with flush-to-zero.
void SpoilFloatingPoint() {
  const std::uint16_t x87 = 0x067E;
  asm volatile("fldcw %0" : : "m"(x87));
  const std::uint32_t sse = 0xFF00;
  asm volatile("ldmxcsr %0" : : "m"(sse));
}

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
    EXPECT_EQ(X87ControlWord() & 0x0F3F, 0x033F);
    EXPECT_EQ(Mxcsr() & 0xFFC0, 0x1F80);
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
  volatile Extended one = 1;
  volatile Extended tiny = 0x1p-60L;  // lost at 53 bits, kept at 64
  EXPECT_NE(one + tiny, one);
}

}  // namespace
