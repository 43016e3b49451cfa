#include "platform/terminal/line_drawing.h"

#include <algorithm>
#include <utility>

namespace platform::terminal {

LineDrawing LineDrawingOf(std::string_view acsc, std::string enter, std::string leave) {
  LineDrawing set;
  if (enter.empty() || leave.empty()) return set;
  set.enter = std::move(enter);
  set.leave = std::move(leave);
  for (std::size_t i = 0; i + 1 < acsc.size(); i += 2) {
    const auto piece = static_cast<unsigned char>(acsc[i]);
    const auto drawn = static_cast<unsigned char>(acsc[i + 1]);
    if (piece < 128 && drawn > ' ' && drawn < 127) set.pieces[piece] = static_cast<char>(drawn);
  }
  constexpr std::string_view kLinePieces = "lkmjqxtuvwn";
  const bool draws_any = std::any_of(kLinePieces.begin(), kLinePieces.end(),
                                     [&set](char piece) { return set.Draws(piece); });
  return draws_any ? set : LineDrawing{};
}

}  // namespace platform::terminal
