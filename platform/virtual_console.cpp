#include "platform/virtual_console.h"

#include <algorithm>

namespace platform {

VirtualConsole::VirtualConsole(int width, int height)
    : width_(std::max(width, 1)),
      height_(std::max(height, 1)),
      cells_(index(0, height_), Cell{' ', kDefaultAttr}) {}

void VirtualConsole::Resize(int width, int height) {
  width = std::max(width, 1);
  height = std::max(height, 1);
  std::vector<Cell> resized(static_cast<std::size_t>(width) * static_cast<std::size_t>(height),
                            Cell{' ', attr_});
  for (int y = 0; y < std::min(height, height_); ++y) {
    for (int x = 0; x < std::min(width, width_); ++x) {
      resized[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
              static_cast<std::size_t>(x)] = at(x, y);
    }
  }
  cells_.swap(resized);
  width_ = width;
  height_ = height;
  cursor_.x = static_cast<std::int16_t>(std::min<int>(cursor_.x, width_ - 1));
  cursor_.y = static_cast<std::int16_t>(std::min<int>(cursor_.y, height_ - 1));
}

ScreenInfo VirtualConsole::Info() const {
  ScreenInfo info;
  info.size = {static_cast<std::int16_t>(width_), static_cast<std::int16_t>(height_)};
  info.cursor = cursor_;
  info.attr = attr_;
  return info;
}

bool VirtualConsole::SetCursorPosition(Coord at) {
  if (!Inside(at.x, at.y)) return false;
  cursor_ = at;
  return true;
}

bool VirtualConsole::SetCursorInfo(const CursorInfo& info) {
  if (info.size < 1 || info.size > 100) return false;
  cursor_info_ = info;
  return true;
}

// Fills run from `from` along the row and on to the following rows, stopping at the end
// of the buffer, as the console's fill calls do.
template <typename Apply>
std::uint32_t VirtualConsole::FillFrom(std::uint32_t count, Coord from, Apply apply) {
  if (!Inside(from.x, from.y)) return 0;
  const std::size_t start = index(from.x, from.y);
  const std::size_t n = std::min<std::size_t>(count, cells_.size() - start);
  for (std::size_t i = 0; i < n; ++i) apply(cells_[start + i]);
  return static_cast<std::uint32_t>(n);
}

std::uint32_t VirtualConsole::FillCharacter(std::uint8_t ch, std::uint32_t count, Coord from) {
  return FillFrom(count, from, [ch](Cell& c) { c.ch = ch; });
}

std::uint32_t VirtualConsole::FillAttribute(std::uint16_t attr, std::uint32_t count, Coord from) {
  return FillFrom(count, from, [attr](Cell& c) { c.attr = attr; });
}

bool VirtualConsole::WriteCells(const Cell* cells, Coord buffer_size, Coord buffer_origin,
                                Rect* region) {
  if (cells == nullptr || region == nullptr) return false;
  if (buffer_size.x <= 0 || buffer_size.y <= 0) return false;
  if (buffer_origin.x < 0 || buffer_origin.y < 0 || buffer_origin.x >= buffer_size.x ||
      buffer_origin.y >= buffer_size.y) {
    return false;
  }
  // The part of the region that lies on the screen and is backed by the buffer.
  const int left = std::max<int>(region->left, 0);
  const int top = std::max<int>(region->top, 0);
  int right = std::min<int>(region->right, width_ - 1);
  int bottom = std::min<int>(region->bottom, height_ - 1);
  right = std::min(right, region->left + (buffer_size.x - buffer_origin.x) - 1);
  bottom = std::min(bottom, region->top + (buffer_size.y - buffer_origin.y) - 1);
  if (left > right || top > bottom) return false;
  for (int y = top; y <= bottom; ++y) {
    for (int x = left; x <= right; ++x) {
      const int bx = buffer_origin.x + (x - region->left);
      const int by = buffer_origin.y + (y - region->top);
      cells_[index(x, y)] = cells[static_cast<std::size_t>(by) * buffer_size.x + bx];
    }
  }
  *region = Rect{static_cast<std::int16_t>(left), static_cast<std::int16_t>(top),
                 static_cast<std::int16_t>(right), static_cast<std::int16_t>(bottom)};
  return true;
}

bool VirtualConsole::Scroll(const Rect& source, const Rect* clip, Coord destination,
                            const Cell& fill) {
  const Rect screen{0, 0, static_cast<std::int16_t>(width_ - 1),
                    static_cast<std::int16_t>(height_ - 1)};
  Rect src{std::max(source.left, screen.left), std::max(source.top, screen.top),
           std::min(source.right, screen.right), std::min(source.bottom, screen.bottom)};
  if (src.left > src.right || src.top > src.bottom) return false;
  Rect limit = screen;
  if (clip != nullptr) {
    limit = Rect{std::max(clip->left, screen.left), std::max(clip->top, screen.top),
                 std::min(clip->right, screen.right), std::min(clip->bottom, screen.bottom)};
  }
  auto in_limit = [&limit](int x, int y) {
    return x >= limit.left && x <= limit.right && y >= limit.top && y <= limit.bottom;
  };
  // Destination position of the clipped source's corner.
  const int dx = destination.x + (src.left - source.left);
  const int dy = destination.y + (src.top - source.top);
  const int w = src.right - src.left + 1;
  const int h = src.bottom - src.top + 1;
  std::vector<Cell> moved;
  moved.reserve(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
  for (int y = src.top; y <= src.bottom; ++y)
    for (int x = src.left; x <= src.right; ++x) moved.push_back(at(x, y));
  for (int y = src.top; y <= src.bottom; ++y)
    for (int x = src.left; x <= src.right; ++x)
      if (in_limit(x, y)) cells_[index(x, y)] = fill;
  for (int j = 0; j < h; ++j) {
    for (int i = 0; i < w; ++i) {
      const int x = dx + i;
      const int y = dy + j;
      if (Inside(x, y) && in_limit(x, y))
        cells_[index(x, y)] = moved[static_cast<std::size_t>(j) * w + i];
    }
  }
  return true;
}

std::uint32_t VirtualConsole::PeekInput(InputRecord* records, std::uint32_t count) const {
  const std::uint32_t n = std::min<std::uint32_t>(count, static_cast<std::uint32_t>(input_.size()));
  std::copy_n(input_.begin(), n, records);
  return n;
}

std::uint32_t VirtualConsole::ReadInput(InputRecord* records, std::uint32_t count) {
  const std::uint32_t n = PeekInput(records, count);
  input_.erase(input_.begin(), input_.begin() + n);
  return n;
}

}  // namespace platform
