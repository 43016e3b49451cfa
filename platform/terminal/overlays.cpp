#include "platform/terminal/overlays.h"

#include <algorithm>
#include <string>
#include <vector>

namespace platform::terminal {
namespace {

constexpr std::uint16_t kNoticeAttr = 0x07;  // light grey on black
constexpr std::uint16_t kBoxAttr = 0x70;     // black on light grey
constexpr std::uint16_t kButtonAttr = 0x1F;  // bright white on blue: the focused button
constexpr std::string_view kButton = "[  OK  ]";
// Code page 437 single-line frame pieces.
constexpr std::uint8_t kTopLeft = 0xDA, kTopRight = 0xBF, kBottomLeft = 0xC0, kBottomRight = 0xD9,
                       kHorizontal = 0xC4, kVertical = 0xB3;

// Lines no wider than `width`, broken at spaces where possible.
std::vector<std::string> Wrap(std::string_view text, int width) {
  std::vector<std::string> lines;
  const auto w = static_cast<std::size_t>(std::max(width, 1));
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view para = text.substr(start, end - start);
    if (!para.empty() && para.back() == '\r') para.remove_suffix(1);
    do {
      std::size_t cut = std::min(para.size(), w);
      if (cut < para.size()) {
        const std::size_t space = para.substr(0, cut + 1).rfind(' ');
        if (space != std::string_view::npos && space > 0) cut = space;
      }
      lines.emplace_back(para.substr(0, cut));
      para.remove_prefix(cut);
      if (!para.empty() && para.front() == ' ') para.remove_prefix(1);
    } while (!para.empty());
    start = end + 1;
  }
  return lines;
}

void Put(Frame* f, int x, int y, std::string_view text, std::uint16_t attr, int limit) {
  for (std::size_t i = 0; i < text.size() && x + static_cast<int>(i) < limit; ++i) {
    if (x + static_cast<int>(i) < 0 || y < 0 || y >= f->height) continue;
    f->at(x + static_cast<int>(i), y) = Cell{static_cast<std::uint8_t>(text[i]), attr};
  }
}

void Fill(Frame* f, int x, int y, int w, std::uint8_t ch, std::uint16_t attr) {
  Put(f, x, y, std::string(static_cast<std::size_t>(std::max(w, 0)), static_cast<char>(ch)), attr,
      f->width);
}

}  // namespace

Frame TooSmallNotice(int term_w, int term_h, int need_w, int need_h) {
  Frame f(std::max(term_w, 1), std::max(term_h, 1), Cell{' ', kNoticeAttr});
  const std::string text = "Please enlarge this window to at least " + std::to_string(need_w) +
                           " x " + std::to_string(need_h) + " (now " + std::to_string(term_w) +
                           " x " + std::to_string(term_h) + "); keys are ignored until then.";
  const std::vector<std::string> lines = Wrap(text, f.width);
  for (std::size_t i = 0; i < lines.size() && static_cast<int>(i) < f.height; ++i)
    Put(&f, 0, static_cast<int>(i), lines[i], kNoticeAttr, f.width);
  return f;
}

void DrawMessageBox(std::string_view message, std::string_view caption, Frame* frame) {
  const int max_inner = std::max(frame->width - 4, 1);
  const std::vector<std::string> lines = Wrap(message, max_inner);
  int inner = static_cast<int>(std::max(kButton.size(), caption.size() + 2));
  for (const std::string& l : lines) inner = std::max(inner, static_cast<int>(l.size()));
  inner = std::min(inner, max_inner);
  const int w = inner + 4;
  const int h = static_cast<int>(lines.size()) + 4;
  const int left = std::max((frame->width - w) / 2, 0);
  const int top = std::max((frame->height - h) / 2, 0);
  const int right = left + w - 1;
  for (int y = top; y < top + h; ++y) Fill(frame, left, y, w, ' ', kBoxAttr);
  Fill(frame, left, top, w, kHorizontal, kBoxAttr);
  Fill(frame, left, top + h - 1, w, kHorizontal, kBoxAttr);
  for (int y = top; y < top + h; ++y) {
    Fill(frame, left, y, 1, kVertical, kBoxAttr);
    Fill(frame, right, y, 1, kVertical, kBoxAttr);
  }
  Fill(frame, left, top, 1, kTopLeft, kBoxAttr);
  Fill(frame, right, top, 1, kTopRight, kBoxAttr);
  Fill(frame, left, top + h - 1, 1, kBottomLeft, kBoxAttr);
  Fill(frame, right, top + h - 1, 1, kBottomRight, kBoxAttr);
  Put(frame, left + 1, top, caption, kBoxAttr, right);
  for (std::size_t i = 0; i < lines.size(); ++i)
    Put(frame, left + 2, top + 1 + static_cast<int>(i), lines[i], kBoxAttr, right - 1);
  const int button_x = left + (w - static_cast<int>(kButton.size())) / 2;
  Put(frame, button_x, top + h - 2, kButton, kButtonAttr, right);
  frame->cursor_visible = false;
}

}  // namespace platform::terminal
