// Writes the listing that every build is held against:
//   build/default/tests/same_numbers/same_numbers_write > tests/same_numbers/same_numbers.txt
// Only when the arithmetic is meant to change.
#include <cstdio>

#include "extended/extended.h"
#include "tests/same_numbers/same_numbers_listing.h"

int main() {
  extended::EstablishFloatingPoint();
  for (const std::string& line : same_numbers::Listing()) std::printf("%s\n", line.c_str());
  return 0;
}
