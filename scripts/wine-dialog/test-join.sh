#!/usr/bin/env bash
# The joining box ticked with its access key on two rooms that share a wall:
# OK writes what rv17-hatch --join writes.
source "$(dirname "${BASH_SOURCE[0]}")/library.sh"
begin
printf '%s\r\n' hq bz lg0 ly0 lc2 lt1 lw0 'sl  0  0  36  0  36  36  0  36' \
  'sl  36  0  72  0  72  36  36  36' >"$reference/join.txt"
program_folder join "$reference/join.txt"
start_program
press alt+t
stable_screenshot "$shots/join.png"
press Return
wait_for_end
INPUT=join.txt reference_output join.expected --join
check "OK with the box ticked writes what rv17-hatch --join writes" equal_files "$reference/join.expected" "$folder/JWC_TEMP.TXT"
finish
