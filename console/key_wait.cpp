#include "console/console.h"
#include "console/console_internal.h"

namespace console {

// The key that ends the wait stays in the input queue. A keyboard that cannot be read ends
// the wait at once, since no key could ever come.
std::int32_t WaitForKey() {
  for (;;) {
    bool unreadable = false;
    const KeyEvent key = LookForKey(&unreadable);
    if (unreadable || key.kind != KeyEvent::kNone) return -1;
    platform::Sleep(1);
  }
}

}  // namespace console
