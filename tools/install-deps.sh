#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those that
# are missing. As root it runs apt-get (update once, then install); as any
# other user it prints the command to run and fails.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  libsdl1.2-dev libsdl-image1.2-dev libsdl-mixer1.2-dev libsdl-ttf2.0-dev libsdl-gfx1.2-dev
  libpng-dev zlib1g-dev fonts-dejavu-core libgtest-dev libbenchmark-dev
  libx11-dev xvfb xdotool imagemagick
)
if [ "${1:-}" = "--sanitizers" ]; then
  packages+=(clang libclang-rt-14-dev)
fi
# Building and checking the Debian package (`make deb`), and the installed
# game's menu entry and metainfo.
if [ "${1:-}" = "--package" ]; then
  packages+=(dpkg-dev debhelper fakeroot lintian appstream desktop-file-utils)
fi

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages: ${missing[*]}" >&2
  echo "Install them with:" >&2
  echo "  sudo apt-get update && sudo DEBIAN_FRONTEND=noninteractive apt-get install -y ${missing[*]}" >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update
apt-get install -y "${missing[@]}"
