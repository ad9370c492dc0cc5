#!/usr/bin/env bash
# Makes the download and checks it:
#   1. a release build of the committed tree (HEAD) in build-release/, from scratch;
#   2. dist/Mirvalen-VERSION-win64.zip holding a folder Mirvalen with
#      mirvalen.exe, mirvalen-cli.exe, README.txt (Japanese, UTF-8 with a BOM and
#      CRLF, so that Notepad on a Japanese Windows shows it) and LICENSE.txt;
#   3. the check: the zip unpacked into a fresh folder whose name has Japanese
#      characters and spaces, `mirvalen-cli --help` and the window run from
#      there under Wine (headless), the window closed as its close box would.
# The version is CMake's project(VERSION). Any failure stops the script with a
# message and a non-zero exit code.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
export MIRVALEN_BUILD="$here/../build-release"
source "$here/setup-steps"
MIRVALEN_BUILD="$(realpath -m "$MIRVALEN_BUILD")"
export WINEPREFIX="$MIRVALEN_BUILD/wineprefix"
unset DISPLAY

fail() { echo "release: FAILED: $*" >&2; exit 1; }
step() { echo "== $*"; }

source_dir="$MIRVALEN_BUILD/source"
build_dir="$MIRVALEN_BUILD/build"
stage_dir="$MIRVALEN_BUILD/stage"
check_dir="$MIRVALEN_BUILD/check"
dist_dir="$MIRVALEN_ROOT/dist"
trap '"$WINESERVER" -k 2>/dev/null || true' EXIT

install_packages "${PACKAGES[@]}" zip unzip
ensure_locale

# 1. Build. The source is the commit, not the working folder, so that nothing
# half-done or generated ends up in the download.
git -C "$MIRVALEN_ROOT" rev-parse --verify -q HEAD >/dev/null || fail "$MIRVALEN_ROOT is not a git checkout with a commit"
commit="$(git -C "$MIRVALEN_ROOT" rev-parse --short HEAD)"
if [ -n "$(git -C "$MIRVALEN_ROOT" status --porcelain --untracked-files=no)" ]; then
  echo "note: uncommitted changes are not part of the release (it is built from $commit)"
fi
step "release build of $commit in $build_dir"
rm -rf "$source_dir" "$build_dir" "$stage_dir" "$check_dir"
mkdir -p "$source_dir"
git -C "$MIRVALEN_ROOT" archive HEAD | tar -x -C "$source_dir"
cmake -S "$source_dir" -B "$build_dir" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$source_dir/cmake/mingw-w64-x86_64.cmake" >/dev/null || fail "cmake could not configure"
cmake --build "$build_dir" -j "$(nproc)" --target mirvalen mirvalen-cli mirvalen-close-window \
  -- --no-print-directory 2>&1 | { grep -v -E '^\[ *[0-9]+%\]' || true; } || fail "the build failed"

version="$(sed -n 's/^#define MIRVALEN_VERSION_TEXT *"\(.*\)"$/\1/p' "$build_dir/res/version.h")"
[ -n "$version" ] || fail "no version in $build_dir/res/version.h"
gui="$build_dir/mirvalen.exe"
cli="$build_dir/cli/mirvalen-cli.exe"
closer="$build_dir/release/mirvalen-close-window.exe"

# Only Windows' own DLLs: the C++ runtime is linked in.
for exe in "$gui" "$cli"; do
  while read -r dll; do
    case "${dll,,}" in
      kernel32.dll|user32.dll|gdi32.dll|comctl32.dll|shlwapi.dll|shell32.dll|ole32.dll|oleaut32.dll|\
      imagehlp.dll|advapi32.dll|psapi.dll|msvcrt.dll|comdlg32.dll|version.dll) ;;
      *) fail "$(basename "$exe") needs $dll, which Windows does not have" ;;
    esac
  done < <(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p')
done

# 2. The zip.
step "packing Mirvalen $version"
package="$stage_dir/Mirvalen"
mkdir -p "$package"
x86_64-w64-mingw32-strip -o "$package/mirvalen.exe" "$gui"
x86_64-w64-mingw32-strip -o "$package/mirvalen-cli.exe" "$cli"
{ printf '\xEF\xBB\xBF'; sed -e "s/@VERSION@/$version/g" -e 's/$/\r/' "$source_dir/release/README.txt"; } \
  > "$package/README.txt"
sed -e 's/$/\r/' "$source_dir/release/LICENSE.txt" > "$package/LICENSE.txt"
mkdir -p "$dist_dir"
zip_file="$dist_dir/Mirvalen-$version-win64.zip"
rm -f "$zip_file"
(cd "$stage_dir" && zip -q -X -9 -r "$zip_file" Mirvalen) || fail "zip failed"

# 3. The check, from what a user unpacks.
step "checking $zip_file"
expected="$(printf '%s\n' Mirvalen/ Mirvalen/LICENSE.txt Mirvalen/README.txt Mirvalen/mirvalen-cli.exe Mirvalen/mirvalen.exe)"
[ "$(unzip -Z1 "$zip_file" | LC_ALL=C sort)" = "$(LC_ALL=C sort <<<"$expected")" ] \
  || fail "the zip holds $(unzip -Z1 "$zip_file" | tr '\n' ' ')"
folder="$check_dir/展開した Mirvalen テスト"
mkdir -p "$folder"
unzip -q "$zip_file" -d "$folder" || fail "unzip failed"
app="$folder/Mirvalen"

readme="$app/README.txt"
[ "$(head -c 3 "$readme" | od -An -tx1 | tr -d ' ')" = efbbbf ] || fail "README.txt has no UTF-8 byte-order mark"
[ "$(grep -c $'\r$' "$readme")" -eq "$(wc -l < "$readme")" ] || fail "README.txt has lines without CRLF"
grep -q "Mirvalen $version" "$readme" || fail "README.txt does not name version $version"

prepare_prefix
"$WINESERVER" -k 2>/dev/null || true

# The command-line tool: its help, and every flag of it in the read-me.
help_text="$(cd "$app" && timeout 120 "$WINE" ./mirvalen-cli.exe --help 2>&1)" \
  || fail "mirvalen-cli --help failed (exit $?) in $app: $help_text"
grep -q '^usage: mirvalen-cli' <<<"$help_text" || fail "mirvalen-cli --help printed: $help_text"
for flag in $(grep -o -E -- '--[a-z0-9][a-z0-9-]*' <<<"$help_text" | sort -u); do
  grep -q -- "$flag" "$readme" || fail "README.txt does not explain $flag (see mirvalen-cli --help)"
done
echo "mirvalen-cli --help: ok"

# The window: it opens, and closes through its close path, which saves the
# settings beside the program.
(cd "$app" && exec timeout 120 "$WINE" ./mirvalen.exe) &
window_pid=$!
if ! "$WINE" "$closer" Mirvalen 60; then
  kill "$window_pid" 2>/dev/null || true
  fail "the window of $app/mirvalen.exe did not open and close"
fi
window_status=0
wait "$window_pid" || window_status=$?
[ "$window_status" -eq 0 ] || fail "mirvalen.exe ended with exit code $window_status"
[ -f "$app/Mirvalen.ini" ] || fail "mirvalen.exe saved no Mirvalen.ini beside itself in $app"
echo "mirvalen.exe window: opened and closed, settings saved beside it"
"$WINESERVER" -w

size="$(stat -c %s "$zip_file")"
echo
echo "release: $zip_file ($size bytes), built from $commit, checked"
