// The tty as the console window: taking it (raw keyboard, alternate screen), presenting the
// console on it, waiting for keys without using the processor, and giving it back.
#pragma once

#include <string>
#include <vector>

#include "platform/console_api.h"

namespace platform::terminal {

bool OpenSession(std::string* why);
void CloseSession();

// Sends what changed on the screen since the last presentation, in one write().
void Present();
// Decodes the bytes the keyboard already holds, without waiting, into the console's queue.
void TakeWaitingKeys();
// Presents, then blocks until the keyboard gives at least one key record, appended to *keys.
void WaitForKeys(std::vector<InputRecord>* keys);

// Queues a title change for the next presentation, saving the old title the first time.
void QueueTitle(const std::string& utf8_title);

}  // namespace platform::terminal
