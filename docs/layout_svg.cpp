// Draws the loudspeaker layout that the program computes for one set of answers, seen from
// above and from the side, as an SVG on standard output. The README's drawing is made with it:
//   build/layout_svg 5 4 N 6 0.5 110 > docs/layout.svg
#include <cmath>
#include <cstdio>
#include <string>

#include "app/answers.h"
#include "app/geometry.h"

namespace {

constexpr double kScale = 70;  // pixels per unit of length
constexpr double kPi = 3.14159265358979323846;

struct Point {
  double x, y;
};

void Line(Point a, Point b, const char* style) {
  std::printf("<line x1='%.1f' y1='%.1f' x2='%.1f' y2='%.1f' %s/>\n", a.x, a.y, b.x, b.y, style);
}

void Text(Point at, const char* anchor, const std::string& text) {
  std::printf("<text x='%.1f' y='%.1f' text-anchor='%s'>%s</text>\n", at.x, at.y, anchor,
              text.c_str());
}

void Speaker(Point at, const char* name) {
  std::printf("<rect x='%.1f' y='%.1f' width='14' height='14' class='spk'/>\n", at.x - 7, at.y - 7);
  Text({at.x, at.y - 12}, "middle", name);
}

std::string Fixed2(const char* label, double value) {
  char buffer[96];
  std::snprintf(buffer, sizeof buffer, "%s %.2f", label, value);
  return buffer;
}

// Above: the listener at the centre, facing up the page towards the centre speaker.
void TopView(const app::Layout& layout, double height, double theta_degrees, Point centre) {
  const double r = layout.listening_distance;
  const double radius = std::sqrt(r * r - height * height);
  auto at = [&](double degrees, double distance) {
    const double a = degrees * kPi / 180;
    return Point{centre.x + std::sin(a) * distance * kScale,
                 centre.y - std::cos(a) * distance * kScale};
  };
  std::printf("<circle cx='%.1f' cy='%.1f' r='%.1f' class='guide'/>\n", centre.x, centre.y,
              r * kScale);
  const Point c = at(0, r), fl = at(-30, r), fr = at(30, r);
  const Point sl = at(-theta_degrees, radius), sr = at(theta_degrees, radius);
  for (Point p : {c, fl, fr, sl, sr}) Line(centre, p, "class='ray'");
  Speaker(c, "C");
  Speaker(fl, "L");
  Speaker(fr, "R");
  Speaker(sl, "LS");
  Speaker(sr, "RS");
  std::printf("<circle cx='%.1f' cy='%.1f' r='6' class='you'/>\n", centre.x, centre.y);
  Text({centre.x + 10, centre.y + 18}, "start", "listening position");
  const double top = c.y - 40;
  Line({fl.x, top}, {fr.x, top}, "class='dim'");
  Line({fl.x, top - 5}, {fl.x, fl.y - 12}, "class='ext'");
  Line({fr.x, top - 5}, {fr.x, fr.y - 12}, "class='ext'");
  Text({centre.x, top - 8}, "middle", Fixed2("front width = listening distance", r));
  Line({sl.x, sl.y + 26}, {sr.x, sr.y + 26}, "class='dim'");
  Text({centre.x, sl.y + 44}, "middle", Fixed2("surround spacing", layout.surround_width));
  const double right = centre.x + r * kScale + 30;
  Line({right, c.y}, {right, sr.y}, "class='dim'");
  Line({c.x + 12, c.y}, {right + 5, c.y}, "class='ext'");
  Line({sr.x + 12, sr.y}, {right + 5, sr.y}, "class='ext'");
  Text({right + 8, (c.y + sr.y) / 2}, "start", Fixed2("front-back spacing", layout.front_back));
  Text({(centre.x + fr.x) / 2 + 8, (centre.y + fr.y) / 2}, "start",
       Fixed2("listening distance", r));
  // The surround angle, swept from straight ahead to the left surround.
  const Point arc_end = at(-theta_degrees, 0.6);
  std::printf("<path d='M %.1f %.1f A %.1f %.1f 0 0 0 %.1f %.1f' class='arc'/>\n", centre.x,
              centre.y - 0.6 * kScale, 0.6 * kScale, 0.6 * kScale, arc_end.x, arc_end.y);
  Text({centre.x - 0.6 * kScale - 8, centre.y - 10}, "end",
       "surround angle " + std::to_string(static_cast<int>(theta_degrees)) + "\u00b0");
}

// From the side: the centre speaker ahead at ear height, a surround behind and raised.
void SideView(const app::Layout& layout, double height, double theta_degrees, Point ear) {
  const double r = layout.listening_distance;
  const double radius = std::sqrt(r * r - height * height);
  const double behind = -std::cos(theta_degrees * kPi / 180) * radius;
  const Point c{ear.x + r * kScale, ear.y};
  const Point s{ear.x - behind * kScale, ear.y - height * kScale};
  Line({ear.x - behind * kScale - 20, ear.y}, {c.x + 20, ear.y}, "class='guide'");
  Line(ear, c, "class='ray'");
  Line(ear, s, "class='ray'");
  Speaker(c, "C, L, R");
  Speaker(s, "LS, RS");
  std::printf("<circle cx='%.1f' cy='%.1f' r='6' class='you'/>\n", ear.x, ear.y);
  Text({ear.x, ear.y + 22}, "middle", "ears of the listener");
  Text({(ear.x + c.x) / 2, ear.y - 8}, "middle", Fixed2("listening distance", r));
  Line({s.x - 20, s.y}, {s.x - 20, ear.y}, "class='dim'");
  Text({s.x - 28, (s.y + ear.y) / 2 + 4}, "end", Fixed2("surround height", height));
  Text({s.x, s.y - 30}, "middle", "as far from the ears as the front speakers");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 7) {
    std::fprintf(stderr, "usage: layout_svg A B Y|N U H THETA\n");
    return 2;
  }
  const app::Answers answers{argv[1], argv[2], argv[3], argv[4], argv[5], argv[6]};
  const app::Layout layout = app::ComputeLayout(answers);
  const double height = std::stod(argv[5]);
  const double theta = std::stod(argv[6]);
  std::printf(
      "<svg xmlns='http://www.w3.org/2000/svg' width='900' height='830' "
      "font-family='sans-serif' font-size='13'>\n"
      "<style>.spk{fill:#333}.ray{stroke:#888;stroke-dasharray:4 3}.guide{fill:none;"
      "stroke:#ccc}.dim{stroke:#c00;stroke-width:1.5}.you{fill:#06c}.ext{stroke:#c00;stroke-width:"
      "0.5}.arc{fill:none;stroke:#06c}text{fill:#222}</style>\n"
      "<rect width='100%%' height='100%%' fill='white'/>\n");
  Text({20, 24}, "start",
       "Seen from above (answers " + std::string(argv[1]) + ", " + argv[2] + ", " + argv[3] + ", " +
           argv[4] + ", " + argv[5] + ", " + argv[6] + ")");
  TopView(layout, height, theta, {400, 345});
  Text({20, 630}, "start", "Seen from the side (front to the right)");
  SideView(layout, height, theta, {400, 770});
  std::printf("</svg>\n");
  return 0;
}
