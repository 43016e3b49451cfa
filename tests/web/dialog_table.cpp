// Prints the whole-dialog table (tests/dialog/dialog_cases.cpp) as JSON, for the browser's dialog
// tests: each case's steps and the screen it must leave, row by row, text and attributes. The
// browser is held to the very expectations the memory platform is.
#include <cstdio>
#include <string>

#include "tests/dialog/dialog_cases.h"

namespace {

std::string Quoted(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) {
    const auto b = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (b < 0x20 || b >= 0x7F) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", b);
      out += escape;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string Steps(const dialog_test::DialogCase& c) {
  std::string out = "[";
  for (const dialog_test::Step& step : c.steps) {
    if (out.size() > 1) out += ",";
    out += step.box_message.empty() ? "{\"type\":" + Quoted(step.typed) + "}"
                                    : "{\"box\":" + Quoted(step.box_message) + "}";
  }
  return out + "]";
}

std::string Screen(const dialog_test::ExpectedScreen& screen) {
  std::string rows = "[", attributes = "[";
  for (int row = 1; row <= screen.height(); ++row) {
    std::string text, attrs = "[";
    for (int column = 1; column <= screen.width(); ++column) {
      text += screen.Char(row, column);
      attrs += (column > 1 ? "," : "") + std::to_string(screen.Attr(row, column));
    }
    rows += (row > 1 ? "," : "") + Quoted(text);
    attributes += (row > 1 ? "," : "") + attrs + "]";
  }
  return "\"rows\":" + rows + "],\"attributes\":" + attributes + "]";
}

}  // namespace

int main() {
  std::string out = "{\"caption\":" + Quoted(dialog_test::kErrorCaption) + ",\"cases\":[";
  bool first = true;
  for (const dialog_test::DialogCase& c : dialog_test::DialogCases()) {
    out += first ? "" : ",";
    out += "{\"name\":" + Quoted(c.name) + ",\"steps\":" + Steps(c) + "," + Screen(c.screen) + "}";
    first = false;
  }
  std::puts((out + "]}").c_str());
  return 0;
}
