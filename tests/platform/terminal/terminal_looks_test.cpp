// What the terminal description makes of the screen: the same cells, drawn in sixteen colours,
// in eight, or in attributes alone, from $TERM and NO_COLOR as the program reads them.
#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <set>
#include <string>

#include "platform/terminal/kept_text.h"
#include "platform/terminal/presenter.h"
#include "platform/terminal/terminal_caps.h"

namespace platform::terminal {
namespace {

// Sets TERM and NO_COLOR for one load of the terminal description, and puts them back.
class Environment {
 public:
  Environment() : term_(Get("TERM")), no_colour_(Get("NO_COLOR")) {}
  ~Environment() {
    Set("TERM", term_);
    Set("NO_COLOR", no_colour_);
  }
  TerminalCaps Load(const std::optional<std::string>& term,
                    const std::optional<std::string>& no_colour) {
    Set("TERM", term);
    Set("NO_COLOR", no_colour);
    const int fd = open("/dev/null", O_RDWR | O_CLOEXEC);
    TerminalCaps caps = LoadTerminalCaps(fd);
    close(fd);
    return caps;
  }

 private:
  static std::optional<std::string> Get(const char* name) {
    const char* v = std::getenv(name);
    return v != nullptr ? std::optional<std::string>(v) : std::nullopt;
  }
  static void Set(const char* name, const std::optional<std::string>& v) {
    if (v) {
      setenv(name, v->c_str(), 1);
    } else {
      unsetenv(name);
    }
  }
  std::optional<std::string> term_, no_colour_;
};

constexpr std::uint16_t kAnswer = 0xF0, kPrompt = 0xF8, kWarning = 0xFC, kBox = 0x70,
                        kButton = 0x1F;

// A prompt, a blank, an answer, a result over its limit, a prompt again, then a message box
// cell and its button, on the program's bright white page.
Frame Roles() {
  Frame f(10, 1, Cell{' ', kAnswer});
  const std::pair<char, std::uint16_t> cells[] = {{'Q', kPrompt}, {'?', kPrompt},  {' ', kAnswer},
                                                  {'7', kAnswer}, {'9', kWarning}, {'8', kPrompt},
                                                  {'B', kBox},    {'K', kButton}};
  int x = 0;
  for (const auto& [ch, attr] : cells) f.at(x++, 0) = Cell{static_cast<std::uint8_t>(ch), attr};
  return f;
}

// Every attribute once, on a screen that starts out blank in another colour.
Frame EveryAttribute() {
  Frame f(16, 32, Cell{' ', 0x07});
  for (int a = 0; a < 256; ++a) f.at(a % 16, a / 16) = Cell{'x', static_cast<std::uint16_t>(a)};
  for (int a = 0; a < 256; ++a)
    f.at(a % 16, 16 + a / 16) = Cell{' ', static_cast<std::uint16_t>(a)};
  return f;
}

// Every parameter of every SGR sequence (ESC [ digits and semicolons m) in the bytes.
std::set<int> SgrParameters(const std::string& bytes) {
  std::set<int> params;
  for (std::size_t at = bytes.find("\x1b["); at != std::string::npos;
       at = bytes.find("\x1b[", at + 1)) {
    const std::size_t end = bytes.find_first_not_of("0123456789;", at + 2);
    if (end == std::string::npos || bytes[end] != 'm') continue;
    const std::string list = bytes.substr(at + 2, end - at - 2);
    for (std::size_t from = 0;;) {
      const std::size_t semi = list.find(';', from);
      params.insert(std::atoi(list.substr(from, semi - from).c_str()));
      if (semi == std::string::npos) break;
      from = semi + 1;
    }
  }
  return params;
}

bool Allowed(int p, std::string_view kinds) {
  const bool fg16 = (p >= 30 && p <= 37) || (p >= 90 && p <= 97);
  const bool bg16 = (p >= 40 && p <= 47) || (p >= 100 && p <= 107);
  const bool fg8 = p >= 30 && p <= 37, bg8 = p >= 40 && p <= 47;
  return (kinds.find('s') != std::string_view::npos && (fg16 || bg16)) ||
         (kinds.find('e') != std::string_view::npos && (fg8 || bg8)) || (p == 0) ||
         (p == 1 && kinds.find('b') != std::string_view::npos) ||
         (p == 2 && kinds.find('d') != std::string_view::npos) ||
         (p == 7 && kinds.find('r') != std::string_view::npos);
}

TEST(TerminalLooks, TheSameCellsInEachTerminalsColoursOrAttributes) {
  struct Case {
    const char* term;
    const char* no_colour;
    std::string roles;    // the bytes of the first frame of Roles()
    const char* allowed;  // SGR parameters any frame may use: s sixteen colours, e eight,
                          // b bold, d dim, r reverse (0 always)
  };
  const Case cases[] = {
      // Sixteen colours and more: the console colours as they are.
      {"xterm-256color", nullptr,
       "\x1b[30;107m\x1b[H\x1b[2J\x1b[90mQ? \x1b[30m7\x1b[91m9\x1b[90m8\x1b[30;47mB\x1b[97;44mK",
       "s"},
      // NO_COLOR empty counts as unset.
      {"xterm-256color", "",
       "\x1b[30;107m\x1b[H\x1b[2J\x1b[90mQ? \x1b[30m7\x1b[91m9\x1b[90m8"
       "\x1b[30;47mB\x1b[97;44mK",
       "s"},
      // Eight: bright foregrounds in bold, bright backgrounds in their base colour.
      {"xterm", nullptr,
       "\x1b[0;30;47m\x1b[H\x1b[2J\x1b[1mQ? \x1b[0;30;47m7\x1b[1;31m9\x1b[30m8\x1b[0;30;47mB"
       "\x1b[1;37;44mK",
       "ebr"},
      // No colours and no dim: prompts plain, the warning reversed and bold, the box reversed.
      {"vt100", nullptr, "\x1b[0m\x1b[H\x1b[2JQ? 7\x1b[1;7m9\x1b[0m8\x1b[7mB\x1b[1mK", "br"},
      // NO_COLOR on a colour terminal: prompts dim besides.
      {"xterm-256color", "1",
       "\x1b[0m\x1b[H\x1b[2J\x1b[2mQ? \x1b[0m7\x1b[1;7m9\x1b[0;2m8\x1b[0;7mB\x1b[1mK", "bdr"},
  };
  Environment env;
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.term) +
                 (c.no_colour ? std::string(" NO_COLOR=") + c.no_colour : ""));
    const TerminalCaps caps =
        env.Load(c.term, c.no_colour ? std::optional<std::string>(c.no_colour) : std::nullopt);
    ASSERT_TRUE(caps.described);
    PresenterOptions options;
    options.looks = caps.looks;
    options.hide_cursor.clear();
    EXPECT_EQ(Presenter(options).Render(Roles()), c.roles);
    for (const int p : SgrParameters(Presenter(options).Render(EveryAttribute())))
      EXPECT_TRUE(Allowed(p, c.allowed)) << "SGR " << p;
    // The copy left after the program: no background anywhere, on a light theme or a dark one.
    for (const int p : SgrParameters(KeptText(EveryAttribute(), "", KeptStyle{caps.looks})))
      EXPECT_TRUE((p < 40 || p > 49) && p < 100) << "kept SGR " << p;
  }
}

// The title where the terminal has one, said by its description or known of its family (screen's
// says nothing under tmux); line pieces from the alternate set where it names them in ASCII.
TEST(TerminalLooks, TitleAndLineSetOnlyWhereTheTerminalHasThem) {
  const std::tuple<const char*, bool, const char*> cases[] = {
      {"xterm", true, "\x1b(0"},     {"tmux-256color", true, "\x0e"},
      {"screen", true, "\x0e"},      {"rxvt-unicode-256color", true, "\x1b(0"},
      {"vt100", false, "\x0e"},      {"linux", false, "\x0e"},
      {"ansi", false, ""},  // its pieces are bytes of the PC character set
      {"no-such-terminal", true, ""}};
  Environment env;
  for (const auto& [term, title, line_set] : cases) {
    const TerminalCaps caps = env.Load(term, std::nullopt);
    EXPECT_EQ(caps.title.start, title ? "\x1b]2;" : "") << term;
    EXPECT_EQ(caps.title.stack, title) << term;
    EXPECT_EQ(caps.line_set.enter, line_set) << term;
    EXPECT_EQ(caps.line_set.Draws('l'), *line_set != '\0') << term;
  }
}

TEST(TerminalLooks, OnlyATerminalThatSaysItCannotPlaceTheCursorIsRefused) {
  const std::pair<std::optional<std::string>, bool> cases[] = {
      {"dumb", false},             // Emacs shells, many CI logs
      {std::nullopt, false},       // nothing says what the terminal is
      {"", false},                 //
      {"vt100", true},             //
      {"no-such-terminal", true},  // a newer emulator than this host knows: taken for ANSI
  };
  Environment env;
  for (const auto& [term, addresses] : cases) {
    const TerminalCaps caps = env.Load(term, std::nullopt);
    EXPECT_EQ(caps.addresses_cursor, addresses) << term.value_or("(unset)");
    if (term == "no-such-terminal") {
      EXPECT_EQ(caps.looks.colours, ColourDepth::kSixteen);
    }
  }
}

}  // namespace
}  // namespace platform::terminal
