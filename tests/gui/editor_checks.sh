# Shared steps of the editor tests (sourced): waiting for the host, the knob drag, and the checks of the screenshot
# and the automation log. The caller sets `log` (the host's output) and `host_pid`.

fail() {
  echo "FAIL: $*" >&2
  echo "--- host output ($log):" >&2
  cat "$log" >&2 || true
  exit 1
}

# Waits (at most 30 s) for a line matching $1 in the host's output.
wait_for_line() {
  for _ in $(seq 300); do
    grep -q "$1" "$log" && return 0
    kill -0 "$host_pid" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

# The host's top-level window (its title starts with "vst2host").
host_window() {
  timeout 10 xdotool search --sync --onlyvisible --name '^vst2host' | head -n 1
}

# The Threshold knob covers 246,44 to 350,148 of the editor: press at its centre, move up 100 pixels in steps, release.
drag_threshold_up() {
  local window=$1
  xdotool mousemove --window "$window" 298 96
  sleep 0.3
  xdotool mousedown 1
  for step in $(seq 10 10 100); do
    sleep 0.05
    xdotool mousemove --window "$window" 298 $((96 - step))
  done
  sleep 0.3
  xdotool mouseup 1
}

# Fails unless $1 is a PNG of 811 x 286 pixels.
check_screenshot() {
  local shot=$1 size
  [ -s "$shot" ] || fail "no screenshot at $shot"
  # The PNG signature, then the IHDR chunk whose first two words are the width and the height (big-endian).
  local head
  head=$(od -An -tx1 -N24 "$shot" | tr -d ' \n')
  [ "${head:0:16}" = 89504e470d0a1a0a ] && [ "${head:24:8}" = 49484452 ] || fail "$shot is not a PNG"
  size="$((16#${head:32:8}))x$((16#${head:40:8}))"
  [ "$size" = 811x286 ] || fail "the screenshot is $size, not 811x286"
  echo "screenshot $shot: $size"
}

# Fails unless the log holds automation of parameter 8 (opcode 0), all of it between a begin (43) and an end (44) of
# edit for that parameter, with values rising (the knob was dragged up).
check_threshold_automation() {
  awk '
    /^opcode 43 index 8 / { open = 1; next }
    /^opcode 0 index 8 / {
      if (!open) outside++
      else { if (inside == 0) first = $6; last = $6; inside++ }
      next
    }
    /^opcode 44 index 8 / { if (open) closed = 1; open = 0 }
    END { exit !(inside > 0 && outside == 0 && closed && last > first) }
  ' "$log" || fail "no rising automation of parameter 8 bracketed by begin and end of edit"
  echo "automation of parameter 8 from $(grep -m1 '^opcode 0 index 8 ' "$log" | cut -d' ' -f6) to $(grep '^opcode 0 index 8 ' "$log" | tail -n1 | cut -d' ' -f6)"
}
