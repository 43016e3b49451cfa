// Prints the results document the web program gives the page (web/results_document.h) for one
// set of answers, for the browser tests to hold the page to the program's own texts:
//   node results_document_tool.js A B Y|N U H THETA
#include <cstdio>
#include <string>

#include "app/geometry.h"
#include "app/results.h"
#include "web/results_document.h"

int main(int argc, char** argv) {
  if (argc != 7) {
    std::fprintf(stderr, "usage: results_document_tool A B Y|N U H THETA\n");
    return 2;
  }
  const app::Answers answers{argv[1], argv[2], argv[3], argv[4], argv[5], argv[6]};
  const app::Layout layout = app::ComputeLayout(answers);
  std::puts(web::ResultsDocument(app::Results{answers, layout}).c_str());
  return 0;
}
