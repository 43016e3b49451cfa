// What the terminal description (terminfo, for $TERM) says about the tty: whether it can place
// the cursor at all, its colours and attributes, the strings that enter and leave the
// full-screen mode, show and hide the cursor, draw lines, set the title, and that its keys send.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/keyboard_us.h"
#include "platform/terminal/line_drawing.h"
#include "platform/terminal/rendition.h"

namespace platform::terminal {

// How the terminal's title is set: the text goes between start and end. Empty on a terminal
// that has no title, or whose description does not say how.
struct TitleControls {
  std::string start;
  std::string end;
  bool stack = false;  // xterm's title stack (CSI 22;0t saves, CSI 23;0t restores)
};

// OSC 2, with the title stack.
TitleControls XtermTitle();

struct TerminalCaps {
  bool described = false;  // terminfo knew $TERM; else the ANSI defaults below stand
  // False for a terminal that says it cannot (no `cup`, $TERM dumb, unset or a printing
  // terminal); a name terminfo does not know is taken for an ANSI terminal, since that is
  // mostly a newer emulator than the host's terminfo (over ssh, say).
  bool addresses_cursor = true;
  TerminalLooks looks;  // with NO_COLOR set to anything, no colours whatever terminfo says
  std::string enter_screen = "\x1b[?1049h";
  std::string leave_screen = "\x1b[?1049l";
  std::string hide_cursor = "\x1b[?25l";
  std::string show_cursor = "\x1b[?25h";
  std::string enable_line_set;  // enacs: makes the alternate set ready, once at the start
  LineDrawing line_set;
  TitleControls title = XtermTitle();
  bool back_colour_erase = false;
  bool cursor_shapes = false;
  std::vector<std::pair<std::string, keyboard::Key>> keys;
};

// Reads the description of $TERM for the tty `fd`.
TerminalCaps LoadTerminalCaps(int fd);

// Whether the locale's character set (LC_CTYPE from the environment) is UTF-8. The program's
// own locale is left as it was.
bool LocaleIsUtf8();

}  // namespace platform::terminal
