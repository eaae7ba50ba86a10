#!/usr/bin/env bash
# Retakes docs/report.png: converts a copy of the sample (its long texture
# name shortened, its textures prepared) with a scene report, and photographs
# the page in headless Chromium.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"

install_build_tools
install_missing chromium
configure_into build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$REPO_ROOT/build" -j2 --target meshmill-cli

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$REPO_ROOT/examples" "$work/my_track"
"$REPO_ROOT/build/bin/meshmill-cli" convert "$work/my_track/sample_track.ase" --yes \
  --rename-textures --auto-shorten --textures --report "$work/report.html" >/dev/null 2>&1

# A fresh profile, and nothing that reaches out to the network.
chromium --headless --no-sandbox --disable-gpu --hide-scrollbars \
  --disable-background-networking --disable-component-update --disable-sync --no-first-run \
  --disable-quic --user-data-dir="$work/profile" --window-size=1280,2400 \
  --screenshot="$REPO_ROOT/docs/report.png" "file://$work/report.html" >/dev/null 2>&1
echo "docs/report.png retaken"
