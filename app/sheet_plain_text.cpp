// The setup sheet as plain text: the layout of its parts on lines of at most 80 columns.
#include <algorithm>
#include <string_view>

#include "app/setup_sheet_text.h"

namespace app {
namespace {

// The margin of the program's own screen.
constexpr std::size_t kMargin = 3;
constexpr std::size_t kGap = 2;
constexpr std::size_t kWidth = kSheetColumns;
// Running text stops short of the full width, so that the sheet quoted with an indent (the
// manual page's example, a reply in an e-mail) still fits on 80 columns.
constexpr std::size_t kTextWidth = kWidth - 4;

using Lines = std::vector<std::string>;
using Rows = std::vector<std::vector<std::string>>;

// Words over as many lines as they need; a word longer than a line is cut.
void Wrap(std::string_view text, std::size_t indent, Lines& lines) {
  const std::size_t room = kTextWidth - indent;
  std::string line;
  const auto flush = [&] {
    if (!line.empty()) lines.push_back(std::string(indent, ' ') + line);
    line.clear();
  };
  while (!text.empty()) {
    const std::size_t end = std::min(text.find(' '), text.size());
    std::string_view word = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    if (!line.empty() && line.size() + 1 + word.size() > room) flush();
    for (; word.size() > room; word.remove_prefix(room)) {
      flush();
      lines.push_back(std::string(indent, ' ') + std::string(word.substr(0, room)));
    }
    if (!word.empty()) line += (line.empty() ? "" : " ") + std::string(word);
  }
  flush();
}

std::vector<std::size_t> ColumnWidths(const std::vector<std::string>& header, const Rows& rows) {
  std::vector<std::size_t> widths(header.size());
  for (std::size_t c = 0; c < header.size(); ++c) {
    widths[c] = header[c].size();
    for (const auto& row : rows) widths[c] = std::max(widths[c], row[c].size());
  }
  return widths;
}

// The first column, naming the row, to the left; the figures to the right.
std::string TableLine(const std::vector<std::string>& cells, const std::vector<std::size_t>& widths,
                      std::size_t indent) {
  std::string line(indent, ' ');
  line += cells[0] + std::string(widths[0] - cells[0].size(), ' ');
  for (std::size_t c = 1; c < cells.size(); ++c)
    line += std::string(kGap + widths[c] - cells[c].size(), ' ') + cells[c];
  return line;
}

// In columns, with the margin or without it; where even that is too wide (lengths of many
// digits), each speaker as a list of its figures.
void Table(const std::vector<std::string>& header, const Rows& rows, Lines& lines) {
  const std::vector<std::size_t> widths = ColumnWidths(header, rows);
  std::size_t width = 0;
  for (std::size_t w : widths) width += w + kGap;
  width -= kGap;
  if (width <= kWidth) {
    const std::size_t indent = width + kMargin <= kWidth ? kMargin : 0;
    lines.push_back(TableLine(header, widths, indent));
    for (const auto& row : rows) lines.push_back(TableLine(row, widths, indent));
    return;
  }
  for (const auto& row : rows) {
    Wrap(row[0], kMargin, lines);
    for (std::size_t c = 1; c < row.size(); ++c)
      Wrap(header[c] + ": " + row[c], kMargin + kGap, lines);
  }
}

void Pairs(const std::vector<LabelledValue>& pairs, Lines& lines) {
  std::size_t width = 0;
  for (const LabelledValue& p : pairs) width = std::max(width, p.label.size());
  for (const LabelledValue& p : pairs) {
    std::string line = std::string(kMargin + kGap, ' ') + p.label;
    line += std::string(width - p.label.size() + kGap, ' ') + p.value;
    if (line.size() <= kWidth) {
      lines.push_back(line);
    } else {
      Wrap(p.label + " " + p.value, kMargin + kGap, lines);
    }
  }
}

// Parts are separated by one empty line.
void Paragraphs(const std::vector<std::string>& paragraphs, Lines& lines) {
  for (const std::string& p : paragraphs) {
    Wrap(p, kMargin, lines);
    lines.emplace_back();
  }
}

}  // namespace

std::string PlainText(const SetupSheetText& text) {
  Lines lines;
  Wrap(text.title, kMargin, lines);
  lines.push_back(std::string(kMargin, ' ') + std::string(text.title.size(), '-'));
  lines.emplace_back();
  Paragraphs(text.before_table, lines);
  if (!text.rows.empty()) {
    Table(text.header, text.rows, lines);
    lines.emplace_back();
  }
  Paragraphs(text.after_table, lines);
  if (!text.spacings.empty()) {
    Wrap(text.spacings_caption, kMargin, lines);
    Pairs(text.spacings, lines);
    lines.emplace_back();
  }
  Paragraphs(text.closing, lines);
  while (!lines.empty() && lines.back().empty()) lines.pop_back();
  std::string out;
  for (const std::string& line : lines) out += line + "\n";
  return out;
}

}  // namespace app
