#!/usr/bin/env bash
# Cross-builds meshmill.exe (the window) and meshmill-cli.exe and packs
# dist/meshmill-<version>-win64.zip with both, the user's README and the sample scene.
# The programs link statically: they run on Windows with nothing else installed.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"

install_windows_tools
install_missing zip
build_windows

version=$(sed -n 's/^project(meshmill VERSION \([0-9.]*\).*/\1/p' "$REPO_ROOT/CMakeLists.txt")
name="meshmill-$version-win64"
stage="$REPO_ROOT/build-windows/package/$name"
rm -rf "$REPO_ROOT/build-windows/package"
mkdir -p "$stage/examples" "$REPO_ROOT/dist"
for program in meshmill.exe meshmill-cli.exe; do
  cp "$REPO_ROOT/build-windows/bin/$program" "$stage/"
  x86_64-w64-mingw32-strip "$stage/$program"
done
# The user's page, not the developers' README; Windows editors expect CR LF
# line ends in a text file (the page has them, and keeps them whatever git does).
sed 's/\r*$/\r/' "$REPO_ROOT/docs/windows-readme.txt" >"$stage/README.txt"
cp "$REPO_ROOT/examples/sample_track.ase" "$stage/examples/"
cp -r "$REPO_ROOT/examples/TIFFRGB" "$stage/examples/"

rm -f "$REPO_ROOT/dist/$name.zip"
(cd "$REPO_ROOT/build-windows/package" && zip -qr -X "$REPO_ROOT/dist/$name.zip" "$name")
echo "Wrote dist/$name.zip:"
unzip -l "$REPO_ROOT/dist/$name.zip"
