#!/bin/bash
# A 10000-character paste into the first answer, Backspace over all of it, then a valid
# dialog. The paste runs on 125 rows from the value column, so the screen scrolls by 111 rows:
# the banner and the first prompt go, and Backspace cannot bring them back (erasing above the
# top row stays on row 1). The first answer ends up empty, the second prompt on row 2, and every
# later row where the dialog puts it: the second answer at the first anchor row + 1 (row 9),
# the other questions on rows 10 to 13, the report on 16 to 18, the closing line on 21.
# Usage: soak_paste.sh BINARY
set -u
. "$(dirname "$0")/soak_lib.sh"
need_tmux
[ $# -ge 1 ] || { echo "usage: $0 BINARY"; exit 2; }
TIMEOUT_S=60
WORK=$(mktemp -d)
start_program "$1"

length=10000
text=$(for ((i = 0; i < length / 10; i++)); do printf '%s' "0123456789"; done)
printf '%s' "$text" >"$WORK/paste"
wait_until at_question 1
tmux -S "$SOCKET" load-buffer -b soak "$WORK/paste"
tmux -S "$SOCKET" paste-buffer -b soak -t t
echo "pasted $length characters into the first answer ($SECONDS s)"

# Cells counted from the top-left of the screen, as the echo runs on.
start=$(((8 - 1) * 80 + VALUE_COLUMN - 1))
end=$((start + length))
scrolls=$(((end - 1) / 80 - 21))
last_row_first=$(((scrolls + 21) * 80 - start))
last_row_text=${text:$last_row_first}
pasted_in_full() { cursor_at 22 $((end - (scrolls + 21) * 80 + 1)) && [ "$(row 22 | sed 's/ *$//')" = "$last_row_text" ]; }
wait_until pasted_in_full
echo "the echo scrolled the screen by $scrolls rows and ends on row 22 as it should ($SECONDS s)"

keys -N "$length" BSpace
keys Enter
second_asked() { row_has 2 "${PROMPTS[2]}" && cursor_at 9 "$VALUE_COLUMN"; }
wait_until second_asked
echo "Backspace x $length, Enter: the second question is asked ($SECONDS s)"
check '[ "$(row 2)" = "${PROMPTS[2]}" ]' "the second prompt is on row 2, below the erased answer"
for r in 1 3 4 5 6 7 8; do
  check "[ -z \"\$(row $r | tr -d ' ')\" ]" "row $r is blank after the erased paste"
done

keys -l 4
keys Enter
answer_questions 3 6
wait_until closing_shown
ANSWERS[1]=""
PROMPTS[1]=""
PROMPTS[2]=""  # the second prompt stands on row 2, its answer on row 9
check_dialog_rows
echo "rows 9 to 13, 16 to 18 and 21 are where the dialog puts them"
finish_program
echo "PASS"
