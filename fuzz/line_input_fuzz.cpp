// ReadLine on random key records (any event type, press or release, any character, scan code
// and control state), the queue ended by Enter, on a memory console of random size with the
// cursor anywhere. The line must be exactly what a plain reference keeps: printable bytes 32 to
// 255 appended, Backspace taking the last one off, nothing past 10000 bytes, all else ignored.
// The records after the Enter that ended the line stay queued, and while the echo never had to
// go back above the top of the screen, the screen shows the line where it was typed.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "console/console.h"
#include "platform/memory/memory_platform.h"

namespace {

using platform::InputRecord;
namespace memory = platform::memory;

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

constexpr std::size_t kCapacity = 10000;

// With Caps Lock on, these keys give their unshifted or shifted character by Shift alone.
struct CapsKey {
  std::uint8_t scan;
  const char* pair;
};
constexpr CapsKey kCapsKeys[] = {
    {0x02, "1!"}, {0x03, "2@"}, {0x04, "3#"}, {0x05, "4$"},  {0x06, "5%"}, {0x07, "6^"},
    {0x08, "7&"}, {0x09, "8*"}, {0x0A, "9("}, {0x0B, "0)"},  {0x0C, "-_"}, {0x0D, "=+"},
    {0x1A, "[{"}, {0x1B, "]}"}, {0x27, ";:"}, {0x28, "'\""}, {0x29, "`~"}, {0x2B, "\\|"},
    {0x33, ",<"}, {0x34, ".>"}, {0x35, "/?"},
};

bool LetterKey(std::uint8_t scan) {
  return (scan >= 0x10 && scan <= 0x19) || (scan >= 0x1E && scan <= 0x26) ||
         (scan >= 0x2C && scan <= 0x32);
}

// The character a record types, 0 for none.
std::uint8_t Typed(const InputRecord& r) {
  if (r.event_type != platform::kKeyEvent || !r.key_down || r.ch == 0) return 0;
  const auto scan = static_cast<std::uint8_t>(r.scan_code);
  const bool alt =
      (r.control_state & (platform::kLeftAltPressed | platform::kRightAltPressed)) != 0;
  if (alt && LetterKey(scan)) return 0;
  if ((r.control_state & platform::kCapsLockOn) == 0) return r.ch;
  if (scan == 0x01) return 27;  // Escape's key, whatever character it came with
  const bool shift = (r.control_state & platform::kShiftPressed) != 0;
  for (const CapsKey& k : kCapsKeys) {
    if (k.scan != scan) continue;
    const auto plain = static_cast<std::uint8_t>(k.pair[0]);
    const auto shifted = static_cast<std::uint8_t>(k.pair[1]);
    if (shift && r.ch == plain) return shifted;
    if (!shift && r.ch == shifted) return plain;
  }
  return r.ch;
}

struct Reference {
  std::string line;
  std::size_t longest = 0;  // the most bytes the line ever held
  bool last_typed = false;  // the last key that changed the line added to it
  std::size_t records_used = 0;
};

Reference Expected(const std::vector<InputRecord>& records) {
  Reference ref;
  for (const InputRecord& r : records) {
    ++ref.records_used;
    const std::uint8_t c = Typed(r);
    if (c == 13) break;
    if (c == 8) {
      if (!ref.line.empty()) {
        ref.line.pop_back();
        ref.last_typed = false;
      }
    } else if (c >= 32 && ref.line.size() < kCapacity) {
      ref.line.push_back(static_cast<char>(c));
      ref.longest = std::max(ref.longest, ref.line.size());
      ref.last_typed = true;
    }
  }
  return ref;
}

InputRecord RandomRecord(FuzzedDataProvider& in) {
  InputRecord r;
  const std::uint8_t kind = in.ConsumeIntegral<std::uint8_t>();
  r.event_type = kind < 240 ? platform::kKeyEvent : static_cast<std::uint16_t>(1u << (kind % 5));
  r.key_down = in.ConsumeIntegralInRange(0, 3) != 0;
  r.scan_code = in.ConsumeIntegral<std::uint8_t>() | (in.ConsumeBool() ? 0 : 0x100);
  r.ch = in.ConsumeIntegral<std::uint8_t>();
  if (in.ConsumeBool()) r.ch = static_cast<std::uint8_t>(in.ConsumeBool() ? 8 : 32 + r.ch % 95);
  r.control_state = in.ConsumeIntegral<std::uint16_t>() & 0x1FF;
  r.virtual_key = in.ConsumeIntegral<std::uint8_t>();
  return r;
}

// Long lines without a long input: a run of one printable key.
void AddRecords(FuzzedDataProvider& in, std::vector<InputRecord>* records) {
  const InputRecord r = RandomRecord(in);
  const std::size_t repeat =
      in.ConsumeIntegralInRange(0, 63) == 0 ? in.ConsumeIntegralInRange<std::size_t>(1, 10050) : 1;
  records->insert(records->end(), repeat, r);
}

// The echo, counted in cells from the first character, stands on the screen shifted up by the
// scrolls it caused, and by those of the line end. Checked only where the echo never had to go
// back above the top row.
void CheckEcho(const Reference& ref, int x0, int y0) {
  const platform::VirtualConsole& c = memory::Console();
  const long long w = c.width();
  const long long h = c.height();
  const long long start = y0 * w + x0;
  const long long last = start + static_cast<long long>(ref.longest);  // one past
  const long long scrolls = last > start ? std::max(0LL, (last - 1) / w - (h - 1)) : 0;
  if (start < scrolls * w) return;
  // Where the cursor stood when Enter came, and whether the last cell of the screen had just
  // been written, leaving its scroll owed.
  const long long at = start + static_cast<long long>(ref.line.size());
  const bool owed = ref.last_typed && at % w == 0 && (at - 1) / w - scrolls == h - 1;
  const long long row = owed ? h - 1 : at / w - scrolls;
  const long long newline_scrolls = row + 1 < h ? 0 : owed ? 2 : 1;
  Check(c.cursor().y == (row + 1 < h ? row + 1 : h - 1));
  const long long top = (scrolls + newline_scrolls) * w;
  for (long long p = std::max(start, top); p < last && p < top + w * h; ++p) {
    const std::size_t i = static_cast<std::size_t>(p - start);
    const std::uint8_t want = i < ref.line.size() ? static_cast<std::uint8_t>(ref.line[i]) : ' ';
    const platform::Cell& cell =
        c.at(static_cast<int>((p - top) % w), static_cast<int>((p - top) / w));
    Check(cell.ch == want && cell.attr == 0xF0);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  memory::Options options;
  options.width = in.ConsumeIntegralInRange(1, 255);
  options.height = in.ConsumeIntegralInRange(1, 40);
  memory::Reset(options);
  console::ConsoleStartup();
  const int x0 = in.ConsumeIntegralInRange(0, options.width - 1);
  const int y0 = in.ConsumeIntegralInRange(0, options.height - 1);
  console::MoveCursor(y0 + 1, x0 + 1);
  console::SetColor(0, 15, 0);

  std::vector<InputRecord> records;
  while (in.remaining_bytes() > 0 && records.size() < 12000) AddRecords(in, &records);
  records.push_back(platform::keyboard::Typed('\r'));
  const InputRecord after = platform::keyboard::Typed('z');
  records.push_back(after);
  for (const InputRecord& r : records) memory::Queue(r);

  const Reference ref = Expected(records);
  const std::string line = console::ReadLine();
  Check(line == ref.line);
  Check(memory::QueuedRecords() == records.size() - ref.records_used);
  Check(memory::CursorColumn() == 1);
  CheckEcho(ref, x0, y0);
  return 0;
}
