// The memory platform's own promises: scripted keys, the window-call log, the message box,
// handles and modes, and the wait that fails a test instead of hanging it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/console_api.h"
#include "platform/keyboard_us.h"
#include "platform/memory/memory_platform.h"
#include "platform/window_api.h"

namespace {

namespace memory = platform::memory;
namespace keyboard = platform::keyboard;
namespace window = platform::window;
using keyboard::Key;
using platform::InputRecord;

std::vector<InputRecord> Queued() {
  const auto& q = memory::Console().input();
  return {q.begin(), q.end()};
}

TEST(MemoryPlatform, TypeAndPressQueueEachPressWithItsRelease) {
  memory::Reset();
  memory::Type("aB\r", platform::kNumLockOn);
  memory::Press(Key::kF2);
  const InputRecord a = keyboard::Typed('a', platform::kNumLockOn);
  const InputRecord b = keyboard::Typed('B', platform::kNumLockOn);
  const InputRecord enter = keyboard::Typed('\r', platform::kNumLockOn);
  const InputRecord f2 = keyboard::Press(Key::kF2);
  EXPECT_EQ(Queued(),
            (std::vector<InputRecord>{a, keyboard::Released(a), b, keyboard::Released(b), enter,
                                      keyboard::Released(enter), f2, keyboard::Released(f2)}));
  EXPECT_TRUE(b.control_state & platform::kShiftPressed);
}

TEST(MemoryPlatform, WindowCallsAreLoggedInTheirOwnFormat) {
  memory::Reset();
  window::Init(window::InstanceHandle());
  window::ToolBar(0, 5);
  window::SetTitle("Sorvanta");
  window::SetIcon(32512);
  window::DeleteMenuItem(61728);
  window::DeleteMenuItem(-2);
  window::Resize80x(22);
  window::Move(32767, 32767);
  window::Beep(0);
  memory::Press(Key::kEnter);
  window::MessageBox("   angle 100 to 120", "  ERROR");
  EXPECT_EQ(
      memory::WindowCalls(),
      (std::vector<std::string>{"Init()", "ToolBar(0, 5)", "SetTitle(\"Sorvanta\")",
                                "SetIcon(32512)", "DeleteMenuItem(61728)", "DeleteMenuItem(-2)",
                                "Resize80x(22)", "Move(32767, 32767)", "Beep(0)",
                                "MessageBox(\"   angle 100 to 120\", \"  ERROR\")"}));
  EXPECT_NE(window::InstanceHandle(), nullptr);
  EXPECT_EQ(window::InstanceHandle(), window::InstanceHandle());
}

TEST(MemoryPlatform, Resize80xReshapesTheConsole) {
  memory::Options options;
  options.width = 120;
  options.height = 50;
  memory::Reset(options);
  memory::Console().SetCursorPosition({100, 40});
  window::Resize80x(22);
  EXPECT_EQ(memory::Console().width(), 80);
  EXPECT_EQ(memory::Console().height(), 22);
  platform::ScreenInfo info;
  ASSERT_TRUE(platform::GetScreenInfo(platform::StdHandle(platform::StdStream::kOutput), &info));
  EXPECT_EQ(info.size.x, 80);
  EXPECT_EQ(info.size.y, 22);
  EXPECT_EQ(info.cursor.x, 79);
  EXPECT_EQ(info.cursor.y, 21);
}

struct BoxCase {
  const char* name;
  std::vector<InputRecord> queue;
  std::size_t left;  // records after the box closes; the last ones of `queue`
};

TEST(MemoryPlatform, MessageBoxClosesOnEnterSpaceOrEscape) {
  const InputRecord enter = keyboard::Press(Key::kEnter);
  const InputRecord x = keyboard::Typed('x');
  const std::vector<BoxCase> cases = {
      {"Enter and its release", {enter, keyboard::Released(enter), x}, 1},
      {"Space", {keyboard::Typed(' '), keyboard::Released(keyboard::Typed(' ')), x}, 1},
      {"Escape", {keyboard::Press(Key::kEscape)}, 0},
      {"other keys swallowed",
       {x, keyboard::Released(x), keyboard::Press(Key::kUp), keyboard::Released(enter), enter, x},
       1},
      {"a release of another key stays", {enter, keyboard::Released(x), x}, 2},
  };
  for (const BoxCase& c : cases) {
    SCOPED_TRACE(c.name);
    memory::Reset();
    memory::Console().FillCharacter('#', 3, {0, 0});
    for (const InputRecord& r : c.queue) memory::Queue(r);
    window::MessageBox("message", "caption");
    const std::vector<InputRecord> rest(c.queue.end() - static_cast<long>(c.left), c.queue.end());
    EXPECT_EQ(Queued(), rest);
    EXPECT_EQ(memory::Row(1).substr(0, 4), "### ") << "the box never touches the screen";
  }
}

TEST(MemoryPlatform, MessageBoxWithoutAClosingKeyThrows) {
  memory::Reset();
  memory::Type("abc");
  EXPECT_THROW(window::MessageBox("m", "c"), memory::ScriptExhausted);
  EXPECT_EQ(memory::QueuedRecords(), 0u);
}

TEST(MemoryPlatform, WaitsAreLoggedAndAnEndlessOneThrows) {
  memory::Reset();
  const platform::Handle keyboard = memory::KeyboardHandle();
  memory::Type("a");
  EXPECT_TRUE(platform::WaitForInput(keyboard, 1));
  EXPECT_TRUE(platform::WaitForInput(keyboard, platform::kUntilInput)) << "keys are waiting";
  memory::Console().input().clear();
  EXPECT_FALSE(platform::WaitForInput(keyboard, 1)) << "the pause is over, nothing came";
  EXPECT_FALSE(platform::WaitForInput(platform::StdHandle(platform::StdStream::kOutput), 1));
  try {
    platform::WaitForInput(keyboard, platform::kUntilInput);
    FAIL() << "a wait with no limit returned with nothing left to come";
  } catch (const memory::ScriptExhausted& e) {
    EXPECT_STREQ(e.what(), "the program waits for a key and the script has none left");
  }
  const std::vector<std::uint32_t> pauses{1, platform::kUntilInput, 1, 1, platform::kUntilInput};
  EXPECT_EQ(memory::Waits(), pauses);
  memory::Reset();
  EXPECT_TRUE(memory::Waits().empty());
}

TEST(MemoryPlatform, HandlesFollowTheOptions) {
  struct Case {
    const char* name;
    memory::Options options;
    bool out;
    bool err;
    bool in;
    bool keys;
  };
  memory::Options all;
  memory::Options redirected;
  redirected.stdout_is_console = false;
  redirected.stdin_is_console = false;
  memory::Options no_keys;
  no_keys.keyboard_available = false;
  no_keys.stderr_is_console = false;
  const std::vector<Case> cases = {
      {"all consoles", all, true, true, true, true},
      {"redirected", redirected, false, true, false, true},
      {"no keyboard", no_keys, true, false, true, false},
  };
  using platform::StdStream;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    memory::Reset(c.options);
    memory::Type("k");
    std::uint32_t mode = 0;
    platform::ScreenInfo info;
    const platform::Handle out = platform::StdHandle(StdStream::kOutput);
    const platform::Handle err = platform::StdHandle(StdStream::kError);
    const platform::Handle in = platform::StdHandle(StdStream::kInput);
    const platform::Handle keys = platform::OpenKeyboard();
    EXPECT_EQ(keys, memory::KeyboardHandle());
    EXPECT_EQ(platform::GetMode(out, &mode), c.out);
    EXPECT_EQ(platform::GetScreenInfo(out, &info), c.out);
    EXPECT_EQ(platform::GetScreenInfo(err, &info), c.err);
    EXPECT_EQ(platform::SetMode(in, 0), c.in);
    EXPECT_EQ(memory::ModeOf(StdStream::kInput), c.in ? 0u : memory::kInitialInputMode);
    InputRecord record;
    std::uint32_t read = 0;
    EXPECT_EQ(platform::PeekInput(keys, &record, 1, &read), c.keys);
    EXPECT_EQ(platform::ReadInput(keys, &record, 1, &read), c.keys);
    EXPECT_EQ(memory::QueuedRecords(), c.keys ? 1u : 2u);
    EXPECT_FALSE(platform::GetScreenInfo(keys, &info)) << "the keyboard is no screen";
  }
  std::string why = "stale";
  EXPECT_TRUE(platform::Attach(&why));
  EXPECT_EQ(why, "");
  platform::Detach();
}

TEST(MemoryPlatform, CursorInfoCallsAreLoggedEvenWhenRefused) {
  memory::Reset();
  const platform::Handle out = platform::StdHandle(platform::StdStream::kOutput);
  EXPECT_TRUE(platform::SetCursorInfo(out, {40, false}));
  EXPECT_FALSE(platform::SetCursorInfo(out, {0, true}));
  ASSERT_EQ(memory::CursorInfoCalls().size(), 2u);
  EXPECT_EQ(memory::CursorInfoCalls()[1].size, 0u);
  EXPECT_EQ(memory::Console().cursor_info().size, 40u);
  EXPECT_FALSE(memory::Console().cursor_info().visible);
}

TEST(MemoryPlatform, CellsOutsideTheConsoleAreReportedNotRead) {
  memory::Reset();
  EXPECT_THROW(memory::Row(0), std::out_of_range);
  EXPECT_THROW(memory::Row(26), std::out_of_range);
  EXPECT_THROW(memory::Attr(1, 81), std::out_of_range);
  EXPECT_EQ(memory::Attr(25, 80), platform::VirtualConsole::kDefaultAttr);
}

}  // namespace

namespace {

// A program that polls, whether keys wait untaken or nothing is queued at all, fails the test
// instead of running for ever.
TEST(MemoryPlatform, WaitingOnAnUnchangedQueueThrows) {
  for (const std::string keys : {"a", ""}) {
    SCOPED_TRACE(keys);
    memory::Reset();
    memory::Type(keys);
    // The first wait sees the queue as it is; the limit counts the unchanged ones after it.
    for (int i = 0; i < memory::kIdleWaitLimit; ++i) {
      platform::WaitForInput(memory::KeyboardHandle(), 1);
    }
    EXPECT_THROW(platform::WaitForInput(memory::KeyboardHandle(), 1), memory::ScriptExhausted);
  }
  memory::Reset();
  memory::Type("abc");
  InputRecord record;
  std::uint32_t read = 0;
  for (int i = 0; i < 5; ++i) {
    for (int j = 1; j < memory::kIdleWaitLimit; ++j) {
      platform::WaitForInput(memory::KeyboardHandle(), platform::kUntilInput);
    }
    platform::ReadInput(memory::KeyboardHandle(), &record, 1, &read);
  }
  EXPECT_EQ(memory::Waits().size(), 5u * (memory::kIdleWaitLimit - 1)) << "taking keys resets it";
}

}  // namespace
