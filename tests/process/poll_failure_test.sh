#!/usr/bin/env bash
# Usage: poll_failure_test.sh PROGRAM
# A non-blocking standard input or output is waited on with poll(2); when
# that wait fails (here with EINVAL, as the running program's open-file
# limit is lowered to 0), the read or write fails: the run ends with status
# 1 and one line on standard error, and uses next to no processor time
# after the failure instead of trying again at once for ever.
set -u
program=$1
scale=${QUILLARY_TIME_SCALE:-1}
work=$(mktemp -d)
failed=0
fail() { echo "FAIL: $*"; failed=1; }
pid=
trap '[[ -n $pid ]] && kill -9 "$pid" 2>/dev/null; wait; rm -rf "$work"' EXIT

# launch FD PROGRAM: runs PROGRAM with descriptor FD (0 or 1) made
# non-blocking, as a child of a Perl process that writes the child's pid to
# $work/pid at once, and, once it has ended, its exit status and the
# processor time it used, in ms, to $work/result.
launch() {
  rm -f "$work/pid" "$work/result"
  perl -MFcntl -e '
    my ($fd, $record) = (shift, shift);
    my $child = fork() // die "fork: $!";
    if ($child == 0) {
      open(my $h, "+<&=", $fd) or die;
      fcntl($h, F_SETFL, fcntl($h, F_GETFL, 0) | O_NONBLOCK) or die;
      exec(@ARGV) or die;
    }
    open(my $out, ">", "$record/pid.new") or die;
    print $out "$child\n";
    close $out;
    rename("$record/pid.new", "$record/pid");
    waitpid($child, 0);
    my ($user, $system, $childUser, $childSystem) = times;
    open($out, ">", "$record/result.new") or die;
    printf $out "%d %d\n", $? & 127 ? 128 + ($? & 127) : $? >> 8,
      ($childUser + $childSystem) * 1000;
    close $out;
    rename("$record/result.new", "$record/result");
  ' "$1" "$work" "${@:2}" <&0 &
  local tries=$((50 * scale))
  while [[ ! -e $work/pid ]] && ((tries-- > 0)); do sleep 0.1; done
  pid=$(<"$work/pid")
}
# Processor time the running program has used so far, in ms.
used_ms() {
  awk -v tick="$(getconf CLK_TCK)" '{ print int(($14 + $15) * 1000 / tick) }' \
    "/proc/$pid/stat"
}
# finish WHAT EXPECTED-LINE BEFORE: judges the run once its wait has
# failed; BEFORE is the processor time it had used just before, in ms.
finish() {
  local tries=$((30 * scale)) status used
  while [[ ! -e $work/result ]] && ((tries-- > 0)); do sleep 0.1; done
  if [[ ! -e $work/result ]]; then
    fail "$1: still running 3 s after the wait failed, having used" \
      "$(($(used_ms) - $3)) ms of processor time since"
    kill -9 "$pid"
    wait
  fi
  read -r status used <"$work/result"
  used=$((used - $3))
  echo "$1: $used ms of processor time after the wait failed"
  ((used <= 100 * scale)) || fail "$1: used $used ms after the wait failed"
  [[ $status == 1 ]] || fail "$1: exit status $status, expected 1"
  [[ "$(cat "$work/err"; echo .)" == "$2"$'\n.' ]] ||
    fail "$1: standard error was '$(head -c 300 "$work/err")', expected '$2'"
  pid=
}

# Input: the program waits for a line; the limit drops; a byte without a
# line end wakes it, and the next wait fails.
mkfifo "$work/in"
exec 3<>"$work/in"
launch 0 "$program" <"$work/in" >"$work/out" 2>"$work/err" 3>&-
printf 'Ada\n' >&3
sleep "$scale"
prlimit --pid "$pid" --nofile=0 || fail "prlimit failed"
before=$(used_ms)
printf 'x' >&3
finish "input" "quillary: cannot read standard input: Invalid argument" "$before"
exec 3>&-

# Output: a pipe nobody reads fills up and the program waits on it; the
# limit drops; reading a little wakes it, and the next wait fails.
mkfifo "$work/pipe"
exec 4<>"$work/pipe"
{ printf 'Ada\n'; yes 'no such choice' | head -n 5000; } >"$work/long.in"
launch 1 "$program" <"$work/long.in" >"$work/pipe" 2>"$work/err" 4>&-
sleep "$scale"
prlimit --pid "$pid" --nofile=0 || fail "prlimit failed"
before=$(used_ms)
head -c 4096 <&4 >/dev/null
finish "output" "quillary: could not write to standard output: Invalid argument" \
  "$before"
exec 4>&-
exit $failed
