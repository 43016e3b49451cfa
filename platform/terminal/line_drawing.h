// Line pieces on a terminal whose character set is not UTF-8: its alternate character set, as
// its description names the pieces (terminfo's acsc, smacs and rmacs), and ASCII for the rest.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace platform::terminal {

struct LineDrawing {
  std::string enter;  // switches to the alternate set
  std::string leave;  // and back
  // By the VT100 letter of a piece (platform/cp437.h LinePieceOf): the byte that draws it in
  // the alternate set, 0 where the set has none.
  std::array<char, 128> pieces{};

  bool Draws(char piece) const {
    return piece > 0 && pieces[static_cast<unsigned char>(piece)] != 0;
  }
};

// The set an acsc string describes (pairs of a VT100 letter and the byte that draws it), with
// the strings that enter and leave it. A byte above 127 is left out: on a terminal that is not
// UTF-8 it would mean a character of the locale, not a piece. Without both strings, or without a
// piece, the set is empty: nothing is drawn in it, and it is never entered.
LineDrawing LineDrawingOf(std::string_view acsc, std::string enter, std::string leave);

}  // namespace platform::terminal
