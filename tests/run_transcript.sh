#!/usr/bin/env bash
# Usage: run_transcript.sh PROGRAM SESSION.in...
# Types each SESSION.in into PROGRAM and checks what comes back: standard
# output equal to SESSION.out byte for byte, nothing on standard error, and
# the exit status 0 (or the number in SESSION.status). Fails when any session
# does, after checking them all.
set -u
program=$1
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

for input in "$@"; do
  base=${input%.in}
  expected_status=0
  [[ -f $base.status ]] && expected_status=$(<"$base.status")
  "$program" <"$input" >"$work/out" 2>"$work/err"
  status=$?

  if ! cmp -s "$work/out" "$base.out"; then
    echo "standard output differs from $base.out (- expected, + actual):"
    diff -u <(cat -A "$base.out") <(cat -A "$work/out") | head -n 60
    failed=1
  fi
  if [[ -s $work/err ]]; then
    echo "standard error of $input was not empty:"
    head -c 2000 "$work/err"
    failed=1
  fi
  if [[ $status != "$expected_status" ]]; then
    echo "exit status $status for $input, expected $expected_status"
    failed=1
  fi
done
exit $failed
