#!/bin/bash
# The Windows program under Wine, waiting: processor time of the program, the Wine server and
# the console host together while the program waits at the first question and at the final
# key, SECONDS each (default 10). Goal: at most 100 ms for each wait (1 % of one core), where a
# wait that looks at the keyboard every millisecond costs some 2,400 ms.
#
#   wine_idle.sh PROGRAM.exe [SECONDS]
#   wine_idle.sh --ceiling MS PROGRAM.exe [SECONDS]
#       the same, and exit 1 when either wait costs more than MS milliseconds (tests/wine)
#
# The program runs in an 80x22 tmux terminal under tests/wine/wine-run.sh, in a Wine prefix of
# this run's own (SORVANTA_WINEPREFIX to reuse one), so that no other program's processes are
# counted. Times are utime+stime of /proc/PID/stat (all threads), context switches from
# /proc/PID/status. Exits 77 (skipped) without tmux or Wine.
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../tests/tmux/lib.sh"
wine_run="$here/../tests/wine/wine-run.sh"

ceiling=
if [ "${1:-}" = --ceiling ]; then
  ceiling=${2:?--ceiling needs milliseconds}
  shift 2
fi
[ $# -ge 1 ] || { echo "usage: $0 [--ceiling MS] PROGRAM.exe [SECONDS]"; exit 2; }
exe=$(realpath "$1")
seconds=${2:-10}
need_tmux
command -v wine >/dev/null || { echo "SKIP: wine is not installed"; exit 77; }

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
  local dir pid command
  for dir in /proc/[0-9]*; do
    pid=${dir#/proc/}
    tr '\0' '\n' 2>/dev/null <"$dir/environ" | grep -qxF "WINEPREFIX=$prefix" || continue
    command=$(tr '\0' ' ' 2>/dev/null <"$dir/cmdline")
    case $command in
      *sorvanta*.exe*) echo "program $pid" ;;
      *wineserver*) echo "server $pid" ;;
      *conhost.exe*) echo "console $pid" ;;
      "") ;;
      *)
        command=${command%% *}
        echo "other:${command##*[\\/]} $pid"
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
report() {
  local label=$1 before=$2 after=$3
  awk -v label="$label" -v hz="$(getconf CLK_TCK)" -v ceiling="$ceiling" '
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

# Waits SECONDS with the program where it is, and reports what the wait cost.
measure() {
  sample >"$WORK/before"
  sleep "$seconds"
  sample >"$WORK/after"
  report "$1" "$WORK/before" "$WORK/after"
}

WORK=$(mktemp -d)
start_program "$wine_run" "$exe"
# The prefix goes with the run, once the tmux server (and so Wine) is gone.
trap 'tmux -S "$SOCKET" kill-server 2>/dev/null; SORVANTA_WINEPREFIX= WINEPREFIX="$prefix" \
  wineserver -k 2>/dev/null; rm -rf "$WORK" ${own_prefix:+"$own_prefix"}' EXIT
wait_until row_has 8 "Maximum front-back spacing"
# The console host and the program settle once the first screen is drawn.
sleep 1
measure "first question, ${seconds} s"
first=$?
for answer in 5 4 n 6 0.5 110; do
  keys -l -- "$answer"
  keys Enter
done
wait_until row_has 21 "press any key to quit"
sleep 1
measure "final key wait, ${seconds} s"
final=$?
keys q
wait_until exited
[ $first = 0 ] && [ $final = 0 ] || { echo "FAIL: a wait cost more than $ceiling ms"; exit 1; }
