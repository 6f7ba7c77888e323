#!/usr/bin/env bash
# Builds the 64-bit program and the drop benchmark, then runs the benchmark under wine64 on a
# private display and prefix: drops of 1,000, 10,000 and 100,000 names against the time
# Wine's bare edit control takes for the same text. Arguments go to the benchmark, e.g.
#   scripts/bench-drop.sh --sizes=1000,10000 --reps=5
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset win64 >/dev/null
cmake --build --preset win64 --target Tarnix drop_bench

# Three drops of 100,000 names and six bare edits given the same text take minutes on a busy
# machine, far beyond the script's default limit.
export TARNIX_E2E_TIME_LIMIT=${TARNIX_E2E_TIME_LIMIT:-1800}
export TARNIX_E2E_ARTIFACTS=${TARNIX_E2E_ARTIFACTS:-$PWD/build/win64/bench-artifacts}
exec bash tests/e2e/run-under-wine.sh build/win64/bench/wine/drop_bench.exe \
    --tarnix="$PWD/build/win64/Tarnix.exe" "$@"
