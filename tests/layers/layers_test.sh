#!/usr/bin/env bash
# Usage: layers_test.sh SOURCE_DIR
# Holds the program's layers: every #include of a room's sources may name
# only the rooms beneath it (and itself), as ARCHITECTURE.md draws them, so
# an include against the layers fails the tests though the build would link.
# Above console/ it also holds the platform apart: a header in angle
# brackets must be the C++ standard library's (no ".h", no folder), and no
# #if may ask anything but an include guard.
set -u
cd "$1" || exit 2

# Each room and the rooms it may include, itself among them.
declare -A allowed=(
  [console]="console"
  [shell]="console shell"
  [input]="console shell input"
  [weapons]="console shell input weapons"
  [arithmetic]="arithmetic"
  [maths_text]="arithmetic maths_text"
  [maths]="console shell input arithmetic maths_text maths"
  [app]="console shell input weapons arithmetic maths_text maths app"
)

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

for room in "${!allowed[@]}"; do
  [[ -d $room ]] || { fail "no folder $room/"; continue; }
  while IFS= read -r -d '' file; do
    while IFS= read -r line; do
      number=${line%%:*} text=${line#*:}
      if [[ $text =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\"([a-z_]+)/ ]]; then
        target=${BASH_REMATCH[1]}
        [[ " ${allowed[$room]} " == *" $target "* ]] ||
          fail "$file:$number includes from $target/, above $room/"
      elif [[ $room != console &&
              $text =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\<([^>]*)\> ]]; then
        header=${BASH_REMATCH[1]}
        [[ $header != *.* && $header != */* ]] ||
          fail "$file:$number includes the system header <$header>"
      elif [[ $room != console &&
              $text =~ ^[[:space:]]*#[[:space:]]*(if|ifdef|ifndef|elif)[[:space:]] &&
              ! $text =~ ^#ifndef\ QUILLARY_[A-Z0-9_]+_H_$ ]]; then
        fail "$file:$number asks the preprocessor: $text"
      fi
    done < <(grep -n '^[[:space:]]*#' "$file")
  done < <(find "$room" \( -name '*.h' -o -name '*.cpp' \) -print0 | sort -z)
done

# A room that is in no row would go unchecked.
for folder in */; do
  folder=${folder%/}
  [[ -n $(find "$folder" -maxdepth 1 -name '*.cpp' -print -quit) ]] || continue
  [[ -v allowed[$folder] || $folder == tests || $folder == bench ]] ||
    fail "$folder/ holds code but is in no layer"
done

((failures == 0)) || exit 1
echo "every include follows the layers"
