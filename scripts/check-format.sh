#!/usr/bin/env bash
# Fails when a C++ file differs from what clang-format makes of it with the
# project's .clang-format; `clang-format -i FILE` mends one.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/environment.sh"
cd "$(dirname "$0")/.."

mapfile -t files < <(find geometry exchange hatch drawing ui app tools tests bench fuzz -name '*.h' -o -name '*.cpp' | sort)
if ! clang-format --dry-run -Werror "${files[@]}"; then
  echo "check-format: the files above differ from clang-format's layout"
  exit 1
fi
echo "check-format: ${#files[@]} files as clang-format lays them out"
