// The program's own logic: one script from the window set-up to the final key.
#pragma once

#include <cstdint>

// Takes the module's instance handle, a previous-instance handle (always null), the command
// line (not read: the program has no arguments) and the window show state. Returns 0.
std::int32_t WINMAIN(void* instance, void* previous, const char* command_line, int show);
