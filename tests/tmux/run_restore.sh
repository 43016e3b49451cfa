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
    kill_and_check_restored "$sig" "SIG$sig"
    echo "SIG$sig: ok"
  ) || exit 1
done
echo "PASS"
