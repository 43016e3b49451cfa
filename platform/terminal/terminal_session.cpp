#include "platform/terminal/terminal_session.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/terminal/kept_text.h"
#include "platform/terminal/overlays.h"
#include "platform/terminal/signal_restore.h"
#include "platform/terminal/terminal_state.h"

namespace platform::terminal {
namespace {

// How long a lone ESC waits for the rest of an escape sequence before it is the Escape key.
constexpr int kEscapeWaitMs = 25;
constexpr int kWidestBuffer = 255;
constexpr const char* kSaveTitle = "\x1b[22;0t";
constexpr const char* kRestoreTitle = "\x1b[23;0t";

void WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
}

// No echo, no line editing, no signals from keys, bytes as they are; output unprocessed so
// that the presenter's bytes reach the screen unchanged.
termios RawModes(termios t) {
  t.c_iflag &= ~static_cast<tcflag_t>(BRKINT | ICRNL | INLCR | IGNCR | INPCK | ISTRIP | IXON);
  t.c_oflag &= ~static_cast<tcflag_t>(OPOST);
  t.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
  t.c_cflag |= CS8;
  t.c_cc[VMIN] = 1;
  t.c_cc[VTIME] = 0;
  return t;
}

// The normal character set comes back with the rest: a signal may come in the middle of a
// line piece.
std::string RestoreText(const TerminalState& s) {
  std::string text = s.caps.leave_screen + "\x1b[0m" + s.caps.show_cursor;
  if (s.line_set) text += s.caps.line_set.leave;
  if (s.caps.cursor_shapes) text += "\x1b[0 q";
  if (s.title_saved) text += kRestoreTitle;
  return text;
}

void ReadTerminalSize(TerminalState& s) {
  winsize ws{};
  if ((ioctl(s.screen_fd, TIOCGWINSZ, &ws) == 0 || ioctl(s.key_fd, TIOCGWINSZ, &ws) == 0) &&
      ws.ws_col > 0 && ws.ws_row > 0) {
    s.term_w = ws.ws_col;
    s.term_h = ws.ws_row;
  }
}

// /dev/tty is a device of its own, so comparing devices says nothing: a descriptor is the
// controlling terminal when the terminal can name our session.
// Only the controlling terminal has a foreground process group to report. (tcgetsid would say
// the same, but qemu-user answers its ioctl without filling in the session.)
bool IsControllingTerminal(int fd) {
  return tcgetpgrp(fd) != -1;
}

bool OpenKeyboardAndScreen(TerminalState& s, std::string* why) {
  s.key_fd = open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
  if (s.key_fd < 0) {
    *why =
        std::string("no controlling terminal (cannot open /dev/tty: ") + std::strerror(errno) + ")";
    return false;
  }
  s.stdin_tty = isatty(STDIN_FILENO) == 1;
  s.stdout_tty = isatty(STDOUT_FILENO) == 1;
  s.stderr_tty = isatty(STDERR_FILENO) == 1;
  s.screen_fd = s.stdout_tty ? STDOUT_FILENO : s.stderr_tty ? STDERR_FILENO : s.key_fd;
  return true;
}

// Without cursor addressing nothing of the screen can be drawn: better no start at all than
// escapes printed as text.
bool CheckCursorAddressing(const TerminalCaps& caps, std::string* why) {
  if (caps.addresses_cursor) return true;
  const char* term = std::getenv("TERM");
  const std::string name =
      term != nullptr && *term != '\0' ? std::string("TERM=") + term : "TERM is not set";
  *why = "this terminal (" + name +
         ") cannot place the cursor, which a full-screen program needs: run it in a terminal "
         "emulator such as xterm";
  return false;
}

bool PlanRestore(const TerminalState& s, RestorePlan* plan, std::string* why) {
  plan->key_fd = s.key_fd;
  plan->screen_fd = s.screen_fd;
  if (tcgetattr(s.key_fd, &plan->key_saved) != 0) {
    *why = std::string("cannot read the terminal's modes: ") + std::strerror(errno);
    return false;
  }
  plan->key_raw = RawModes(plan->key_saved);
  plan->screen_separate = s.screen_fd != s.key_fd && !IsControllingTerminal(s.screen_fd);
  if (plan->screen_separate) {
    tcgetattr(s.screen_fd, &plan->screen_saved);
    plan->screen_raw = plan->screen_saved;
    plan->screen_raw.c_oflag &= ~static_cast<tcflag_t>(OPOST);
  }
  return true;
}

// What takes the screen, at the start and after a stop.
std::string EnterText(const TerminalState& s) {
  return s.line_set ? s.caps.enter_screen + s.caps.enable_line_set : s.caps.enter_screen;
}

void SetUpDrawing(TerminalState& s) {
  s.utf8 = LocaleIsUtf8();
  s.line_set = !s.utf8 && !s.caps.line_set.enter.empty();
  PresenterOptions options;
  options.back_colour_erase = s.caps.back_colour_erase;
  options.utf8 = s.utf8;
  options.line_set = s.caps.line_set;
  options.cursor_shapes = s.caps.cursor_shapes;
  options.hide_cursor = s.caps.hide_cursor;
  options.show_cursor = s.caps.show_cursor;
  options.looks = s.caps.looks;
  s.presenter = Presenter(options);
  s.decoder = KeyDecoder();
  for (const auto& [bytes, key] : s.caps.keys) s.decoder.AddKeyString(bytes, key);
}

// A way out that is not the program's own end leaves nothing behind.
void Abandon() {
  State().kept.reset();
  presented::CloseSession();
}

void CloseAtExit() {
  Abandon();
}

// The keyboard is gone (the terminal was closed): end as a hangup would end the process.
[[noreturn]] void HangUp() {
  Abandon();
  std::signal(SIGHUP, SIG_DFL);
  raise(SIGHUP);
  _exit(128 + SIGHUP);
}

// A resize or a return from a stop, signalled through the self-pipe: what the terminal shows
// is unknown, and its size may have changed.
void TakeWakeUps() {
  TerminalState& s = State();
  const int reasons = TakeWakeReasons();
  if (reasons & kWakeResized) ReadTerminalSize(s);
  if (reasons != 0) s.presenter.Invalidate();
}

bool TooSmall(const TerminalState& s) {
  return s.term_w < s.console.width() || s.term_h < s.console.height();
}

// Keys typed while the notice asks for a larger window would act on a dialog nobody sees
// (close a message box, go into an answer): the keys after the first `from` are dropped. A
// resize that came in with them is taken first: the size that counts is the one they were
// typed at, and the notice is brought up to it.
void DropKeysUnseen(std::size_t from, std::vector<InputRecord>* keys) {
  if (keys->size() == from) return;
  TakeWakeUps();
  if (!TooSmall(State())) return;
  keys->resize(from);
  presented::Present();
}

// Reads what the keyboard holds; false once it has reached its end or failed.
bool ReadKeys(std::vector<InputRecord>* keys) {
  TerminalState& s = State();
  const std::size_t from = keys->size();
  char buf[256];
  for (;;) {
    const ssize_t n = read(s.key_fd, buf, sizeof buf);
    if (n > 0) {
      s.decoder.Feed(std::string_view(buf, static_cast<std::size_t>(n)), keys);
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else {
      DropKeysUnseen(from, keys);
      return n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
    }
  }
}

// A reader that has gone (sorvanta | head -1) ends nothing: what it did not take is lost, and
// the program still ends with its own exit code.
void WriteUnlessBroken(int fd, std::string_view bytes) {
  struct sigaction ignore {};
  struct sigaction old {};
  ignore.sa_handler = SIG_IGN;
  sigemptyset(&ignore.sa_mask);
  sigaction(SIGPIPE, &ignore, &old);
  WriteAll(fd, bytes);
  sigaction(SIGPIPE, &old, nullptr);
}

Frame FrameOf(const VirtualConsole& c) {
  Frame f;
  f.width = c.width();
  f.height = c.height();
  f.cells = c.cells();
  f.cursor = c.cursor();
  f.cursor_visible = c.cursor_info().visible;
  f.cursor_size = c.cursor_info().size;
  return f;
}

// The kept copy, once the normal screen is back: there in the terminal's own colours, so that
// it stays in its scrollback; or as plain text on standard output when that is not the
// terminal (sorvanta > plan.txt), the dialog having run on the terminal. A terminal without a
// screen of its own for the program still shows the final screen: the copy's rows replace it
// there, in the terminal's colours, whether the text follows them or goes to the file.
void LeaveKeptText(TerminalState& s) {
  if (!s.kept) return;
  KeptStyle style;
  style.utf8 = s.utf8;
  KeptStyle on_tty = style;
  on_tty.looks = s.caps.looks;
  on_tty.line_end = "\r\n";
  on_tty.over_screen = s.caps.enter_screen.empty();
  if (s.stdout_tty) {
    WriteUnlessBroken(STDOUT_FILENO, KeptText(s.kept->screen, s.kept->text, on_tty));
  } else {
    if (on_tty.over_screen) WriteUnlessBroken(s.screen_fd, KeptText(s.kept->screen, "", on_tty));
    WriteUnlessBroken(STDOUT_FILENO, KeptText(s.kept->screen, s.kept->text, style));
  }
  s.kept.reset();
}

}  // namespace

TerminalState& State() {
  static TerminalState state;
  return state;
}

}  // namespace platform::terminal

// The tty as the console window: taking it (raw keyboard, alternate screen), presenting the
// console on it, waiting for keys without using the processor, and giving it back, with what
// the program keeps left after it.
namespace platform::presented {

using namespace terminal;  // the session's steps above

PresentedConsole& Console() {
  return State();
}

bool Attached() {
  return State().attached;
}

bool StreamIsConsole(StdStream stream) {
  const TerminalState& s = State();
  switch (stream) {
    case StdStream::kInput:
      return s.stdin_tty;
    case StdStream::kOutput:
      return s.stdout_tty;
    case StdStream::kError:
      return s.stderr_tty;
  }
  return false;
}

bool OpenSession(std::string* why) {
  TerminalState& s = State();
  if (s.attached) return true;
  RestorePlan plan;
  if (!OpenKeyboardAndScreen(s, why)) return false;
  // Nothing is written to the terminal, and none of its modes changed, before both checks.
  s.caps = LoadTerminalCaps(s.screen_fd);
  if (!CheckCursorAddressing(s.caps, why) || !PlanRestore(s, &plan, why)) {
    close(s.key_fd);
    s.key_fd = -1;
    return false;
  }
  if (s.screen_fd == s.key_fd) {
    std::fputs("standard output and standard error are not terminals: drawing on /dev/tty\n",
               stderr);
  }
  SetUpDrawing(s);
  s.title_saved = false;
  s.restore_text = RestoreText(s);
  const std::string enter = EnterText(s);
  ArmSignalRestore(plan, s.restore_text, enter);
  tcsetattr(s.key_fd, TCSANOW, &plan.key_raw);
  if (plan.screen_separate) tcsetattr(s.screen_fd, TCSADRAIN, &plan.screen_raw);
  WriteAll(s.screen_fd, enter);
  ReadTerminalSize(s);
  s.console.Resize(std::min(s.term_w, kWidestBuffer), std::min(s.term_h, kWidestBuffer));
  s.attached = true;
  static bool exit_hook = false;
  if (!exit_hook) exit_hook = std::atexit(CloseAtExit) == 0;
  return true;
}

void CloseSession() {
  TerminalState& s = State();
  if (!s.attached) return;
  s.attached = false;
  RestoreAndDisarm();
  close(s.key_fd);
  s.key_fd = -1;
  LeaveKeptText(s);
}

void Present() {
  TerminalState& s = State();
  if (!s.attached) return;
  TakeWakeUps();
  Frame frame;
  if (TooSmall(s)) {
    frame = TooSmallNotice(s.term_w, s.term_h, s.console.width(), s.console.height());
  } else {
    frame = FrameOf(s.console);
    if (s.box) DrawMessageBox(s.box->message, s.box->caption, &frame);
  }
  std::string out = std::move(s.ahead);
  s.ahead.clear();
  out += s.presenter.Render(frame);
  WriteAll(s.screen_fd, out);
}

void TakeWaitingKeys(std::vector<InputRecord>* keys) {
  if (State().attached) ReadKeys(keys);
}

void WaitForKeys(std::vector<InputRecord>* keys) {
  TerminalState& s = State();
  Present();
  while (keys->empty()) {
    pollfd fds[2] = {{s.key_fd, POLLIN, 0}, {WakeFd(), POLLIN, 0}};
    const int ready = poll(fds, 2, s.decoder.pending() ? kEscapeWaitMs : -1);
    if (ready < 0) {
      if (errno != EINTR) HangUp();
      continue;
    }
    if (ready == 0) {
      s.decoder.Flush(keys);
      DropKeysUnseen(0, keys);
      continue;
    }
    if (fds[1].revents & POLLIN) Present();
    if ((fds[0].revents & (POLLIN | POLLHUP | POLLERR)) && !ReadKeys(keys)) HangUp();
  }
}

}  // namespace platform::presented

namespace platform::terminal {

void QueueTitle(const std::string& utf8_title) {
  TerminalState& s = State();
  const TitleControls& title = s.caps.title;
  if (!s.attached || title.start.empty()) return;
  if (title.stack && !s.title_saved) {
    s.ahead += kSaveTitle;
    s.title_saved = true;
    s.restore_text = RestoreText(s);
    SetRestoreText(s.restore_text);
  }
  s.ahead += title.start + utf8_title + title.end;
}

void KeepText(const std::string& text) {
  TerminalState& s = State();
  if (s.attached) s.kept = KeptCopy{FrameOf(s.console), text};
}

}  // namespace platform::terminal
