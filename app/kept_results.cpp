#include "app/kept_results.h"

#include <string>

#include "app/setup_sheet_text.h"
#include "platform/window_api.h"

namespace app {

void KeepSheetAfterExit(const Results& results) {
  const std::string sheet = PlainText(SheetText(ComputeSetupSheet(results.layout)));
  platform::window::KeepAfterExit(sheet.c_str());
}

}  // namespace app
