#!/bin/bash
# The Windows program in a Wine console window on a virtual X screen (Xvfb, 1280x1024): once
# the window is sized to the program's 80 x 22 cells, it stands centred on the screen within
# 2 px, frame and title bar included.
#
#   window_centred.sh PROGRAM.exe PROBE.exe
#
# PROBE.exe is tests/wine/window_probe.cpp, which looks at the window from inside Wine. The
# run has a Wine prefix of its own, made here (SORVANTA_WINEPREFIX to reuse one), so that the
# window's desktop is this X screen. Exits 77 (skipped) without Wine or Xvfb.
set -euo pipefail

exe=$(realpath "${1:?usage: window_centred.sh PROGRAM.exe PROBE.exe}")
probe=$(realpath "${2:?usage: window_centred.sh PROGRAM.exe PROBE.exe}")
here=$(cd "$(dirname "$0")" && pwd)
for tool in wine wineconsole wineserver xvfb-run xauth; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
export SORVANTA_WINEPREFIX=${SORVANTA_WINEPREFIX:-$work/prefix}
cleanup() {
  WINEPREFIX=$SORVANTA_WINEPREFIX wineserver -k 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
"$here/wine-run.sh" --prepare

# In the X session: the program in its console window, and the probe beside it. The window
# keeps the program's first question until the session ends.
cat >"$work/session.sh" <<'SESSION'
#!/bin/bash
export WINEPREFIX=$SORVANTA_WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineconsole "$1" &
status=0
wine "$2" Sorvanta 80 22 30 || status=$?
wineserver -k 2>/dev/null || true
exit "$status"
SESSION
chmod +x "$work/session.sh"
xvfb-run -a -s "-screen 0 1280x1024x24" "$work/session.sh" "$exe" "$probe"
