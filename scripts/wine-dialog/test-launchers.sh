#!/usr/bin/env bash
# The shipped launchers, started through cmd as the host starts them, from
# folders with blanks and Japanese names: each waits while the dialog is open
# and, after OK, leaves what rv17-hatch writes.
source "$(dirname "${BASH_SOURCE[0]}")/library.sh"
begin
# The launchers exactly as the distribution zip ships them: the Shift-JIS,
# CR LF copies that the package installs from the build.
cmake --build --preset mingw-x64 -j2 --target rv17_distribution_texts >/dev/null

# start_launcher FOLDER ARGUMENTS...: runs "cmd /c ARGUMENTS" in FOLDER and
# waits for the dialog that the launcher starts; PROGRAM_PID is cmd's.
start_launcher() {
  local dir=$1
  shift
  (cd "$dir" && exec wine cmd /c "$@") >>"$out/launchers.log" 2>&1 &
  PROGRAM_PID=$!
  MAIN=$(timeout 60 xdotool search --sync --onlyvisible --name '^rv17_' | awk 'NR == 1')
  [ -n "$MAIN" ]
  xdotool windowfocus --sync "$MAIN"
}

# rv17.bat: the host asks for no point, so its file has no "hp" line.
# rv17p.bat: the host asks for a reference point and writes it as "hp1"; the
# hatch must pass at whole intervals (1 with the defaults) from that point.
awk '!/^hp/' "$reference/solids.txt" >"$reference/launcher-rv17.txt"
# Its file has "bz", as the launchers' REM #bz asks of the host: paper
# millimetres, which the conversion must hand back as the second line.
printf '%s\r\n' hq 'hs  10  10  10  10  10  10  10  10  10  10  10  10  10  10  10  10' bz \
  'hp1  3.7  2.9' lg0 ly0 lc2 lt1 lw0 'lc10  8421504' \
  'sl  0  0  200  0  200  25  0  25' 'sl  25  25  45  25  25  45' >"$reference/launcher-rv17p.txt"
for launcher in rv17 rv17p; do
  program_folder "外部変形 ランチャー（$launcher）" "$reference/launcher-$launcher.txt"
  cp "$build/packaging/$launcher.bat" "$folder/$launcher.bat"
  INPUT="launcher-$launcher.txt" reference_output "launcher-$launcher.expected"
done

# By name from its own folder (the host makes the launcher's folder current),
# and by its full quoted Windows path.
folder="$out/外部変形 ランチャー（rv17）"
start_launcher "$folder" rv17.bat
check "rv17.bat waits while the dialog is open" program_running
press Return
wait_for_end
check "rv17.bat converts: its file is what rv17-hatch writes" equal_files "$reference/launcher-rv17.expected" "$folder/JWC_TEMP.TXT"
check "rv17.bat's file starts with hd" starts_with_hd "$folder/JWC_TEMP.TXT"
folder="$out/外部変形 ランチャー（rv17p）"
start_launcher "$folder" "$(winepath -w "$folder/rv17p.bat")"
check "rv17p.bat waits while the dialog is open" program_running
press Return
wait_for_end
check "rv17p.bat converts: its file is what rv17-hatch writes" equal_files "$reference/launcher-rv17p.expected" "$folder/JWC_TEMP.TXT"
check "rv17p.bat's hatch lines pass at whole intervals from its hp1 point" hatch_phase_from "$folder/JWC_TEMP.TXT" 2.9 1
second_line_is_bz() { [ "$(sed -n 2p "$1" | tr -d '\r')" = "bz" ]; }
check "rv17p.bat hands \"bz\" back as the second line" second_line_is_bz "$folder/JWC_TEMP.TXT"
finish
