// The setup sheet: the worked examples' sheets as one table, the whole text of the first, and
// lines that fit a terminal whatever the answers.
#include "app/setup_sheet.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "app/setup_sheet_text.h"
#include "tests/first_worked_example_sheet.h"

namespace {

using Cells = std::vector<std::string>;

struct WorkedSheet {
  app::Answers answers;
  // The closing paragraphs, or where the layout cannot be placed the one paragraph saying so.
  Cells said;
  // The front left speaker's row and the left surround's after their names, and the spacings
  // (L to R, C to L, C to R, L to LS, R to RS, LS to RS); none where it cannot be placed.
  Cells front = {};
  Cells surround = {};
  Cells spacings = {};
};

constexpr const char* kWithin =
    "The front-back spacing and front width are within the limits you gave.";
const std::string kNoLayout = "These answers give no layout to place: ";
const std::string kAtTheListener =
    kNoLayout + "the listening distance is 0, which puts every speaker at the listening position.";

std::string TooHigh(const char* above_or_below) {
  return kNoLayout + "the surround speakers would be 2.00 " + above_or_below +
         " ear level, more than the listening distance of 0.85, and nothing that far from ear "
         "level is only 0.85 from the ears.";
}

const WorkedSheet kWorkedSheets[] = {
    {{"5", "4", "N", "6", "0.5", "110"},
     {kWithin},
     {"2.80", "left 1.62", "0.00", "3.23", "30.0", "level"},
     {"-1.09", "left 3.00", "0.50", "3.23", "110.0", "down 8.9"},
     {"3.23", "1.67", "1.67", "4.13", "4.13", "6.00"}},
    {{"4", "5", "N", "8", "1", "110"},
     {kWithin},
     {"2.58", "left 1.49", "0.00", "2.98", "30.0", "level"},
     {"-0.96", "left 2.64", "1.00", "2.98", "110.0", "down 19.6"},
     {"2.98", "1.54", "1.54", "3.72", "3.72", "5.28"}},
    // R is a hair below 3, and so is its half to either side.
    {{"10", "3", "N", "10", "1", "110"},
     {kWithin},
     {"2.60", "left 1.50", "0.00", "3.00", "30.0", "level"},
     {"-0.97", "left 2.66", "1.00", "3.00", "110.0", "down 19.5"},
     {"3.00", "1.55", "1.55", "3.75", "3.75", "5.32"}},
    // The report leaves W out; the sheet still places the surrounds, the fixed 4 apart.
    {{"3", "2", "Y", "4", "0.5", "120"},
     {"The front-back spacing of the centre and surround speakers, 3.52, is 0.52 more than the "
      "3.00 you allowed from front to back.",
      "The front width, which is the listening distance, 2.36, is 0.36 more than the 2.00 you "
      "allowed across the front."},
     {"2.05", "left 1.18", "0.00", "2.36", "30.0", "level"},
     {"-1.15", "left 2.00", "0.50", "2.36", "120.0", "down 12.2"},
     {"2.36", "1.22", "1.22", "3.30", "3.30", "4.00"}},
    // The same with room from front to back: the one within is said too.
    {{"10", "2", "Y", "4", "0.5", "120"},
     {"The front width, which is the listening distance, 2.36, is 0.36 more than the 2.00 you "
      "allowed across the front.",
      "The front-back spacing is within the limit you gave."},
     {"2.05", "left 1.18", "0.00", "2.36", "30.0", "level"},
     {"-1.15", "left 2.00", "0.50", "2.36", "120.0", "down 12.2"},
     {"2.36", "1.22", "1.22", "3.30", "3.30", "4.00"}},
    {{"30", "12", "N", "20", "1.2", "100"},
     {kWithin},
     {"8.86", "left 5.11", "0.00", "10.22", "30.0", "level"},
     {"-1.76", "left 10.00", "1.20", "10.22", "100.0", "down 6.7"},
     {"10.22", "5.29", "5.29", "11.69", "11.69", "20.00"}},
    // S lies one unit in the last place over A: its excess reads 0.00.
    {{"5.3", "100", "N", "100", "0", "100"},
     {"The front-back spacing of the centre and surround speakers, 5.30, is more than the 5.30 "
      "you allowed from front to back, by less than 0.01.",
      "The front width is within the limit you gave."},
     {"3.91", "left 2.26", "0.00", "4.52", "30.0", "level"},
     {"-0.78", "left 4.45", "0.00", "4.52", "100.0", "level"},
     {"4.52", "2.34", "2.34", "5.18", "5.18", "8.89"}},
    // A tilt of less than a twentieth of a degree, and places a hair behind the listener.
    {{"5", "4", "N", "6", "0.001", "110"},
     {kWithin},
     {"2.76", "left 1.60", "0.00", "3.19", "30.0", "level"},
     {"-1.09", "left 3.00", "0.00", "3.19", "110.0", "level"},
     {"3.19", "1.65", "1.65", "4.10", "4.10", "6.00"}},
    {{"0.01", "0.01", "N", "0.01", "0.001", "110"},
     {kWithin},
     {"0.00", "left 0.00", "0.00", "0.01", "30.0", "level"},
     {"0.00", "left 0.01", "0.00", "0.01", "110.0", "down 10.6"},
     {"0.01", "0.00", "0.00", "0.01", "0.01", "0.01"}},
    {{"1", "1", "N", "2", "2", "100"}, {TooHigh("above")}},
    {{"1", "1", "N", "2", "-2", "100"}, {TooHigh("below")}},
    {{"0", "0", "N", "0", "0", "100"}, {kAtTheListener}},
    {{"0", "0", "Y", "0", "0", "100"}, {kAtTheListener}},
    {{"-1", "4", "N", "6", "0.5", "110"},
     {kNoLayout +
      "the listening distance, -0.75, is negative, which only a negative limit brings about."}},
    {{"-0.001", "4", "N", "6", "0.5", "110"},
     {kNoLayout + "the listening distance is below 0 by less than 0.01, which only a negative "
                  "limit brings about."}},
    {{"5", "4", "Y", "6", "1E400", "110"},
     {kNoLayout + "a result is not a number, or too large to be one."}},
};

Cells Tail(const Cells& row) {
  return Cells(row.begin() + 1, row.end());
}

// The speaker on the right: the same figures as its twin on the left.
Cells Mirrored(Cells cells) {
  cells[1].replace(0, 4, "right");
  return cells;
}

Cells Values(const std::vector<app::LabelledValue>& pairs) {
  Cells values;
  for (const app::LabelledValue& p : pairs) values.push_back(p.value);
  return values;
}

app::SetupSheetText TextOf(const app::Answers& answers) {
  return app::SheetText(app::ComputeSetupSheet(app::ComputeLayout(answers)));
}

TEST(SetupSheet, WorkedExamples) {
  for (const WorkedSheet& c : kWorkedSheets) {
    const app::Answers& a = c.answers;
    SCOPED_TRACE(a.front_back_limit + " " + a.front_width_limit + " " + a.surround_fixed + " " +
                 a.surround_width + " " + a.surround_height + " " + a.surround_angle);
    const app::SetupSheetText text = TextOf(a);
    EXPECT_EQ(text.title, "Setup sheet");
    if (c.front.empty()) {
      EXPECT_EQ(text.before_table, c.said);
      EXPECT_TRUE(text.rows.empty() && text.spacings.empty() && text.closing.empty());
      continue;
    }
    const std::string& r_big = c.front[3];
    ASSERT_EQ(text.rows.size(), 5u);
    EXPECT_EQ(text.rows[0], (Cells{"C centre", r_big, "0.00", "0.00", r_big, "0.0", "level"}));
    EXPECT_EQ(Tail(text.rows[1]), c.front);
    EXPECT_EQ(Tail(text.rows[2]), Mirrored(c.front));
    EXPECT_EQ(Tail(text.rows[3]), c.surround);
    EXPECT_EQ(Tail(text.rows[4]), Mirrored(c.surround));
    EXPECT_EQ(Values(text.spacings), c.spacings);
    EXPECT_EQ(text.closing, c.said);
    // The receiver's setting is the listening distance as the screen shows it.
    EXPECT_NE(text.before_table[0].find("each of the five speakers to " + r_big + " on"),
              std::string::npos);
  }
}

// Committed beside the test: the tmux tests hold the program's output to the same text.
TEST(SetupSheet, FirstWorkedExampleAsPlainText) {
  std::string expected;
  for (const char* line : sheet_test::kFirstWorkedExampleSheet)
    expected += std::string(line) + "\n";
  EXPECT_EQ(app::PlainText(TextOf({"5", "4", "N", "6", "0.5", "110"})), expected);
}

// Answers of every size and sign, and some beyond the range of doubles: the sheet is printable
// ASCII in lines of at most 80 columns, and places the speakers wherever the numbers allow.
TEST(SetupSheet, AnyAnswersFitEightyColumns) {
  const char* lengths[] = {"0",    "1E-300", "0.004", "3",      "47.5",  "1250",  "98765.4321",
                           "1E20", "1E300",  "-2",    "-1E300", "1E400", "-1E400"};
  std::mt19937_64 random(17);
  int placed = 0;
  for (int i = 0; i < 3000; ++i) {
    const auto pick = [&] { return std::string(lengths[random() % std::size(lengths)]); };
    const app::Answers answers{pick(), pick(), random() % 2 ? "Y" : "N",
                               pick(), pick(), std::to_string(100 + random() % 21)};
    const app::SetupSheet sheet = app::ComputeSetupSheet(app::ComputeLayout(answers));
    const std::string plain = app::PlainText(app::SheetText(sheet));
    placed += sheet.unplaceable == app::Unplaceable::kNo;
    ASSERT_TRUE(plain.ends_with("\n"));
    std::size_t column = 0;
    for (char c : plain) {
      column = c == '\n' ? 0 : column + 1;
      ASSERT_TRUE(c == '\n' || (c >= ' ' && c <= '~')) << plain;
      ASSERT_LE(column, static_cast<std::size_t>(app::kSheetColumns)) << plain;
    }
    // A figure that rounds to nothing has no sign and no direction.
    for (const char* nothing : {"-0.00", "down 0.0", "up 0.0"}) {
      for (std::size_t at = plain.find(nothing); at != std::string::npos;
           at = plain.find(nothing, at + 1)) {
        const char next = plain[at + std::strlen(nothing)];
        ASSERT_TRUE(next >= '0' && next <= '9') << nothing << " in\n" << plain;
      }
    }
  }
  EXPECT_GT(placed, 300);
}

// A surround below ear level is tilted up to the ears; one at ear height not at all.
TEST(SetupSheet, AimFollowsTheSurroundHeight) {
  const struct {
    const char* height;
    const char* tilt;
    const char* aiming;
  } cases[] = {
      {"0.5", "down 8.9", "tilt the two surround speakers down 8.9 degrees"},
      {"-0.5", "up 8.9", "tilt the two surround speakers up 8.9 degrees"},
      {"0", "level", "none needs a tilt"},
  };
  for (const auto& c : cases) {
    const app::SetupSheetText text = TextOf({"5", "4", "N", "6", c.height, "110"});
    EXPECT_EQ(text.rows[3][6], c.tilt);
    EXPECT_NE(text.after_table[0].find(c.aiming), std::string::npos) << text.after_table[0];
  }
}

}  // namespace
