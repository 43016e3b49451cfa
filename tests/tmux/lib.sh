# Shared helpers of the tmux scripts: a private tmux server per run, bounded waits on the
# screen, and the program's exit status written by a wrapper shell.
# shellcheck shell=bash

TIMEOUT_S=${TIMEOUT_S:-15}

need_tmux() {
  if ! tmux -V >/dev/null 2>&1; then
    echo "SKIP: tmux is not installed"
    exit 77
  fi
}

# start_program BINARY [ARGS...]: the program in a new 80x22 session; its status goes to
# $WORK/exit and the terminal's modes before and after it to $WORK/stty.before and $WORK/stty.
# With AFTER_EXIT_MARK set, the wrapper then prints that line in the terminal's own colours.
# With RECORD_TTY set, the program's standard error goes to $WORK/stderr and every byte written
# to the terminal, from before the program starts, to $WORK/tty.
start_program() {
  WORK=${WORK:-$(mktemp -d)}
  SOCKET="$WORK/tmux-socket"
  trap 'tmux -S "$SOCKET" kill-server 2>/dev/null; rm -rf "$WORK"' EXIT
  {
    echo '#!/bin/sh'
    echo 'ulimit -c 0'
    [ -z "${RECORD_TTY:-}" ] || echo "while [ ! -e '$WORK/recording' ]; do sleep 0.05; done"
    echo "stty -a > '$WORK/stty.before'"
    printf '%q ' "$@"
    [ -z "${RECORD_TTY:-}" ] || printf "2> '%s'" "$WORK/stderr"
    echo
    echo "echo \$? > '$WORK/exit.tmp'; stty -a > '$WORK/stty'"
    [ -z "${AFTER_EXIT_MARK:-}" ] || printf 'echo %q\n' "$AFTER_EXIT_MARK"
    echo "mv '$WORK/exit.tmp' '$WORK/exit'; exec sleep 600"
  } >"$WORK/run.sh"
  chmod +x "$WORK/run.sh"
  tmux -S "$SOCKET" -f /dev/null new-session -d -s t -x 80 -y 22 "$WORK/run.sh"
  if [ -n "${RECORD_TTY:-}" ]; then
    tmux -S "$SOCKET" pipe-pane -O -t t "cat > '$WORK/tty'"
    touch "$WORK/recording"
  fi
}

# Row N (counted from 1) as plain text, and with its colours.
row() { tmux -S "$SOCKET" capture-pane -p -t t -S $(($1 - 1)) -E $(($1 - 1)); }
row_colours() { tmux -S "$SOCKET" capture-pane -p -e -t t -S $(($1 - 1)) -E $(($1 - 1)); }
screen() { tmux -S "$SOCKET" capture-pane -p -t t; }
pane() { tmux -S "$SOCKET" display -p -t t "$1"; }
keys() { tmux -S "$SOCKET" send-keys -t t "$@"; }

# wait_until COMMAND...: polls the condition every 50 ms, failing after $TIMEOUT_S seconds.
wait_until() {
  local tries=$((TIMEOUT_S * 20))
  while ! "$@"; do
    tries=$((tries - 1))
    if [ "$tries" -le 0 ]; then
      echo "FAIL: timed out waiting for: $*"
      screen | sed 's/^/  | /'
      exit 1
    fi
    sleep 0.05
  done
}

row_has() { row "$1" | grep -qF -- "$2"; }
screen_has() { screen | grep -qF -- "$1"; }
screen_lacks() { ! screen | grep -qF -- "$1"; }
exited() { [ -f "$WORK/exit" ]; }

# The program's own process: the wrapper shell's child.
program_pid() { pgrep -P "$(pane '#{pane_pid}')" | head -n1; }

check() {
  if ! eval "$1"; then
    echo "FAIL: $2"
    screen | sed 's/^/  | /'
    exit 1
  fi
}

# kill_and_check_restored SIGNAL LABEL: sends SIGNAL to the running program and checks that it
# ended by it (status 128 + N) and gave the terminal back: the modes a shell needs, the main
# screen and a visible cursor.
kill_and_check_restored() {
  local sig=$1 label=$2 pid want modes mode
  pid=$(program_pid)
  check '[ -n "$pid" ]' "found the program's process"
  kill -s "$sig" "$pid"
  wait_until exited
  want=$((128 + $(kill -l "$sig")))
  check '[ "$(cat "$WORK/exit")" = "$want" ]' "$label: status $want (got $(cat "$WORK/exit"))"
  modes=$(cat "$WORK/stty")
  for mode in echo icanon isig opost onlcr; do
    check 'grep -qE "(^|[ ])$mode([ ]|$)" <<<"$modes"' "$label: stty shows $mode"
  done
  check '[ "$(pane "#{alternate_on}")" = 0 ]' "$label: the main screen is back"
  check '[ "$(pane "#{cursor_flag}")" = 1 ]' "$label: the cursor is visible"
}
