#!/usr/bin/env bash
# Builds kelvaro.exe and kelvaro-cli.exe twice from the same sources, copied
# into two different folders, and checks that both builds are identical byte
# for byte.
#
#   reproducible_build.sh SOURCE_DIR
set -euo pipefail
source_dir="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for copy in first another/second; do
  mkdir -p "$work/$copy"
  # The files under version control, as they are in the working tree.
  (cd "$source_dir" && git ls-files -z | xargs -0 tar -cf -) | tar -xf - -C "$work/$copy"
  (cd "$work/$copy" && cmake --preset windows >/dev/null &&
     cmake --build --preset windows --target kelvaro kelvaro-cli -j"$(nproc)" >/dev/null)
done

for exe in kelvaro.exe kelvaro-cli.exe; do
  first="$work/first/build/windows/$exe"
  second="$work/another/second/build/windows/$exe"
  cmp "$first" "$second"
  echo "$exe: identical, $(stat -c %s "$first") bytes, sha256 $(sha256sum "$first" | cut -d' ' -f1)"
done
