# Sourced by the command-line hosts' test scripts. They set hostprog (the host program), runner (an array: what runs
# it, Wine or qemu, or nothing) and work (a scratch folder), and count failures in failures.

# Runs the host; standard output (without carriage returns) in $work/out, errors in $work/err, exit code in $status.
# A Windows host under Wine gets absolute paths on Wine's drive of the whole file system.
host() {
  local args=() arg
  for arg in "$@"; do
    if [[ $hostprog == *.exe && $arg == /* ]]; then args+=("Z:$arg"); else args+=("$arg"); fi
  done
  "${runner[@]}" "$hostprog" "${args[@]}" >"$work/out.raw" 2>"$work/err.raw" </dev/null
  status=$?
  tr -d '\r' <"$work/out.raw" >"$work/out"
  tr -d '\r' <"$work/err.raw" >"$work/err"
}
fail() {
  echo "FAILED: $*"
  failures=$((failures + 1))
}
expect_status() { # expected description
  [ "$status" -eq "$1" ] || fail "$2: exit $status, expected $1 ($(head -n 3 "$work/err"))"
}
