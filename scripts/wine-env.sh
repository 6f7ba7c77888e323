# Sourced by the scripts: which Wine loader can run here, and which build it runs.
# Some kernels run 64-bit processes only (no IA-32 emulation); there the 32-bit
# program cannot start, and the same program built for 64-bit Windows stands in.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  TARNIX_WINE=/usr/lib/wine/wine
  TARNIX_PRESET=win32
else
  TARNIX_WINE=/usr/lib/wine/wine64
  TARNIX_PRESET=win64
fi
export TARNIX_WINE TARNIX_PRESET
