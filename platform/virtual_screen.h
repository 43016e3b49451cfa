// The seam's screen calls for every platform whose screen is a VirtualConsole of its own (the
// memory, terminal and web platforms): the same calls with the Windows console's answers, once
// the platform says which console a handle writes to.
#pragma once

#include "platform/console_api.h"
#include "platform/virtual_console.h"

namespace platform::virtual_screen {

// Provided by the platform: the console a screen handle writes to, null for any other handle.
VirtualConsole* ScreenOf(Handle h);

}  // namespace platform::virtual_screen
