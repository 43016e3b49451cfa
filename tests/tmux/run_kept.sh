#!/bin/bash
# What the program leaves behind besides the scrollback (run_dialog.sh): with standard output
# redirected to a file the dialog runs on the terminal and the file holds the final screen's
# text and the setup sheet, as plain text; a refused terminal, a signal or a hang-up leaves the
# file empty.
# Usage: run_kept.sh BINARY SHEET file|refused|signal|hangup
#   SHEET: the setup sheet of the first worked example (5 4 N 6 0.5 110), as the program
#   must print it.
set -u
. "$(dirname "$0")/soak_lib.sh"
need_tmux
[ $# -eq 3 ] || { echo "usage: $0 BINARY SHEET file|refused|signal|hangup"; exit 2; }
binary=$1 sheet=$2 how=$3
ANSWERS=("" 5 4 N 6 0.5 110)

# start_redirected [ENV...]: the program with standard output to $WORK/out.
start_redirected() {
  WORK=$(mktemp -d)
  printf '#!/bin/sh\nexec env %s %q >%q\n' "$*" "$binary" "$WORK/out" >"$WORK/redirected.sh"
  chmod +x "$WORK/redirected.sh"
  start_program "$WORK/redirected.sh"
}

# The final screen as the program keeps it: rows without trailing blanks, without the closing
# line and without the empty rows at the foot.
final_screen_text() {
  screen | sed 's/ *$//' | grep -vF "press any key" | sed -e ':a' -e '/^\n*$/{$d;N;ba' -e '}'
}

# The text the program must leave: the final screen, an empty line, the sheet.
expected_text() {
  printf '%s\n\n' "$(cat "$WORK/final")"
  cat "$sheet"
}

dialog_to_the_end() {
  answer_questions 1 6
  wait_until closing_shown
  check_dialog_rows
  final_screen_text >"$WORK/final"
}

no_sheet_on_the_terminal() {
  ! tmux -S "$SOCKET" capture-pane -p -t t -S - -E - | grep -qF "Setup sheet"
}

case $how in
  file)
    # And where the program had no screen of its own, its final screen stays, in plain colours.
    [ -n "${TERM_FOR_IT:-}" ] || TERM_FOR_IT=linux "$0" "$@" || exit 1
    start_redirected ${TERM_FOR_IT:+TERM=$TERM_FOR_IT}
    dialog_to_the_end
    check '[ ! -s "$WORK/out" ]' "nothing in the file while the program runs"
    finish_program
    check 'cmp -s "$WORK/out" <(expected_text)' \
      "the file holds the final screen and the sheet: $(diff "$WORK/out" <(expected_text))"
    check 'no_sheet_on_the_terminal' "the sheet is in the file, not on the terminal"
    [ -z "${TERM_FOR_IT:-}" ] || wait_until eval '[ "$(tmux -S "$SOCKET" capture-pane -pe -S - |
      grep -cE "^(\e\[39m)? +Sorvanta v1$")" = 1 ]'
    ;;
  refused)
    start_redirected TERM=dumb
    wait_until exited
    check '[ "$(cat "$WORK/exit")" = 255 ]' "exit code 255 (got $(cat "$WORK/exit"))"
    check '[ -f "$WORK/out" ] && [ ! -s "$WORK/out" ]' "the file is empty"
    ;;
  signal)
    for sig in TERM HUP INT; do
      (
        start_redirected
        dialog_to_the_end
        kill_and_check_restored "$sig" "SIG$sig at the last screen"
        check '[ ! -s "$WORK/out" ]' "SIG$sig: the file is empty"
        check 'no_sheet_on_the_terminal' "SIG$sig: no sheet on the terminal"
      ) || exit 1
    done
    ;;
  hangup)
    start_redirected
    dialog_to_the_end
    pid=$(program_pid)
    tmux -S "$SOCKET" kill-server
    wait_until eval '! kill -0 "$pid" 2>/dev/null'
    check '[ ! -s "$WORK/out" ]' "the terminal closed at the last screen: the file is empty"
    ;;
  *)
    echo "no such case: $how"
    exit 2
    ;;
esac
echo "PASS: $how"
