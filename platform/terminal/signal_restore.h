// Gives the tty back on every way out that is not a normal return: termination signals sent
// from outside and crashes. The handlers use only async-signal-safe calls: a precomputed
// text written with write(), tcsetattr(), then the signal raised again with its default
// action, so that the parent sees the process end by it. Window-size changes and the return
// from a stop only wake the main loop, through a self-pipe.
#pragma once

#include <termios.h>

#include <string_view>

namespace platform::terminal {

struct RestorePlan {
  int key_fd = -1;
  int screen_fd = -1;
  bool screen_separate = false;  // the screen is another tty than the keyboard
  termios key_saved{};
  termios key_raw{};
  termios screen_saved{};
  termios screen_raw{};
};

// Installs the handlers. `restore` gives the screen back; `reenter` takes it again after a
// stop. Both are copied (at most 511 bytes each).
bool ArmSignalRestore(const RestorePlan& plan, std::string_view restore, std::string_view reenter);
// Replaces the restore text (when the title has been saved on the terminal's stack).
void SetRestoreText(std::string_view restore);
// Puts the terminal back now (the normal way out) and removes the handlers.
void RestoreAndDisarm();

// The read end of the self-pipe, to poll beside the keyboard; -1 before arming.
int WakeFd();
enum WakeReason : int { kWakeResized = 1, kWakeContinued = 2 };
// Empties the pipe and says why it was written to.
int TakeWakeReasons();

}  // namespace platform::terminal
