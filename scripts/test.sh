#!/usr/bin/env bash
# Builds Meshmill and runs the whole test suite twice: a normal build in build/
# and a build with AddressSanitizer and UndefinedBehaviorSanitizer (clang) in
# build-asan/. Any failure fails the script.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"

install_build_tools
# The window is built and tested when Qt 6 is there.
install_missing qt6-base-dev
# The window's tests need no display.
export QT_QPA_PLATFORM=offscreen

echo "== Build (g++, RelWithDebInfo) in build/"
build_into build -DCMAKE_BUILD_TYPE=RelWithDebInfo
(cd "$REPO_ROOT/build" && ctest --output-on-failure -j2)

echo "== Build (clang++, AddressSanitizer + UndefinedBehaviorSanitizer) in build-asan/"
build_into build-asan -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ -DMESHMILL_SANITIZE=ON
(cd "$REPO_ROOT/build-asan" && ctest --output-on-failure -j2)
