#!/usr/bin/env bash
# Both dialogs on a display of 144 dpi (150 %): client areas as laid out at
# that density, the text half as high again as at 96 dpi, and the position
# stored in screen pixels.
source "$(dirname "${BASH_SOURCE[0]}")/library.sh"
begin

# text_height SHOT DPI: the height of the dark pixels (the text) in the part
# of the client area left of the interval box and above the second row, which
# holds only the interval's label.
text_height() {
  local box_left row_top
  read -r box_left _ < <(layout "$2" main.ComboBox1)
  read -r _ row_top _ < <(layout "$2" main.Label1)
  convert "$1" -crop "${box_left}x${row_top}+${client_left}+${client_top}" +repage \
    -colorspace Gray -threshold 50% txt:- |
    awk -F'[,:]' 'NR > 1 && /#000000/ { y = $2 + 0; if (first == "") first = y; last = y }
      END { print (first == "" ? 0 : last - first + 1) }'
}

program_folder "96 dpi"
start_program
stable_screenshot "$shots/main-96dpi.png"
measure_main "$shots/main-96dpi.png"
text_height_96=$(text_height "$shots/main-96dpi.png" 96)
press Escape
wait_for_end

set_display_dpi 144
program_folder "144 dpi"
start_program
stable_screenshot "$shots/main-144dpi.png"
measure_main "$shots/main-144dpi.png"
check "at 144 dpi the main dialog's client area is as laid out" \
  size_is "$client_width $client_height" "$(layout 144 main)" 1
text_height_144=$(text_height "$shots/main-144dpi.png" 144)
echo "  text row: ${text_height_96} pixels high at 96 dpi, ${text_height_144} at 144 dpi"
check "at 144 dpi the text is half as high again as at 96 dpi" \
  [ $((text_height_144 * 100)) -ge $((text_height_96 * 130)) -a $((text_height_144 * 100)) -le $((text_height_96 * 170)) ]
open_interval_editor "the editor opens at 144 dpi" "$shots/editor-144dpi.png"
check "at 144 dpi the editor's client area is as laid out" size_is "$editor_size" "$(layout 144 editor)" 1
press Escape
check "the editor closes with Escape" wait_until 30 editor_hidden
xdotool windowfocus --sync "$MAIN"
press Escape
wait_for_end
read -r _ _ left top < <(layout 144 main)
check "the position is stored in screen pixels at 144 dpi too" settings_are 1 2 "$left,$top"
finish
