#include "drawing/layout_drawing.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <string_view>
#include <tuple>
#include <utility>

#include "app/result_text.h"
#include "app/setup_sheet.h"
#include "drawing/text.h"
#include "drawing/view.h"

namespace drawing {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kDrawnDistance = 150;  // the listening distance, in the document's units
constexpr double kSpeaker = 7;          // half the side of a speaker's square
constexpr double kListener = 6;         // the radius of the listening position's dot
constexpr double kAngleArc = 45;        // the radius of the surround angle's arc
constexpr double kMargin = 12;
// The least width of the document's content, which the heading and the message wrap to: wider
// than the widest answer the heading quotes.
constexpr double kNarrowest = 320;
constexpr double kMessageWidth = 440;     // the width of a document that has nothing to draw
constexpr std::size_t kShownAnswer = 16;  // characters of an answer quoted in the heading

// A result as the report prints it, and where it is over the limit the calculation read for
// it (the report's test: equal is within, a NaN is over), by how much.
std::vector<std::string> Stated(const std::string& name, double result, double limit,
                                const std::string& limit_name) {
  std::vector<std::string> lines{name + " " + app::FormatResult(result)};
  const app::LimitCheck check = app::CheckLimit(limit, result);
  if (!check.over) return lines;
  const std::string excess = app::FormatResult(check.excess);
  const std::string maximum = limit_name + " of " + app::FormatResult(limit);
  lines.push_back(excess == app::FormatResult(0) ? "just over " + maximum
                                                 : "over " + maximum + " by " + excess);
  return lines;
}

const char* Kind(const std::vector<std::string>& stated) {
  return stated.size() > 1 ? "over" : nullptr;
}

std::string Joined(const std::vector<std::string>& lines, const char* between) {
  std::string joined = lines.front();
  for (std::size_t i = 1; i < lines.size(); ++i) joined += between + lines[i];
  return joined;
}

// A text of the drawing as a sentence of its description.
std::string Sentence(std::string words) {
  if (words[0] >= 'a' && words[0] <= 'z') words[0] = static_cast<char>(words[0] - 'a' + 'A');
  const char last = words.back();
  return last == '.' || last == '?' || last == '!' ? words : words + ".";
}

// The drawing in words, for those who cannot see it: its heading names it, and its other
// texts, each a sentence, describe it.
std::string TitleAndDescription(const std::vector<std::string>& said) {
  std::string description;
  for (std::size_t i = 1; i < said.size(); ++i)
    description += (i > 1 ? " " : "") + Sentence(said[i]);
  return "<title>" + Escaped(said.front()) + "</title>\n<desc>" + Escaped(description) +
         "</desc>\n";
}

struct Scene {
  double distance;  // R
  double radius;    // r
  double height;    // H
  double offset;    // phi, radians
  double surround_angle;
  double surround_width;  // the computed spacing, or the fixed one the user gave
  const app::Layout& layout;

  // A length of the room in the document's units: the listening distance is kDrawnDistance.
  double Drawn(double length) const { return length / distance * kDrawnDistance; }
};

bool Drawable(const Scene& scene) {
  const double r = scene.distance;
  return std::isfinite(r) && r > 0 && std::isfinite(scene.height) && std::abs(scene.height) <= r &&
         std::isfinite(scene.radius) && scene.radius >= 0 && std::isfinite(scene.offset) &&
         std::isfinite(scene.surround_angle) && std::isfinite(scene.layout.front_back) &&
         std::isfinite(scene.surround_width);
}

std::string Degrees(double angle) {
  char text[32];
  std::snprintf(text, sizeof text, "%.15g\u00b0", angle);
  return text;
}

// Above: the listener at the origin, facing up the page towards the centre speaker.
View TopView(const Scene& scene) {
  View view;
  const app::Layout& layout = scene.layout;
  const app::Inputs& limits = layout.inputs;
  const double theta = kPi / 2 + scene.offset;
  const auto at = [&](double angle, double distance) {
    return Point{std::sin(angle) * scene.Drawn(distance), -std::cos(angle) * scene.Drawn(distance)};
  };
  const Point you{0, 0};
  const Point c = at(0, scene.distance), l = at(-kPi / 6, scene.distance),
              r = at(kPi / 6, scene.distance), ls = at(-theta, scene.radius),
              rs = at(theta, scene.radius);
  view.Arc(you, kDrawnDistance, -theta, theta, "guide", false);
  for (const Point p : {c, l, r, ls, rs}) view.Line(you, p, "ray");
  for (const Point p : {c, l, r, ls, rs}) view.Square(p, kSpeaker, "spk");
  view.Dot(you, kListener, "you");

  // The front width above the front speakers, clear of the centre speaker's name.
  const double front = std::min({c.y, l.y, r.y}) - kSpeaker - 3 * kGap - kAscent - kDescent;
  view.Line({l.x, front}, {r.x, front}, "dim");
  view.Line({l.x, front - 5}, {l.x, l.y - kSpeaker - 2}, "ext");
  view.Line({r.x, front - 5}, {r.x, r.y - kSpeaker - 2}, "ext");
  const auto width = Stated("front width = listening distance", scene.distance,
                            limits.front_width_limit, "your maximum");
  view.Label(width, {(l.x + r.x) / 2, front},
             {{{(l.x + r.x) / 2, front - kGap}, Across::kCentred, Along::kAbove}}, Kind(width));

  // The front-back spacing beside everything, from the centre speaker to the surrounds.
  const double side = std::max({kDrawnDistance, r.x + kSpeaker, rs.x + kSpeaker}) + 16;
  view.Line({side, c.y}, {side, rs.y}, "dim");
  view.Line({c.x + kSpeaker + 2, c.y}, {side + 5, c.y}, "ext");
  view.Line({rs.x + kSpeaker + 2, rs.y}, {side + 5, rs.y}, "ext");
  const auto front_back =
      Stated("front-back spacing", layout.front_back, limits.front_back_limit, "your maximum");
  view.Label(front_back, {side, (c.y + rs.y) / 2},
             {{{side + kGap + 1, (c.y + rs.y) / 2}, Across::kAfter, Along::kLevel},
              {{side - kGap - 1, (c.y + rs.y) / 2}, Across::kBefore, Along::kLevel}},
             Kind(front_back));

  // The surround spacing below the surrounds.
  const double back = std::max(ls.y, rs.y) + kSpeaker + 12;
  view.Line({ls.x, back}, {rs.x, back}, "dim");
  view.Line({ls.x, ls.y + kSpeaker + 2}, {ls.x, back + 5}, "ext");
  view.Line({rs.x, rs.y + kSpeaker + 2}, {rs.x, back + 5}, "ext");
  view.Label({"surround spacing " + app::FormatResult(scene.surround_width) +
              (layout.has_surround_width ? "" : ", as you fixed it")},
             {(ls.x + rs.x) / 2, back},
             {{{(ls.x + rs.x) / 2, back + kGap}, Across::kCentred, Along::kBelow}});

  const double away = kSpeaker + kGap;
  view.Label({"C"}, c,
             {{{c.x, c.y - away}, Across::kCentred, Along::kAbove},
              {{c.x + away, c.y}, Across::kAfter, Along::kLevel},
              {{c.x - away, c.y}, Across::kBefore, Along::kLevel}});
  // The front speakers' names level with them, the surrounds' above them: the front-back
  // spacing's line leaves the right surround level with it.
  for (const auto& [name, p, outwards, along] :
       {std::tuple{"L", l, Across::kBefore, Along::kLevel},
        std::tuple{"R", r, Across::kAfter, Along::kLevel},
        std::tuple{"LS", ls, Across::kBefore, Along::kAbove},
        std::tuple{"RS", rs, Across::kAfter, Along::kAbove}}) {
    const double sign = outwards == Across::kAfter ? 1 : -1;
    const Point first =
        along == Along::kLevel ? Point{p.x + sign * away, p.y} : Point{p.x + sign * 2, p.y - away};
    view.Label({name}, p,
               {{first, outwards, along},
                {{p.x, p.y - away}, Across::kCentred, Along::kAbove},
                {{p.x + sign * away, p.y}, outwards, Along::kLevel},
                {{p.x, p.y + away}, Across::kCentred, Along::kBelow}});
  }

  view.Label({"listening position"}, you,
             {{{kListener + kGap, 0}, Across::kAfter, Along::kLevel},
              {{0, kListener + kGap}, Across::kCentred, Along::kBelow},
              {{-kListener - kGap, 0}, Across::kBefore, Along::kLevel}});

  // The surround angle, swept from straight ahead to the left surround.
  view.Arc(you, kAngleArc, 0, -theta, "arc", true);
  const double slant = kAngleArc * std::sqrt(0.5);
  view.Label({"surround angle " + Degrees(scene.surround_angle)},
             {-std::sin(theta / 2) * kAngleArc, -std::cos(theta / 2) * kAngleArc},
             {{{-kAngleArc - kGap, -kGap}, Across::kBefore, Along::kAbove},
              {{-slant - kGap, -slant - kGap}, Across::kBefore, Along::kAbove},
              {{-kGap, -kAngleArc - kGap}, Across::kBefore, Along::kAbove}});
  return view;
}

// From the side: the ears at the origin, the centre speaker ahead (to the right) at ear height,
// a surround behind and raised.
View SideView(const Scene& scene) {
  View view;
  const app::Layout& layout = scene.layout;
  const Point ears{0, 0};
  const Point c{kDrawnDistance, 0};
  const Point s{-std::sin(scene.offset) * scene.Drawn(scene.radius), -scene.Drawn(scene.height)};
  const double rise = std::min(s.x, 0.0) - 20;  // where the height is measured
  view.Line({rise, 0}, c, "guide");
  view.Line(ears, c, "ray");
  view.Line(ears, s, "ray");
  view.Line({rise, s.y}, {rise, 0}, "dim");
  view.Line({s.x - kSpeaker - 2, s.y}, {rise, s.y}, "ext");
  view.Square(c, kSpeaker, "spk");
  view.Square(s, kSpeaker, "spk");
  view.Dot(ears, kListener, "you");

  const auto distance = Stated("listening distance", scene.distance,
                               layout.inputs.front_width_limit, "your maximum front width");
  // Over the line to the centre speaker, or beside the ears along it, clear of the speaker.
  const double clear = kSpeaker + kGap;
  view.Label(distance, {c.x / 2, 0},
             {{{c.x / 2, -kGap}, Across::kCentred, Along::kAbove},
              {{kListener + kGap, -clear}, Across::kAfter, Along::kAbove},
              {{c.x / 2, kGap}, Across::kCentred, Along::kBelow},
              {{kListener + kGap, clear}, Across::kAfter, Along::kBelow}},
             Kind(distance));
  const double middle = s.y / 2;
  view.Label({"surround height " + app::FormatMeasure(scene.height)}, {rise, middle},
             {{{rise - kGap - 1, middle}, Across::kBefore, Along::kLevel},
              {{rise - kGap - 1, std::min(s.y, 0.0) - kGap}, Across::kBefore, Along::kAbove},
              {{rise - kGap - 1, std::max(s.y, 0.0) + kGap}, Across::kBefore, Along::kBelow}});
  const double away = kSpeaker + kGap;
  view.Label({"C, L, R"}, c,
             {{{c.x, c.y - away}, Across::kCentred, Along::kAbove},
              {{c.x + away, c.y}, Across::kAfter, Along::kLevel},
              {{c.x, c.y + away}, Across::kCentred, Along::kBelow}});
  view.Label({"LS, RS", "as far from the ears as C, L, R"}, s,
             {{{s.x, s.y - away}, Across::kCentred, Along::kAbove},
              {{s.x, s.y + away}, Across::kCentred, Along::kBelow},
              {{s.x - away, s.y}, Across::kBefore, Along::kLevel}});
  view.Label({"ears of the listener"}, ears,
             {{{0, kListener + kGap}, Across::kCentred, Along::kBelow},
              {{kListener, kListener + kGap}, Across::kAfter, Along::kBelow},
              {{-kListener, kListener + kGap}, Across::kBefore, Along::kBelow}});
  return view;
}

// The document: texts and views one under another, each view centred in the width of the
// widest.
class Document {
 public:
  explicit Document(double width) : width_(width), height_(kMargin) {}

  void Heading(std::vector<std::string> lines, double space_after) {
    const Box box = TextBoxAt({{kMargin, height_}, Across::kAfter, Along::kBelow}, lines);
    said_.push_back(Joined(lines, " "));
    Text text{std::move(lines), Across::kAfter, box, nullptr};
    svg_.Write(text);
    texts_.push_back(std::move(text));
    height_ = box.bottom + space_after;
  }

  void Add(const View& view, double space_after) {
    const Box& extent = view.extent();
    const Point corner{kMargin + (width_ - extent.Width()) / 2, height_};
    view.Write(svg_, corner);
    const Point offset{corner.x - extent.left, corner.y - extent.top};
    for (const Text& text : view.texts()) {
      texts_.push_back({text.lines, text.across, text.box.Moved(offset), text.kind});
      said_.push_back(Joined(text.lines, ", "));
    }
    height_ += extent.Height() + space_after;
  }

  double width() const { return width_ + 2 * kMargin; }
  double height() const { return height_ + kMargin; }
  const std::vector<Text>& texts() const { return texts_; }
  const std::string& body() const { return svg_.text(); }
  // Every text in words, in the order written: a heading's lines are one line broken to fit, a
  // label's lines say one thing each.
  const std::vector<std::string>& said() const { return said_; }

 private:
  double width_;
  double height_;
  Svg svg_;
  std::vector<Text> texts_;
  std::vector<std::string> said_;
};

std::vector<std::string> HeadingPieces(const char* opening,
                                       const std::vector<std::string>& answers) {
  std::vector<std::string> pieces{opening};
  for (std::size_t i = 0; i < answers.size(); ++i)
    pieces.push_back(Quoted(answers[i], kShownAnswer) + (i + 1 < answers.size() ? "," : ""));
  return pieces;
}

std::vector<std::string> Words(std::string_view text) {
  std::vector<std::string> words;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = std::min(text.find(' ', start), text.size());
    words.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
  return words;
}

Document Compose(const app::Layout& layout, const std::vector<std::string>& answers) {
  const app::Inputs& in = layout.inputs;
  const Scene scene{layout.listening_distance,
                    layout.surround_radius,
                    in.surround_height,
                    layout.offset_angle,
                    static_cast<double>(in.surround_angle),
                    layout.has_surround_width ? layout.surround_width : in.surround_width,
                    layout};
  if (!Drawable(scene)) {
    Document document(kMessageWidth);
    document.Heading(Wrapped(HeadingPieces("The layout for the answers", answers), kMessageWidth),
                     12);
    document.Heading(Wrapped(Words("Nothing to draw: the listening distance is not a positive "
                                   "number at least as large as the surround height."),
                             kMessageWidth),
                     0);
    return document;
  }
  const View top = TopView(scene);
  const View side = SideView(scene);
  const std::string above = "Seen from above", beside = "Seen from the side (front to the right)";
  const double width =
      std::max({kNarrowest, top.extent().Width(), side.extent().Width(), TextWidth(beside)});
  Document document(width);
  document.Heading(Wrapped(HeadingPieces("The layout for the answers", answers), width), 10);
  document.Heading({above}, 10);
  document.Add(top, 22);
  document.Heading({beside}, 10);
  document.Add(side, 0);
  return document;
}

}  // namespace

std::string LayoutSvg(const app::Layout& layout, const std::vector<std::string>& answers) {
  const Document document = Compose(layout, answers);
  Svg svg;
  svg.Printf(
      "<svg xmlns='http://www.w3.org/2000/svg' class='sorvanta-layout' width='%.0f' "
      "height='%.0f' viewBox='0 0 %.0f %.0f' font-family='sans-serif' font-size='%.0f'>\n",
      std::ceil(document.width()), std::ceil(document.height()), std::ceil(document.width()),
      std::ceil(document.height()), kFontSize);
  svg.text() += TitleAndDescription(document.said());
  // Scoped to the drawing: the page puts the document itself into its own, style sheet and all.
  svg.text() +=
      "<style>.sorvanta-layout .spk{fill:#333}.sorvanta-layout .ray{stroke:#888;"
      "stroke-dasharray:4 3}.sorvanta-layout .guide{fill:none;stroke:#ccc}.sorvanta-layout "
      ".dim{stroke:#c00;stroke-width:1.5}.sorvanta-layout .you{fill:#06c}.sorvanta-layout "
      ".ext{stroke:#c00;stroke-width:0.5}.sorvanta-layout .arc{fill:none;stroke:#06c}"
      ".sorvanta-layout .lead{stroke:#888;stroke-width:0.5}.sorvanta-layout "
      "text{fill:#222}.sorvanta-layout .over{fill:#c00}</style>\n"
      "<rect width='100%' height='100%' fill='white'/>\n";
  svg.text() += document.body();
  svg.text() += "</svg>\n";
  return std::move(svg.text());
}

TextPlacement PlaceTexts(const app::Layout& layout, const std::vector<std::string>& answers) {
  const Document document = Compose(layout, answers);
  TextPlacement placement{std::ceil(document.width()), std::ceil(document.height()), {}};
  for (const Text& text : document.texts())
    placement.texts.push_back(
        {Joined(text.lines, "\n"), text.box.left, text.box.top, text.box.right, text.box.bottom});
  return placement;
}

}  // namespace drawing
