#!/usr/bin/env bash
# rv17-hatch of the linux-release build under the limits a user's shell may
# set: too little address space for reading a drawing (ulimit -v), and a
# file-size limit below the output (ulimit -f). Each refused run must end with
# a message and its documented exit status, leave the target as it was and
# leave no temporary file. A sweep of 40 million mostly empty lines needs
# little memory and must succeed under the same limit.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/environment.sh"
source "$(dirname "${BASH_SOURCE[0]}")/release-programs.sh"
source "$(dirname "${BASH_SOURCE[0]}")/limit-checks.sh"
cd "$(dirname "$0")/.."

tool=build/linux-release/tools/rv17-hatch
generator=build/linux-release/bench/hatch_bench
require_built test-resource-limits "$tool" "$generator"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# limited KIND AMOUNT COMMAND...: COMMAND under ulimit -KIND AMOUNT.
limited() {
  local kind=$1 amount=$2
  shift 2
  (ulimit "-$kind" "$amount" && exec "$@")
}

"$generator" --write-drawing "$work/JWC_TEMP.TXT" 10000
expect_refusal "output past a 1 MiB file-size limit" 1 "File too large" "$work/JWC_TEMP.TXT" -- \
  limited f 1024 "$tool" --interval 0.5 --angle 30 "$work/JWC_TEMP.TXT" || failures=$((failures + 1))

write_long_line "$work/long.txt" 300
expect_refusal "a 300 MiB line in 500 MB of address space" 1 "Cannot allocate memory" \
  "$work/long.txt" -- limited v 500000 "$tool" "$work/long.txt" || failures=$((failures + 1))

write_far_pair "$work/far.txt"
expect_segments "a 40-million-line sweep in 1.5 GB of address space" 200 "$work/far.txt" -- \
  limited v 1500000 "$tool" --interval 0.01 "$work/far.txt" || failures=$((failures + 1))

[ "$failures" -eq 0 ] || { echo "test-resource-limits: $failures check(s) failed" >&2; exit 1; }
echo "test-resource-limits: every limited run ended as it should"
