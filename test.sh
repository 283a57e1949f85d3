#!/usr/bin/env bash
# Runs the whole test suite: the release build's tests, every test again under AddressSanitizer and UBSan, and the
# concurrency tests under ThreadSanitizer. Expects ./build.sh to have installed the packages.
set -euo pipefail
cd "$(dirname "$0")"
jobs=$(nproc)

echo "== Release build: unit, end-to-end and concurrency tests"
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DQOR_DIST=ON
cmake --build build/release -j "$jobs"
ctest --test-dir build/release --output-on-failure -j "$jobs"

echo "== AddressSanitizer + UBSan: every test"
cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQOR_SANITIZE=address -DQOR_BUILD_BENCHMARKS=OFF
cmake --build build/asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build/asan --output-on-failure -j "$jobs"

echo "== ThreadSanitizer: concurrency tests"
cmake -S . -B build/tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQOR_SANITIZE=thread -DQOR_BUILD_BENCHMARKS=OFF
cmake --build build/tsan -j "$jobs" --target qor_concurrency_tests
TSAN_OPTIONS=halt_on_error=1 ctest --test-dir build/tsan --output-on-failure -L concurrency

echo "== Benchmark (figures only; nothing is asserted on speed)"
build/release/bench/qor_bench --benchmark_min_time=0.2
