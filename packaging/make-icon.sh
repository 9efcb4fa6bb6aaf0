#!/usr/bin/env bash
# Draws the program's icon, a triangle filled with hatch lines, at the usual
# icon sizes and joins them into rv17.ico. Each size is drawn on its own grid
# so the lines stay sharp at 16 pixels. Run again after changing the drawing.
set -euo pipefail
cd "$(dirname "$0")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

draw() {
  local size=$1
  local margin=$(( size / 16 ))
  local top="$(( size / 2 )),$margin"
  local right="$(( size - 1 - margin )),$(( size - 1 - margin ))"
  local left="$margin,$(( size - 1 - margin ))"
  local spacing=$(( size / 6 > 4 ? size / 6 : 4 ))
  local stroke=$(( size / 24 > 1 ? size / 24 : 1 ))
  local outline=$(( size / 20 > 1 ? size / 20 : 1 ))
  # The triangle's area, used as a mask for the hatch lines.
  convert -size "${size}x${size}" xc:none -fill '#e3f4fb' -stroke none \
    -draw "polygon $top $right $left" "$work/area.png"
  # Hatch lines at 45 degrees across the whole square.
  local lines=()
  for (( c = -size; c < size; c += spacing )); do
    lines+=(-draw "line $c,$size $(( c + size )),0")
  done
  convert -size "${size}x${size}" xc:none -stroke '#1f5fa8' -strokewidth "$stroke" "${lines[@]}" "$work/lines.png"
  convert "$work/lines.png" "$work/area.png" -compose DstIn -composite "$work/hatch.png"
  convert "$work/area.png" "$work/hatch.png" -compose Over -composite \
    -fill none -stroke '#10335c' -strokewidth "$outline" -draw "polygon $top $right $left" \
    "$work/icon-$size.png"
}

for size in 16 24 32 48 64 256; do draw "$size"; done
convert "$work"/icon-16.png "$work"/icon-24.png "$work"/icon-32.png "$work"/icon-48.png \
  "$work"/icon-64.png "$work"/icon-256.png rv17.ico
echo "wrote $(pwd)/rv17.ico"
