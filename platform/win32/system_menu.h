// Which entry of the console window's system menu an item number of DeleteMenuItem names.
//
// A positive item is a command id (SC_RESTORE 0xF120, SC_SIZE 0xF000, SC_MAXIMIZE 0xF030 and
// so on), removed by command. A negative item counts positions from the end of the menu as it
// stands at the call: -1 the last entry, -2 the one before it. 0 names no entry.
#pragma once

#include <optional>

namespace platform::win32 {

struct MenuEntry {
  bool by_command = true;  // false: `id` is a position counted from 0
  unsigned int id = 0;
};

std::optional<MenuEntry> MenuEntryFor(int item, int entry_count);

}  // namespace platform::win32
