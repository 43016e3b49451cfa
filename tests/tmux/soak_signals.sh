#!/bin/bash
# Every fatal signal, sent from outside while the program waits at a question or while its
# message box is open, the moment moving on with each signal so that every question and the box
# meet at least one: the program ends by that signal (its shell sees 128 + N), and the terminal
# is given back: stty shows echo, icanon, isig, opost and onlcr, the main screen is back, the
# cursor visible, and what the shell prints next is in the terminal's own colours. One handler
# serves every signal and every moment, so each pairing would only repeat one of these.
# Usage: soak_signals.sh BINARY [SIGNAL...]
set -u
. "$(dirname "$0")/soak_lib.sh"
need_tmux
[ $# -ge 1 ] || { echo "usage: $0 BINARY [SIGNAL...]"; exit 2; }
binary=$1
shift
signals=${*:-TERM HUP INT QUIT SEGV BUS ILL FPE ABRT}

# No colour in the shell's line after the program, nor on any row around it.
plain_after_exit() {
  wait_until screen_has "AFTER-EXIT"
  local line
  line=$(tmux -S "$SOCKET" capture-pane -p -e -t t | grep -F "AFTER-EXIT")
  [ "$line" = "AFTER-EXIT" ]
}

# Moment 7 is question 3 with its message box open.
box_open() { screen_has "ERROR"; }
k=0
for sig in $signals; do
  k=$((k % 7 + 1))
  (
    start_program_marked "$binary"
    if [ "$k" = 7 ]; then
      answer_questions 1 2
      wait_until at_question 3
      keys -l "maybe"
      keys Enter
      wait_until box_open
    else
      answer_questions 1 $((k - 1))
      wait_until at_question "$k"
    fi
    kill_and_check_restored "$sig" "SIG$sig at moment $k"
    check plain_after_exit "SIG$sig at moment $k: the shell's next line has the default colours"
  ) || exit 1
  echo "SIG$sig at moment $k (7: the box open): status 128+$(kill -l "$sig"), terminal given back"
done
echo "PASS ($SECONDS s)"
