#include "drawing/text.h"

#include <string_view>

namespace drawing {
namespace {

struct CodePoint {
  char32_t value;
  std::size_t length;  // bytes
};

// The character that starts at byte `i`; a byte that starts no well-formed UTF-8 sequence is
// one U+FFFD.
CodePoint Decode(const std::string& utf8, std::size_t i) {
  constexpr CodePoint kBad{0xFFFD, 1};
  const auto byte = [&](std::size_t j) { return static_cast<unsigned char>(utf8[j]); };
  const unsigned lead = byte(i);
  if (lead < 0x80) return {lead, 1};
  const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
  if (length == 0 || lead > 0xF4 || i + length > utf8.size()) return kBad;
  char32_t value = lead & (0x7Fu >> length);
  for (std::size_t j = 1; j < length; ++j) {
    if ((byte(i + j) & 0xC0) != 0x80) return kBad;
    value = value << 6 | (byte(i + j) & 0x3Fu);
  }
  constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
  if (value < kLeast[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
    return kBad;
  return {value, length};
}

void Encode(char32_t c, std::string& out) {
  const auto put = [&](char32_t bits) { out += static_cast<char>(bits); };
  if (c < 0x80) {
    put(c);
  } else if (c < 0x800) {
    put(0xC0 | c >> 6);
    put(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    put(0xE0 | c >> 12);
    put(0x80 | (c >> 6 & 0x3F));
    put(0x80 | (c & 0x3F));
  } else {
    put(0xF0 | c >> 18);
    put(0x80 | (c >> 12 & 0x3F));
    put(0x80 | (c >> 6 & 0x3F));
    put(0x80 | (c & 0x3F));
  }
}

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
  std::size_t characters = 0;
  for (std::size_t i = 0; i < answer.size(); i += Decode(answer, i).length) ++characters;
  const bool cut = characters > most;
  std::string out;
  std::size_t i = 0;
  for (std::size_t kept = 0; kept < (cut ? most - 3 : characters); ++kept) {
    const CodePoint c = Decode(answer, i);
    i += c.length;
    const bool control = c.value < 0x20 || (c.value >= 0x7F && c.value < 0xA0);
    Encode(control || c.value == 0xFFFE || c.value == 0xFFFF ? 0xFFFD : c.value, out);
  }
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
  for (std::size_t i = 0; i < utf8.size();) {
    const CodePoint c = Decode(utf8, i);
    ems += Ems(c.value);
    i += c.length;
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
