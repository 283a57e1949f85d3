#!/usr/bin/env bash
# rtashost's commands, outputs and exit codes against the plug-in file, run as a user runs them.
#
# Usage: rtashost-tests.sh GROUP RTASHOST PLUGIN [RUNNER ...]
#   GROUP: info, errors, state, render or alone; RUNNER: the emulator that runs the host's programs (qemu, Wine), if any.
# Runs in the folder where the kit, the plug-in and the effect meet.
set -uo pipefail
group=$1 hostprog=$2 plugin=$3
shift 3
runner=("$@")
work=$(mktemp -d "${TMPDIR:-/tmp}/rtashost-tests.XXXXXX")
trap 'rm -rf "$work"' EXIT
failures=0
source "$(dirname "$0")/../../../common/tests/host-test-lib.sh"
expect_line() { # line description
  grep -qxF -- "$1" "$work/out" || fail "$2: no line '$1' in: $(cat "$work/out")"
}
# A failure says so in one line.
expect_one_line_error() { # description
  expect_status 1 "$1"
  [ "$(wc -l <"$work/err")" -eq 1 ] && grep -q '^rtashost: ' "$work/err" || fail "$1: not one line: $(cat "$work/err")"
}
# Interleaved 32-bit floats: a sine in every channel.
make_audio() { # file channels frames
  python3 -c "
import math, struct, sys
channels, frames = int(sys.argv[2]), int(sys.argv[3])
with open(sys.argv[1], 'wb') as f:
    for i in range(frames):
        for c in range(channels):
            f.write(struct.pack('<f', 0.5 * math.sin(0.05 * i + c)))
" "$@"
}

case $group in
info)
  host info "$plugin"
  expect_status 0 "info"
  expect_line "group manufacturer \"QorVelmont\" ('Qora') product 'QKvp' effect \"Qor Kalvenor\"" "info: group"
  diff <(grep '^type ' "$work/out") - >/dev/null <<'TYPES' || fail "info: types: $(grep '^type ' "$work/out")"
type Kvmm real-time mono mono
type Kvms real-time mono stereo
type Kvss real-time stereo stereo
type Kvas AudioSuite mono mono
type Kvam AudioSuite stereo stereo
TYPES
  [ "$(grep -c '^control ' "$work/out")" -eq 17 ] || fail "info: not 17 controls"
  grep -q '^control 1 "Master Bypass" on/off "Off"$' "$work/out" || fail "info: control 1"
  grep -q '^control 10 "8: Threshold" continuous "' "$work/out" || fail "info: control 10"
  ;;
errors)
  host info "$work/missing.dpm"
  expect_one_line_error "a plug-in file that is not there"
  host info "$plugin" --type Kvxx
  expect_one_line_error "an unknown type"
  host render "$plugin" "$work/missing.raw" "$work/out.raw"
  expect_one_line_error "an input file that is not there"
  make_audio "$work/odd.raw" 1 11
  host render "$plugin" "$work/odd.raw" "$work/out.raw"
  expect_one_line_error "an input file of no whole stereo frames"
  make_audio "$work/in.raw" 2 100
  host render "$plugin" "$work/in.raw" "$work/out.raw" --type Kvam --control 18=0.5
  expect_one_line_error "an unknown control"
  host save-state "$plugin" "$work/state" --program 48
  expect_one_line_error "an unknown program"
  host load-state "$plugin" "$work/missing"
  expect_one_line_error "a state file that is not there"
  # Chunks the host will not hand over, or the plug-in refuses: too short, a size word that claims more than the
  # file, another chunk's ID, another manufacturer.
  host save-state "$plugin" "$work/state"
  expect_status 0 "save-state"
  head -c 40 "$work/state" >"$work/short"
  python3 - "$work/state" "$work" <<'PY'
import struct, sys
data = bytearray(open(sys.argv[1], 'rb').read())
claims_more = bytearray(data); struct.pack_into('<i', claims_more, 0, len(data) + 100)
other_id = bytearray(data); other_id[20:24] = b'kcle'
other_maker = bytearray(data); other_maker[8:12] = b'xxxx'
for name, content in (('claims_more', claims_more), ('other_id', other_id), ('other_maker', other_maker)):
    open(sys.argv[2] + '/' + name, 'wb').write(content)
PY
  for bad in short claims_more other_id other_maker; do
    host load-state "$plugin" "$work/$bad"
    expect_one_line_error "load-state of a chunk: $bad"
  done
  host frobnicate "$plugin"
  expect_status 2 "an unknown command"
  host info "$plugin" --frobnicate
  expect_status 2 "an unknown option"
  host render "$plugin" "$work/in.raw"
  expect_status 2 "render without its output file"
  host render "$plugin" "$work/in.raw" "$work/out.raw" --quantum 0
  expect_status 2 "a quantum of 0"
  ;;
state)
  host info "$plugin"
  grep '^control ' "$work/out" >"$work/defaults"
  for chunk in "" --elck; do
    what="state ${chunk:-All}"
    host save-state "$plugin" "$work/state" $chunk --control 10=0.25 --control 1=1
    expect_status 0 "$what: save"
    # The host's form: the size word counts the whole file; the chunk's ID at byte 20.
    python3 - "$work/state" "${chunk:+elck}" <<'PY' || fail "$what: header"
import struct, sys
data = open(sys.argv[1], 'rb').read()
size, = struct.unpack_from('<i', data, 0)
chunk_id = struct.unpack_from('<I', data, 20)[0].to_bytes(4, 'big').decode('latin-1')
sys.exit(0 if size == len(data) and chunk_id == (sys.argv[2] or 'All ') else 1)
PY
    host load-state "$plugin" "$work/state" $chunk
    expect_status 0 "$what: load"
    grep '^control ' "$work/out" >"$work/loaded"
    # Control 10 came back changed, the others as they were (the bypass is no part of either chunk).
    diff <(grep -v '^control 10 ' "$work/defaults") <(grep -v '^control 10 ' "$work/loaded") >/dev/null ||
      fail "$what: other controls changed: $(diff "$work/defaults" "$work/loaded")"
    cmp -s <(grep '^control 10 ' "$work/defaults") <(grep '^control 10 ' "$work/loaded") &&
      fail "$what: control 10 did not come back"
  done
  # A program chosen by name and by number gives the same state.
  host save-state "$plugin" "$work/by-number" --program 3
  expect_status 0 "save-state --program 3"
  host load-state "$plugin" "$work/by-number"
  grep '^control ' "$work/out" >"$work/program3"
  cmp -s "$work/defaults" "$work/program3" && fail "program 3 changed no control"
  ;;
render)
  make_audio "$work/stereo.raw" 2 1000
  make_audio "$work/mono.raw" 1 1000
  for type in Kvas Kvam Kvmm Kvms Kvss; do
    input=$work/stereo.raw
    [ "$type" = Kvas ] || [ "$type" = Kvmm ] || [ "$type" = Kvms ] && input=$work/mono.raw
    host render "$plugin" "$input" "$work/$type.raw" --type "$type" --buffer 100
    expect_status 0 "render $type"
    outputs=2
    [ "$type" = Kvas ] || [ "$type" = Kvmm ] && outputs=1
    [ "$(stat -c %s "$work/$type.raw")" -eq $(($(stat -c %s "$work/mono.raw") * outputs)) ] ||
      fail "render $type: output size"
    cmp -s "$input" "$work/$type.raw" && fail "render $type: the effect changed nothing"
    # Bypassed, the input goes on as it is (the compressor has no latency to delay it by).
    if [ "$type" != Kvms ]; then
      host render "$plugin" "$input" "$work/$type-bypassed.raw" --type "$type" --bypass
      expect_status 0 "render $type --bypass"
      cmp -s "$input" "$work/$type-bypassed.raw" || fail "render $type --bypass: output differs from the input"
    fi
  done
  # Both roads run the effect in the same blocks (the quantum's within each host buffer): real time through the
  # engine's render equals the offline render bit for bit.
  cmp -s "$work/Kvss.raw" "$work/Kvam.raw" || fail "render: real-time Kvss differs from AudioSuite Kvam"
  cmp -s "$work/Kvmm.raw" "$work/Kvas.raw" || fail "render: real-time Kvmm differs from AudioSuite Kvas"
  # A control set on the command line reaches the effect.
  host render "$plugin" "$work/stereo.raw" "$work/threshold.raw" --control 10=0.1
  expect_status 0 "render --control"
  cmp -s "$work/Kvss.raw" "$work/threshold.raw" && fail "render --control 10=0.1: the output did not change"
  ;;
alone)
  # The host, its kit and the plug-in copied to a folder of their own, without the effect: the effect is searched
  # beside the program and the plug-in only, never in the build tree the host was built in.
  mkdir "$work/alone"
  cp "$hostprog" "$plugin" "$plugin.rsr" DAE.DLL DigiExt.dll DSI.dll DSPManager.dll "$work/alone/"
  hostprog=$work/alone/$(basename "$hostprog")
  # From inside the copy: Windows also searches the current folder, and the tests' own folder holds the effect.
  (unset LD_LIBRARY_PATH; cd "$work/alone" && host info "$work/alone/$(basename "$plugin")"; cp "$work/out" "$work/without")
  [ "$(grep -c '^control ' "$work/without")" -eq 1 ] ||
    fail "alone: the effect was found elsewhere: $(grep -c '^control ' "$work/without") controls"
  # With the effect beside them, the copy is whole: the plug-in loads it. (Through the folder as the loader's path:
  # under AddressSanitizer, whose dlopen searches as its own library rather than as the plug-in, the plug-in's
  # search path is not used.)
  cp "Qor Kalvenor.dll" "$work/alone/"
  (export LD_LIBRARY_PATH=$work/alone; cd "$work/alone" && host info "$work/alone/$(basename "$plugin")"; cp "$work/out" "$work/with")
  [ "$(grep -c '^control ' "$work/with")" -eq 17 ] || fail "alone: the effect beside the plug-in was not loaded"
  ;;
*)
  echo "unknown group $group"
  exit 2
  ;;
esac
[ "$failures" -eq 0 ] || exit 1
echo "rtashost $group: all checks passed"
