#!/usr/bin/env bash
# Usage: million_weapons.sh PROGRAM
# Adds a million weapons to the inventory and lists it: every one must be
# listed, with exit status 0 and nothing on standard error. A 32-bit build
# (armhf), with the narrowest size_t and the smallest address space, must
# hold them as the others do (about 40 MB).
set -u
program=$1
count=1000000
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

{
  printf 'Ada\n1\n'
  # Add, name, damage, capacity, and Enter to continue: five lines each.
  yes $'1\nW\n1\n1\n' | head -n $((5 * count))
  printf '4\n'
} >"$work/session.in"
"$program" <"$work/session.in" 2>"$work/err" |
  grep -c '^ Weapon Name: W, Damage: 1,  Current Ammo: 1, Max Ammo: 1$' \
    >"$work/listed"
status=${PIPESTATUS[0]}
failed=0
if [[ $status != 0 || -s $work/err ]]; then
  echo "FAIL: exit status $status, standard error '$(head -c 200 "$work/err")'"
  failed=1
fi
if [[ $(<"$work/listed") != "$count" ]]; then
  echo "FAIL: $(<"$work/listed") of $count weapons listed"
  failed=1
fi
((failed)) || echo "$count weapons added and listed"
exit $failed
