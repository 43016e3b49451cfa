#include "platform/terminal/terminal_caps.h"

#include <langinfo.h>

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <string_view>

// terminfo's header defines macros named like ordinary words; it comes last.
#include <term.h>

namespace platform::terminal {
namespace {

using keyboard::Key;

// What setupterm reports for a printing terminal.
constexpr int kHardcopy = 1;

std::string StringCap(const char* name, const std::string& fallback) {
  const char* s = tigetstr(const_cast<char*>(name));
  if (s == nullptr || s == reinterpret_cast<char*>(-1)) return fallback;
  return s;
}

bool HasStringCap(const char* name) {
  const char* s = tigetstr(const_cast<char*>(name));
  return s != nullptr && s != reinterpret_cast<char*>(-1);
}

// tmux (and screen inside it) erases with the current background, though their terminfo
// entries leave `bce` out for the sake of old screen versions.
bool KnownToEraseWithBackground() {
  const char* term = std::getenv("TERM");
  if (term == nullptr) return false;
  const std::string_view t(term);
  return t.starts_with("tmux") || (t.starts_with("screen") && std::getenv("TMUX") != nullptr);
}

// The no-color.org convention: set and not empty.
bool NoColourWanted() {
  const char* v = std::getenv("NO_COLOR");
  return v != nullptr && *v != '\0';
}

// A terminal of fewer than eight colours, or one that sets them otherwise than by the ANSI
// codes (`setaf`), gets none.
ColourDepth DepthOf(int colours, bool ansi_colours) {
  if (!ansi_colours || colours < 8) return ColourDepth::kNone;
  return colours < 16 ? ColourDepth::kEight : ColourDepth::kSixteen;
}

void LoadLooks(TerminalCaps* caps) {
  caps->looks.colours = DepthOf(tigetnum(const_cast<char*>("colors")), HasStringCap("setaf"));
  caps->looks.bold = HasStringCap("bold");
  caps->looks.dim = HasStringCap("dim");
  caps->looks.reverse = HasStringCap("rev");
}

void LoadKeys(TerminalCaps* caps) {
  static constexpr std::pair<const char*, Key> kKeyCaps[] = {
      {"kcuu1", Key::kUp},     {"kcud1", Key::kDown},   {"kcub1", Key::kLeft},
      {"kcuf1", Key::kRight},  {"khome", Key::kHome},   {"kend", Key::kEnd},
      {"kpp", Key::kPageUp},   {"knp", Key::kPageDown}, {"kich1", Key::kInsert},
      {"kdch1", Key::kDelete}, {"kf1", Key::kF1},       {"kf2", Key::kF2},
      {"kf3", Key::kF3},       {"kf4", Key::kF4},       {"kf5", Key::kF5},
      {"kf6", Key::kF6},       {"kf7", Key::kF7},       {"kf8", Key::kF8},
      {"kf9", Key::kF9},       {"kf10", Key::kF10},     {"kf11", Key::kF11},
      {"kf12", Key::kF12},
  };
  for (const auto& [name, key] : kKeyCaps) {
    const std::string s = StringCap(name, "");
    if (!s.empty()) caps->keys.emplace_back(s, key);
  }
}

// Line pieces come from the alternate set only where the locale's character set cannot show
// them itself: a UTF-8 terminal gets the pieces' own characters.
void LoadLineDrawing(TerminalCaps* caps) {
  caps->enable_line_set = StringCap("enacs", "");
  caps->line_set =
      LineDrawingOf(StringCap("acsc", ""), StringCap("smacs", ""), StringCap("rmacs", ""));
}

// xterm's title controls are taken by the emulators that say so (the XT flag, or a status line
// that is xterm's title) and by the families whose descriptions leave that out (screen's, for
// one, under tmux and GNU screen); a description with another status line has it set there.
// The others, such as a VT100 or the Linux console, have no title at all.
TitleControls LoadTitle(std::string_view term) {
  const std::string status = StringCap("tsl", "");
  const bool xterm_like = tigetflag(const_cast<char*>("XT")) > 0 || status.starts_with("\x1b]") ||
                          term.starts_with("xterm") || term.starts_with("rxvt") ||
                          term.starts_with("screen") || term.starts_with("tmux");
  if (xterm_like) return XtermTitle();
  const std::string end = StringCap("fsl", "");
  if (status.empty() || end.empty()) return TitleControls{};
  const char* start = tiparm(status.c_str(), 0);
  return TitleControls{start != nullptr ? start : "", end, false};
}

void LoadDescription(int fd, TerminalCaps* caps) {
  const char* term = std::getenv("TERM");
  if (term == nullptr || *term == '\0' || std::string_view(term) == "dumb") {
    caps->addresses_cursor = false;
    return;
  }
  int error = 0;
  if (setupterm(nullptr, fd, &error) != 0) {
    caps->addresses_cursor = error != kHardcopy;
    caps->back_colour_erase = KnownToEraseWithBackground();
    return;
  }
  caps->described = true;
  caps->addresses_cursor = HasStringCap("cup");
  LoadLooks(caps);
  caps->enter_screen = StringCap("smcup", "");
  caps->leave_screen = StringCap("rmcup", "");
  caps->hide_cursor = StringCap("civis", "");
  caps->show_cursor = StringCap("cnorm", caps->show_cursor);
  caps->back_colour_erase = tigetflag(const_cast<char*>("bce")) > 0 || KnownToEraseWithBackground();
  caps->cursor_shapes = HasStringCap("Ss");
  LoadLineDrawing(caps);
  caps->title = LoadTitle(term);
  LoadKeys(caps);
  del_curterm(cur_term);
}

}  // namespace

TitleControls XtermTitle() {
  return TitleControls{"\x1b]2;", "\x07", true};
}

TerminalCaps LoadTerminalCaps(int fd) {
  TerminalCaps caps;
  LoadDescription(fd, &caps);
  if (NoColourWanted()) caps.looks.colours = ColourDepth::kNone;
  return caps;
}

bool LocaleIsUtf8() {
  const char* current = std::setlocale(LC_CTYPE, nullptr);
  const std::string saved = current != nullptr ? current : "C";
  if (std::setlocale(LC_CTYPE, "") == nullptr) return false;
  const char* codeset = nl_langinfo(CODESET);
  const bool utf8 = codeset != nullptr &&
                    (std::strcmp(codeset, "UTF-8") == 0 || std::strcmp(codeset, "utf8") == 0);
  std::setlocale(LC_CTYPE, saved.c_str());
  return utf8;
}

}  // namespace platform::terminal
