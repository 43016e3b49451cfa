#include "app/report.h"

#include <string_view>

#include "app/colours.h"
#include "app/result_text.h"
#include "console/console.h"

namespace app {
namespace {

constexpr std::string_view kFrontBackLabel =
    "   Front-back spacing of the centre and surround speakers";
constexpr std::string_view kDistanceLabel =
    "   Listening distance and side-side spacing of the front L/R speakers";
constexpr std::string_view kSurroundLabel = "   Side-side spacing of the surround speakers";

// The label goes down a row with its newline; the value comes back up to the label's row.
void PrintRow(std::string_view label, int row, ColourPair value_colour, const std::string& text) {
  Use(kPromptColour);
  console::PrintText(label);
  console::PrintNewLine();
  console::MoveCursor(row, kValueColumn);
  Use(value_colour);
  console::PrintText(text);
  console::PrintNewLine();
}

ColourPair ColourFor(double limit, double result) {
  return WithinLimit(limit, result) ? kAnswerColour : kWarningColour;
}

}  // namespace

void PrintReport(const Layout& layout, ResultTexts& texts) {
  const Inputs& limits = layout.inputs;
  texts.listening_distance = FormatResult(layout.listening_distance);
  texts.front_back = FormatResult(layout.front_back);

  const int anchor_row = console::CursorRow();
  PrintRow(kFrontBackLabel, anchor_row, ColourFor(limits.front_back_limit, layout.front_back),
           texts.front_back);
  PrintRow(kDistanceLabel, anchor_row + 1,
           ColourFor(limits.front_width_limit, layout.listening_distance),
           texts.listening_distance);
  if (layout.has_surround_width) {
    texts.surround_width = FormatResult(layout.surround_width);
    PrintRow(kSurroundLabel, anchor_row + 2, kAnswerColour, texts.surround_width);
  } else {
    console::PrintNewLine();
  }
}

}  // namespace app
