#!/usr/bin/env bash
# Checks the shipped executable: a 32-bit GUI program that needs no DLLs
# beyond the system's own, with its manual beside it.
set -euo pipefail
exe=$1
fail() { echo "check-exe: $*" >&2; exit 1; }

file "$exe" | grep -q 'PE32 executable (GUI) Intel 80386' || fail "$exe is not a 32-bit Windows GUI program: $(file -b "$exe")"
system_dlls='^(kernel32|user32|gdi32|shell32|comdlg32|ole32|msvcrt|advapi32|comctl32)\.dll$'
while read -r dll; do
  echo "$dll" | tr 'A-Z' 'a-z' | grep -Eq "$system_dlls" || fail "$exe needs a DLL that Windows does not ship: $dll"
done < <(i686-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ {print $3}')
[ -f "$(dirname "$exe")/Tarnix.html" ] || fail "the manual is not beside $exe"
echo "check-exe: $exe is a static 32-bit GUI program; manual present"
