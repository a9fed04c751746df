#!/usr/bin/env bash
# Installs what the build and the tests need on Debian 12, if anything is missing.
set -euo pipefail

packages=(cmake g++ python3 g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64-i686
          binutils-mingw-w64-x86-64 wine wine32:i386 wine64 xvfb xauth xdotool imagemagick fonts-wine googletest
          clang libclang-rt-14-dev clang-tidy cppcheck wixl msitools python3-olefile)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
$SUDO dpkg --add-architecture i386
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
