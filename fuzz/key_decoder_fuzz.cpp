// The terminal's key decoder on arbitrary byte streams. The first bytes choose the terminal's
// key strings and how the stream is cut into reads; the rest is the stream itself. Checked:
// - every key press is followed by its own release, and nothing else is ever produced;
// - no key appears without bytes to account for it;
// - after the final flush nothing is pending, and the decoder starts afresh: a following
//   printable byte is exactly that key;
// - reads cut anywhere give the same records as the whole stream in one read, as long as no
//   timeout (flush) falls between them;
// - with timeouts at random places the records are still well formed.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/keyboard_us.h"
#include "platform/terminal/key_decoder.h"

namespace {

using platform::InputRecord;
using platform::keyboard::Key;
using platform::terminal::KeyDecoder;

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

struct KeyString {
  const char* bytes;
  Key key;
};

// What xterm's and the Linux console's descriptions give for the named keys.
constexpr KeyString kXtermKeys[] = {
    {"\x1bOA", Key::kUp},      {"\x1bOB", Key::kDown},      {"\x1bOD", Key::kLeft},
    {"\x1bOC", Key::kRight},   {"\x1bOH", Key::kHome},      {"\x1bOF", Key::kEnd},
    {"\x1b[5~", Key::kPageUp}, {"\x1b[6~", Key::kPageDown}, {"\x1b[2~", Key::kInsert},
    {"\x1b[3~", Key::kDelete}, {"\x1bOP", Key::kF1},        {"\x1b[15~", Key::kF5},
    {"\x1b[24~", Key::kF12},
};
constexpr KeyString kLinuxKeys[] = {
    {"\x1b[A", Key::kUp},  {"\x1b[1~", Key::kHome}, {"\x1b[4~", Key::kEnd},
    {"\x1b[[A", Key::kF1}, {"\x1b[[E", Key::kF5},   {"\x1b[17~", Key::kF6},
};

KeyDecoder MakeDecoder(std::uint8_t which) {
  KeyDecoder d;
  if (which & 1)
    for (const KeyString& k : kXtermKeys) d.AddKeyString(k.bytes, k.key);
  if (which & 2)
    for (const KeyString& k : kLinuxKeys) d.AddKeyString(k.bytes, k.key);
  return d;
}

// A small generator so that the cuts depend on the input alone.
struct Cuts {
  std::uint32_t state;
  std::size_t Next(std::size_t most) {
    state = state * 1664525u + 1013904223u;
    return 1 + (state >> 8) % most;
  }
};

void CheckWellFormed(const std::vector<InputRecord>& records, std::size_t bytes) {
  Check(records.size() % 2 == 0);
  Check(records.size() / 2 <= bytes);  // every key takes at least one byte
  for (std::size_t i = 0; i < records.size(); i += 2) {
    const InputRecord& press = records[i];
    Check(press.event_type == platform::kKeyEvent && press.key_down);
    Check(press.repeat_count == 1);
    Check(records[i + 1] == platform::keyboard::Released(press));
  }
}

// After a flush the decoder holds nothing, and a printable byte is that key alone.
void CheckStartsAfresh(KeyDecoder& d) {
  Check(!d.pending());
  std::vector<InputRecord> out;
  d.Feed("q", &out);
  Check(out.size() == 2 && out[0] == platform::keyboard::Typed('q'));
  Check(!d.pending());
}

std::vector<InputRecord> WholeStream(std::uint8_t which, std::string_view stream) {
  KeyDecoder d = MakeDecoder(which);
  std::vector<InputRecord> out;
  d.Feed(stream, &out);
  d.Flush(&out);
  CheckStartsAfresh(d);
  return out;
}

// Cut into reads of 1 to `longest` bytes; a flush between reads when `flush_one_in` says so.
std::vector<InputRecord> CutStream(std::uint8_t which, std::string_view stream, Cuts cuts,
                                   std::size_t longest, std::size_t flush_one_in) {
  KeyDecoder d = MakeDecoder(which);
  std::vector<InputRecord> out;
  while (!stream.empty()) {
    const std::size_t n = std::min(stream.size(), cuts.Next(longest));
    d.Feed(stream.substr(0, n), &out);
    stream.remove_prefix(n);
    if (flush_one_in != 0 && cuts.Next(flush_one_in) == 1) {
      d.Flush(&out);
      Check(!d.pending());
    }
  }
  d.Flush(&out);
  CheckStartsAfresh(d);
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const std::uint8_t which = in.ConsumeIntegral<std::uint8_t>();
  const Cuts cuts{in.ConsumeIntegral<std::uint32_t>()};
  const std::size_t longest = 1 + in.ConsumeIntegralInRange<std::size_t>(0, 63);
  const std::size_t flush_one_in = in.ConsumeIntegralInRange<std::size_t>(1, 8);
  const std::string bytes = in.ConsumeRemainingBytesAsString();

  const std::vector<InputRecord> whole = WholeStream(which, bytes);
  CheckWellFormed(whole, bytes.size());
  const std::vector<InputRecord> cut = CutStream(which, bytes, cuts, longest, 0);
  Check(cut == whole);
  const std::vector<InputRecord> timed = CutStream(which, bytes, cuts, longest, flush_one_in);
  CheckWellFormed(timed, bytes.size());
  return 0;
}
