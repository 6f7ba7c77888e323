#!/bin/sh
# Fuzzes the core for a bounded time (default 30 s): builds the sanitize
# preset's fuzz target if needed, starts from the committed seeds and keeps
# what it learns in a scratch copy, so the committed corpus only changes by hand.
# Usage: scripts/run-fuzz.sh [seconds] [extra libFuzzer flags...]
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-30}
[ $# -gt 0 ] && shift

cd "$root"
if [ ! -f build/sanitize/build.ninja ]; then
  cmake --preset sanitize
fi
cmake --build --preset sanitize --target core_fuzz -j2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/corpus" build/fuzz-artifacts
cp tests/fuzz/corpus/* "$work/corpus/"

# A crash leaves its input in build/fuzz-artifacts/ and fails this script.
build/sanitize/tests/fuzz/core_fuzz \
  -max_total_time="$seconds" \
  -artifact_prefix=build/fuzz-artifacts/ \
  -print_final_stats=1 \
  "$@" "$work/corpus"
