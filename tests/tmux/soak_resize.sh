#!/bin/bash
# The terminal made smaller than 80x22 and back at every question, in each direction alone and
# in both: the notice while it is too small, then the screen exactly as it was, the question
# still waiting on its row, and at the end the screen of a dialog without resizes.
# Usage: soak_resize.sh BINARY
set -u
. "$(dirname "$0")/soak_lib.sh"
need_tmux
[ $# -ge 1 ] || { echo "usage: $0 BINARY"; exit 2; }
WORK=$(mktemp -d)
reference_screen "$1" "$WORK/reference"
start_program "$1"

resize() { tmux -S "$SOCKET" resize-window -t t -x "$1" -y "$2"; }
# The notice wraps on a narrow terminal: read as one line.
notice_for() {
  screen | tr '\n' ' ' | tr -s ' ' | grep -qF "enlarge this window to at least 80 x 22 (now $1 x $2)"
}

for k in 1 2 3 4 5 6; do
  wait_until at_question "$k"
  screen_colours >"$WORK/before"
  for size in "79 22" "80 21" "20 5"; do
    # shellcheck disable=SC2086
    resize $size
    # shellcheck disable=SC2086
    wait_until notice_for $size
    resize 80 22
    wait_until at_question "$k"
    check_screen_is "$WORK/before" "question $k: the screen is back as it was after ${size/ /x}"
  done
  keys -l "${ANSWERS[$k]}"
  keys Enter
  echo "question $k: resized to 79x22, 80x21, 20x5 and back: notice shown, screen intact"
done
wait_until closing_shown
check_dialog_rows
check_screen_is "$WORK/reference" "the screen is the one of a dialog without resizes"
echo "every row is where it belongs ($SECONDS s)"
finish_program
echo "PASS"
