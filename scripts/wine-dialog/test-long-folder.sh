#!/usr/bin/env bash
# The program in a folder whose Windows path is longer than 260 characters
# still finds its files: Escape writes the settings file beside it.
source "$(dirname "${BASH_SOURCE[0]}")/library.sh"
begin
long="long"
for level in $(seq 1 12); do long="$long/長いフォルダ名の階層 $level ハッチ線変換テスト"; done
program_folder "$long" "$reference/lines.txt"
# Under Wine the folder is Z: followed by its Linux path, in characters.
check "the Windows path of the program is longer than 260 characters" [ $((2 + ${#folder} + 9)) -gt 260 ]
start_program
press Escape
wait_for_end
check "the settings file is written beside the program in the long folder" settings_written
finish
