// Looks at another program's console window from inside Wine: waits until the window titled
// TITLE is sized to COLUMNS x ROWS whole cells with no scroll bar and stands centred on its
// monitor's work area within 2 px, and says what it saw.
//
//   window_probe.exe TITLE COLUMNS ROWS SECONDS
//
// Exits 0 once the window is sized and centred, 1 when it is not by the deadline (the last
// rectangle seen is printed), 2 when no such window ever showed.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr long kTolerancePx = 2;

struct Seen {
  RECT frame{};
  RECT inside{};
  RECT work{};
  bool scroll_bar = false;
};

bool Look(HWND window, Seen* seen) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (GetWindowRect(window, &seen->frame) == FALSE ||
      GetClientRect(window, &seen->inside) == FALSE ||
      GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor) == FALSE) {
    return false;
  }
  seen->work = monitor.rcWork;
  seen->scroll_bar = (GetWindowLongA(window, GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL)) != 0;
  return true;
}

// The old size, a scroll bar or a size on its way shows as something other than whole cells.
bool Sized(const Seen& s, long columns, long rows) {
  const long width = s.inside.right - s.inside.left;
  const long height = s.inside.bottom - s.inside.top;
  return !s.scroll_bar && width > 0 && height > 0 && width % columns == 0 && height % rows == 0;
}

long Off(long low, long high, long work_low, long work_high) {
  return std::labs((low + high) - (work_low + work_high)) / 2;
}

bool Centred(const Seen& s) {
  return Off(s.frame.left, s.frame.right, s.work.left, s.work.right) <= kTolerancePx &&
         Off(s.frame.top, s.frame.bottom, s.work.top, s.work.bottom) <= kTolerancePx;
}

void Print(const char* verdict, const Seen& s) {
  std::printf(
      "%s: window (%ld, %ld) %ld x %ld, inside %ld x %ld%s, work area (%ld, %ld) %ld x %ld\n",
      verdict, s.frame.left, s.frame.top, s.frame.right - s.frame.left,
      s.frame.bottom - s.frame.top, s.inside.right, s.inside.bottom,
      s.scroll_bar ? " with a scroll bar" : "", s.work.left, s.work.top, s.work.right - s.work.left,
      s.work.bottom - s.work.top);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fputs("usage: window_probe.exe TITLE COLUMNS ROWS SECONDS\n", stderr);
    return 2;
  }
  const long columns = std::atol(argv[2]);
  const long rows = std::atol(argv[3]);
  const ULONGLONG deadline = GetTickCount64() + 1000ULL * std::strtoull(argv[4], nullptr, 10);
  Seen seen;
  bool found = false;
  do {
    const HWND window = FindWindowA(nullptr, argv[1]);
    if (window != nullptr && Look(window, &seen)) {
      found = true;
      if (Sized(seen, columns, rows) && Centred(seen)) {
        Print("centred", seen);
        return 0;
      }
    }
    Sleep(50);
  } while (GetTickCount64() < deadline);
  if (!found) {
    std::printf("no window titled %s\n", argv[1]);
    return 2;
  }
  Print(Sized(seen, columns, rows) ? "not centred" : "never sized", seen);
  return 1;
}
