#!/bin/bash
# The program in an 80x22 tmux terminal: a whole dialog typed in, with rejected answers, every
# row of the final screen checked with its colours, then the last key and exit code 0.
#
#   run_dialog.sh path/to/sorvanta          the program on this terminal
#   run_dialog.sh path/to/sorvanta.exe      the Windows program under Wine
#   run_dialog.sh path/to/sorvanta LOOK NAME=VALUE...
#       the program with these variables set for it alone (NO_COLOR=1, TERM=vt100: tmux itself
#       still understands everything), on a terminal it must draw without colours. Its results
#       exceed their limits and must stand out in reverse video and bold; nothing may be in
#       colour. LOOK says how its prompts look there: dim, or plain where the terminal has no dim.
#
# On a terminal the message box is drawn over the screen and closed with Enter. Wine runs without
# a display, so its console is the terminal itself and a message box returns at once (nothing can
# show it): the rejected answers still take the error path, beep and box included, and are wiped
# and asked again. Exits 77 (skipped) without tmux, python3 or, for the .exe, Wine.
set -euo pipefail

exe=${1:?usage: run_dialog.sh PROGRAM [LOOK NAME=VALUE...]}
look=${2:-colour}
case $look in colour | dim | plain) ;; *) echo "LOOK is dim or plain, not $look"; exit 2 ;; esac
here=$(cd "$(dirname "$0")" && pwd)
wine_run=$(cd "$here/../wine" && pwd)/wine-run.sh
tools=(tmux python3)
launch="'$exe'"
if [ $# -ge 2 ]; then launch="env ${*:3} $launch"; fi
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
# Without colours: limits that both results exceed, and a fixed surround spacing.
if [ "$look" != colour ]; then answers=(3 2 yes BOX y 4 0.5 99.99 BOX 120); fi

# The final screen. Each line: row, column, colour, text. Colours: a answer (black on bright
# white), p prompt (dark grey on bright white), w warning (light red on bright white); without
# colours they are normal, dim or plain by LOOK, and reverse video and bold. Every cell not
# named here must be a blank in the answer colour.
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

# Waits up to 60 s for a screen condition: a row number and text, or "any" and text.
wait_for_row() {
  local row=$1 text=$2 rows
  for _ in $(seq 600); do
    if [ "$row" = any ]; then rows=(cat); else rows=(sed -n "${row}p"); fi
    if screen | "${rows[@]}" | cut -f1 | grep -qF -- "$text"; then return 0; fi
    if [ -f "$work/exit" ]; then break; fi
    sleep 0.1
  done
  echo "row $row never showed: $text"
  screen | cut -f1
  return 1
}

wait_until_gone() {
  for _ in $(seq 600); do
    screen | cut -f1 | grep -qF -- "$1" || return 0
    sleep 0.1
  done
  echo "still showing: $1"
  return 1
}

close_box() {
  [[ $exe == *.exe ]] && return 0
  wait_for_row any "ERROR"
  tmux -S "$socket" send-keys -t sorvanta Enter
  wait_until_gone "ERROR"
}

tmux -S "$socket" -f /dev/null new-session -d -s sorvanta -x 80 -y 22 \
  "$launch; echo \$? > '$work/exit'; sleep 600"
tmux -S "$socket" set-option -t sorvanta remain-on-exit on >/dev/null

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

# Any key ends the program, with exit code 0.
tmux -S "$socket" send-keys -t sorvanta q
for _ in $(seq 300); do
  [ -s "$work/exit" ] && break
  sleep 0.1
done
[ -s "$work/exit" ] || { echo "the program did not end after the last key"; exit 1; }
code=$(cat "$work/exit")
[ "$code" = 0 ] || { echo "exit code $code, not 0"; exit 1; }
echo "dialog passed: ${#answers[@]} answers, 22 rows checked, exit code 0"
