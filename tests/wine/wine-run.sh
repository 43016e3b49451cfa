#!/bin/sh
# Runs a cross-built Windows program under Wine: the emulator of the MinGW build's tests.
#
#   wine-run.sh PROGRAM.exe [ARGUMENTS...]
#   wine-run.sh --prepare        (only make the prefix)
#
# Every run shares one Wine prefix in a temporary folder, made on first use (which takes a
# while) under a lock, so that tests running side by side neither make it twice nor touch the
# user's own ~/.wine. No display is used: Wine then runs console programs on the terminal.
# With SORVANTA_WINE_TTY=1 the program is given a terminal of its own (through script(1)), for
# tests that need a real console screen and input buffer.
set -eu

shared=${TMPDIR:-/tmp}/sorvanta-wine-$(id -u)
prefix=${SORVANTA_WINEPREFIX:-$shared}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY

# make_prefix DIR [COPY_OF]: made once, under a lock; a test's prefix of its own (one that
# counts its processes, or gives Wine a display) is a copy of the shared one, made in a moment
# where booting a prefix takes ten seconds.
make_prefix() {
  mkdir -p "$1"
  (
    flock 9
    if [ ! -f "$1/.sorvanta-ready" ]; then
      if [ -n "${2:-}" ]; then
        cp -a "$2/." "$1/"
      else
        WINEPREFIX=$1 wineboot -i >/dev/null 2>&1
        WINEPREFIX=$1 wineserver -w
        touch "$1/.sorvanta-ready"
      fi
    fi
  ) 9>"$1.lock"
}

if [ ! -f "$prefix/.sorvanta-ready" ]; then
  make_prefix "$shared"
  [ "$prefix" = "$shared" ] || make_prefix "$prefix" "$shared"
fi
export WINEPREFIX="$prefix"
[ "${1:-}" = --prepare ] && exit 0

if [ "${SORVANTA_WINE_TTY:-0}" = 1 ]; then
  # script(1) quotes nothing: hand it one command line with every argument quoted.
  command=wine
  for argument in "$@"; do
    command="$command '$(printf '%s' "$argument" | sed "s/'/'\\\\''/g")'"
  done
  exec script -qec "$command" /dev/null </dev/null
fi
[ -t 1 ] && exec wine "$@"
# Not to a terminal, the output goes through files: the server that Wine starts keeps the
# output it was started with open for seconds after the program has ended, and whoever reads
# that output through a pipe (ctest listing the tests) would wait for it.
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
status=0
wine "$@" >"$out" 2>"$err" || status=$?
cat "$out"
cat "$err" >&2
exit "$status"
