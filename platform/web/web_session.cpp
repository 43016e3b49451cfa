#include "platform/web/web_session.h"

#include <utility>
#include <vector>

#include "platform/cp437.h"
#include "platform/web/page_bridge.h"
#include "platform/web/web_page.h"
#include "platform/web/web_state.h"

namespace platform::web {
namespace {

page::Screen ScreenOf(const VirtualConsole& c) {
  page::Screen s;
  s.width = c.width();
  s.height = c.height();
  s.characters.reserve(c.cells().size());
  s.attributes.reserve(c.cells().size());
  for (const Cell& cell : c.cells()) {
    s.characters.push_back(
        static_cast<std::uint16_t>(cell.ch == 0 ? U' ' : Cp437ToUnicode(cell.ch)));
    s.attributes.push_back(cell.attr);
  }
  s.cursor = c.cursor();
  s.cursor_info = c.cursor_info();
  return s;
}

}  // namespace

WebState& State() {
  static WebState state;
  return state;
}

void ShowBesideScreen(std::string svg) {
  State().beside_screen = std::move(svg);
  State().beside_screen_pending = true;
}

void Present() {
  WebState& s = State();
  page::ShowScreen(ScreenOf(s.console));
  if (s.beside_screen_pending) {
    page::ShowBesideScreen(s.beside_screen);
    s.beside_screen_pending = false;
  }
}

void TakeWaitingKeys() {
  WebState& s = State();
  std::vector<InputRecord> records;
  page::Event e;
  while (page::TakeEvent(&e)) {
    if (e.kind == page::Event::kCharacter) {
      TypeCharacter(e.character, &records);
    } else if (const auto r = s.keys.Record(BrowserKey{e.down, e.code, e.character, e.modifiers})) {
      records.push_back(*r);
    }
  }
  s.console.input().insert(s.console.input().end(), records.begin(), records.end());
}

// Some events give no record (a key with no place on a PC keyboard): the wait goes on.
void WaitForKeys() {
  WebState& s = State();
  Present();
  while (s.console.input().empty()) {
    page::WaitForEvent();
    TakeWaitingKeys();
  }
}

}  // namespace platform::web
