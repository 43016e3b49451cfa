#!/bin/bash
# Random bytes typed at every question (fixed seed): control bytes, escape sequences, bytes of
# 128 and up, broken and whole UTF-8, then enough Backspaces to erase whatever they typed and
# the valid answer. Every question must stay on its row and the closing screen must be the
# one of a dialog typed cleanly. Only Enter is kept out of the random bytes: CR, LF and the
# keypad's "ESC O M" (with or without a modifier) would hand the random text in as the answer.
# Usage: soak_random.sh BINARY [SEED] [BYTES_PER_QUESTION]
set -u
. "$(dirname "$0")/soak_lib.sh"
need_tmux
[ $# -ge 1 ] || { echo "usage: $0 BINARY [SEED] [BYTES]"; exit 2; }
RANDOM=${2:-4711}
per_question=${3:-200}
WORK=$(mktemp -d)
reference_screen "$1" "$WORK/reference"
start_program "$1"

# Whole sequences among the random bytes, so that they come up at every question.
SEQUENCES=(1b5b41 1b5b313b3544 1b4f50 1b5b31357e 1b5b337e c3a9 e282ac f09f9880 1b 1b78 1b5b 1b4f
  1b5b3f32303034 c3 e2 03 1a 1c 11 13 7f 08 09 00)

# Sets BYTES to the hex of the next question's bytes. It runs in this shell, never in a
# subshell: bash reseeds RANDOM in every subshell, and the seed would no longer fix the bytes.
random_bytes() {
  until random_attempt && ! grep -Eq '1b 4f (3[0-9] |3b )*4d' <<<"$BYTES"; do :; done
}

random_attempt() {
  local n=0 b hex=()
  while [ "$n" -lt "$per_question" ]; do
    if [ $((RANDOM % 8)) = 0 ]; then
      b=${SEQUENCES[$((RANDOM % ${#SEQUENCES[@]}))]}
      hex+=("$b")
      n=$((n + ${#b} / 2))
    else
      b=$((RANDOM % 256))
      [ "$b" = 10 ] || [ "$b" = 13 ] && continue
      hex+=("$(printf '%02x' "$b")")
      n=$((n + 1))
    fi
  done
  BYTES=$(printf '%s\n' "${hex[@]}" | sed 's/../& /g' | tr -s ' \n' ' ')
}

for k in 1 2 3 4 5 6; do
  wait_until at_question "$k"
  random_bytes
  count=$(wc -w <<<"$BYTES")
  escapes=$(grep -o '1b' <<<"$BYTES" | wc -l)
  # shellcheck disable=SC2086
  tmux -S "$SOCKET" send-keys -t t -H $BYTES
  keys -N $((count + 20)) BSpace
  keys -l "${ANSWERS[$k]}"
  keys Enter
  echo "question $k: $count random bytes ($escapes ESC), erased, answered ${ANSWERS[$k]}"
done
wait_until closing_shown
check_dialog_rows
check_screen_is "$WORK/reference" "the screen is the one of a dialog typed cleanly"
echo "every row is where it belongs ($SECONDS s)"
finish_program
echo "PASS"
