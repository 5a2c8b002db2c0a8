#!/usr/bin/env bash
# The real game under a private X server: the title screen fills the 800 x 600 window,
# "Play" turns red under the mouse, a click leads to the instructions, Escape ends the game.
# Usage: title_to_game_test.sh GAME_FOLDER ART_FOLDER
source "$(dirname "$0")/game_session.sh"
readonly GAME_FOLDER=$1 ART_FOLDER=$2
readonly PLAY_BOX=81x57+540+476 QUIT_BOX=79x57+536+536

need_tools xdotool import convert compare
start_x_server
copy_game "$GAME_FOLDER" '10\r\n0\r\n0\r\n'
SDL_AUDIODRIVER=dummy start_game

read -r window <"$SESSION_DIR/window"
geometry=$(xdotool getwindowgeometry "$window")
grep -q 'Position: 0,0' <<<"$geometry" || fail "window not at 0,0: $geometry"
grep -q 'Geometry: 800x600' <<<"$geometry" || fail "window not 800 x 600: $geometry"
if command -v xprop >/dev/null; then
  expect_game_icon "$window"
  xprop -id "$window" _NET_WM_STATE | grep -q '_NET_WM_STATE_ABOVE' || fail "the window is not kept on top"
fi

# The title screen: the title picture where it has no label over it.
xdotool mousemove 100 100
screenshot title
brightness=$(convert "$SESSION_DIR/title.png" -format '%[fx:mean]' info:)
awk -v b="$brightness" 'BEGIN { exit !(b > 0.05) }' || fail "the screen is black (mean $brightness)"
if [[ -f $ART_FOLDER/title.png ]]; then
  differing=$(differing_pixels title "$ABOVE_MENU" "$ART_FOLDER/title.png")
  awk -v d="$differing" 'BEGIN { exit !(d < 800 * 470 / 100) }' ||
    fail "the title picture is not on screen ($differing pixels differ)"
fi
[[ $(count_colour title "$PLAY_BOX" FF0000) -eq 0 ]] || fail "\"Play\" is red before the mouse is on it"

# "Play" turns red under the pointer, "Quit" stays white.
xdotool mousemove 570 500
screenshot hover
red=$(count_colour hover "$PLAY_BOX" FF0000)
[[ $red -gt 100 ]] || fail "\"Play\" did not turn red under the mouse ($red red pixels)"
[[ $(count_colour hover "$QUIT_BOX" FF0000) -eq 0 ]] || fail "\"Quit\" turned red too"

# A click on "Play" shows the instructions.
xdotool click 1
screenshot instructions
if [[ -f $ART_FOLDER/instructions.png ]]; then
  differing=$(differing_pixels instructions "$ABOVE_MENU" "$ART_FOLDER/instructions.png")
  awk -v d="$differing" 'BEGIN { exit !(d < 800 * 470 / 100) }' ||
    fail "the instructions picture is not on screen ($differing pixels differ)"
else
  [[ $(differing_pixels instructions "$ABOVE_MENU" "$SESSION_DIR/title.png") -gt 1000 ]] ||
    fail "the screen did not change after the click on \"Play\""
fi
[[ $(count_colour instructions "$PLAY_BOX" FF0000) -eq 0 ]] || fail "the title menu is still on screen"

# Escape ends the game, with status 0.
hold_key Escape
expect_clean_exit
echo "passed: title, hover, instructions, Escape"
