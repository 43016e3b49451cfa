#!/bin/bash
# The manual page: groff with every warning on says nothing about it, man renders it with its
# name line and every section a reader looks for, every environment variable the program's
# sources read is described in it, and its example of a setup sheet is the program's.
# Usage: manual_page.sh PAGE SOURCE_DIR SHEET
#   SHEET: the setup sheet of the first worked example as the program prints it, which the
#   page's examples show without its margin.
set -uo pipefail
[ $# -eq 3 ] || { echo "usage: $0 PAGE SOURCE_DIR SHEET"; exit 2; }
page=$1 source_dir=$2 sheet=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $1"; exit 1; }
for tool in groff man; do
  command -v "$tool" >/dev/null || fail "$tool is missing (Debian: groff, man-db)"
done

groff -man -ww -z "$page" >"$work/groff" 2>&1
status=$?
if [ "$status" != 0 ] || [ -s "$work/groff" ]; then
  sed 's/^/  groff| /' "$work/groff"
  fail "groff -man -ww -z gives status $status and the output above"
fi

MANWIDTH=80 man -l "$page" >"$work/text" 2>"$work/man" || fail "man -l fails: $(cat "$work/man")"
[ ! -s "$work/man" ] || fail "man -l warns: $(cat "$work/man")"
grep -q '^ *sorvanta - surround loudspeaker placement planner$' "$work/text" ||
  fail "no NAME line 'sorvanta - surround loudspeaker placement planner'"
for section in NAME SYNOPSIS DESCRIPTION KEYS "EXIT STATUS" ENVIRONMENT EXAMPLES "SEE ALSO"; do
  grep -qx "$section" "$work/text" || fail "no section $section"
done
# Examples are set unfilled, so nothing would break a line that is too long for the terminal.
LC_ALL=C MANWIDTH=80 man -l "$page" 2>/dev/null | awk 'length($0) > 80 { print; bad = 1 }
  END { exit bad }' >"$work/wide" || fail "lines wider than 80 columns: $(cat "$work/wide")"

# The example sheet, line by line without its indents, where the page shows it: hyphens as
# ASCII, lines unbroken.
LC_ALL=C MANWIDTH=200 man -l "$page" 2>/dev/null | sed -n '/^EXAMPLES$/,/^SEE ALSO$/p' \
  | sed 's/^ *//; s/ *$//' >"$work/examples"
while IFS= read -r line; do
  line=${line#"${line%%[! ]*}"}
  [ -z "$line" ] || grep -qxF -- "$line" "$work/examples" ||
    fail "EXAMPLES does not show this line of the setup sheet: $line"
done <"$sheet"

# What the sources read: getenv() names, and the locale's variables where the locale is taken
# from the environment.
sed -n '/^ENVIRONMENT$/,/^[A-Z]/p' "$work/text" >"$work/environment"
mapfile -t sources < <(find "$source_dir" \( -name 'build*' -o -name tests -o -name fuzz \
  -o -name bench -o -name '.?*' \) -prune -o \( -name '*.cpp' -o -name '*.h' \) -print)
mapfile -t names < <(grep -ohE 'getenv\("[A-Za-z_][A-Za-z0-9_]*"\)' "${sources[@]}" |
  sed 's/.*("\(.*\)")/\1/' | sort -u)
grep -qE 'setlocale\([A-Z_]+, ""\)' "${sources[@]}" && names+=(LC_ALL LC_CTYPE LANG)
((${#names[@]})) || fail "found no environment variable in the sources under $source_dir"
for name in "${names[@]}"; do
  grep -qw -- "$name" "$work/environment" || fail "ENVIRONMENT does not describe $name"
done
echo "PASS: the page is clean; ENVIRONMENT describes ${names[*]}"
