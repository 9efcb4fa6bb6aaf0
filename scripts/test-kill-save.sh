#!/usr/bin/env bash
# A kill never leaves a broken exchange file: rv17-hatch of the linux-release
# build converts a generated drawing in place (about 50 MB of output) and is
# killed with SIGKILL at 200 moments spread over its whole run. After every
# kill the file must be byte for byte the drawing or the complete output. A
# killed run may leave its temporary file beside the target; it must carry the
# ".tmp" name that the host never opens, and nothing else may appear. Each run
# removes at its start the files that ended runs left, so at most one run's
# files are ever there (the last killed run that got as far as writing), and a
# run to the end leaves none.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/environment.sh"
source "$(dirname "${BASH_SOURCE[0]}")/release-programs.sh"
cd "$(dirname "$0")/.."

tool=build/linux-release/tools/rv17-hatch
generator=build/linux-release/bench/hatch_bench
require_built test-kill-save "$tool" "$generator"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
target="$work/JWC_TEMP.TXT"
options=(--interval 0.5 --angle 30)

"$generator" --write-drawing "$work/drawing.txt" 30000
"$tool" "${options[@]}" -o "$work/expected.txt" "$work/drawing.txt" >/dev/null

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# The length of one whole run in place, the span over which the kills are spread.
cp "$work/drawing.txt" "$target"
started=$(now_ms)
"$tool" "${options[@]}" "$target" >/dev/null
run_ms=$(($(now_ms) - started))
cmp -s "$target" "$work/expected.txt" ||
  { echo "test-kill-save: a run in place did not write the expected output" >&2; exit 1; }
cp "$work/drawing.txt" "$target"

RANDOM=1517  # the same moments, relative to the run's length, every time
kills=200 unchanged=0 complete=0 strays=0 owner=""
for ((i = 1; i <= kills; i++)); do
  delay_ms=$((RANDOM * (run_ms + run_ms / 10) / 32768))
  "$tool" "${options[@]}" "$target" >/dev/null 2>&1 &
  pid=$!
  sleep "$((delay_ms / 1000)).$(printf '%03d' $((delay_ms % 1000)))"
  kill -KILL "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true

  if cmp -s "$target" "$work/drawing.txt"; then
    unchanged=$((unchanged + 1))
  elif cmp -s "$target" "$work/expected.txt"; then
    complete=$((complete + 1))
    cp "$work/drawing.txt" "$target"
  else
    echo "test-kill-save: after kill $i at ${delay_ms} ms the file is neither the drawing" \
         "nor the complete output ($(wc -c <"$target") bytes)" >&2
    exit 1
  fi
  owners=()
  for file in "$work"/*; do
    name=${file##*/}
    case "$name" in
      JWC_TEMP.TXT | drawing.txt | expected.txt) ;;
      JWC_TEMP.TXT.tmp*-*)
        stray_pid=${name#JWC_TEMP.TXT.tmp}
        owners+=("${stray_pid%%-*}") ;;
      *) echo "test-kill-save: unexpected file $name after kill $i" >&2; exit 1 ;;
    esac
  done
  for stray_pid in "${owners[@]}"; do
    if [ "$stray_pid" != "$pid" ] && [ "$stray_pid" != "$owner" ]; then
      echo "test-kill-save: after kill $i a temporary file of run $stray_pid is left" \
           "(killed run $pid, last run that left one $owner)" >&2
      exit 1
    fi
    if [ "$stray_pid" = "$pid" ] && [ "$pid" != "$owner" ]; then strays=$((strays + 1)); fi
    if [ "$stray_pid" != "${owners[0]}" ]; then
      echo "test-kill-save: after kill $i temporary files of two runs are left" >&2
      exit 1
    fi
  done
  [ ${#owners[@]} -eq 0 ] || owner=${owners[0]}
done

# A run to the end removes what the killed runs left.
"$tool" "${options[@]}" "$target" >/dev/null
for file in "$work"/JWC_TEMP.TXT.tmp*; do
  [ ! -e "$file" ] || { echo "test-kill-save: ${file##*/} is left after a whole run" >&2; exit 1; }
done

echo "test-kill-save: $kills kills over a ${run_ms} ms run ($(wc -c <"$work/expected.txt") bytes):" \
     "$unchanged left the drawing, $complete the complete output, $strays left a temporary file," \
     "removed by the next run that got as far"
