# Sourced by the tests that run rv17-hatch against the limits of memory and
# file size: drawings that need too much, and the check that a refused run
# said why, exited with its status and left the target exactly as it was.

# write_far_pair FILE: two small triangles 400,000 apart, whose sweep at an
# interval of 0.01 passes 40 million lines, of which 200 meet a triangle.
write_far_pair() {
  printf 'sl 0 0 1 0 0 1\r\nsl 400000 400000 400001 400000 400000 400001\r\n' >"$1"
}

# write_long_line FILE MIB: a few solids, then one line of MIB mebibytes of
# text, then more solids; reading it needs a buffer as long as that line.
write_long_line() {
  {
    printf 'sl 0 0 10 0 5 8\r\n%.0s' $(seq 100)
    head -c "$(($2 * 1048576))" /dev/zero | tr '\0' 'x'
    printf '\r\n'
    printf 'sl 20 0 30 0 30 10\r\n%.0s' $(seq 100)
  } >"$1"
}

# expect_refusal NAME STATUS MESSAGE TARGET -- COMMAND...: COMMAND must exit
# with STATUS, say MESSAGE on standard error, leave TARGET byte for byte as it
# was, and leave no temporary file beside it.
expect_refusal() {
  local name=$1 status=$2 message=$3 target=$4
  shift 5
  local before="$target.before" got=0
  cp "$target" "$before"
  "$@" >/dev/null 2>"$target.said" || got=$?
  local said
  said=$(cat "$target.said")
  rm -f "$target.said"
  local failed=""
  [ "$got" -eq "$status" ] || failed="exit status $got, not $status"
  [ -n "$failed" ] || [[ "$said" == *"$message"* ]] || failed="no \"$message\" in: $said"
  [ -n "$failed" ] || cmp -s "$target" "$before" || failed="the target was changed"
  if [ -z "$failed" ]; then
    for stray in "$target".tmp*; do
      [ ! -e "$stray" ] || failed="${stray##*/} was left"
    done
  fi
  rm -f "$before"
  if [ -n "$failed" ]; then
    echo "FAIL: $name: $failed"
    return 1
  fi
  echo "PASS: $name (status $got: ${said##*: })"
}

# expect_segments NAME COUNT TARGET -- COMMAND...: COMMAND must succeed, write
# COUNT hatch segments (lines of four numbers) into TARGET, and leave no
# temporary file beside it.
expect_segments() {
  local name=$1 count=$2 target=$3
  shift 4
  local got=0 failed=""
  "$@" >/dev/null 2>"$target.said" || got=$?
  [ "$got" -eq 0 ] || failed="exit status $got: $(cat "$target.said")"
  rm -f "$target.said"
  local written
  written=$(awk 'NF == 4' "$target" | wc -l)
  [ -n "$failed" ] || [ "$written" -eq "$count" ] || failed="$written segments, not $count"
  if [ -z "$failed" ]; then
    for stray in "$target".tmp*; do
      [ ! -e "$stray" ] || failed="${stray##*/} was left"
    done
  fi
  if [ -n "$failed" ]; then
    echo "FAIL: $name: $failed"
    return 1
  fi
  echo "PASS: $name ($count segments)"
}
