#include "numtext/mask.h"

namespace numtext {
namespace {

bool IsCopied(char c) {
  return c == '-' || c == '+' || c == '(' || c == ')' || c == '$' || c == ' ';
}

void AddPlace(MaskSection& s, bool zero, bool in_fraction) {
  if (s.exponent) {
    if (zero) ++s.exponent_zeros;
  } else if (in_fraction) {
    ++s.fraction_places;
    if (zero) s.fraction_zeros = s.fraction_places;
  } else {
    ++s.integer_places;
    if (zero) ++s.integer_zeros;
  }
}

}  // namespace

bool MaskTokenizer::Next(MaskToken& token) {
  if (at_ >= text_.size()) return false;
  token = Read();
  return true;
}

MaskToken MaskTokenizer::Read() {
  const std::size_t start = at_;
  const char c = text_[at_++];
  const auto make = [start](MaskTokenKind kind, char ch = 0, bool plus = false) {
    return MaskToken{kind, ch, plus, start};
  };
  if (quoted_) {
    if (c == '"') quoted_ = false;
    return c == '"' ? make(MaskTokenKind::kNone) : make(MaskTokenKind::kText, c);
  }
  const bool has_next = at_ < text_.size();
  switch (c) {
    case '"':
      quoted_ = true;
      return make(MaskTokenKind::kNone);
    case '\\':
      return has_next ? make(MaskTokenKind::kText, text_[at_++]) : make(MaskTokenKind::kNone);
    case '*':
      if (has_next) ++at_;
      return make(MaskTokenKind::kNone);
    case '0':
      return make(MaskTokenKind::kZeroPlace);
    case '#':
      return make(MaskTokenKind::kHashPlace);
    case ',':
      return make(MaskTokenKind::kComma);
    case '%':
      return make(MaskTokenKind::kPercent, c);
    case '.':
      if (point_ || exponent_) return make(MaskTokenKind::kText, c);
      point_ = true;
      return make(MaskTokenKind::kPoint);
    case 'E':
    case 'e':
      if (exponent_ || !has_next || (text_[at_] != '+' && text_[at_] != '-')) break;
      exponent_ = true;
      return make(MaskTokenKind::kExponent, c, text_[at_++] == '+');
    default:
      if (IsCopied(c)) return make(MaskTokenKind::kText, c);
  }
  return make(MaskTokenKind::kNone);
}

// ";" ends a section only where the tokenizer would not read it as text: outside quotes and
// not after "\" or "*".
static std::size_t SectionEnd(std::string_view mask, std::size_t begin) {
  bool quoted = false;
  for (std::size_t i = begin; i < mask.size(); ++i) {
    const char c = mask[i];
    if (c == '"') {
      quoted = !quoted;
    } else if (!quoted && (c == '\\' || c == '*')) {
      ++i;
    } else if (!quoted && c == ';') {
      return i;
    }
  }
  return mask.size();
}

MaskSections SplitMask(std::string_view mask) {
  MaskSections sections;
  std::size_t begin = 0;
  while (sections.count < 3) {
    const std::size_t end = SectionEnd(mask, begin);
    sections.text[sections.count++] = mask.substr(begin, end - begin);
    if (end >= mask.size()) break;
    begin = end + 1;
  }
  return sections;
}

// The masks the program itself uses: digit places "0" and at most one point.
static bool ReadDigitsAndPoint(std::string_view section, MaskSection& s) {
  for (const char c : section) {
    if (c == '0') {
      AddPlace(s, true, s.point);
    } else if (c == '.' && !s.point) {
      s.point = true;
    } else {
      return false;
    }
  }
  s.has_number = !section.empty();
  return true;
}

MaskSection ReadSection(std::string_view section) {
  MaskSection s;
  s.text = section;
  if (ReadDigitsAndPoint(section, s)) return s;
  s = MaskSection{};
  s.text = section;
  MaskTokenizer tokens(section);
  MaskToken t{};
  while (tokens.Next(t)) {
    const bool number_token = t.kind == MaskTokenKind::kZeroPlace ||
                              t.kind == MaskTokenKind::kHashPlace ||
                              t.kind == MaskTokenKind::kPoint || t.kind == MaskTokenKind::kExponent;
    if (number_token && !s.has_number) {
      s.has_number = true;
      s.number_begin = t.at;
    }
    switch (t.kind) {
      case MaskTokenKind::kZeroPlace:
      case MaskTokenKind::kHashPlace:
        AddPlace(s, t.kind == MaskTokenKind::kZeroPlace, s.point);
        break;
      case MaskTokenKind::kPoint:
        s.point = true;
        break;
      case MaskTokenKind::kComma:
        if (!s.point && !s.exponent) s.grouping = true;
        break;
      case MaskTokenKind::kPercent:
        s.percent = true;
        s.has_text = true;
        break;
      case MaskTokenKind::kText:
        s.has_text = true;
        break;
      case MaskTokenKind::kExponent:
        s.exponent = true;
        s.exponent_letter = t.c;
        s.exponent_plus = t.plus;
        break;
      default:
        break;
    }
  }
  if (!s.has_number) s.number_begin = section.size();
  return s;
}

}  // namespace numtext
