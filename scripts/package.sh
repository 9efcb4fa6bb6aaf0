#!/usr/bin/env bash
# Builds rv17.exe for x64 and x86 and makes the distribution zip with CPack:
# build/mingw-x64/package/rv17-<version>.zip holding the x64 program, the x64
# rv17-hatch.exe, the two launchers and the readme, and the x86 program with
# its launchers in x86/.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/environment.sh"
cd "$(dirname "$0")/.."

cmake --preset mingw-x86 >/dev/null
cmake --build --preset mingw-x86 -j2 --target rv17
x86="$PWD/build/mingw-x86/app/rv17.exe"
cmake --preset mingw-x64 -DRV17_X86_EXECUTABLE="$x86" >/dev/null
cmake --build --preset mingw-x64 -j2 --target rv17 rv17-hatch rv17_distribution_texts
rm -rf build/mingw-x64/package
(cd build/mingw-x64 && cpack -G ZIP >/dev/null)
ls build/mingw-x64/package/*.zip
