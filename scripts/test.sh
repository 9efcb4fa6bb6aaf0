#!/usr/bin/env bash
# Builds every configuration and runs every test: Linux (sanitizers), Windows
# x64 under Wine, the Windows x86 build, the fuzzers for a fixed number of runs,
# and, through the scripts/test-*.sh steps, the end-to-end test of the real
# dialog under Xvfb and the 32-bit x86 Linux build under qemu-i386.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/environment.sh"
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

export RV17_WERROR=ON
export WINEDEBUG=-all

# Each step's heading also tells how long the run has taken so far.
step() { printf '\n== %s (%d s so far) ==\n' "$*" "$SECONDS"; }

step "Code layout (clang-format) and include layers"
bash scripts/check-format.sh
bash scripts/check-layers.sh

step "Linux debug build (AddressSanitizer, UndefinedBehaviorSanitizer)"
cmake --preset linux-debug >/dev/null
cmake --build --preset linux-debug
ctest --preset linux-debug

step "Linux release build (tools, benchmarks)"
cmake --preset linux-release >/dev/null
cmake --build --preset linux-release
ctest --preset linux-release

step "Windows x64 build, tests under Wine"
cmake --preset mingw-x64 >/dev/null
cmake --build --preset mingw-x64
WINEPREFIX="$PWD/build/mingw-x64/wineprefix" wineboot -i >/dev/null 2>&1 || true
ctest --preset mingw-x64

step "Windows x86 build"
cmake --preset mingw-x86 >/dev/null
cmake --build --preset mingw-x86

step "Fuzzers (fixed number of runs)"
cmake --preset linux-fuzz >/dev/null
cmake --build --preset linux-fuzz
bash scripts/run-fuzzers.sh build/linux-fuzz

# The fuzz build compiles the code with clang; this checks that a plain clang
# configuration with tests works too and still turns contraction off.
step "Clang configuration with tests"
rm -rf build/clang-check
cmake -S . -B build/clang-check -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DRV17_BUILD_TESTS=ON >/dev/null
grep -q -- '-ffp-contract=off' build/clang-check/build.ninja ||
  { echo "clang configuration: no -ffp-contract=off in the compile commands" >&2; exit 1; }

for extra in scripts/test-*.sh; do
  [ -e "$extra" ] || continue
  step "$(basename "$extra")"
  bash "$extra"
done

step "all tests passed"
