// What is drawn over the program's screen at presentation time and never into its buffer:
// the notice shown while the terminal is too small, and the message box.
#pragma once

#include <string_view>

#include "platform/terminal/frame.h"

namespace platform::terminal {

// A frame the size of the terminal asking for at least need_w x need_h, and saying that keys
// do nothing meanwhile.
Frame TooSmallNotice(int term_w, int term_h, int need_w, int need_h);

// Draws a message box centred on `frame`: the caption on the top border, the message inside
// (split at line ends, wrapped at spaces) and an OK button; the cursor is hidden.
void DrawMessageBox(std::string_view message, std::string_view caption, Frame* frame);

}  // namespace platform::terminal
