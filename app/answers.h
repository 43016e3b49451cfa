// The six answers, kept as the user typed them until the calculation reads them.
#pragma once

#include <string>

namespace app {

struct Answers {
  std::string front_back_limit;   // 1: largest front-back spacing allowed
  std::string front_width_limit;  // 2: largest front left/right spacing allowed
  std::string surround_fixed;     // 3: exactly "Y" or "N" once accepted
  std::string surround_width;     // 4: the surround spacing, or its maximum
  std::string surround_height;    // 5: height of the surrounds above the listener
  std::string surround_angle;     // 6: degrees from straight ahead, 100 to 120
};

}  // namespace app
