#!/usr/bin/env bash
# Usage: zip_package_test.sh CPACK BUILD_DIR [EMULATOR...]
# Makes the Windows ZIP of the built BUILD_DIR with CPACK (cpack -G ZIP, into
# a folder of its own) and checks it as a Windows user would get it:
#   - named quillary-<version>-win64.zip after the project's version, holding
#     one folder of that name with exactly quillary.exe, quillary.txt,
#     README.txt and LICENSE;
#   - quillary.exe needs no DLL but Windows' own;
#   - quillary.txt is the manual page of this version as plain text,
#     README.txt is doc/windows/README.txt with CR LF line ends, written for
#     the person who runs the program (no word of cmake, ctest or Wine), and
#     LICENSE is the project's own;
#   - the unpacked quillary.exe, started through EMULATOR (Wine), plays every
#     transcript byte for byte.
# With QUILLARY_CHECKED_ZIP_DIR set, a ZIP that passes is copied into that
# folder, so that release/run ships exactly the ZIP checked here.
# Needs unzip and the MinGW-w64 objdump.
set -u
cpack=$1
build=$(cd "$2" && pwd)
shift 2
emulator=("$@")
source "$(dirname "$0")/common.sh"

version=$(project_version "$build")
name=quillary-$version-win64
"$cpack" -G ZIP --config "$build/CPackConfig.cmake" -B "$work/cpack" \
  >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack -G ZIP failed"; exit 1; }
zip=$work/cpack/$name.zip
[[ -n $version && -f $zip ]] || { fail "no $name.zip was made"; exit 1; }

unzip -Z1 "$zip" | sort >"$work/contents"
printf '%s\n' "$name/" "$name/LICENSE" "$name/README.txt" "$name/quillary.exe" \
  "$name/quillary.txt" |
  sort >"$work/expected"
# Some zip tools list the folder itself, some do not.
grep -vx "$name/" "$work/expected" >"$work/expected-files"
diff -u "$work/expected-files" <(grep -vx "$name/" "$work/contents") ||
  fail "the ZIP's contents differ (- expected, + actual)"
unzip -q "$zip" -d "$work/unpacked" || fail "the ZIP does not unpack"
folder=$work/unpacked/$name

# Only DLLs that every Windows has: no MinGW runtime beside the program.
dlls=$(x86_64-w64-mingw32-objdump -p "$folder/quillary.exe" |
  sed -n 's/^[[:space:]]*DLL Name: //p')
[[ -n $dlls ]] || fail "objdump found no imported DLL in quillary.exe"
while read -r dll; do
  [[ ${dll,,} =~ ^(kernel32|msvcrt|ucrtbase|advapi32|user32|api-ms-win-.*)\.dll$ ]] ||
    fail "quillary.exe needs $dll, which Windows does not ship"
done <<<"$dlls"

cmp -s "$folder/LICENSE" "$source_dir/LICENSE" ||
  fail "LICENSE in the ZIP is not the project's LICENSE"
readme=$folder/README.txt
cmp -s "$readme" <(sed 's/$/\r/' "$source_dir/doc/windows/README.txt") ||
  fail "README.txt in the ZIP is not doc/windows/README.txt with CR LF line ends"
if grep -Eio 'cmake|ctest|wine' "$readme" >"$work/tools"; then
  fail "README.txt speaks of building or testing: $(sort -u "$work/tools" | tr '\n' ' ')"
fi
page=$folder/quillary.txt
head -n 1 "$page" | grep -q '^QUILLARY(1) ' || fail "quillary.txt is no rendered manual page"
grep -q "Quillary $version" "$page" || fail "quillary.txt is not the page of version $version"
grep -q $'[\x1b\x08]' "$page" && fail "quillary.txt holds escape sequences or overstrikes"
grep -q '^ENVIRONMENT' "$page" || fail "quillary.txt has no ENVIRONMENT section"

play_transcripts "unpacked quillary.exe" "${emulator[@]}" "$folder/quillary.exe"

if ((failed == 0)); then
  echo "$name.zip: $(stat -c %s "$zip") bytes, contents, DLLs, manual page and ${#sessions[@]} transcripts pass"
  [[ -z ${QUILLARY_CHECKED_ZIP_DIR-} ]] || cp "$zip" "$QUILLARY_CHECKED_ZIP_DIR/" ||
    failed=1
fi
exit $failed
