// Writes the numbers that the page's script and the program's page bridge must agree on, from
// the bridge's own definitions, as the head of the site's page.js: the kinds of the events the
// page queues, and the bit of each modifier state it reports.
#include <cstdio>

#include "platform/web/browser_keys.h"
#include "platform/web/page_bridge.h"

int main() {
  using platform::web::page::Event;
  std::printf(
      "// Made by the build from the program's page bridge: the event kinds and the\n"
      "// modifier bits it reads.\n");
  std::printf("const KEY = %d;\nconst CHARACTER = %d;\nconst MODIFIERS = [\n", Event::kKey,
              Event::kCharacter);
  for (const auto& m : platform::web::kModifierNames) std::printf("  ['%s', %u],\n", m.name, m.bit);
  std::printf("];\n");
  return 0;
}
