#!/usr/bin/env bash
# Runs every fuzz target of a build folder for a fixed number of runs, starting
# from its checked-in corpus. The targets that write files write them into a
# scratch folder, in memory when /dev/shm is there, so that flushing each file
# to disk does not set the pace.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/environment.sh"
build="$1"
root="$(cd "$(dirname "$0")/.." && pwd)"

# Runs per target, about 15 s each: a whole conversion with its save and
# read-back costs several times a run of the readers alone.
runs_of() {
  case "$1" in
    conversion_run) echo "${RV17_FUZZ_RUNS:-4000}" ;;
    *) echo "${RV17_FUZZ_RUNS:-20000}" ;;
  esac
}

scratch_parent=/tmp
if [ -d /dev/shm ] && [ -w /dev/shm ]; then scratch_parent=/dev/shm; fi

found=0
for fuzzer in "$build"/fuzz/*_fuzzer; do
  [ -x "$fuzzer" ] || continue
  found=1
  name="$(basename "$fuzzer")"
  name="${name%_fuzzer}"
  corpus="$root/fuzz/corpus/$name"
  runs="$(runs_of "$name")"
  work="$(mktemp -d)"
  scratch="$(mktemp -d "$scratch_parent/rv17-fuzz.XXXXXX")"
  [ -d "$corpus" ] && cp -r "$corpus"/. "$work"/
  echo "${name}_fuzzer: $runs runs"
  TMPDIR="$scratch" "$fuzzer" -runs="$runs" -seed=1 -max_len=4096 "$work" 2>&1 | tail -n 2
  rm -rf "$work" "$scratch"
done
[ "$found" -eq 1 ] || echo "no fuzz targets built"
