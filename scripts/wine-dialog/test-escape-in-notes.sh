#!/usr/bin/env bash
# Escape presses Cancel even while a click has given the notes panel the
# focus: the program ends and the host's file stays as it was.
source "$(dirname "${BASH_SOURCE[0]}")/library.sh"
begin
program_folder escape
start_program
stable_screenshot "$shots/main.png"
measure_main "$shots/main.png"
click_control 96 Memo1
press Escape
wait_for_end
check "Escape leaves the exchange file as it was" equal_files "$reference/solids.txt" "$folder/JWC_TEMP.TXT"
finish
