// What a platform that presents the virtual console itself (a terminal, a web page) gives the
// console and window calls it shares with the other such platforms (presented_console.cpp,
// presented_cursor.cpp, presented_window.cpp): the console it presents, and a session that
// shows the console and brings the keys typed into it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/console_api.h"
#include "platform/virtual_console.h"

namespace platform::presented {

// The part of the platform's process-wide state that the shared calls work on.
struct PresentedConsole {
  VirtualConsole console{80, 25};
  std::array<std::uint32_t, 4> modes{};  // standard input, output and error, then the keyboard
};

// Provided by the platform.
PresentedConsole& Console();
// Whether a session is open: the keyboard can be read and the screen is shown.
bool Attached();
// Whether a standard stream is the console (a terminal, the page), so that its mode can be set.
bool StreamIsConsole(StdStream stream);
bool OpenSession(std::string* why);
void CloseSession();
// Shows the console as it stands.
void Present();
// The keys typed so far, without waiting, appended to *keys.
void TakeWaitingKeys(std::vector<InputRecord>* keys);
// Presents, then waits until at least one key record is typed, appended to *keys.
void WaitForKeys(std::vector<InputRecord>* keys);

}  // namespace platform::presented
