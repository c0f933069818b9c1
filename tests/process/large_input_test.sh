#!/usr/bin/env bash
# Usage: large_input_test.sh PROGRAM
# Very long lines, too large to keep as transcript files, are made here:
# each session must give its exact expected output quickly, with nothing on
# standard error and exit status 0.
set -u
program=$1
scale=${QUILLARY_TIME_SCALE:-1}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

choices='\n\n  0) Enter User Name \n  1) Weapon Manager \n  2) Math Problems \n  3) Bit Shifting \n  Q) Quit\n\n'
greet() { printf 'Hello, my name is Quillary. What would you like me to call you?\n\n'; }
menu() { printf 'Hello %s, Please Select a Option to continue: ' "$1"; printf "$choices"; }
sorry() { printf "I'm sorry I didnt catch that %s, please try again " "$1"; printf "$choices"; }
quit() { printf 'Are you sure you want to quit? (Press 0 to exit, anything else to cancel)\n\n\n\n'; }
float_prompt() { printf '\n Please enter a float: \n(Please input a Float Number: )\n\n'; }
apology() { printf "\n(I'm sorry I didnt understand that, please Enter a number)\n\n"; }

# check NAME: runs $work/NAME.in, compares with $work/NAME.out.
check() {
  local start=$SECONDS status
  timeout $((20 * scale)) "$program" <"$work/$1.in" >"$work/$1.actual" 2>"$work/err"
  status=$?
  if [[ $status != 0 ]]; then
    echo "FAIL $1: exit status $status"; failed=1
  elif [[ -s $work/err ]]; then
    echo "FAIL $1: wrote to standard error"; failed=1
  elif ! cmp -s "$work/$1.actual" "$work/$1.out"; then
    echo "FAIL $1: output differs"; cmp "$work/$1.actual" "$work/$1.out"; failed=1
  fi
  ((SECONDS - start <= 3 * scale)) || { echo "FAIL $1: took $((SECONDS - start)) s"; failed=1; }
}

ten_mb=$(head -c 10485760 /dev/zero | tr '\0' 'n')
digits=$(head -c 100000 /dev/zero | tr '\0' '7')

# A 10 MB name without a line end: the menu greets by it, then input ends.
printf '%s' "$ten_mb" >"$work/huge_name.in"
{ greet; menu "$ten_mb"; } >"$work/huge_name.out"
check huge_name

# A 10 MB line at the main menu is one rejected line.
printf 'Ada\n%s\nq\n0\n' "$ten_mb" >"$work/huge_menu_line.in"
{ greet; menu Ada; sorry Ada; quit; } >"$work/huge_menu_line.out"
check huge_menu_line

# 100,000 digits overflow a float; with a point in front they are a fraction.
printf 'Ada\n3\n%s\n0.%s\n\nq\n0\n' "$digits" "$digits" >"$work/float_digits.in"
{
  greet; menu Ada; float_prompt; apology
  printf '\n\nThe  float value is: 0.777778\nPress Any Key to continue...\n\n'
  menu Ada; quit
} >"$work/float_digits.out"
check float_digits

# 100,000 digits are no 32-bit whole number; behind 100,000 zeros a 7 is.
maths_menu='Please select a option: \n\n1) ChangingState \n2) VectorAddition \n3) VectorSub \n4) Distance \n5) Magniute \n6) LinInter \n7) Dot \n8) Cross \n9) Normalize \n10) SurfaceNormal \n11) Is Prime Number \n12) MatrixRotation \n13)  MatrixInvert \nQ) Quit \n\n'
zeros=$(head -c 100000 /dev/zero | tr '\0' '0')
printf 'Ada\n2\n11\n%s\n%s7\n\nq\n\nq\n0\n' "$digits" "$zeros" >"$work/integer_digits.in"
{
  greet; menu Ada; printf "$maths_menu"
  printf 'Please Enter a value for us to figure out if it is prime: '
  printf '(Please input a Decimal Number: )\n\n'; apology
  printf 'The value 7 is a prime number. \nPress Any Key to continue...\n'
  printf "$maths_menu"; printf 'Press Any Key to continue...\n\n'; menu Ada; quit
} >"$work/integer_digits.out"
check integer_digits

exit $failed
