// What a terminal leaves behind when the program ends normally: the screen's rows as they stood
// when the program handed over the text it keeps (platform/window_api.h), then that text, on the
// terminal's normal screen in the terminal's own colours, or as plain text for a file or a pipe.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/terminal/frame.h"
#include "platform/terminal/rendition.h"

namespace platform::terminal {

struct KeptStyle {
  std::optional<TerminalLooks> looks;  // none: plain text, without a single escape
  bool utf8 = true;                    // glyphs beyond ASCII in UTF-8, else ASCII and '?'
  std::string_view line_end = "\n";
  // The terminal has no screen of its own for the program, which has drawn on the one that
  // stays: the rows are written over it from its top row, each erased to its end, and what
  // stood below them is erased, so that they are on the terminal once.
  bool over_screen = false;
};

// The frame's rows without their trailing blanks (and without the empty rows at its foot), an
// empty line, then `kept`, every line ended by the style's line end. With looks, each cell is
// drawn by KeptRenditionOf, and a row ends with the pen reset, so that nothing of the program's
// colours reaches the lines after it.
std::string KeptText(const Frame& frame, std::string_view kept, const KeptStyle& style);

}  // namespace platform::terminal
