#!/usr/bin/env bash
# The preview pane at 96 dpi: Alt+P widens the dialog by the pane, the pane
# draws hatch that follows the typed interval, OK with the pane open writes
# what rv17-hatch writes, and the pane opens again at the next start.
source "$(dirname "${BASH_SOURCE[0]}")/library.sh"
begin
program_folder preview
# dark_pixels SHOT: the dark pixels (the hatch and the outlines; the fills are
# pale) inside the pane, 20 pixels in from its edges.
dark_pixels() {
  convert "$1" -crop "$(crop_of 96 PaintBox1 20)" +repage \
    -colorspace Gray -threshold 50% txt:- | awk '/#000000/ { n++ } END { print n + 0 }'
}
start_program
stable_screenshot "$shots/main.png"
measure_main "$shots/main.png"
read -r closed_width _ < <(outer_size "$MAIN")
read -r _ _ pane_width _ < <(layout 96 main.PaintBox1)
pane_shown() {
  local width
  read -r width _ < <(outer_size "$MAIN")
  [ "$width" -eq $((closed_width + pane_width)) ]
}
press alt+p
check "Alt+P widens the dialog by the pane's ${pane_width} pixels" wait_until 30 pane_shown
# Tab from the preview button, last in the tab order, wraps to the interval
# box with its text selected; typing replaces it and the pane follows. The
# example is at 1/10 in real-size coordinates: 0.1 on paper is 1 on the drawing.
press Tab
xdotool type --delay 50 "0.1"
sleep 1
stable_screenshot "$shots/preview-interval-0.1.png"
dark_1=$(dark_pixels "$shots/preview-interval-0.1.png")
check "the pane shows hatch lines (${dark_1} dark pixels)" [ "$dark_1" -gt 3000 ]
press End shift+Home
xdotool type --delay 50 "0.5"
sleep 1
stable_screenshot "$shots/preview-interval-0.5.png"
dark_5=$(dark_pixels "$shots/preview-interval-0.5.png")
check "interval 0.5 thins the hatch (${dark_1} to ${dark_5} dark pixels)" [ $((dark_5 * 100)) -lt $((dark_1 * 60)) ]
press Return
wait_for_end
reference_output preview.txt --interval 0.5
check "OK with the pane open writes what rv17-hatch writes" equal_files "$reference/preview.txt" "$folder/JWC_TEMP.TXT"
start_program
check "the pane opens again at the next start" wait_until 30 pane_shown
press Escape
wait_for_end
finish
