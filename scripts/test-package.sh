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

expected="readme.txt rv17-hatch.exe rv17.bat rv17.exe rv17p.bat x86/rv17.bat x86/rv17.exe x86/rv17p.bat"
check "the zip holds both programs, rv17-hatch.exe, both launchers and the readme" \
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
check "rv17-hatch.exe imports only system DLLs" system_dlls_only x86_64-w64-mingw32-objdump "$top/rv17-hatch.exe"
check "rv17-hatch.exe is a 64-bit console program" bash -c \
  "x86_64-w64-mingw32-objdump -f '$top/rv17-hatch.exe' | grep -q 'pei-x86-64' && x86_64-w64-mingw32-objdump -p '$top/rv17-hatch.exe' | grep -q 'Subsystem.*(Windows CUI)'"
# Both programs must still start on Windows 7: no function that later Windows
# versions brought (the dialogs look the dpi functions up at run time instead)
# and no DLL that Windows 7 lacks, such as shcore.dll or a later API set.
newer_than_windows_7='GetDpiForWindow|GetDpiForSystem|GetDpiForMonitor|GetSystemDpiForProcess|AdjustWindowRectExForDpi|SystemParametersInfoForDpi|GetSystemMetricsForDpi|SetThreadDpiAwarenessContext|GetThreadDpiAwarenessContext|GetWindowDpiAwarenessContext|SetProcessDpiAwarenessContext|SetProcessDpiAwareness|GetProcessDpiAwareness|EnableNonClientDpiScaling|SetDialogDpiChangeBehavior|SetDialogControlDpiChangeBehavior|LogicalToPhysicalPointForPerMonitorDPI|GetSystemTimePreciseAsFileTime|CreateFile2|WaitOnAddress|WakeByAddressSingle|WakeByAddressAll|GetCurrentThreadStackLimits|SetThreadDescription|GetThreadDescription'
imports_run_on_windows_7() {
  local objdump=$1 exe=$2 table functions newer dlls
  table=$("$objdump" -p "$exe")
  functions=$(sed -nE 's/^\s+[0-9a-f]+\s+[0-9]+\s+(\S+)$/\1/p' <<<"$table")
  # A table that was not read must not pass for one without newer functions.
  grep -qx 'CreateDialogIndirectParamW' <<<"$functions" || { echo "  no import table read"; return 1; }
  newer=$(grep -xE "$newer_than_windows_7" <<<"$functions" || true)
  # Windows 7 has the first versions (l1-1-0) of the API sets, and the
  # universal C runtime's only with an update.
  dlls=$(sed -n 's/^\s*DLL Name: //p' <<<"$table" |
    grep -iE '^shcore\.dll$|^api-ms-win-crt-|^api-ms-win-.*-l([2-9]|1-[2-9]|1-1-[1-9])' || true)
  [ -z "$newer$dlls" ] || { echo "  newer than Windows 7:" $newer $dlls; return 1; }
}
check "the x64 program imports nothing newer than Windows 7" imports_run_on_windows_7 x86_64-w64-mingw32-objdump "$top/rv17.exe"
check "the x86 program imports nothing newer than Windows 7" imports_run_on_windows_7 i686-w64-mingw32-objdump "$top/x86/rv17.exe"
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
# The directive for paper millimetres, read in the zipped Shift-JIS bytes
# themselves, before the end of the directives.
bz_before_end() {
  local bytes
  bytes=$(LC_ALL=C tr -d '\r' < "$1")
  LC_ALL=C grep -qx 'REM #bz' <<<"$bytes" &&
    [ "$(LC_ALL=C grep -n -m1 -x 'REM #bz' <<<"$bytes" | cut -d: -f1)" -lt \
      "$(LC_ALL=C grep -n -m1 -x 'REM #e' <<<"$bytes" | cut -d: -f1)" ]
}
for launcher in rv17.bat rv17p.bat x86/rv17.bat x86/rv17p.bat; do
  check "$launcher asks for paper millimetres (REM #bz before REM #e)" bz_before_end "$top/$launcher"
done
check "readme.txt names rv17-hatch.exe" bash -c "iconv -f CP932 -t UTF-8 '$top/readme.txt' | grep -q 'rv17-hatch.exe'"
for launcher in rv17.bat rv17p.bat; do
  lines=$(launcher_lines "$top/$launcher")
  check "$launcher opens with a Japanese REM description" japanese_rem_first "$top/$launcher"
  for directive in '#jww' '#cd' '#h1' '#hc ' '#ht10' '#zz' '#zw' '#bz' '#e'; do
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
