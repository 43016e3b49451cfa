#include <algorithm>
#include <array>
#include <cstddef>

#include "console/console.h"
#include "console/console_internal.h"
#include "console/console_state.h"

namespace console {
namespace {

// One row piece goes to the console in one call through this many cells. Rows of up to 255
// columns take one piece per row; a wider row is written in pieces of this size, one after the
// other, so nothing is ever staged beyond it.
constexpr std::size_t kStagingCells = 256;

void WritePiece(std::string_view bytes, int x, int y, std::uint16_t attr) {
  std::array<platform::Cell, kStagingCells> staging;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    staging[i] = platform::Cell{static_cast<std::uint8_t>(bytes[i]), attr};
  }
  const int n = static_cast<int>(bytes.size());
  platform::Rect region{static_cast<std::int16_t>(x), static_cast<std::int16_t>(y),
                        static_cast<std::int16_t>(x + n - 1), static_cast<std::int16_t>(y)};
  platform::WriteCells(State().screen, staging.data(),
                       platform::Coord{static_cast<std::int16_t>(n), 1}, platform::Coord{},
                       &region);
}

}  // namespace

void ScrollUp() {
  platform::ScreenInfo info;
  if (!ReadScreen(&info)) return;
  const platform::Rect source{0, 1, static_cast<std::int16_t>(info.size.x - 1),
                              static_cast<std::int16_t>(info.size.y - 1)};
  platform::ScrollBuffer(State().screen, source, nullptr, platform::Coord{},
                         platform::Cell{' ', CurrentAttribute()});
}

void PrintText(std::string_view text) {
  if (text.empty()) return;
  platform::ScreenInfo info;
  if (!ReadScreen(&info)) return;
  const int width = info.size.x;
  const int height = info.size.y;
  int x = info.cursor.x;
  int y = info.cursor.y;
  const std::uint16_t attr = CurrentAttribute();
  ConsoleState& s = State();
  while (!text.empty()) {
    if (s.pending_wrap) {
      s.pending_wrap = false;
      ScrollUp();
    }
    const std::size_t n =
        std::min({text.size(), static_cast<std::size_t>(width - x), kStagingCells});
    WritePiece(text.substr(0, n), x, y, attr);
    text.remove_prefix(n);
    x += static_cast<int>(n);
    if (x == width) {
      x = 0;
      // The last row scrolls only when more output comes, so a full screen stays in view.
      if (y + 1 == height) {
        s.pending_wrap = true;
      } else {
        ++y;
      }
    }
  }
  PlaceCursor(x, y);
}

void PrintNewLine() {
  platform::ScreenInfo info;
  ConsoleState& s = State();
  if (ReadScreen(&info)) {
    if (info.cursor.y + 1 < info.size.y) {
      PlaceCursor(0, info.cursor.y + 1);
    } else {
      // A wrap still owed from a full last row scrolls first, so the full row stays followed
      // by a blank one as anywhere else on the screen.
      const bool owed = s.pending_wrap;
      s.pending_wrap = false;
      if (owed) ScrollUp();
      ScrollUp();
      PlaceCursor(0, info.size.y - 1);
    }
  }
  s.pending_wrap = false;
}

}  // namespace console
