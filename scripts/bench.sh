#!/usr/bin/env bash
# Times meshmill-cli on a large generated scene against `wc -l` on the same
# file (warm cache, the fastest of three runs of each) and reports the ratio
# and the peak memory.
#
#   scripts/bench.sh [SIZE_MB]        (default 200)
#
# Goals, per command: the whole analysis within 5x the time of one `wc -l`,
# under 30 MB; analysis and processing together (convert) within 12x, under
# 64 MB (the generator's objects are small, so what the largest object needs
# is a few MB at most); the same for re-writing the .asc converted from the
# scene (convert-asc, timed against `wc -l` of that .asc). To time another
# command, add a line to the COMMANDS table below.
#
# The scene report: `analyze --report` within 1.5x the time of `analyze`
# alone, and the page at most 5 MB.
#
# The textures: a small scene naming 200 textures of 256 x 256 (TGA files in
# its TIFFRGB folder), converted with --textures and without; the difference,
# the time that writing 200 TIFFs and 200 pixelmaps takes, well under a second.
#
# MESHMILL_WERROR=ON in the environment builds with warnings as errors, as
# the other scripts do.
set -euo pipefail
export LC_ALL=C  # a decimal point in $EPOCHREALTIME
source "$(dirname "$0")/lib/common.sh"

cd "$REPO_ROOT"
size_mb=${1:-200}
build=build/release
bench=build/bench
scene=$bench/bench_${size_mb}mb.ase

configure_into "$build" -DCMAKE_BUILD_TYPE=Release -DMESHMILL_BUILD_TESTS=OFF -DMESHMILL_BUILD_GUI=OFF
build_log=$(mktemp)
if ! cmake --build "$build" -j2 --target meshmill-cli meshmill-scenegen >"$build_log" 2>&1; then
  cat "$build_log"
  rm -f "$build_log"
  exit 1
fi
rm -f "$build_log"

mkdir -p "$bench/TIFFRGB"
if [[ ! -f $scene ]]; then
  "$build/bin/meshmill-scenegen" -o "$scene" --size-mb "$size_mb" --faults 20
fi

out=$bench/out
mkdir -p "$out"

# The scene as one .asc file, the input of the re-writing.
asc=$bench/bench_${size_mb}mb.asc
if [[ ! -f $asc ]]; then
  "$build/bin/meshmill-cli" convert "$scene" --no-split --overwrite -o "$asc" >/dev/null 2>&1 || true
fi

# name | times wc -l at most | MB at most | input | command (the input is appended)
COMMANDS=(
  "analyze|5|30|$scene|$build/bin/meshmill-cli analyze"
  "convert|12|64|$scene|$build/bin/meshmill-cli convert --overwrite -o $out/bench.asc"
  "convert-asc|12|64|$asc|$build/bin/meshmill-cli convert --overwrite -o $out/rewrite.asc"
)

# Runs a command three times; prints "seconds peak_kb" of the fastest run
# and the largest peak. The clock is the shell's, to the microsecond:
# /usr/bin/time counts in hundredths, too coarse for `wc -l`. BEFORE_RUN,
# when set, names a function run before each run and not timed.
measure() {
  local report best='' peak=0 start seconds kb
  report=$(mktemp)
  for _ in 1 2 3; do
    [[ -n ${BEFORE_RUN:-} ]] && "$BEFORE_RUN"
    start=$EPOCHREALTIME
    /usr/bin/time -o "$report" -f '%M' "$@" >/dev/null 2>&1 || true
    seconds=$(awk -v s="$start" -v e="$EPOCHREALTIME" 'BEGIN{printf "%.3f", e - s}')
    kb=$(tail -n 1 "$report")
    best=$(awk -v s="$seconds" -v b="$best" 'BEGIN{ print (b == "" || s < b) ? s : b }')
    ((kb > peak)) && peak=$kb
  done
  rm -f "$report"
  echo "$best $peak"
}

# One `wc -l` per input, with the cache warm; prints "seconds".
declare -A wc_of
wc_seconds_of() {
  local input=$1 seconds kb
  if [[ -z ${wc_of[$input]:-} ]]; then
    cat "$input" >/dev/null
    read -r seconds kb < <(measure wc -l "$input")
    wc_of[$input]=$seconds
    printf '%-12s %8s s %8s MB   (%s, %s MB)\n' "wc -l" "$seconds" \
      "$(awk -v kb="$kb" 'BEGIN{printf "%.1f", kb/1024}')" "$(basename "$input")" \
      "$(($(stat -c %s "$input") / 1048576))"
  fi
}

status=0
declare -A seconds_of
for entry in "${COMMANDS[@]}"; do
  IFS='|' read -r name ratio_goal mb_goal input command_text <<<"$entry"
  read -r -a command <<<"$command_text"
  wc_seconds_of "$input"
  wc_seconds=${wc_of[$input]}
  cat "$input" >/dev/null  # warm the cache
  read -r seconds peak_kb < <(measure "${command[@]}" "$input")
  ratio=$(awk -v s="$seconds" -v w="$wc_seconds" 'BEGIN{ if (w < 0.001) w = 0.001; printf "%.1f", s / w }')
  peak_mb=$(awk -v kb="$peak_kb" 'BEGIN{printf "%.1f", kb/1024}')
  seconds_of[$name]=$seconds
  printf '%-12s %8s s %8s MB   %sx wc -l\n' "$name" "$seconds" "$peak_mb" "$ratio"
  if awk -v r="$ratio" -v m="$peak_mb" -v rg="$ratio_goal" -v mg="$mb_goal" \
    'BEGIN{exit !(r > rg || m >= mg)}'; then
    echo "  $name misses its goal (${ratio_goal}x wc -l, under $mb_goal MB)"
    status=1
  fi
done

page=$out/bench_report.html
cat "$scene" >/dev/null
read -r seconds peak_kb < <(measure "$build/bin/meshmill-cli" analyze --report "$page" "$scene")
analyze_seconds=${seconds_of[analyze]}
ratio=$(awk -v s="$seconds" -v a="$analyze_seconds" 'BEGIN{ if (a < 0.001) a = 0.001; printf "%.2f", s / a }')
page_mb=$(awk -v b="$(stat -c %s "$page" 2>/dev/null || echo 0)" 'BEGIN{printf "%.2f", b/1048576}')
peak_mb=$(awk -v kb="$peak_kb" 'BEGIN{printf "%.1f", kb/1024}')
printf '%-12s %8s s %8s MB   %sx analyze (%s s), report %s MB\n' "analyze --report" "$seconds" \
  "$peak_mb" "$ratio" "$analyze_seconds" "$page_mb"
if awk -v r="$ratio" -v m="$page_mb" 'BEGIN{exit !(r > 1.5 || m > 5)}'; then
  echo "  analyze --report misses its goal (1.5x analyze, a page of at most 5 MB)"
  status=1
fi

# Each run starts with no TIFF and no pixelmap, so that every one is written.
textures=200
texture_scene=$bench/textures/bench_textures.ase
if [[ ! -f $texture_scene ]]; then
  mkdir -p "$bench/textures"
  "$build/bin/meshmill-scenegen" -o "$texture_scene" --size-mb 1 --textures "$textures" 2>/dev/null
fi
# shellcheck disable=SC2317  # run by measure, through BEFORE_RUN
no_texture_files() {
  rm -rf "$out/textures" "$bench/textures/TIFFRGB"/*.tif
  mkdir -p "$out/textures"
}
convert_textures() {
  local seconds kb
  read -r seconds kb < <(BEFORE_RUN=no_texture_files measure "$build/bin/meshmill-cli" convert \
    "$texture_scene" --overwrite -o "$out/textures/textures.asc" "$@")
  echo "$seconds"
}
cat "$bench/textures/TIFFRGB"/*.tga >/dev/null
plain_seconds=$(convert_textures)
texture_seconds=$(convert_textures --textures)
written=$(find "$out/textures/PIX16" -name 'tex*.pix' | wc -l)
difference=$(awk -v t="$texture_seconds" -v p="$plain_seconds" 'BEGIN{ d = t - p; if (d < 0) d = 0; printf "%.2f", d }')
printf '%s textures of 256 x 256: %s s   (convert --textures %s s, without %s s; %s pixelmaps)\n' \
  "$textures" "$difference" "$texture_seconds" "$plain_seconds" "$written"
if [[ $written != "$textures" ]] || awk -v d="$difference" 'BEGIN{exit !(d >= 1)}'; then
  echo "  the textures miss their goal ($textures pixelmaps, well under a second)"
  status=1
fi
exit $status
