#!/usr/bin/env bash
# End-to-end tests of the real rv17.exe under Wine in a virtual X display:
# runs every script of scripts/wine-dialog, each on its own display, prefix
# and folders, and reports each. One of them alone:
#   bash scripts/wine-dialog/test-preview-pane.sh
# The logs and screenshots of each are kept in build/wine-dialog/NAME.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/environment.sh"
cd "$(dirname "$0")/.."

passed=() failed=()
for script in scripts/wine-dialog/test-*.sh; do
  name=$(basename "$script" .sh)
  echo "== $name"
  if bash "$script"; then passed+=("$name"); else failed+=("$name"); fi
done
echo "wine dialog: ${#passed[@]} script(s) passed, ${#failed[@]} failed${failed:+: ${failed[*]}}"
[ "${#failed[@]}" -eq 0 ]
