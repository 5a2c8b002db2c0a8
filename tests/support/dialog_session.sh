# Sourced by the options dialog's end-to-end tests (Linux and Windows): a private X server, the
# program under test as $app_pid, a scratch folder $work, and the helpers both tests use. A test
# sets $settings to the settings file it checks; defines for its system run_dialog (the program in
# the foreground), has_window TITLE, click X Y (in the dialog) and press_ok MESSAGE-WINDOW; and may
# add clean-up steps to end_steps.
set -euo pipefail

work=$(mktemp -d)
xvfb_pid=""
app_pid=""
end_steps=()

end_session() {
  local step
  if [[ -n $app_pid ]]; then kill "$app_pid" 2>/dev/null || true; fi
  for step in "${end_steps[@]}"; do "$step" || true; done
  if [[ -n $xvfb_pid ]]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap end_session EXIT
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

# The X server picks a free display itself and tells its number; it must not reset between two
# runs of the dialog, as it refuses connections while it does.
Xvfb -displayfd 3 -noreset -screen 0 800x600x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
wait_until 10 test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n1 "$work/display")"

app_ended() { ! kill -0 "$app_pid" 2>/dev/null; }
window_named() { xdotool search --name "^$1\$" 2>/dev/null | head -n1; }
window_gone() { ! has_window "$1"; }

# Starts the dialog and waits for its window, $window; dialog_settles seconds more if a system asks.
dialog_settles=0
start_dialog() {
  run_dialog >>"$work/app.log" 2>&1 &
  app_pid=$!
  wait_until 30 has_window "Skyscrub Options" ||
    fail "the dialog did not open; the program $(app_ended && echo ended || echo "is still running"), its output: $(cat "$work/app.log")"
  window=$(window_named "Skyscrub Options")
  sleep "$dialog_settles"
}

# Answers the message box titled TITLE with OK: the dialog stays open.
expect_message() {
  wait_until 30 has_window "$1" || fail "no \"$1\" message"
  press_ok "$(window_named "$1")"
  wait_until 30 window_gone "$1" || fail "the \"$1\" message did not close"
  app_ended && fail "the program ended after the \"$1\" message"
  return 0
}

expect_ended() {
  wait_until 30 app_ended || fail "the program did not end"
  wait "$app_pid" || fail "the program ended with an error"
  app_pid=""
}

expect_file() {
  local expected=$1
  printf '%b' "$expected" | cmp -s - "$settings" || fail "expected file '$expected', found '$(od -c "$settings" 2>&1)'"
}

# Positions inside the dialog's client area.
click_speed_box() { click 198 69; }
click_music_box() { click 34 140; }
click_save() { click 208 186; }
click_cancel() { click 40 186; }

# With $game's components folder gone, the save reports "Oh Noes!", Cancel still ends the
# program, and no components folder appears.
expect_save_refused_without_components() {
  start_dialog
  click_save
  expect_message "Oh Noes!"
  click_cancel
  expect_ended
  [[ ! -e $game/components ]] || fail "the components folder appeared"
}

replace_speed() {
  click_speed_box
  xdotool key ctrl+a 2>>"$work/xdotool.log"
  xdotool type --delay 30 "$1" 2>>"$work/xdotool.log"
}
