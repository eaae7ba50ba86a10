#!/usr/bin/env bash
# Builds Meshmill and runs the whole test suite three times: a normal build
# in build/, the benchmark's Release configuration in build-release/ (its
# optimiser warns where the others don't) and a build with AddressSanitizer
# and UndefinedBehaviorSanitizer (clang) in build-asan/; then each fuzz target
# for a few seconds when clang has libFuzzer. Any failure fails the script.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"

install_build_tools
# The window is built and tested when Qt 6 is there.
install_missing qt6-base-dev
# The scene report is rendered in a headless browser by one test.
install_missing chromium
# Independent readers of the pixelmaps and TIFFs written.
install_missing ffmpeg libtiff-tools
# The window's tests need no display.
export QT_QPA_PLATFORM=offscreen

echo "== Build (g++, RelWithDebInfo) in build/"
build_into build -DCMAKE_BUILD_TYPE=RelWithDebInfo
(cd "$REPO_ROOT/build" && ctest --output-on-failure -j2)

# Tested too: the suite takes seconds beside the build.
echo "== Build (g++, Release) in build-release/"
build_into build-release -DCMAKE_BUILD_TYPE=Release
(cd "$REPO_ROOT/build-release" && ctest --output-on-failure -j2)

echo "== Build (clang++, AddressSanitizer + UndefinedBehaviorSanitizer) in build-asan/"
build_into build-asan -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ -DMESHMILL_SANITIZE=ON
(cd "$REPO_ROOT/build-asan" && ctest --output-on-failure -j2)

# The fuzz targets run briefly so they keep building and keep passing their
# seeds; scripts/fuzz.sh runs them for longer.
if "$REPO_ROOT/scripts/fuzz.sh" --available; then
  echo "== Fuzz targets (clang, libFuzzer), 12 s each, in build-fuzz/"
  "$REPO_ROOT/scripts/fuzz.sh" 12
else
  echo "== Fuzz targets skipped: clang cannot link libFuzzer here"
fi
