#include "platform/terminal/rendition.h"

namespace platform::terminal {
namespace {

constexpr int kBright = 8;

int Foreground(std::uint16_t attr) {
  return attr & 0x0F;
}
int Background(std::uint16_t attr) {
  return (attr >> 4) & 0x0F;
}

// The console counts blue 1, green 2, red 4; ANSI counts red 1, green 2, blue 4.
int AnsiOrder(int index) {
  return ((index & 1) << 2) | (index & 2) | ((index & 4) >> 2);
}

// Eight colours: each index takes its base colour. A bright foreground is its base colour in
// bold, which the terminals of eight colours (the Linux console, xterm by default) show as the
// bright shade: dark grey is bold black. A bright background has no stand-in and takes its base
// colour too: the program's bright white page becomes these terminals' light grey (ANSI white),
// on which black text reads as well. A foreground that would merge into its background (same base
// colour, and no bold to brighten it: light grey on bright white) takes the far end of the grey
// scale instead, black on a light background and light grey on a dark one.
constexpr bool kLightBase[8] = {false, false, true, true, false, false, true, true};

Rendition EightColours(int fg, int bg, bool bold) {
  const bool brightened = bold && (fg & kBright) != 0;
  int fg_base = fg & 7;
  const int bg_base = bg & 7;
  if (fg != bg && fg_base == bg_base && !brightened) fg_base = kLightBase[bg_base] ? 0 : 7;
  Rendition r{30 + AnsiOrder(fg_base), 40 + AnsiOrder(bg_base)};
  r.bold = brightened;
  return r;
}

// Without colours each cell keeps its part by attributes alone.
struct Marks {
  bool bold, dim, reverse;
};
constexpr Marks kPlain{false, false, false};
constexpr Marks kMuted{false, true, false};
constexpr Marks kMarked{true, false, false};
constexpr Marks kStandout{true, false, true};
constexpr Marks kPanel{false, false, true};
constexpr Marks kColouredPanel{true, false, true};

// Foregrounds: black, light grey and white are the text itself; dark grey is muted; any other
// colour marks the text out, and red, the colour of warnings, makes it stand out.
constexpr Marks kForegroundMarks[16] = {
    kPlain, kMarked, kMarked, kMarked, kStandout, kMarked, kMarked, kPlain,
    kMuted, kMarked, kMarked, kMarked, kStandout, kMarked, kMarked, kPlain,
};
// Backgrounds: black and bright white are the two pages a screen has; any other is a panel over
// the page (a message box, a button), shown reversed, a coloured one in bold as well.
constexpr Marks kBackgroundMarks[16] = {
    kPlain,         kColouredPanel, kColouredPanel, kColouredPanel, kColouredPanel, kColouredPanel,
    kColouredPanel, kPanel,         kPanel,         kColouredPanel, kColouredPanel, kColouredPanel,
    kColouredPanel, kColouredPanel, kColouredPanel, kPlain,
};

// Standing out on a panel is reversing the reversed: the text keeps its bold.
Rendition NoColours(int fg, int bg, const TerminalLooks& looks) {
  const Marks& f = kForegroundMarks[fg];
  const Marks& b = kBackgroundMarks[bg];
  Rendition r;
  r.bold = looks.bold && (f.bold || b.bold);
  r.dim = looks.dim && f.dim && !(f.bold || b.bold);
  r.reverse = looks.reverse && f.reverse != b.reverse;
  return r;
}

constexpr int kPage = 15;  // bright white, the page that shows no mark

}  // namespace

int AnsiForeground(int index) {
  return (index & kBright ? 90 : 30) + AnsiOrder(index & 7);
}
int AnsiBackground(int index) {
  return (index & kBright ? 100 : 40) + AnsiOrder(index & 7);
}

Rendition RenditionOf(std::uint16_t attr, const TerminalLooks& looks) {
  const int fg = Foreground(attr);
  const int bg = Background(attr);
  switch (looks.colours) {
    case ColourDepth::kSixteen:
      return Rendition{AnsiForeground(fg), AnsiBackground(bg)};
    case ColourDepth::kEight:
      return EightColours(fg, bg, looks.bold);
    case ColourDepth::kNone:
      break;
  }
  return NoColours(fg, bg, looks);
}

Rendition KeptRenditionOf(std::uint16_t attr, const TerminalLooks& looks) {
  const int fg = Foreground(attr);
  if (!kForegroundMarks[fg].bold) return Rendition{};
  if (looks.colours == ColourDepth::kNone) return NoColours(fg, kPage, looks);
  // Eight colours show a bright colour as its base colour in bold, which the mark has anyway.
  Rendition r{AnsiForeground(looks.colours == ColourDepth::kSixteen ? fg : fg & 7)};
  r.bold = looks.bold;
  return r;
}

}  // namespace platform::terminal
