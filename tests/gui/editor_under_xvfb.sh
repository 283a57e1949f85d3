#!/usr/bin/env bash
# The real editor in a real X window: vst2host opens it under Xvfb and saves a screenshot, xdotool drags the
# Threshold knob upwards, and the host must have logged the knob's automation (parameter 8) inside its edit
# brackets. The screenshot and the host's output stay in ARTIFACTS.
# Usage: editor_under_xvfb.sh VST2HOST PLUGIN ARTIFACTS
set -euo pipefail
host=$1
plugin=$2
artifacts=$3

if [ -z "${QOR_EDITOR_XVFB_INNER:-}" ]; then
  export QOR_EDITOR_XVFB_INNER=1
  exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$0" "$@"
fi
source "$(dirname "$0")/editor_checks.sh"

# The plug-in reads and writes the per-user store: keep the user's own out of the test and the test's out of it.
XDG_CONFIG_HOME=$(mktemp -d "${TMPDIR:-/tmp}/qor-editor-config.XXXXXX")
export XDG_CONFIG_HOME

mkdir -p "$artifacts"
shot=$artifacts/editor.png
log=$artifacts/editor-xvfb.log
rm -f "$shot" "$log"

"$host" edit "$plugin" --screenshot "$shot" --after 1500 --duration 6000 --log-automation >"$log" 2>&1 &
host_pid=$!
trap 'kill "$host_pid" 2>/dev/null || true; rm -rf "$XDG_CONFIG_HOME"' EXIT

wait_for_line '^editor open' || fail "the editor did not open"
window=$(host_window) || fail "no host window found"
# The screenshot shows the editor as it opened; the drag comes after it.
wait_for_line '^screenshot ' || fail "no screenshot was taken"
drag_threshold_up "$window"

wait "$host_pid" || fail "vst2host edit failed"
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT
check_screenshot "$shot"
check_threshold_automation
