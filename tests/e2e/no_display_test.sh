#!/usr/bin/env bash
# Without a display the game says so on standard error and fails, instead of crashing. A display
# named that does not answer is tried for a short while, then named in the message with the
# reason, by the game and by the options editor alike.
# Usage: no_display_test.sh GAME_FOLDER
source "$(dirname "$0")/game_session.sh"
readonly GAME_FOLDER=$1
copy_game "$GAME_FOLDER" '10\r\n0\r\n0\r\n'
cp "$GAME_FOLDER/SkyscrubSetup" "$GAME_DIR/"

for display in "" ":987"; do
  status=0
  env -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER DISPLAY="$display" SDL_AUDIODRIVER=dummy \
    timeout 20 "$GAME_DIR/Skyscrub" >"$SESSION_DIR/out" 2>"$SESSION_DIR/err" || status=$?
  [[ $status -ne 0 && $status -ne 124 ]] || fail "DISPLAY='$display': status $status"
  grep -q '^Skyscrub: cannot open a display: ' "$SESSION_DIR/err" ||
    fail "DISPLAY='$display': no message, stderr was: $(cat "$SESSION_DIR/err")"
done

for program in Skyscrub SkyscrubSetup; do
  status=0
  env -u SDL_VIDEODRIVER DISPLAY=:987 SDL_AUDIODRIVER=dummy \
    timeout 20 "$GAME_DIR/$program" >"$SESSION_DIR/out" 2>"$SESSION_DIR/err" || status=$?
  [[ $status -eq 1 ]] || fail "$program: status $status"
  grep -qx "$program: cannot open a display: :987: no X server runs there (tried for [0-9]* s)" "$SESSION_DIR/err" ||
    fail "$program: the message does not name the display and the reason: $(cat "$SESSION_DIR/err")"
done
echo "passed: no display and a bogus display fail with the message, which names the display"
