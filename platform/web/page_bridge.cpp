#include "platform/web/page_bridge.h"

#include <emscripten.h>

// The page's side lives in web/page.js, as Module.page.

// clang-format off
EM_JS(void, sorvanta_page_show_screen,
      (const std::uint16_t* characters, const std::uint16_t* attributes, int width, int height,
       int cursor_x, int cursor_y, int cursor_visible, int cursor_size), {
  const n = width * height;
  Module.page.showScreen({
    width: width,
    height: height,
    characters: HEAPU16.slice(characters >> 1, (characters >> 1) + n),
    attributes: HEAPU16.slice(attributes >> 1, (attributes >> 1) + n),
    cursor: {x: cursor_x, y: cursor_y, visible: cursor_visible != 0, size: cursor_size}
  });
});

EM_JS(int, sorvanta_page_take_event, (int* fields, char* code, int code_size), {
  const e = Module.page.takeEvent();
  if (!e) return 0;
  HEAP32[fields >> 2] = e.kind;
  HEAP32[(fields >> 2) + 1] = e.down ? 1 : 0;
  HEAP32[(fields >> 2) + 2] = e.character;
  HEAP32[(fields >> 2) + 3] = e.modifiers;
  stringToUTF8(e.code, code, code_size);
  return 1;
});

EM_ASYNC_JS(void, sorvanta_page_wait_for_event, (), {
  await Module.page.nextEvent();
});

EM_ASYNC_JS(void, sorvanta_page_message_box, (const char* message, const char* caption), {
  await Module.page.messageBox(UTF8ToString(message), UTF8ToString(caption));
});

EM_JS(void, sorvanta_page_set_title, (const char* title), {
  Module.page.setTitle(UTF8ToString(title));
});

EM_JS(void, sorvanta_page_beep, (), {
  Module.page.beep();
});

EM_JS(void, sorvanta_page_show_results, (const char* json), {
  Module.page.showResults(UTF8ToString(json));
});
// clang-format on

namespace platform::web::page {

void ShowScreen(const Screen& s) {
  sorvanta_page_show_screen(s.characters.data(), s.attributes.data(), s.width, s.height, s.cursor.x,
                            s.cursor.y, s.cursor_info.visible ? 1 : 0,
                            static_cast<int>(s.cursor_info.size));
}

bool TakeEvent(Event* event) {
  // KeyboardEvent.code names are short ASCII words; a longer one is cut, and then names no key.
  char code[64] = {};
  int fields[4] = {};
  if (sorvanta_page_take_event(fields, code, sizeof code) == 0) return false;
  event->kind = fields[0];
  event->down = fields[1] != 0;
  event->character = static_cast<char32_t>(fields[2]);
  event->modifiers = static_cast<std::uint32_t>(fields[3]);
  event->code = code;
  return true;
}

void WaitForEvent() {
  sorvanta_page_wait_for_event();
}

void ShowMessageBox(const std::string& message, const std::string& caption) {
  sorvanta_page_message_box(message.c_str(), caption.c_str());
}

void SetTitle(const std::string& title) {
  sorvanta_page_set_title(title.c_str());
}

void Beep() {
  sorvanta_page_beep();
}

void ShowResults(const std::string& json) {
  sorvanta_page_show_results(json.c_str());
}

}  // namespace platform::web::page
