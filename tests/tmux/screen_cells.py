"""Reads a coloured tmux capture (capture-pane -p -e -N) and prints each row as its text, a
tab and one letter a cell for how the cell is drawn. In colour: a answer (black on bright
white), p prompt (dark grey on bright white), w warning (light red on bright white), b the
terminal's own foreground on bright white (cells erased with that background); A, P, W and B
the same in eight colours, on light grey, the greys and the red bold. Without colour
(the terminal's own foreground and background): n normal, d dim, r reverse video and bold.
? anything else, such as a colour in a cell with attributes.
The drawing state carries over from row to row, as tmux emits only the changes."""
import re
import sys

NONE = frozenset()
NAMES = {
    (30, 107, NONE): "a",
    (90, 107, NONE): "p",
    (91, 107, NONE): "w",
    (39, 107, NONE): "b",
    (30, 47, NONE): "A",
    (30, 47, frozenset({"bold"})): "P",
    (31, 47, frozenset({"bold"})): "W",
    (39, 47, NONE): "B",
    (39, 49, NONE): "n",
    (39, 49, frozenset({"dim"})): "d",
    (39, 49, frozenset({"bold", "reverse"})): "r",
}
SGR = re.compile(r"\x1b\[([0-9;]*)m")
SETS = {1: {"bold"}, 2: {"dim"}, 7: {"reverse"}}
CLEARS = {22: {"bold", "dim"}, 27: {"reverse"}}


def apply(codes, fg, bg, attrs):
    numbers = [int(n) if n else 0 for n in codes.split(";")]
    for n in numbers:
        if n == 0:
            fg, bg, attrs = 39, 49, NONE
        elif 30 <= n <= 39 or 90 <= n <= 97:
            fg = n
        elif 40 <= n <= 49 or 100 <= n <= 107:
            bg = n
        elif n in SETS:
            attrs = attrs | SETS[n]
        elif n in CLEARS:
            attrs = attrs - CLEARS[n]
        else:
            attrs = attrs | {f"sgr{n}"}
    return fg, bg, frozenset(attrs)


def main():
    fg, bg, attrs = 39, 49, NONE
    for line in sys.stdin.read().split("\n")[:-1]:
        text, looks, at = [], [], 0
        for match in SGR.finditer(line):
            for ch in line[at:match.start()]:
                text.append(ch)
                looks.append(NAMES.get((fg, bg, attrs), "?"))
            fg, bg, attrs = apply(match.group(1), fg, bg, attrs)
            at = match.end()
        for ch in line[at:]:
            text.append(ch)
            looks.append(NAMES.get((fg, bg, attrs), "?"))
        print("".join(text) + "\t" + "".join(looks))


main()
