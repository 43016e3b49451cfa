// The seam under the window services: what each platform does for the console window.
// win32/ calls user32 and kernel32; terminal/ uses the tty (title, bell, an overlay box, the
// text kept after the program); memory/ records every call for the tests.
#pragma once

#include <cstdint>

namespace platform::window {

// The module's instance handle, which the process entry hands to the program.
void* InstanceHandle();

void Init(void* instance);
void ToolBar(int style, int buttons);
void SetTitle(const char* title);
void SetIcon(int resource_id);
void DeleteMenuItem(int item);
// Makes the screen buffer (and the window) 80 columns by `rows` rows.
void Resize80x(int rows);
void Move(int x, int y);
// Shows `message` under `caption` with an OK button and returns once it is dismissed.
void MessageBox(const char* message, const char* caption);
void Beep(std::uint32_t type);
// Text for the person to keep once the program has ended normally, after its final key: the
// terminal leaves the screen's text as it stands at this call (so what the program prints after
// it, only for while it runs, is left out) and then this on its normal screen, or writes both
// to standard output when that is not the terminal. Nothing is left when the program is
// refused, ended by a signal or hung up. A later call replaces the text and the screen. The Windows
// console keeps the program's screen by itself, and the page shows the results beside its screen:
// on those it goes nowhere.
void KeepAfterExit(const char* text);

}  // namespace platform::window
