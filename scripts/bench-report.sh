#!/usr/bin/env bash
# The speed figures of rv17-hatch, whole process, beside the Boost.Geometry
# yardstick doing the same job: drawings of 10,000 and 100,000 solids from
# bench/HatchDrawing.h hatched at 0.5 mm and 30 degrees. Prints medians of
# several runs (wall time, CPU time = user + system, peak resident memory)
# and the load average, since other work on the machine skews wall times;
# then the same drawings with --join and without, in turn.
#
#     bash scripts/bench-report.sh [RUNS]      (default 5; the yardstick runs 3 times)
#
# With --layouts, instead: peak memory and time of drawings whose layout
# decides the cost (bench/SweepLayouts.cpp), each converted once on 1, 2 and
# 8 threads: a million unit squares as a grid and in one row along the lines,
# a million triangles stacked on a million circles, and two small triangles
# 400,000 mm apart at 0.01 mm. The row must stay within twice the grid.
#
#     bash scripts/bench-report.sh --layouts [COUNT]   (default 1000000 solids)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/environment.sh"
source "$(dirname "${BASH_SOURCE[0]}")/release-programs.sh"
cd "$(dirname "$0")/.."

build=build/linux-release
[ -x /usr/bin/time ] || { echo "bench-report: /usr/bin/time is missing (package time)" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if [ "${1:-}" = --layouts ]; then
  count=${2:-1000000}
  layouts=$build/bench/sweep_layouts
  [ -x "$layouts" ] || { echo "bench-report: $layouts is missing" >&2; exit 1; }
  printf '%-8s %8s %9s %7s %9s %8s %9s %10s\n' layout solids interval threads segments "wall s" "CPU s" "peak MiB"
  for layout_case in "grid $count 0.3" "row $count 0.3" "stacked $count 0.3" "far 400000 0.01"; do
    read -r layout solids interval <<<"$layout_case"
    "$layouts" write "$layout" "$solids" "$work/$layout.txt"
    for threads in 1 2 8; do
      /usr/bin/time -f '%e %U %S %M' -o "$work/time" \
        "$layouts" convert "$work/$layout.txt" "$interval" 0 "$threads" >"$work/said"
      rm -f "$work/$layout.txt.out"
      read -r wall user system rss <"$work/time"
      segments=$(grep -o '^[0-9]*' "$work/said")
      awk -v l="$layout" -v s="$solids" -v i="$interval" -v t="$threads" -v n="$segments" \
        -v w="$wall" -v u="$user" -v y="$system" -v r="$rss" \
        'BEGIN { printf "%-8s %8d %9s %7d %9d %8.2f %9.2f %10.1f\n", l, s, i, t, n, w, u + y, r / 1024 }'
    done
  done
  echo "(stacked: $count triangles and $count circles; far: the two triangles only)"
  echo "load average: $(cut -d' ' -f1-3 /proc/loadavg); $(nproc) cores"
  exit 0
fi

runs=${1:-5}
tool=$build/tools/rv17-hatch
generator=$build/bench/hatch_bench
yardstick=$build/bench/boost_scanline
require_built bench-report "$tool" "$generator" "$yardstick"

# Runs a command `count` times, each after `prepare` (untimed); prints the
# medians "wall cpu kilobytes".
measure() {
  local count=$1 prepare=$2
  shift 2
  local i
  for ((i = 0; i < count; i++)); do
    eval "$prepare"
    /usr/bin/time -f '%e %U %S %M' -o "$work/time" "$@" >"$work/said"
    cat "$work/time"
  done | awk '{ wall[NR] = $1; cpu[NR] = $2 + $3; rss[NR] = $4 }
    function median(a, n,   i, j, t) {
      for (i = 2; i <= n; i++) for (j = i; j > 1 && a[j - 1] > a[j]; j--) { t = a[j]; a[j] = a[j - 1]; a[j - 1] = t }
      return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
    }
    END { printf "%.3f %.3f %d\n", median(wall, NR), median(cpu, NR), median(rss, NR) }'
}

printf '%-14s %9s %10s %9s %9s %8s %10s %10s %8s\n' drawing segments "wall s" "CPU s" "peak MiB" "B/seg" \
  "boost wall" "boost CPU" "CPU x"
for solids in 10000 100000; do
  drawing="$work/drawing-$solids.txt"
  "$generator" --write-drawing "$drawing" "$solids"
  # Converted in place, as the host's file is: each run replaces a fresh copy.
  read -r wall cpu rss < <(measure "$runs" 'cp "$drawing" "$work/JWC_TEMP.TXT"' \
    "$tool" --interval 0.5 --angle 30 "$work/JWC_TEMP.TXT")
  segments=$(grep -o '[0-9]* hatch segments' "$work/said" | grep -o '^[0-9]*')
  read -r bwall bcpu _ < <(measure 3 'rm -f "$work/boost.txt"' "$yardstick" "$drawing" "$work/boost.txt" 0.5 30)
  awk -v s="$solids" -v n="$segments" -v w="$wall" -v c="$cpu" -v r="$rss" -v bw="$bwall" -v bc="$bcpu" \
    'BEGIN { printf "%-14s %9d %10.3f %9.3f %9.1f %8.1f %10.3f %10.3f %8.1f\n",
             s " solids", n, w, c, r / 1024, r * 1024 / n, bw, bc, bc / c }'
done

# The same drawings with --join beside without, run in turn so that other work
# on the machine falls on both alike; "x" is joined over plain, in wall time.
printf '\n%-14s %9s %9s %10s %10s %9s %9s %6s %9s\n' drawing segments joined "wall s" "join wall" \
  "CPU s" "join CPU" "x" "join MiB"
for solids in 10000 100000; do
  drawing="$work/drawing-$solids.txt"
  for ((i = 0; i < runs; i++)); do
    for option in plain join; do
      flags=()
      [ "$option" = join ] && flags=(--join)
      cp "$drawing" "$work/JWC_TEMP.TXT"
      /usr/bin/time -f "$option %e %U %S %M" -o "$work/time" \
        "$tool" "${flags[@]}" --interval 0.5 --angle 30 "$work/JWC_TEMP.TXT" >"$work/said-$option"
      cat "$work/time"
    done
  done >"$work/turns"
  awk -v s="$solids" \
    -v n="$(grep -o '[0-9]* hatch segments' "$work/said-plain" | grep -o '^[0-9]*')" \
    -v j="$(grep -o '[0-9]* hatch segments' "$work/said-join" | grep -o '^[0-9]*')" '
    { k = ($1 == "join"); c[k]++; wall[k, c[k]] = $2; cpu[k, c[k]] = $3 + $4; rss[k, c[k]] = $5 }
    function median(a, k, n,   i, v, t, m) {
      for (i = 1; i <= n; i++) v[i] = a[k, i]
      for (i = 2; i <= n; i++) for (m = i; m > 1 && v[m - 1] > v[m]; m--) { t = v[m]; v[m] = v[m - 1]; v[m - 1] = t }
      return n % 2 ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
    }
    END {
      w0 = median(wall, 0, c[0]); w1 = median(wall, 1, c[1])
      printf "%-14s %9d %9d %10.3f %10.3f %9.3f %9.3f %6.2f %9.1f\n", s " solids", n, j, w0, w1,
        median(cpu, 0, c[0]), median(cpu, 1, c[1]), w1 / w0, median(rss, 1, c[1]) / 1024
    }' "$work/turns"
done
echo "targets: 10,000 solids <= 0.060 s CPU; 100,000 solids <= 0.6 s wall and <= 30 B/seg; CPU x >= 5;"
echo "  with --join at most 1.1 times the wall time"
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg); $(nproc) cores; rv17-hatch medians of $runs runs, boost of 3"
