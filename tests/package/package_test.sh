#!/usr/bin/env bash
# Usage: package_test.sh BUILD_DIR [EMULATOR...]
# Checks what BUILD_DIR installs, after `cmake --build` and `cpack -G DEB` have
# run there (release/run does both), for this machine's architecture or, in a
# cross build, for the build's own, whose program runs through EMULATOR
# (qemu-aarch64, qemu-arm; the program's libraries must be where the
# emulator looks, so pass its -L):
#   - `cmake --install` with a prefix puts exactly bin/quillary,
#     share/man/man1/quillary.1.gz and share/doc/quillary/{copyright,
#     changelog.gz} under it;
#   - the Debian package carries the project's name and version, the
#     architecture of the program it holds, a maintainer, a Depends line
#     worked out from the linked libraries that names that architecture's own
#     packages (no "-cross" package, no ":arch"), and only the program
#     (stripped), the compressed manual page, the copyright file and the
#     changelog, owned by root, and lintian finds no error and no warning;
#   - the copyright file is machine-readable (DEP-5) and holds LICENSE's
#     copyright line and terms; the changelog holds every released version of
#     CHANGELOG.md, the package's own first;
#   - the program unpacked from the package plays every transcript byte for
#     byte, and its manual page is this project's page with the project's
#     version in the footer, renders without a warning and has a NAME line
#     that whatis can index.
# Needs dpkg-dev, lintian, man-db and groff-base.
set -u
build=$(cd "$1" && pwd)
shift
emulator=("$@")
source "$(dirname "$0")/common.sh"

# cmake --install: the program, the manual page, the copyright and the
# changelog, nothing else.
cmake --install "$build" --prefix "$work/prefix" >/dev/null ||
  fail "cmake --install failed"
(cd "$work/prefix" && find . -type f | sort) >"$work/installed"
printf '%s\n' ./bin/quillary ./share/doc/quillary/changelog.gz \
  ./share/doc/quillary/copyright ./share/man/man1/quillary.1.gz \
  >"$work/expected"
diff -u "$work/expected" "$work/installed" ||
  fail "cmake --install put other files under the prefix (- expected, + actual)"

version=$(project_version "$build")
debs=("$build/quillary_${version}_"*.deb)
deb=${debs[0]}
if [[ -z $version || ! -f $deb || ${#debs[@]} != 1 ]]; then
  echo "FAIL: not one package quillary_${version}_*.deb in $build (run cpack -G DEB there first)"
  exit 1
fi

# Control fields.
field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Package) == quillary ]] || fail "Package is '$(field Package)'"
[[ $(field Version) == "$version" ]] ||
  fail "Version is '$(field Version)', the project's is $version"
name_and_address='^[^<]+ <[^@ ]+@[^@ ]+>$'
[[ $(field Maintainer) =~ $name_and_address ]] ||
  fail "Maintainer '$(field Maintainer)' is not 'Name <address>'"
[[ -n $(field Section) && -n $(field Description) ]] ||
  fail "Section or Description is missing"
depends=$(field Depends)
for library in libc6 libstdc++6 libgcc-s1; do
  [[ $depends =~ (^|,\ )"$library (>= "[0-9] ]] ||
    fail "Depends '$depends' lacks a versioned $library"
done
[[ $depends == *-cross* || $depends == *:* ]] &&
  fail "Depends '$depends' names this machine's cross packages"

# Contents: modes, owners and paths of every entry, directories included.
dpkg-deb -c "$deb" | awk '{ print $1, $2, $6 }' >"$work/contents"
cat >"$work/expected" <<'EOF'
drwxr-xr-x root/root ./usr/
drwxr-xr-x root/root ./usr/bin/
-rwxr-xr-x root/root ./usr/bin/quillary
drwxr-xr-x root/root ./usr/share/
drwxr-xr-x root/root ./usr/share/doc/
drwxr-xr-x root/root ./usr/share/doc/quillary/
-rw-r--r-- root/root ./usr/share/doc/quillary/changelog.gz
-rw-r--r-- root/root ./usr/share/doc/quillary/copyright
drwxr-xr-x root/root ./usr/share/man/
drwxr-xr-x root/root ./usr/share/man/man1/
-rw-r--r-- root/root ./usr/share/man/man1/quillary.1.gz
EOF
diff -u "$work/expected" "$work/contents" ||
  fail "package contents differ (- expected, + actual)"

# Debian's own checks of the package.
if ! lintian --fail-on error,warning "$deb" >"$work/lintian" 2>&1; then
  fail "lintian reports errors or warnings:"
  cat "$work/lintian"
fi

# The unpacked copyright file, changelog, program and manual page.
dpkg-deb -x "$deb" "$work/root"
doc=$work/root/usr/share/doc/quillary
[[ $(head -n 1 "$doc/copyright") == \
  "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ]] ||
  fail "the copyright file is not in the machine-readable format"
grep -qx "Copyright: $(sed -n 's/^Copyright (c) //p' "$source_dir/LICENSE")" \
  "$doc/copyright" || fail "the copyright file lacks LICENSE's copyright line"
# The stand-alone License paragraph, unindented, is LICENSE after its
# copyright line.
awk 'on; previous == "" && /^License: / { on = 1 } { previous = $0 }' \
  "$doc/copyright" | sed 's/^ //; s/^\.$//' >"$work/terms"
sed '1,/^Copyright (c) /d' "$source_dir/LICENSE" | sed '1{/^$/d}' |
  diff -u - "$work/terms" ||
  fail "the copyright file's licence text is not LICENSE's (- LICENSE, + package)"
zcat "$doc/changelog.gz" | sed -n 's/^quillary (\([^)]*\)) .*/\1/p' >"$work/listed"
sed -n 's/^## \[\([^]]*\)\] - [0-9-]*$/\1/p' "$source_dir/CHANGELOG.md" |
  diff -u - "$work/listed" ||
  fail "the changelog's versions are not CHANGELOG.md's releases (- CHANGELOG.md, + package)"
[[ $(head -n 1 "$work/listed") == "$version" ]] ||
  fail "the changelog's newest version is not $version: give it a section in CHANGELOG.md"
program=$work/root/usr/bin/quillary
page=$work/root/usr/share/man/man1/quillary.1.gz
# The Architecture field names the machine the program was built for.
case $(file -b "$program") in
  *x86-64*) machine=amd64 ;;
  *aarch64*) machine=arm64 ;;
  *"32-bit LSB"*ARM*EABI5*) machine=armhf ;;
  *) machine="unknown ($(file -b "$program"))" ;;
esac
[[ $(field Architecture) == "$machine" ]] ||
  fail "Architecture is '$(field Architecture)', the program is for $machine"
[[ ${deb##*/} == "quillary_${version}_$machine.deb" ]] ||
  fail "the package is named ${deb##*/}, not quillary_${version}_$machine.deb"
if readelf -S "$program" | grep -q '\.symtab'; then
  fail "the packaged program is not stripped"
fi
play_transcripts "packaged program" "${emulator[@]}" "$program"
# The packaged page is doc/quillary.1 with the version in its footer, the same
# page the build leaves uncompressed in its doc folder.
zcat "$page" >"$work/page"
footer=$(sed -n 's/^\.TH QUILLARY 1 [^ ]* "\(.*\)" "User Commands"$/\1/p' "$work/page")
[[ $footer == "Quillary $version" ]] ||
  fail "the manual page's footer is '$footer', not 'Quillary $version'"
cmp -s <(grep -v '^\.TH ' "$work/page") \
  <(grep -v '^\.TH ' "$source_dir/doc/quillary.1") ||
  fail "the packaged manual page is not doc/quillary.1"
cmp -s "$work/page" "$build/doc/quillary.1" ||
  fail "$build/doc/quillary.1 is not the packaged manual page"
# man-db's own check of the macros, then every warning troff knows (the
# PostScript device also knows which fonts exist).
warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
[[ -z $warnings ]] || fail "man --warnings reports: $warnings"
warnings=$(zcat "$page" | groff -man -ww -z 2>&1)
[[ -z $warnings ]] || fail "groff -man -ww reports: $warnings"
lexgrog "$page" | grep -q '"quillary - ' ||
  fail "the manual page has no NAME line for whatis: $(lexgrog "$page")"

if ((failed == 0)); then
  echo "package ${deb##*/}: fields, contents, lintian, copyright, changelog," \
    "manual page and ${#sessions[@]} transcripts pass"
fi
exit $failed
