#!/usr/bin/env bash
# Builds the libFuzzer harnesses of fuzz/ with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer in build-fuzz/ (the core alone: no Qt, no GoogleTest), then runs
# each for a bounded time on a copy of its seed corpus fuzz/corpus/<harness>/, so the
# repository is left as it was. Fails when any harness finds a crash, a leak, a timeout or a
# broken property, and prints where the input that shows it was saved. Such an input belongs
# in that harness's seed corpus as a regression case once the fault is fixed.
#
# Usage: scripts/fuzz.sh [SECONDS_PER_HARNESS [HARNESS...]]   (default: 10 seconds, all)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-10}
# libFuzzer reads 0 or a word as "no time limit".
if ! [[ $seconds =~ ^[1-9][0-9]*$ ]]; then
  echo "fuzz: SECONDS_PER_HARNESS must be a whole number above 0, not '$seconds'" >&2
  exit 2
fi
all=(ltx_round_trip str_list table_file number_text)
if [ $# -gt 1 ]; then
  harnesses=("${@:2}")
else
  harnesses=("${all[@]}")
fi

# The longest input tried: a few lines for the numbers, a small file for the others.
max_len() {
  case "$1" in
    number_text) echo 64 ;;
    ltx_round_trip) echo 2048 ;;
    *) echo 1024 ;;
  esac
}

# Files of the repository itself that make good seeds beside the hand-made ones.
repository_seeds() {
  case "$1" in
    str_list) echo resources/about.txt ;;
  esac
}

bash scripts/setup.sh
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DMORVANE_BUILD_UI=OFF -DMORVANE_BUILD_TESTS=OFF -DMORVANE_BUILD_BENCH=OFF -DMORVANE_BUILD_FUZZERS=ON >/dev/null
cmake --build build-fuzz -j "$(nproc)" --target fuzzers

failed=()
for harness in "${harnesses[@]}"; do
  program=$PWD/build-fuzz/fuzz/${harness}_fuzzer
  seeds=fuzz/corpus/$harness
  if [ ! -x "$program" ] || [ ! -d "$seeds" ]; then
    echo "fuzz: unknown harness '$harness' (known: ${all[*]})" >&2
    exit 2
  fi
  run=$PWD/build-fuzz/runs/$harness
  rm -rf "$run"
  mkdir -p "$run/corpus"
  mapfile -t extra_seeds < <(repository_seeds "$harness")
  cp "$seeds"/* "${extra_seeds[@]}" "$run/corpus/"
  status=0
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    "$program" -max_total_time="$seconds" -max_len="$(max_len "$harness")" -timeout=10 \
    -print_final_stats=1 -artifact_prefix="$run/" "$run/corpus" >"$run/log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$run/log")
  if [ "$status" -eq 0 ]; then
    echo "fuzz: $harness: ${runs:-?} runs in ${seconds} s, nothing found"
    continue
  fi
  failed+=("$harness")
  tail -n 40 "$run/log" >&2
  echo "fuzz: $harness FAILED (exit $status); log: $run/log" >&2
  for artifact in "$run"/crash-* "$run"/leak-* "$run"/timeout-* "$run"/oom-*; do
    [ -e "$artifact" ] || continue
    echo "fuzz: reproduce with: $program $artifact" >&2
  done
done

if [ ${#failed[@]} -ne 0 ]; then
  echo "fuzz: failed: ${failed[*]}" >&2
  exit 1
fi
