#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/cp437.h"
#include "platform/keyboard_us.h"
#include "platform/terminal/key_decoder.h"

namespace platform::terminal {
namespace {

using keyboard::Key;

struct Want {
  std::uint8_t ch;
  std::uint16_t scan;
  std::uint32_t state;
  bool operator==(const Want&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Want& w) {
  return os << "{ch " << int(w.ch) << ", scan 0x" << std::hex << w.scan << ", state 0x" << w.state
            << std::dec << "}";
}

// Feeds the chunks one read at a time, then lets the escape wait run out; every press must be
// followed by its own release.
std::vector<Want> Decode(const std::vector<std::string>& chunks, KeyDecoder decoder = {}) {
  std::vector<InputRecord> records;
  for (const std::string& c : chunks) decoder.Feed(c, &records);
  decoder.Flush(&records);
  EXPECT_FALSE(decoder.pending());
  std::vector<Want> presses;
  EXPECT_EQ(records.size() % 2, 0u);
  for (std::size_t i = 0; i + 1 < records.size(); i += 2) {
    EXPECT_TRUE(records[i].key_down);
    EXPECT_EQ(records[i + 1], keyboard::Released(records[i]));
    presses.push_back({records[i].ch, records[i].scan_code, records[i].control_state});
  }
  return presses;
}

constexpr std::uint32_t kShift = kShiftPressed;
constexpr std::uint32_t kCtrl = kLeftCtrlPressed;
constexpr std::uint32_t kAlt = kLeftAltPressed;
constexpr std::uint32_t kExt = kEnhancedKey;

struct Case {
  const char* name;
  std::vector<std::string> chunks;
  std::vector<Want> want;
};

TEST(KeyDecoder, TurnsTtyBytesIntoKeyRecords) {
  const Case cases[] = {
      {"lower case", {"a"}, {{'a', 0x1E, 0}}},
      {"upper case has Shift", {"A"}, {{'A', 0x1E, kShift}}},
      {"digit and its shifted sign", {"1!"}, {{'1', 0x02, 0}, {'!', 0x02, kShift}}},
      {"space", {" "}, {{' ', 0x39, 0}}},
      {"e acute", {"\xC3\xA9"}, {{0x82, 0, 0}}},
      {"pound", {"\xC2\xA3"}, {{0x9C, 0, 0}}},
      {"n tilde", {"\xC3\xB1"}, {{0xA4, 0, 0}}},
      {"box drawing", {"\xE2\x94\x80\xE2\x95\x94"}, {{0xC4, 0, 0}, {0xC9, 0, 0}}},
      {"euro is not in the code page",
       {"\xE2\x82\xAC"
        "b"},
       {{'b', 0x30, 0}}},
      {"emoji dropped", {"\xF0\x9F\x98\x80"}, {}},
      {"a heart typed is not Ctrl+C", {"\xE2\x99\xA5"}, {}},
      {"stray continuation byte", {"\x80z"}, {{'z', 0x2C, 0}}},
      {"cut-off sequence keeps the next byte", {"\xC3z"}, {{'z', 0x2C, 0}}},
      {"overlong form", {"\xE0\x80\x80y"}, {{'y', 0x15, 0}}},
      {"surrogate", {"\xED\xA0\x80y"}, {{'y', 0x15, 0}}},
      {"bytes that never lead", {"\xFF\xC0\xF8y"}, {{'y', 0x15, 0}}},
      {"carriage return", {"\r"}, {{13, 0x1C, 0}}},
      {"line feed", {"\n"}, {{13, 0x1C, 0}}},
      {"DEL is Backspace", {"\x7F"}, {{8, 0x0E, 0}}},
      {"^H is Backspace", {"\x08"}, {{8, 0x0E, 0}}},
      {"tab", {"\t"}, {{9, 0x0F, 0}}},
      {"Ctrl+C", {"\x03"}, {{3, 0x2E, kCtrl}}},
      {"Ctrl+Z and Ctrl+backslash", {"\x1A\x1C"}, {{26, 0x2C, kCtrl}, {28, 0x2B, kCtrl}}},
      {"lone Escape after the wait", {"\x1B"}, {{27, 0x01, 0}}},
      {"Escape before a control byte", {"\x1B\r"}, {{27, 0x01, 0}, {13, 0x1C, 0}}},
      {"CSI arrows",
       {"\x1B[A\x1B[B\x1B[C\x1B[D"},
       {{0, 0x48, kExt}, {0, 0x50, kExt}, {0, 0x4D, kExt}, {0, 0x4B, kExt}}},
      {"SS3 arrows", {"\x1BOA\x1BOD"}, {{0, 0x48, kExt}, {0, 0x4B, kExt}}},
      {"Ctrl+Right", {"\x1B[1;5C"}, {{0, 0x4D, kExt | kCtrl}}},
      {"Shift+Left", {"\x1B[1;2D"}, {{0, 0x4B, kExt | kShift}}},
      {"Home and End, both forms",
       {"\x1B[H\x1B[F\x1BOH\x1B[1~\x1B[4~"},
       {{0, 0x47, kExt}, {0, 0x4F, kExt}, {0, 0x47, kExt}, {0, 0x47, kExt}, {0, 0x4F, kExt}}},
      {"Insert Delete PgUp PgDn",
       {"\x1B[2~\x1B[3~\x1B[5~\x1B[6~"},
       {{0, 0x52, kExt}, {0, 0x53, kExt}, {0, 0x49, kExt}, {0, 0x51, kExt}}},
      {"Alt+PgUp", {"\x1B[5;3~"}, {{0, 0x49, kExt | kAlt}}},
      {"F1 to F4 in SS3 form", {"\x1BOP\x1BOS"}, {{0, 0x3B, 0}, {0, 0x3E, 0}}},
      {"F1, F5, F10, F11, F12 in CSI form",
       {"\x1B[11~\x1B[15~\x1B[21~\x1B[23~\x1B[24~"},
       {{0, 0x3B, 0}, {0, 0x3F, 0}, {0, 0x44, 0}, {0, 0x57, 0}, {0, 0x58, 0}}},
      {"Shift+F1", {"\x1B[1;2P"}, {{0, 0x3B, kShift}}},
      {"Ctrl+F5", {"\x1B[15;5~"}, {{0, 0x3F, kCtrl}}},
      {"Linux console F1 and F5", {"\x1B[[A\x1B[[E"}, {{0, 0x3B, 0}, {0, 0x3F, 0}}},
      {"keypad Enter", {"\x1BOM"}, {{13, 0x1C, 0}}},
      {"Shift+Tab", {"\x1B[Z"}, {{9, 0x0F, kShift}}},
      {"Alt+x", {"\x1Bx"}, {{'x', 0x2D, kAlt}}},
      {"Alt+Shift+X", {"\x1BX"}, {{'X', 0x2D, kAlt | kShift}}},
      {"ESC and [ alone is Alt+[", {"\x1B["}, {{'[', 0x1A, kAlt}}},
      {"unknown tilde key swallowed", {"\x1B[99~a"}, {{'a', 0x1E, 0}}},
      {"mouse report swallowed", {"\x1B[<0;12;5Ma"}, {{'a', 0x1E, 0}}},
      {"device report swallowed", {"\x1B[?1;2cb"}, {{'b', 0x30, 0}}},
      {"unknown final swallowed", {"\x1B[5xc"}, {{'c', 0x2E, 0}}},
      {"broken-off sequence dropped, next key kept",
       {"\x1B[1;\rd"},
       {{13, 0x1C, 0}, {'d', 0x20, 0}}},
      {"unfinished sequence at the wait dropped", {"\x1B[1;5"}, {}},
      {"sequence split over three reads", {"\x1B[", "1;5", "A"}, {{0, 0x48, kExt | kCtrl}}},
      {"ESC in one read, the rest in the next", {"\x1B", "OP"}, {{0, 0x3B, 0}}},
      {"UTF-8 split over reads", {"\xE2", "\x94", "\x80"}, {{0xC4, 0, 0}}},
  };
  for (const Case& c : cases) EXPECT_EQ(Decode(c.chunks), c.want) << c.name;
}

TEST(KeyDecoder, WaitsForTheRestOfASequence) {
  KeyDecoder decoder;
  std::vector<InputRecord> records;
  decoder.Feed("\x1B", &records);
  EXPECT_TRUE(decoder.pending());
  decoder.Feed("[2", &records);
  EXPECT_TRUE(decoder.pending());
  EXPECT_TRUE(records.empty());
  decoder.Feed("~", &records);
  EXPECT_FALSE(decoder.pending());
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].scan_code, 0x52);
}

TEST(KeyDecoder, TerminalKeyStringsWinOverGenericForms) {
  KeyDecoder decoder;
  decoder.AddKeyString("\x1B#9", Key::kF9);
  decoder.AddKeyString("\x7F", Key::kF1);  // single bytes are not key strings
  EXPECT_EQ(Decode({"\x1B#", "9", "\x7F"}, decoder),
            (std::vector<Want>{{0, 0x43, 0}, {8, 0x0E, 0}}));
  EXPECT_EQ(Decode({"\x1B#x"}, decoder),
            (std::vector<Want>{{'#', 0x04, kAlt | kShift}, {'x', 0x2D, 0}}));
}

TEST(KeyDecoder, TypesBackEveryGlyphAboveAscii) {
  for (int b = 0x80; b < 0x100; ++b) {
    const auto byte = static_cast<std::uint8_t>(b);
    const std::vector<Want> got = Decode({std::string(GlyphOf(byte, true))});
    ASSERT_EQ(got.size(), 1u) << b;
    EXPECT_EQ(got[0].ch, byte);
  }
}

}  // namespace
}  // namespace platform::terminal
