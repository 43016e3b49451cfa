#!/bin/bash
# The install layout: the build's program and documents, installed with the prefix /usr into a
# staging folder with DESTDIR, are exactly the files of the expected list (paths under the
# prefix), and the program among them can be run.
# Usage: install_layout.sh CMAKE BUILD_DIR EXPECTED_LIST
set -euo pipefail
[ $# -eq 3 ] || { echo "usage: $0 CMAKE BUILD_DIR EXPECTED_LIST"; exit 2; }
cmake=$1 build=$2 expected=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $1"
  [ ! -f "$work/log" ] || tail -n 30 "$work/log" | sed 's/^/  log| /'
  exit 1
}

DESTDIR="$work/stage" "$cmake" --install "$build" --prefix /usr >"$work/log" 2>&1 || fail "install"

[ -d "$work/stage/usr" ] || fail "nothing staged under the prefix /usr"
(cd "$work/stage/usr" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort) >"$work/staged"
LC_ALL=C sort "$expected" >"$work/expected"
diff -u "$work/expected" "$work/staged" || fail "the staged files are not those of $expected"
find "$work/stage" ! -type d ! -perm -a+r | grep -q . && fail "a staged file not readable by all"
program=$(grep -E '(^|/)sorvanta(\.exe)?$' "$work/expected")
[ -x "$work/stage/usr/$program" ] || fail "$program is not executable"
echo "PASS: $(tr '\n' ' ' <"$work/staged")"
