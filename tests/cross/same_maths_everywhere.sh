#!/usr/bin/env bash
# Usage: same_maths_everywhere.sh GENERATOR COUNT PROGRAM...
# Plays one session of COUNT vector exercises on edge and random operands
# (GENERATOR --maths COUNT) with each PROGRAM, a build of Quillary for some
# compiler or machine (a launcher script for one run under an emulator), and
# requires every output to be byte-identical to the first: each printed
# digit depends on every float operation being rounded on its own, which is
# what a different compiler or processor changes first.
set -u
generator=$1
count=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$generator" --maths "$count" >"$work/session.in" || exit 1
results='^(The resulting vector is|The distance|The magnitude|.*the angle between|The cross product|The normalized|The sureface normal)'
failed=0
for program in "$@"; do
  "$program" <"$work/session.in" >"$work/out" 2>"$work/err"
  status=$?
  if [[ $status != 0 || -s $work/err ]]; then
    echo "FAIL: $program: exit status $status, standard error '$(head -c 200 "$work/err")'"
    failed=1
  elif [[ ! -f $work/first.out ]]; then
    mv "$work/out" "$work/first.out"
    first=$program
  elif ! cmp -s "$work/first.out" "$work/out"; then
    echo "FAIL: $program differs from $first:"
    diff <(grep -E "$results" "$work/first.out") <(grep -E "$results" "$work/out") | head -n 10
    failed=1
  fi
done
compared=$(grep -cE "$results" "$work/first.out" 2>/dev/null)
echo "$(wc -l <"$work/session.in") session lines, $compared results, $# builds: $( ((failed)) && echo differ || echo identical)"
((compared == count)) || { echo "FAIL: $compared results for $count exercises"; failed=1; }
exit $failed
