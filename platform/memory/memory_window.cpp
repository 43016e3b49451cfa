// The window services of the seam on the memory platform: every call is logged for the tests;
// the size change reaches the virtual console, the message box takes its closing key from the
// script, and the text kept after the program is recorded.
#include <string>

#include "platform/memory/memory_platform.h"
#include "platform/memory/memory_state.h"
#include "platform/window_api.h"

namespace platform::window {
namespace {

void Log(std::string call) {
  memory::State().window_calls.push_back(std::move(call));
}

std::string Quoted(const char* text) {
  return "\"" + std::string(text == nullptr ? "" : text) + "\"";
}

bool ClosesBox(const InputRecord& r) {
  return r.event_type == kKeyEvent && r.key_down &&
         (r.virtual_key == 0x0D || r.virtual_key == 0x20 || r.virtual_key == 0x1B);
}

bool IsReleaseOf(const InputRecord& release, const InputRecord& press) {
  return release.event_type == kKeyEvent && !release.key_down &&
         release.virtual_key == press.virtual_key && release.scan_code == press.scan_code;
}

// Like a modal box, it swallows every other record until one of its closing keys.
void WaitForClosingKey() {
  auto& queue = memory::State().console.input();
  for (;;) {
    if (queue.empty()) {
      throw memory::ScriptExhausted(
          "the program shows a message box and the script has no key left to close it");
    }
    const InputRecord record = queue.front();
    queue.pop_front();
    if (!ClosesBox(record)) continue;
    if (!queue.empty() && IsReleaseOf(queue.front(), record)) queue.pop_front();
    return;
  }
}

char instance_token;

}  // namespace

void* InstanceHandle() {
  return &instance_token;
}

void Init(void*) {
  Log("Init()");
}

void ToolBar(int style, int buttons) {
  Log("ToolBar(" + std::to_string(style) + ", " + std::to_string(buttons) + ")");
}

void SetTitle(const char* title) {
  Log("SetTitle(" + Quoted(title) + ")");
}

void SetIcon(int resource_id) {
  Log("SetIcon(" + std::to_string(resource_id) + ")");
}

void DeleteMenuItem(int item) {
  Log("DeleteMenuItem(" + std::to_string(item) + ")");
}

void Resize80x(int rows) {
  Log("Resize80x(" + std::to_string(rows) + ")");
  memory::State().console.Resize(80, rows);
}

void Move(int x, int y) {
  Log("Move(" + std::to_string(x) + ", " + std::to_string(y) + ")");
}

void MessageBox(const char* message, const char* caption) {
  Log("MessageBox(" + Quoted(message) + ", " + Quoted(caption) + ")");
  WaitForClosingKey();
}

void Beep(std::uint32_t type) {
  Log("Beep(" + std::to_string(type) + ")");
}

// Kept apart from the window calls: its text is long, and the tests read it whole.
void KeepAfterExit(const char* text) {
  memory::State().kept_after_exit.emplace_back(text == nullptr ? "" : text);
}

}  // namespace platform::window
