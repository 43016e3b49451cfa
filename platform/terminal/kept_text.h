// What a terminal leaves behind when the program ends normally: the final screen's rows and
// the text the program kept (platform/window_api.h), on the terminal's normal screen in its
// looks, or as plain text for a file or a pipe.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/terminal/frame.h"
#include "platform/terminal/rendition.h"

namespace platform::terminal {

struct KeptStyle {
  std::optional<TerminalLooks> looks;  // none: plain text, without a single escape
  bool utf8 = true;                    // glyphs beyond ASCII in UTF-8, else '?'
  std::string_view line_end = "\n";
};

// The frame's rows without their trailing blanks (and without the empty rows at its foot), an
// empty line, then `kept`, every line ended by the style's line end. With looks, each cell is
// drawn as the presenter draws it, and a row ends with the pen reset, so that nothing of the
// program's colours reaches the lines after it.
std::string KeptText(const Frame& frame, std::string_view kept, const KeptStyle& style);

}  // namespace platform::terminal
