#!/usr/bin/env bash
# A real Linux VST 2 host's plug-in scanner (Ardour's) loads the plug-in, reads its identity and unloads it.
# Usage: real_host_scan.sh SCANNER PLUGIN
set -euo pipefail
scanner=$1
plugin=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/qor-scan.XXXXXX")
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache HOME=$work
export LD_LIBRARY_PATH=$(dirname "$scanner")${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}
output=$("$scanner" -f -v "$plugin" 2>&1) || { echo "$output"; echo "FAIL: the scanner failed"; exit 1; }
echo "$output"
# 'QKvp' is 1363900016; two inputs, two outputs, an editor, replacing process.
for expected in 'Found Plugin' 'id="1363900016"' 'name="Qor Kalvenor"' 'n_inputs="2"' 'n_outputs="2"' \
                'has_editor="1"' 'can_process_replace="1"'; do
  grep -qF "$expected" <<<"$output" || { echo "FAIL: the scan does not show $expected"; exit 1; }
done
echo "OK: the real host's scanner loads the plug-in"
