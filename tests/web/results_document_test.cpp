// The results document the page is given, read back with node's own JSON.parse, as the page
// reads it: every control character, quotes, backslashes, non-ASCII text and bytes that are no
// UTF-8 through the escaper, and the answers, the drawing and the sheet through the document,
// against the program's own texts and, for the first worked example, known figures.
#include <emscripten.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/geometry.h"
#include "app/results.h"
#include "app/setup_sheet.h"
#include "app/setup_sheet_text.h"
#include "drawing/layout_drawing.h"
#include "platform/cp437.h"
#include "web/json_text.h"
#include "web/results_document.h"

namespace {

// clang-format off
// JSON.parse of `json`, then the part at `path` (names and indexes, dot-separated; empty for
// the whole): a string as it is, anything else as JSON.stringify writes it. -1 when `json` is
// no JSON or has no such part, so that a document the page could not read fails here too.
EM_JS(int, parsed_part, (const char* json, const char* path, char* out, int size), {
  let value;
  try {
    value = JSON.parse(UTF8ToString(json));
    const names = UTF8ToString(path);
    for (const name of names.length === 0 ? [] : names.split(".")) value = value[name];
  } catch (error) {
    return -1;
  }
  const text = typeof value === "string" ? value : String(JSON.stringify(value));
  stringToUTF8(text, out, size);
  return lengthBytesUTF8(text);
});
// clang-format on

std::string Part(const std::string& json, const std::string& path = "") {
  std::vector<char> out(json.size() * 4 + 64);
  const int length =
      parsed_part(json.c_str(), path.c_str(), out.data(), static_cast<int>(out.size()));
  EXPECT_GE(length, 0) << "no part " << path << " in " << json;
  return length < 0 ? std::string() : std::string(out.data(), static_cast<std::size_t>(length));
}

TEST(JsonString, EveryControlCharacterIsEscaped) {
  for (int c = 0; c < 0x20; ++c) {
    const std::string text = "a" + std::string(1, static_cast<char>(c)) + "b";
    const std::string json = web::JsonString(text);
    for (const char byte : json) EXPECT_GE(static_cast<unsigned char>(byte), 0x20) << c;
    EXPECT_EQ(Part(json), text) << c;
  }
}

TEST(JsonString, TextReadsBackAsItWas) {
  const std::vector<std::string> texts = {
      "",
      "\"",
      "\\",
      "\\\"",
      "end\\",
      "<b>6</b> & 'more' </script>",
      "\x7f del",
      "\xc3\xa9 \xe2\x99\xa5 \xe6\x9d\xb1\xe4\xba\xac \xf0\x9f\x8e\xb5",  // é ♥ 東京 🎵
      "\xe2\x80\xa8\xe2\x80\xa9",      // the line and paragraph separators
      "\xef\xbf\xbf\xf4\x8f\xbf\xbf",  // U+FFFF and U+10FFFF, the last of each length
  };
  for (const std::string& text : texts) EXPECT_EQ(Part(web::JsonString(text)), text) << text;
  EXPECT_EQ(web::JsonString("a\"b\\c\n"), "\"a\\\"b\\\\c\\u000a\"");
}

// Each byte that begins no valid sequence stands for U+FFFD, and the text after it is kept:
// a lead byte never swallows the quote or the characters that follow it.
TEST(JsonString, BytesThatAreNoUtf8BecomeReplacementCharacters) {
  const std::string r = "\xef\xbf\xbd";
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"\x80", r},                          // a continuation byte alone
      {"a\xc3", "a" + r},                   // a lead byte at the end
      {"\xc3\"", r + "\""},                 // a lead byte before the quote
      {"\xc0\x80", r + r},                  // an overlong NUL
      {"\xe0\x80\x80", r + r + r},          // an overlong three-byte form
      {"\xed\xa0\x80", r + r + r},          // a surrogate
      {"\xf4\x90\x80\x80", r + r + r + r},  // past U+10FFFF
      {"\xf5\xff", r + r},
      {"\xe2\x99x", r + r + "x"},  // a sequence cut short
  };
  for (const auto& [bytes, read] : cases) EXPECT_EQ(Part(web::JsonString(bytes)), read) << bytes;
}

std::string DocumentOf(const app::Answers& answers) {
  const app::Layout layout = app::ComputeLayout(answers);
  return web::ResultsDocument(app::Results{answers, layout});
}

// Every text of the sheet is where the page looks for it, as the program wrote it.
void ExpectSheet(const std::string& json, const app::SetupSheetText& text) {
  const auto texts = [&](const std::string& path, const std::vector<std::string>& want) {
    EXPECT_EQ(Part(json, path + ".length"), std::to_string(want.size())) << path;
    for (std::size_t i = 0; i < want.size(); ++i)
      EXPECT_EQ(Part(json, path + "." + std::to_string(i)), platform::Utf8Of(want[i])) << path;
  };
  EXPECT_EQ(Part(json, "sheet.title"), text.title);
  texts("sheet.before", text.before_table);
  texts("sheet.header", text.header);
  EXPECT_EQ(Part(json, "sheet.rows.length"), std::to_string(text.rows.size()));
  for (std::size_t i = 0; i < text.rows.size(); ++i)
    texts("sheet.rows." + std::to_string(i), text.rows[i]);
  texts("sheet.after", text.after_table);
  EXPECT_EQ(Part(json, "sheet.spacingsCaption"), text.spacings_caption);
  EXPECT_EQ(Part(json, "sheet.spacings.length"), std::to_string(text.spacings.size()));
  for (std::size_t i = 0; i < text.spacings.size(); ++i) {
    const std::string at = "sheet.spacings." + std::to_string(i);
    EXPECT_EQ(Part(json, at + ".label"), text.spacings[i].label);
    EXPECT_EQ(Part(json, at + ".value"), text.spacings[i].value);
  }
  texts("sheet.closing", text.closing);
}

TEST(ResultsDocument, HoldsTheAnswersTheDrawingAndTheSheet) {
  const std::vector<app::Answers> cases = {
      {"5", "4", "N", "6", "0.5", "110"},      {"3", "2", "Y", "4", "0.5", "120"},
      {"1", "1", "N", "2", "2", "100"},        {"0", "0", "N", "0", "0", "100"},
      {"", "abc", "Y", "1E400", "-1", "&H6E"},
  };
  for (const app::Answers& a : cases) {
    SCOPED_TRACE(a.front_back_limit + " " + a.front_width_limit + " " + a.surround_fixed);
    const std::string json = DocumentOf(a);
    const app::Layout layout = app::ComputeLayout(a);
    const std::vector<std::string> answers = {a.front_back_limit, a.front_width_limit,
                                              a.surround_fixed,   a.surround_width,
                                              a.surround_height,  a.surround_angle};
    EXPECT_EQ(Part(json, "answers.length"), "6");
    for (std::size_t i = 0; i < answers.size(); ++i)
      EXPECT_EQ(Part(json, "answers." + std::to_string(i)), answers[i]);
    EXPECT_EQ(Part(json, "drawing"), drawing::LayoutSvg(layout, answers));
    ExpectSheet(json, app::SheetText(app::ComputeSetupSheet(layout)));
  }
}

// Known figures of the first worked example, so that a document that moved every text to
// another place could not pass on the comparisons above alone.
TEST(ResultsDocument, FirstWorkedExampleInPlace) {
  const std::string json = DocumentOf({"5", "4", "N", "6", "0.5", "110"});
  EXPECT_EQ(Part(json, "answers"), "[\"5\",\"4\",\"N\",\"6\",\"0.5\",\"110\"]");
  EXPECT_EQ(Part(json, "sheet.header.4"), "Distance");
  EXPECT_EQ(
      Part(json, "sheet.rows.3"),
      "[\"LS surround left\",\"-1.09\",\"left 3.00\",\"0.50\",\"3.23\",\"110.0\",\"down 8.9\"]");
  EXPECT_EQ(Part(json, "sheet.spacings.1"), "{\"label\":\"C to L\",\"value\":\"1.67\"}");
  EXPECT_EQ(Part(json, "sheet.closing"),
            "[\"The front-back spacing and front width are within the limits you gave.\"]");
  EXPECT_NE(Part(json, "drawing").find("listening distance 3.23"), std::string::npos);
}

// The answers are the program's code page 437 bytes: on the page, the characters they show as.
TEST(ResultsDocument, AnswersInUtf8) {
  const std::string json = DocumentOf({"\x82t\xe9", "<b>\"4\"</b>\\", "N", "6", "0.5", "110"});
  EXPECT_EQ(Part(json, "answers.0"), "\xc3\xa9t\xce\x98");  // étΘ
  EXPECT_EQ(Part(json, "answers.1"), "<b>\"4\"</b>\\");
  EXPECT_NE(Part(json, "drawing").find("\xc3\xa9t\xce\x98"), std::string::npos);
}

// A layout that cannot be placed: the sheet says why, and has no table.
TEST(ResultsDocument, UnplaceableSheetHasNoTable) {
  const std::string json = DocumentOf({"1", "1", "N", "2", "2", "100"});
  EXPECT_EQ(Part(json, "sheet.rows"), "[]");
  EXPECT_EQ(Part(json, "sheet.spacings"), "[]");
  EXPECT_EQ(Part(json, "sheet.before.0").rfind("These answers give no layout to place: ", 0), 0u);
}

}  // namespace
