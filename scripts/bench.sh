#!/usr/bin/env bash
# Times meshmill-cli on a large generated scene against `wc -l` on the same
# file (warm cache) and reports the ratio and the peak memory.
#
#   scripts/bench.sh [SIZE_MB]        (default 200)
#
# Goals, per command: the whole analysis within 5x the time of one `wc -l`,
# under 30 MB; analysis and processing together (convert) within 12x, under
# 64 MB (the generator's objects are small, so what the largest object needs
# is a few MB at most). To time another command, add a line to the COMMANDS
# table below.
set -euo pipefail

cd "$(dirname "$0")/.."
size_mb=${1:-200}
build=build/release
bench=build/bench
scene=$bench/bench_${size_mb}mb.ase

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMESHMILL_BUILD_TESTS=OFF \
  -DMESHMILL_BUILD_GUI=OFF >/dev/null
cmake --build "$build" -j2 --target meshmill-cli meshmill-scenegen >/dev/null

mkdir -p "$bench/TIFFRGB"
if [[ ! -f $scene ]]; then
  "$build/bin/meshmill-scenegen" -o "$scene" --size-mb "$size_mb" --faults 20
fi

out=$bench/out
mkdir -p "$out"

# name | times wc -l at most | MB at most | command (the scene is appended)
COMMANDS=(
  "analyze|5|30|$build/bin/meshmill-cli analyze"
  "convert|12|64|$build/bin/meshmill-cli convert --overwrite -o $out/bench.asc"
)

# Runs a command under /usr/bin/time; prints "seconds peak_kb".
measure() {
  local report
  report=$(mktemp)
  /usr/bin/time -o "$report" -f '%e %M' "$@" >/dev/null 2>&1 || true
  tail -n 1 "$report"
  rm -f "$report"
}

cat "$scene" >/dev/null  # warm the cache
read -r wc_seconds wc_kb < <(measure wc -l "$scene")
printf '%-10s %8s s %8s MB\n' "wc -l" "$wc_seconds" "$(awk -v kb="$wc_kb" 'BEGIN{printf "%.1f", kb/1024}')"

status=0
for entry in "${COMMANDS[@]}"; do
  IFS='|' read -r name ratio_goal mb_goal command_text <<<"$entry"
  read -r -a command <<<"$command_text"
  read -r seconds peak_kb < <(measure "${command[@]}" "$scene")
  ratio=$(awk -v s="$seconds" -v w="$wc_seconds" 'BEGIN{ if (w < 0.01) w = 0.01; printf "%.1f", s / w }')
  peak_mb=$(awk -v kb="$peak_kb" 'BEGIN{printf "%.1f", kb/1024}')
  printf '%-10s %8s s %8s MB   %sx wc -l\n' "$name" "$seconds" "$peak_mb" "$ratio"
  if awk -v r="$ratio" -v m="$peak_mb" -v rg="$ratio_goal" -v mg="$mb_goal" \
    'BEGIN{exit !(r > rg || m >= mg)}'; then
    echo "  $name misses its goal (${ratio_goal}x wc -l, under $mb_goal MB)"
    status=1
  fi
done
exit $status
