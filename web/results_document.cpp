#include "web/results_document.h"

#include <string>
#include <vector>

#include "app/setup_sheet.h"
#include "app/setup_sheet_text.h"
#include "drawing/layout_drawing.h"
#include "platform/cp437.h"
#include "web/json_text.h"

namespace web {
namespace {

// The program's own text (code page 437) as a JSON string.
std::string Text(const std::string& text) {
  return JsonString(platform::Utf8Of(text));
}

template <typename Item, typename Write>
std::string List(const std::vector<Item>& items, Write write) {
  std::string out = "[";
  for (const Item& item : items) out += (out.size() > 1 ? "," : "") + write(item);
  return out + "]";
}

std::string Texts(const std::vector<std::string>& texts) {
  return List(texts, Text);
}

std::string Sheet(const app::SetupSheetText& s) {
  const auto spacing = [](const app::LabelledValue& v) {
    return "{\"label\":" + Text(v.label) + ",\"value\":" + Text(v.value) + "}";
  };
  return "{\"title\":" + Text(s.title) + ",\"before\":" + Texts(s.before_table) +
         ",\"header\":" + Texts(s.header) + ",\"rows\":" + List(s.rows, Texts) +
         ",\"after\":" + Texts(s.after_table) + ",\"spacingsCaption\":" + Text(s.spacings_caption) +
         ",\"spacings\":" + List(s.spacings, spacing) + ",\"closing\":" + Texts(s.closing) + "}";
}

// The six answers as the program stored them, in UTF-8.
std::vector<std::string> AnswerTexts(const app::Answers& a) {
  std::vector<std::string> texts;
  for (const std::string* answer : {&a.front_back_limit, &a.front_width_limit, &a.surround_fixed,
                                    &a.surround_width, &a.surround_height, &a.surround_angle})
    texts.push_back(platform::Utf8Of(*answer));
  return texts;
}

}  // namespace

std::string ResultsDocument(const app::Results& results) {
  const std::vector<std::string> answers = AnswerTexts(results.answers);
  return "{\"answers\":" + List(answers, JsonString) +
         ",\"drawing\":" + JsonString(drawing::LayoutSvg(results.layout, answers)) +
         ",\"sheet\":" + Sheet(app::SheetText(app::ComputeSetupSheet(results.layout))) + "}";
}

}  // namespace web
