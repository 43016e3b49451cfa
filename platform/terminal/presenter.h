// Brings the tty from the frame it shows to the next one: only the cells that look different
// are written, with the cheapest cursor moves and colour changes only where the colour
// changes. The result is the bytes for one write().
#pragma once

#include <array>
#include <optional>
#include <string>

#include "platform/terminal/frame.h"
#include "platform/terminal/line_drawing.h"
#include "platform/terminal/rendition.h"

namespace platform::terminal {

struct PresenterOptions {
  // The terminal erases with the current background colour, so a clear paints the screen.
  bool back_colour_erase = true;
  // The tty's character set is UTF-8 (else glyphs become ASCII and '?', and line pieces are
  // drawn in the line set where it has them).
  bool utf8 = true;
  LineDrawing line_set;
  // The terminal takes DECSCUSR for the cursor's shape.
  bool cursor_shapes = true;
  std::string hide_cursor = "\x1b[?25l";
  std::string show_cursor = "\x1b[?25h";
  // Colours and attributes the terminal shows.
  TerminalLooks looks;
};

class Presenter {
 public:
  explicit Presenter(PresenterOptions options = {});

  // The bytes that turn the tty's picture into `next`; empty when nothing changes.
  std::string Render(const Frame& next);
  // What the tty shows is unknown (a new screen, a resize, a stop), and so are its colours
  // and cursor: the next Render clears
  // the screen and draws everything.
  void Invalidate();

 private:
  void Clear(const Frame& next, std::string* out);
  void DrawCell(const Frame& next, int x, int y, std::string* out);
  void MoveTo(const Frame& next, int x, int y, bool fill_gaps, std::string* out);
  bool GapFill(const Frame& next, int x, int y, std::string* fill) const;
  bool LookAlike(const Cell& a, const Cell& b) const;
  bool PenShows(const Cell& c) const;
  void Pen(std::uint16_t attr, bool blank, std::string* out);
  void PlaceCursor(const Frame& next, std::string* out);
  bool InLineSet(std::uint8_t ch) const;
  bool SwitchesSet(std::uint8_t ch) const;
  std::string_view GlyphInItsSet(std::uint8_t ch) const;
  void Glyph(std::uint8_t ch, std::string* out);

  PresenterOptions options_;
  std::array<Rendition, 256> looks_{};  // by attribute
  bool sets_attributes_ = false;        // some attribute is drawn bold, dim or reversed
  Frame shown_;
  bool valid_ = false;
  std::optional<Rendition> pen_;  // what the terminal draws with, unknown when empty
  int cx_ = -1, cy_ = -1;         // the terminal's cursor, -1 unknown
  int cursor_shown_ = -1;         // 0 hidden, 1 shown, -1 unknown
  int shape_ = -1;                // DECSCUSR style in force, -1 unknown
  int in_line_set_ = -1;          // 1 in the line set, 0 in the normal one, -1 unknown
};

}  // namespace platform::terminal
