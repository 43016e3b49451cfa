#!/bin/bash
# Standard streams that are not the terminal. With standard input and output redirected to
# files, and again with standard error redirected too, the program still talks to the
# terminal: a whole dialog, exit code 0, and only then the final screen and the setup sheet in
# the output file, as plain text (and with all three redirected, one line on standard error
# saying where it draws). With no terminal at all it ends with 255 and one line on standard
# error (run_notty.sh).
# Usage: soak_redirect.sh BINARY
set -u
. "$(dirname "$0")/soak_lib.sh"
need_tmux
[ $# -ge 1 ] || { echo "usage: $0 BINARY"; exit 2; }
binary=$1

# dialog_with STREAMS: a whole dialog with standard input and output redirected to files, and
# standard error too when STREAMS is "all".
dialog_with() {
  (
    WORK=$(mktemp -d)
    redirections="<'$WORK/in' >'$WORK/out'"
    [ "$1" = all ] && redirections+=" 2>'$WORK/err'"
    printf '#!/bin/sh\nexec %q %s\n' "$binary" "$redirections" >"$WORK/redirected.sh"
    chmod +x "$WORK/redirected.sh"
    echo "some input" >"$WORK/in"
    start_program "$WORK/redirected.sh"
    answer_questions 1 6
    wait_until closing_shown
    check_dialog_rows
    check '[ ! -s "$WORK/out" ]' "$redirections: nothing in the output file during the dialog"
    finish_program
    check 'grep -qx "   Sorvanta v1" "$WORK/out" && grep -qx "   Setup sheet" "$WORK/out"' \
      "$redirections: the final screen and the setup sheet in the output file"
    check '! grep -q $'"'"'\e'"'"' "$WORK/out"' "$redirections: the output file is plain text"
    if [ -f "$WORK/err" ]; then
      check '[ "$(wc -l <"$WORK/err")" = 1 ]' "$redirections: one line on standard error"
      echo "standard error said: $(cat "$WORK/err")"
    fi
    what="standard input and output"
    [ "$1" = all ] && what="standard input, output and error"
    echo "$what redirected to files: a whole dialog on the terminal, exit code 0"
  ) || exit 1
}

dialog_with in-out
dialog_with all
"$(dirname "$0")/run_notty.sh" "$binary" || exit 1
echo "PASS"
