#!/usr/bin/env bash
# Renders data/meshmill.svg into data/meshmill.ico, the Windows program's icon,
# at the sizes Windows picks from (16 to 256 pixels, for 100 % to 200 % and the
# Explorer's large views). Run once when the picture changes and commit the
# .ico: the build itself needs no converter.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"

install_missing librsvg2-bin imagemagick

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sizes=(16 20 24 32 40 48 64 256)
pngs=()
for size in "${sizes[@]}"; do
  rsvg-convert -w "$size" -h "$size" "$REPO_ROOT/data/meshmill.svg" -o "$work/$size.png"
  pngs+=("$work/$size.png")
done
convert "${pngs[@]}" "$REPO_ROOT/data/meshmill.ico"
identify "$REPO_ROOT/data/meshmill.ico"
