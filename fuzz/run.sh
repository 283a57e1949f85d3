#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer and UBSan) in build/fuzz and runs each for a
# bounded time (QOR_FUZZ_SECONDS, 10 by default) on a copy of its seed corpus in fuzz/corpus/<target>. Prints how
# many inputs each target ran; fails on any crash, sanitizer report, leak, timeout, or a refused load that changed
# the bank, or an accepted state that does not come back whole from a save and a load into a fresh instance. Inputs
# that made a target fail are kept in <build folder>/artifacts. QOR_FUZZ_BUILD_DIR names another
# build folder than build/fuzz.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${QOR_FUZZ_SECONDS:-10}
build=${QOR_FUZZ_BUILD_DIR:-build/fuzz}
targets=(set_chunk bank_stream preset_stream aux_stream old_bank old_preset file_load registry_value effect_state_blob)
# The AAX library's readers, while the AAX plug-in is part of the tree.
if [ -d aax/library ]; then targets+=(elck_chunk); fi
if [ -d hosts/rtas ]; then targets+=(rtas_resource_file); fi
[ -d fuzz/corpus/rtas_elck ] && targets+=(rtas_elck)
if [ -f rtas/framework/SharingTokenReader.cpp ]; then targets+=(rtas_sharing_token); fi
if [ -d rtas/views ]; then targets+=(rtas_view_description); fi
targets+=(module_resources)
if [ -d rtas/bridge/entry ]; then targets+=(rtas_resource_byte_order); fi
if [ -f rtas/framework/dsp/DspCodeArray.cpp ]; then targets+=(rtas_dsp_code); fi

CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQOR_FUZZ=ON -DQOR_SANITIZE=address -DQOR_BUILD_TESTS=OFF \
  -DQOR_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target qor_fuzz_targets

work=$(mktemp -d "${TMPDIR:-/tmp}/qor-fuzz.XXXXXX")
trap 'rm -rf "$work"' EXIT
# The effect reads and writes the per-user store; the targets' own store lives in here and goes with it.
export TMPDIR="$work"
mkdir -p "$build/artifacts"
status=0
for target in "${targets[@]}"; do
  mkdir -p "$work/corpus/$target"
  cp fuzz/corpus/"$target"/* "$work/corpus/$target/"
  log="$work/$target.log"
  if UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 "$build/fuzz/fuzz_$target" "$work/corpus/$target" \
      -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$build/artifacts/$target-" >"$log" 2>&1; then
    result=ok
  else
    result=FAILED
    status=1
    tail -n 60 "$log"
  fi
  runs=$(awk '/stat::number_of_executed_units/ {print $2}' "$log" | tail -n 1)
  echo "fuzz_$target: ${runs:-?} executions in ${seconds} s: $result"
done
exit $status
