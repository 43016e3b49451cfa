// Helpers shared inside the console layer; the program uses console.h alone.
#pragma once

#include <cstdint>

#include "console/console.h"
#include "platform/console_api.h"

namespace console {

// Size and cursor of the screen buffer, asked of the console afresh. False when there is no
// usable screen (no console, or a size or cursor no operation could work with).
bool ReadScreen(platform::ScreenInfo* info);

// foreground + 16 x background of the current colour.
std::uint16_t CurrentAttribute();

// Shows the stored cursor setting on the screen.
void ApplyCursorSetting();

// Shows the stored cursor setting with `visible` in place of its own visibility for the length
// of an operation, which calls EndCursorOverride when it is done. The stored setting stays.
void OverrideCursorVisibility(bool visible);
void EndCursorOverride();

// Places the cursor (counted from 0) and leaves the pending wrap alone.
void PlaceCursor(int x, int y);

// Every row moves up by one; the new bottom row is blank in the current colour. The cursor
// does not move.
void ScrollUp();

// The cursor one cell back along the text just echoed, across row ends and a pending wrap.
void StepBack();

// NextKey, which also tells whether the keyboard can be read at all.
KeyEvent LookForKey(bool* unreadable);

// Takes the record at the head of the input queue out of it; false when that fails.
bool TakeHeadRecord();

}  // namespace console
