#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: unit tests
# (also under AddressSanitizer and UndefinedBehaviorSanitizer), a bounded fuzz
# run, the checks of the shipped 32-bit executable, and the end-to-end suite
# that drives the real program under Wine on a virtual display.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
. scripts/wine-env.sh

step() { printf '\n== %s\n' "$*"; }

step "Unit tests"
cmake --preset linux >/dev/null
cmake --build --preset linux
ctest --preset linux

step "Unit tests under the sanitizers, and the fuzz target"
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize
ctest --preset sanitize
scripts/run-fuzz.sh 30

step "The shipped 32-bit program"
cmake --preset win32 >/dev/null
cmake --build --preset win32
scripts/check-exe.sh build/win32/Tarnix.exe

step "End-to-end tests under Wine ($TARNIX_PRESET build)"
cmake --preset win64 >/dev/null
cmake --build --preset win64
ctest --preset win64
