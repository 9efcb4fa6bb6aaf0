#!/usr/bin/env bash
# Values typed and chosen with the keyboard along the designed Tab order, then
# OK: the exchange file is what rv17-hatch writes for the same values.
source "$(dirname "${BASH_SOURCE[0]}")/library.sh"
begin
program_folder values
start_program
# The focus starts in the interval box with its text selected; Tab follows the
# designed order: interval, edit, 実寸, angle, edit, colour, line type, width,
# edit, the two check boxes.
xdotool type --delay 50 "2.5"
press Tab Tab Tab
xdotool type --delay 50 "30"
press Tab Tab Down Down Down Tab Tab Tab Tab space Tab space
stable_screenshot "$shots/main-values.png"
press Return
wait_for_end
reference_output values.txt --interval 2.5 --angle 30 --colour 3 --recolour-numbered --recolour-sxf
check "OK with typed values writes what rv17-hatch writes" equal_files "$reference/values.txt" "$folder/JWC_TEMP.TXT"
finish
