#!/usr/bin/env bash
# The effect's editor in aaxhost's window under Xvfb: the session must end well, and its screenshot must be of the
# size aaxhost reported for the view and show a picture.
# Usage: editor_screenshot.sh XVFB_RUN AAXHOST PLUGIN SCREENSHOT CHECKER
set -uo pipefail
xvfb=$1 host=$2 plugin=$3 shot=$4 check=$5
rm -f "$shot"
out=$("$xvfb" -a -s "-screen 0 1024x768x24 -noreset" "$host" edit "$plugin" --screenshot "$shot" --duration 2000) ||
  { echo "FAIL: aaxhost edit exited $?"; exit 1; }
view=$(grep -m1 '^view ' <<<"$out") || { echo "FAIL: no view line in: $out"; exit 1; }
read -r _ width _ height <<<"$view"
[ "$width" = 811 ] && [ "$height" = 286 ] || { echo "FAIL: view $width x $height, not the editor's 811 x 286"; exit 1; }
"$check" "$shot" "$width" "$height" || { echo "FAIL: the screenshot does not show the editor"; exit 1; }
echo "OK"
