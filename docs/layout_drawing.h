// The loudspeaker layout that the program computed, drawn from above and from the side as an
// SVG document: the README's drawing, and the picture beside the screen on the web page.
#pragma once

#include <string>

#include "app/answers.h"
#include "app/geometry.h"

namespace docs {

// `layout` is what app::ComputeLayout gave for `answers`; the surround height and angle are
// read from the answers as the program reads them. Results that leave nothing to draw (not a
// number, or a listening distance that is not positive or is shorter than the height) give a
// document that says so instead.
std::string LayoutSvg(const app::Answers& answers, const app::Layout& layout);

}  // namespace docs
