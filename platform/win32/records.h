// Conversions between the seam's own types and the Windows console's structures.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "platform/console_api.h"

namespace platform::win32 {

inline COORD ToCoord(Coord c) {
  return COORD{c.x, c.y};
}
inline Coord FromCoord(COORD c) {
  return Coord{c.X, c.Y};
}
inline SMALL_RECT ToSmallRect(const Rect& r) {
  return SMALL_RECT{r.left, r.top, r.right, r.bottom};
}
inline Rect FromSmallRect(const SMALL_RECT& r) {
  return Rect{r.Left, r.Top, r.Right, r.Bottom};
}

CHAR_INFO ToCharInfo(const Cell& cell);
// Non-key records keep only their event type; the key fields stay zero.
InputRecord FromInputRecord(const INPUT_RECORD& record);

}  // namespace platform::win32
