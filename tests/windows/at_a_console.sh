#!/usr/bin/env bash
# Usage: at_a_console.sh EXPECTED PROGRAM [ARGUMENT...]
# Runs PROGRAM with its standard streams at a real console, a tmux terminal,
# and passes when it exits 0 with a line matching EXPECTED, an extended
# regular expression, on the screen. For tests that need a console of their
# own, which ctest's pipes are not.
set -u
expected=$1
shift
scale=${QUILLARY_TIME_SCALE:-1}
socket=quillary-console-$$
tmux_() { tmux -L "$socket" "$@"; }
trap 'tmux_ kill-server 2>/dev/null' EXIT

tmux_ new-session -d -s console -x 120 -y 50 "$(printf '%q ' "$@"); echo EXIT=\$?; sleep 30"
screen() { tmux_ capture-pane -p -S - -t console; }
for ((i = 0; i < 200 * scale; i++)); do
  screen | grep -q '^EXIT=' && break
  sleep 0.05
done
if ! screen | grep -qx 'EXIT=0' || ! screen | grep -qE -- "$expected"; then
  echo "FAIL: expected a line matching '$expected' and EXIT=0. Screen:"
  screen
  exit 1
fi
screen | grep -E -- "$expected"
