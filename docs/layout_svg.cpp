// Draws the loudspeaker layout that the program computes for one set of answers, seen from
// above and from the side, as an SVG on standard output. The README's drawing is made with it:
//   build/program/docs/layout_svg 5 4 N 6 0.5 110 > docs/layout.svg
#include <cstdio>
#include <string>
#include <vector>

#include "app/answers.h"
#include "app/geometry.h"
#include "drawing/layout_drawing.h"

int main(int argc, char** argv) {
  if (argc != 7) {
    std::fprintf(stderr, "usage: layout_svg A B Y|N U H THETA\n");
    return 2;
  }
  const app::Answers answers{argv[1], argv[2], argv[3], argv[4], argv[5], argv[6]};
  const std::vector<std::string> heading(argv + 1, argv + 7);
  std::fputs(drawing::LayoutSvg(app::ComputeLayout(answers), heading).c_str(), stdout);
  return 0;
}
