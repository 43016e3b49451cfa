// The console seam handed to kernel32, call for call.
#include <algorithm>
#include <array>

#include "platform/console_api.h"
#include "platform/win32/records.h"

namespace platform {
namespace {

// The console layer writes at most one row piece of 256 cells per call.
constexpr int kStagedCells = 256;
constexpr std::uint32_t kStagedRecords = 16;

DWORD StdHandleId(StdStream stream) {
  switch (stream) {
    case StdStream::kInput:
      return STD_INPUT_HANDLE;
    case StdStream::kOutput:
      return STD_OUTPUT_HANDLE;
    case StdStream::kError:
      break;
  }
  return STD_ERROR_HANDLE;
}

void Report(std::uint32_t* out, DWORD value) {
  if (out != nullptr) *out = value;
}

// The part of `cells` that WriteConsoleOutputA would read for `region`: from the origin, as
// far as the region reaches and the buffer holds.
Coord UsedBlock(Coord buffer_size, Coord buffer_origin, const Rect& region) {
  const int width = std::min(region.right - region.left + 1, buffer_size.x - buffer_origin.x);
  const int height = std::min(region.bottom - region.top + 1, buffer_size.y - buffer_origin.y);
  return Coord{static_cast<std::int16_t>(std::max(width, 0)),
               static_cast<std::int16_t>(std::max(height, 0))};
}

template <typename Call>
bool TakeInput(Handle h, InputRecord* records, std::uint32_t count, std::uint32_t* read,
               Call call) {
  std::array<INPUT_RECORD, kStagedRecords> staged;
  DWORD got = 0;
  const DWORD wanted = std::min(count, kStagedRecords);
  const bool ok = call(h, staged.data(), wanted, &got) != FALSE;
  if (!ok) got = 0;
  for (DWORD i = 0; i < got; ++i) records[i] = win32::FromInputRecord(staged[i]);
  Report(read, got);
  return ok;
}

}  // namespace

Handle StdHandle(StdStream stream) {
  return GetStdHandle(StdHandleId(stream));
}

Handle OpenKeyboard() {
  return CreateFileA("CONIN$", GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
}

bool GetMode(Handle h, std::uint32_t* mode) {
  DWORD value = 0;
  const bool ok = GetConsoleMode(h, &value) != FALSE;
  if (ok) Report(mode, value);
  return ok;
}

bool SetMode(Handle h, std::uint32_t mode) {
  return SetConsoleMode(h, mode) != FALSE;
}

bool GetCursorInfo(Handle h, CursorInfo* info) {
  CONSOLE_CURSOR_INFO value{};
  if (GetConsoleCursorInfo(h, &value) == FALSE) return false;
  info->size = value.dwSize;
  info->visible = value.bVisible != FALSE;
  return true;
}

bool SetCursorInfo(Handle h, const CursorInfo& info) {
  const CONSOLE_CURSOR_INFO value{info.size, info.visible ? TRUE : FALSE};
  return SetConsoleCursorInfo(h, &value) != FALSE;
}

bool GetScreenInfo(Handle h, ScreenInfo* info) {
  CONSOLE_SCREEN_BUFFER_INFO value{};
  if (GetConsoleScreenBufferInfo(h, &value) == FALSE) return false;
  info->size = win32::FromCoord(value.dwSize);
  info->cursor = win32::FromCoord(value.dwCursorPosition);
  info->attr = value.wAttributes;
  return true;
}

bool SetCursorPosition(Handle h, Coord at) {
  return SetConsoleCursorPosition(h, win32::ToCoord(at)) != FALSE;
}

bool SetTextAttribute(Handle h, std::uint16_t attr) {
  return SetConsoleTextAttribute(h, attr) != FALSE;
}

bool FillCharacter(Handle h, std::uint8_t ch, std::uint32_t count, Coord from,
                   std::uint32_t* written) {
  DWORD done = 0;
  const bool ok = FillConsoleOutputCharacterA(h, static_cast<CHAR>(ch), count, win32::ToCoord(from),
                                              &done) != FALSE;
  Report(written, done);
  return ok;
}

bool FillAttribute(Handle h, std::uint16_t attr, std::uint32_t count, Coord from,
                   std::uint32_t* written) {
  DWORD done = 0;
  const bool ok = FillConsoleOutputAttribute(h, attr, count, win32::ToCoord(from), &done) != FALSE;
  Report(written, done);
  return ok;
}

// Only the cells the console will read are staged, on the stack; a request that needs more
// than the staging area holds fails and writes nothing.
bool WriteCells(Handle h, const Cell* cells, Coord buffer_size, Coord buffer_origin, Rect* region) {
  if (buffer_origin.x < 0 || buffer_origin.y < 0) return false;
  const Coord block = UsedBlock(buffer_size, buffer_origin, *region);
  if (block.x == 0 || block.y == 0 || block.x * block.y > kStagedCells) return false;
  std::array<CHAR_INFO, kStagedCells> staged;
  for (int row = 0; row < block.y; ++row) {
    const Cell* from = cells + (buffer_origin.y + row) * buffer_size.x + buffer_origin.x;
    for (int col = 0; col < block.x; ++col) {
      staged[row * block.x + col] = win32::ToCharInfo(from[col]);
    }
  }
  SMALL_RECT target = win32::ToSmallRect(*region);
  const bool ok =
      WriteConsoleOutputA(h, staged.data(), win32::ToCoord(block), COORD{0, 0}, &target) != FALSE;
  *region = win32::FromSmallRect(target);
  return ok;
}

bool ScrollBuffer(Handle h, const Rect& source, const Rect* clip, Coord destination,
                  const Cell& fill) {
  const SMALL_RECT from = win32::ToSmallRect(source);
  SMALL_RECT limit{};
  if (clip != nullptr) limit = win32::ToSmallRect(*clip);
  const CHAR_INFO blank = win32::ToCharInfo(fill);
  return ScrollConsoleScreenBufferA(h, &from, clip != nullptr ? &limit : nullptr,
                                    win32::ToCoord(destination), &blank) != FALSE;
}

bool PeekInput(Handle h, InputRecord* records, std::uint32_t count, std::uint32_t* read) {
  return TakeInput(h, records, count, read, PeekConsoleInputA);
}

bool ReadInput(Handle h, InputRecord* records, std::uint32_t count, std::uint32_t* read) {
  return TakeInput(h, records, count, read, ReadConsoleInputA);
}

// The console input handle is signalled while its queue holds records, so a program waiting
// for a key sleeps in the system rather than looking at the queue again and again. A keyboard
// that could not be opened is INVALID_HANDLE_VALUE, which is also the process's own handle: a
// wait on it would last until the process ends.
bool WaitForInput(Handle keyboard, std::uint32_t milliseconds) {
  static_assert(kUntilInput == INFINITE);
  if (keyboard == nullptr || keyboard == INVALID_HANDLE_VALUE) return false;
  return WaitForSingleObject(keyboard, milliseconds) == WAIT_OBJECT_0;
}

}  // namespace platform
