#!/usr/bin/env bash
# Installs the Debian packages that building and testing Kelvaro need, those
# that are missing only. Quiet and safe to run again.
set -euo pipefail

packages=(
  git cmake g++ make python3 libgtest-dev libssl-dev clang libclang-rt-14-dev
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine wine64 fonts-wine fonts-liberation
  xvfb xdotool xclip x11-utils icoutils imagemagick procps
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
