#!/usr/bin/env bash
# Usage: output_failure_test.sh PROGRAM
# Output that cannot be written must never be reported as success, and a
# program whose reader has gone away must stop instead of reading on.
set -u
program=$1
scale=${QUILLARY_TIME_SCALE:-1}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }

expect_one_line_error() {
  local lines
  lines=$(wc -l <"$work/err")
  [[ $lines == 1 ]] || fail "$1: expected one line on standard error, got $lines"
  grep -q 'standard output' "$work/err" || fail "$1: error line does not name the failure"
}

# A short session whose only write is the final flush.
printf 'Ada\nQ\n0\n' >"$work/short.in"
"$program" <"$work/short.in" >/dev/full 2>"$work/err"
status=$?
[[ $status == 1 ]] || fail "short session to /dev/full: exit status $status, expected 1"
expect_one_line_error "short session to /dev/full"

# A long session fills the output buffer; the run must end at the next read,
# long before the input is used up.
yes x | head -n 2000000 >"$work/long.in"
start=$SECONDS
timeout $((20 * scale)) "$program" <"$work/long.in" >/dev/full 2>"$work/err"
status=$?
[[ $status == 1 ]] || fail "long session to /dev/full: exit status $status, expected 1"
expect_one_line_error "long session to /dev/full"
((SECONDS - start <= 5 * scale)) || fail "long session to /dev/full took $((SECONDS - start)) s"

# Endless input while the reader of the output stops after a few bytes: the
# program must end (killed by SIGPIPE, or exit 1 where SIGPIPE is ignored).
yes x | timeout $((10 * scale)) "$program" 2>"$work/err" | head -c 100 >/dev/null
status=${PIPESTATUS[1]}
[[ $status == 141 || $status == 1 ]] ||
  fail "closed pipe: exit status $status, expected 141 (SIGPIPE) or 1"

(
  trap '' PIPE
  yes x 2>/dev/null | timeout $((10 * scale)) "$program" 2>"$work/err" | head -c 100 >/dev/null
  exit "${PIPESTATUS[1]}"
)
status=$?
[[ $status == 1 ]] || fail "closed pipe, SIGPIPE ignored: exit status $status, expected 1"
expect_one_line_error "closed pipe, SIGPIPE ignored"

exit $failed
