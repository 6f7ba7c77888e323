#!/usr/bin/env bash
# Installs what building and testing Tarnix needs on Debian 12, as root.
# Packages already present are left alone; apt runs only when one is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev
  googletest libgtest-dev libbenchmark-dev
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64-i686
  wine wine64 wine32:i386
  xvfb x11-utils xdotool xclip imagemagick procps psmisc file locales
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages need root: run this as root (or with sudo)." >&2
  exit 1
fi
# wine32 is an i386 package: its architecture must be known to dpkg first.
dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
apt-get update -qq
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
