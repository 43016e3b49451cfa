// What the console layer's tests share: a fresh memory console with the layer started on it,
// and the cursor-shape calls the layer made.
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "console/console.h"
#include "platform/memory/memory_platform.h"

namespace console_test {

inline void StartOn(int width, int height) {
  platform::memory::Options options;
  options.width = width;
  options.height = height;
  platform::memory::Reset(options);
  console::ConsoleStartup();
}

// Size and visibility of every cursor-shape call from the `first`-th on.
inline std::vector<std::pair<std::uint32_t, bool>> CursorCallsFrom(std::size_t first) {
  const auto& all = platform::memory::CursorInfoCalls();
  std::vector<std::pair<std::uint32_t, bool>> calls;
  for (std::size_t i = first; i < all.size(); ++i) calls.emplace_back(all[i].size, all[i].visible);
  return calls;
}

}  // namespace console_test
