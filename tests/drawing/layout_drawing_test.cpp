#include "drawing/layout_drawing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "app/answers.h"
#include "app/geometry.h"
#include "drawing/text.h"
#include "drawing/view.h"

namespace {

using Six = std::vector<std::string>;

app::Layout LayoutOf(const Six& a) {
  return app::ComputeLayout(app::Answers{a[0], a[1], a[2], a[3], a[4], a[5]});
}

std::string Joined(const Six& answers) {
  std::string out;
  for (const std::string& a : answers) out += (out.empty() ? "" : " ") + a;
  return out;
}

// The one text of the placement that starts with `start`; "" when there is none, and a failure
// when there are more.
std::string TextStarting(const drawing::TextPlacement& placement, const std::string& start) {
  std::string found;
  int count = 0;
  for (const drawing::TextBox& t : placement.texts) {
    if (t.text.rfind(start, 0) == 0) {
      found = t.text;
      ++count;
    }
  }
  EXPECT_LE(count, 1) << start;
  return found;
}

// Every text's box inside the document and apart from every other's.
void ExpectApartAndInside(const drawing::TextPlacement& placement) {
  const std::vector<drawing::TextBox>& texts = placement.texts;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const drawing::TextBox& a = texts[i];
    EXPECT_LT(a.left, a.right) << a.text;
    EXPECT_LT(a.top, a.bottom) << a.text;
    EXPECT_TRUE(a.left >= 0 && a.top >= 0 && a.right <= placement.width &&
                a.bottom <= placement.height)
        << a.text << " at " << a.left << ", " << a.top << " to " << a.right << ", " << a.bottom
        << " leaves the document of " << placement.width << " by " << placement.height;
    for (std::size_t j = i + 1; j < texts.size(); ++j) {
      const drawing::TextBox& b = texts[j];
      const bool apart =
          a.right <= b.left || b.right <= a.left || a.bottom <= b.top || b.bottom <= a.top;
      EXPECT_TRUE(apart) << '"' << a.text << "\" meets \"" << b.text << '"';
    }
  }
}

struct Drawn {
  const char* answers;  // the six answers, separated by spaces
  // The texts that state results, each exactly; empty for a layout with nothing to draw.
  std::vector<std::string> results;
};

Six Split(const char* answers) {
  Six six;
  std::string word;
  for (const char* c = answers;; ++c) {
    if (*c == ' ' || *c == '\0') {
      six.push_back(word);
      word.clear();
      if (*c == '\0') return six;
    } else {
      word += *c;
    }
  }
}

// The worked examples, and the one whose front-back spacing is over its limit by less than the
// last place shown: each result as the report prints it, and the limit and the excess where a
// result is over its limit.
TEST(LayoutDrawing, WorkedExamplesStateTheReportsResults) {
  const Drawn cases[] = {
      {"5 4 N 6 0.5 110",
       {"front width = listening distance 3.23", "front-back spacing 4.32", "surround spacing 6.00",
        "listening distance 3.23", "surround height 0.50"}},
      {"4 5 N 8 1 110",
       {"front width = listening distance 2.98", "front-back spacing 3.94", "surround spacing 5.28",
        "listening distance 2.98", "surround height 1.00"}},
      {"10 3 N 10 1 110",
       {"front width = listening distance 3.00", "front-back spacing 3.97", "surround spacing 5.32",
        "listening distance 3.00", "surround height 1.00"}},
      {"3 2 Y 4 0.5 120",
       {"front width = listening distance 2.36\nover your maximum of 2.00 by 0.36",
        "front-back spacing 3.52\nover your maximum of 3.00 by 0.52",
        "surround spacing 4.00, as you fixed it",
        "listening distance 2.36\nover your maximum front width of 2.00 by 0.36",
        "surround height 0.50"}},
      {"30 12 N 20 1.2 100",
       {"front width = listening distance 10.22", "front-back spacing 11.99",
        "surround spacing 20.00", "listening distance 10.22", "surround height 1.20"}},
      {"1 1 N 2 2 100", {}},
      {"0 0 N 0 0 100", {}},
      {"5.3 100 N 100 0 100",
       {"front width = listening distance 4.52",
        "front-back spacing 5.30\njust over your maximum of 5.30", "surround spacing 8.89",
        "listening distance 4.52", "surround height 0.00"}},
      // A hair below ear level is at ear level as the tape measure reads.
      {"5 4 N 6 -0.001 110", {"surround height 0.00"}},
  };
  for (const Drawn& c : cases) {
    SCOPED_TRACE(c.answers);
    const Six answers = Split(c.answers);
    const app::Layout layout = LayoutOf(answers);
    const drawing::TextPlacement placement = drawing::PlaceTexts(layout, answers);
    ExpectApartAndInside(placement);
    const std::string svg = drawing::LayoutSvg(layout, answers);
    EXPECT_EQ(svg.find("Nothing to draw") != std::string::npos, c.results.empty());
    for (const std::string& result : c.results) {
      EXPECT_EQ(TextStarting(placement, result.substr(0, result.find_last_of(' '))), result);
    }
  }
}

// A generated set of layouts: both arrangements of the surround spacing, every limit over,
// under and far from its result, heights from below ear level to the listening distance itself,
// lengths from thousandths to millions, the angle at its bounds and between.
std::vector<Six> GeneratedAnswers() {
  std::vector<Six> all;
  for (const char* scale : {"", "e-3", "e6"}) {
    for (const char* a : {"0.5", "3", "5", "40"}) {
      for (const char* b : {"1", "2", "4", "100"}) {
        for (const char* fixed : {"N", "Y"}) {
          for (const char* u : {"0", "0.3", "4", "20"}) {
            for (const char* h : {"0", "0.5", "-1", "1.9", "3"}) {
              for (const char* theta : {"100", "107.5", "120"}) {
                const std::string e = scale;
                all.push_back({a + e, b + e, fixed, u + e, h + e, theta});
              }
            }
          }
        }
      }
    }
  }
  return all;
}

// Over the generated layouts, each placed once: no two texts meet and every text stays inside;
// and the words "over your maximum" stand with a result exactly where the report shows it in
// the warning colour: where the result is not within the limit the calculation read for it.
TEST(LayoutDrawing, GeneratedLayoutsKeepTextsApartAndWarnWhereTheReportDoes) {
  int drawn = 0, over = 0, within = 0;
  for (const Six& answers : GeneratedAnswers()) {
    SCOPED_TRACE(Joined(answers));
    const app::Layout layout = LayoutOf(answers);
    const drawing::TextPlacement placement = drawing::PlaceTexts(layout, answers);
    ExpectApartAndInside(placement);
    const std::string front_back = TextStarting(placement, "front-back spacing ");
    if (front_back.empty()) continue;
    ++drawn;
    const bool back_over = !(layout.inputs.front_back_limit >= layout.front_back);
    const bool width_over = !(layout.inputs.front_width_limit >= layout.listening_distance);
    EXPECT_EQ(front_back.find("\nover your maximum of ") != std::string::npos ||
                  front_back.find("\njust over your maximum of ") != std::string::npos,
              back_over);
    for (const char* start : {"front width = listening distance ", "listening distance "}) {
      const std::string distance = TextStarting(placement, start);
      EXPECT_EQ(distance.find("over your maximum") != std::string::npos, width_over) << start;
    }
    (back_over ? over : within)++;
    (width_over ? over : within)++;
    if (::testing::Test::HasFailure()) return;
  }
  EXPECT_GT(drawn, 1000);
  EXPECT_GT(over, 500);
  EXPECT_GT(within, 500);
}

// The document holds exactly the placed texts, at the size the placement gives.
TEST(LayoutDrawing, DocumentHoldsThePlacedTexts) {
  for (const char* answers : {"5 4 N 6 0.5 110", "3 2 Y 4 0.5 120", "1 1 N 2 2 100"}) {
    SCOPED_TRACE(answers);
    const Six six = Split(answers);
    const app::Layout layout = LayoutOf(six);
    const std::string svg = drawing::LayoutSvg(layout, six);
    const drawing::TextPlacement placement = drawing::PlaceTexts(layout, six);
    double width = 0;
    double height = 0;
    const std::size_t box = svg.find("viewBox='0 0 ");
    ASSERT_NE(box, std::string::npos);
    ASSERT_EQ(std::sscanf(svg.c_str() + box, "viewBox='0 0 %lf %lf'", &width, &height), 2);
    EXPECT_EQ(width, placement.width);
    EXPECT_EQ(height, placement.height);
    std::size_t texts = 0;
    for (std::size_t at = svg.find("<text "); at != std::string::npos;
         at = svg.find("<text ", at + 1))
      ++texts;
    EXPECT_EQ(texts, placement.texts.size());
    for (const drawing::TextBox& t : placement.texts) {
      std::size_t start = 0;
      for (std::size_t end = t.text.find('\n'); start != std::string::npos;
           start = end == std::string::npos ? end : end + 1, end = t.text.find('\n', start)) {
        const std::string line = t.text.substr(start, end - start);
        if (line.find_first_of("<>&'") == std::string::npos) {
          EXPECT_NE(svg.find('>' + line + '<'), std::string::npos) << line;
        }
      }
    }
  }
}

// Between `open` and `close` in the document; "" when they are not there.
std::string Element(const std::string& svg, const std::string& name) {
  const std::string open = "<" + name + ">", close = "</" + name + ">";
  const std::size_t start = svg.find(open), end = svg.find(close);
  if (start == std::string::npos || end == std::string::npos) return "";
  return svg.substr(start + open.size(), end - start - open.size());
}

// The drawing says in words what it shows: its title is its heading, and its description holds
// every other text, each line apart from the next as words or a sentence of its own (over the
// limits, with nothing to draw, with answers that need escaping).
TEST(LayoutDrawing, TitleAndDescriptionSayEveryText) {
  for (const char* answers : {"5 4 N 6 0.5 110", "3 2 Y 4 0.5 120", "1 1 N 2 2 100",
                              "0 0 N 0 0 100", "a&b 2 Y 4 0.5 120"}) {
    SCOPED_TRACE(answers);
    const Six six = Split(answers);
    const std::string svg = drawing::LayoutSvg(LayoutOf(six), six);
    const drawing::TextPlacement placement = drawing::PlaceTexts(LayoutOf(six), six);
    std::string heading = placement.texts.front().text;
    for (char& c : heading) c = c == '\n' ? ' ' : c;
    EXPECT_EQ(Element(svg, "title"), drawing::Escaped(heading));
    const std::string desc = Element(svg, "desc");
    ASSERT_FALSE(desc.empty());
    std::size_t at = 0;
    for (std::size_t i = 1; i < placement.texts.size(); ++i) {
      const std::string& text = placement.texts[i].text;
      for (std::size_t start = 0, end = 0; end != std::string::npos; start = end + 1) {
        end = text.find('\n', start);
        const std::string line = drawing::Escaped(text.substr(start, end - start));
        const std::size_t found = desc.find(line.substr(1), at);
        ASSERT_NE(found, std::string::npos) << line << " in " << desc;
        at = found + line.size() - 1;
        EXPECT_TRUE(at == desc.size() || std::string(", .").find(desc[at]) != std::string::npos)
            << line << " runs on into " << desc.substr(at, 12);
      }
    }
  }
}

// The answers head the drawing as text, never as markup, and only as characters an XML
// document may hold; a long answer is cut short.
TEST(LayoutDrawing, HeadingQuotesAnswersAsText) {
  const Six answers = {"<script>alert(1)</script>", "a&b", "'", "\x01\x7f\t", "\xff\xc3(", "5"};
  for (const Six& six : {answers, Six{"3", "2", "Y", "4", "0.5", "<b>120</b>"}}) {
    const std::string svg = drawing::LayoutSvg(LayoutOf(six), six);
    SCOPED_TRACE(svg.substr(0, 1200));
    EXPECT_EQ(svg.find("<script"), std::string::npos);
    EXPECT_EQ(svg.find("<b>"), std::string::npos);
    for (const char c : svg) {
      const auto byte = static_cast<unsigned char>(c);
      EXPECT_TRUE(byte >= 0x20 || c == '\n') << "a control character " << int{byte};
      EXPECT_TRUE(byte != 0xFF && byte != 0x7F) << int{byte};
    }
  }
  const std::string svg = drawing::LayoutSvg(LayoutOf(answers), answers);
  EXPECT_NE(svg.find("&lt;script&gt;alert..."), std::string::npos);
  for (const char* quoted : {"a&amp;b,", "&apos;,", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD,",
                             "\xEF\xBF\xBD\xEF\xBF\xBD(, 5<"}) {
    EXPECT_NE(svg.find(quoted), std::string::npos) << quoted;
  }
  const drawing::TextPlacement placement = drawing::PlaceTexts(LayoutOf(answers), answers);
  ASSERT_FALSE(placement.texts.empty());
  EXPECT_EQ(placement.texts.front().text.rfind("The layout for the answers <script>alert...,", 0),
            0u);
}

// Long answers wrap the heading onto lines of their own, within the width of the views.
TEST(LayoutDrawing, LongAnswersWrapTheHeading) {
  const Six wide = {"5.000000000000000000", "4.000000000000000000", "N",
                    "6.0000000000000000",   "0.500000000000000000", "110.00000000000000"};
  const Six plain = {"5", "4", "N", "6", "0.5", "110"};
  const drawing::TextPlacement narrow = drawing::PlaceTexts(LayoutOf(plain), plain);
  const drawing::TextPlacement wrapped = drawing::PlaceTexts(LayoutOf(wide), wide);
  ExpectApartAndInside(wrapped);
  EXPECT_EQ(wrapped.width, narrow.width);
  EXPECT_NE(wrapped.texts.front().text.find('\n'), std::string::npos);
  EXPECT_EQ(narrow.texts.front().text.find('\n'), std::string::npos);
}

// Texts that all want the same crowded place: each finds one of its own, apart from the others,
// off the marks and clear of the lines.
TEST(LayoutDrawingView, CrowdedTextsEachFindAPlaceOfTheirOwn) {
  drawing::View view;
  const drawing::Point centre{0, 0};
  std::vector<drawing::Segment> rays;
  for (int i = 0; i < 8; ++i) {
    const double angle = i * 0.785398;
    rays.push_back({centre, {std::sin(angle) * 60, -std::cos(angle) * 60}});
    view.Line(rays.back().a, rays.back().b, "ray");
  }
  view.Square(centre, 7, "spk");
  view.Dot({20, 0}, 6, "you");
  const drawing::Box square{-7, -7, 7, 7};
  const std::vector<std::string> names = {"C", "a longer name", "two\nlines", "LS, RS"};
  constexpr int kTexts = 40;
  for (int i = 0; i < kTexts; ++i) {
    const std::string name = names[i % names.size()] + " " + std::to_string(i);
    view.Label({name, i % 3 == 0 ? "and a second line" : "x"}, centre,
               {{{0, -11}, drawing::Across::kCentred, drawing::Along::kAbove},
                {{11, 0}, drawing::Across::kAfter, drawing::Along::kLevel}});
  }
  const std::vector<drawing::Text>& texts = view.texts();
  ASSERT_EQ(texts.size(), std::size_t{kTexts});
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const drawing::Box& box = texts[i].box;
    EXPECT_FALSE(box.Meets(square)) << i;
    for (const drawing::Segment& ray : rays) EXPECT_FALSE(ray.Crosses(box)) << i;
    for (std::size_t j = i + 1; j < texts.size(); ++j) {
      EXPECT_FALSE(box.Grown(drawing::kGap).Meets(texts[j].box)) << i << " and " << j;
    }
    const drawing::Box& extent = view.extent();
    EXPECT_TRUE(extent.left <= box.left && extent.top <= box.top && box.right <= extent.right &&
                box.bottom <= extent.bottom)
        << i;
  }
}

TEST(LayoutDrawingView, SegmentCrossesBox) {
  const drawing::Box box{0, 0, 10, 5};
  const struct {
    drawing::Segment segment;
    bool crosses;
  } cases[] = {
      {{{2, 2}, {3, 3}}, true},      // inside
      {{{-5, 2}, {15, 2}}, true},    // straight through
      {{{-5, -5}, {15, 10}}, true},  // through a corner's side
      {{{-5, 6}, {15, 6}}, false},   // below
      {{{-5, 5}, {15, 5}}, true},    // along the bottom edge
      {{{11, -1}, {20, 9}}, false},  // beside
      {{{-1, 3}, {3, -1}}, true},    // across the top left corner
      {{{-2, 1}, {1, -2}}, false},   // past the top left corner
      {{{4, 4}, {4, 4}}, true},      // a point inside
      {{{4, 9}, {4, 9}}, false},     // a point outside
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.segment.Crosses(box), c.crosses)
        << c.segment.a.x << "," << c.segment.a.y << " to " << c.segment.b.x << "," << c.segment.b.y;
  }
}

TEST(LayoutDrawingText, QuotedKeepsCharactersAnXmlDocumentMayHold) {
  const struct {
    const char* text;
    const char* quoted;
  } cases[] = {
      {"110", "110"},
      {"abcdefghijklmnop", "abcdefghijklmnop"},   // 16: whole
      {"abcdefghijklmnopq", "abcdefghijklm..."},  // 17: cut
      {"\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9"
       "\u00e9\u00e9",
       "\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9..."},
      {"a\tb\x01\x7f", "a\ufffdb\ufffd\ufffd"},        // control characters
      {"\xc2\x85", "\ufffd"},                          // a control character beyond ASCII
      {"\xff", "\ufffd"},                              // no character starts so
      {"\xc0\xaf", "\ufffd\ufffd"},                    // an overlong sequence
      {"\xed\xa0\x80", "\ufffd\ufffd\ufffd"},          // a surrogate
      {"\xef\xbf\xbf", "\ufffd"},                      // not a character
      {"\xe2\x82", "\ufffd\ufffd"},                    // cut short
      {"\xf0\x9f\x98\x80<&>", "\xf0\x9f\x98\x80<&>"},  // markup is escaped later, not here
  };
  for (const auto& c : cases) EXPECT_EQ(drawing::Quoted(c.text, 16), c.quoted) << c.text;
  EXPECT_EQ(drawing::Escaped("<a href='x'>&amp;</a>"),
            "&lt;a href=&apos;x&apos;&gt;&amp;amp;&lt;/a&gt;");
}

}  // namespace
