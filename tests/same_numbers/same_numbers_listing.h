// One generated set of answers and number texts, read, laid out and formatted, listed line by
// line with every bit shown: what every build of the program must compute alike.
#pragma once

#include <string>
#include <vector>

namespace same_numbers {

std::vector<std::string> Listing();

}  // namespace same_numbers
