#!/usr/bin/env bash
# The preview picture of the bundled example, end to end: rv17-hatch of the
# linux-release build converts a copy of examples/JWC_TEMP.TXT with --svg, the
# picture must be well-formed XML, hold as many hatch segments as its caption
# and the tool's summary state, and render with rsvg-convert to a PNG of plausible size.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/environment.sh"
source "$(dirname "${BASH_SOURCE[0]}")/release-programs.sh"
cd "$(dirname "$0")/.."

tool=build/linux-release/tools/rv17-hatch
require_built test-preview "$tool"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp examples/JWC_TEMP.TXT "$work/JWC_TEMP.TXT"

"$tool" --svg "$work/preview.svg" "$work/JWC_TEMP.TXT" >"$work/tool.out"
xmllint --noout "$work/preview.svg"

# The tool's count and the caption's against the segments drawn (one "M" per
# segment in the hatch paths).
written=$(grep -o '[0-9]* hatch segments written' "$work/tool.out" | grep -o '^[0-9]*')
stated=$(grep -o '[0-9]* hatch segments<' "$work/preview.svg" | grep -o '^[0-9]*')
drawn=$(grep -o '<path class="hatch"[^>]*' "$work/preview.svg" | grep -o 'M' | wc -l)
if [ -z "$written" ] || [ "$written" -eq 0 ] || [ "$stated" != "$written" ] || [ "$drawn" -ne "$written" ]; then
  echo "test-preview: the tool wrote '${written}' hatch segments, the caption states '${stated}'," \
       "the picture draws $drawn" >&2
  exit 1
fi

rsvg-convert "$work/preview.svg" -o "$work/preview.png"
read -r width height colours < <(identify -format '%w %h %k\n' "$work/preview.png")
# Two panels of at most 760 pixels side by side with margins, captions below;
# a picture of only a few colours would mean the figures were not drawn.
if [ "$width" -lt 1000 ] || [ "$width" -gt 1700 ] || [ "$height" -lt 300 ] || [ "$height" -gt 900 ] ||
   [ "$colours" -lt 16 ]; then
  echo "test-preview: implausible PNG: ${width}x${height} pixels, $colours colours" >&2
  exit 1
fi
echo "test-preview: $stated hatch segments drawn; PNG ${width}x${height} pixels, $colours colours"
