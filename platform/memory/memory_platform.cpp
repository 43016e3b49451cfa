// The test controls of the memory platform.
#include "platform/memory/memory_platform.h"

#include <stdexcept>

#include "platform/memory/memory_state.h"

namespace platform::memory {
namespace {

void CheckCell(int row, int column) {
  const VirtualConsole& c = State().console;
  if (row < 1 || row > c.height() || column < 1 || column > c.width()) {
    throw std::out_of_range("no cell at row " + std::to_string(row) + ", column " +
                            std::to_string(column) + " of a " + std::to_string(c.width()) + " x " +
                            std::to_string(c.height()) + " console");
  }
}

void QueueWithRelease(const InputRecord& press) {
  Queue(press);
  Queue(keyboard::Released(press));
}

}  // namespace

void Reset(const Options& options) {
  MemoryState& s = State();
  s = MemoryState{};
  s.options = options;
  s.console = VirtualConsole(options.width, options.height);
  s.console.SetCursorInfo(options.cursor);
}

VirtualConsole& Console() {
  return State().console;
}

void Type(std::string_view text, std::uint32_t control_state) {
  for (const char ch : text) {
    QueueWithRelease(keyboard::Typed(static_cast<std::uint8_t>(ch), control_state));
  }
}

void Press(keyboard::Key key, std::uint32_t control_state) {
  QueueWithRelease(keyboard::Press(key, control_state));
}

void Queue(const InputRecord& record) {
  State().console.input().push_back(record);
}

std::size_t QueuedRecords() {
  return State().console.input().size();
}

std::string Row(int row) {
  CheckCell(row, 1);
  const VirtualConsole& c = State().console;
  std::string text(static_cast<std::size_t>(c.width()), ' ');
  for (int x = 0; x < c.width(); ++x) {
    text[static_cast<std::size_t>(x)] = static_cast<char>(c.at(x, row - 1).ch);
  }
  return text;
}

std::uint16_t Attr(int row, int column) {
  CheckCell(row, column);
  return State().console.at(column - 1, row - 1).attr;
}

int CursorRowOnScreen() {
  return State().console.cursor().y + 1;
}

int CursorColumn() {
  return State().console.cursor().x + 1;
}

const std::vector<std::string>& WindowCalls() {
  return State().window_calls;
}

const std::vector<std::string>& KeptAfterExit() {
  return State().kept_after_exit;
}

std::uint32_t ModeOf(StdStream stream) {
  switch (stream) {
    case StdStream::kInput:
      return State().modes[static_cast<int>(Slot::kInput)];
    case StdStream::kOutput:
      return State().modes[static_cast<int>(Slot::kOutput)];
    case StdStream::kError:
      return State().modes[static_cast<int>(Slot::kError)];
  }
  return 0;
}

std::uint32_t KeyboardMode() {
  return State().modes[static_cast<int>(Slot::kKeyboard)];
}

Handle KeyboardHandle() {
  return HandleOf(Slot::kKeyboard);
}

const std::vector<CursorInfo>& CursorInfoCalls() {
  return State().cursor_info_calls;
}

const std::vector<std::uint32_t>& Waits() {
  return State().waits;
}

}  // namespace platform::memory
