#include "app/results.h"

namespace app {
namespace {

// The planner's only process-wide state: where the results go besides the screen.
struct ResultsState {
  ResultsHook hook = nullptr;
};

ResultsState& State() {
  static ResultsState state;
  return state;
}

}  // namespace

void SetResultsHook(ResultsHook hook) {
  State().hook = hook;
}

void PublishResults(const Results& results) {
  if (State().hook != nullptr) State().hook(results);
}

}  // namespace app
