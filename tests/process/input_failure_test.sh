#!/usr/bin/env bash
# Usage: input_failure_test.sh [--no-memory-limit] [--no-closed-input]
#                              PROGRAM [ARGUMENT...]
# Standard input that cannot be read must end the run with exit status 1
# and one line on standard error naming the cause, never with an abort; a
# pipe left non-blocking must be waited on, giving the same session as a
# blocking one. --no-memory-limit leaves out the run under a memory limit,
# for builds (sanitizers, emulators) that cannot start under one;
# --no-closed-input leaves out the closed standard input, for a host (Node)
# that opens /dev/null in its place before the program starts.
set -u
memory_limit=1
closed_input=1
[[ ${1-} == --no-memory-limit ]] && { memory_limit=0; shift; }
[[ ${1-} == --no-closed-input ]] && { closed_input=0; shift; }
program=("$@")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }

# expect_failure WHAT STATUS LINE: the run ended with status 1 and exactly
# LINE on standard error.
expect_failure() {
  [[ $2 == 1 ]] || fail "$1: exit status $2, expected 1"
  [[ "$(cat "$work/err"; echo .)" == "$3"$'\n.' ]] ||
    fail "$1: standard error was '$(head -c 300 "$work/err")', expected '$3'"
}

greeting=$'Hello, my name is Quillary. What would you like me to call you?\n\n'

"${program[@]}" </ >"$work/out" 2>"$work/err"
expect_failure "a directory" $? "quillary: cannot read standard input: Is a directory"
[[ "$(cat "$work/out"; echo .)" == "$greeting." ]] ||
  fail "a directory: the greeting was not flushed before the failure"

if ((closed_input)); then
  "${program[@]}" <&- >"$work/out" 2>"$work/err"
  expect_failure "a closed descriptor" $? \
    "quillary: cannot read standard input: Bad file descriptor"
fi

if ((memory_limit)); then
  (ulimit -v 300000 && exec "${program[@]}") </dev/zero >"$work/out" 2>"$work/err"
  expect_failure "an endless line under a memory limit" $? "quillary: out of memory"
fi

# Lines that come slowly, through a pipe that is blocking, then through one
# left non-blocking by whoever started the program.
slow_lines() {
  local line
  for line in Ada 2 11 7 "" q "" q 0; do
    printf '%s\n' "$line"
    sleep 0.3
  done
}
slow_lines | "${program[@]}" >"$work/blocking.out" 2>"$work/err"
[[ $? == 0 && ! -s $work/err ]] || fail "a blocking pipe: the run failed"
slow_lines | perl -MFcntl -e \
  'fcntl(STDIN, F_SETFL, fcntl(STDIN, F_GETFL, 0) | O_NONBLOCK) or die; exec @ARGV' \
  "${program[@]}" >"$work/nonblocking.out" 2>"$work/err"
status=$?
[[ $status == 0 ]] || fail "a non-blocking pipe: exit status $status, expected 0"
[[ -s $work/err ]] && fail "a non-blocking pipe: wrote '$(head -c 300 "$work/err")' on standard error"
cmp -s "$work/blocking.out" "$work/nonblocking.out" ||
  fail "a non-blocking pipe: the output differs from the blocking run"
grep -qF "The value 7 is a prime number." "$work/blocking.out" ||
  fail "the slow session did not reach the prime test"
exit $failed
