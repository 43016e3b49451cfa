// The terminal platform's process-wide state: the tty, the console it presents (and the modes
// the program set, which the shared console calls keep), the presenter, the key decoder and the
// text to leave behind.
#pragma once

#include <termios.h>

#include <optional>
#include <string>

#include "platform/presented_session.h"
#include "platform/terminal/key_decoder.h"
#include "platform/terminal/presenter.h"
#include "platform/terminal/terminal_caps.h"

namespace platform::terminal {

struct MessageBoxText {
  std::string message;
  std::string caption;
};

// What is left after the final screen at a normal close: the screen as it stood when the
// program handed over its text, before the lines that only applied while it ran.
struct KeptCopy {
  Frame screen;
  std::string text;
};

struct TerminalState : presented::PresentedConsole {
  bool attached = false;
  int key_fd = -1;  // the controlling terminal, opened by us
  int screen_fd = -1;
  bool stdin_tty = false;
  bool stdout_tty = false;
  bool stderr_tty = false;
  TerminalCaps caps;
  bool utf8 = true;
  Presenter presenter;
  KeyDecoder decoder;
  int term_w = 80;
  int term_h = 25;
  std::string ahead;         // bell and title, sent in front of the next frame
  bool line_set = false;     // line pieces are drawn in the terminal's alternate set
  std::string restore_text;  // what gives the screen back
  bool title_saved = false;  // the old title is on the terminal's title stack
  std::optional<MessageBoxText> box;
  std::optional<KeptCopy> kept;
};

TerminalState& State();

}  // namespace platform::terminal
