#!/bin/bash
# The terminal is given back when the waiting program is ended by a signal from outside or
# crashes: modes, main screen, visible cursor; and the parent sees the signal (128 + N).
# Usage: run_restore.sh BINARY [SIGNAL...]   (default: TERM HUP INT QUIT ABRT SEGV)
set -u
. "$(dirname "$0")/lib.sh"
need_tmux
[ $# -ge 1 ] || { echo "usage: $0 BINARY [SIGNAL...]"; exit 2; }
binary=$1
shift
signals=${*:-TERM HUP INT QUIT ABRT SEGV}

for sig in $signals; do
  (
    start_program "$binary"
    wait_until row_has 2 "Sorvanta v1"
    pid=$(program_pid)
    check '[ -n "$pid" ]' "found the program's process"
    kill -s "$sig" "$pid"
    wait_until exited
    want=$((128 + $(kill -l "$sig")))
    check '[ "$(cat "$WORK/exit")" = "$want" ]' "SIG$sig: status $want (got $(cat "$WORK/exit"))"
    modes=$(cat "$WORK/stty")
    for mode in echo icanon isig opost onlcr; do
      check 'grep -qE "(^|[ ])$mode([ ]|$)" <<<"$modes"' "SIG$sig: stty shows $mode"
    done
    check '[ "$(pane "#{alternate_on}")" = 0 ]' "SIG$sig: the main screen is back"
    check '[ "$(pane "#{cursor_flag}")" = 1 ]' "SIG$sig: the cursor is visible"
    echo "SIG$sig: ok"
  ) || exit 1
done
echo "PASS"
