// How a console attribute (foreground + 16 x background) is drawn on a terminal, by what the
// terminal can show: sixteen colours, eight, or none at all and only a few attributes.
#pragma once

#include <cstdint>

namespace platform::terminal {

enum class ColourDepth { kSixteen, kEight, kNone };

// What the terminal can show besides plain text.
struct TerminalLooks {
  ColourDepth colours = ColourDepth::kSixteen;
  bool bold = true;
  bool dim = true;
  bool reverse = true;
};

// The terminal's own colour for a plane, and a colour nobody knows (the pen before the first
// frame): neither is an SGR colour code.
constexpr int kDefaultColour = -1;
constexpr int kUnknownColour = -2;

// One way of drawing a cell: an SGR colour code (or the terminal's default) for each plane, and
// the attributes on top.
struct Rendition {
  int fg = kDefaultColour;
  int bg = kDefaultColour;
  bool bold = false;
  bool dim = false;
  bool reverse = false;
  friend bool operator==(const Rendition&, const Rendition&) = default;
};

Rendition RenditionOf(std::uint16_t attr, const TerminalLooks& looks);

// How a cell is drawn in the copy left on the terminal's normal screen, which has the
// terminal's own colours, light or dark: no background anywhere, and the text in the terminal's
// foreground, except text in a colour that marks it out (the warning's red), which keeps its
// colour and is bold, or without colours takes the marks it has on the screen.
Rendition KeptRenditionOf(std::uint16_t attr, const TerminalLooks& looks);

// A blank shows only its background, and reverse video turns the foreground into it.
inline bool SameOnBlank(const Rendition& a, const Rendition& b) {
  return a.bg == b.bg && a.reverse == b.reverse && (!a.reverse || a.fg == b.fg);
}

// The SGR colour codes of a console colour index as foreground or background.
int AnsiForeground(int index);
int AnsiBackground(int index);

}  // namespace platform::terminal
