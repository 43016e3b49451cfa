#include "app/run.h"

#include <cstdio>
#include <string>

#include "app/winmain.h"
#include "console/console.h"
#include "extended/extended.h"
#include "platform/console_api.h"
#include "platform/window_api.h"

namespace app {
namespace {
constexpr int kSetUpFailed = 255;
}

int RunProgram() {
  extended::EstablishFloatingPoint();
  std::string why;
  if (!platform::Attach(&why)) {
    std::fprintf(stderr, "sorvanta: %s\n", why.c_str());
    return kSetUpFailed;
  }
  console::ConsoleStartup();
  const std::int32_t result = WINMAIN(platform::window::InstanceHandle(), nullptr, "", 1);
  platform::Detach();
  return result;
}

}  // namespace app
