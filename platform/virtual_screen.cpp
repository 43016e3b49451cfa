// The seam's screen calls on a virtual console. The cursor-shape calls are each platform's own
// (the memory platform records them); the terminal and web platforms share theirs.
#include "platform/virtual_screen.h"

namespace platform {
namespace {

using virtual_screen::ScreenOf;

bool Count(std::uint32_t n, std::uint32_t* out) {
  if (out != nullptr) *out = n;
  return true;
}

}  // namespace

bool GetScreenInfo(Handle h, ScreenInfo* info) {
  const VirtualConsole* console = ScreenOf(h);
  if (console == nullptr || info == nullptr) return false;
  *info = console->Info();
  return true;
}

bool SetCursorPosition(Handle h, Coord at) {
  VirtualConsole* console = ScreenOf(h);
  return console != nullptr && console->SetCursorPosition(at);
}

bool SetTextAttribute(Handle h, std::uint16_t attr) {
  VirtualConsole* console = ScreenOf(h);
  if (console == nullptr) return false;
  console->SetAttr(attr);
  return true;
}

bool FillCharacter(Handle h, std::uint8_t ch, std::uint32_t count, Coord from,
                   std::uint32_t* written) {
  VirtualConsole* console = ScreenOf(h);
  return console != nullptr && Count(console->FillCharacter(ch, count, from), written);
}

bool FillAttribute(Handle h, std::uint16_t attr, std::uint32_t count, Coord from,
                   std::uint32_t* written) {
  VirtualConsole* console = ScreenOf(h);
  return console != nullptr && Count(console->FillAttribute(attr, count, from), written);
}

bool WriteCells(Handle h, const Cell* cells, Coord buffer_size, Coord buffer_origin, Rect* region) {
  VirtualConsole* console = ScreenOf(h);
  return console != nullptr && console->WriteCells(cells, buffer_size, buffer_origin, region);
}

bool ScrollBuffer(Handle h, const Rect& source, const Rect* clip, Coord destination,
                  const Cell& fill) {
  VirtualConsole* console = ScreenOf(h);
  return console != nullptr && console->Scroll(source, clip, destination, fill);
}

}  // namespace platform
