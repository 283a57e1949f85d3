#!/usr/bin/env bash
# The Windows editor in a Windows host window: the Windows vst2host opens the real editor under Wine (with an X server
# of its own), saves a screenshot of the window, which must be the editor's 811 x 286, and xdotool drags the Threshold
# knob as in the native test, which must arrive as automation. The screenshot and the host's output stay in ARTIFACTS.
# Usage: editor_under_wine.sh VST2HOST PLUGIN ARTIFACTS EMULATOR...
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

if [ "${1:-}" != --inside ]; then
  # Xvfb and a fresh Wine prefix first; this script then runs again inside them.
  emulator=("${@:4}")
  exec "$here/wine_under_xvfb.sh" "${emulator[@]}" -- "$0" --inside "$@"
fi
shift
host=$1
plugin=$2
artifacts=$3
emulator=("${@:4}")
source "$here/editor_checks.sh"

mkdir -p "$artifacts"
shot=$artifacts/editor-wine.png
log=$artifacts/editor-wine.log
rm -f "$shot" "$log"

# Wine starts slowly: the screenshot waits for the editor to have painted.
"${emulator[@]}" "$host" edit "$plugin" --screenshot "Z:$shot" --after 2500 --duration 9000 --log-automation \
  >"$log" 2>&1 </dev/null &
host_pid=$!
trap 'kill "$host_pid" 2>/dev/null || true' EXIT

wait_for_line '^editor open' || fail "the editor did not open"
window=$(host_window) || fail "no host window found"
wait_for_line '^screenshot ' || fail "no screenshot was taken"
drag_threshold_up "$window"

wait "$host_pid" || fail "vst2host edit failed under Wine"
trap - EXIT
check_screenshot "$shot"
check_threshold_automation
