// One picture of the screen as the tty is to show it: cells, and the cursor's place and shape.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/console_api.h"

namespace platform::terminal {

struct Frame {
  int width = 0;
  int height = 0;
  std::vector<Cell> cells;  // row-major
  Coord cursor;
  bool cursor_visible = false;
  std::uint32_t cursor_size = 25;

  Frame() = default;
  Frame(int w, int h, Cell fill)
      : width(w),
        height(h),
        cells(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill) {}
  Cell& at(int x, int y) { return cells[static_cast<std::size_t>(y * width + x)]; }
  const Cell& at(int x, int y) const { return cells[static_cast<std::size_t>(y * width + x)]; }
};

}  // namespace platform::terminal
