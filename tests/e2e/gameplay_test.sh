#!/usr/bin/env bash
# A game under a private X server: "Play" and "Start" begin it, Right moves the ship and Z fires.
# At 100 ms a tick the game runs slowly enough to be followed on screenshots.
# Usage: gameplay_test.sh GAME_FOLDER ART_FOLDER
source "$(dirname "$0")/game_session.sh"
readonly GAME_FOLDER=$1 ART_FOLDER=$2
readonly SKY_BAND=800x430+0+64  # below the ozone row, above the ground

need_tools xdotool import convert
[[ -f $ART_FOLDER/ship_right.png ]] || { echo "skipped: no art"; exit "$SKIP"; }

# The cockpit: the bluest opaque colour of the ship, found nowhere else in the sky.
cockpit=$(convert "$ART_FOLDER/ship_right.png" txt:- |
  sed -n 's/.*(\([0-9]*\),[0-9]*,\([0-9]*\),255) *\(#[0-9A-F]\{6\}\).*/\2 \1 \3/p' |
  awk '{ print $1 - $2, $3 }' | sort -n | tail -n1 | cut -d' ' -f2)

# Centre x of the cockpit in the sky band of screenshot $1 (nothing when it is not there).
ship_x() {
  convert "$SESSION_DIR/$1.png" -crop "$SKY_BAND" +repage -fill black +opaque "$cockpit" \
    -fill white -opaque "$cockpit" -format '%@' info: |
    awk -F'[x+]' '$1 > 0 && $1 < 40 { print $3 + $1 / 2 }'
}
# Strongly yellow pixels in the sky band of screenshot $1: the shots' rings and centres. At the
# start of a game the sky holds only red CO2, violet rays and green CFCs.
yellow_pixels() {
  convert "$SESSION_DIR/$1.png" -crop "$SKY_BAND" +repage -fx 'r > 0.8 && g > 0.7 && b < 0.5' \
    -format '%[fx:round(mean * w * h)]' info:
}

start_x_server
copy_game "$GAME_FOLDER" '100\r\n0\r\n0\r\n'
SDL_AUDIODRIVER=dummy start_game
xdotool mousemove 580 504 click 1
sleep 0.3
xdotool mousemove 724 556 click 1

# The game is on once the orange "Gas Destroyed" gauge shows instead of the instructions.
for try in $(seq 20); do
  screenshot before
  [[ $(count_colour before 20x4+420+20 FF8000) -eq 80 ]] && break
done
[[ $(count_colour before 20x4+420+20 FF8000) -eq 80 ]] || fail "no game after \"Start\""
x_before=$(ship_x before)
[[ -n $x_before ]] || fail "no ship on screen after \"Start\""
[[ $(yellow_pixels before) -eq 0 ]] || fail "something yellow is in the sky before Z"

# Right and Z held: the ship drifts right, and a shot leaves its nose every 8 ticks.
xdotool keydown Right keydown z
most_yellow=0
x_after=$x_before  # the rightmost place seen before the ship wraps round to the left edge
for frame in 1 2 3 4 5 6; do
  screenshot "held$frame"
  yellow=$(yellow_pixels "held$frame")
  ((yellow > most_yellow)) && most_yellow=$yellow
  x=$(ship_x "held$frame")  # nothing while the ship wraps round from the right edge
  [[ -z $x ]] || x_after=$(awk -v a="$x_after" -v b="$x" 'BEGIN { print (b > a ? b : a) }')
done
xdotool keyup z keyup Right
awk -v a="$x_after" -v b="$x_before" 'BEGIN { exit !(a > b + 10) }' ||
  fail "the ship did not move right ($x_before -> at most $x_after)"
[[ $most_yellow -gt 10 ]] || fail "no shot on screen while Z was held"

hold_key Escape
expect_clean_exit
echo "passed: the ship moved right from x $x_before to $x_after and fired ($most_yellow shot pixels)"
