#!/usr/bin/env bash
# Cross-builds Meshmill for Windows (MinGW-w64) into build-windows/, runs the
# test suite under wine (the core, the CLI and the window), then converts the
# sample scene with meshmill-cli.exe and with meshmill.exe (driven through its
# window and message boxes) and compares every file they wrote, byte for byte,
# with what the Linux build writes. Headless: wine's null display driver, a
# private wine prefix.
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

# Every file under two folders, by name and content; sets failed=1 on a difference.
compare_folders() {
  local left=$1 right=$2 name=$3
  (cd "$left" && find . -type f | sort) >"$compare/$name.left.files"
  (cd "$right" && find . -type f | sort) >"$compare/$name.right.files"
  if ! diff -u "$compare/$name.left.files" "$compare/$name.right.files"; then
    echo "The two systems wrote different files ($name)."
    failed=1
  fi
  while read -r file; do
    if [ -f "$right/$file" ] && ! cmp -s "$left/$file" "$right/$file"; then
      echo "Differs: $file ($name)"
      cmp "$left/$file" "$right/$file" || true
      failed=1
    fi
  done <"$compare/$name.left.files"
}
compare_folders "$linux_dir" "$windows_dir" cli

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

echo "== Sample scene: meshmill.exe, through its window and message boxes, against Linux"
# The window's run: the scene on the command line, "Use the source filename as
# target name" ticked, "&Start Process"; the CLI's default target is the same.
exe_run="$compare/exe"
if ! wine "$REPO_ROOT/build-windows/bin/meshmill_exe_run.exe" \
  "$(winepath -w "$REPO_ROOT/build-windows/bin/meshmill.exe" 2>/dev/null)" \
  "$(winepath -w "$REPO_ROOT/examples" 2>/dev/null)" "$(winepath -w "$exe_run" 2>/dev/null)"; then
  echo "meshmill.exe did not convert the sample as expected."
  failed=1
fi
mkdir -p "$compare/exe-linux"
cp "$REPO_ROOT/examples/sample_track.ase" "$compare/exe-linux/"
cp -r "$REPO_ROOT/examples/TIFFRGB" "$compare/exe-linux/"
"$REPO_ROOT/build/bin/meshmill-cli" convert "$compare/exe-linux/sample_track.ase" \
  </dev/null >/dev/null 2>"$compare/exe-linux.stderr" || true
compare_folders "$compare/exe-linux" "$exe_run/scene" exe

echo "== Sample scene with its textures: the same pixelmaps from stb on both systems"
for system in linux windows; do
  mkdir -p "$compare/textures-$system"
  cp "$REPO_ROOT/examples/sample_track.ase" "$compare/textures-$system/"
  cp -r "$REPO_ROOT/examples/TIFFRGB" "$compare/textures-$system/"
done
"$REPO_ROOT/build/bin/meshmill-cli" convert "$compare/textures-linux/sample_track.ase" --yes \
  --textures --json >"$compare/textures-linux.json" 2>/dev/null || failed=1
wine "$REPO_ROOT/build-windows/bin/meshmill-cli.exe" convert \
  "$compare/textures-windows/sample_track.ase" --yes --textures --json \
  >"$compare/textures-windows.json" 2>/dev/null || failed=1
compare_folders "$compare/textures-linux/PIX16" "$compare/textures-windows/PIX16" pixelmaps
# The TIFFs come from two encoders (libtiff and the Windows Imaging
# Component): the same files, whose bytes may differ.
if ! diff -u <(cd "$compare/textures-linux/TIFFRGB" && ls) \
  <(cd "$compare/textures-windows/TIFFRGB" && ls); then
  echo "The two systems made different TIFFs."
  failed=1
fi
if ! diff -u <(normalise "$compare/textures-linux.json" | sed 's#textures-[a-z]*/#/#g') \
  <(normalise "$compare/textures-windows.json" | sed 's#textures-[a-z]*/#/#g'); then
  echo "The JSON of the textured conversion differs."
  failed=1
fi

if [ "$failed" != 0 ]; then
  echo "FAILED: the Windows build differs from the Linux build."
  exit 1
fi
echo "Windows and Linux wrote the same $(wc -l <"$compare/cli.left.files") files, JSON and" \
  "messages; meshmill.exe the same $(wc -l <"$compare/exe.left.files") files; the textured" \
  "conversion the same $(wc -l <"$compare/pixelmaps.left.files") pixelmaps."
