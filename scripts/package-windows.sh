#!/usr/bin/env bash
# Cross-builds meshmill-cli.exe and packs dist/meshmill-<version>-win64.zip with
# the program, the README and the sample scene. The program links statically:
# it runs on Windows with nothing else installed.
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
cp "$REPO_ROOT/build-windows/bin/meshmill-cli.exe" "$stage/"
x86_64-w64-mingw32-strip "$stage/meshmill-cli.exe"
# Windows editors expect CR LF line ends in a text file.
sed 's/$/\r/' "$REPO_ROOT/README.md" >"$stage/README.txt"
cp "$REPO_ROOT/examples/sample_track.ase" "$stage/examples/"
cp -r "$REPO_ROOT/examples/TIFFRGB" "$stage/examples/"

rm -f "$REPO_ROOT/dist/$name.zip"
(cd "$REPO_ROOT/build-windows/package" && zip -qr -X "$REPO_ROOT/dist/$name.zip" "$name")
echo "Wrote dist/$name.zip:"
unzip -l "$REPO_ROOT/dist/$name.zip"
