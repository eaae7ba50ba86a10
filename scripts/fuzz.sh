#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each for a
# bounded time, one after the other, on a corpus seeded from fuzz/seeds/.
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]   (default 60 seconds, every target)
#   scripts/fuzz.sh --available              (succeeds when clang can link libFuzzer)
#
# A crash, a leak, a hang (over 10 s on one input) or an input that needs
# more than 1 GB stops that target; the input is kept in build-fuzz/crashes/
# and the script fails at the end. Keep a crashing input as a regression
# case under tests/data/hostile/ once it is fixed.
set -euo pipefail

cd "$(dirname "$0")/.."

if [[ ${1:-} == --available ]]; then
  command -v clang++ >/dev/null && command -v clang >/dev/null || exit 1
  probe=$(mktemp -d)
  trap 'rm -rf "$probe"' EXIT
  echo 'extern "C" int LLVMFuzzerTestOneInput(const char*, unsigned long) { return 0; }' \
    >"$probe/probe.cpp"
  clang++ -fsanitize=fuzzer,address,undefined "$probe/probe.cpp" -o "$probe/probe" 2>/dev/null
  exit
fi

seconds=${1:-60}
shift || true
build=build-fuzz
targets=("$@")
if [[ ${#targets[@]} -eq 0 ]]; then
  targets=(fuzz_analyze_ase fuzz_convert_ase fuzz_materials fuzz_asc_input fuzz_image)
fi

CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DMESHMILL_FUZZ=ON -DMESHMILL_BUILD_TESTS=OFF -DMESHMILL_BUILD_GUI=OFF >/dev/null
cmake --build "$build" -j2 --target "${targets[@]}" >/dev/null

seeds_of() {
  case $1 in
    fuzz_asc_input) echo "fuzz/seeds/asc tests/data/hostile/asc" ;;
    fuzz_image) echo "fuzz/seeds/image tests/data/hostile/image" ;;
    *) echo "fuzz/seeds/ase tests/data/hostile/ase" ;;
  esac
}
# The fuzzer's options for the target beyond the common ones.
options_of() {
  case $1 in
    fuzz_asc_input) echo -dict=fuzz/asc.dict -max_len=16384 ;;
    # Short inputs: an image header may claim up to 8448 pixels a byte of file.
    fuzz_image) echo -max_len=4096 ;;
    *) echo -dict=fuzz/ase.dict -max_len=16384 ;;
  esac
}

mkdir -p "$build/crashes"
# Every input is written into a folder of its own: memory is much faster than disk.
scratch_root=/tmp
[[ -d /dev/shm && -w /dev/shm ]] && scratch_root=/dev/shm
TMPDIR=$(mktemp -d "$scratch_root/meshmill-fuzz.XXXXXX")
export TMPDIR
trap 'rm -rf "$TMPDIR"' EXIT
status=0
for target in "${targets[@]}"; do
  corpus=$build/corpus/$target
  mkdir -p "$corpus"
  seed_dirs=()
  for dir in $(seeds_of "$target"); do
    [[ -d $dir ]] && seed_dirs+=("$dir")
  done
  log=$build/$target.log
  # shellcheck disable=SC2046  # the options are words
  if "$build/bin/$target" "$corpus" "${seed_dirs[@]}" $(options_of "$target") \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=1024 \
    -artifact_prefix="$build/crashes/$target-" -print_final_stats=1 >"$log" 2>&1; then
    result=ok
  else
    result=FAILED
    status=1
  fi
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo '?')
  printf '%-18s %4ss %10s executions  %s\n' "$target" "$seconds" "$runs" "$result"
  if [[ $result != ok ]]; then
    grep -E 'ERROR|SUMMARY|Test unit written' "$log" | head -n 5 | sed 's/^/  /'
  fi
done
exit $status
