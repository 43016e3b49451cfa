#include "platform/win32/window_placement.h"

#include <algorithm>

namespace platform::win32 {
namespace {

long CentredStart(long low, long high, long extent) {
  return std::max(low, low + (high - low - extent) / 2);
}

}  // namespace

Point CentredOrigin(const Box& work_area, const Box& window) {
  return Point{CentredStart(work_area.left, work_area.right, window.right - window.left),
               CentredStart(work_area.top, work_area.bottom, window.bottom - window.top)};
}

}  // namespace platform::win32
