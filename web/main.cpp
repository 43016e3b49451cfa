// The web program's entry: the planner on the web platform, with its results (the answers, the
// layout drawn and the setup sheet) handed to the page to lay out beside the screen.
#include "app/results.h"
#include "app/run.h"
#include "platform/web/web_page.h"
#include "web/results_document.h"

namespace {

void ShowResults(const app::Results& results) {
  platform::web::ShowResults(web::ResultsDocument(results));
}

}  // namespace

int main() {
  app::SetResultsHook(ShowResults);
  return app::RunProgram();
}
