#!/usr/bin/env bash
# Runs every fuzz target of a build folder for a fixed number of runs, starting
# from its checked-in corpus.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/environment.sh"
build="$1"
runs="${RV17_FUZZ_RUNS:-20000}"
root="$(cd "$(dirname "$0")/.." && pwd)"
found=0
for fuzzer in "$build"/fuzz/*_fuzzer; do
  [ -x "$fuzzer" ] || continue
  found=1
  name="$(basename "$fuzzer")"
  corpus="$root/fuzz/corpus/${name%_fuzzer}"
  work="$(mktemp -d)"
  [ -d "$corpus" ] && cp -r "$corpus"/. "$work"/
  echo "$name: $runs runs"
  "$fuzzer" -runs="$runs" -seed=1 -max_len=4096 "$work" 2>&1 | tail -n 2
  rm -rf "$work"
done
[ "$found" -eq 1 ] || echo "no fuzz targets built"
