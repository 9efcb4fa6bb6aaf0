#!/usr/bin/env bash
# The interval list's editor opened from its edit button: its client area is
# as laid out, a value added with its access key is kept when Enter closes
# it, and Cancel's access key then ends the run without a conversion.
source "$(dirname "${BASH_SOURCE[0]}")/library.sh"
begin
program_folder editor
start_program
stable_screenshot "$shots/main.png"
measure_main "$shots/main.png"
open_interval_editor "the editor opens" "$shots/editor.png"
check "at 96 dpi the editor's client area is as laid out" size_is "$editor_size" "$(layout 96 editor)" 0
press End shift+Home
xdotool type --delay 50 "7.5"
press alt+a
stable_screenshot "$shots/editor-added.png"
press Return
check "the editor closes with Enter" wait_until 30 editor_hidden
xdotool windowfocus --sync "$MAIN"
press alt+n
wait_for_end
check "the accepted list is stored" line_is 5 "0.3,0.5,1,1.5,2,2.5,3,4,5,10,7.5"
check "Cancel by its access key leaves the exchange file alone" equal_files "$reference/solids.txt" "$folder/JWC_TEMP.TXT"
finish
