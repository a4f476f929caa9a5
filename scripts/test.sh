#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: first the whole build
# (core, tool, window layer with offscreen GUI tests), then all of it again under
# AddressSanitizer and UndefinedBehaviorSanitizer, then a short run of every fuzz harness.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
jobs=$(nproc)
# Line tables are enough for failure traces; full debug information makes the builds a tenth slower.
debug_info=(-DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG" -DCMAKE_CXX_FLAGS_DEBUG="-g1")

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${debug_info[@]}" >/dev/null
cmake --build build -j "$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j "$jobs"

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMORVANE_SANITIZE=ON \
  -DMORVANE_BUILD_BENCH=OFF "${debug_info[@]}" >/dev/null
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 QT_QPA_PLATFORM=offscreen \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"

bash scripts/fuzz.sh
