#include <gtest/gtest.h>

#include <set>
#include <string>

#include "platform/cp437.h"
#include "platform/terminal/overlays.h"
#include "platform/terminal/presenter.h"

namespace platform::terminal {
namespace {

constexpr std::uint16_t kPaper = 0xF0;  // black on bright white

Frame Paper(int w = 80, int h = 22) {
  return Frame(w, h, Cell{' ', kPaper});
}

void Put(Frame* f, int x, int y, std::string_view text, std::uint16_t attr = kPaper) {
  for (std::size_t i = 0; i < text.size(); ++i)
    f->at(x + static_cast<int>(i), y) = Cell{static_cast<std::uint8_t>(text[i]), attr};
}

std::size_t Count(const std::string& s, std::string_view what) {
  std::size_t n = 0;
  for (std::size_t at = s.find(what); at != std::string::npos; at = s.find(what, at + 1)) ++n;
  return n;
}

TEST(Presenter, FirstFrameClearsInThePaperColourAndWritesOnlyText) {
  Presenter p;
  Frame f = Paper();
  Put(&f, 3, 1, "Sorvanta v1");
  EXPECT_EQ(p.Render(f), "\x1b[30;107m\x1b[H\x1b[2J\n\x1b[3CSorvanta v1\x1b[?25l");
}

TEST(Presenter, AnUnchangedFrameWritesNothing) {
  Presenter p;
  Frame f = Paper();
  Put(&f, 0, 0, "abc");
  p.Render(f);
  EXPECT_EQ(p.Render(f), "");
}

TEST(Presenter, WritesOnlyTheChangedCells) {
  Presenter p;
  Frame f = Paper();
  p.Render(f);
  f.at(5, 3).ch = 'X';
  EXPECT_EQ(p.Render(f), "\x1b[4;6HX");
  f.at(6, 3).ch = 'Y';
  f.at(9, 3).ch = 'Z';  // two unchanged blanks between: rewriting them is cheaper than a move
  EXPECT_EQ(p.Render(f), "Y  Z");
  f.at(70, 20).ch = 'W';
  EXPECT_EQ(p.Render(f), "\x1b[21;71HW");
}

TEST(Presenter, ChangesColourOncePerRun) {
  Presenter p;
  Frame f = Paper();
  p.Render(f);
  Put(&f, 0, 5, "ab");
  Put(&f, 2, 5, "cd", 0xFC);  // light red on bright white
  Put(&f, 4, 5, "ef", 0xF8);  // dark grey
  EXPECT_EQ(p.Render(f), "\x1b[6Hab\x1b[91mcd\x1b[90mef");
  Put(&f, 0, 6, "gh", 0xF8);  // the pen is still dark grey
  EXPECT_EQ(p.Render(f), "\n\rgh");
}

TEST(Presenter, MapsConsoleColoursToAnsi) {
  // Console: 1 blue, 2 green, 4 red, 8 bright. ANSI: 1 red, 2 green, 4 blue.
  const int fg[16] = {30, 34, 32, 36, 31, 35, 33, 37, 90, 94, 92, 96, 91, 95, 93, 97};
  for (int i = 0; i < 16; ++i) {
    EXPECT_EQ(AnsiForeground(i), fg[i]) << i;
    EXPECT_EQ(AnsiBackground(i), fg[i] + 10) << i;
  }
}

TEST(Presenter, ABlankInADifferentForegroundIsNotRedrawn) {
  Presenter p;
  Frame f = Paper();
  p.Render(f);
  f.at(10, 10).attr = 0xFC;  // still a blank on bright white
  EXPECT_EQ(p.Render(f), "");
  f.at(10, 10).attr = 0x1F;  // a blank on blue shows
  EXPECT_EQ(p.Render(f), "\x1b[11;11H\x1b[44m ");
}

TEST(Presenter, ShowsHidesAndShapesTheCursor) {
  Presenter p;
  Frame f = Paper(10, 4);
  f.cursor = Coord{3, 2};
  f.cursor_visible = true;
  f.cursor_size = 25;
  EXPECT_EQ(p.Render(f), "\x1b[30;107m\x1b[H\x1b[2J\x1b[4 q\x1b[3;4H\x1b[?25h");
  f.cursor_visible = false;
  EXPECT_EQ(p.Render(f), "\x1b[?25l");
  f.cursor_visible = true;
  f.cursor_size = 100;
  EXPECT_EQ(p.Render(f), "\x1b[2 q\x1b[?25h");
}

TEST(Presenter, LeavesTheShapeAloneWhereTheTerminalHasNone) {
  PresenterOptions o;
  o.cursor_shapes = false;
  Presenter p(o);
  Frame f = Paper(4, 2);
  f.cursor_visible = true;
  EXPECT_EQ(Count(p.Render(f), " q"), 0u);
}

TEST(Presenter, WithoutColourEraseWritesEveryCell) {
  PresenterOptions o;
  o.back_colour_erase = false;
  Presenter p(o);
  Frame f = Paper(4, 2);
  EXPECT_EQ(p.Render(f), "\x1b[0m\x1b[H\x1b[2J\x1b[30;107m    \x1b[2H    \x1b[?25l");
}

TEST(Presenter, RedrawsEverythingAfterInvalidateOrResize) {
  Presenter p;
  Frame f = Paper(10, 3);
  Put(&f, 0, 0, "hi");
  p.Render(f);
  p.Invalidate();  // after a stop the terminal's colours and cursor are unknown too
  EXPECT_EQ(p.Render(f), "\x1b[30;107m\x1b[H\x1b[2Jhi\x1b[?25l");
  Frame g = Paper(12, 3);
  Put(&g, 0, 0, "hi");
  EXPECT_EQ(p.Render(g), "\x1b[H\x1b[2Jhi");
}

TEST(Presenter, NeverTrustsTheColumnAfterTheLastOne) {
  Presenter p;
  Frame f = Paper(10, 3);
  p.Render(f);
  f.at(9, 0).ch = 'a';
  f.at(0, 1).ch = 'b';
  EXPECT_EQ(p.Render(f), "\x1b[9Ca\x1b[2Hb");
}

TEST(Presenter, DrawsCodePageGlyphs) {
  Presenter p;
  Frame f = Paper(8, 1);
  const std::uint8_t bytes[] = {0, 3, 0x82, 0xC4, 0x7F, 0xFB};
  for (std::size_t i = 0; i < sizeof bytes; ++i) f.at(static_cast<int>(i), 0).ch = bytes[i];
  EXPECT_EQ(p.Render(f),
            "\x1b[30;107m\x1b[H\x1b[2J \xE2\x99\xA5\xC3\xA9\xE2\x94\x80"
            "\xE2\x8C\x82\xE2\x88\x9A\x1b[?25l");
  PresenterOptions ascii;
  ascii.utf8 = false;
  Presenter q(ascii);
  EXPECT_EQ(q.Render(f), "\x1b[30;107m\x1b[H\x1b[2J ?\?-??\x1b[?25l");
}

// Without UTF-8, line pieces are drawn in the terminal's line set, switched only where the set
// changes, or in ASCII where it has none (or only a byte above 127 for them), also after the
// terminal was lost.
TEST(Presenter, DrawsLinePiecesInTheLineSetOrInAscii) {
  Frame f = Paper(6, 2);
  Put(&f, 0, 0, "\xDA\xC4K\xBF");
  Put(&f, 0, 1, "\xC0\xCD\xD9\xB3\x82");
  const LineDrawing vt100 = LineDrawingOf("jjkkllmmqqx\xB3", "\x0e", "\x0f");
  const std::pair<LineDrawing, std::string> cases[] = {{vt100, "\x0elq\x0fK\x0ek\n\rmqj\x0f|?"},
                                                       {LineDrawing{}, "+-K+\n\r+-+|?"}};
  for (const auto& [set, drawn] : cases) {
    PresenterOptions o;
    o.utf8 = false;
    o.line_set = set;
    Presenter p(o);
    for (int again = 0; again < 2; ++again, p.Invalidate())
      EXPECT_EQ(p.Render(f), "\x1b[30;107m\x1b[H\x1b[2J" + drawn + "\x1b[?25l");
  }
}

TEST(CodePage437, GlyphsAreDistinctAndRoundTrip) {
  std::set<char32_t> seen;
  for (int b = 0; b < 256; ++b) {
    const auto byte = static_cast<std::uint8_t>(b);
    const char32_t u = Cp437ToUnicode(byte);
    EXPECT_TRUE(seen.insert(u).second) << b;
    std::string utf8;
    AppendUtf8(u, &utf8);
    if (b != 0) {
      EXPECT_EQ(GlyphOf(byte, true), utf8) << b;
    }
    const bool typed = (b >= 0x20 && b < 0x7F) || b >= 0x80;
    EXPECT_EQ(UnicodeToCp437Typed(u), typed ? b : -1) << b;
  }
  EXPECT_EQ(GlyphOf(0, true), " ");
  EXPECT_EQ(GlyphOf(1, true), "\u263A");
  EXPECT_EQ(GlyphOf(0x7F, true), "\u2302");
  EXPECT_EQ(GlyphOf(0xFF, true), "\u00A0");
}

TEST(Overlays, NoticeAsksForTheSizeNeeded) {
  const Frame f = TooSmallNotice(60, 15, 80, 22);
  ASSERT_EQ(f.width, 60);
  ASSERT_EQ(f.height, 15);
  std::string rows;
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < f.width; ++x) rows += static_cast<char>(f.at(x, y).ch);
  EXPECT_NE(rows.find("Please enlarge this window to at least 80 x 22"), std::string::npos);
  EXPECT_NE(rows.find("15); keys are ignored until then."), std::string::npos);
  EXPECT_FALSE(f.cursor_visible);
}

TEST(Overlays, MessageBoxFramesCaptionMessageAndButton) {
  Frame f = Paper();
  Put(&f, 0, 0, "kept");
  f.cursor_visible = true;
  DrawMessageBox("The answer must be Y or N.", "  ERROR", &f);
  std::vector<std::string> rows;
  for (int y = 0; y < f.height; ++y) {
    std::string row;
    for (int x = 0; x < f.width; ++x) row += static_cast<char>(f.at(x, y).ch);
    rows.push_back(row);
  }
  EXPECT_EQ(rows[0].substr(0, 4), "kept");
  EXPECT_EQ(rows[8].substr(25),
            "\xDA  ERROR" + std::string(21, '\xC4') + "\xBF" + std::string(25, ' '));
  EXPECT_EQ(rows[9].substr(25, 30), "\xB3 The answer must be Y or N. \xB3");
  EXPECT_NE(rows[11].find("[  OK  ]"), std::string::npos);
  EXPECT_EQ(rows[12][25], '\xC0');
  EXPECT_FALSE(f.cursor_visible);
}

}  // namespace
}  // namespace platform::terminal
