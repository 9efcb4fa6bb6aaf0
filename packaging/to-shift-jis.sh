#!/usr/bin/env bash
# Turns a UTF-8 text of the distribution into Shift-JIS (code page 932) with
# CR LF line ends, filling in the version: SOURCE OUTPUT VERSION.
set -euo pipefail
source="$1" output="$2" version="$3"
sed "s/@RV17_VERSION@/$version/g" "$source" | iconv -f UTF-8 -t CP932 | LC_ALL=C sed 's/$/\r/' > "$output.tmp"
mv "$output.tmp" "$output"
