#!/usr/bin/env bash
# OK with the defaults and no settings file yet, from a folder whose name has
# a blank and Japanese characters: the client area is as laid out, a click
# gives the notes panel the focus and Enter there still presses OK, which
# writes what rv17-hatch writes and stores where the dialog stood.
source "$(dirname "${BASH_SOURCE[0]}")/library.sh"
begin
program_folder "作業 フォルダ（ハッチ）"
start_program
stable_screenshot "$shots/main-defaults.png"
check "no red status at start" no_red_in "$shots/main-defaults.png"
measure_main "$shots/main-defaults.png"
check "at 96 dpi the main dialog's client area is as laid out" \
  size_is "$client_width $client_height" "$(layout 96 main)" 0
# The panel shows its last lines after Ctrl+End only if the click gave it the focus.
click_control 96 Memo1
press ctrl+End
stable_screenshot "$shots/main-notes-end.png"
check "a click gives the notes panel the focus" \
  regions_differ "$(crop_of 96 Memo1)" "$shots/main-defaults.png" "$shots/main-notes-end.png"
press Return
wait_for_end
read -r _ _ left top < <(layout 96 main)
check "the position stored is where the dialog stood" settings_are 1 2 "$left,$top"
reference_output default.txt
check "OK with the defaults writes what rv17-hatch writes" equal_files "$reference/default.txt" "$folder/JWC_TEMP.TXT"
check "the written exchange file starts with hd" starts_with_hd "$folder/JWC_TEMP.TXT"
finish
