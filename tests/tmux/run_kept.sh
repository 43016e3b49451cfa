#!/bin/bash
# What the program leaves behind. After the last key the terminal's normal screen holds the
# final screen's text, in its colours, and then the setup sheet; with standard output
# redirected to a file the dialog runs on the terminal and the file holds the same, as plain
# text; a refused terminal, a signal or a hang-up leaves the file empty.
# Usage: run_kept.sh BINARY SHEET screen|no-colour|file|refused|signal|hangup
#   SHEET: the setup sheet of the first worked example (5 4 N 6 0.5 110), as the program
#   must print it.
set -u
. "$(dirname "$0")/soak_lib.sh"
need_tmux
[ $# -eq 3 ] || { echo "usage: $0 BINARY SHEET screen|no-colour|file|refused|signal|hangup"; exit 2; }
binary=$1 sheet=$2 how=$3
command -v python3 >/dev/null || { echo "SKIP: python3 is not installed"; exit 77; }
ANSWERS=("" 5 4 N 6 0.5 110)

# start_redirected [ENV...]: the program with standard output to $WORK/out.
start_redirected() {
  WORK=$(mktemp -d)
  printf '#!/bin/sh\nexec env %s %q >%q\n' "$*" "$binary" "$WORK/out" >"$WORK/redirected.sh"
  chmod +x "$WORK/redirected.sh"
  start_program "$WORK/redirected.sh"
}

# The final screen as the program leaves it: rows without trailing blanks, and without the
# empty rows at the foot.
final_screen_text() {
  screen | sed 's/ *$//' | sed -e ':a' -e '/^\n*$/{$d;N;ba' -e '}'
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

# The whole scrollback holds the final screen and then the sheet: tmux may still be reading
# the program's last bytes when the program has ended, so this is waited for.
scrollback_holds_them() {
  tmux -S "$SOCKET" capture-pane -p -t t -S - -E - | sed 's/ *$//' >"$WORK/scrollback"
  python3 - "$WORK/scrollback" <(expected_text) <<'PY'
import sys
have = open(sys.argv[1]).read().split("\n")
want = open(sys.argv[2]).read().rstrip("\n").split("\n")
sys.exit(0 if any(have[i:i + len(want)] == want for i in range(len(have))) else 1)
PY
}

no_sheet_on_the_terminal() {
  ! tmux -S "$SOCKET" capture-pane -p -t t -S - -E - | grep -qF "Setup sheet"
}

case $how in
  screen)
    start_program "$binary"
    dialog_to_the_end
    finish_program
    wait_until scrollback_holds_them
    # The report's row keeps its colours: the label in the prompt colour, the value in the
    # answer colour; the sheet has none.
    tmux -S "$SOCKET" capture-pane -p -e -N -t t -S - -E - |
      python3 "$(dirname "$0")/screen_cells.py" >"$WORK/cells"
    report=$(grep -F "   Front-back spacing of the centre" "$WORK/cells" | head -n1)
    check '[ "$(cut -f2 <<<"$report")" = "$(printf "p%.0s" $(seq 71))aaaa" ]' \
      "the report's first row in its colours: $report"
    check 'grep -F "   LS surround left" "$WORK/cells" | cut -f2 | grep -qx "n*"' \
      "the sheet in the terminal's own colours"
    ;;
  no-colour)
    start_program env NO_COLOR=1 "$binary"
    dialog_to_the_end
    finish_program
    wait_until scrollback_holds_them
    tmux -S "$SOCKET" capture-pane -p -e -t t -S - -E - >"$WORK/coloured"
    check '! grep -qE $'"'"'\e\\[[0-9;]*(3[0-7]|9[0-7]|4[0-7]|10[0-7])m'"'"' "$WORK/coloured"' \
      "no colour anywhere with NO_COLOR"
    python3 "$(dirname "$0")/screen_cells.py" <"$WORK/coloured" >"$WORK/cells"
    report=$(grep -F "   Front-back spacing of the centre" "$WORK/cells" | head -n1)
    check '[ "$(cut -f2 <<<"$report")" = "nnn$(printf "d%.0s" $(seq 68))nnnn" ]' \
      "the report's first row dim, its value plain: $report"
    ;;
  file)
    start_redirected
    dialog_to_the_end
    check '[ ! -s "$WORK/out" ]' "nothing in the file while the program runs"
    finish_program
    check 'cmp -s "$WORK/out" <(expected_text)' \
      "the file holds the final screen and the sheet: $(diff "$WORK/out" <(expected_text))"
    check 'no_sheet_on_the_terminal' "the sheet is in the file, not on the terminal"
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
