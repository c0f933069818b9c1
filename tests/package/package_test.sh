#!/usr/bin/env bash
# Usage: package_test.sh BUILD_DIR
# Checks what BUILD_DIR installs, after `cmake --build` and `cpack -G DEB` have
# run there (.ci/run does both):
#   - `cmake --install` with a prefix puts exactly bin/quillary and
#     share/man/man1/quillary.1.gz under it;
#   - the Debian package carries the project's name and version, a maintainer,
#     a Depends line worked out from the linked libraries, and only the program
#     (stripped) and the compressed manual page, owned by root;
#   - the program unpacked from the package plays every transcript byte for
#     byte, and its manual page is this project's page with the project's
#     version in the footer, renders without a warning and has a NAME line
#     that whatis can index.
# Needs dpkg-deb, man-db and groff-base.
set -u
build=$(cd "$1" && pwd)
tests=$(cd "$(dirname "$0")/.." && pwd)
source_dir=$(dirname "$tests")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }

# cmake --install: the program and the manual page, nothing else.
cmake --install "$build" --prefix "$work/prefix" >/dev/null ||
  fail "cmake --install failed"
(cd "$work/prefix" && find . -type f | sort) >"$work/installed"
printf '%s\n' ./bin/quillary ./share/man/man1/quillary.1.gz >"$work/expected"
diff -u "$work/expected" "$work/installed" ||
  fail "cmake --install put other files under the prefix (- expected, + actual)"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
deb=$build/quillary_${version}_$(dpkg --print-architecture).deb
if [[ -z $version || ! -f $deb ]]; then
  echo "FAIL: no package ${deb##*/} in $build (run cpack -G DEB there first)"
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

# Contents: modes, owners and paths of every entry, directories included.
dpkg-deb -c "$deb" | awk '{ print $1, $2, $6 }' >"$work/contents"
cat >"$work/expected" <<'EOF'
drwxr-xr-x root/root ./usr/
drwxr-xr-x root/root ./usr/bin/
-rwxr-xr-x root/root ./usr/bin/quillary
drwxr-xr-x root/root ./usr/share/
drwxr-xr-x root/root ./usr/share/man/
drwxr-xr-x root/root ./usr/share/man/man1/
-rw-r--r-- root/root ./usr/share/man/man1/quillary.1.gz
EOF
diff -u "$work/expected" "$work/contents" ||
  fail "package contents differ (- expected, + actual)"

# The unpacked program and manual page.
dpkg-deb -x "$deb" "$work/root"
program=$work/root/usr/bin/quillary
page=$work/root/usr/share/man/man1/quillary.1.gz
if readelf -S "$program" | grep -q '\.symtab'; then
  fail "the packaged program is not stripped"
fi
played=0
for session in "$tests"/transcripts/*/*.in; do
  bash "$tests/run_transcript.sh" "$program" "$session" >"$work/result" ||
    { fail "packaged program, transcript ${session#"$tests"/}:"; cat "$work/result"; }
  played=$((played + 1))
done
((played > 0)) || fail "no transcript found under $tests/transcripts"
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
  echo "package ${deb##*/}: fields, contents, manual page and $played transcripts pass"
fi
exit $failed
