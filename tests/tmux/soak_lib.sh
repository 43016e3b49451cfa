# Helpers of the soak and fault scripts, on top of lib.sh: where the dialog's rows are, waiting
# for a question, and a clean dialog's screen to compare with.
# shellcheck shell=bash

. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

VALUE_COLUMN=72
PROMPTS=(
  ""
  "   Maximum front-back spacing of the centre and surround speakers?"
  "   Maximum side-side spacing of the front left/right speakers?"
  "   Is the surround speaker side-to-side spacing fixed [Y/N]?"
  "   Maximum side-to-side spacing of the surround speakers?"
  "   Height of the surround speakers above the listening position?"
  "   Angular position of the surround speakers in degrees [100 to 120]?"
)
# The answers of the valid dialog every script ends with, and the row of each question.
ANSWERS=("" 5 4 N 3 1 110)
QUESTION_ROW=("" 8 9 10 11 12 13)

# start_program_marked BINARY [ARGS...]: like start_program, and after the program ends the
# wrapper prints a line in the terminal's own colours, for the colour check.
start_program_marked() { AFTER_EXIT_MARK=AFTER-EXIT start_program "$@"; }

cursor_at() { [ "$(pane '#{cursor_y},#{cursor_x}')" = "$(($1 - 1)),$(($2 - 1))" ]; }

# The program waits for answer K: its prompt is on its row and the cursor at the value column.
at_question() {
  local k=$1 row=${QUESTION_ROW[$1]}
  row_has "$row" "${PROMPTS[$k]}" && cursor_at "$row" "$VALUE_COLUMN" &&
    [ "$(pane '#{cursor_flag}')" = 1 ]
}

# The answer typed on row N: what stands from the value column on, without trailing blanks.
# Counted in characters: a message box on the row brings multi-byte glyphs.
answer_on() {
  local LC_ALL=C.UTF-8 text
  text=$(row "$1")
  text=${text:$((VALUE_COLUMN - 1))}
  printf '%s\n' "${text%"${text##*[! ]}"}"
}

# Answers questions FROM to TO with the valid answers, each after its question is asked.
answer_questions() {
  local k
  for ((k = $1; k <= $2; k++)); do
    wait_until at_question "$k"
    keys -l "${ANSWERS[$k]}"
    keys Enter
  done
}

closing_shown() { row_has 21 "   press any key to quit"; }

# The whole screen, cell by cell, with the colours that show: the background of every cell and
# the foreground of every cell that is not blank (a redraw may leave any foreground on a blank).
# Blanks on the default background at the end of a row are dropped: tmux keeps a blank that was
# written (an erased character that had wrapped) and trims one that was only cleared.
screen_colours() {
  tmux -S "$SOCKET" capture-pane -p -e -t t | perl -CSD -ne '
    chomp;
    my ($fg, $bg, $out) = ("39", "49", "");
    for my $piece (split /(\e\[[0-9;]*m)/) {
      if ($piece =~ /^\e\[([0-9;]*)m$/) {
        my @p = split /;/, ($1 eq "" ? "0" : $1);
        while (@p) {
          my $c = shift @p;
          if ($c == 0) { ($fg, $bg) = ("39", "49"); }
          elsif ($c == 38 || $c == 48) { my $v = join ";", splice(@p, 0, $p[0] == 5 ? 2 : 4);
            if ($c == 38) { $fg = "38;$v" } else { $bg = "48;$v" } }
          elsif (($c >= 30 && $c <= 37) || ($c >= 90 && $c <= 97) || $c == 39) { $fg = $c; }
          elsif (($c >= 40 && $c <= 47) || ($c >= 100 && $c <= 107) || $c == 49) { $bg = $c; }
        }
        next;
      }
      for my $ch (split //, $piece) { $out .= $ch eq " " ? "[$bg] " : "[$fg/$bg]$ch"; }
    }
    $out =~ s/(\[49\] )+$//;
    print "$out\n";'
}

# reference_screen BINARY FILE: a clean dialog with the valid answers, its closing screen
# (with colours) written to FILE.
reference_screen() {
  (
    WORK=$(mktemp -d)
    start_program "$1"
    answer_questions 1 6
    wait_until closing_shown
    screen_colours >"$2"
  ) || exit 1
}

# Compares the screen with a reference file, showing both when they differ.
check_screen_is() {
  if ! diff <(screen_colours) "$1" >/dev/null; then
    echo "FAIL: $2"
    diff <(screen_colours) "$1" | sed 's/^/  | /'
    exit 1
  fi
}

# The rows the dialog fills, checked one by one: prompts, answers, report labels and the
# closing line.
check_dialog_rows() {
  local k
  for k in 1 2 3 4 5 6; do
    check "[ \"\$(row ${QUESTION_ROW[$k]} | cut -c1-$((VALUE_COLUMN - 1)) | sed 's/ *\$//')\" = \"${PROMPTS[$k]}\" ]" \
      "row ${QUESTION_ROW[$k]} holds prompt $k${PROMPTS[$k]:+ }${PROMPTS[$k]:-(none)}"
    check "[ \"\$(answer_on ${QUESTION_ROW[$k]})\" = \"${ANSWERS[$k]}\" ]" \
      "row ${QUESTION_ROW[$k]} holds answer $k (${ANSWERS[$k]})"
  done
  check 'row_has 16 "   Front-back spacing" && row_has 17 "   Listening distance" &&
    row_has 18 "   Side-side spacing of the surround"' "rows 16 to 18 hold the report"
  check '[ "$(row 21)" = "   press any key to quit" ]' "row 21 is the closing line"
}

# Ends the program with a key and checks that it ended well.
finish_program() {
  keys q
  wait_until exited
  check '[ "$(cat "$WORK/exit")" = 0 ]' "exit code 0 (got $(cat "$WORK/exit"))"
  check '[ "$(pane "#{alternate_on}")" = 0 ]' "the main screen is back"
}
