#include "platform/win32/system_menu.h"

namespace platform::win32 {

std::optional<MenuEntry> MenuEntryFor(int item, int entry_count) {
  if (item > 0) return MenuEntry{true, static_cast<unsigned int>(item)};
  if (item == 0) return std::nullopt;
  // Widen before negating: -INT_MIN does not exist.
  const long long position = static_cast<long long>(entry_count) + item;
  if (position < 0) return std::nullopt;
  return MenuEntry{false, static_cast<unsigned int>(position)};
}

}  // namespace platform::win32
