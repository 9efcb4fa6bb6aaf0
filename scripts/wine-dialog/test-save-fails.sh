#!/usr/bin/env bash
# OK in a folder where no file can be made: a message box tells that
# JWC_TEMP.TXT could not be written, a second one that the settings could not
# be saved, the program ends, and the host's file stays as it was.
source "$(dirname "${BASH_SOURCE[0]}")/library.sh"
# A folder that an interrupted run left locked is unlocked first.
chattr -i "$out/locked" 2>/dev/null || true
umount "$out/locked" 2>/dev/null || true
begin

# Both saves fail when the folder is made immutable, or else is a small tmpfs
# filled up. Tests run as root, which ignores permission bits, and Wine
# replaces a read-only file, so neither of those makes a save fail.
locked=""  # how the folder is locked: immutable, full, or not at all
lock_folder() {
  if chattr +i "$folder" 2>/dev/null; then
    locked=immutable
  elif mount -t tmpfs -o size=32m tmpfs "$folder" 2>/dev/null; then
    locked=full
    cp "$exe" "$folder/rv17.exe"
    cp "$reference/solids.txt" "$folder/JWC_TEMP.TXT"
    dd if=/dev/zero of="$folder/filler" bs=64k 2>/dev/null || true
  fi
}
unlock_folder() {
  case "$locked" in
    immutable) chattr -i "$folder" ;;
    full) umount "$folder" ;;
  esac
  locked=""
}
extra_cleanup() { [ -z "$locked" ] || unlock_folder; }
# message_box EXCLUDED: a visible window titled as the main dialog that is
# neither the main dialog nor EXCLUDED, or nothing.
message_box() {
  { xdotool search --onlyvisible --name '^rv17_ソリッド→ハッチ線$' 2>/dev/null || true; } |
    awk -v main="$MAIN" -v excluded="${1:-}" '$0 != main && $0 != excluded { found = $0 } END { print found }'
}
box_shown() {
  BOX=$(message_box "${1:-}")
  [ -n "$BOX" ]
}
box_gone() { [ -z "$(message_box "$MAIN" | awk -v box="$1" '$0 == box')" ]; }
# close_box DESCRIPTION SCREENSHOT [EARLIER_BOX]: waits for the message box,
# keeps its screenshot and closes it with Enter.
close_box() {
  BOX=""
  if ! wait_until 60 box_shown "${3:-}"; then
    fail "$1"
    return
  fi
  pass "$1"
  xdotool windowfocus --sync "$BOX" || true
  stable_screenshot "$2"
  press Return
  check "Enter closes the message box" wait_until 30 box_gone "$BOX"
}

program_folder locked
lock_folder
if [ -z "$locked" ]; then
  echo "SKIP: no folder can be made unwritable here (chattr +i and mounting a tmpfs both failed)"
  finish
  exit 0
fi
echo "  the folder is locked: $locked"
files_before=$(ls -A "$folder" | wc -l)
start_program
press Return
close_box "a message box tells that JWC_TEMP.TXT could not be written" "$shots/save-failed.png"
first_box=$BOX
close_box "a second message box tells that the settings could not be saved" \
  "$shots/settings-save-failed.png" "$first_box"
wait_for_end
pass "the program ends after the messages"
check "the host's file is byte for byte as it was" equal_files "$reference/solids.txt" "$folder/JWC_TEMP.TXT"
check "no file is left behind in the folder" [ "$(ls -A "$folder" | wc -l)" -eq "$files_before" ]
unlock_folder
finish
