#!/usr/bin/env bash
# Skyscrub --fullscreen on a 1920 x 1080 screen with a window manager: the whole screen at its
# own mode (never changed, no mode message), the canvas 1440 x 1080 between black bars, "Play"
# red under the pointer where it is drawn, F11 to an 800 x 600 window; --window=1 gives the
# 800 x 600 window; a window too large for the screen is refused with one line and status 2; and
# without a window manager the full screen still fills the screen, after F11 and back too.
# Usage: full_screen_test.sh GAME_FOLDER ART_FOLDER
source "$(dirname "$0")/game_session.sh"
readonly GAME_FOLDER=$1 ART_FOLDER=$2
readonly SCREEN=1920x1080

need_tools xdotool xwininfo xdpyinfo import convert compare
start_desktop $SCREEN "$GAME_FOLDER"

# Twice the canvas is 1600 x 1200: more than this screen has.
status=0
"$GAME_DIR/Skyscrub" --window=2 >"$SESSION_DIR/refused.out" 2>"$SESSION_DIR/refused.err" || status=$?
[[ $status -eq 2 ]] || fail "--window=2 on a 1920 x 1080 screen ended with status $status, not 2"
[[ $(wc -l <"$SESSION_DIR/refused.err") -eq 1 ]] || fail "not one line on stderr: $(cat "$SESSION_DIR/refused.err")"
grep -q -- '--window=1 is the largest' "$SESSION_DIR/refused.err" || fail "the message names no scale that fits"

screen_mode() { xdpyinfo | awk '/dimensions:/ { print $2 }'; }

SDL_AUDIODRIVER=dummy start_game --fullscreen
read -r window <"$SESSION_DIR/window"
read -r X Y W H < <(client_area "$window")
[[ "$W x $H at $X,$Y" == "1920 x 1080 at 0,0" ]] || fail "the game is $W x $H at $X,$Y, not the whole screen"
[[ $(screen_mode) == "$SCREEN" ]] || fail "the screen's mode changed to $(screen_mode)"

# The title scaled 1.8 times, its shape kept: black bars of 240 pixels left and right.
xdotool mousemove 300 200
screenshot title
[[ -z $(xwininfo -root -tree | grep '"Error"') ]] || fail "a mode message came up"
all_black title 240x1080+0+0 || fail "no black bar left of the canvas"
all_black title 240x1080+1680+0 || fail "no black bar right of the canvas"
if all_black title 1x1080+240+0 || all_black title 1x1080+1679+0; then fail "the canvas does not reach the bars"; fi
if [[ -f $ART_FOLDER/title.png ]]; then
  canvas_shown title 1440x1080+240+0 title_canvas
  differing=$(differing_pixels title_canvas "$ABOVE_MENU" "$ART_FOLDER/title.png")
  awk -v d="$differing" 'BEGIN { exit !(d < 800 * 470 / 100) }' ||
    fail "the title is not drawn 1.8 times as large ($differing pixels differ)"
fi

# "Play" (540, 476, 81 x 57 on the canvas) turns red where it is drawn.
xdotool mousemove $((240 + 570 * 9 / 5)) $((500 * 9 / 5))
screenshot hover
red=$(count_colour hover 146x103+1212+857 FF0000)
[[ $red -gt 300 ]] || fail "\"Play\" did not turn red under the mouse ($red red pixels)"

# F11 leaves the full screen for the largest window that fits: 800 x 600 here.
xdotool key F11
read -r X Y W H < <(await_client_size "$window" "800 600")
[[ "$W x $H" == "800 x 600" ]] || fail "F11 gave a $W x $H window, not 800 x 600"
xdotool mousemove $((X + 100)) $((Y + 100))
hold_key Escape
expect_clean_exit
[[ $(screen_mode) == "$SCREEN" ]] || fail "the screen's mode changed at the end to $(screen_mode)"

# --window=1: the canvas at its own size in a window.
SDL_AUDIODRIVER=dummy start_game --window=1
read -r window <"$SESSION_DIR/window"
read -r X Y W H < <(client_area "$window")
[[ "$W x $H" == "800 x 600" ]] || fail "--window=1 gave a $W x $H window"
xdotool mousemove $((X + 100)) $((Y + 100))
hold_key Escape
expect_clean_exit
# Without a window manager nobody makes the window fill the screen: the game does, at the start
# and again after F11 has made it a window; the canvas spans the whole height between its bars.
kill "$WM_PID"
wait "$WM_PID" 2>/dev/null || true
SDL_AUDIODRIVER=dummy start_game --fullscreen
read -r window <"$SESSION_DIR/window"
for pass in start again; do
  read -r X Y W H < <(await_client_size "$window" "1920 1080")
  [[ "$W x $H at $X,$Y" == "1920 x 1080 at 0,0" ]] || fail "without a window manager ($pass) the game is $W x $H at $X,$Y"
  screenshot bare_$pass
  if all_black bare_$pass 1440x1+240+0 || all_black bare_$pass 1440x1+240+1079; then
    fail "without a window manager ($pass) the canvas does not span the screen's height"
  fi
  [[ $pass == again ]] && break
  xdotool key F11
  await_client_size "$window" "800 600" >/dev/null
  xdotool key F11
done
hold_key Escape
expect_clean_exit

echo "passed: refused --window=2, full screen at the screen's mode with bars, Play, F11, --window=1, full screen without a window manager"
