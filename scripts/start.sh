#!/usr/bin/env bash
# Installs what is missing, builds Tarnix.exe and starts it under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
. scripts/wine-env.sh

cmake --preset win32 >/dev/null && cmake --build --preset win32
[ "$TARNIX_PRESET" = win32 ] || { cmake --preset win64 >/dev/null && cmake --build --preset win64 --target Tarnix; }

if [ -z "${DISPLAY:-}" ]; then
  cat >&2 <<TEXT
Tarnix is built (build/win32/Tarnix.exe), but there is no display to show its window.
Run this from a desktop session (DISPLAY set), or with a virtual display:
  xvfb-run -a scripts/start.sh
TEXT
  exit 1
fi
[ "$TARNIX_PRESET" = win32 ] || echo "This kernel cannot run 32-bit programs: starting the 64-bit build of the same program."
export WINEDEBUG=${WINEDEBUG:--all}
exec "$TARNIX_WINE" "build/$TARNIX_PRESET/Tarnix.exe"
