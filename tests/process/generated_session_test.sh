#!/usr/bin/env bash
# Usage: generated_session_test.sh PROGRAM SESSION_GENERATOR
# The timing sessions of bench/run are only worth timing if every line is
# answered by the screen it was written for: each generated session must
# have exactly the lines asked for, be the same every time, run to its
# confirmed quit rather than to the end of input, and reach every screen.
set -u
program=$1
generator=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }

quit=$'Are you sure you want to quit? (Press 0 to exit, anything else to cancel)\n\n\n\n'
# One text that only each screen (or kind of rejection) writes.
screens=(
  "Added the weapon: " "The current selected weapon is: " "Fired the Weapon: "
  "Does not have enough ammo" "You have reloaded the weapon " "Printing the Inventory: "
  "What Index would you like to remove" "I'm sorry I didnt catch that... What Index"
  "The resulting vector is: " "The distance between the two vectors is "
  "The magnitude for the vector " "the angle between the vectors is: "
  "The cross product is: " "The normalized vector is: " "The sureface normal is: "
  "prime number" "The  float value is: " "please Enter a number"
  "I'm sorry I didnt catch that Ada, please try again" "Hello Eve, Please Select"
  "I'm sorry I didnt catch that, please select a option"
)

# count_lines WORD...: session lines that are exactly one of the words.
count_lines() {
  local word total=0
  for word in "$@"; do
    total=$((total + $(grep -cxF -- "$word" "$work/session.in")))
  done
  echo "$total"
}

# expect_count WHAT N TEXT...: the output holds the texts N times in all.
expect_count() {
  local what=$1 expected=$2 text total=0
  shift 2
  for text in "$@"; do
    total=$((total + $(grep -oF -- "$text" "$work/out" | wc -l)))
  done
  ((expected > 0)) || fail "$what: the session rejects nothing there"
  [[ $total == "$expected" ]] ||
    fail "$what: $total apologies for $expected rejected lines"
}

for seed in 1 2 3; do
  "$generator" 4000 "$seed" >"$work/session.in"
  "$generator" 4000 "$seed" | cmp -s - "$work/session.in" ||
    fail "seed $seed: two runs gave different sessions"
  lines=$(wc -l <"$work/session.in")
  [[ $lines == 4000 ]] || fail "seed $seed: $lines lines, expected 4000"
  timeout 20 "$program" <"$work/session.in" >"$work/out" 2>"$work/err"
  status=$?
  [[ $status == 0 ]] || fail "seed $seed: exit status $status"
  [[ -s $work/err ]] && fail "seed $seed: wrote to standard error"
  [[ "$(tail -c ${#quit} "$work/out"; echo .)" == "$quit." ]] ||
    fail "seed $seed: did not end at the confirmed quit"
  for text in "${screens[@]}"; do
    grep -qF -- "$text" "$work/out" || fail "seed $seed: never showed '$text'"
  done
  # A line answered by the wrong screen would almost always be rejected
  # somewhere, so each screen's apologies must match the lines written to
  # be rejected there.
  expect_count "seed $seed, main menu" "$(count_lines menu x)" \
    "I'm sorry I didnt catch that Ada, please try again" \
    "I'm sorry I didnt catch that Eve, please try again"
  expect_count "seed $seed, weapon menu" "$(count_lines fire)" \
    "I'm sorry I didnt catch that , please try again"
  expect_count "seed $seed, maths menu" "$(count_lines sum)" \
    "I'm sorry I didnt catch that, please select a option"
  expect_count "seed $seed, numbers" "$(count_lines ten 1.5 2,5)" \
    "(I'm sorry I didnt understand that, please Enter a number)"
done

# The weapons session: exactly the adds, then the list, then the way out.
expected=$'Ada\n1\n1\nWeapon0\n0\n30\n\n1\nWeapon1\n1\n30\n\n4\n\nq\n\nQ\n0\n'
[[ "$("$generator" --weapons 2; echo .)" == "$expected." ]] ||
  fail "--weapons 2 gave an unexpected session"
"$generator" --weapons 1000 | timeout 20 "$program" >"$work/out" 2>"$work/err"
[[ $(grep -c "^ Weapon Name: Weapon" "$work/out") == 1000 ]] ||
  fail "--weapons 1000 did not list 1000 weapons"
[[ "$(tail -c ${#quit} "$work/out"; echo .)" == "$quit." ]] ||
  fail "--weapons 1000 did not end at the confirmed quit"

# The maths session: every vector exercise in turn, each answered, and the
# way out; no operand rejected.
"$generator" --maths 90 | timeout 20 "$program" >"$work/out" 2>"$work/err"
[[ $(grep -cE "^(The resulting vector|The distance|The magnitude|The cross|The normalized|The sureface)|the angle between" "$work/out") == 90 ]] ||
  fail "--maths 90 did not give 90 results"
grep -qF "please Enter a number" "$work/out" && fail "--maths 90 had an operand rejected"
[[ "$(tail -c ${#quit} "$work/out"; echo .)" == "$quit." ]] ||
  fail "--maths 90 did not end at the confirmed quit"

for bad in "" "x" "-5" "2" "--weapons" "--weapons -1" "12 x" "--maths x"; do
  # shellcheck disable=SC2086
  "$generator" $bad >/dev/null 2>&1 && fail "accepted arguments '$bad'"
done
exit $failed
