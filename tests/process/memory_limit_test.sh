#!/usr/bin/env bash
# Usage: memory_limit_test.sh PROGRAM
# Under every memory limit (ulimit -v), from just below what loading the
# program takes up to what a whole session needs, a run either cannot start
# (the loader's status 127), or runs to its end (status 0, nothing on
# standard error), or ends with status 1 and exactly "quillary: out of
# memory" on standard error after writing a beginning of its output: never
# a signal, never an abort. Three sessions: no input at all, one endless
# line, and 20,000 weapons added and listed. The limits are stepped finely
# where the program starts up and coarsely above.
set -u
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }

: >"$work/empty.in"
{
  printf 'Ada\n1\n'
  # Add, name, damage, capacity, and Enter to continue: five lines each.
  yes $'1\nW\n1\n1\n' | head -n $((5 * 20000))
  printf '4\n\n7\n\nq\n0\n'
} >"$work/weapons.in"

# run SESSION LIMIT: plays SESSION under LIMIT KB; sets $status.
run() {
  local input=$work/$1.in
  [[ $1 == endless ]] && input=/dev/zero
  (ulimit -v "$2" && exec "$program") <"$input" >"$work/out" 2>"$work/err"
  status=$?
}

# What each session writes with memory to spare: the endless line ends
# under a limit of 300 MB, after the greeting.
run empty 300000 && cp "$work/out" "$work/empty.ref"
run weapons 300000 && cp "$work/out" "$work/weapons.ref"
[[ $status == 0 ]] || fail "20,000 weapons with memory to spare: status $status"
run endless 300000 && cp "$work/out" "$work/endless.ref"

# The lowest limit in KB under which the program starts at all.
low=1024 high=262144
while ((high - low > 4)); do
  middle=$(((low + high) / 2))
  run empty "$middle"
  if [[ $status == 127 ]]; then low=$middle; else high=$middle; fi
done
loader=$high

declare -A seen
# check SESSION LIMIT: one run, judged; sets $status.
check() {
  run "$1" "$2"
  seen[$1]+=" $status"
  local what="$1 under $2 KB"
  case $status in
    127) return ;;
    0) [[ -s $work/err ]] && fail "$what: status 0 but '$(head -c 200 "$work/err")'"
       [[ $1 != endless ]] || fail "$what: an endless line ended with status 0"
       cmp -s "$work/out" "$work/$1.ref" || fail "$what: the output differs" ;;
    1) [[ "$(cat "$work/err"; echo .)" == $'quillary: out of memory\n.' ]] ||
         fail "$what: status 1 with '$(head -c 200 "$work/err")'"
       cmp -s "$work/out" "$work/$1.ref" -n "$(stat -c %s "$work/out")" ||
         fail "$what: the output is no beginning of the session's" ;;
    *) fail "$what: status $status, '$(head -c 200 "$work/err")'" ;;
  esac
}

fine=$((loader + 640))
limit=$((loader - 64))
while ((limit < fine)); do
  for session in empty endless weapons; do check "$session" "$limit"; done
  limit=$((limit + 16))
done
top=$((loader + 65536))
while ((limit < top)); do
  for session in empty endless weapons; do check "$session" "$limit"; done
  [[ $status == 0 ]] && break
  limit=$((limit + 256))
done
((limit < top)) || fail "20,000 weapons did not run under $top KB"

echo "limits $((loader - 64)) to $limit KB (the loader needs $loader KB)," \
  "in steps of 16 KB to $fine KB, then of 256 KB"
for session in empty endless weapons; do
  printf '%s:' "$session"
  printf ' %s\n' ${seen[$session]} | sort -n | uniq -c |
    awk '{ printf " status %s %d times", $2, $1 } END { print "" }'
done
[[ ${seen[empty]} == *" 127"* && ${seen[empty]} == *" 0"* ]] ||
  fail "the scan missed the start of the program"
exit $failed
