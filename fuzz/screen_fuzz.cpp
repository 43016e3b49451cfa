// The console layer's screen operations in random order on memory consoles of random sizes,
// each step checked against a plain model of the screen kept here: every cell, the cursor
// (always on the screen), the pending wrap (through what the next output does) and the cursor
// shape. The model writes byte by byte and scrolls row by row, so it shares nothing with the
// layer's row pieces.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "console/console.h"
#include "platform/memory/memory_platform.h"

namespace {

using platform::Cell;
namespace memory = platform::memory;

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

struct Model {
  int w = 1;
  int h = 1;
  std::vector<Cell> cells;
  int x = 0;
  int y = 0;
  bool wrap = false;
  std::uint32_t fg = 7;
  std::uint32_t bg = 0;
  std::uint16_t console_attr = 7;  // the console's own attribute, which new cells take
  std::uint32_t cursor_size = 25;
  bool cursor_visible = true;

  std::uint16_t attr() const { return static_cast<std::uint16_t>(fg + 16 * bg); }
  Cell& at(int cx, int cy) { return cells[static_cast<std::size_t>(cy * w + cx)]; }

  // On a one-row screen the rows below the top make an empty rectangle, which the console
  // refuses to scroll: the row keeps what it had.
  void ScrollUp() {
    if (h == 1) return;
    for (int r = 0; r + 1 < h; ++r)
      for (int c = 0; c < w; ++c) at(c, r) = at(c, r + 1);
    for (int c = 0; c < w; ++c) at(c, h - 1) = Cell{' ', attr()};
  }
  void Print(const std::string& text) {
    for (const char ch : text) {
      if (wrap) {
        wrap = false;
        ScrollUp();
      }
      at(x, y) = Cell{static_cast<std::uint8_t>(ch), attr()};
      if (++x < w) continue;
      x = 0;
      if (y + 1 == h) {
        wrap = true;
      } else {
        ++y;
      }
    }
  }
  void Move(std::int32_t row, std::int32_t column) {
    if (column >= 1 && column <= w) x = column - 1;
    if (row >= 1 && row <= h) y = row - 1;
    wrap = false;
  }
  void NewLine() {
    if (y + 1 < h) {
      ++y;
    } else {
      if (wrap) ScrollUp();
      ScrollUp();
    }
    x = 0;
    wrap = false;
  }
  void Colour(std::int32_t f, std::int32_t b, std::uint32_t repaint) {
    if (f >= 0 && f < 16) fg = static_cast<std::uint32_t>(f);
    if (b >= 0 && b < 16) bg = static_cast<std::uint32_t>(b);
    console_attr = attr();
    for (std::size_t i = static_cast<std::size_t>(y * w + x); i < cells.size() && repaint > 0;
         ++i, --repaint) {
      cells[i].attr = attr();
    }
  }
  void Clear() {
    for (Cell& c : cells) c = Cell{' ', attr()};
    x = y = 0;
    wrap = false;
  }
  void Cursor(std::int32_t size) {
    cursor_visible = size != 0;
    if (size > 0) cursor_size = static_cast<std::uint32_t>(size < 10 ? 10 : size > 99 ? 99 : size);
  }
  void Resize(int nw, int nh) {
    std::vector<Cell> next(static_cast<std::size_t>(nw * nh), Cell{' ', console_attr});
    for (int r = 0; r < std::min(h, nh); ++r)
      for (int c = 0; c < std::min(w, nw); ++c)
        next[static_cast<std::size_t>(r * nw + c)] = at(c, r);
    cells.swap(next);
    w = nw;
    h = nh;
    x = std::min(x, w - 1);
    y = std::min(y, h - 1);
  }
};

void CheckSame(const Model& m) {
  const platform::VirtualConsole& c = memory::Console();
  Check(c.width() == m.w && c.height() == m.h);
  Check(c.cursor().x >= 0 && c.cursor().x < c.width() && c.cursor().y >= 0 &&
        c.cursor().y < c.height());
  Check(c.cursor().x == m.x && c.cursor().y == m.y);
  Check(c.cells() == m.cells);
  Check(c.cursor_info().visible == m.cursor_visible && c.cursor_info().size == m.cursor_size);
}

// Coordinates mostly near the screen, sometimes far off it either way.
std::int32_t Coordinate(FuzzedDataProvider& in, int limit) {
  switch (in.ConsumeIntegralInRange(0, 7)) {
    case 0:
      return in.ConsumeIntegral<std::int32_t>();
    case 1:
      return INT_MIN;
    case 2:
      return INT_MAX;
    default:
      return in.ConsumeIntegralInRange<std::int32_t>(-2, limit + 2);
  }
}

std::int32_t ColourIndex(FuzzedDataProvider& in) {
  return in.ConsumeBool() ? in.ConsumeIntegralInRange<std::int32_t>(-1, 17)
                          : in.ConsumeIntegral<std::int32_t>();
}

void Step(FuzzedDataProvider& in, Model& m) {
  switch (in.ConsumeIntegralInRange(0, 8)) {
    case 0:
    case 1: {
      const std::string text = in.ConsumeRandomLengthString(600);
      console::PrintText(text);
      m.Print(text);
      break;
    }
    case 2: {
      const std::int32_t row = Coordinate(in, m.h);
      const std::int32_t column = Coordinate(in, m.w);
      console::MoveCursor(row, column);
      m.Move(row, column);
      break;
    }
    case 3: {
      const std::int32_t f = ColourIndex(in);
      const std::int32_t b = ColourIndex(in);
      const std::uint32_t repaint =
          in.ConsumeBool() ? 0 : in.ConsumeIntegralInRange<std::uint32_t>(0, 70000);
      console::SetColor(f, b, repaint);
      m.Colour(f, b, repaint);
      break;
    }
    case 4:
      console::PrintNewLine();
      m.NewLine();
      break;
    case 5:
      console::ClearScreen();
      m.Clear();
      break;
    case 6: {
      const std::int32_t size = in.ConsumeBool() ? in.ConsumeIntegralInRange(-2, 120)
                                                 : in.ConsumeIntegral<std::int32_t>();
      console::SetCursor(size);
      m.Cursor(size);
      break;
    }
    case 7:
      Check(console::CursorRow() == m.y + 1);
      break;
    default: {
      // Someone else changes the buffer size: the layer must take it at its next call.
      const int w = in.ConsumeIntegralInRange(1, 300);
      const int h = in.ConsumeIntegralInRange(1, 60);
      memory::Console().Resize(w, h);
      m.Resize(w, h);
      break;
    }
  }
  CheckSame(m);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  memory::Options options;
  options.width = in.ConsumeIntegralInRange(1, 300);
  options.height = in.ConsumeIntegralInRange(1, 60);
  options.cursor = platform::CursorInfo{in.ConsumeIntegralInRange<std::uint32_t>(1, 100), true};
  memory::Reset(options);
  console::ConsoleStartup();

  Model m;
  m.w = options.width;
  m.h = options.height;
  m.cells.assign(static_cast<std::size_t>(m.w * m.h), Cell{' ', 7});
  m.cursor_size = options.cursor.size;
  CheckSame(m);
  for (int steps = 0; steps < 200 && in.remaining_bytes() > 0; ++steps) Step(in, m);
  return 0;
}
