# What the package tests share; each sources this file first. It sets
# `tests` (this tests/ folder), `source_dir` (the source tree), `work` (a
# scratch folder removed on exit), `sessions` (every transcript's .in) and
# `failed` (0 until `fail` is called), and defines the functions below.

tests=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source_dir=$(dirname "$tests")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sessions=("$tests"/transcripts/*/*.in)
failed=0

# fail MESSAGE...: reports one failed check; the test goes on to the next.
fail() { echo "FAIL: $*"; failed=1; }

# project_version BUILD_DIR: the project's version in BUILD_DIR's CMake cache.
project_version() {
  sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$1/CMakeCache.txt"
}

# play_transcripts TITLE COMMAND...: types every transcript into COMMAND (the
# program as shipped, with whatever starts it before it: an emulator, chroot)
# and fails under TITLE, showing the differences, when any transcript does.
play_transcripts() {
  local title=$1
  shift
  if [[ ! -f ${sessions[0]} ]]; then
    fail "no transcript found under $tests/transcripts"
    return
  fi
  {
    echo '#!/bin/sh'
    printf 'exec '
    printf '%q ' "$@"
    echo '"$@"'
  } >"$work/launcher"
  chmod +x "$work/launcher"
  bash "$tests/run_transcript.sh" "$work/launcher" "${sessions[@]}" \
    >"$work/result" || { fail "$title, transcripts:"; head -n 60 "$work/result"; }
}
