#!/usr/bin/env bash
# The x86 and x64 Windows builds must compute alike: SSE2 arithmetic in double
# precision (no x87 registers with their wider intermediates) and no
# contraction into fused multiply-add. Each build's own compile command for a
# geometry file is asked, through the compiler's predefined macros, how it
# evaluates floating point; the contraction and fast-math settings are read
# from the same command.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/environment.sh"
cd "$(dirname "$0")/.."

for preset in mingw-x64 mingw-x86; do
  [ -f "build/$preset/build.ninja" ] || cmake --preset "$preset" >/dev/null
done

failures=0
check() {
  local description=$1
  shift
  if "$@"; then echo "PASS: $description"; else echo "FAIL: $description"; failures=$((failures + 1)); fi
}

# compile_command PRESET: the command that compiles geometry/Trigonometry.cpp, as words.
compile_command() {
  # awk reads to the end: a reader that stopped at the first match would end
  # ninja by SIGPIPE, and pipefail would fail the script.
  ninja -C "build/$1" -t commands geometry/all 2>/dev/null |
    awk '!found && / -c [^ ]*geometry\/Trigonometry\.cpp$/ { print; found = 1 }'
}

# float_macros PRESET: the compiler's floating-point macros under that command's
# options (output, dependency and source arguments left out).
float_macros() {
  local words=() kept=() skip=0 word
  read -r -a words <<<"$(compile_command "$1")"
  for word in "${words[@]:1}"; do
    if [ "$skip" -eq 1 ]; then skip=0; continue; fi
    case $word in
      -o | -c | -MT | -MF) skip=1 ;;
      -MD) ;;
      *) kept+=("$word") ;;
    esac
  done
  "${words[0]}" "${kept[@]}" -dM -E -x c++ /dev/null | grep -E '__FLT_EVAL_METHOD__ |__SSE2_MATH__|__FAST_MATH__' | sort
}

for preset in mingw-x64 mingw-x86; do
  command=$(compile_command "$preset")
  check "$preset compiles with a command we can read" [ -n "$command" ]
  macros=$(float_macros "$preset")
  check "$preset evaluates in the type's own precision (no x87)" grep -q '__FLT_EVAL_METHOD__ 0$' <<<"$macros"
  check "$preset does its double arithmetic in SSE2" grep -q '__SSE2_MATH__' <<<"$macros"
  check "$preset is not in fast-math" bash -c "! grep -q __FAST_MATH__ <<<'$macros'"
  check "$preset turns contraction off" grep -q -- ' -ffp-contract=off ' <<<"$command"
done
check "x86 and x64 agree on every floating-point macro" [ "$(float_macros mingw-x64)" = "$(float_macros mingw-x86)" ]

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "all checks passed"
