#include "platform/terminal/signal_restore.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>

namespace platform::terminal {
namespace {

constexpr std::size_t kTextCapacity = 512;
constexpr std::array<int, 9> kFatalSignals = {SIGTERM, SIGHUP, SIGINT, SIGQUIT, SIGABRT,
                                              SIGSEGV, SIGBUS, SIGILL, SIGFPE};

// Everything the handlers read lives here, written only while the handlers cannot run on it
// (the active restore text is switched by one atomic store).
struct SignalData {
  RestorePlan plan;
  std::array<std::array<char, kTextCapacity>, 2> restore{};
  std::array<volatile sig_atomic_t, 2> restore_len{};
  volatile sig_atomic_t active = 0;
  std::array<char, kTextCapacity> reenter{};
  std::size_t reenter_len = 0;
  volatile sig_atomic_t armed = 0;
  int pipe_read = -1;
  int pipe_write = -1;
  std::array<struct sigaction, kFatalSignals.size()> old_fatal{};
  struct sigaction old_winch {};
  struct sigaction old_tstp {};
};

SignalData g;

void WriteAll(int fd, const char* p, std::size_t n) {
  while (n > 0) {
    const ssize_t w = write(fd, p, n);
    if (w < 0 && errno == EINTR) continue;
    if (w <= 0) return;
    p += w;
    n -= static_cast<std::size_t>(w);
  }
}

void RestoreTty() {
  const int which = g.active;
  WriteAll(g.plan.screen_fd, g.restore[which].data(),
           static_cast<std::size_t>(g.restore_len[which]));
  tcsetattr(g.plan.key_fd, TCSAFLUSH, &g.plan.key_saved);
  if (g.plan.screen_separate) tcsetattr(g.plan.screen_fd, TCSADRAIN, &g.plan.screen_saved);
}

void Wake(char why) {
  if (g.pipe_write >= 0) (void)!write(g.pipe_write, &why, 1);
}

void SetDisposition(int sig, void (*handler)(int), struct sigaction* old) {
  struct sigaction sa {};
  sa.sa_handler = handler;
  sigemptyset(&sa.sa_mask);
  sa.sa_flags = handler == SIG_DFL ? 0 : SA_RESTART;
  sigaction(sig, &sa, old);
}

void OnFatal(int sig) {
  if (g.armed) {
    g.armed = 0;
    RestoreTty();
  }
  SetDisposition(sig, SIG_DFL, nullptr);
  raise(sig);  // delivered when the handler returns: the process ends by this signal
}

void OnResize(int) {
  const int saved = errno;
  Wake('W');
  errno = saved;
}

// Stop like the default action would, with the tty given back meanwhile; take it again after.
void OnStop(int) {
  const int saved = errno;
  if (g.armed) RestoreTty();
  SetDisposition(SIGTSTP, SIG_DFL, nullptr);
  sigset_t set, old;
  sigemptyset(&set);
  sigaddset(&set, SIGTSTP);
  sigprocmask(SIG_UNBLOCK, &set, &old);
  raise(SIGTSTP);
  sigprocmask(SIG_SETMASK, &old, nullptr);
  SetDisposition(SIGTSTP, OnStop, nullptr);
  if (g.armed) {
    tcsetattr(g.plan.key_fd, TCSAFLUSH, &g.plan.key_raw);
    if (g.plan.screen_separate) tcsetattr(g.plan.screen_fd, TCSADRAIN, &g.plan.screen_raw);
    WriteAll(g.plan.screen_fd, g.reenter.data(), g.reenter_len);
    Wake('C');
  }
  errno = saved;
}

std::size_t CopyText(std::string_view text, std::array<char, kTextCapacity>* to) {
  const std::size_t n = std::min(text.size(), to->size());
  std::memcpy(to->data(), text.data(), n);
  return n;
}

bool OpenPipe() {
  if (g.pipe_read >= 0) return true;
  int fds[2];
  if (pipe(fds) != 0) return false;
  for (int fd : fds) {
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
    fcntl(fd, F_SETFD, FD_CLOEXEC);
  }
  g.pipe_read = fds[0];
  g.pipe_write = fds[1];
  return true;
}

}  // namespace

bool ArmSignalRestore(const RestorePlan& plan, std::string_view restore, std::string_view reenter) {
  if (!OpenPipe()) return false;
  g.plan = plan;
  g.restore_len[0] = static_cast<sig_atomic_t>(CopyText(restore, &g.restore[0]));
  g.active = 0;
  g.reenter_len = CopyText(reenter, &g.reenter);
  g.armed = 1;
  for (std::size_t i = 0; i < kFatalSignals.size(); ++i)
    SetDisposition(kFatalSignals[i], OnFatal, &g.old_fatal[i]);
  SetDisposition(SIGWINCH, OnResize, &g.old_winch);
  SetDisposition(SIGTSTP, OnStop, &g.old_tstp);
  return true;
}

void SetRestoreText(std::string_view restore) {
  const int next = 1 - g.active;
  g.restore_len[next] = static_cast<sig_atomic_t>(CopyText(restore, &g.restore[next]));
  g.active = next;
}

void RestoreAndDisarm() {
  if (!g.armed) return;
  // Restored first: a signal that comes in before the handlers are gone restores again,
  // which does no harm.
  RestoreTty();
  g.armed = 0;
  for (std::size_t i = 0; i < kFatalSignals.size(); ++i)
    sigaction(kFatalSignals[i], &g.old_fatal[i], nullptr);
  sigaction(SIGWINCH, &g.old_winch, nullptr);
  sigaction(SIGTSTP, &g.old_tstp, nullptr);
}

int WakeFd() {
  return g.pipe_read;
}

int TakeWakeReasons() {
  int reasons = 0;
  char buf[64];
  for (;;) {
    const ssize_t n = read(g.pipe_read, buf, sizeof buf);
    if (n <= 0) break;
    for (ssize_t i = 0; i < n; ++i)
      reasons |= buf[i] == 'W' ? kWakeResized : buf[i] == 'C' ? kWakeContinued : 0;
  }
  return reasons;
}

}  // namespace platform::terminal
