#!/bin/bash
# On a terminal that cannot place the cursor (TERM=dumb) the program does not start: exit code
# 255, one line on standard error, and the terminal exactly as it was: the same modes, and not
# one byte written to it.
# Usage: run_dumb.sh BINARY
set -u
. "$(dirname "$0")/lib.sh"
need_tmux
[ $# -ge 1 ] || { echo "usage: $0 BINARY"; exit 2; }
mark="after the program"
RECORD_TTY=1 AFTER_EXIT_MARK=$mark start_program env TERM=dumb "$1"

wait_until exited
check '[ "$(cat "$WORK/exit")" = 255 ]' "exit code 255 (got $(cat "$WORK/exit"))"
check '[ "$(wc -l <"$WORK/stderr")" = 1 ]' "one line on standard error: $(cat "$WORK/stderr")"
check 'grep -q "TERM=dumb" "$WORK/stderr"' "the line names the terminal: $(cat "$WORK/stderr")"
# Everything written to the terminal arrives before the wrapper's own line after the program.
wait_until grep -qF "$mark" "$WORK/tty"
check '[ "$(tr -d "\r" <"$WORK/tty")" = "$mark" ]' \
  "nothing but the wrapper's line on the terminal: $(cat -v "$WORK/tty")"
check 'cmp -s "$WORK/stty.before" "$WORK/stty"' "the terminal's modes are unchanged"
check '[ "$(pane "#{alternate_on}")" = 0 ] && [ "$(pane "#{cursor_flag}")" = 1 ]' \
  "the main screen with a visible cursor"
echo "PASS: $(cat "$WORK/stderr")"
