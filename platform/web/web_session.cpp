// The web platform's session: the page as the console window, from the start to the end.
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

void ShowResults(std::string json) {
  State().results = std::move(json);
  State().results_pending = true;
}

}  // namespace platform::web

// The page as the console window: presenting the console on it, taking the keys it queued, and
// waiting for them without using the processor. The page is there from the start to the end.
namespace platform::presented {

using web::State;
using web::WebState;
namespace page = web::page;

PresentedConsole& Console() {
  return State();
}

bool Attached() {
  return true;
}

bool StreamIsConsole(StdStream) {
  return true;
}

bool OpenSession(std::string*) {
  return true;
}

// The last screen stays on the page once the program has ended.
void CloseSession() {
  Present();
}

void Present() {
  WebState& s = State();
  page::ShowScreen(web::ScreenOf(s.console));
  if (s.results_pending) {
    page::ShowResults(s.results);
    s.results_pending = false;
  }
}

void TakeWaitingKeys(std::vector<InputRecord>* keys) {
  WebState& s = State();
  page::Event e;
  while (page::TakeEvent(&e)) {
    if (e.kind == page::Event::kCharacter) {
      web::TypeCharacter(e.character, keys);
    } else if (const auto r =
                   s.keys.Record(web::BrowserKey{e.down, e.code, e.character, e.modifiers})) {
      keys->push_back(*r);
    }
  }
}

// Some events give no record (a key with no place on a PC keyboard): the wait goes on.
void WaitForKeys(std::vector<InputRecord>* keys) {
  Present();
  const std::size_t before = keys->size();
  while (keys->size() == before) {
    web::page::WaitForEvent();
    TakeWaitingKeys(keys);
  }
}

}  // namespace platform::presented
