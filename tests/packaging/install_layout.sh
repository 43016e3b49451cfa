#!/bin/bash
# The install layout: the program alone, configured with the prefix /usr, built and installed
# into a staging folder with DESTDIR, stages exactly the files of the expected list (paths
# under the prefix), and the program among them can be run.
# Usage: install_layout.sh SOURCE_DIR EXPECTED_LIST [CMAKE_CONFIGURE_ARGUMENTS...]
set -euo pipefail
[ $# -ge 2 ] || { echo "usage: $0 SOURCE_DIR EXPECTED_LIST [CMAKE_ARGUMENTS...]"; exit 2; }
source_dir=$1 expected=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $1"
  [ ! -f "$work/log" ] || tail -n 30 "$work/log" | sed 's/^/  log| /'
  exit 1
}

cmake -S "$source_dir" -B "$work/build" -DCMAKE_INSTALL_PREFIX=/usr -DSORVANTA_TESTS=OFF \
  -DCMAKE_BUILD_TYPE=Release "$@" >"$work/log" 2>&1 || fail "configure without the tests"
cmake --build "$work/build" --target sorvanta >>"$work/log" 2>&1 || fail "build of the program"
DESTDIR="$work/stage" cmake --install "$work/build" >>"$work/log" 2>&1 || fail "install"

[ -d "$work/stage/usr" ] || fail "nothing staged under the prefix /usr"
(cd "$work/stage/usr" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort) >"$work/staged"
LC_ALL=C sort "$expected" >"$work/expected"
diff -u "$work/expected" "$work/staged" || fail "the staged files are not those of $expected"
find "$work/stage" ! -type d ! -perm -a+r | grep -q . && fail "a staged file not readable by all"
program=$(grep -E '(^|/)sorvanta(\.exe)?$' "$work/expected")
[ -x "$work/stage/usr/$program" ] || fail "$program is not executable"
echo "PASS: $(tr '\n' ' ' <"$work/staged")"
