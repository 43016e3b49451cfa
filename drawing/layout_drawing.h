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
std::string LayoutSvg(const app::Layout& layout, const std::vector<std::string>& answers);

}  // namespace drawing
