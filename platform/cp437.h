// Code page 437, the console's character set, against Unicode: the glyph a screen shows for
// each byte, and the byte a typed character stands for. Shared by the platforms that show the
// virtual console on a Unicode screen (the terminal, the web page).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// The Unicode character drawn for byte `b`: the display glyphs, so 1 is U+263A and 127 is
// U+2302; 0 is U+0000, which the screen shows as a blank.
char32_t Cp437ToUnicode(std::uint8_t b);

// The byte of a character typed as `c`, or -1 when code page 437 has no such character.
// Only ASCII and bytes 128 to 255 come back: a typed U+2665 must not turn into Ctrl+C.
int UnicodeToCp437Typed(char32_t c);

// The UTF-8 bytes of `c`, appended to *out.
void AppendUtf8(char32_t c, std::string* out);

// Every byte of `bytes` as its glyph in UTF-8, 0 as a space: console text for a Unicode page.
std::string Utf8Of(std::string_view bytes);

// What the tty is sent to show byte `b`: its glyph in UTF-8 or, on a tty whose character set
// is not UTF-8, the byte itself when it is printable ASCII, a line piece's ASCII stand-in
// (+, - or |) and '?' otherwise. 0 is a space.
std::string_view GlyphOf(std::uint8_t b, bool utf8);

// The piece of a line drawing that byte `b` shows, by the letter the VT100's line-drawing set
// gives it (l k m j corners, q horizontal, x vertical, t u v w tees, n cross), a double line as
// its single one; 0 for a byte that is no line piece.
char LinePieceOf(std::uint8_t b);

}  // namespace platform
