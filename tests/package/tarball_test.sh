#!/usr/bin/env bash
# Usage: tarball_test.sh TARBALL BUILD_DIR [EMULATOR...]
# Checks a static Linux tarball, quillary-<version>-<machine>-linux.tar.gz,
# made by release/run from the static program of BUILD_DIR:
#   - one folder of the tarball's name holding exactly quillary, quillary.1,
#     README and LICENSE, owned by root;
#   - quillary is statically linked (file says so) and stripped, README is
#     release/linux/README and LICENSE the project's, and quillary.1 is the
#     versioned manual page that BUILD_DIR installs;
#   - the unpacked program plays every transcript byte for byte, started
#     through EMULATOR when given (QEMU, with no system root: a static
#     program needs none) and, with no emulator and as root, also inside an
#     empty root directory (chroot) holding nothing but the program.
set -u
tarball=$(realpath "$1")
build=$(cd "$2" && pwd)
shift 2
emulator=("$@")
source "$(dirname "$0")/common.sh"

name=$(basename "$tarball" .tar.gz)
tar -tvzf "$tarball" | awk '{ print $1, $2, $6 }' | sort -k3 >"$work/contents"
printf '%s\n' "drwxr-xr-x 0/0 $name/" "-rw-r--r-- 0/0 $name/LICENSE" \
  "-rw-r--r-- 0/0 $name/README" "-rwxr-xr-x 0/0 $name/quillary" \
  "-rw-r--r-- 0/0 $name/quillary.1" | sort -k3 >"$work/expected"
diff -u "$work/expected" "$work/contents" ||
  fail "the tarball's contents differ (- expected, + actual)"
tar -xzf "$tarball" -C "$work" || { fail "the tarball does not unpack"; exit 1; }
folder=$work/$name
program=$folder/quillary

description=$(file -b "$program")
[[ $description == *"statically linked"* ]] ||
  fail "quillary is not statically linked: $description"
readelf -S "$program" | grep -q '\.symtab' && fail "quillary is not stripped"
cmp -s "$folder/LICENSE" "$source_dir/LICENSE" || fail "LICENSE is not the project's"
cmp -s "$folder/README" "$source_dir/release/linux/README" ||
  fail "README is not release/linux/README"
cmp -s "$folder/quillary.1" "$build/doc/quillary.1" ||
  fail "quillary.1 is not the versioned page of $build/doc"

places="as unpacked"
if ((${#emulator[@]})); then
  places="under ${emulator[*]}"
  play_transcripts "$places" "${emulator[@]}" "$program"
else
  play_transcripts "$places" "$program"
  if [[ $(id -u) == 0 ]]; then
    mkdir "$work/root" && cp "$program" "$work/root/quillary"
    play_transcripts "in an empty root" chroot "$work/root" /quillary
    places+=" and in an empty root"
  fi
fi

if ((failed == 0)); then
  echo "$name.tar.gz: $(stat -c %s "$tarball") bytes, static, contents and" \
    "${#sessions[@]} transcripts $places pass"
fi
exit $failed
