// The Windows window seam: the readings of the menu items and of the centred position, and the
// title and size calls against Wine's console (run with a console of its own).
#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>

#include "platform/win32/records.h"
#include "platform/win32/system_menu.h"
#include "platform/win32/window_placement.h"
#include "platform/window_api.h"

namespace platform::win32 {
namespace {

TEST(Win32SystemMenu, ItemsNameCommandsOrPositionsFromTheEnd) {
  struct Case {
    int item;
    int entries;
    std::optional<MenuEntry> entry;
  };
  const Case cases[] = {
      {0xF120, 7, MenuEntry{true, 0xF120}},  // SC_RESTORE, by command wherever it stands
      {0xF000, 0, MenuEntry{true, 0xF000}},
      {0, 7, std::nullopt},
      {-1, 7, MenuEntry{false, 6}},
      {-2, 7, MenuEntry{false, 5}},
      {-1, 1, MenuEntry{false, 0}},
      {-2, 1, std::nullopt},  // no entry before the only one
      {-1, 0, std::nullopt},  // an empty menu, or one that could not be counted (-1)
      {-1, -1, std::nullopt},
      {INT_MIN, 7, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.item) + " of " + std::to_string(c.entries));
    const std::optional<MenuEntry> got = MenuEntryFor(c.item, c.entries);
    ASSERT_EQ(got.has_value(), c.entry.has_value());
    if (!got) continue;
    EXPECT_EQ(got->by_command, c.entry->by_command);
    EXPECT_EQ(got->id, c.entry->id);
  }
}

TEST(Win32Placement, CentresInTheWorkAreaAndKeepsTheTitleBarOnIt) {
  struct Case {
    Box work;
    Box window;
    long x;
    long y;
  };
  const Case cases[] = {
      {{0, 0, 1024, 768}, {5, 5, 665, 373}, 182, 200},
      {{0, 40, 1920, 1080}, {0, 0, 660, 368}, 630, 376},   // a taskbar along the top
      {{-1280, 0, 0, 1024}, {0, 0, 640, 480}, -960, 272},  // a monitor left of the main one
      {{0, 0, 800, 600}, {0, 0, 1000, 700}, 0, 0},         // larger than the work area
      {{0, 0, 801, 601}, {0, 0, 100, 100}, 350, 250},      // halves round down
  };
  for (const Case& c : cases) {
    const Point at = CentredOrigin(c.work, c.window);
    EXPECT_EQ(at.x, c.x);
    EXPECT_EQ(at.y, c.y);
  }
}

CONSOLE_SCREEN_BUFFER_INFO ActiveScreenInfo() {
  const HANDLE screen =
      CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                  nullptr, OPEN_EXISTING, 0, nullptr);
  CONSOLE_SCREEN_BUFFER_INFO info{};
  EXPECT_TRUE(GetConsoleScreenBufferInfo(screen, &info));
  CloseHandle(screen);
  return info;
}

TEST(Win32Window, ResizeMakesBufferAndWindowEightyColumnsWide) {
  // From a taller and from a shorter screen: the order of the calls matters in both.
  for (const int rows : {22, 30, 22}) {
    SCOPED_TRACE(rows);
    window::Resize80x(rows);
    const CONSOLE_SCREEN_BUFFER_INFO info = ActiveScreenInfo();
    EXPECT_EQ(info.dwSize.X, 80);
    EXPECT_EQ(info.dwSize.Y, rows);
    EXPECT_EQ(info.srWindow.Right - info.srWindow.Left + 1, 80);
    EXPECT_EQ(info.srWindow.Bottom - info.srWindow.Top + 1, rows);
  }
  window::Resize80x(0);  // no screen has no rows: the size stays
  EXPECT_EQ(ActiveScreenInfo().dwSize.Y, 22);
}

TEST(Win32Window, TitleReachesTheConsole) {
  window::SetTitle("Sorvanta");
  char title[64] = {};
  ASSERT_GT(GetConsoleTitleA(title, sizeof title), 0u);
  EXPECT_STREQ(title, "Sorvanta");
}

TEST(Win32Window, InstanceHandleIsTheProgramsOwnModule) {
  EXPECT_EQ(window::InstanceHandle(), static_cast<void*>(GetModuleHandleA(nullptr)));
  EXPECT_NE(window::InstanceHandle(), nullptr);
}

}  // namespace
}  // namespace platform::win32
