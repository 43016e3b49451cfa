#include "platform/terminal/kept_text.h"

#include "platform/cp437.h"

namespace platform::terminal {
namespace {

bool Blank(std::uint8_t ch) {
  return ch == ' ' || ch == 0;
}

int RowLength(const Frame& frame, int y) {
  int length = frame.width;
  while (length > 0 && Blank(frame.at(length - 1, y).ch)) --length;
  return length;
}

// Every parameter from a reset: a row starts from the terminal's own colours, whatever the
// line before it left.
std::string Sgr(const Rendition& r) {
  std::string params = "0";
  if (r.bold) params += ";1";
  if (r.dim) params += ";2";
  if (r.reverse) params += ";7";
  if (r.fg != kDefaultColour) params += ";" + std::to_string(r.fg);
  if (r.bg != kDefaultColour) params += ";" + std::to_string(r.bg);
  return "\x1b[" + params + "m";
}

std::string Row(const Frame& frame, int y, const KeptStyle& style) {
  const Rendition plain;
  Rendition pen = plain;
  std::string out;
  for (int x = 0; x < RowLength(frame, y); ++x) {
    const Cell& c = frame.at(x, y);
    if (style.looks) {
      const Rendition want = KeptRenditionOf(c.attr, *style.looks);
      if (!(pen == want || (Blank(c.ch) && SameOnBlank(pen, want)))) {
        out += Sgr(want);
        pen = want;
      }
    }
    out += GlyphOf(c.ch, style.utf8);
  }
  if (!(pen == plain)) out += "\x1b[0m";
  return out;
}

}  // namespace

std::string KeptText(const Frame& frame, std::string_view kept, const KeptStyle& style) {
  int rows = frame.height;
  while (rows > 0 && RowLength(frame, rows - 1) == 0) --rows;
  std::string out = style.over_screen ? "\x1b[0m\x1b[H" : "";
  for (int y = 0; y < rows; ++y) {
    // Erased before the row is written: after a row as wide as the terminal the cursor may
    // wait in its last column, which an erase there would take away.
    if (style.over_screen) out += "\x1b[K";
    out += Row(frame, y, style);
    out += style.line_end;
  }
  // Erased from below the rows, never from the top: some terminals (tmux) keep a whole
  // screen that is erased in their scrollback, which would hold the rows twice.
  if (style.over_screen) out += "\x1b[J";
  out += style.line_end;
  while (!kept.empty()) {
    const std::size_t end = std::min(kept.find('\n'), kept.size());
    out += kept.substr(0, end);
    out += style.line_end;
    kept.remove_prefix(std::min(end + 1, kept.size()));
  }
  return out;
}

}  // namespace platform::terminal
