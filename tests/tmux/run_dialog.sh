#!/bin/bash
# The program in an 80x22 tmux terminal: a whole dialog typed in, with rejected answers, every
# row of the final screen checked with its colours, then the last key and exit code 0.
#
#   run_dialog.sh path/to/sorvanta          the program on this terminal
#   run_dialog.sh path/to/sorvanta.exe      the Windows program under Wine
#   run_dialog.sh path/to/sorvanta LOOK NAME=VALUE...
#       the program with these variables set for it alone (NO_COLOR=1, TERM=vt100, LANG=C: tmux
#       itself still understands everything), drawn as LOOK says: colour, eight (colours), dim
#       or plain (no colours, prompts dim or not). But for colour the results exceed their
#       limits and must stand out. After the last key the final screen is kept once, without
#       the closing line, in the terminal's own colours, then the sheet; TERM=vt100 and
#       TERM=linux get no title, LANG=C no byte above 127.
#
# On a terminal the message box is drawn over the screen and closed with Enter. Wine runs without
# a display, so its console is the terminal itself and a message box returns at once (nothing can
# show it): the rejected answers still take the error path, beep and box included, and are wiped
# and asked again. Exits 77 (skipped) without tmux, python3 or, for the .exe, Wine.
set -euo pipefail

exe=${1:?usage: run_dialog.sh PROGRAM [LOOK NAME=VALUE...]}
look=${2:-colour}
case $look in colour | eight | dim | plain) ;; *) echo "LOOK is eight, dim or plain, not $look"; exit 2 ;; esac
here=$(cd "$(dirname "$0")" && pwd)
wine_run=$(cd "$here/../wine" && pwd)/wine-run.sh
tools=(tmux python3)
launch="'$exe'"
if [ $# -ge 2 ]; then launch="env ${*:3} $launch"; fi
title=true ascii=false
[[ " ${*:3} " != *" TERM=vt100 "* && " ${*:3} " != *" TERM=linux "* ]] || title=false
[[ " ${*:3} " != *" LANG=C "* ]] || ascii=true
if [[ $exe == *.exe ]]; then
  tools+=(wine script)
  launch="'$wine_run' '$exe'"
fi
for tool in "${tools[@]}"; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

# The dialog: each answer is typed and ended with Enter, in order. A rejected answer is followed
# by BOX, the message box that it brings (closed with Enter once it shows), and then by the
# answer that replaces it.
answers=(
  5      # maximum front-back spacing
  4      # maximum front width
  yes    # rejected: Y or N only
  BOX
  n      # surround spacing not fixed
  6      # its maximum
  0.5    # surround height
  99.99  # rejected: below 100 degrees
  BOX
  110    # surround angle
)
# Otherwise: limits that both results exceed, and a fixed surround spacing.
if [ "$look" != colour ]; then answers=(3 2 yes BOX y 4 0.5 99.99 BOX 120); fi

# The final screen. Each line: row, column, colour, text. Colours: a answer (black on bright
# white), p prompt (dark grey on bright white), w warning (light red on bright white), in eight
# colours A, P and W; without colours normal, dim or plain by LOOK, and reverse video and bold.
# Every cell not named here must be a blank in the answer colour.
expected_screen() {
  cat <<'ROWS'
2 1 a    Sorvanta v1
3 1 a    Surround loudspeaker placement planner, by the Sorvanta developers
4 1 a    https://sorvanta.example.org
8 1 p    Maximum front-back spacing of the centre and surround speakers?
9 1 p    Maximum side-side spacing of the front left/right speakers?
10 1 p    Is the surround speaker side-to-side spacing fixed [Y/N]?
12 1 p    Height of the surround speakers above the listening position?
13 1 p    Angular position of the surround speakers in degrees [100 to 120]?
16 1 p    Front-back spacing of the centre and surround speakers
17 1 p    Listening distance and side-side spacing of the front L/R speakers
21 1 p    press any key to quit
ROWS
  if [ "$look" = colour ]; then
    cat <<'ROWS'
8 72 a 5
9 72 a 4
10 72 a n
11 1 p    Maximum side-to-side spacing of the surround speakers?
11 72 a 6
12 72 a 0.5
13 72 a 110
16 72 a 4.32
17 72 a 3.23
18 1 p    Side-side spacing of the surround speakers
18 72 a 6.00
ROWS
  else
    cat <<'ROWS'
8 72 a 3
9 72 a 2
10 72 a y
11 1 p    Side-to-side spacing of the surround speakers?
11 72 a 4
12 72 a 0.5
13 72 a 120
16 72 w 3.52
17 72 w 2.36
ROWS
  fi
}

work=$(mktemp -d)
socket="$work/tmux-socket"
cleanup() {
  tmux -S "$socket" kill-server 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

if [[ $exe == *.exe ]]; then "$wine_run" --prepare; fi

# The screen as rows of "text<TAB>colours", one letter a cell, from tmux's coloured capture.
screen() {
  tmux -S "$socket" capture-pane -p -e -N -t sorvanta | python3 "$here/screen_cells.py"
}

text() { tmux -S "$socket" capture-pane -p -t sorvanta; }
# Waits up to 60 s for a screen condition: a row number and text, or "any" and text.
wait_for_row() {
  local row=$1 text=$2 rows
  for _ in $(seq 3000); do
    if [ "$row" = any ]; then rows=(cat); else rows=(sed -n "${row}p"); fi
    if text | "${rows[@]}" | grep -qF -- "$text"; then return 0; fi
    if [ -f "$work/exit" ]; then break; fi
    sleep 0.02
  done
  echo "row $row never showed: $text"
  screen | cut -f1
  return 1
}

wait_until_gone() {
  for _ in $(seq 3000); do
    text | grep -qF -- "$1" || return 0
    sleep 0.02
  done
  echo "still showing: $1"
  return 1
}

# The box's corner: its glyph, or without UTF-8 the line set's (between shift out and in) or +.
close_box() {
  [[ $exe == *.exe ]] && return 0
  wait_for_row any "ERROR"
  corner=$(tmux -S "$socket" capture-pane -p -e -t sorvanta | grep -F "  ERROR" |
    sed 's/\x1b\[[0-9;]*m//g; s/  ERROR.*//' | LC_ALL=C.UTF-8 grep -oE $'(┌|\x0el\x0f|\\+)$' || true)
  [[ $corner == ┌ || ($ascii == true && -n $corner) ]] || { echo "box corner: $corner"; exit 1; }
  tmux -S "$socket" send-keys -t sorvanta Enter
  wait_until_gone "ERROR"
}

# Every byte written to the terminal is recorded.
tmux -S "$socket" -f /dev/null new-session -d -s sorvanta -x 80 -y 22 \
  "while [ ! -e '$work/tty' ]; do sleep 0.02; done; $launch; echo \$? > '$work/exit'; sleep 600"
tmux -S "$socket" set-option -t sorvanta remain-on-exit on >/dev/null
tmux -S "$socket" pipe-pane -O -t sorvanta "cat > '$work/tty'"

wait_for_row 8 "Maximum front-back spacing"
for answer in "${answers[@]}"; do
  if [ "$answer" = BOX ]; then
    close_box
    continue
  fi
  tmux -S "$socket" send-keys -t sorvanta -l -- "$answer"
  tmux -S "$socket" send-keys -t sorvanta Enter
done
wait_for_row 21 "press any key to quit"

# Compare every cell of the final screen.
screen >"$work/actual"
python3 - "$work/actual" <(expected_screen) "$look" <<'PY'
import sys
actual = [line.rstrip("\n").split("\t") for line in open(sys.argv[1])]
# How each role shows (screen_cells.py's letters), and which looks a blank may have.
shows, blanks = {
    "colour": ({"a": "a", "p": "p", "w": "w"}, "apwb"),
    "eight": ({"a": "A", "p": "P", "w": "W"}, "APWB"),
    "dim": ({"a": "n", "p": "d", "w": "r"}, "nd"),
    "plain": ({"a": "n", "p": "n", "w": "r"}, "n"),
}[sys.argv[3]]
rows = [[" "] * 80 for _ in range(22)]
colours = [[shows["a"]] * 80 for _ in range(22)]
for line in open(sys.argv[2]):
    row, column, colour, text = line.rstrip("\n").split(" ", 3)
    r, c = int(row) - 1, int(column) - 1
    for i, ch in enumerate(text):
        rows[r][c + i] = ch
        colours[r][c + i] = shows[colour]
# A blank shows only its background: any of the three pairs (or a blank erased in bright
# white, "b"), or without colours any look but reverse video, will do there. Blanks the
# terminal erased at the end of a row are not in the capture at all, and count as blanks.
def cell_ok(want_ch, want_colour, got_text, got_colours, c):
    if c >= len(got_text):
        return want_ch == " "
    if want_ch == " ":
        return got_text[c] == " " and got_colours[c] in blanks
    return got_text[c] == want_ch and got_colours[c] == want_colour

faults = 0
for r in range(22):
    want_text, want_colours = "".join(rows[r]), "".join(colours[r])
    got_text, got_colours = actual[r] if r < len(actual) else ("", "")
    if not all(cell_ok(want_text[c], want_colours[c], got_text, got_colours, c)
               for c in range(80)) or len(got_text) > 80:
        faults += 1
        print(f"row {r + 1}:\n  want {want_text!r}\n       {want_colours}\n"
              f"  got  {got_text!r}\n       {got_colours}")
sys.exit(1 if faults else 0)
PY

# Any key ends the program, with exit code 0; what is written after it is what is kept.
text | sed 's/ *$//' >"$work/final"
before_the_key=$(stat -c %s "$work/tty")
tmux -S "$socket" send-keys -t sorvanta q
for _ in $(seq 1500); do
  [ -s "$work/exit" ] && break
  sleep 0.02
done
[ -s "$work/exit" ] || { echo "the program did not end after the last key"; exit 1; }
code=$(cat "$work/exit")
[ "$code" = 0 ] || { echo "exit code $code, not 0"; exit 1; }
echo "dialog passed: ${#answers[@]} answers, 22 rows checked, exit code 0"
[[ $exe == *.exe ]] && exit 0

# tmux may still be reading the program's last bytes when it has ended: the checks are polled.
kept() {
  tmux -S "$socket" capture-pane -p -t sorvanta -S - -E - | sed 's/ *$//' >"$work/scrollback"
  python3 - "$work/tty" "$before_the_key" "$work/final" "$work/scrollback" "$look" "$title" \
    "$ascii" <<'PY'
import re, sys
tty, offset, final, scrollback, look, title, ascii = sys.argv[1:]
sent = open(tty, "rb").read()
after, faults = sent[int(offset):], []
rows = open(final).read().split("\n")[:20]  # without the closing line
while not rows[-1]:
    rows.pop()
want, have = rows + ["", "   Setup sheet"], open(scrollback).read().split("\n")
if sum(have[i:i + len(want)] == want for i in range(len(have))) != 1 or have.count(rows[1]) != 1:
    faults.append("the final screen, without its closing line, then the sheet, once")
sgr = [set(int(n or 0) for n in p.split(b";")) for p in re.findall(rb"\x1b\[([0-9;]*)m", after)]
if b"press any key" in after or any(n == 48 or 40 <= n <= 49 or n >= 100 for p in sgr for n in p):
    faults.append("no background colour and no closing line in the copy")
marks = [set(m.split(b";")) for m in re.findall(rb"\x1b\[([0-9;]*)m3\.52", after)]
if look != "colour" and not any(b"1" in m and m & {b"31", b"91", b"7"} for m in marks):
    faults.append("the result over its limit stands out in the copy")
if title == "false" and re.search(rb"\x1b\]|\x1b\[[0-9;]*t", sent):
    faults.append("no title (OSC, CSI t) where the terminal has none")
if ascii == "true" and max(sent) > 127:
    faults.append("no byte above 127 where the locale is not UTF-8")
print("\n".join("FAIL: " + f for f in faults) if faults else "kept passed")
sys.exit(1 if faults else 0)
PY
}
for _ in $(seq 250); do kept >/dev/null && break; sleep 0.02; done
kept
