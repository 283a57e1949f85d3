#!/usr/bin/env bash
# Runs a command with Windows programs whose windows really open: an X server of its own (Xvfb) and a fresh Wine
# prefix with its own server, both gone afterwards (the shared prefixes of the other tests stay headless). The
# command runs Windows programs through the emulator itself. Returns the command's exit code.
# Usage: wine_under_xvfb.sh EMULATOR... -- COMMAND [ARGUMENTS...]
#   EMULATOR is the cross build's emulator command (cmake/wine-run and its architecture), used for wineboot.
set -euo pipefail

if [ -z "${QOR_WINE_XVFB_INNER:-}" ]; then
  export QOR_WINE_XVFB_INNER=1
  exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$0" "$@"
fi

emulator=()
while [ $# -gt 0 ] && [ "$1" != -- ]; do
  emulator+=("$1")
  shift
done
[ $# -gt 1 ] && [ ${#emulator[@]} -gt 0 ] || { echo "usage: $0 EMULATOR... -- COMMAND [ARGUMENTS...]" >&2; exit 2; }
shift

WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/qor-wine-xvfb.XXXXXX")
export WINEPREFIX
# cmake/wine-run keeps this display instead of running headless.
export QOR_WINE_DISPLAY=$DISPLAY
# A 32-bit prefix needs the 32-bit server (the plain "wineserver" command starts the 64-bit one, and the prefix then
# counts as a 64-bit installation that the 32-bit loader refuses).
server=wineserver
for argument in "${emulator[@]}"; do
  if [ "$argument" = x86 ] && [ -x /usr/lib/wine/wineserver32 ]; then
    server=/usr/lib/wine/wineserver32
    export WINESERVER=$server
  fi
done
cleanup() {
  "$server" -k >/dev/null 2>&1 || true
  rm -rf "$WINEPREFIX"
}
trap cleanup EXIT
# The server first, so the prefix's services start under wineboot (output discarded), not under the command.
"$server" -p
"${emulator[@]}" wineboot -i >/dev/null 2>&1 </dev/null
status=0
"$@" </dev/null || status=$?
exit $status
