#!/bin/bash
# The Windows program under Wine, waiting: processor time of the program, the Wine server and
# the console host together while the program waits at the first question and at the final
# key, SECONDS each (default 10). Goal: at most 100 ms for each wait (1 % of one core), where a
# wait that looks at the keyboard every millisecond costs some 2,400 ms.
#
#   wine_idle.sh PROGRAM.exe [SECONDS]
#   wine_idle.sh --ceiling MS PROGRAM.exe [SECONDS]
#       the same, and exit 1 when either wait costs more than MS milliseconds (tests/wine)
#   wine_idle.sh --window PROGRAM.exe [SECONDS]
#       in a Wine console window on a virtual X screen (Xvfb) instead, typed into with xdotool
#
# The program runs in an 80x22 tmux terminal under tests/wine/wine-run.sh, in a Wine prefix of
# this run's own (SORVANTA_WINEPREFIX to reuse one), so that no other program's processes are
# counted. Times are utime+stime of /proc/PID/stat (all threads), context switches from
# /proc/PID/status. Exits 77 (skipped) without tmux or Wine (or, with --window, xvfb-run and
# xdotool).
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../tests/tmux/lib.sh"
wine_run="$here/../tests/wine/wine-run.sh"

ceiling=
window=
case ${1:-} in
  --ceiling)
    ceiling=${2:?--ceiling needs milliseconds}
    shift 2
    ;;
  --window)
    window=1
    shift
    ;;
esac
[ $# -ge 1 ] || { echo "usage: $0 [--ceiling MS | --window] PROGRAM.exe [SECONDS]"; exit 2; }
exe=$(realpath "$1")
seconds=${2:-10}
needed=(wine)
if [ -n "$window" ]; then needed+=(wineconsole xvfb-run xauth xdotool); else needed+=(tmux); fi
for tool in "${needed[@]}"; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
if [ -n "$window" ] && [ -z "${SORVANTA_ON_XVFB:-}" ]; then
  SORVANTA_ON_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --window "$exe" "$seconds"
fi

own_prefix=
if [ -z "${SORVANTA_WINEPREFIX:-}" ]; then
  own_prefix=$(mktemp -d)
  export SORVANTA_WINEPREFIX="$own_prefix/prefix"
fi
prefix=$SORVANTA_WINEPREFIX
"$wine_run" --prepare
TIMEOUT_S=${TIMEOUT_S:-60}

# The processes of this prefix, one line each: role pid. A process belongs to the prefix when
# its environment names it; the role comes from its command line.
prefix_processes() {
  local environ dir command
  grep -lzxF "WINEPREFIX=$prefix" /proc/[0-9]*/environ 2>/dev/null | while read -r environ; do
    dir=${environ%/environ}
    command=$(tr '\0' ' ' 2>/dev/null <"$dir/cmdline")
    case $command in
      *sorvanta*.exe*) echo "program ${dir#/proc/}" ;;
      *wineserver*) echo "server ${dir#/proc/}" ;;
      *conhost.exe*) echo "console ${dir#/proc/}" ;;
      "") ;;
      *)
        command=${command%% *}
        echo "other:${command##*[\\/]} ${dir#/proc/}"
        ;;
    esac
  done
}

# role ticks switches, for every process of the prefix.
sample() {
  local role pid
  while read -r role pid; do
    awk -v role="$role" -v pid="$pid" '
      FILENAME ~ /stat$/ { ticks = $14 + $15 }
      /^(non)?voluntary_ctxt_switches/ { switches += $2 }
      END { print role, pid, ticks, switches }' "/proc/$pid/stat" "/proc/$pid/status" 2>/dev/null
  done < <(prefix_processes)
}

# Milliseconds and switches per role between two samples; the program, the server and the
# console host are added up as "total".
# Exits 1 when the total is over the ceiling (none when empty).
report() {
  local label=$1 before=$2 after=$3 most=$4
  awk -v label="$label" -v hz="$(getconf CLK_TCK)" -v ceiling="$most" '
    NR == FNR { t[$2] = $3; s[$2] = $4; next }
    ($2 in t) {
      ms = ($3 - t[$2]) * 1000 / hz; sw = $4 - s[$2]
      role_ms[$1] += ms; role_sw[$1] += sw
      if ($1 ~ /^other:/) { others[substr($1, 7)] += ms } else { total += ms; switches += sw }
    }
    END {
      printf "%s: program %d ms, Wine server %d ms, console host %d ms; total %d ms, %d context switches",
        label, role_ms["program"], role_ms["server"], role_ms["console"], total, switches
      line = ""
      for (name in others) line = line sprintf("%s%s %d ms", line == "" ? "" : ", ", name, others[name])
      printf "\n  not counted, the other processes of the prefix: %s\n", line == "" ? "none" : line
      exit ceiling != "" && total > ceiling
    }' "$before" "$after"
}

# measure LABEL SECONDS [CEILING]: waits with the program where it is, and reports what the
# wait cost.
measure() {
  sample >"$WORK/before"
  sleep "$2"
  sample >"$WORK/after"
  report "$1" "$WORK/before" "$WORK/after" "${3:-}"
}

# Wine starts its services beside the program, and the console host draws the first screen:
# the measurement starts after a second in which the three used at most 20 ms, or after 30 s
# (a program that keeps looking at the keyboard never gets there).
settle() {
  local try
  for try in $(seq 30); do
    measure "settling, try $try" 1 20 >/dev/null && return 0
  done
}

# The dialog in a tmux terminal: its screen is read to know where the program is.
tty_start() {
  start_program "$wine_run" "$exe"
  trap 'tmux -S "$SOCKET" kill-server 2>/dev/null; WINEPREFIX="$prefix" wineserver -k 2>/dev/null
    rm -rf "$WORK" ${own_prefix:+"$own_prefix"}' EXIT
  wait_until row_has 8 "Maximum front-back spacing"
}
tty_type() {
  keys -l -- "$1"
  keys Enter
}
tty_at_final_key() { wait_until row_has 21 "press any key to quit"; }
tty_end() {
  keys q
  wait_until exited
}

# The dialog in a console window: only the window can be seen from outside; the program shows
# that it reached the final key wait by ending on the last key.
window_start() {
  (
    export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    wineconsole "$exe"
    echo $? >"$WORK/exit"
  ) &
  trap 'WINEPREFIX="$prefix" wineserver -k 2>/dev/null; rm -rf "$WORK" ${own_prefix:+"$own_prefix"}' \
    EXIT
  # shellcheck disable=SC2317  # called through wait_until
  found_window() { window_id=$(xdotool search --name '^Sorvanta$' 2>/dev/null | head -n1); }
  wait_until found_window
  xdotool windowfocus --sync "$window_id"
}
window_type() {
  xdotool type --delay 20 -- "$1"
  xdotool key Return
}
window_at_final_key() { :; }
window_end() {
  xdotool key q
  wait_until exited
}

WORK=$(mktemp -d)
mode=${window:+window}
mode=${mode:-tty}
"${mode}_start"
settle
measure "first question, ${seconds} s" "$seconds" "$ceiling"
first=$?
for answer in 5 4 n 6 0.5 110; do "${mode}_type" "$answer"; done
"${mode}_at_final_key"
settle
measure "final key wait, ${seconds} s" "$seconds" "$ceiling"
final=$?
"${mode}_end"
if [ $first != 0 ] || [ $final != 0 ]; then
  echo "FAIL: a wait cost more than $ceiling ms"
  exit 1
fi
