#include "platform/win32/records.h"

namespace platform::win32 {

CHAR_INFO ToCharInfo(const Cell& cell) {
  CHAR_INFO info{};
  info.Char.AsciiChar = static_cast<CHAR>(cell.ch);
  info.Attributes = cell.attr;
  return info;
}

InputRecord FromInputRecord(const INPUT_RECORD& record) {
  InputRecord out;
  out.event_type = record.EventType;
  if (record.EventType != KEY_EVENT) {
    out.key_down = false;
    out.repeat_count = 0;
    return out;
  }
  const KEY_EVENT_RECORD& key = record.Event.KeyEvent;
  out.key_down = key.bKeyDown != FALSE;
  out.repeat_count = key.wRepeatCount;
  out.virtual_key = key.wVirtualKeyCode;
  out.scan_code = key.wVirtualScanCode;
  // CHAR is signed: bytes 128 to 255 must not come out negative.
  out.ch = static_cast<std::uint8_t>(key.uChar.AsciiChar);
  out.control_state = key.dwControlKeyState;
  return out;
}

}  // namespace platform::win32
