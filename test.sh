#!/usr/bin/env bash
# Runs the whole test suite: the native build's tests (which also write the reference renders), every test again
# under AddressSanitizer and UBSan, the concurrency tests under ThreadSanitizer, the fuzz targets for a bounded
# time, both Windows builds' tests under Wine (their renders must equal the native ones bit for bit), and the
# benchmark's figures.
# Run ./build.sh first.
set -euo pipefail
cd "$(dirname "$0")"
jobs=$(nproc)
# The tests use non-ASCII file names, and Wine maps them to Linux names only under a UTF-8 locale. C.UTF-8 exists
# on every Debian 12, so the suite does not depend on what the caller's environment holds (or lacks).
export LANG=C.UTF-8 LC_ALL=C.UTF-8
unset LANGUAGE

echo "== Native release build: unit, end-to-end and concurrency tests"
mkdir -p build/reference
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DQOR_DIST=ON \
  -DQOR_REFERENCE_DIR="$PWD/build/reference" -DQOR_REFERENCE_MODE=write
cmake --build build/release -j "$jobs"
ctest --test-dir build/release --output-on-failure -j "$jobs"

echo "== AddressSanitizer + UBSan: every test"
cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQOR_SANITIZE=address -DQOR_BUILD_BENCHMARKS=OFF
cmake --build build/asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build/asan --output-on-failure -j "$jobs"

echo "== ThreadSanitizer: concurrency tests"
cmake -S . -B build/tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQOR_SANITIZE=thread -DQOR_BUILD_BENCHMARKS=OFF
tsan_targets=(qor_concurrency_tests qor_juce_tests)
# The AAX library's packet dispatcher lock, while the AAX plug-in is part of the tree.
if [ -d aax/library ]; then tsan_targets+=(qor_aax_library_concurrency_tests); fi
# The AAX bridge's processor: audio blocks against parameter and state work (it stands on JUCE).
if [ -d aax/bridge ] && [ -d thirdparty/juce ]; then tsan_targets+=(qor_aax_bridge_concurrency_tests); fi
# The RTAS bridge's render gate: renders against an instance's teardown.
if [ -d rtas/tests/concurrency ]; then tsan_targets+=(qor_rtas_bridge_concurrency_tests); fi
cmake --build build/tsan -j "$jobs" --target "${tsan_targets[@]}"
TSAN_OPTIONS=halt_on_error=1 ctest --test-dir build/tsan --output-on-failure -L concurrency

echo "== 32-bit Linux: the RTAS plug-in's code, its host kit and the loop's two widths, plain, then under AddressSanitizer + UBSan"
cmake -S . -B build/linux-x86 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/linux-x86.cmake -DCMAKE_BUILD_TYPE=Release \
  -DQOR_RTAS_ONLY=ON -DQOR_BUILD_BENCHMARKS=OFF -DQOR_REFERENCE_DIR="$PWD/build/reference"
cmake --build build/linux-x86 -j "$jobs"
ctest --test-dir build/linux-x86 --output-on-failure -j "$jobs"
cmake -S . -B build/linux-x86-asan -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/linux-x86.cmake \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQOR_SANITIZE=address -DQOR_RTAS_ONLY=ON -DQOR_BUILD_BENCHMARKS=OFF
cmake --build build/linux-x86-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build/linux-x86-asan --output-on-failure -j "$jobs"

echo "== Fuzzing: every reader of untrusted bytes (libFuzzer with AddressSanitizer and UBSan, clang)"
fuzz/run.sh

echo "== Windows x64 and x86 builds under Wine"
# Wine's x86 half is itself a 32-bit x86 program, and some virtual machines' kernels refuse to run those. There the
# x86 builds are still made (build.sh ships them), but their tests cannot run: say so loudly rather than fail or
# pass silently. The RTAS code they hold is tested in the 32-bit Linux stage above, under qemu where needed.
wine_arches=(x64)
if /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
  wine_arches+=(x86)
else
  echo "!! SKIPPED: the Windows x86 tests under Wine: this machine's kernel cannot run 32-bit x86 programs"
fi
# Fresh prefixes each run, each with a persistent server so the tests do not pay its start.
export QOR_WINE_ROOT
QOR_WINE_ROOT=$(mktemp -d "${TMPDIR:-/tmp}/qor-wine.XXXXXX")
stop_wine() {
  for arch in "${wine_arches[@]}"; do WINEPREFIX="$QOR_WINE_ROOT/$arch" wineserver -k >/dev/null 2>&1 || true; done
  rm -rf "$QOR_WINE_ROOT"
}
trap stop_wine EXIT
# Each prefix is made first (a persistent server would make the x86 one 64-bit), then gets a persistent server,
# and wineboot starts the prefix's background services under that server with its output discarded: started by a
# test instead, they would hold the test's output pipe open.
# The first server must have gone (-w) before the persistent one can start, and the persistent one must not hold
# this script's output open.
for arch in "${wine_arches[@]}"; do
  mkdir -p "$QOR_WINE_ROOT/$arch"
  cmake/wine-run "$arch" wineboot -i >/dev/null 2>&1 </dev/null
  # Without a display Wine cannot make JUCE's hidden message window, and its timers never fire: the null driver can.
  cmake/wine-run "$arch" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1 </dev/null
  WINEPREFIX="$QOR_WINE_ROOT/$arch" wineserver -w
  WINEPREFIX="$QOR_WINE_ROOT/$arch" wineserver -p >/dev/null 2>&1 </dev/null
  cmake/wine-run "$arch" wineboot >/dev/null 2>&1 </dev/null
done
for arch in x64 x86; do
  cmake -S . -B "build/win-$arch" -DCMAKE_TOOLCHAIN_FILE="cmake/toolchains/mingw-$arch.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DQOR_DIST=ON -DQOR_BUILD_BENCHMARKS=OFF \
    -DQOR_REFERENCE_DIR="Z:$PWD/build/reference" -DQOR_REFERENCE_MODE=compare
  cmake --build "build/win-$arch" -j "$jobs"
  [[ " ${wine_arches[*]} " == *" $arch "* ]] || continue
  ctest --test-dir "build/win-$arch" --output-on-failure -j "$jobs" --timeout 900
  grep -h "reference comparison" "build/win-$arch/Testing/Temporary/LastTest.log" || true
done

echo "== Benchmark (figures only; nothing is asserted on speed)"
# Repetitions in random order, so that the loop and the literal model meet the same states of the machine; each
# ratio is of their fastest repetitions.
build/release/bench/qor_bench --benchmark_min_time=0.2 --benchmark_repetitions=5 --benchmark_enable_random_interleaving=true
