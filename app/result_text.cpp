#include "app/result_text.h"

#include "numtext/numtext.h"

namespace app {

std::string FormatResult(double value) {
  return numtext::FormatNumber(value, value < 10 ? "0.00" : "00.00");
}

}  // namespace app
