#!/usr/bin/env bash
# Fails when a part of the program includes a header of a part above it, or
# includes a header without naming its folder. From low to high: geometry,
# exchange, hatch, drawing (the figures a conversion draws), ui, then app and
# tools, which do not include each other.
# Tests, benchmarks and fuzz targets may include any part.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/environment.sh"
cd "$(dirname "$0")/.."

rank() {
  case $1 in
    geometry) echo 0 ;; exchange) echo 1 ;; hatch) echo 2 ;; drawing) echo 3 ;; ui) echo 4 ;; app | tools) echo 5 ;;
    *) echo -1 ;;
  esac
}

failures=0
while IFS= read -r file; do
  layer=${file%%/*}
  own=$(rank "$layer")
  while IFS=: read -r line target; do
    reached=${target%%/*}
    [ "$reached" != "$target" ] || reached=""
    other=$(rank "$reached")
    if [ "$other" -lt 0 ] || [ "$other" -gt "$own" ] || { [ "$other" -eq 5 ] && [ "$reached" != "$layer" ]; }; then
      echo "$file:$line: the $layer part may not include \"$target\""
      failures=$((failures + 1))
    fi
  done < <(awk -F'"' '/^#include "/ { print FNR ":" $2 }' "$file")
done < <(find geometry exchange hatch drawing ui app tools -name '*.h' -o -name '*.cpp' | sort)

if [ "$failures" -gt 0 ]; then
  echo "check-layers: $failures include(s) reach the wrong way"
  exit 1
fi
echo "check-layers: every include reaches its own part or one below"
