#include "console/console.h"
#include "console/console_internal.h"
#include "console/console_state.h"

namespace console {

// The key that ends the wait stays in the input queue. A look that finds no key has emptied
// the queue, so the wait for input that follows has no limit. A keyboard that cannot be read
// ends the wait at once, since no key could ever come.
std::int32_t WaitForKey() {
  for (;;) {
    bool unreadable = false;
    const KeyEvent key = LookForKey(&unreadable);
    if (unreadable || key.kind != KeyEvent::kNone) return -1;
    platform::WaitForInput(State().keyboard, platform::kUntilInput);
  }
}

}  // namespace console
