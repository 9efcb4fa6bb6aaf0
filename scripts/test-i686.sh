#!/usr/bin/env bash
# The 32-bit x86 build of rv17-hatch and of the core's tests, for Linux with
# the floating-point options of the x86 Windows build, run under qemu-i386
# (no 32-bit kernel needed). The core's tests must pass; rv17-hatch must
# write the same bytes as the x64 build for every golden drawing and for the
# 10,000-solid workload; in a 2 GB address space a line longer than memory
# allows, or an output past a file-size limit, must be refused cleanly, and a
# sweep of 40 million mostly empty lines must succeed. docs/x86.md says what this covers.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/environment.sh"
source "$(dirname "${BASH_SOURCE[0]}")/release-programs.sh"
source "$(dirname "${BASH_SOURCE[0]}")/limit-checks.sh"
cd "$(dirname "$0")/.."

x64_tool=build/linux-release/tools/rv17-hatch
generator=build/linux-release/bench/hatch_bench
require_built test-i686 "$x64_tool" "$generator"

cmake --preset linux-i686 >/dev/null
cmake --build --preset linux-i686
ctest --preset linux-i686

qemu=$(command -v qemu-i386)
tool=build/linux-i686/tools/rv17-hatch
header=$(readelf -h "$tool")
if [[ "$header" != *"ELF32"* || "$header" != *"Intel 80386"* ]] || readelf -l "$tool" | grep -q INTERP; then
  echo "test-i686: $tool is not a static 32-bit x86 program" >&2
  exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# same_bytes NAME DRAWING OPTIONS...: both builds convert DRAWING alike.
same_bytes() {
  local name=$1 drawing=$2
  shift 2
  "$x64_tool" "$@" -o "$work/x64.txt" "$drawing" >/dev/null
  "$qemu" "$tool" "$@" -o "$work/i686.txt" "$drawing" >/dev/null
  if cmp -s "$work/x64.txt" "$work/i686.txt"; then
    compared=$((compared + 1))
  else
    echo "FAIL: $name: the 32-bit build wrote other bytes than the 64-bit build"
    failures=$((failures + 1))
  fi
}

compared=0
for drawing in tests/data/hatch/*.txt examples/JWC_TEMP.TXT; do
  same_bytes "${drawing##*/}" "$drawing" --interval 1
  same_bytes "${drawing##*/} at 0.3 and 30 degrees" "$drawing" --interval 0.3 --angle 30
done
"$generator" --write-drawing "$work/drawing-10000.txt" 10000
same_bytes "10,000 solids" "$work/drawing-10000.txt" --interval 0.5 --angle 30
echo "test-i686: $compared conversions gave the same bytes on both builds"

# The limits, in the 2 GB of address space a 32-bit Windows process has.
in_2gb() { "$qemu" -R 2G "$@"; }

write_long_line "$work/long.txt" 1100
expect_refusal "a 1100 MiB line in 2 GB" 1 "Cannot allocate memory" "$work/long.txt" -- \
  in_2gb "$tool" "$work/long.txt" || failures=$((failures + 1))
rm -f "$work/long.txt"

write_far_pair "$work/far.txt"
expect_segments "a 40-million-line sweep in 2 GB" 200 "$work/far.txt" -- \
  in_2gb "$tool" --interval 0.01 "$work/far.txt" || failures=$((failures + 1))

cp "$work/drawing-10000.txt" "$work/JWC_TEMP.TXT"
expect_refusal "output past a 1 MiB file-size limit" 1 "File too large" "$work/JWC_TEMP.TXT" -- \
  bash -c 'ulimit -f 1024 && exec "$@"' limited "$qemu" "$tool" --interval 0.5 --angle 30 \
  "$work/JWC_TEMP.TXT" || failures=$((failures + 1))

[ "$failures" -eq 0 ] || { echo "test-i686: $failures check(s) failed" >&2; exit 1; }
echo "test-i686: the 32-bit build passed"
