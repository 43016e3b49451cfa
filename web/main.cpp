// The web program's entry: the planner on the web platform, with the layout drawn beside the
// screen from the results the program itself computed.
#include <string>
#include <vector>

#include "app/results.h"
#include "app/run.h"
#include "drawing/layout_drawing.h"
#include "platform/cp437.h"
#include "platform/web/web_page.h"

namespace {

void DrawBesideScreen(const app::Results& results) {
  const app::Answers& a = results.answers;
  std::vector<std::string> answers;
  for (const std::string* answer : {&a.front_back_limit, &a.front_width_limit, &a.surround_fixed,
                                    &a.surround_width, &a.surround_height, &a.surround_angle})
    answers.push_back(platform::Utf8Of(*answer));
  platform::web::ShowBesideScreen(drawing::LayoutSvg(results.layout, answers));
}

}  // namespace

int main() {
  app::SetResultsHook(DrawBesideScreen);
  return app::RunProgram();
}
