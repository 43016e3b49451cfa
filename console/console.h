// The console text screen: a colour character screen with one cursor, rows and columns counted
// from 1, and the keyboard behind it. Written once, over the platform seam, for every platform.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace console {

// Screen.
void ConsoleStartup();
void ClearScreen();
void SetColor(std::int32_t foreground, std::int32_t background, std::uint32_t repaint_count);
void MoveCursor(std::int32_t row, std::int32_t column);
void PrintText(std::string_view text);
void PrintNewLine();
std::int32_t CursorRow();
void SetCursor(std::int32_t size);

// Keyboard.
struct KeyEvent {
  enum Kind : std::uint8_t { kNone = 0, kCharacter = 1, kExtended = 2 };
  Kind kind = kNone;
  std::uint8_t ch = 0;
  std::uint8_t scan_code = 0;
};

KeyEvent NextKey();
std::string ReadLine();
std::int32_t WaitForKey();

}  // namespace console
