#!/usr/bin/env bash
# Builds the Debian package from a clean copy of the sources (the files git
# tracks or would track, as they are in the working tree) in build-deb/, so
# the generators, the build and the tests run from scratch as on a build
# machine. The package is copied to the top directory and checked with
# lintian, which must report no error.
#   tools/build-deb.sh [jobs]
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=${1:-2}
out=build-deb
source_dir=$out/zelk

rm -rf "$out"
mkdir -p "$source_dir"
git ls-files -z --cached --others --exclude-standard |
  while IFS= read -r -d '' file; do [ -e "$file" ] && printf '%s\0' "$file"; done |
  tar --null --files-from=- -cf - | tar -xf - -C "$source_dir"

(cd "$source_dir" && dpkg-buildpackage -b -us -uc -j"$jobs")
rm -f zelk_*.deb
cp "$out"/zelk_*.deb .
lintian --fail-on error --info "$out"/zelk_*.changes
ls zelk_*.deb
