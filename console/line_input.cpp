#include <array>
#include <cstddef>
#include <optional>

#include "console/console.h"
#include "console/console_internal.h"
#include "console/console_state.h"

namespace console {
namespace {

constexpr std::size_t kLineCapacity = 10000;
constexpr std::uint8_t kBackspace = 8;
constexpr std::uint8_t kEnter = 13;

// The next typed character, polled every millisecond; a pause comes before every look, so
// pasted text arrives at most one character per pause. Nothing when the keyboard cannot be
// read at all: no key can ever come, and the line ends as if Enter had been pressed.
std::optional<std::uint8_t> NextCharacter() {
  for (;;) {
    platform::Sleep(1);
    bool unreadable = false;
    const KeyEvent key = LookForKey(&unreadable);
    if (unreadable) return std::nullopt;
    if (key.kind == KeyEvent::kNone) continue;
    TakeHeadRecord();
    if (key.kind == KeyEvent::kCharacter && key.ch != 0) return key.ch;
  }
}

void EraseLastCharacter() {
  StepBack();
  PrintText(" ");
  StepBack();
}

}  // namespace

void StepBack() {
  platform::ScreenInfo info;
  ConsoleState& s = State();
  if (s.pending_wrap) {
    s.pending_wrap = false;
    ReadScreen(&info);
    MoveCursor(info.size.y, info.size.x);
  } else if (ReadScreen(&info) && info.cursor.x > 0) {
    MoveCursor(info.cursor.y + 1, info.cursor.x);
  } else {
    // On row 1 the row above is off the screen, so the cursor stays on row 1.
    MoveCursor(info.cursor.y, info.size.x);
  }
}

std::string ReadLine() {
  std::array<char, kLineCapacity> line;
  std::size_t count = 0;
  if (!State().cursor.visible) OverrideCursorVisibility(true);
  while (const std::optional<std::uint8_t> ch = NextCharacter()) {
    if (*ch == kEnter) break;
    if (*ch == kBackspace) {
      if (count > 0) {
        EraseLastCharacter();
        --count;
      }
      continue;
    }
    if (*ch < 32 || count == kLineCapacity) continue;
    line[count] = static_cast<char>(*ch);
    PrintText(std::string_view(&line[count], 1));
    ++count;
  }
  PrintNewLine();
  EndCursorOverride();
  return std::string(line.data(), count);
}

}  // namespace console
