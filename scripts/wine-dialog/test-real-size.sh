#!/usr/bin/env bash
# The 実寸 box on a drawing at 1/100: ticked with its access key it changes
# the interval's label, OK then writes what rv17-hatch --real-size writes,
# and the next start shows the box ticked and the label changed.
source "$(dirname "${BASH_SOURCE[0]}")/library.sh"
begin
# A 3.6 m room at 1/100 in paper millimetres, as the launchers have the host
# write it: 100 real-size millimetres are 1 on paper.
printf '%s\r\n' hq bz 'hs  100  100  100  100  100  100  100  100  100  100  100  100  100  100  100  100' \
  lg0 ly0 lc2 lt1 lw0 'lc10  8421504' 'sl  0  0  36  0  36  36  0  36' >"$reference/real-size.txt"
program_folder "real size" "$reference/real-size.txt"
# label_and_box SHOT: digests of the pixels of the interval's label and of the
# 実寸 box's square: as wide as the box is high less 2 pixels, which leaves out
# the caption round which the focus is drawn.
label_and_box() {
  local left top width height
  measure_main "$1"
  convert "$1" -crop "$(crop_of 96 Label2)" +repage rgb:- | md5sum
  read -r left top width height < <(layout 96 main.CheckBox3)
  convert "$1" -crop "$((height - 2))x${height}+$((client_left + left))+$((client_top + top))" +repage rgb:- | md5sum
}
start_program
stable_screenshot "$shots/paper.png"
press alt+j
sleep 1
stable_screenshot "$shots/real-size.png"
check "ticking 実寸 changes the interval's label" \
  [ "$(label_and_box "$shots/paper.png" | head -1)" != "$(label_and_box "$shots/real-size.png" | head -1)" ]
# From the box, Shift+Tab twice goes back over the edit button to the interval.
press shift+Tab shift+Tab End shift+Home
xdotool type --delay 50 "100"
press Return
wait_for_end
INPUT=real-size.txt reference_output real-size.expected --real-size --interval 100
check "OK with 実寸 100 writes what rv17-hatch --real-size writes" equal_files "$reference/real-size.expected" "$folder/JWC_TEMP.TXT"
cp "$reference/real-size.txt" "$folder/JWC_TEMP.TXT"
start_program
stable_screenshot "$shots/real-size-again.png"
check "at the next start the box is ticked and the label says 実寸" \
  [ "$(label_and_box "$shots/real-size.png")" = "$(label_and_box "$shots/real-size-again.png")" ]
press Escape
wait_for_end
finish
