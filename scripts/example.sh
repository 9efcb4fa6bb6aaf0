#!/usr/bin/env bash
# The main job on the bundled example drawing: builds rv17-hatch and converts
# a copy of examples/JWC_TEMP.TXT with the dialog's default values into
# build/example/JWC_TEMP.TXT, with a before/after picture beside it. The
# checked-in example is only read.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/environment.sh"
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

cmake --preset linux-release >/dev/null
cmake --build --preset linux-release --target rv17-hatch

mkdir -p build/example
result="build/example/JWC_TEMP.TXT"
cp examples/JWC_TEMP.TXT "$result"
picture="build/example/preview.svg"
summary="$(build/linux-release/tools/rv17-hatch --svg "$picture" "$result")"
echo "$summary"
echo "Converted drawing: $PWD/$result"
echo "Before/after picture: $PWD/$picture"
