#!/usr/bin/env bash
# Skyscrub --window on a 2560 x 1440 screen with a window manager: a decorated 1600 x 1200 window
# (the largest whole multiple of the canvas), not kept on top, the title drawn twice as large;
# "Play" and "Start" turn red and take the click where they are drawn; the game pauses when
# the window loses the focus and Space resumes it; F11 goes full screen and Alt+Enter comes back.
# Usage: window_mode_test.sh GAME_FOLDER ART_FOLDER
source "$(dirname "$0")/game_session.sh"
readonly GAME_FOLDER=$1 ART_FOLDER=$2
readonly SCREEN=2560x1440

need_tools xdotool xwininfo xmessage import convert compare
start_desktop $SCREEN "$GAME_FOLDER"
SDL_AUDIODRIVER=dummy start_game --window

read -r window <"$SESSION_DIR/window"
read -r X Y W H < <(client_area "$window")
[[ "$W x $H" == "1600 x 1200" ]] || fail "the window is $W x $H, not 1600 x 1200"
xprop -id "$window" _NET_FRAME_EXTENTS | grep -qE '= [1-9]' || fail "the window has no frame"
expect_game_icon "$window"
if xprop -id "$window" _NET_WM_STATE | grep -q '_NET_WM_STATE_ABOVE'; then fail "the window is kept on top"; fi

# A point of the canvas, as drawn twice as large in the window.
at() { echo $((X + 2 * $1)) $((Y + 2 * $2)); }
box() { echo "$((2 * $1))x$((2 * $2))+$((X + 2 * $3))+$((Y + 2 * $4))"; }

# The title, scaled whole by two, where no label covers it.
xdotool mousemove $(at 100 100)
screenshot title
if [[ -f $ART_FOLDER/title.png ]]; then
  canvas_shown title "$(box 800 600 0 0)" title_canvas
  differing=$(differing_pixels title_canvas "$ABOVE_MENU" "$ART_FOLDER/title.png")
  awk -v d="$differing" 'BEGIN { exit !(d < 800 * 470 / 100) }' ||
    fail "the title is not drawn twice as large ($differing pixels differ)"
fi

# "Play" turns red under the pointer where it is drawn, and takes the click there.
xdotool mousemove $(at 570 500)
screenshot hover_play
red=$(count_colour hover_play "$(box 81 57 540 476)" FF0000)
[[ $red -gt 400 ]] || fail "\"Play\" did not turn red under the mouse ($red red pixels)"
[[ $(count_colour hover_play "$(box 79 57 536 536)" FF0000) -eq 0 ]] || fail "\"Quit\" turned red too"
xdotool click 1
xdotool mousemove $(at 724 556)
screenshot hover_start
red=$(count_colour hover_start "$(box 89 57 680 528)" FF0000)
[[ $red -gt 400 ]] || fail "\"Start\" did not turn red under the mouse on the instructions ($red red pixels)"
xdotool click 1
screenshot playing
[[ $(count_colour playing "$(box 89 57 680 528)" FF0000) -eq 0 ]] || fail "the click on \"Start\" began no game"

# Another window takes the focus: the game pauses ("Game Paused" on its black panel).
readonly PAUSE_BOX=$(box 385 133 208 234)
[[ $(count_colour playing "$PAUSE_BOX" 000000) -lt 1000 ]] || fail "the game is paused before the focus went"
xmessage -geometry +10+10 "another window" &
other=$!
track "$other"
for tries in $(seq 50); do
  other_window=$(xdotool search --onlyvisible --name '^xmessage$' | head -n1) && [[ -n $other_window ]] && break
  sleep 0.1
done
[[ -n ${other_window:-} ]] || fail "no other window came up to take the focus"
xdotool windowactivate --sync "$other_window"
black=$(await_colour focus_lost "$PAUSE_BOX" 000000 100000)
[[ $black -gt 100000 ]] || fail "the game did not pause when the window lost the focus ($black black pixels)"
stop_tracked "$other"
xdotool windowactivate --sync "$window"
xdotool mousemove $(at 100 300)
hold_key space
screenshot resumed
[[ $(count_colour resumed "$PAUSE_BOX" 000000) -lt 1000 ]] || fail "Space did not resume the game"

# F11: the full screen, the canvas 1920 x 1440 between two black bars; Alt+Enter: back.
xdotool key F11
read -r fx fy fw fh < <(await_client_size "$window" "2560 1440")
[[ "$fw x $fh at $fx,$fy" == "2560 x 1440 at 0,0" ]] || fail "F11 gave $fw x $fh at $fx,$fy, not the full screen"
screenshot full_screen
all_black full_screen 320x1440+0+0 || fail "no black bar left of the canvas"
all_black full_screen 320x1440+2240+0 || fail "no black bar right of the canvas"
[[ $(count_colour full_screen 1920x40+320+0 000000) -lt 1000 ]] || fail "the canvas is not drawn between the bars"
xdotool key alt+Return
read -r bx by bw bh < <(await_client_size "$window" "1600 1200")
[[ "$bw x $bh" == "1600 x 1200" ]] || fail "Alt+Enter gave a $bw x $bh window, not 1600 x 1200 again"

hold_key Escape
expect_clean_exit
echo "passed: 1600 x 1200 window, scaled title, Play and Start, pause on focus loss, F11 and Alt+Enter"
