#!/usr/bin/env bash
# Builds the distribution zip and checks it: both programs self-contained
# (they import only Windows system DLLs), both launchers and the readme in
# Shift-JIS with CR LF, and the launchers' directives.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/environment.sh"
cd "$(dirname "$0")/.."

cmake --preset mingw-x64 >/dev/null
zip=$(realpath "$(bash scripts/package.sh | tail -1)")
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
(cd "$work" && cmake -E tar xf "$zip")
top="$work/$(basename "$zip" .zip)"

failures=0
check() {
  local description=$1
  shift
  if "$@"; then echo "PASS: $description"; else echo "FAIL: $description"; failures=$((failures + 1)); fi
}

expected="readme.txt rv17.bat rv17.exe rv17p.bat x86/rv17.bat x86/rv17.exe x86/rv17p.bat"
check "the zip holds both programs, both launchers and the readme" \
  [ "$(cd "$top" && find . -type f | sed 's|^\./||' | sort | tr '\n' ' ' | sed 's/ $//')" = "$expected" ]

# Only DLLs that every Windows has: nothing needs to lie beside rv17.exe.
system_dlls_only() {
  local objdump=$1 exe=$2 others
  others=$("$objdump" -p "$exe" | sed -n 's/^\s*DLL Name: //p' |
    grep -viE '^(kernel32|user32|gdi32|comctl32|imm32|msvcrt|advapi32|shell32|ole32|oleaut32|uxtheme|api-ms-win-.*)\.dll$' || true)
  [ -z "$others" ] || { echo "  not a system DLL: $others"; return 1; }
}
check "the x64 program imports only system DLLs" system_dlls_only x86_64-w64-mingw32-objdump "$top/rv17.exe"
check "the x86 program imports only system DLLs" system_dlls_only i686-w64-mingw32-objdump "$top/x86/rv17.exe"
check "the x64 program is a 64-bit GUI program" bash -c \
  "x86_64-w64-mingw32-objdump -f '$top/rv17.exe' | grep -q 'pei-x86-64' && x86_64-w64-mingw32-objdump -p '$top/rv17.exe' | grep -q 'Subsystem.*(Windows GUI)'"
check "the x86 program is a 32-bit GUI program" bash -c \
  "i686-w64-mingw32-objdump -f '$top/x86/rv17.exe' | grep -q 'pei-i386' && i686-w64-mingw32-objdump -p '$top/x86/rv17.exe' | grep -q 'Subsystem.*(Windows GUI)'"

shift_jis_crlf() {
  local file=$1
  iconv -f CP932 -t UTF-8 "$file" >/dev/null &&
    [ "$(grep -c $'\r$' "$file")" -eq "$(wc -l < "$file")" ] &&
    ! LC_ALL=C grep -q $'[^\r]$' <(tail -c 2 "$file")
}
for text in readme.txt rv17.bat rv17p.bat x86/rv17.bat x86/rv17p.bat; do
  check "$text is Shift-JIS with CR LF" shift_jis_crlf "$top/$text"
done

launcher_lines() { iconv -f CP932 -t UTF-8 "$1" | tr -d '\r'; }
# The first line, read as Shift-JIS bytes: "REM " and a kana or kanji, whose
# lead byte is 0x82-0x9F or 0xE0-0xEA and whose trail byte is 0x40-0xFC.
japanese_rem_first() { head -1 "$1" | LC_ALL=C grep -q $'^REM .*[\x82-\x9f\xe0-\xea][\x40-\x7e\x80-\xfc]'; }
line_number() { grep -n -m1 "$2" <<<"$1" | cut -d: -f1; }
goto_before_directives() { [ "$(line_number "$1" '^goto ')" -lt "$(line_number "$1" '^REM #jww')" ]; }
has_line() { grep -q "$2" <<<"$1"; }
lacks_line() { ! grep -q "$2" <<<"$1"; }
for launcher in rv17.bat rv17p.bat; do
  lines=$(launcher_lines "$top/$launcher")
  check "$launcher opens with a Japanese REM description" japanese_rem_first "$top/$launcher"
  for directive in '#jww' '#cd' '#h1' '#hc ' '#ht10' '#zz' '#zw' '#e'; do
    check "$launcher has REM $directive" has_line "$lines" "^REM $directive"
  done
  check "$launcher jumps over its directives" goto_before_directives "$lines"
  check "$launcher starts the program beside it and waits" has_line "$lines" '^start "" /wait "%~dp0rv17.exe"$'
done
check "rv17p.bat asks for the reference point" has_line "$(launcher_lines "$top/rv17p.bat")" '^REM #1 '
check "rv17.bat asks for no point" lacks_line "$(launcher_lines "$top/rv17.bat")" '^REM #1 '

echo "zip: $zip"
[ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "all checks passed"
