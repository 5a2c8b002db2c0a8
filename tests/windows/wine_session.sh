# Sourced by the Windows tests: the dialog tests' session (a private X server, $work, the
# helpers), and a Wine prefix of their own (a fresh user profile) with its server kept running.
# Everything goes when the test ends.
source "$(dirname "${BASH_SOURCE[0]}")/../support/dialog_session.sh"

stop_wine() { if [[ -d ${WINEPREFIX:-} ]]; then wineserver -k 2>/dev/null; fi; }
end_steps+=(stop_wine)

# A new prefix is a new Windows user: no game installed, no settings, empty Start menu. Wine's
# own messages stay out of the tests' output; the server stays up between the programs (a cold
# start of each costs seconds).
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$WINEPREFIX"
wineserver -p
wineboot --init >"$work/wineboot.log" 2>&1 || fail "wineboot failed: $(tail -n 5 "$work/wineboot.log")"

# This machine's path of a Windows path.
unix_path() { winepath -u "$1" 2>/dev/null; }

has_window() { [[ -n $(window_named "$1") ]]; }

# A click as a user makes it: the pointer arrives, then the button goes down and up (Wine takes
# a press that comes with the move as one at the pointer's old place).
click_at() {
  xdotool mousemove --window "$1" "$2" "$3" 2>>"$work/xdotool.log"
  sleep 0.2
  xdotool click 1 2>>"$work/xdotool.log"
  sleep 0.2
}
