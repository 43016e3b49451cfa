#include "app/result_text.h"

#include "numtext/numtext.h"

namespace app {

std::string FormatResult(double value) {
  return numtext::FormatNumber(value, value < 10 ? "0.00" : "00.00");
}

std::string FormatMeasure(double value) {
  std::string text = FormatResult(value);
  if (text == "-" + FormatResult(0)) text.erase(0, 1);
  return text;
}

}  // namespace app
