// The one inverse the setup sheet needs, in the program's arithmetic: extended/ has sine and
// cosine but no arcsine.
#pragma once

#include "extended/extended.h"

namespace app::geometry {

// The angle in radians, from -pi/2 to pi/2, whose sine is side / hypotenuse, for a positive
// hypotenuse and |side| <= hypotenuse. Within 8 units of 2^-64 of the exact angle, relative,
// and the same bits on every processor.
Extended ArcSine(double side, double hypotenuse);

}  // namespace app::geometry
