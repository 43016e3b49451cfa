// The same numbers on every build: native x87, software, Windows, aarch64, s390x, i686 and
// WebAssembly all compute the listing in tests/same_numbers/same_numbers.txt, bit for bit.
#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "extended/extended.h"
#include "tests/same_numbers/same_numbers_listing.h"
#include "tests/same_numbers_expected.h"

namespace {

TEST(SameNumbers, EveryBuildReproducesTheListing) {
  extended::EstablishFloatingPoint();
  const std::vector<std::string> lines = same_numbers::Listing();
  ASSERT_EQ(lines.size(), std::size(same_numbers::kExpected));
  int shown = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i] == same_numbers::kExpected[i]) continue;
    ADD_FAILURE() << "line " << i + 1 << "\n  this build: " << lines[i]
                  << "\n  listing:    " << same_numbers::kExpected[i];
    if (++shown == 10) break;
  }
}

}  // namespace
