#!/bin/bash
# A thousand rejected answers to question 3 and to question 6, then a valid dialog: every row
# where it belongs, and the screen the same as after a dialog without a wrong answer.
#
# The message box takes its closing key from the keyboard while it is open; keys that were
# typed ahead of it stay queued for the program. So each round is one write, sent once the box
# is open: Enter to close it and the next wrong answer with its Enter. The wrong answers count
# up, and the box is open when the newest one is on the screen, since the
# screen is redrawn only when the program waits.
# Usage: soak_reject.sh BINARY [ROUNDS]
set -u
. "$(dirname "$0")/soak_lib.sh"
need_tmux
[ $# -ge 1 ] || { echo "usage: $0 BINARY [ROUNDS]"; exit 2; }
rounds=${2:-1000}
WORK=$(mktemp -d)
reference_screen "$1" "$WORK/reference"
start_program "$1"

# The wrong answers are 8 characters ("x0000001", ...): they read as no number and stay on
# their row, and their last 5 characters show beside the widest box.
wrong() { printf 'x%07d' "$1"; }
box_shows() { [[ "$(row "$1" | sed 's/ *$//')" == *"${2:3}" ]]; }

# A quick poll of its own: a round takes a few milliseconds, the 50 ms of wait_until would
# make it the slowest part of the run.
wait_box() {
  local deadline=$((SECONDS + TIMEOUT_S))
  until box_shows "$1" "$2"; do
    if [ "$SECONDS" -ge "$deadline" ]; then
      echo "FAIL: timed out waiting for the box over answer $2"
      screen | sed 's/^/  | /'
      exit 1
    fi
    sleep 0.005
  done
}

# reject K: the wrong answers to question K, the box closed after the last of them.
reject() {
  local k=$1 row=${QUESTION_ROW[$1]} i
  wait_until at_question "$k"
  keys -l "$(wrong 1)"
  keys Enter
  wait_box "$row" "$(wrong 1)"
  for ((i = 2; i <= rounds; i++)); do
    keys Enter "$(wrong "$i")" Enter
    wait_box "$row" "$(wrong "$i")"
  done
  check 'screen_has "ERROR"' "the box is open over the last wrong answer"
  keys Enter
  wait_until at_question "$k"
  check '[ -z "$(answer_on "$row")" ]' "the last wrong answer to question $k is wiped"
  echo "question $k: $rounds answers rejected, each with its box; asked again on row $row ($SECONDS s)"
}

answer_questions 1 2
reject 3
answer_questions 3 5
reject 6
answer_questions 6 6
wait_until closing_shown
check_dialog_rows
check_screen_is "$WORK/reference" "the screen is the one of a dialog without wrong answers"
echo "every row is where it belongs ($SECONDS s)"
finish_program
echo "PASS"
