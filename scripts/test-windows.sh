#!/usr/bin/env bash
# Cross-builds Meshmill for Windows (MinGW-w64) into build-windows/, runs the
# test suite of the core and the CLI under wine, then converts the sample scene
# with meshmill-cli.exe and compares every file it wrote, byte for byte, with
# what the Linux build writes. Headless: no display, a private wine prefix.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"

install_windows_tools

echo "== Windows cross build in build-windows/"
build_windows
echo "== Linux build in build/ (the reference for the comparison)"
build_into build -DCMAKE_BUILD_TYPE=RelWithDebInfo

start_wine

echo "== Test suite under wine"
(cd "$REPO_ROOT/build-windows" && ctest --output-on-failure -j2)

echo "== Sample scene: meshmill-cli.exe against the Linux meshmill-cli"
compare="$REPO_ROOT/build-windows/compare"
rm -rf "$compare"
# A folder name beyond ASCII: it reaches the Windows program as UTF-16.
scene_folder="Escena_señal"
for system in linux windows; do
  mkdir -p "$compare/$system/$scene_folder/salida"
  cp "$REPO_ROOT/examples/sample_track.ase" "$compare/$system/$scene_folder/"
  cp -r "$REPO_ROOT/examples/TIFFRGB" "$compare/$system/$scene_folder/"
done

# Runs one conversion; prints its exit status and keeps its JSON in $1.json.
convert() {
  local system=$1 scene=$2 target=$3
  shift 3
  local status=0
  "$@" convert "$scene" -o "$target" --json --yes --auto-shorten --rename-textures \
    >"$compare/$system.json" 2>"$compare/$system.stderr" || status=$?
  echo "$status"
}

linux_dir="$compare/linux/$scene_folder"
windows_dir="$compare/windows/$scene_folder"
linux_status=$(convert linux "$linux_dir/sample_track.ase" "$linux_dir/salida/sample_track.asc" \
  "$REPO_ROOT/build/bin/meshmill-cli")
# The Windows program gets a Linux-style path (wine maps it through drive Z:)
# for the scene and a drive path for the target.
windows_status=$(convert windows "$windows_dir/sample_track.ase" \
  "$(winepath -w "$windows_dir/salida/sample_track.asc" 2>/dev/null)" \
  wine "$REPO_ROOT/build-windows/bin/meshmill-cli.exe")

failed=0
if [ "$linux_status" != "$windows_status" ]; then
  echo "Exit status differs: Linux $linux_status, Windows $windows_status"
  failed=1
fi
if [ "$linux_status" != 0 ]; then
  echo "The conversion failed (exit status $linux_status):"
  cat "$compare/linux.stderr"
  failed=1
fi

# Every file written, by name and content.
(cd "$linux_dir" && find . -type f | sort) >"$compare/linux.files"
(cd "$windows_dir" && find . -type f | sort) >"$compare/windows.files"
if ! diff -u "$compare/linux.files" "$compare/windows.files"; then
  echo "The two systems wrote different files."
  failed=1
fi
while read -r file; do
  if [ -f "$windows_dir/$file" ] && ! cmp -s "$linux_dir/$file" "$windows_dir/$file"; then
    echo "Differs: $file"
    cmp "$linux_dir/$file" "$windows_dir/$file" || true
    failed=1
  fi
done <"$compare/linux.files"

# The JSON and the messages alike once each system's own spelling of the folder is taken out.
normalise() {
  sed -e 's#\\\\#/#g' -e 's#"[A-Za-z]:/#"/#g' -e "s#$compare/[a-z]*/#<folder>/#g" \
    -e 's#\r$##' "$1"
}
for stream in json stderr; do
  if ! diff -u <(normalise "$compare/linux.$stream") <(normalise "$compare/windows.$stream"); then
    echo "The $stream output differs."
    failed=1
  fi
done

if [ "$failed" != 0 ]; then
  echo "FAILED: the Windows build differs from the Linux build."
  exit 1
fi
echo "Windows and Linux wrote the same $(wc -l <"$compare/linux.files") files, JSON and messages."
