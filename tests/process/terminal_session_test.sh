#!/usr/bin/env bash
# Usage: terminal_session_test.sh PROGRAM
# Plays a short session in a real terminal (tmux), as a person would: each
# prompt must be on screen before anything is typed (so it was flushed), each
# new screen must start at the top of a cleared console, and a name typed in
# UTF-8 must be greeted as typed.
set -u
program=$1
scale=${QUILLARY_TIME_SCALE:-1}
socket=quillary-test-$$
tmux_() { tmux -L "$socket" "$@"; }
trap 'tmux_ kill-server 2>/dev/null' EXIT
failed=0

screen() { tmux_ capture-pane -p -t session; }

# wait_for TEXT: waits up to 5 s (times the scale) for TEXT to be on screen.
wait_for() {
  local i
  for ((i = 0; i < 100 * scale; i++)); do
    screen | grep -qF -- "$1" && return 0
    sleep 0.05
  done
  echo "FAIL: never saw '$1'. Screen:"; screen; failed=1; return 1
}

# first_line_is TEXT: the top line of the screen, after a clear (tmux drops
# trailing blanks).
first_line_is() {
  local top
  top=$(screen | head -n 1)
  [[ $top == "$1" ]] || { echo "FAIL: top line is '$top', expected '$1'"; failed=1; }
}

tmux_ new-session -d -s session -x 100 -y 40 "$program; echo EXIT=\$?; sleep 5"
wait_for "What would you like me to call you?" || exit 1
first_line_is "Hello, my name is Quillary. What would you like me to call you?"
tmux_ send-keys -t session "Ada" Enter
wait_for "Hello Ada, Please Select a Option to continue:" || exit 1
first_line_is "Hello Ada, Please Select a Option to continue:"
screen | grep -qF "call you?" && { echo "FAIL: the greeting was not cleared"; failed=1; }
# A name beyond ASCII, typed at the keyboard, comes back as it was typed.
tmux_ send-keys -t session "0" Enter
wait_for "What would you like me to call you?" || exit 1
first_line_is "Hello, my name is Quillary. What would you like me to call you?"
screen | grep -qF "Hello Ada" && { echo "FAIL: the main menu was not cleared"; failed=1; }
tmux_ send-keys -t session "Zoë" Enter
wait_for "Hello Zoë, Please Select a Option to continue:" || exit 1
first_line_is "Hello Zoë, Please Select a Option to continue:"
tmux_ send-keys -t session "Q" Enter
wait_for "Are you sure you want to quit?" || exit 1
first_line_is "Are you sure you want to quit? (Press 0 to exit, anything else to cancel)"
tmux_ send-keys -t session "0" Enter
wait_for "EXIT=0" || exit 1
exit $failed
