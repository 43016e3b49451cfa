// Where the console window goes when it is moved to (32767, 32767): centred in the work area
// of its monitor. A window larger than the work area keeps its top-left corner (and so its
// title bar) inside the work area instead.
#pragma once

namespace platform::win32 {

// The position both coordinates of Move take to ask for a centred window.
constexpr int kCentredPosition = 32767;

struct Box {
  long left = 0;
  long top = 0;
  long right = 0;
  long bottom = 0;
};

struct Point {
  long x = 0;
  long y = 0;
};

Point CentredOrigin(const Box& work_area, const Box& window);

}  // namespace platform::win32
