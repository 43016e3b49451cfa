#!/bin/bash
# The program in a real terminal (tmux, 80x22): its banner, the questions when it asks them
# (with one wrong answer, to see the message box), the closing line in its colours, a key to
# end it and exit code 0, and the terminal given back. Midway the terminal is made too small:
# keys typed while it asks to be enlarged are dropped, and the screen comes back as it was.
# Usage: run_basic.sh BINARY [ARGS...]
set -u
. "$(dirname "$0")/soak_lib.sh"
need_tmux
[ $# -ge 1 ] || { echo "usage: $0 BINARY [ARGS...]"; exit 2; }
start_program "$@"

wait_until row_has 2 "Sorvanta v1"
check '[ "$(row 2)" = "   Sorvanta v1" ]' "row 2 is the title line"
check 'row 3 | grep -q "^   [^ ]" && row 4 | grep -q "^   [^ ]"' "rows 3 and 4 hold the credit and web lines"
check '[ "$(pane "#{alternate_on}")" = 1 ]' "the program draws on the alternate screen"

# shrink_typing KEYS...: KEYS typed while the terminal is too small (read once the notice shows
# a new size), then the screen and cursor as they were once it is large again.
notice() { screen | tr '\n' ' ' | tr -s ' ' | grep -qF "(now $1 x 15); keys are ignored until then."; }
shrink_typing() {
  local cursor
  cursor=$(pane '#{cursor_y},#{cursor_x},#{cursor_flag}')
  screen_colours >"$WORK/before"
  tmux -S "$SOCKET" resize-window -t t -x 60 -y 15
  wait_until notice 60
  keys "$@"
  tmux -S "$SOCKET" resize-window -t t -x 61 -y 15
  wait_until notice 61
  tmux -S "$SOCKET" resize-window -t t -x 80 -y 22
  wait_until eval 'diff -q <(screen_colours) "$WORK/before" >/dev/null'
  check '[ "$(pane "#{cursor_y},#{cursor_x},#{cursor_flag}")" = "$cursor" ]' "the cursor is back"
}

prompt_or_box() { row_has 21 "press any key to quit" || screen_has "ERROR" || [ -n "$(row 8 | tr -d ' ')" ]; }
wait_until prompt_or_box

check_box() {
  wait_until screen_has "ERROR"
  check 'screen | grep -q "ERROR" && screen | grep -qF "[  OK  ]"' "the message box shows its caption and OK"
  keys Enter
  wait_until screen_lacks "ERROR"
}

if screen_has "ERROR"; then
  shrink_typing Enter
  check_box
elif ! row_has 21 "press any key to quit"; then
  # The six questions; the terminal shrinks mid-answer, the third is answered wrongly once.
  keys 5
  wait_until eval '[ "$(answer_on 8)" = 5 ]'
  shrink_typing 9 Enter
  keys Enter 4 Enter X Enter
  check_box
  wait_until eval '[ -z "$(row 10 | cut -c72- | tr -d " ")" ]'
  keys N Enter 3 Enter 1 Enter 110 Enter
  wait_until row_has 21 "press any key to quit"
  check '[ "$(answer_on 8)" = 5 ]' "the first answer is 5, as typed before the shrink"
fi

wait_until row_has 21 "press any key to quit"
check '[ "$(row 21)" = "   press any key to quit" ]' "row 21 is the closing line"
colours=$(row_colours 21)
check 'grep -q "90" <<<"$colours" && grep -q "107" <<<"$colours"' \
  "the closing line is dark grey (90) on bright white (107): $(cat -v <<<"$colours")"
check '[ "$(pane "#{pane_title}")" = Sorvanta ]' "the terminal's title is Sorvanta"

keys q
wait_until exited
check '[ "$(cat "$WORK/exit")" = 0 ]' "exit code 0 (got $(cat "$WORK/exit"))"
check '[ "$(pane "#{alternate_on}")" = 0 ]' "the main screen is back"
check '[ "$(pane "#{cursor_flag}")" = 1 ]' "the cursor is visible again"
echo "PASS"
