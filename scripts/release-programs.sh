# Sourced by the scripts that run programs of the linux-release build (the
# converter, the drawing generator, the benchmarks): a check that they were built.

# require_built SCRIPT PROGRAM...: ends SCRIPT with a message when a program is missing.
require_built() {
  local script=$1 program
  shift
  for program in "$@"; do
    if [ ! -x "$program" ]; then
      echo "$script: $program is missing; build the linux-release preset first" >&2
      exit 1
    fi
  done
}
