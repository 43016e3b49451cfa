// Faults the fuzzers found, each kept as the smallest input that showed it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/keyboard_us.h"
#include "platform/terminal/key_decoder.h"

namespace platform::terminal {
namespace {

std::vector<InputRecord> DecodeInReads(const std::string& bytes, std::size_t read_size) {
  KeyDecoder decoder;
  std::vector<InputRecord> records;
  for (std::size_t at = 0; at < bytes.size(); at += read_size) {
    decoder.Feed(std::string_view(bytes).substr(at, read_size), &records);
  }
  decoder.Flush(&records);
  return records;
}

// An overlong escape sequence is dropped the same way however the terminal's reads cut it:
// before, a sequence that came in one read was taken whatever its length, while the same
// bytes cut into shorter reads were dropped part-way and the rest typed as text.
TEST(KeyDecoderRegression, OverlongSequenceDecodesAlikeInAnyReads) {
  const std::vector<std::string> streams = {
      "\x1b[" + std::string(40, '1') + "A",
      "\x1bO" + std::string(40, '2') + "P",
      "\x1b[" + std::string(29, ';') + "5A" + "x",
  };
  for (const std::string& stream : streams) {
    const std::vector<InputRecord> whole = DecodeInReads(stream, stream.size());
    for (std::size_t read_size : {1u, 7u, 20u, 33u}) {
      EXPECT_EQ(DecodeInReads(stream, read_size), whole)
          << "reads of " << read_size << " bytes, stream of " << stream.size();
    }
  }
}

}  // namespace
}  // namespace platform::terminal
