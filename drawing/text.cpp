#include "drawing/text.h"

#include <string_view>

#include "unicode/utf8.h"

namespace drawing {
namespace {

// A character's advance, in ems, at least its advance in DejaVu Sans and Verdana; every
// character beyond ASCII as wide as a wide ideograph or emoji.
double Ems(char32_t c) {
  if (c >= 0x80) return 1.3;
  const char ascii = static_cast<char>(c);
  constexpr std::string_view kNarrow = " !'(),-./:;I[\\]fijlrt|";
  constexpr std::string_view kWide = "%@MWmw";
  constexpr std::string_view kBroad = "#&*+<=>^~";
  if (kNarrow.find(ascii) != std::string_view::npos) return 0.42;
  if (kWide.find(ascii) != std::string_view::npos) return 1.1;
  if ((ascii >= 'A' && ascii <= 'Z') || kBroad.find(ascii) != std::string_view::npos) return 0.85;
  return 0.65;
}

}  // namespace

std::string Quoted(const std::string& answer, std::size_t most) {
  std::vector<std::string_view> characters;
  for (std::string_view rest = answer; !rest.empty();) {
    const unicode::Character c = unicode::FirstCharacter(rest);
    const bool control = c.value < 0x20 || (c.value >= 0x7F && c.value < 0xA0);
    const bool kept = c.well_formed && !control && c.value != 0xFFFE && c.value != 0xFFFF;
    characters.push_back(kept ? rest.substr(0, c.length) : unicode::kReplacementUtf8);
    rest.remove_prefix(c.length);
  }
  const bool cut = characters.size() > most;
  std::string out;
  for (std::size_t i = 0; i < (cut ? most - 3 : characters.size()); ++i) out += characters[i];
  return cut ? out + "..." : out;
}

std::string Escaped(const std::string& utf8) {
  std::string out;
  for (const char c : utf8) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '\'':
        out += "&apos;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

double TextWidth(const std::string& utf8) {
  double ems = 0;
  for (std::string_view rest = utf8; !rest.empty();) {
    const unicode::Character c = unicode::FirstCharacter(rest);
    ems += Ems(c.value);
    rest.remove_prefix(c.length);
  }
  return ems * kFontSize;
}

std::vector<std::string> Wrapped(const std::vector<std::string>& pieces, double width) {
  std::vector<std::string> lines;
  for (const std::string& piece : pieces) {
    if (!lines.empty() && TextWidth(lines.back() + " " + piece) <= width) {
      lines.back() += " " + piece;
    } else {
      lines.push_back(piece);
    }
  }
  return lines;
}

}  // namespace drawing
