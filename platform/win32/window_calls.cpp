// The window seam on Windows: the console window's title, icon, system menu, size and place,
// the message box and the beep, through user32 and kernel32.
#include <algorithm>
#include <climits>

#include "platform/win32/records.h"
#include "platform/win32/system_menu.h"
#include "platform/win32/window_placement.h"
#include "platform/window_api.h"

// windows.h names MessageBoxA under this macro; ours is the seam's own function.
#undef MessageBox

namespace platform::window {
namespace {

// The active screen buffer, whatever the standard handles were redirected to.
class ActiveScreen {
 public:
  ActiveScreen()
      : handle_(CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE,
                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                            nullptr)) {}
  ~ActiveScreen() {
    if (valid()) CloseHandle(handle_);
  }
  ActiveScreen(const ActiveScreen&) = delete;
  ActiveScreen& operator=(const ActiveScreen&) = delete;

  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

SMALL_RECT WindowOf(SHORT columns, SHORT rows) {
  return SMALL_RECT{0, 0, static_cast<SHORT>(columns - 1), static_cast<SHORT>(rows - 1)};
}

void SetWindowIcon(HWND window, WPARAM which, HICON icon) {
  SendMessageA(window, WM_SETICON, which, reinterpret_cast<LPARAM>(icon));
}

void MoveTo(HWND window, long x, long y) {
  SetWindowPos(window, nullptr, static_cast<int>(x), static_cast<int>(y), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The screen's visible cells in pixels of the console's font; false when there is no font to
// measure by.
bool VisibleCellsSize(SIZE* size) {
  const ActiveScreen screen;
  CONSOLE_SCREEN_BUFFER_INFO info{};
  CONSOLE_FONT_INFO font{};
  if (!screen.valid() || GetConsoleScreenBufferInfo(screen.get(), &info) == FALSE ||
      GetCurrentConsoleFont(screen.get(), FALSE, &font) == FALSE || font.dwFontSize.X <= 0 ||
      font.dwFontSize.Y <= 0) {
    return false;
  }
  size->cx = (info.srWindow.Right - info.srWindow.Left + 1) * font.dwFontSize.X;
  size->cy = (info.srWindow.Bottom - info.srWindow.Top + 1) * font.dwFontSize.Y;
  return true;
}

// Some console hosts (Wine's) show a new size later than it was set, from their own message
// loop, perhaps in steps (first a scroll bar goes, then the frame shrinks), and keep the
// window's top-left corner when they do: a window that does not yet show its visible cells and
// nothing else is centred as it will be, the frame around those cells with no scroll bar.
bool FrameToCentre(HWND window, RECT* frame) {
  constexpr DWORD kScrollBars = WS_HSCROLL | WS_VSCROLL;
  RECT inside{};
  SIZE cells{};
  if (GetWindowRect(window, frame) == FALSE) return false;
  const auto style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
  if (GetClientRect(window, &inside) == FALSE || !VisibleCellsSize(&cells) ||
      (inside.right == cells.cx && inside.bottom == cells.cy && (style & kScrollBars) == 0)) {
    return true;
  }
  RECT shown{0, 0, cells.cx, cells.cy};
  const auto extended = static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE));
  if (AdjustWindowRectEx(&shown, style & ~kScrollBars, FALSE, extended) == FALSE) return true;
  frame->right = frame->left + (shown.right - shown.left);
  frame->bottom = frame->top + (shown.bottom - shown.top);
  return true;
}

void Centre(HWND window) {
  RECT frame{};
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (!FrameToCentre(window, &frame)) return;
  if (GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor) == FALSE) {
    return;
  }
  const RECT& work = monitor.rcWork;
  const win32::Point at = win32::CentredOrigin({work.left, work.top, work.right, work.bottom},
                                               {frame.left, frame.top, frame.right, frame.bottom});
  MoveTo(window, at.x, at.y);
}

}  // namespace

void* InstanceHandle() {
  return GetModuleHandleA(nullptr);
}

// Everything the window services need is found again at each call.
void Init(void*) {}

// A console window has no toolbar.
void ToolBar(int, int) {}

void SetTitle(const char* title) {
  SetConsoleTitleA(title);
}

// The resource id names one of the system's stock icons (IDI_APPLICATION, 32512, for the
// program); an id that names none gives the standard application icon.
void SetIcon(int resource_id) {
  const HWND window = GetConsoleWindow();
  if (window == nullptr) return;
  HICON icon = LoadIconA(nullptr, MAKEINTRESOURCEA(resource_id));
  if (icon == nullptr) icon = LoadIconA(nullptr, MAKEINTRESOURCEA(32512));
  SetWindowIcon(window, ICON_SMALL, icon);
  SetWindowIcon(window, ICON_BIG, icon);
}

void DeleteMenuItem(int item) {
  const HWND window = GetConsoleWindow();
  const HMENU menu = window != nullptr ? GetSystemMenu(window, FALSE) : nullptr;
  if (menu == nullptr) return;
  const auto entry = win32::MenuEntryFor(item, GetMenuItemCount(menu));
  if (!entry) return;
  DeleteMenu(menu, entry->id, entry->by_command ? MF_BYCOMMAND : MF_BYPOSITION);
}

// The window may never be larger than the buffer: shrink the window to fit the new buffer,
// size the buffer, then open the window to the whole buffer.
void Resize80x(int rows) {
  constexpr SHORT kColumns = 80;
  if (rows < 1 || rows > SHRT_MAX) return;
  const ActiveScreen screen;
  CONSOLE_SCREEN_BUFFER_INFO info{};
  if (!screen.valid() || GetConsoleScreenBufferInfo(screen.get(), &info) == FALSE) return;
  const SHORT height = static_cast<SHORT>(rows);
  const SHORT shown_columns = static_cast<SHORT>(info.srWindow.Right - info.srWindow.Left + 1);
  const SHORT shown_rows = static_cast<SHORT>(info.srWindow.Bottom - info.srWindow.Top + 1);
  const SMALL_RECT shrunk =
      WindowOf(std::min(shown_columns, kColumns), std::min(shown_rows, height));
  SetConsoleWindowInfo(screen.get(), TRUE, &shrunk);
  SetConsoleScreenBufferSize(screen.get(), COORD{kColumns, height});
  const SMALL_RECT whole = WindowOf(kColumns, height);
  SetConsoleWindowInfo(screen.get(), TRUE, &whole);
}

// (32767, 32767) asks for the window centred on its monitor; any other pair is the position
// of the window's top-left corner on the desktop.
void Move(int x, int y) {
  const HWND window = GetConsoleWindow();
  if (window == nullptr) return;
  if (x == win32::kCentredPosition && y == win32::kCentredPosition) {
    Centre(window);
  } else {
    MoveTo(window, x, y);
  }
}

void MessageBox(const char* message, const char* caption) {
  MessageBoxA(GetConsoleWindow(), message, caption, MB_OK);
}

void Beep(std::uint32_t type) {
  MessageBeep(type);
}

// The console window shows the program's screen after it ends: nothing to add.
void KeepAfterExit(const char*) {}

}  // namespace platform::window
