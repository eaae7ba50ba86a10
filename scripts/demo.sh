#!/usr/bin/env bash
# Builds the programs (meshmill-cli and the window, not the test suite) and
# converts the sample scene of examples/ with the command-line tool, then lists
# what it wrote and says how to open the window. The scene is copied to
# build/demo/ first: the conversion renames long texture names in the scene's
# TIFFRGB folder, and the repository's copy must stay as it is.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"

install_build_tools
install_missing qt6-base-dev

configure_into build -DCMAKE_BUILD_TYPE=RelWithDebInfo
targets=(meshmill-cli)
# The window is built where Qt 6 Widgets is found.
has_target build meshmill && targets+=(meshmill)
cmake --build "$REPO_ROOT/build" -j2 --target "${targets[@]}"

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

echo
if [ -x "$REPO_ROOT/build/bin/meshmill" ]; then
  echo "== The window: build/bin/meshmill build/demo/sample_track.ase"
  echo "   (analyses the sample at start-up; it needs a desktop session, or QT_QPA_PLATFORM=offscreen)"
else
  echo "== The window was not built: Qt 6 Widgets was not found."
fi
