# Shared by the scripts of scripts/wine-dialog (sourced, not run): each runs
# the real rv17.exe under Wine in a virtual X display of its own, with a fresh
# Wine prefix and folders under build/wine-dialog/NAME, and drives it with
# xdotool like a user. Pixel positions come from the dialogs' layout as the
# program lays them out (print_layout), never from copies of the design.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../.."
source scripts/environment.sh
source scripts/wine-display.sh
export WINEDEBUG=-all

build=build/mingw-x64
part=$(basename "$0" .sh)
out="$PWD/build/wine-dialog/$part"
shots="$out/screenshots"

if [ ! -f "$build/build.ninja" ]; then cmake --preset mingw-x64 >/dev/null; fi
cmake --build --preset mingw-x64 -j2 --target rv17 rv17-hatch print_layout >/dev/null
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
# finish: the script's verdict, after its checks.
finish() {
  echo "screenshots: $shots"
  if [ "$failures" -gt 0 ]; then
    echo "$part: $failures check(s) failed"
    exit 1
  fi
  echo "$part: all checks passed"
}

PROGRAM_PID=""
MAIN=""
# Parts that leave more behind (a locked folder) add to this.
extra_cleanup() { :; }
cleanup() {
  [ -n "${PROGRAM_PID:-}" ] && kill "$PROGRAM_PID" 2>/dev/null || true
  extra_cleanup || true
  timeout 30 wineserver -k 2>/dev/null || true
  stop_display
}

# begin: a fresh output folder, display and prefix, and the reference inputs:
# the bundled example (header values, indicated points, texts, lines and
# solids of every kind) and a selection of lines only.
begin() {
  rm -rf "$out"
  mkdir -p "$shots"
  start_display
  trap cleanup EXIT
  new_prefix "$out/prefix"
  reference="$out/reference"
  mkdir -p "$reference"
  cp examples/JWC_TEMP.TXT "$reference/solids.txt"
  printf '%s\r\n' 'hq' 'lg0' 'ly0' 'lc1' 'lt1' '0 0 100 100' '100 0 0 100' >"$reference/lines.txt"
  cp "$hatch" "$reference/rv17-hatch.exe"
}

# program_folder NAME [EXCHANGE_FILE]: a new folder NAME holding rv17.exe and
# the host's file (the bundled example unless given); it becomes the program's folder.
program_folder() {
  folder="$out/$1"
  mkdir -p "$folder"
  cp "$exe" "$folder/rv17.exe"
  cp "${2:-$reference/solids.txt}" "$folder/JWC_TEMP.TXT"
}

# reference_output OUTPUT OPTIONS...: what rv17-hatch.exe writes for the
# bundled example (or for the file named by INPUT=) with OPTIONS.
reference_output() {
  local output=$1
  shift
  (cd "$reference" && timeout 120 wine rv17-hatch.exe "$@" -o "$output" "${INPUT:-solids.txt}") >>"$out/hatch.log"
}

# layout DPI KEY: the values print_layout gives for KEY at DPI: "WIDTH HEIGHT
# LEFT TOP" for a window (main, editor), "LEFT TOP WIDTH HEIGHT" in client
# pixels for a control (main.Memo1).
layout() {
  local file="$out/layout-$1.txt"
  if [ ! -s "$file" ]; then timeout 120 wine "$build/tests/ui/print_layout.exe" "$1" | tr -d '\r' >"$file"; fi
  awk -v key="$2" '$1 == key { $1 = ""; print substr($0, 2); found = 1 } END { exit !found }' "$file"
}

start_program() {
  (cd "$folder" && exec wine rv17.exe) 2>>"$out/program.log" &
  PROGRAM_PID=$!
  MAIN=$(timeout 60 xdotool search --sync --onlyvisible --name '^rv17_' | awk 'NR == 1')
  [ -n "$MAIN" ]
  xdotool windowfocus --sync "$MAIN"
}
program_ended() { ! kill -0 "$PROGRAM_PID" 2>/dev/null; }
program_running() { kill -0 "$PROGRAM_PID" 2>/dev/null; }
wait_for_end() {
  wait_until 60 program_ended
  wait "$PROGRAM_PID"
  PROGRAM_PID=""
}
press() { xdotool key --clearmodifiers "$@"; }

# set_display_dpi DPI: the display density of programs started from now on;
# the server reads it when it starts again.
set_display_dpi() {
  local key
  for key in 'HKCU\Control Panel\Desktop' 'HKCC\Software\Fonts'; do
    timeout 120 wine reg add "$key" /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  done
  timeout 120 wineserver -w
}

red_pixels() { convert "$1" txt:- | grep -c '#FF0000' || true; }
no_red_in() { [ "$(red_pixels "$1")" -eq 0 ]; }
settings_line() { sed -n "${1}p" "$folder/rv17.dat" | tr -d '\r'; }
line_is() { [ "$(settings_line "$1")" = "$2" ]; }
# settings_are FIRST LAST EXPECTED: lines FIRST to LAST, joined by commas.
settings_are() { [ "$(sed -n "$1,$2p" "$folder/rv17.dat" | tr -d '\r' | paste -sd,)" = "$3" ]; }
settings_written() { [ -s "$folder/rv17.dat" ]; }
equal_files() { cmp "$1" "$2"; }
starts_with_hd() { [ "$(head -1 "$1" | tr -d '\r')" = "hd" ]; }

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
# area in SHOT, pane closed. Its background is white, and neither its lowest
# rows nor its left margin hold a control, while the frame round it is grey:
# the lowest white pixel under the middle of the window is on its bottom row,
# the white run along that row is its width, and the run up the margin its height.
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
# size_is "WIDTH HEIGHT" "EXPECTED_WIDTH EXPECTED_HEIGHT" TOLERANCE
size_is() {
  local width height expected_width expected_height
  read -r width height <<<"$1"
  read -r expected_width expected_height _ <<<"$2"
  if [ $((width - expected_width)) -ge $((-$3)) ] && [ $((width - expected_width)) -le "$3" ] &&
    [ $((height - expected_height)) -ge $((-$3)) ] && [ $((height - expected_height)) -le "$3" ]; then return 0; fi
  echo "  measured ${width}x${height}, laid out ${expected_width}x${expected_height}"
  return 1
}
# measure_main SHOT: the main dialog's client area in SHOT into client_left,
# client_top, client_width and client_height, and its frame (what the outer
# size adds) into frame_width and frame_height. Both dialogs have the same
# fixed frame and caption.
measure_main() {
  local outer_width outer_height
  read -r client_left client_top client_width client_height < <(client_area "$MAIN" "$1")
  read -r outer_width outer_height < <(outer_size "$MAIN")
  frame_width=$((outer_width - client_width)) frame_height=$((outer_height - client_height))
}
# click_control DPI NAME: a click into the middle of the main dialog's control
# NAME; measure_main must have found the client area.
click_control() {
  local left top width height
  read -r left top width height < <(layout "$1" "main.$2")
  xdotool mousemove "$((client_left + left + width / 2))" "$((client_top + top + height / 2))" click 1
}
# crop_of DPI NAME [INSET]: the geometry of the main dialog's control NAME on
# the screen, INSET pixels in from each edge.
crop_of() {
  local left top width height inset=${3:-0}
  read -r left top width height < <(layout "$1" "main.$2")
  echo "$((width - 2 * inset))x$((height - 2 * inset))+$((client_left + left + inset))+$((client_top + top + inset))"
}
# regions_differ GEOMETRY A B: whether the region looks different in two screenshots.
regions_differ() { ! cmp -s <(convert "$2" -crop "$1" rgb:-) <(convert "$3" -crop "$1" rgb:-); }

# open_interval_editor DESCRIPTION SCREENSHOT: from the interval box, Tab to
# its edit button and press it; checks that the editor opens, takes its
# screenshot and reads its client size into editor_size.
open_interval_editor() {
  local outer_width outer_height
  press Tab space
  EDITOR=$(timeout 60 xdotool search --sync --onlyvisible --name '一覧編集' | awk 'NR == 1')
  check "$1" [ -n "$EDITOR" ]
  xdotool windowfocus --sync "$EDITOR" || true
  stable_screenshot "$2"
  read -r outer_width outer_height < <(outer_size "$EDITOR")
  editor_size="$((outer_width - frame_width)) $((outer_height - frame_height))"
}
editor_hidden() { [ -z "$(xdotool search --onlyvisible --name '一覧編集' 2>/dev/null)" ]; }

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
