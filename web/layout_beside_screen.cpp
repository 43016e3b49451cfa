// On the web page the drawing of the layout stands beside the screen, drawn from the answers and
// the results the program itself used. The program computes its layout once, in
// app::ComputeLayout; the web build's link puts the function below in front of it (the linker's
// --wrap), so that the drawing gets the program's own bits and not a line of the program changes
// for the page. The drawing is shown the next time the page shows the screen, which is once the
// report is printed.
#include "app/geometry.h"
#include "docs/layout_drawing.h"
#include "platform/web/web_page.h"

// The program's function, and the one the linker gives the program in its place.
app::Layout ProgramsComputeLayout(const app::Answers& answers) __asm__(
    "__real__ZN3app13ComputeLayoutERKNS_7AnswersE");
app::Layout ComputeLayoutAndDraw(const app::Answers& answers) __asm__(
    "__wrap__ZN3app13ComputeLayoutERKNS_7AnswersE");

app::Layout ComputeLayoutAndDraw(const app::Answers& answers) {
  const app::Layout layout = ProgramsComputeLayout(answers);
  platform::web::ShowBesideScreen(docs::LayoutSvg(answers, layout));
  return layout;
}
