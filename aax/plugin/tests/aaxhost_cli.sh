#!/usr/bin/env bash
# aaxhost run as a user would run it: the outputs other tools rely on, a raw render equal to the same render in
# blocks of another size, state files that load back, and a one-line failure for each bad input.
set -uo pipefail
host=$1
plugin=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

out=$("$host" describe "$plugin") || fail "describe exited $?"
grep -qx 'sdk-version 0x00000201007756BF' <<<"$out" || fail "no SDK version line"
grep -qx "config 1 in 1 out 2 native 'Kvms' audiosuite 'Kvam' manufacturer 'Qora' product 'QKvp'" <<<"$out" ||
  fail "no line of configuration 1"
[ "$(grep -c '^parameter ' <<<"$out")" -eq 17 ] || fail "not 17 parameter lines"
[ "$(grep '^parameter ' <<<"$out" | head -1 | cut -d' ' -f2)" = MasterBypassID ] || fail "bypass not first"
grep -q '^parameter 8 "8: Threshold" steps 100 ' <<<"$out" || fail "no threshold line"

# One second of stereo noise-like signal, raw interleaved floats.
awk 'BEGIN { for (i = 0; i < 44100; i++) printf "%c%c%c%c", 0, 0, (i * 7) % 64, 62 + (i % 2) }' >"$work/in.raw"
"$host" render "$plugin" "$work/in.raw" "$work/a.raw" --raw --param 8=0.3 >/dev/null || fail "render exited $?"
"$host" render "$plugin" "$work/in.raw" "$work/b.raw" --raw --param 8=0.3 --block 512 >/dev/null || fail "render 2"
cmp -s "$work/a.raw" "$work/b.raw" || fail "the same render differs"
[ "$(stat -c %s "$work/a.raw")" -eq "$(stat -c %s "$work/in.raw")" ] || fail "output length differs from input"
"$host" render "$plugin" "$work/in.raw" "$work/c.raw" --raw --bypass >/dev/null || fail "bypass render"
cmp -s "$work/in.raw" "$work/c.raw" || fail "bypass changed the signal"

"$host" save-state "$plugin" "$work/all.bin" --program 3 >/dev/null || fail "save-state exited $?"
"$host" load-state "$plugin" "$work/all.bin" | grep -q '^parameter 8 ' || fail "load-state printed no parameters"
"$host" save-state "$plugin" "$work/elck.bin" --chunk elck --param 8=0.25 >/dev/null || fail "save elck"
loaded=$("$host" load-state "$plugin" "$work/elck.bin" --chunk elck | grep '^parameter 8 ')
[ -n "$loaded" ] || fail "elck did not load"
[ "$loaded" != "$(grep '^parameter 8 ' <<<"$out")" ] || fail "elck load left the threshold at its default"

check_failure() {
  local what=$1; shift
  local message
  message=$("$host" "$@" 2>&1 >/dev/null)
  local status=$?
  [ $status -ne 0 ] || fail "$what: exit status 0"
  [ "$(printf '%s\n' "$message" | grep -c .)" -ge 1 ] || fail "$what: no message"
  printf '%s\n' "$message" | head -1 | grep -q '^aaxhost: ' || fail "$what: message '$message'"
}
check_failure "missing input" render "$plugin" "$work/missing.raw" "$work/x.raw" --raw
check_failure "unknown parameter" render "$plugin" "$work/in.raw" "$work/x.raw" --raw --param 99=0.5
check_failure "unknown program" render "$plugin" "$work/in.raw" "$work/x.raw" --raw --program "No Such Program"
check_failure "unknown option" describe "$plugin" --no-such-option
check_failure "missing state file" load-state "$plugin" "$work/missing.bin"
check_failure "missing plug-in" describe "$work/missing.aaxplugin"

# A state the plug-in does not take is reported, in one line, never as a success.
head -c 300 /dev/urandom >"$work/random.bin"
: >"$work/empty.bin"
printf 'threshold = 0.3\nmakeup = 0.6\n' >"$work/text.bin"
for state in random empty text; do
  check_failure "$state state" load-state "$plugin" "$work/$state.bin"
  lines=$("$host" load-state "$plugin" "$work/$state.bin" 2>&1 | grep -c .)
  [ "$lines" -eq 1 ] || fail "$state state: $lines lines of output, not one"
done
echo "OK"
