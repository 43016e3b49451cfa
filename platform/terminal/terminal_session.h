// The terminal's own part of its session, beside the calls every presenting platform offers
// (platform/presented_session.h): the title, which the terminal keeps on its title stack, and
// the text it leaves behind.
#pragma once

#include <string>

namespace platform::terminal {

// Queues a title change for the next presentation, saving the old title the first time.
void QueueTitle(const std::string& utf8_title);

// The text to leave after the final screen when the session closes normally.
void KeepText(const std::string& text);

}  // namespace platform::terminal
