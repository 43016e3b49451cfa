// The calls between the program and the page's script. The program calls the page; the page
// never calls into the program: while the program is suspended in a wait its stack is not to be
// entered, so the page only queues events and settles the promise the program awaits.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/console_api.h"

namespace platform::web::page {

// An event the page queued: a key pressed or released, or a character typed without a key
// (pasted, or from an on-screen keyboard).
struct Event {
  enum Kind { kKey = 1, kCharacter = 2 };
  int kind = kKey;
  bool down = true;
  char32_t character = 0;
  std::uint32_t modifiers = 0;
  std::string code;
};

// The screen as the page is to show it: one Unicode character and one attribute per cell.
struct Screen {
  int width = 0;
  int height = 0;
  std::vector<std::uint16_t> characters;
  std::vector<std::uint16_t> attributes;
  Coord cursor;
  CursorInfo cursor_info;
};

void ShowScreen(const Screen& screen);
// Takes the oldest queued event; false when none is queued.
bool TakeEvent(Event* event);
// Suspends the program until the page has queued an event.
void WaitForEvent();
// Shows the modal box and suspends the program until the user dismisses it. UTF-8 texts.
void ShowMessageBox(const std::string& message, const std::string& caption);
void SetTitle(const std::string& title);
void Beep();
// The results document of web_page.h, in UTF-8.
void ShowResults(const std::string& json);

}  // namespace platform::web::page
