#include "drawing/view.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <limits>
#include <numbers>
#include <utility>

#include "drawing/text.h"

namespace drawing {
namespace {

constexpr double kPi = std::numbers::pi;
// A text that finds no free place at its spots moves away from them: a little, kStep at a time,
// up to kNearby as it is, and then further with a leader, in any of kTurns directions.
constexpr double kStep = 3;
constexpr double kNearby = 9;
constexpr double kFarthest = 300;
constexpr int kTurns = 24;
constexpr int kArcPieces = 48;  // the straight pieces an arc is kept clear as

// The direction in which a text at `spot` lies from its point.
Point Away(const Spot& spot) {
  const double dx = spot.across == Across::kAfter ? 1 : spot.across == Across::kBefore ? -1 : 0;
  const double dy = spot.along == Along::kBelow ? 1 : spot.along == Along::kAbove ? -1 : 0;
  return dx == 0 && dy == 0 ? Point{0, -1} : Point{dx, dy};
}

Point Nearest(const Box& box, Point to) {
  return {std::clamp(to.x, box.left, box.right), std::clamp(to.y, box.top, box.bottom)};
}

}  // namespace

Box Box::Empty() {
  constexpr double kFar = std::numeric_limits<double>::max();
  return {kFar, kFar, -kFar, -kFar};
}

void Box::Take(const Box& other) {
  left = std::min(left, other.left);
  top = std::min(top, other.top);
  right = std::max(right, other.right);
  bottom = std::max(bottom, other.bottom);
}

bool Box::Meets(const Box& other) const {
  return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
}

// Liang and Barsky's clipping: the part of the segment a + t (b - a), 0 <= t <= 1, inside the
// box, narrowed by each of its four edges in turn.
bool Segment::Crosses(const Box& box) const {
  double enter = 0, leave = 1;
  // Keeps the part where p t <= q.
  const auto keep = [&](double p, double q) {
    if (p == 0) return q >= 0;
    const double t = q / p;
    if (p < 0) {
      enter = std::max(enter, t);
    } else {
      leave = std::min(leave, t);
    }
    return enter <= leave;
  };
  const double dx = b.x - a.x, dy = b.y - a.y;
  return keep(-dx, a.x - box.left) && keep(dx, box.right - a.x) && keep(-dy, a.y - box.top) &&
         keep(dy, box.bottom - a.y);
}

Box TextBoxAt(const Spot& spot, const std::vector<std::string>& lines) {
  double width = 0;
  for (const std::string& line : lines) width = std::max(width, TextWidth(line));
  const double height = kAscent + kDescent + kLineStep * static_cast<double>(lines.size() - 1);
  const double left = spot.across == Across::kAfter     ? spot.at.x
                      : spot.across == Across::kCentred ? spot.at.x - width / 2
                                                        : spot.at.x - width;
  const double top = spot.along == Along::kBelow   ? spot.at.y
                     : spot.along == Along::kLevel ? spot.at.y - height / 2
                                                   : spot.at.y - height;
  return {left, top, left + width, top + height};
}

void Svg::Printf(const char* format, ...) {
  char buffer[512];
  va_list args;
  va_start(args, format);
  std::vsnprintf(buffer, sizeof buffer, format, args);
  va_end(args);
  out_ += buffer;
}

void Svg::Write(const Text& text) {
  const Box& box = text.box;
  const char* anchor = text.across == Across::kAfter     ? "start"
                       : text.across == Across::kCentred ? "middle"
                                                         : "end";
  const double x = text.across == Across::kAfter     ? box.left
                   : text.across == Across::kCentred ? (box.left + box.right) / 2
                                                     : box.right;
  Printf("<text x='%.1f' y='%.1f' text-anchor='%s'", x, box.top + kAscent, anchor);
  if (text.kind != nullptr) Printf(" class='%s'", text.kind);
  out_ += '>';
  if (text.lines.size() == 1) {
    out_ += Escaped(text.lines.front());
  } else {
    for (std::size_t i = 0; i < text.lines.size(); ++i) {
      Printf("<tspan x='%.1f' dy='%.1f'>", x, i == 0 ? 0.0 : kLineStep);
      out_ += Escaped(text.lines[i]) + "</tspan>";
    }
  }
  out_ += "</text>\n";
}

void View::Line(Point a, Point b, const char* kind, bool keep_clear) {
  svg_.Printf("<line x1='%.1f' y1='%.1f' x2='%.1f' y2='%.1f' class='%s'/>\n", a.x, a.y, b.x, b.y,
              kind);
  if (keep_clear) lines_.push_back({a, b});
  extent_.Take(
      Box{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)}.Grown(1));
}

void View::Arc(Point centre, double radius, double from, double to, const char* kind,
               bool keep_clear) {
  const auto at = [&](double angle) {
    return Point{centre.x + std::sin(angle) * radius, centre.y - std::cos(angle) * radius};
  };
  const Point start = at(from), end = at(to);
  svg_.Printf("<path d='M %.1f %.1f A %.1f %.1f 0 %d %d %.1f %.1f' class='%s'/>\n", start.x,
              start.y, radius, radius, std::abs(to - from) > kPi ? 1 : 0, to > from ? 1 : 0, end.x,
              end.y, kind);
  extent_.Take(Box{start.x, start.y, start.x, start.y}.Grown(1));
  Point last = start;
  for (int i = 1; i <= kArcPieces; ++i) {
    const Point next = at(from + (to - from) * i / kArcPieces);
    if (keep_clear) lines_.push_back({last, next});
    extent_.Take(Box{next.x, next.y, next.x, next.y}.Grown(1));
    last = next;
  }
}

void View::Square(Point centre, double half_side, const char* kind) {
  svg_.Printf("<rect x='%.1f' y='%.1f' width='%.0f' height='%.0f' class='%s'/>\n",
              centre.x - half_side, centre.y - half_side, 2 * half_side, 2 * half_side, kind);
  Mark({centre.x - half_side, centre.y - half_side, centre.x + half_side, centre.y + half_side});
}

void View::Dot(Point centre, double radius, const char* kind) {
  svg_.Printf("<circle cx='%.1f' cy='%.1f' r='%.0f' class='%s'/>\n", centre.x, centre.y, radius,
              kind);
  Mark({centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius});
}

void View::Label(std::vector<std::string> lines, Point subject, std::initializer_list<Spot> spots,
                 const char* kind) {
  std::vector<Box> boxes;  // at each spot
  for (const Spot& spot : spots) boxes.push_back(TextBoxAt(spot, lines));
  for (double push = 0; push <= kNearby; push += kStep) {
    for (std::size_t i = 0; i < spots.size(); ++i) {
      const Spot& spot = spots.begin()[i];
      const Point away = Away(spot);
      const Box box = boxes[i].Moved({away.x * push, away.y * push});
      if (Clear(box)) return Keep({std::move(lines), spot.across, box, kind});
    }
  }
  // Leaders over marks only where there is no other way: a crowd of marks about the subject.
  for (const bool over_marks : {false, true}) {
    for (double reach = kNearby + kStep; reach <= kFarthest; reach += kStep) {
      for (std::size_t i = 0; i < spots.size(); ++i) {
        const Point away = Away(spots.begin()[i]);
        const double ahead = std::atan2(away.y, away.x);
        // Straight away first, then turning further to either side.
        for (int turn = 0; turn < kTurns; ++turn) {
          const double angle =
              ahead + (turn % 2 == 0 ? 1 : -1) * ((turn + 1) / 2) * 2 * kPi / kTurns;
          const Box box = boxes[i].Moved({std::cos(angle) * reach, std::sin(angle) * reach});
          const Segment leader{subject, Nearest(box, subject)};
          if (!Clear(box) || !Reaches(leader, over_marks)) continue;
          Line(leader.a, leader.b, "lead");
          return Keep({std::move(lines), spots.begin()[i].across, box, kind});
        }
      }
    }
  }
  const Spot& first = *spots.begin();
  const Box box =
      TextBoxAt({{first.at.x, extent_.bottom + kGap}, first.across, Along::kBelow}, lines);
  Line(subject, Nearest(box, subject), "lead");
  Keep({std::move(lines), first.across, box, kind});
}

void View::Write(Svg& svg, Point corner) const {
  svg.Printf("<g transform='translate(%.1f %.1f)'>\n", corner.x - extent_.left,
             corner.y - extent_.top);
  svg.text() += svg_.text();
  for (const Text& text : texts_) svg.Write(text);
  svg.text() += "</g>\n";
}

bool View::Clear(const Box& box) const {
  const Box room = box.Grown(kGap);
  for (const Box& mark : marks_)
    if (room.Meets(mark)) return false;
  for (const Text& text : texts_)
    if (room.Meets(text.box)) return false;
  for (const Segment& line : lines_)
    if (line.Crosses(room)) return false;
  return true;
}

// Whether the leader meets no text and, unless `over_marks`, no mark but the one it starts
// from.
bool View::Reaches(const Segment& leader, bool over_marks) const {
  for (const Text& text : texts_)
    if (leader.Crosses(text.box)) return false;
  if (over_marks) return true;
  for (const Box& mark : marks_) {
    const bool start = mark.left <= leader.a.x && leader.a.x <= mark.right &&
                       mark.top <= leader.a.y && leader.a.y <= mark.bottom;
    if (!start && leader.Crosses(mark)) return false;
  }
  return true;
}

void View::Mark(const Box& box) {
  marks_.push_back(box);
  extent_.Take(box);
}

void View::Keep(Text text) {
  extent_.Take(text.box);
  texts_.push_back(std::move(text));
}

}  // namespace drawing
