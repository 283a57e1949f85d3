#!/usr/bin/env bash
# What all three command-line hosts must do alike, run as a user runs them: usage on --help, the same refusals of
# malformed values (exit 2), no output written over an input however it is spelt, no exception for a folder given
# as a file, output in the format its name asks for, a warning for a cut-short file, and the same render summary.
#
# Usage: host-cli-tests.sh KIND HOST PLUGIN [RUNNER ...]
#   KIND: vst2, aax or rtas; RUNNER: what runs the host's programs (Wine, qemu), if anything.
# rtas runs in the folder where the kit, the plug-in and the effect meet.
set -uo pipefail
kind=$1 hostprog=$2 plugin=$3
shift 3
runner=("$@")
work=$(mktemp -d "${TMPDIR:-/tmp}/host-cli-tests.XXXXXX")
trap 'rm -rf "$work"' EXIT
failures=0
windows=false
[[ $hostprog == *.exe ]] && windows=true
name=$(basename "$hostprog" .exe)
source "$(dirname "$0")/host-test-lib.sh"

# A failure says so in one line that names the host, and the line says what is wrong.
expect_failure() { # pattern description
  expect_status 1 "$2"
  { [ "$(wc -l <"$work/err")" -eq 1 ] && grep -q "^$name: " "$work/err"; } ||
    fail "$2: not one line: $(cat "$work/err")"
  grep -q -- "$1" "$work/err" || fail "$2: no '$1' in: $(cat "$work/err")"
}
expect_malformed() { # pattern description
  expect_status 2 "$2"
  grep -q -- "$1" "$work/err" || fail "$2: no '$1' in: $(head -n 1 "$work/err")"
}

# Audio files: a sine in every channel. wav FILE CHANNELS FRAMES [RATE]: 16-bit PCM; raw FILE CHANNELS FRAMES:
# little-endian 32-bit floats.
make_audio() { # format file channels frames [rate]
  python3 - "$@" <<'PY'
import math, struct, sys, wave
form, path, channels, frames = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4])
rate = int(sys.argv[5]) if len(sys.argv) > 5 else 44100
samples = [0.5 * math.sin(0.05 * i + c) for i in range(frames) for c in range(channels)]
if form == 'raw':
    open(path, 'wb').write(struct.pack('<%df' % len(samples), *samples))
else:
    w = wave.open(path, 'wb')
    w.setnchannels(channels); w.setsampwidth(2); w.setframerate(rate)
    w.writeframes(struct.pack('<%dh' % len(samples), *(int(s * 32767) for s in samples)))
    w.close()
PY
}
# The number of frames a WAV file's data chunk holds.
wav_frames() { # file
  python3 - "$1" <<'PY'
import struct, sys
data = open(sys.argv[1], 'rb').read()
at, channels, width = 12, 0, 0
while at + 8 <= len(data):
    tag, size = data[at:at + 4], struct.unpack_from('<I', data, at + 4)[0]
    if tag == b'fmt ':
        channels, width = struct.unpack_from('<H', data, at + 10)[0], struct.unpack_from('<H', data, at + 22)[0] // 8
    if tag == b'data':
        print(min(size, len(data) - at - 8) // (channels * width)); break
    at += 8 + size + (size & 1)
PY
}

# The host's commands, in each host's own words.
case $kind in
vst2)
  ext=wav setting=--param id=8 save=save-chunk load=load-chunk info=info raw=() ;;
aax)
  ext=wav setting=--param id=8 save=save-state load=load-state info=describe raw=() ;;
rtas)
  ext=raw setting=--control id=10 save=save-state load=load-state info=info raw=() ;;
*)
  echo "unknown kind $kind"; exit 2 ;;
esac
# aaxhost reads audio files and raw ones.
[ "$kind" = aax ] && raw=(--raw)
if [ "$ext" = wav ]; then make_audio wav "$work/in.wav" 2 2000; else make_audio raw "$work/in.raw" 2 2000; fi
in=$work/in.$ext
cp "$in" "$work/original"

# --help and -h, alone or after a command: the usage on the standard output, exit 0.
for line in "--help" "-h" "render --help" "$save -h"; do
  host $line
  expect_status 0 "$line"
  grep -q '^usage:' "$work/out" || fail "$line: no usage in: $(head -n 2 "$work/out")"
done

# Values every host refuses alike: a normalised value must be a finite number from 0 to 1; a program is named.
for value in 2 -1 1.0001 nan NaN inf -inf 1e999 "" 0.5x " "; do
  host render "$plugin" "$in" "$work/out.$ext" "$setting" "$id=$value"
  expect_malformed "$setting" "$setting $id='$value'"
  host "$save" "$plugin" "$work/state" "$setting=$id=$value"
  expect_malformed "$setting" "$save $setting=$id='$value'"
done
host render "$plugin" "$in" "$work/out.$ext" --program ""
expect_malformed "--program needs a name or a number" "--program ''"
host "$save" "$plugin" "$work/state" --program=
expect_malformed "--program needs a name or a number" "$save --program="
# The ends of the range are values.
host "$save" "$plugin" "$work/state" "$setting" "$id=0" "$setting" "$id=1"
expect_status 0 "$save with values 0 and 1"

# An output that is an input, however it is spelt, is refused and the input stays as it was.
mkdir -p "$work/sub"
ln -s "$in" "$work/link.$ext"
ln "$in" "$work/hard.$ext"
for output in "$in" "./in.$ext" "sub/../in.$ext" "$work/link.$ext" "$work/hard.$ext"; do
  (cd "$work" && host render "$plugin" "$in" "$output"; echo "$status" >"$work/status")
  status=$(cat "$work/status")
  expect_failure "is the input" "render over the input as '$output'"
  cmp -s "$work/original" "$in" || fail "render over the input as '$output': the input changed"
done
cp "$plugin" "$work/plugin-copy"
host "$save" "$work/plugin-copy" "$work/plugin-copy"
expect_failure "is the input" "$save over the plug-in"
cmp -s "$plugin" "$work/plugin-copy" || fail "$save over the plug-in: the plug-in changed"

# A folder where a file belongs: one line, exit 1, never an exception.
host "$load" "$plugin" "$work/sub"
expect_failure "folder" "$load of a folder"
host render "$plugin" "$work/sub" "$work/out.$ext"
expect_failure "folder" "render of a folder"
if [ ${#raw[@]} -gt 0 ]; then
  host render "$plugin" "$work/sub" "$work/out.raw" "${raw[@]}"
  expect_failure "folder" "render of a folder as a raw file"
fi

# Every host says what it rendered in the same words.
host render "$plugin" "$in" "$work/out.$ext"
expect_status 0 "render"
grep -qE "^rendered 2000 frames, 2 in, 2 out, at 44100 Hz \(.*\) -> .*out\.$ext$" "$work/out" ||
  fail "render: no summary in: $(cat "$work/out")"

if [ "$ext" = wav ]; then
  # The output's extension names its format; where libsndfile writes none under it, the name is refused.
  for bad in out.txt rendered; do
    host render "$plugin" "$in" "$work/$bad"
    expect_failure "audio format" "render to $bad"
    [ -e "$work/$bad" ] && fail "render to $bad: a file was written"
  done
  host render "$plugin" "$in" "$work/out.aiff"
  expect_status 0 "render to out.aiff"
  [ "$(head -c 4 "$work/out.aiff")" = FORM ] || fail "render to out.aiff: not an AIFF file"
  # FLAC where the build's libsndfile has it (the Windows builds' has not): never a WAV under its name.
  host render "$plugin" "$in" "$work/out.flac"
  if [ "$status" -eq 0 ]; then
    [ "$(head -c 4 "$work/out.flac")" = fLaC ] || fail "render to out.flac: not a FLAC file"
  else
    expect_failure "audio format" "render to out.flac"
  fi

  # A file cut short renders what it holds, with a warning.
  head -c $((44 + 2 * 2 * 1500 + 3)) "$in" >"$work/cut.wav"
  host render "$plugin" "$work/cut.wav" "$work/cut-out.wav"
  expect_status 0 "render of a cut-short file"
  grep -q "^$name: warning: .*ends before" "$work/err" || fail "render of a cut-short file: no warning: $(cat "$work/err")"
  [ "$(wav_frames "$work/cut-out.wav")" = 1500 ] || fail "render of a cut-short file: not the 1500 frames it holds"

  # A header that names no rate: what is wrong, in a user's words.
  python3 -c "import sys; d = bytearray(open(sys.argv[1], 'rb').read()); d[24:28] = bytes(4); open(sys.argv[2], 'wb').write(d)" \
    "$in" "$work/rate0.wav"
  host render "$plugin" "$work/rate0.wav" "$work/out.wav"
  expect_failure "sample rate or a channel count of 0" "render of a file whose rate is 0"

  # More than two channels are refused.
  make_audio wav "$work/three.wav" 3 100
  host render "$plugin" "$work/three.wav" "$work/out.wav"
  expect_failure "3 channels" "render of three channels"

  # Names outside the ANSI code page, on Windows through the wide calls.
  cp "$in" "$work/音.wav"
  host render "$plugin" "$work/音.wav" "$work/音-out.wav"
  expect_status 0 "render of 音.wav to 音-out.wav"
  [ -s "$work/音-out.wav" ] || fail "render of 音.wav: no 音-out.wav"
fi

case $kind in
vst2)
  host info "$plugin"
  expect_status 0 "info"
  grep -qx 'programs        1 (the host sees 1 program; the bank holds 48)' "$work/out" ||
    fail "info: programs line: $(grep '^programs' "$work/out")"
  # A plug-in at a path outside the ANSI code page.
  mkdir -p "$work/音"
  cp "$plugin" "$work/音/"
  host info "$work/音/$(basename "$plugin")"
  expect_status 0 "info of a plug-in in the folder 音"
  ;;
aax)
  host render "$plugin" "$in" "$work/out.wav" --rate 48000
  expect_malformed "--rate is for --raw files" "--rate without --raw"
  # A stereo file to a configuration that takes one channel in.
  for config in 0 1; do
    host render "$plugin" "$in" "$work/out.wav" --config $config
    expect_failure "is stereo" "stereo file to --config $config"
  done
  make_audio wav "$work/mono.wav" 1 500
  host render "$plugin" "$work/mono.wav" "$work/mono-out.wav" --config 1
  expect_status 0 "mono file to --config 1"
  grep -q '^rendered 500 frames, 1 in, 2 out,' "$work/out" || fail "mono to --config 1: $(cat "$work/out")"
  # A program chosen for the controls-state chunk is in it.
  host save-state "$plugin" "$work/elck-default" --chunk elck
  host save-state "$plugin" "$work/elck-program" --chunk elck --program 3
  expect_status 0 "save-state --chunk elck --program 3"
  cmp -s "$work/elck-default" "$work/elck-program" && fail "save-state --chunk elck --program 3: the default state"
  # The editor session applies --program and --param, and a screenshot it cannot write fails it with exit 1.
  if ! $windows && command -v xvfb-run >/dev/null; then
    # Under LeakSanitizer: the caches fontconfig and cairo keep for the life of the process are no leak of ours.
    suppressions=$(cd "$(dirname "$0")/../../.." && pwd)/tests/gui/lsan.supp
    LSAN_OPTIONS="suppressions=$suppressions:fast_unwind_on_malloc=0:print_suppressions=0" \
      xvfb-run -a -s "-screen 0 1024x768x24" "$hostprog" edit "$plugin" --param 8=0.1 --duration 1500 \
      --screenshot "$work/no/such/folder/shot.png" >"$work/out" 2>"$work/err" </dev/null
    status=$?
    expect_failure "screenshot" "edit with a screenshot it cannot write"
    grep '^parameter 8 ' "$work/out" >"$work/edited"
    host describe "$plugin"
    grep -q '^parameter 8 ' "$work/edited" && ! grep -qxFf "$work/edited" "$work/out" ||
      fail "edit --param 8=0.1: the threshold left as it was: $(cat "$work/edited")"
  fi
  ;;
rtas)
  # The raw files' channels are the type's.
  make_audio raw "$work/mono.raw" 1 500
  host render "$plugin" "$work/mono.raw" "$work/kvms.raw" --type Kvms
  expect_status 0 "render Kvms"
  grep -q '^rendered 500 frames, 1 in, 2 out,' "$work/out" || fail "render Kvms: $(cat "$work/out")"
  cp "$work/mono.raw" "$work/音.raw"
  host render "$plugin" "$work/音.raw" "$work/音-out.raw" --type Kvas
  expect_status 0 "render of 音.raw"
  [ -s "$work/音-out.raw" ] || fail "render of 音.raw: no 音-out.raw"
  ;;
esac

[ "$failures" -eq 0 ] || exit 1
echo "$name: all checks passed"
