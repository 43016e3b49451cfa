"""Reads a coloured tmux capture (capture-pane -p -e -N) and prints each row as its text, a
tab and one letter a cell for the cell's colour pair: a answer (black on bright white),
p prompt (dark grey on bright white), w warning (light red on bright white), b the terminal's
own foreground on bright white (cells erased with that background), ? anything else.
The colour state carries over from row to row, as tmux emits only the changes."""
import re
import sys

NAMES = {(30, 107): "a", (90, 107): "p", (91, 107): "w", (39, 107): "b"}
SGR = re.compile(r"\x1b\[([0-9;]*)m")


def apply(codes, fg, bg):
    numbers = [int(n) if n else 0 for n in codes.split(";")]
    for n in numbers:
        if n == 0:
            fg, bg = 39, 49
        elif 30 <= n <= 39 or 90 <= n <= 97:
            fg = n
        elif 40 <= n <= 49 or 100 <= n <= 107:
            bg = n
    return fg, bg


def main():
    fg, bg = 39, 49
    for line in sys.stdin.read().split("\n")[:-1]:
        text, colours, at = [], [], 0
        for match in SGR.finditer(line):
            for ch in line[at:match.start()]:
                text.append(ch)
                colours.append(NAMES.get((fg, bg), "?"))
            fg, bg = apply(match.group(1), fg, bg)
            at = match.end()
        for ch in line[at:]:
            text.append(ch)
            colours.append(NAMES.get((fg, bg), "?"))
        print("".join(text) + "\t" + "".join(colours))


main()
