// A stand-in for the program on the terminal platform, for the tmux scripts: it makes the
// program's window calls, paints its closing screen through the console calls and waits for
// a key like the key wait does. `box` shows a message box first; `keys` prints every key
// record until q is pressed.
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "platform/console_api.h"
#include "platform/window_api.h"

namespace {

using platform::Coord;
using platform::Handle;

constexpr std::uint16_t kAnswerColour = 0xF0;  // black on bright white
constexpr std::uint16_t kPromptColour = 0xF8;  // dark grey on bright white

void Print(Handle screen, int row, std::string_view text, std::uint16_t attr) {
  platform::Cell cells[256];
  for (std::size_t i = 0; i < text.size() && i < 256; ++i)
    cells[i] = platform::Cell{static_cast<std::uint8_t>(text[i]), attr};
  platform::Rect region{0, static_cast<std::int16_t>(row - 1),
                        static_cast<std::int16_t>(text.size() - 1),
                        static_cast<std::int16_t>(row - 1)};
  platform::WriteCells(screen, cells, Coord{static_cast<std::int16_t>(text.size()), 1}, Coord{0, 0},
                       &region);
}

void ClearScreen(Handle screen) {
  platform::ScreenInfo info;
  platform::GetScreenInfo(screen, &info);
  const auto n = static_cast<std::uint32_t>(info.size.x * info.size.y);
  std::uint32_t written = 0;
  platform::FillCharacter(screen, ' ', n, Coord{0, 0}, &written);
  platform::FillAttribute(screen, kAnswerColour, n, Coord{0, 0}, &written);
  platform::SetCursorPosition(screen, Coord{0, 0});
}

// The next key press, waited for the way the key wait waits; releases are dropped.
platform::InputRecord NextPress(Handle keyboard) {
  for (;;) {
    platform::InputRecord r;
    std::uint32_t n = 0;
    if (platform::PeekInput(keyboard, &r, 1, &n) && n == 1) {
      platform::ReadInput(keyboard, &r, 1, &n);
      if (r.key_down) return r;
      continue;
    }
    platform::WaitForInput(keyboard, platform::kUntilInput);
  }
}

void ShowKeys(Handle screen, Handle keyboard) {
  Print(screen, 9, "   keys (q ends):", kPromptColour);
  for (int row = 10;; row = row < 20 ? row + 1 : 10) {
    const platform::InputRecord r = NextPress(keyboard);
    char line[80];
    std::snprintf(line, sizeof line, "   key ch=%u scan=%u vk=%u state=%u       ", r.ch,
                  r.scan_code, r.virtual_key, r.control_state);
    Print(screen, row, line, kAnswerColour);
    if (r.ch == 'q') return;
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::string why;
  if (!platform::Attach(&why)) {
    std::fprintf(stderr, "seam_driver: %s\n", why.c_str());
    return 255;
  }
  const std::string_view mode = argc > 1 ? argv[1] : "";
  const Handle screen = platform::StdHandle(platform::StdStream::kOutput);
  const Handle keyboard = platform::OpenKeyboard();
  platform::window::SetTitle("Sorvanta");
  ClearScreen(screen);
  platform::window::Resize80x(22);
  ClearScreen(screen);
  platform::SetCursorInfo(screen, platform::CursorInfo{25, false});
  Print(screen, 2, "   Sorvanta v1", kAnswerColour);
  Print(screen, 3, "   Surround loudspeaker placement", kAnswerColour);
  Print(screen, 4, "   example.org/sorvanta", kAnswerColour);
  if (mode == "box") {
    platform::window::Beep(0);
    platform::window::MessageBox("The answer must be Y or N.", "  ERROR");
    Print(screen, 6, "   box closed", kAnswerColour);
  }
  if (mode == "keys") ShowKeys(screen, keyboard);
  Print(screen, 21, "   press any key to quit", kPromptColour);
  platform::SetCursorPosition(screen, Coord{0, 21});
  NextPress(keyboard);
  platform::Detach();
  return 0;
}
