#!/bin/bash
# The program on a real terminal (tmux, 80x22):
#  (a) processor time used while it waits 5 seconds for the final key (goal: under 5 ms),
#      from utime+stime in /proc/PID/stat (clock ticks) and, finer, /proc/PID/schedstat;
#  (b) bytes written to the terminal up to the final key (every write() to the screen, counted
#      with strace) against the visible characters on the final screen (goal: 2x), and apart
#      what the program leaves on the normal screen after it.
# Usage: terminal_bench.sh BINARY [ARGS...]
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../tests/tmux/lib.sh"
need_tmux
[ $# -ge 1 ] || { echo "usage: $0 BINARY [ARGS...]"; exit 2; }
binary=$(realpath "$1")
shift

# Drives the script up to the closing line: the six answers when the program asks them.
run_to_closing_line() {
  wait_until row_has 2 "Sorvanta v1"
  prompt_or_question() { row_has 21 "press any key to quit" || [ -n "$(row 8 | tr -d ' ')" ]; }
  wait_until prompt_or_question
  if ! row_has 21 "press any key to quit"; then
    # Typed as a person types: every key waits for its echo, so every key costs a frame.
    local r=8 answer
    for answer in 5 4 N 3 1 110; do
      keys "$answer"
      wait_until eval 'row $r | cut -c72- | grep -qF "$answer"'
      keys Enter
      r=$((r + 1))
      [ "$r" -le 13 ] && wait_until eval '[ -n "$(row $r | tr -d " ")" ]'
    done
  fi
  wait_until row_has 21 "press any key to quit"
}

cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
cpu_ns() { awk '{print $1}' "/proc/$1/schedstat" 2>/dev/null || echo 0; }

# (a) the wait for the final key
(
  start_program "$binary" "$@"
  run_to_closing_line
  pid=$(program_pid)
  t0=$(cpu_ticks "$pid") n0=$(cpu_ns "$pid")
  sleep 5
  t1=$(cpu_ticks "$pid") n1=$(cpu_ns "$pid")
  hz=$(getconf CLK_TCK)
  keys q
  wait_until exited
  echo "(a) processor time during a 5 s wait for the key: $(((t1 - t0) * 1000 / hz)) ms" \
    "by /proc/PID/stat (tick $((1000 / hz)) ms), $(((n1 - n0) / 1000)) us by schedstat" \
    "(goal: under 5 ms)"
)

# (b) bytes to the terminal against what the final screen shows, while the program runs; and,
#     apart, what it leaves on the normal screen once the last key has ended it (the final
#     screen's rows and the setup sheet, for the scrollback), which no frame has drawn.
(
  WORK=$(mktemp -d)
  start_program strace -f -qq -e trace=write -e signal=none -o "$WORK/trace" "$binary" "$@"
  run_to_closing_line
  visible=$(screen | tr -d ' \n' | wc -m)
  drawn=$(wc -l <"$WORK/trace")
  keys q
  wait_until exited
  screen_fd=1
  sum_writes() {
    grep -E "^[0-9]+ +write\($screen_fd," | sed -E 's/.*= ([0-9]+)$/\1/' | awk '{s += $1} END {print s + 0}'
  }
  bytes=$(head -n "$drawn" "$WORK/trace" | sum_writes)
  writes=$(head -n "$drawn" "$WORK/trace" | grep -cE "^[0-9]+ +write\($screen_fd,")
  kept=$(tail -n "+$((drawn + 1))" "$WORK/trace" | sum_writes)
  echo "(b) bytes written to the terminal up to the last key: $bytes in $writes write() calls;" \
    "visible characters on the final screen: $visible;" \
    "ratio $(awk -v b="$bytes" -v v="$visible" 'BEGIN {printf "%.2f", v ? b / v : 0}')" \
    "(goal: at most 2)"
  echo "    after the last key, the screen given back and the results kept: $kept bytes"
)
