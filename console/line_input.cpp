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
constexpr std::uint32_t kPauseMs = 1;

// The next typed character. A pause comes before every character, so pasted text arrives one
// character per pause; once a look has found nothing, every record that is no key is gone
// from the queue and nothing can come but new input, so the wait has no limit. Nothing when
// the keyboard cannot be read at all: no key can ever come, and the line ends as if Enter had
// been pressed.
std::optional<std::uint8_t> NextCharacter() {
  std::uint32_t wait = kPauseMs;
  for (;;) {
    platform::WaitForInput(State().keyboard, wait);
    bool unreadable = false;
    const KeyEvent key = LookForKey(&unreadable);
    if (unreadable) return std::nullopt;
    wait = platform::kUntilInput;
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
