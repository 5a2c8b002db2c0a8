#!/usr/bin/env bash
# On a display that cannot show 800 x 600 the game says "Mode not supported" once, over the
# title screen already drawn, and then runs in an 800 x 600 window at the top-left corner.
# Usage: unsupported_mode_test.sh GAME_FOLDER ART_FOLDER
source "$(dirname "$0")/game_session.sh"
readonly GAME_FOLDER=$1 ART_FOLDER=$2

need_tools xdotool xwininfo import convert compare
start_x_server 1024x768
copy_game "$GAME_FOLDER" '10\r\n0\r\n0\r\n'
SDL_AUDIODRIVER=dummy start_game

box=$(await_message_box Error)
[[ -n $box ]] || fail "no message box titled Error appeared"
screenshot behind_box
if [[ -f $ART_FOLDER/title.png ]]; then
  differing=$(differing_pixels behind_box 800x150+0+0 "$ART_FOLDER/title.png")
  awk -v d="$differing" 'BEGIN { exit !(d < 800 * 150 / 100) }' ||
    fail "the title screen was not drawn behind the box ($differing pixels differ)"
fi

# A click on OK (centred at the bottom of the box) closes it; the game goes on in its window.
click_ok "$box"
[[ -z $(await_message_box Error closed) ]] || fail "the box stayed open after a click on OK"
read -r window <"$SESSION_DIR/window"
geometry=$(xdotool getwindowgeometry "$window")
grep -q 'Position: 0,0' <<<"$geometry" && grep -q 'Geometry: 800x600' <<<"$geometry" ||
  fail "the window is not 800 x 600 at 0,0: $geometry"

xdotool mousemove 100 100
hold_key Escape
expect_clean_exit
echo "passed: one \"Mode not supported\" box, then the game in its window, Escape ends it"
