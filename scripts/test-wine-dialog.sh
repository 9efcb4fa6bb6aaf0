#!/usr/bin/env bash
# End-to-end test of the real rv17.exe under Wine in a virtual X display,
# driven with xdotool like a user: OK with the defaults, OK with typed values,
# Escape, OK without solids, and the preset list editor; then both dialogs on
# a display of 144 dpi (150 %), the shipped launchers started through cmd,
# OK in a folder where no file can be written, which must tell the user, the
# preview pane, the 実寸 box on a drawing at 1/100, and last the joining box.
# The exchange file rv17.exe writes must equal, byte for byte, what
# rv17-hatch.exe (the same conversion from a command line, also under Wine)
# writes for the same values. Screenshots of each dialog are kept in
# build/wine-dialog/screenshots.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/environment.sh"
cd "$(dirname "$0")/.."
source scripts/wine-display.sh
export WINEDEBUG=-all

build=build/mingw-x64
out="$PWD/build/wine-dialog"
shots="$out/screenshots"

if [ ! -f "$build/build.ninja" ]; then cmake --preset mingw-x64 >/dev/null; fi
cmake --build --preset mingw-x64 -j2 --target rv17 rv17-hatch >/dev/null
exe="$build/app/rv17.exe"
hatch="$build/tools/rv17-hatch.exe"

failures=0
pass() { echo "PASS: $*"; }
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
check() {  # check DESCRIPTION COMMAND...
  local description=$1
  shift
  if "$@"; then pass "$description"; else fail "$description"; fi
}

# A folder that an interrupted run of section 10 left locked is unlocked first.
chattr -i "$out/locked" 2>/dev/null || true
umount "$out/locked" 2>/dev/null || true
rm -rf "$out"
mkdir -p "$shots"
start_display
cleanup() {
  [ -n "${PROGRAM_PID:-}" ] && kill "$PROGRAM_PID" 2>/dev/null || true
  [ -n "${locked:-}" ] && unlock_folder || true
  timeout 30 wineserver -k 2>/dev/null || true
  stop_display
}
trap cleanup EXIT
new_prefix "$out/prefix"

# The program lies in a folder whose name has a blank and Japanese characters.
folder="$out/作業 フォルダ（ハッチ）"
reference="$out/reference"
mkdir -p "$folder" "$reference"
cp "$exe" "$folder/rv17.exe"

# The bundled example is a selection as the host writes it (header values,
# indicated points, texts, lines and solids of every kind); the second
# selection has lines only.
cp examples/JWC_TEMP.TXT "$reference/solids.txt"
printf '%s\r\n' 'hq' 'lg0' 'ly0' 'lc1' 'lt1' '0 0 100 100' '100 0 0 100' > "$reference/lines.txt"

# set_display_dpi DPI: the display density of programs started from now on;
# the server reads it when it starts again.
set_display_dpi() {
  local key
  for key in 'HKCU\Control Panel\Desktop' 'HKCC\Software\Fonts'; do
    timeout 120 wine reg add "$key" /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  done
  timeout 120 wineserver -w
}
# program_folder NAME: a new folder NAME holding rv17.exe and the bundled
# example as the host's file; it becomes the program's folder.
program_folder() {
  folder="$out/$1"
  mkdir -p "$folder"
  cp "$exe" "$folder/rv17.exe"
  cp "$reference/solids.txt" "$folder/JWC_TEMP.TXT"
}

# Reference outputs from rv17-hatch.exe, when this build has its conversion.
cp "$hatch" "$reference/rv17-hatch.exe"
reference_output() {  # reference_output OUTPUT OPTIONS...
  local output=$1
  shift
  (cd "$reference" && timeout 120 wine rv17-hatch.exe "$@" -o "$output" solids.txt) >>"$out/hatch.log"
}

PROGRAM_PID=""
MAIN=""
start_program() {
  (cd "$folder" && exec wine rv17.exe) 2>>"$out/program.log" &
  PROGRAM_PID=$!
  MAIN=$(timeout 60 xdotool search --sync --onlyvisible --name '^rv17_' | awk 'NR == 1')
  [ -n "$MAIN" ]
  xdotool windowfocus --sync "$MAIN"
}
program_ended() { ! kill -0 "$PROGRAM_PID" 2>/dev/null; }
wait_for_end() {
  wait_until 60 program_ended
  wait "$PROGRAM_PID"
  PROGRAM_PID=""
}
press() { xdotool key --clearmodifiers "$@"; }
# A click into the notes panel (right of the controls, below the title bar).
click_notes_panel() { xdotool mousemove --window "$MAIN" 440 120 click 1; }
# regions_differ A B: whether the notes panel looks different in two screenshots.
regions_differ() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$MAIN")"
  local region="190x230+$((X + 350))+$((Y + 28))"
  ! cmp -s <(convert "$1" -crop "$region" rgb:-) <(convert "$2" -crop "$region" rgb:-)
}
red_pixels() { convert "$1" txt:- | grep -c '#FF0000' || true; }
status_is_red() {
  import -window root "$out/poll.png"
  [ "$(red_pixels "$out/poll.png")" -gt 50 ]
}
settings_line() { sed -n "${1}p" "$folder/rv17.dat" | tr -d '\r'; }
settings_line_count() { [ "$(wc -l < "$folder/rv17.dat")" -eq 14 ]; }
crlf_only() { [ "$(grep -c $'\r$' "$1")" -eq "$(wc -l < "$1")" ]; }
equal_files() { cmp "$1" "$2"; }
differ() { ! cmp -s "$1" "$2"; }
line_is() { [ "$(settings_line "$1")" = "$2" ]; }
# settings_are FIRST LAST EXPECTED: lines FIRST to LAST, joined by commas.
settings_are() { [ "$(sed -n "$1,$2p" "$folder/rv17.dat" | tr -d '\r' | paste -sd,)" = "$3" ]; }
starts_with_hd() { [ "$(head -1 "$1" | tr -d '\r')" = "hd" ]; }
no_red_in() { [ "$(red_pixels "$1")" -eq 0 ]; }
program_running() { kill -0 "$PROGRAM_PID" 2>/dev/null; }

# white_run SHOT GEOMETRY INDEX: the first and the last index of the run of
# white pixels through INDEX in a crop of SHOT one pixel wide or high.
white_run() {
  convert "$1" -crop "$2" +repage txt:- | awk -v at="$3" '
    NR > 1 { white[NR - 2] = ($3 == "#FFFFFF") }
    END {
      if (!white[at]) { print -1, -1; exit }
      for (first = at; first > 0 && white[first - 1]; first--) ;
      for (last = at; white[last + 1]; last++) ;
      print first, last
    }'
}
# client_area WINDOW SHOT: "left top width height" of the main dialog's client
# area in SHOT. Its background is white, and neither its lowest rows nor its
# left margin hold a control, while the frame round it is grey: the lowest
# white pixel under the middle of the window is on its bottom row, the white
# run along that row is its width, and the run up the margin its height.
client_area() {
  local X Y WIDTH HEIGHT SCREEN WINDOW bottom left right top
  eval "$(xdotool getwindowgeometry --shell "$1")"
  bottom=$(convert "$2" -crop "1x${HEIGHT}+$((X + WIDTH / 2))+${Y}" +repage txt:- |
    awk 'NR > 1 && $3 == "#FFFFFF" { row = NR - 2 } END { print row + 0 }')
  read -r left right < <(white_run "$2" "${WIDTH}x1+${X}+$((Y + bottom))" $((WIDTH / 2)))
  read -r top _ < <(white_run "$2" "1x${HEIGHT}+$((X + left + 2))+${Y}" "$bottom")
  echo "$((X + left)) $((Y + top)) $((right - left + 1)) $((bottom - top + 1))"
}
# outer_size WINDOW: "width height" of the whole window, frame and caption included.
outer_size() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$1")"
  echo "$WIDTH $HEIGHT"
}
# size_is "WIDTH HEIGHT" EXPECTED_WIDTH EXPECTED_HEIGHT TOLERANCE
size_is() {
  local width height
  read -r width height <<<"$1"
  if [ $((width - $2)) -ge $((-$4)) ] && [ $((width - $2)) -le "$4" ] &&
    [ $((height - $3)) -ge $((-$4)) ] && [ $((height - $3)) -le "$4" ]; then return 0; fi
  echo "  measured ${width}x${height}"
  return 1
}
# text_height SHOT "LEFT TOP" DPI: the height of the dark pixels (the text) of
# the interval label, the dialog's first row, seen through a box of 88 x 26
# designed pixels that holds only that label.
text_height() {
  local left top
  read -r left top <<<"$2"
  convert "$1" -crop "$((88 * $3 / 96))x$((26 * $3 / 96))+$((left + 4 * $3 / 96))+$((top + 6 * $3 / 96))" \
    +repage -colorspace Gray -threshold 50% txt:- |
    awk -F'[,:]' 'NR > 1 && /#000000/ { y = $2 + 0; if (first == "") first = y; last = y }
      END { print (first == "" ? 0 : last - first + 1) }'
}

echo "== 1: OK with the defaults (no settings file yet)"
cp "$reference/solids.txt" "$folder/JWC_TEMP.TXT"
start_program
stable_screenshot "$shots/1-main-defaults.png"
check "no red status at start" no_red_in "$shots/1-main-defaults.png"
read -r client_left client_top client_width client_height < <(client_area "$MAIN" "$shots/1-main-defaults.png")
check "at 96 dpi the main dialog's client area is 543x267" size_is "$client_width $client_height" 543 267 0
# Both dialogs have the same fixed frame and caption: the editor's client
# area is its outer size less the main dialog's frame.
read -r outer_width outer_height < <(outer_size "$MAIN")
frame_width=$((outer_width - client_width)) frame_height=$((outer_height - client_height))
text_height_96=$(text_height "$shots/1-main-defaults.png" "$client_left $client_top" 96)
# Enter presses OK even while the notes panel has the focus. The panel shows
# its last lines after Ctrl+End only if the click gave it the focus.
click_notes_panel
press ctrl+End
stable_screenshot "$shots/1-main-notes-end.png"
check "a click gives the notes panel the focus" regions_differ "$shots/1-main-defaults.png" "$shots/1-main-notes-end.png"
press Return
wait_for_end
check "the settings file has 14 lines" settings_line_count
check "the settings file ends its lines with CR LF" crlf_only "$folder/rv17.dat"
check "the default interval list is stored bare" line_is 5 "0.3,0.5,1,1.5,2,2.5,3,4,5,10"
check "the position stored is where the dialog stood" settings_are 1 2 "100,100"
check "the default values are stored" settings_are 8 14 "1,0,0,0,-1,0,0"
reference_output default.txt
check "OK with the defaults writes what rv17-hatch writes" equal_files "$reference/default.txt" "$folder/JWC_TEMP.TXT"
check "the written exchange file starts with hd" starts_with_hd "$folder/JWC_TEMP.TXT"

echo "== 2: typed interval and angle, another colour, both boxes ticked, OK"
cp "$reference/solids.txt" "$folder/JWC_TEMP.TXT"
start_program
# The focus starts in the interval box with its text selected; Tab follows the
# designed order: interval, edit, 実寸, angle, edit, colour, line type, width,
# edit, the two check boxes.
xdotool type --delay 50 "2.5"
press Tab Tab Tab
xdotool type --delay 50 "30"
press Tab Tab Down Down Down Tab Tab Tab Tab space Tab space
stable_screenshot "$shots/2-main-values.png"
press Return
wait_for_end
check "typed values are stored" settings_are 8 14 "2.5,30,3,0,-1,1,1"
reference_output values.txt --interval 2.5 --angle 30 --colour 3 --recolour-numbered --recolour-sxf
check "OK with typed values writes what rv17-hatch writes" equal_files "$reference/values.txt" "$folder/JWC_TEMP.TXT"

echo "== 3: Escape"
cp "$folder/JWC_TEMP.TXT" "$out/before-escape.txt"
start_program
# Escape presses Cancel even while the notes panel has the focus.
click_notes_panel
press Escape
wait_for_end
check "Escape leaves the exchange file as it was" equal_files "$out/before-escape.txt" "$folder/JWC_TEMP.TXT"
check "the settings file still has 14 lines" settings_line_count
check "the settings file holds the last values" settings_are 8 14 "2.5,30,3,0,-1,1,1"
check "the settings file ends its lines with CR LF" crlf_only "$folder/rv17.dat"

echo "== 4: OK without solids"
cp "$reference/lines.txt" "$folder/JWC_TEMP.TXT"
start_program
press Return
if wait_until 30 status_is_red; then pass "OK without solids shows the red refusal"; else fail "OK without solids shows the red refusal"; fi
stable_screenshot "$shots/4-main-refusal.png"
check "the dialog stays open after the refusal" program_running
press Escape
wait_for_end
check "the refused run leaves the exchange file alone" equal_files "$reference/lines.txt" "$folder/JWC_TEMP.TXT"

# open_interval_editor DESCRIPTION SCREENSHOT: from the interval box, Tab to
# its edit button and press it; checks that the editor opens, takes its
# screenshot and reads its outer size into outer_width and outer_height.
open_interval_editor() {
  press Tab space
  EDITOR=$(timeout 60 xdotool search --sync --onlyvisible --name '一覧編集' | awk 'NR == 1')
  check "$1" [ -n "$EDITOR" ]
  xdotool windowfocus --sync "$EDITOR" || true
  stable_screenshot "$2"
  read -r outer_width outer_height < <(outer_size "$EDITOR")
}

echo "== 5: the preset list editor"
cp "$reference/solids.txt" "$folder/JWC_TEMP.TXT"
start_program
open_interval_editor "the editor opens" "$shots/5-editor.png"
check "at 96 dpi the editor's client area is 266x257" \
  size_is "$((outer_width - frame_width)) $((outer_height - frame_height))" 266 257 0
press End shift+Home
xdotool type --delay 50 "7.5"
press alt+a
stable_screenshot "$shots/5-editor-added.png"
press Return
editor_hidden() { [ -z "$(xdotool search --onlyvisible --name '一覧編集' 2>/dev/null)" ]; }
check "the editor closes with Enter" wait_until 30 editor_hidden
xdotool windowfocus --sync "$MAIN"
press alt+n
wait_for_end
check "the accepted list is stored" line_is 5 "0.3,0.5,1,1.5,2,2.5,3,4,5,10,7.5"
check "Cancel by its access key leaves the exchange file alone" equal_files "$reference/solids.txt" "$folder/JWC_TEMP.TXT"

echo "== 6: a stored position off every monitor"
# As after a monitor was removed: the dialog must still open within reach,
# and the settings keep the position the user had.
{ printf '%s\r\n' -5000 -4000; tail -n +3 "$folder/rv17.dat"; } > "$out/rv17.dat" && mv "$out/rv17.dat" "$folder/rv17.dat"
cp "$reference/solids.txt" "$folder/JWC_TEMP.TXT"
start_program
on_screen() {
  local x y
  eval "$(xdotool getwindowgeometry --shell "$MAIN")"
  x=$X y=$Y
  [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ "$x" -lt 1280 ] && [ "$y" -lt 1024 ]
}
check "the dialog opens on the screen" on_screen
stable_screenshot "$shots/6-main-moved-into-reach.png"
# Alt+F4 is the close box's command: it closes like Cancel.
press alt+F4
wait_for_end
check "the settings keep the position the user had" settings_are 1 2 "-5000,-4000"

echo "== 7: a folder path longer than 260 characters"
long="$out"
for part in $(seq 1 12); do long="$long/長いフォルダ名の階層 $part ハッチ線変換テスト"; done
mkdir -p "$long"
cp "$exe" "$long/rv17.exe"
cp "$reference/lines.txt" "$long/JWC_TEMP.TXT"
folder="$long"
# Under Wine the folder is Z: followed by its Linux path, in characters.
check "the Windows path of the program is longer than 260 characters" [ $(( 2 + ${#folder} + 9 )) -gt 260 ]
start_program
press Escape
wait_for_end
check "the settings file is written beside the program in the long folder" settings_line_count

echo "== 8: both dialogs at 144 dpi (150 %)"
set_display_dpi 144
program_folder "144 dpi"
start_program
stable_screenshot "$shots/8-main-144dpi.png"
read -r client_left client_top client_width client_height < <(client_area "$MAIN" "$shots/8-main-144dpi.png")
check "at 144 dpi the main dialog's client area is 815x401" size_is "$client_width $client_height" 815 401 1
read -r outer_width outer_height < <(outer_size "$MAIN")
frame_width=$((outer_width - client_width)) frame_height=$((outer_height - client_height))
text_height_144=$(text_height "$shots/8-main-144dpi.png" "$client_left $client_top" 144)
echo "  text row: ${text_height_96} pixels high at 96 dpi, ${text_height_144} at 144 dpi"
check "at 144 dpi the text is half as high again as at 96 dpi" \
  [ $((text_height_144 * 100)) -ge $((text_height_96 * 130)) -a $((text_height_144 * 100)) -le $((text_height_96 * 170)) ]
open_interval_editor "the editor opens at 144 dpi" "$shots/8-editor-144dpi.png"
check "at 144 dpi the editor's client area is 399x386" \
  size_is "$((outer_width - frame_width)) $((outer_height - frame_height))" 399 386 1
press Escape
check "the editor closes with Escape" wait_until 30 editor_hidden
xdotool windowfocus --sync "$MAIN"
press Escape
wait_for_end
check "the position is stored in screen pixels at 144 dpi too" settings_are 1 2 "100,100"

# ---- The shipped launchers, started through cmd as the host starts them ----

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
# hatch_phase_from FILE Y INTERVAL: the file holds hatch segments, all of them
# horizontal and each a whole number of intervals above or below the height Y
# of the reference point.
hatch_phase_from() {
  awk -v y0="$2" -v step="$3" '
    { sub(/\r$/, "") }
    NF == 4 && /^[-0-9. ]+$/ {
      segments++
      phase = ($2 - y0) / step
      phase -= int(phase)
      if (phase < 0) phase += 1
      # Positions accumulate line by line, so they drift by a few units in the
      # last of the 15 digits written.
      slope = $2 - $4
      if (slope * slope > 1e-12 || (phase > 1e-6 && phase < 1 - 1e-6)) { print "  off the phase: " $0; bad++ }
    }
    END { if (segments == 0) print "  no hatch segments"; exit !(segments > 0 && bad == 0) }' "$1"
}

echo "== 9: the shipped launchers through cmd, from folders with blanks and Japanese names"
# The launchers exactly as the distribution zip ships them: the Shift-JIS,
# CR LF copies that the package installs from the build.
cmake --build --preset mingw-x64 -j2 --target rv17_distribution_texts >/dev/null
# rv17.bat: the host asks for no point, so its file has no "hp" line.
# rv17p.bat: the host asks for a reference point and writes it as "hp1"; the
# hatch must pass at whole intervals (1 with the defaults) from that point.
awk '!/^hp/' "$reference/solids.txt" > "$reference/launcher-rv17.txt"
# Its file has "bz", as the launchers' REM #bz asks of the host: paper
# millimetres, which the conversion must hand back as the second line.
printf '%s\r\n' hq 'hs  10  10  10  10  10  10  10  10  10  10  10  10  10  10  10  10' bz \
  'hp1  3.7  2.9' lg0 ly0 lc2 lt1 lw0 'lc10  8421504' \
  'sl  0  0  200  0  200  25  0  25' 'sl  25  25  45  25  25  45' > "$reference/launcher-rv17p.txt"
for launcher in rv17 rv17p; do
  folder="$out/外部変形 ランチャー（$launcher）"
  mkdir -p "$folder"
  cp "$exe" "$folder/rv17.exe"
  cp "$build/packaging/$launcher.bat" "$folder/$launcher.bat"
  cp "$reference/launcher-$launcher.txt" "$folder/JWC_TEMP.TXT"
  (cd "$reference" && timeout 120 wine rv17-hatch.exe -o "launcher-$launcher.expected" "launcher-$launcher.txt") >>"$out/hatch.log"
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

echo "== 10: saving fails: the user is told, the host's file stays as it was"
# A folder in which no file can be made, so that both the exchange file and
# the settings file fail to save: made immutable, or else a small tmpfs
# filled up. Tests run as root, which ignores permission bits, and Wine
# replaces a read-only file, so neither of those makes a save fail.
locked=""  # how the folder is locked: immutable, full, or not at all
lock_folder() {
  mkdir -p "$folder"
  if chattr +i "$folder" 2>/dev/null; then
    locked=immutable
  elif mount -t tmpfs -o size=32m tmpfs "$folder" 2>/dev/null; then
    locked=full
    cp "$exe" "$folder/rv17.exe"
    cp "$reference/solids.txt" "$folder/JWC_TEMP.TXT"
    dd if=/dev/zero of="$folder/filler" bs=64k 2>/dev/null || true
  fi
}
unlock_folder() {
  case "$locked" in
    immutable) chattr -i "$folder" ;;
    full) umount "$folder" ;;
  esac
  locked=""
}
# message_box EXCLUDED: a visible window titled as the main dialog that is
# neither the main dialog nor EXCLUDED, or nothing.
message_box() {
  { xdotool search --onlyvisible --name '^rv17_ソリッド→ハッチ線$' 2>/dev/null || true; } |
    awk -v main="$MAIN" -v excluded="${1:-}" '$0 != main && $0 != excluded { found = $0 } END { print found }'
}
box_shown() {
  BOX=$(message_box "${1:-}")
  [ -n "$BOX" ]
}
box_gone() { [ -z "$(message_box "$MAIN" | awk -v box="$1" '$0 == box')" ]; }
# close_box DESCRIPTION SCREENSHOT [EARLIER_BOX]: waits for the message box,
# keeps its screenshot and closes it with Enter.
close_box() {
  BOX=""
  if ! wait_until 60 box_shown "${3:-}"; then
    fail "$1"
    return
  fi
  pass "$1"
  xdotool windowfocus --sync "$BOX" || true
  stable_screenshot "$2"
  press Return
  check "Enter closes the message box" wait_until 30 box_gone "$BOX"
}

program_folder locked
lock_folder
if [ -z "$locked" ]; then
  echo "SKIP: no folder can be made unwritable here (chattr +i and mounting a tmpfs both failed)"
else
  echo "  the folder is locked: $locked"
  files_before=$(ls -A "$folder" | wc -l)
  start_program
  press Return
  close_box "a message box tells that JWC_TEMP.TXT could not be written" "$shots/10-save-failed.png"
  first_box=$BOX
  close_box "a second message box tells that the settings could not be saved" \
    "$shots/10-settings-save-failed.png" "$first_box"
  wait_for_end
  pass "the program ends after the messages"
  check "the host's file is byte for byte as it was" equal_files "$reference/solids.txt" "$folder/JWC_TEMP.TXT"
  check "no file is left behind in the folder" [ "$(ls -A "$folder" | wc -l)" -eq "$files_before" ]
  unlock_folder
fi

echo "== 11: the preview pane at 96 dpi"
set_display_dpi 96
program_folder preview
# dark_pixels SHOT: the dark pixels (the hatch and the outlines; the fills are
# pale) inside the pane, 20 pixels in from its edges. The pane is the right
# part of the window, 400 x 267 below the caption, inside a frame of at most 8.
dark_pixels() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$MAIN")"
  convert "$1" -crop "360x200+$((X + WIDTH - 8 - 380))+$((Y + HEIGHT - 8 - 222))" +repage \
    -colorspace Gray -threshold 50% txt:- | awk '/#000000/ { n++ } END { print n + 0 }'
}
start_program
read -r closed_width _ < <(outer_size "$MAIN")
press alt+p
pane_shown() { read -r w _ < <(outer_size "$MAIN"); [ "$w" -eq $((closed_width + 400)) ]; }
check "Alt+P widens the dialog by the pane's 400 pixels" wait_until 30 pane_shown
# Tab from the preview button, last in the tab order, wraps to the interval
# box with its text selected; typing replaces it and the pane follows. The
# example is at 1/10 in real-size coordinates: 0.1 on paper is 1 on the drawing.
press Tab
xdotool type --delay 50 "0.1"
sleep 1
stable_screenshot "$shots/11-preview-interval-0.1.png"
dark_1=$(dark_pixels "$shots/11-preview-interval-0.1.png")
check "the pane shows hatch lines (${dark_1} dark pixels)" [ "$dark_1" -gt 3000 ]
press End shift+Home
xdotool type --delay 50 "0.5"
sleep 1
stable_screenshot "$shots/11-preview-interval-0.5.png"
dark_5=$(dark_pixels "$shots/11-preview-interval-0.5.png")
check "interval 0.5 thins the hatch (${dark_1} to ${dark_5} dark pixels)" [ $((dark_5 * 100)) -lt $((dark_1 * 60)) ]
press Return
wait_for_end
reference_output preview.txt --interval 0.5
check "OK with the pane open writes what rv17-hatch writes" equal_files "$reference/preview.txt" "$folder/JWC_TEMP.TXT"
check "the settings file keeps its 14 lines" settings_line_count
check "the pane's open state is remembered" [ "$(tr -d '\r' < "$folder/rv17.ini" | paste -sd,)" = "[Preview],Open=1,[Interval],RealSize=0" ]
start_program
check "the pane opens again at the next start" wait_until 30 pane_shown
press Escape
wait_for_end

echo "== 12: 実寸 on a drawing at 1/100"
# A 3.6 m room at 1/100 in paper millimetres, as the launchers have the host
# write it: 100 real-size millimetres are 1 on paper.
program_folder "real size"
printf '%s\r\n' hq bz 'hs  100  100  100  100  100  100  100  100  100  100  100  100  100  100  100  100' \
  lg0 ly0 lc2 lt1 lw0 'lc10  8421504' 'sl  0  0  36  0  36  36  0  36' > "$reference/real-size.txt"
cp "$reference/real-size.txt" "$folder/JWC_TEMP.TXT"
# label_and_box SHOT: digests of the pixels of the interval's label and of the
# 実寸 box's square (not its caption, round which the focus is drawn), in
# designed pixels of the client area at 96 dpi.
label_and_box() {
  local left top
  read -r left top _ < <(client_area "$MAIN" "$1")
  convert "$1" -crop "84x17+$((left + 8))+$((top + 10))" +repage rgb:- | md5sum
  convert "$1" -crop "15x17+$((left + 277))+$((top + 10))" +repage rgb:- | md5sum
}
start_program
stable_screenshot "$shots/12-paper.png"
press alt+j
sleep 1
stable_screenshot "$shots/12-real-size.png"
check "ticking 実寸 changes the interval's label and the box" \
  [ "$(label_and_box "$shots/12-paper.png" | head -1)" != "$(label_and_box "$shots/12-real-size.png" | head -1)" ]
# From the box, Shift+Tab twice goes back over the edit button to the interval.
press shift+Tab shift+Tab End shift+Home
xdotool type --delay 50 "100"
press Return
wait_for_end
(cd "$reference" && timeout 120 wine rv17-hatch.exe --real-size --interval 100 -o real-size.expected real-size.txt) >>"$out/hatch.log"
check "OK with 実寸 100 writes what rv17-hatch --real-size writes" equal_files "$reference/real-size.expected" "$folder/JWC_TEMP.TXT"
check "the hatch lines lie 1 paper millimetre apart" hatch_phase_from "$folder/JWC_TEMP.TXT" 0 1
segments_in() { awk '{ sub(/\r$/, "") } NF == 4 && /^[-0-9. ]+$/ { n++ } END { print n + 0 }' "$1"; }
check "the room gets 35 hatch lines" [ "$(segments_in "$folder/JWC_TEMP.TXT")" -eq 35 ]
check "the box is remembered in rv17.ini" [ "$(tr -d '\r' < "$folder/rv17.ini" | paste -sd,)" = "[Preview],Open=0,[Interval],RealSize=1" ]
check "the settings file keeps its 14 lines" settings_line_count
cp "$reference/real-size.txt" "$folder/JWC_TEMP.TXT"
start_program
stable_screenshot "$shots/12-real-size-again.png"
check "at the next start the box is ticked and the label says 実寸" \
  [ "$(label_and_box "$shots/12-real-size.png")" = "$(label_and_box "$shots/12-real-size-again.png")" ]
press Escape
wait_for_end

echo "== 13: the joining box on two rooms that share a wall"
# Ticked with its access key, OK writes what rv17-hatch --join writes: one
# segment a line across both rooms, as many as rv17-hatch counts.
program_folder "join"
printf '%s\r\n' hq bz lg0 ly0 lc2 lt1 lw0 'sl  0  0  36  0  36  36  0  36' \
  'sl  36  0  72  0  72  36  36  36' > "$reference/join.txt"
cp "$reference/join.txt" "$folder/JWC_TEMP.TXT"
start_program
press alt+t
stable_screenshot "$shots/13-join.png"
press Return
wait_for_end
join_report=$(cd "$reference" && timeout 120 wine rv17-hatch.exe --join -o join.expected join.txt 2>>"$out/hatch.log" | tr -d '\r')
echo "  rv17-hatch --join: $join_report"
check "OK with the box ticked writes what rv17-hatch --join writes" equal_files "$reference/join.expected" "$folder/JWC_TEMP.TXT"
join_segments=$(awk '{ sub(/\r$/, "") } NF == 4 && /^[-0-9. ]+$/ { n++ } END { print n + 0 }' "$folder/JWC_TEMP.TXT")
check "the written segments are as many as rv17-hatch --join counts (${join_segments})" \
  [ "$join_report" = "2 solids, ${join_segments} hatch segments written to 'join.expected'" ]
check "each of the 35 lines is one segment across both rooms" [ "$join_segments" -eq 35 ]
check "the box is remembered in rv17.ini" \
  [ "$(tr -d '\r' < "$folder/rv17.ini" | paste -sd,)" = "[Preview],Open=0,[Interval],RealSize=0,[Hatch],Join=1" ]
check "the settings file keeps its 14 lines" settings_line_count

echo "screenshots: $shots"
if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "all checks passed"
