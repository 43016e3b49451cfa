// The loudspeaker layout that the program computed, drawn from above and from the side as an
// SVG document: the README's drawing, and the picture beside the screen on the web page.
#pragma once

#include <string>
#include <vector>

#include "app/geometry.h"

namespace drawing {

// `layout` is what app::ComputeLayout gave for `answers`, the six answers as typed, in UTF-8,
// which only head the drawing.
// Results that leave nothing to draw (not a number, or a listening distance that is not
// positive or is shorter than the height) give a document that says so instead.
// Every result is the report's own text for it; a result over the limit the calculation read
// for it says so in words, with the limit and the excess.
std::string LayoutSvg(const app::Layout& layout, const std::vector<std::string>& answers);

// One text of the drawing and the room the drawing keeps for it, in the document's own
// coordinates (y downwards): what a sans-serif face of the document's size can take at most.
struct TextBox {
  std::string text;  // UTF-8, its lines joined by '\n'
  double left = 0, top = 0, right = 0, bottom = 0;
};

// Where LayoutSvg puts its texts, in the order it writes them, and the size of the document
// (its viewBox starts at 0, 0).
struct TextPlacement {
  double width = 0, height = 0;
  std::vector<TextBox> texts;
};
TextPlacement PlaceTexts(const app::Layout& layout, const std::vector<std::string>& answers);

}  // namespace drawing
