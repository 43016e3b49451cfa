// The page as the console window: presenting the console on it, taking the keys it queued,
// and waiting for them without using the processor.
#pragma once

namespace platform::web {

// The console's screen (and whatever waits to go beside it) to the page.
void Present();
// Turns the events the page has queued into records in the console's input queue.
void TakeWaitingKeys();
// Presents, then suspends the program until at least one key record is queued.
void WaitForKeys();

}  // namespace platform::web
