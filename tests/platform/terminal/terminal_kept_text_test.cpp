// What the terminal leaves after the program: the final screen's rows, trimmed, in the
// terminal's looks or as plain text, then the kept text, with the line ends the output wants.
#include "platform/terminal/kept_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace platform::terminal {
namespace {

constexpr std::uint16_t kAnswer = 0xF0;   // black on bright white
constexpr std::uint16_t kPrompt = 0xF8;   // dark grey on bright white
constexpr std::uint16_t kWarning = 0xFC;  // light red on bright white
constexpr std::uint16_t kPanel = 0x1F;    // bright white on blue

struct Piece {
  int x;
  std::string text;
  std::uint16_t attr;
};

Frame Screen(int width, int height, const std::vector<std::vector<Piece>>& rows) {
  Frame f(width, height, Cell{' ', kAnswer});
  for (std::size_t y = 0; y < rows.size(); ++y)
    for (const Piece& p : rows[y])
      for (std::size_t i = 0; i < p.text.size(); ++i)
        f.at(p.x + static_cast<int>(i), static_cast<int>(y)) =
            Cell{static_cast<std::uint8_t>(p.text[i]), p.attr};
  return f;
}

KeptStyle Looks(ColourDepth colours, bool dim = true) {
  KeptStyle style;
  style.looks = TerminalLooks{colours, true, dim, true};
  return style;
}

// A row's cells as each kind of terminal draws them in the copy, in its own colours: only a
// result over its limit stands out, named from a reset, and the row ends reset.
TEST(KeptText, RowsInTheTerminalsLooks) {
  const std::vector<Piece> question = {{0, "   Q?", kPrompt}, {7, "5", kAnswer}};
  const std::vector<Piece> over = {{0, "   S", kPrompt}, {6, "4.32", kWarning}};
  const std::vector<Piece> panel = {{0, "A", kAnswer}, {2, " ", kPanel}, {4, "B", kAnswer}};
  const std::vector<Piece> glyph = {{0, "\x82\xDA", kAnswer}};
  const struct {
    const char* name;
    std::vector<Piece> row;
    KeptStyle style;
    std::string drawn;
  } cases[] = {
      {"sixteen colours", question, Looks(ColourDepth::kSixteen), "   Q?  5"},
      {"sixteen colours, over a limit", over, Looks(ColourDepth::kSixteen),
       "   S  \x1b[0;1;91m4.32\x1b[0m"},
      {"a blank of another background", panel, Looks(ColourDepth::kSixteen), "A   B"},
      {"eight colours, over a limit", over, Looks(ColourDepth::kEight),
       "   S  \x1b[0;1;31m4.32\x1b[0m"},
      {"no colours (NO_COLOR)", question, Looks(ColourDepth::kNone), "   Q?  5"},
      {"no colours, over a limit", over, Looks(ColourDepth::kNone), "   S  \x1b[0;1;7m4.32\x1b[0m"},
      {"no colours and no dim (vt100)", question, Looks(ColourDepth::kNone, false), "   Q?  5"},
      {"plain text", over, KeptStyle{}, "   S  4.32"},
      {"glyphs beyond ASCII in UTF-8", glyph, KeptStyle{}, "\xc3\xa9\xe2\x94\x8c"},
      {"glyphs beyond ASCII elsewhere", glyph, KeptStyle{std::nullopt, false}, "?+"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(KeptText(Screen(20, 1, {c.row}), "", c.style), c.drawn + "\n\n") << c.name;
  }
}

// Blanks at the end of a row and empty rows at the foot are dropped, the empty rows above kept;
// the kept text follows after an empty line, each of its lines ended as the output wants.
TEST(KeptText, TrimmedRowsThenTheKeptText) {
  const Frame screen = Screen(12, 5, {{}, {{3, "title", kAnswer}}, {}, {{0, "x", kAnswer}}});
  EXPECT_EQ(KeptText(screen, "  sheet\n\n  end\n", KeptStyle{}),
            "\n   title\n\nx\n\n  sheet\n\n  end\n");
  KeptStyle tty;
  tty.line_end = "\r\n";
  EXPECT_EQ(KeptText(screen, "  sheet\n\n  end\n", tty),
            "\r\n   title\r\n\r\nx\r\n\r\n  sheet\r\n\r\n  end\r\n");
  EXPECT_EQ(KeptText(Screen(12, 3, {}), "kept\n", KeptStyle{}), "\nkept\n");
  // Over the screen of a terminal without a screen of its own for the program: each row erased
  // first (after a full row the cursor may wait in the last column), then what is below it.
  tty.over_screen = true;
  EXPECT_EQ(KeptText(Screen(5, 3, {{}, {{0, "abcde", kAnswer}}}), "kept\n", tty),
            "\x1b[0m\x1b[H\x1b[K\r\n\x1b[Kabcde\r\n\x1b[J\r\nkept\r\n");
}

}  // namespace
}  // namespace platform::terminal
