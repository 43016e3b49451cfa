#include "platform/terminal/presenter.h"

#include <array>

#include "platform/cp437.h"

namespace platform::terminal {
namespace {

// Marks a cell whose colours are the terminal's defaults after a clear without colour erase:
// no console attribute looks like it.
constexpr std::uint16_t kUnknownAttr = 0xFFFF;
// DECSCUSR styles: steady underline and steady block.
constexpr int kUnderline = 4;
constexpr int kBlock = 2;
constexpr std::uint16_t kLightGreyOnBlack = 0x07;

bool Blank(std::uint8_t ch) {
  return ch == ' ' || ch == 0;
}
int Background(std::uint16_t attr) {
  return (attr >> 4) & 0x0F;
}

const Rendition& LookOf(const std::array<Rendition, 256>& looks, std::uint16_t attr) {
  return looks[attr & 0xFF];
}

// Whether going from `from` to `to` must switch something off: SGR 0 is the one way every
// terminal knows. A pen nobody knows may hold any attribute this presenter ever sets.
bool NeedsReset(const std::optional<Rendition>& from, const Rendition& to, bool sets_attributes) {
  if (!from) return sets_attributes || to.fg == kDefaultColour || to.bg == kDefaultColour;
  return (from->bold && !to.bold) || (from->dim && !to.dim) || (from->reverse && !to.reverse) ||
         (from->fg != kDefaultColour && to.fg == kDefaultColour) ||
         (from->bg != kDefaultColour && to.bg == kDefaultColour);
}

// One SGR sequence that turns the pen `from` into `to`, naming only what changes.
std::string SgrChange(const std::optional<Rendition>& from, const Rendition& to,
                      bool sets_attributes) {
  Rendition base{kUnknownColour, kUnknownColour};
  std::string params;
  const auto add = [&params](int n) {
    if (!params.empty()) params += ';';
    params += std::to_string(n);
  };
  if (NeedsReset(from, to, sets_attributes)) {
    add(0);
    base = Rendition{};
  } else if (from) {
    base = *from;
  }
  if (to.bold && !base.bold) add(1);
  if (to.dim && !base.dim) add(2);
  if (to.reverse && !base.reverse) add(7);
  if (to.fg != base.fg && to.fg != kDefaultColour) add(to.fg);
  if (to.bg != base.bg && to.bg != kDefaultColour) add(to.bg);
  return "\x1b[" + params + 'm';
}

std::string Csi(int n, char final) {
  std::string s = "\x1b[";
  if (n != 1) s += std::to_string(n);
  s += final;
  return s;
}

// The attribute most blank cells have: the colour a full clear paints.
std::uint16_t ClearAttr(const Frame& f) {
  std::array<int, 16> count{};
  std::array<std::uint16_t, 16> attr{};
  for (const Cell& c : f.cells) {
    if (!Blank(c.ch)) continue;
    ++count[Background(c.attr)];
    attr[Background(c.attr)] = c.attr;
  }
  int best = 0;
  for (int i = 1; i < 16; ++i)
    if (count[i] > count[best]) best = i;
  return count[best] == 0 ? kLightGreyOnBlack : attr[best];
}

}  // namespace

Presenter::Presenter(PresenterOptions options) : options_(std::move(options)) {
  for (std::size_t a = 0; a < looks_.size(); ++a) {
    looks_[a] = RenditionOf(static_cast<std::uint16_t>(a), options_.looks);
    sets_attributes_ = sets_attributes_ || looks_[a].bold || looks_[a].dim || looks_[a].reverse;
  }
}

// Two cells look alike when they show the same glyph drawn the same way; a blank shows no
// foreground.
bool Presenter::LookAlike(const Cell& a, const Cell& b) const {
  if (a.attr == kUnknownAttr || b.attr == kUnknownAttr) return false;
  const Rendition& ra = LookOf(looks_, a.attr);
  const Rendition& rb = LookOf(looks_, b.attr);
  if (Blank(a.ch) && Blank(b.ch)) return SameOnBlank(ra, rb);
  return a.ch == b.ch && ra == rb;
}

// Whether the pen as it is draws the cell right.
bool Presenter::PenShows(const Cell& c) const {
  if (!pen_) return false;
  const Rendition& r = LookOf(looks_, c.attr);
  return *pen_ == r || (Blank(c.ch) && SameOnBlank(*pen_, r));
}

std::string Presenter::Render(const Frame& next) {
  std::string out;
  if (!valid_ || shown_.width != next.width || shown_.height != next.height) Clear(next, &out);
  for (int y = 0; y < next.height; ++y)
    for (int x = 0; x < next.width; ++x)
      if (!LookAlike(shown_.at(x, y), next.at(x, y))) DrawCell(next, x, y, &out);
  PlaceCursor(next, &out);
  shown_ = next;
  return out;
}

void Presenter::Invalidate() {
  valid_ = false;
  pen_.reset();
  cx_ = cy_ = -1;
  cursor_shown_ = -1;
  shape_ = -1;
  in_line_set_ = -1;
}

void Presenter::Clear(const Frame& next, std::string* out) {
  std::uint16_t fill = kUnknownAttr;
  if (options_.back_colour_erase) {
    fill = ClearAttr(next);
    Pen(fill, false, out);
  } else {
    *out += "\x1b[0m";
    pen_ = Rendition{};
  }
  *out += "\x1b[H\x1b[2J";
  cx_ = cy_ = 0;
  shown_ = Frame(next.width, next.height, Cell{' ', fill});
  valid_ = true;
}

void Presenter::DrawCell(const Frame& next, int x, int y, std::string* out) {
  MoveTo(next, x, y, true, out);
  const Cell& c = next.at(x, y);
  Pen(c.attr, Blank(c.ch), out);
  Glyph(c.ch, out);
  // Past the last column the terminal may hold a pending wrap: trust no column there.
  cx_ = x + 1 < next.width ? x + 1 : -1;
  if (cx_ < 0) cy_ = -1;
}

// Rewriting the few cells between the cursor and `x` can be cheaper than a move, when they
// need no colour change.
bool Presenter::GapFill(const Frame& next, int x, int y, std::string* fill) const {
  if (cy_ != y || cx_ < 0 || x <= cx_ || x - cx_ > 4) return false;
  for (int i = cx_; i < x; ++i) {
    const Cell& c = next.at(i, y);
    if (!PenShows(c) || SwitchesSet(c.ch)) return false;
    *fill += GlyphInItsSet(c.ch);
  }
  return true;
}

void Presenter::MoveTo(const Frame& next, int x, int y, bool fill_gaps, std::string* out) {
  if (cx_ == x && cy_ == y) return;
  std::string best = "\x1b[" + std::to_string(y + 1);
  if (x > 0) best += ";" + std::to_string(x + 1);
  best += 'H';
  if (cy_ >= 0 && cx_ >= 0) {
    std::string rel;
    if (y > cy_)
      rel = y - cy_ <= 2 ? std::string(static_cast<std::size_t>(y - cy_), '\n') : Csi(y - cy_, 'B');
    if (y < cy_) rel = Csi(cy_ - y, 'A');
    if (x > cx_) rel += Csi(x - cx_, 'C');
    if (x < cx_) rel += x == 0 ? std::string("\r") : Csi(cx_ - x, 'D');
    if (rel.size() < best.size()) best = rel;
    std::string fill;
    if (fill_gaps && GapFill(next, x, y, &fill) && fill.size() < best.size()) best = fill;
  }
  *out += best;
  cx_ = x;
  cy_ = y;
}

void Presenter::Pen(std::uint16_t attr, bool blank, std::string* out) {
  Rendition want = LookOf(looks_, attr);
  if (blank && pen_ && SameOnBlank(*pen_, want)) return;  // the pen can stay
  // A blank drawn with a foreground colour left over keeps that colour in the pen, unless the
  // pen must be reset anyway; a pen without one takes the cell's own with the background.
  if (blank && pen_ && pen_->fg != kDefaultColour) {
    Rendition kept = want;
    kept.fg = pen_->fg;
    kept.bold = pen_->bold;
    kept.dim = pen_->dim;
    if (!NeedsReset(pen_, kept, sets_attributes_)) want = kept;
  }
  if (pen_ == want) return;
  *out += SgrChange(pen_, want, sets_attributes_);
  pen_ = want;
}

bool Presenter::InLineSet(std::uint8_t ch) const {
  return !options_.utf8 && options_.line_set.Draws(LinePieceOf(ch));
}

// Whether drawing `ch` takes a switch of character set first. Without a line set nothing ever
// switches.
bool Presenter::SwitchesSet(std::uint8_t ch) const {
  return !options_.utf8 && !options_.line_set.enter.empty() &&
         in_line_set_ != static_cast<int>(InLineSet(ch));
}

std::string_view Presenter::GlyphInItsSet(std::uint8_t ch) const {
  if (!InLineSet(ch)) return GlyphOf(ch, options_.utf8);
  return {&options_.line_set.pieces[static_cast<unsigned char>(LinePieceOf(ch))], 1};
}

void Presenter::Glyph(std::uint8_t ch, std::string* out) {
  if (SwitchesSet(ch)) {
    const bool in_set = InLineSet(ch);
    *out += in_set ? options_.line_set.enter : options_.line_set.leave;
    in_line_set_ = in_set ? 1 : 0;
  }
  *out += GlyphInItsSet(ch);
}

void Presenter::PlaceCursor(const Frame& next, std::string* out) {
  if (!next.cursor_visible) {
    if (cursor_shown_ != 0) *out += options_.hide_cursor;
    cursor_shown_ = 0;
    return;
  }
  const int shape = next.cursor_size <= 50 ? kUnderline : kBlock;
  if (options_.cursor_shapes && shape_ != shape) {
    *out += "\x1b[" + std::to_string(shape) + " q";
    shape_ = shape;
  }
  MoveTo(next, next.cursor.x, next.cursor.y, false, out);
  if (cursor_shown_ != 1) *out += options_.show_cursor;
  cursor_shown_ = 1;
}

}  // namespace platform::terminal
