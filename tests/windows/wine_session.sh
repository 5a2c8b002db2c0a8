# Sourced by the Windows tests: a private X server, a Wine prefix of their own (a fresh user
# profile) with its server kept running, and the helpers the tests share. Sets $work, $DISPLAY and
# $WINEPREFIX; everything goes when the test ends.
set -euo pipefail

work=$(mktemp -d)
xvfb_pid=""

wine_session_cleanup() {
  if [[ -n ${WINEPREFIX:-} && -d ${WINEPREFIX:-} ]]; then wineserver -k 2>/dev/null || true; fi
  if [[ -n $xvfb_pid ]]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap wine_session_cleanup EXIT
# A signal ends the script through its exit, so the clean-up runs then too.
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Runs the command until it succeeds or SECONDS_ seconds have passed.
wait_until() {
  local seconds=$1
  shift
  local tries
  for ((tries = 0; tries < seconds * 10; tries++)); do
    if "$@"; then return 0; fi
    sleep 0.1
  done
  return 1
}

# The X server picks a free display itself and tells its number.
Xvfb -displayfd 3 -noreset -screen 0 800x600x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
wait_until 10 test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n1 "$work/display")"

# A new prefix is a new Windows user: no game installed, no settings, empty Start menu. Wine's
# own messages stay out of the tests' output; the server stays up between the programs (a cold
# start of each costs seconds).
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$WINEPREFIX"
wineserver -p
wineboot --init >"$work/wineboot.log" 2>&1 || fail "wineboot failed: $(tail -n 5 "$work/wineboot.log")"

# The Windows path of a file or folder in this machine's file system.
windows_path() { winepath -w "$1" 2>/dev/null; }
# This machine's path of a Windows path.
unix_path() { winepath -u "$1" 2>/dev/null; }

window_named() { xdotool search --name "^$1\$" 2>/dev/null | head -n1; }
has_window() { [[ -n $(window_named "$1") ]]; }
window_gone() { ! has_window "$1"; }

# A click as a user makes it: the pointer arrives, then the button goes down and up (Wine takes
# a press that comes with the move as one at the pointer's old place).
click_at() {
  xdotool mousemove --window "$1" "$2" "$3" 2>>"$work/xdotool.log"
  sleep 0.2
  xdotool click 1 2>>"$work/xdotool.log"
  sleep 0.2
}
