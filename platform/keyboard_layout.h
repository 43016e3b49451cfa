// The PC keyboard as the console's key records describe it: the scan codes of the keys that
// have a meaning of their own, and the US layout of the keys that type characters. The console
// layer reads key records by them; the platforms that make key records (the terminal, the web
// page, the tests' scripted keys) make them by them.
#pragma once

#include <array>
#include <cstdint>

namespace platform::keyboard {

enum : std::uint16_t {
  kScanEscape = 0x01,
  kScanBackspace = 0x0E,
  kScanTab = 0x0F,
  kScanEnter = 0x1C,
  kScanCtrl = 0x1D,
  kScanLeftShift = 0x2A,
  kScanRightShift = 0x36,
  kScanAlt = 0x38,
  kScanSpace = 0x39,
  kScanCapsLock = 0x3A,
  kScanNumLock = 0x45,
  kScanScrollLock = 0x46,
};

// A key that types a character: its scan code, the character without Shift and with it.
struct LayoutKey {
  std::uint8_t scan;
  char plain;
  char shifted;
};

// Every character key of the US layout, in scan-code order: the digit row, the three letter
// rows with the punctuation around them, and the space bar.
inline constexpr std::array<LayoutKey, 48> kUsLayout = {{
    {0x02, '1', '!'}, {0x03, '2', '@'},  {0x04, '3', '#'}, {0x05, '4', '$'}, {0x06, '5', '%'},
    {0x07, '6', '^'}, {0x08, '7', '&'},  {0x09, '8', '*'}, {0x0A, '9', '('}, {0x0B, '0', ')'},
    {0x0C, '-', '_'}, {0x0D, '=', '+'},  {0x10, 'q', 'Q'}, {0x11, 'w', 'W'}, {0x12, 'e', 'E'},
    {0x13, 'r', 'R'}, {0x14, 't', 'T'},  {0x15, 'y', 'Y'}, {0x16, 'u', 'U'}, {0x17, 'i', 'I'},
    {0x18, 'o', 'O'}, {0x19, 'p', 'P'},  {0x1A, '[', '{'}, {0x1B, ']', '}'}, {0x1E, 'a', 'A'},
    {0x1F, 's', 'S'}, {0x20, 'd', 'D'},  {0x21, 'f', 'F'}, {0x22, 'g', 'G'}, {0x23, 'h', 'H'},
    {0x24, 'j', 'J'}, {0x25, 'k', 'K'},  {0x26, 'l', 'L'}, {0x27, ';', ':'}, {0x28, '\'', '"'},
    {0x29, '`', '~'}, {0x2B, '\\', '|'}, {0x2C, 'z', 'Z'}, {0x2D, 'x', 'X'}, {0x2E, 'c', 'C'},
    {0x2F, 'v', 'V'}, {0x30, 'b', 'B'},  {0x31, 'n', 'N'}, {0x32, 'm', 'M'}, {0x33, ',', '<'},
    {0x34, '.', '>'}, {0x35, '/', '?'},  {0x39, ' ', ' '},
}};

constexpr bool IsLetterKey(const LayoutKey& key) {
  return key.plain >= 'a' && key.plain <= 'z';
}

// The digit and punctuation keys: those whose two characters are not a letter in its two cases.
constexpr bool IsSymbolKey(const LayoutKey& key) {
  return !IsLetterKey(key) && key.scan != kScanSpace;
}

}  // namespace platform::keyboard
