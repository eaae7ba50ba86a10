#!/usr/bin/env bash
# Builds Meshmill and converts the sample scene of examples/ with the
# command-line tool, then lists what it wrote. The scene is copied to
# build/demo/ first: the conversion renames long texture names in the
# scene's TIFFRGB folder, and the repository's copy must stay as it is.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"

install_build_tools
build_into build -DCMAKE_BUILD_TYPE=RelWithDebInfo

demo="$REPO_ROOT/build/demo"
rm -rf "$demo"
mkdir -p "$demo/output"
cp "$REPO_ROOT/examples/sample_track.ase" "$demo/"
cp -r "$REPO_ROOT/examples/TIFFRGB" "$demo/"

echo "== meshmill-cli convert sample_track.ase"
"$REPO_ROOT/build/bin/meshmill-cli" convert "$demo/sample_track.ase" \
  -o "$demo/output/sample_track.asc" --yes --auto-shorten --rename-textures

echo
echo "== Written in $demo"
(cd "$demo" && find . -type f | sort | while read -r file; do
  printf '%8d  %s\n' "$(stat -c %s "$file")" "${file#./}"
done)
