#!/bin/bash
# Without a controlling terminal the program ends at once with exit code 255, one line on
# standard error and nothing on standard output.
# Usage: run_notty.sh BINARY
set -u
[ $# -ge 1 ] || { echo "usage: $0 BINARY"; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
timeout 20 setsid -w "$1" </dev/null >"$work/out" 2>"$work/err"
status=$?
fail() { echo "FAIL: $1"; sed 's/^/  err| /' "$work/err"; exit 1; }
[ "$status" = 255 ] || fail "exit code 255 (got $status)"
[ ! -s "$work/out" ] || fail "nothing on standard output"
[ "$(wc -l <"$work/err")" = 1 ] || fail "exactly one line on standard error"
echo "PASS: $(cat "$work/err")"
