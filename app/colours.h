// The three colour pairs of the dialog, each a foreground on a background.
#pragma once

#include "console/console.h"

namespace app {

struct ColourPair {
  int foreground;
  int background;
};

constexpr ColourPair kAnswerColour{0, 15};    // black on bright white
constexpr ColourPair kPromptColour{8, 15};    // dark grey on bright white
constexpr ColourPair kWarningColour{12, 15};  // light red on bright white

// Later output takes the pair; nothing already on the screen is repainted.
inline void Use(ColourPair colour) {
  console::SetColor(colour.foreground, colour.background, 0);
}

// Every answer is typed, and every result printed, from this column.
constexpr int kValueColumn = 72;

}  // namespace app
