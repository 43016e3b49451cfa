// The console text screen: a colour character screen with one cursor, rows and columns counted
// from 1, and the keyboard behind it. Written once, over the platform seam, for every platform.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace console {

// Screen. Every operation asks the console for its size and cursor afresh. Rows wider than
// 255 columns are written in pieces of 256 cells. Without any console to write on, output is
// dropped and CursorRow gives 1.
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

// The key press at the head of the input queue, left there; releases, modifier keys alone and
// other records in front of it are taken out.
KeyEvent NextKey();
// When the keyboard cannot be read at all no key can ever come: ReadLine then ends the line as
// Enter would, and WaitForKey returns at once.
std::string ReadLine();
std::int32_t WaitForKey();

}  // namespace console
