#!/usr/bin/env bash
# Usage: end_of_input_cut_test.sh PROGRAM SESSION
# Runs PROGRAM on the first k lines of SESSION for every k from 0 to its
# number of lines. Each run ends where its input ends: exit status 0 within a
# second (times QUILLARY_TIME_SCALE, for emulators), nothing on standard
# error, and its output a prefix of the whole session's output. So every
# single read of every screen handles the end of input.
set -u
program=$1
scale=${QUILLARY_TIME_SCALE:-1}
session=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$program" <"$session" >"$work/full.out" 2>"$work/err" ||
  { echo "FAIL: the whole session did not exit 0"; exit 1; }
total=$(wc -l <"$session")
failed=0
for ((k = 0; k <= total; k++)); do
  head -n "$k" "$session" >"$work/cut.in"
  timeout "$scale" "$program" <"$work/cut.in" >"$work/cut.out" 2>"$work/err"
  status=$?
  size=$(stat -c %s "$work/cut.out")
  if [[ $status != 0 ]]; then
    echo "FAIL: cut after $k lines: exit status $status" \
      "(standard error: $(head -c 200 "$work/err"))"
    failed=1
  elif [[ -s $work/err ]]; then
    echo "FAIL: cut after $k lines: wrote to standard error"; failed=1
  elif ! cmp -s -n "$size" "$work/cut.out" "$work/full.out"; then
    echo "FAIL: cut after $k lines: output is not a prefix of the whole"; failed=1
  fi
done
echo "checked $((total + 1)) cut points"
exit $failed
