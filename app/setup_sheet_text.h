// The setup sheet in words, every figure already formatted as the screen formats it: the
// lengths with the report's own formatting, so that the listening distance reads as on the
// screen, and the angles to a tenth of a degree. A page lays it out as it stands: a title,
// paragraphs, the speaker table (its first row the column headings, the first cell of every
// other row naming the speaker), the spacings as labels and values, and closing paragraphs.
// PlainText lays it out for a terminal or a file.
#pragma once

#include <string>
#include <vector>

#include "app/setup_sheet.h"

namespace app {

struct LabelledValue {
  std::string label;
  std::string value;
};

struct SetupSheetText {
  std::string title;
  std::vector<std::string> before_table;  // paragraphs
  // Empty when the layout cannot be placed, as are the spacings.
  std::vector<std::string> header;
  std::vector<std::vector<std::string>> rows;  // one a speaker, cells as the header's
  std::vector<std::string> after_table;
  std::string spacings_caption;
  std::vector<LabelledValue> spacings;
  std::vector<std::string> closing;  // the results over their limits, or that none is
};

SetupSheetText SheetText(const SetupSheet& sheet);

// Lines of ASCII of at most kSheetColumns characters, each ended by "\n".
constexpr int kSheetColumns = 80;
std::string PlainText(const SetupSheetText& text);

}  // namespace app
