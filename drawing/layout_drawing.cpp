#include "drawing/layout_drawing.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>

#include "app/result_text.h"

namespace drawing {
namespace {

constexpr double kLargestScale = 70;    // pixels per unit of length
constexpr double kLargestRadius = 250;  // pixels from the listener to the speakers, at most
constexpr double kPi = 3.14159265358979323846;
constexpr std::size_t kShownAnswer = 16;  // characters of an answer quoted in the heading

struct Point {
  double x, y;
};

// UTF-8 text as SVG text: the characters XML reserves escaped.
std::string Escaped(const std::string& utf8) {
  std::string out;
  for (const char c : utf8) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '\'':
        out += "&apos;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

bool StartsCharacter(char byte) {
  return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
}

// At most kShownAnswer characters, cut between two of them.
std::string Shortened(const std::string& utf8) {
  std::size_t characters = 0;
  std::size_t cut = 0;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    if (!StartsCharacter(utf8[i])) continue;
    if (++characters == kShownAnswer - 2) cut = i;
    if (characters > kShownAnswer) return utf8.substr(0, cut) + "...";
  }
  return utf8;
}

class Svg {
 public:
  explicit Svg(double scale) : scale_(scale) {}
  double scale() const { return scale_; }
  std::string& text() { return out_; }

  void Printf(const char* format, ...) __attribute__((format(printf, 2, 3))) {
    char buffer[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    out_ += buffer;
  }
  void Line(Point a, Point b, const char* style) {
    Printf("<line x1='%.1f' y1='%.1f' x2='%.1f' y2='%.1f' %s/>\n", a.x, a.y, b.x, b.y, style);
  }
  // `text` is SVG text already.
  void Text(Point at, const char* anchor, const std::string& text) {
    Printf("<text x='%.1f' y='%.1f' text-anchor='%s'>", at.x, at.y, anchor);
    out_ += text;
    out_ += "</text>\n";
  }
  void Speaker(Point at, const char* name) {
    Printf("<rect x='%.1f' y='%.1f' width='14' height='14' class='spk'/>\n", at.x - 7, at.y - 7);
    Text({at.x, at.y - 12}, "middle", name);
  }

 private:
  double scale_;
  std::string out_;
};

std::string Labelled(const char* label, double value) {
  return std::string(label) + " " + app::FormatResult(value);
}

struct Scene {
  const app::Layout& layout;
  double height;
  double theta_degrees;
  double surround_width;  // the computed spacing, or the fixed one the user gave
};

// Above: the listener at the centre, facing up the page towards the centre speaker.
void TopView(Svg& svg, const Scene& scene, Point centre) {
  const double k = svg.scale();
  const double r = scene.layout.listening_distance;
  const double radius = std::sqrt(r * r - scene.height * scene.height);
  auto at = [&](double degrees, double distance) {
    const double a = degrees * kPi / 180;
    return Point{centre.x + std::sin(a) * distance * k, centre.y - std::cos(a) * distance * k};
  };
  svg.Printf("<circle cx='%.1f' cy='%.1f' r='%.1f' class='guide'/>\n", centre.x, centre.y, r * k);
  const Point c = at(0, r), fl = at(-30, r), fr = at(30, r);
  const Point sl = at(-scene.theta_degrees, radius), sr = at(scene.theta_degrees, radius);
  for (Point p : {c, fl, fr, sl, sr}) svg.Line(centre, p, "class='ray'");
  svg.Speaker(c, "C");
  svg.Speaker(fl, "L");
  svg.Speaker(fr, "R");
  svg.Speaker(sl, "LS");
  svg.Speaker(sr, "RS");
  svg.Printf("<circle cx='%.1f' cy='%.1f' r='6' class='you'/>\n", centre.x, centre.y);
  svg.Text({centre.x + 10, centre.y + 18}, "start", "listening position");
  const double top = c.y - 40;
  svg.Line({fl.x, top}, {fr.x, top}, "class='dim'");
  svg.Line({fl.x, top - 5}, {fl.x, fl.y - 12}, "class='ext'");
  svg.Line({fr.x, top - 5}, {fr.x, fr.y - 12}, "class='ext'");
  svg.Text({centre.x, top - 8}, "middle", Labelled("front width = listening distance", r));
  svg.Line({sl.x, sl.y + 26}, {sr.x, sr.y + 26}, "class='dim'");
  svg.Text({centre.x, sl.y + 44}, "middle", Labelled("surround spacing", scene.surround_width));
  const double right = centre.x + r * k + 30;
  svg.Line({right, c.y}, {right, sr.y}, "class='dim'");
  svg.Line({c.x + 12, c.y}, {right + 5, c.y}, "class='ext'");
  svg.Line({sr.x + 12, sr.y}, {right + 5, sr.y}, "class='ext'");
  svg.Text({right + 8, (c.y + sr.y) / 2}, "start",
           Labelled("front-back spacing", scene.layout.front_back));
  svg.Text({(centre.x + fr.x) / 2 + 8, (centre.y + fr.y) / 2}, "start",
           Labelled("listening distance", r));
  // The surround angle, swept from straight ahead to the left surround.
  const double arc = std::min(0.6 * k, 0.8 * r * k);
  const double a = -scene.theta_degrees * kPi / 180;
  const Point arc_end{centre.x + std::sin(a) * arc, centre.y - std::cos(a) * arc};
  svg.Printf("<path d='M %.1f %.1f A %.1f %.1f 0 0 0 %.1f %.1f' class='arc'/>\n", centre.x,
             centre.y - arc, arc, arc, arc_end.x, arc_end.y);
  svg.Text({centre.x - arc - 8, centre.y - 10}, "end",
           "surround angle " + std::to_string(static_cast<int>(scene.theta_degrees)) + "\u00b0");
}

// From the side: the centre speaker ahead at ear height, a surround behind and raised.
void SideView(Svg& svg, const Scene& scene, Point ear) {
  const double k = svg.scale();
  const double r = scene.layout.listening_distance;
  const double h = scene.height;
  const double radius = std::sqrt(r * r - h * h);
  const double behind = -std::cos(scene.theta_degrees * kPi / 180) * radius;
  const Point c{ear.x + r * k, ear.y};
  const Point s{ear.x - behind * k, ear.y - h * k};
  svg.Line({ear.x - behind * k - 20, ear.y}, {c.x + 20, ear.y}, "class='guide'");
  svg.Line(ear, c, "class='ray'");
  svg.Line(ear, s, "class='ray'");
  svg.Speaker(c, "C, L, R");
  svg.Speaker(s, "LS, RS");
  svg.Printf("<circle cx='%.1f' cy='%.1f' r='6' class='you'/>\n", ear.x, ear.y);
  svg.Text({ear.x, ear.y + 22}, "middle", "ears of the listener");
  svg.Text({(ear.x + c.x) / 2, ear.y - 8}, "middle", Labelled("listening distance", r));
  svg.Line({s.x - 20, s.y}, {s.x - 20, ear.y}, "class='dim'");
  svg.Text({s.x - 28, (s.y + ear.y) / 2 + 4}, "end", Labelled("surround height", h));
  svg.Text({s.x, s.y - 30}, "middle", "as far from the ears as the front speakers");
}

bool Drawable(const Scene& scene) {
  const double r = scene.layout.listening_distance;
  return std::isfinite(r) && r > 0 && std::isfinite(scene.height) && std::abs(scene.height) <= r &&
         std::isfinite(scene.theta_degrees) && std::isfinite(scene.layout.front_back) &&
         std::isfinite(scene.surround_width);
}

std::string Heading(const std::vector<std::string>& answers) {
  std::string heading;
  for (const std::string& answer : answers) {
    if (!heading.empty()) heading += ", ";
    heading += Escaped(Shortened(answer));
  }
  return heading;
}

}  // namespace

std::string LayoutSvg(const app::Layout& layout, const std::vector<std::string>& answers) {
  const app::Inputs& in = layout.inputs;
  const Scene scene{layout, in.surround_height, static_cast<double>(in.surround_angle),
                    layout.has_surround_width ? layout.surround_width : in.surround_width};
  const bool drawable = Drawable(scene);
  // Large rooms are drawn smaller, so that the top view stays inside the picture.
  const double r = layout.listening_distance;
  Svg svg(drawable ? std::min(kLargestScale, kLargestRadius / r) : kLargestScale);
  svg.Printf(
      "<svg xmlns='http://www.w3.org/2000/svg' width='900' height='830' viewBox='0 0 900 830' "
      "font-family='sans-serif' font-size='13'>\n"
      "<style>.spk{fill:#333}.ray{stroke:#888;stroke-dasharray:4 3}.guide{fill:none;"
      "stroke:#ccc}.dim{stroke:#c00;stroke-width:1.5}.you{fill:#06c}.ext{stroke:#c00;stroke-width:"
      "0.5}.arc{fill:none;stroke:#06c}text{fill:#222}</style>\n"
      "<rect width='100%%' height='100%%' fill='white'/>\n");
  if (drawable) {
    svg.Text({20, 24}, "start", "Seen from above (answers " + Heading(answers) + ")");
    TopView(svg, scene, {400, 345});
    svg.Text({20, 630}, "start", "Seen from the side (front to the right)");
    SideView(svg, scene, {400, 770});
  } else {
    svg.Text({20, 24}, "start", "The layout for the answers " + Heading(answers));
    svg.Text({20, 60}, "start",
             "Nothing to draw: the listening distance is not a positive number at least as "
             "large as the surround height.");
  }
  svg.text() += "</svg>\n";
  return std::move(svg.text());
}

}  // namespace drawing
