// A console held in memory: a screen buffer of cells, a cursor, the current attribute and a
// queue of input records, with the Windows console's rules for each call. The memory platform
// is this alone; the terminal platform presents it on a tty.
#pragma once

#include <cstdint>
#include <deque>
#include <vector>

#include "platform/console_api.h"

namespace platform {

class VirtualConsole {
 public:
  // The attribute a new console starts with: light grey on black.
  static constexpr std::uint16_t kDefaultAttr = 0x07;

  VirtualConsole(int width, int height);

  int width() const { return width_; }
  int height() const { return height_; }
  const Cell& at(int x, int y) const { return cells_[index(x, y)]; }
  const std::vector<Cell>& cells() const { return cells_; }

  // Changes the buffer size; what fits stays at the top-left, new cells are blank in the
  // current attribute, and the cursor is pulled inside.
  void Resize(int width, int height);

  ScreenInfo Info() const;
  Coord cursor() const { return cursor_; }
  bool SetCursorPosition(Coord at);
  const CursorInfo& cursor_info() const { return cursor_info_; }
  bool SetCursorInfo(const CursorInfo& info);
  std::uint16_t attr() const { return attr_; }
  void SetAttr(std::uint16_t attr) { attr_ = attr; }

  std::uint32_t FillCharacter(std::uint8_t ch, std::uint32_t count, Coord from);
  std::uint32_t FillAttribute(std::uint16_t attr, std::uint32_t count, Coord from);
  bool WriteCells(const Cell* cells, Coord buffer_size, Coord buffer_origin, Rect* region);
  bool Scroll(const Rect& source, const Rect* clip, Coord destination, const Cell& fill);

  // The input queue, oldest record first.
  std::deque<InputRecord>& input() { return input_; }
  std::uint32_t PeekInput(InputRecord* records, std::uint32_t count) const;
  std::uint32_t ReadInput(InputRecord* records, std::uint32_t count);

 private:
  std::size_t index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
           static_cast<std::size_t>(x);
  }
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  template <typename Apply>
  std::uint32_t FillFrom(std::uint32_t count, Coord from, Apply apply);

  int width_;
  int height_;
  std::vector<Cell> cells_;
  Coord cursor_;
  CursorInfo cursor_info_;
  std::uint16_t attr_ = kDefaultAttr;
  std::deque<InputRecord> input_;
};

}  // namespace platform
