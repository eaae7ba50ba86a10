#!/usr/bin/env bash
# Builds the programs (meshmill-cli and the window, not the test suite) and
# converts the sample scene of examples/ with the command-line tool, its
# textures prepared, then lists what it wrote (the TIFFs and pixelmaps apart)
# and says how to open the window. The scene is copied to build/demo/ first:
# the conversion renames long texture names in the scene's TIFFRGB folder and
# writes TIFFs there, and the repository's copy must stay as it is.
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
  -o "$demo/output/sample_track.asc" --yes --auto-shorten --rename-textures --textures

echo
echo "== Written in $demo"
(cd "$demo" && find . -type f | sort | while read -r file; do
  printf '%8d  %s\n' "$(stat -c %s "$file")" "${file#./}"
done)

# A pixelmap file's type, width and height: the fields after the file-info
# chunk (16 bytes) and the pixelmap chunk's id and length (8), big-endian.
pixelmap_fields() {
  local bytes
  read -r -a bytes < <(od -An -v -tu1 -j24 -N7 "$1")
  local type=${bytes[0]} width=$((bytes[3] * 256 + bytes[4])) height=$((bytes[5] * 256 + bytes[6]))
  case $type in
    5) echo "type 5 (RGB 565), $width x $height" ;;
    18) echo "type 18 (ARGB 4444), $width x $height" ;;
    *) echo "type $type, $width x $height" ;;
  esac
}

echo
echo "== Textures: TIFFs for Plaything2 (TIFFRGB), pixelmaps for the game (output/PIX16)"
for tif in "$demo"/TIFFRGB/*.tif; do
  name=$(basename "$tif")
  how="written by this run"
  [ -e "$REPO_ROOT/examples/TIFFRGB/$name" ] && how="already there"
  # A long name's .tif renamed to its short name holds its backup's bytes.
  for backup in "$demo"/TIFFRGB/*.ti; do
    [ -e "$backup" ] && cmp -s "$tif" "$backup" && how="already there, shortened (backup $(basename "$backup"))"
  done
  printf '  %-28s %s\n' "TIFFRGB/$name" "$how"
done
for pix in "$demo"/output/PIX16/*.pix; do
  name=$(basename "$pix")
  kind=""
  # An extra material's "(Extra_mat_N)" is the placeholder of a transparent material.
  [[ $name == \(* ]] && kind="placeholder, "
  printf '  %-28s %s%s\n' "PIX16/$name" "$kind" "$(pixelmap_fields "$pix")"
done

echo
if [ -x "$REPO_ROOT/build/bin/meshmill" ]; then
  echo "== The window: build/bin/meshmill build/demo/sample_track.ase"
  echo "   (analyses the sample at start-up; it needs a desktop session, or QT_QPA_PLATFORM=offscreen)"
else
  echo "== The window was not built: Qt 6 Widgets was not found."
fi
