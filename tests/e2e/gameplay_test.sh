#!/usr/bin/env bash
# A game under a private X server: "Play" and "Start" begin it, Right moves the ship and Z fires.
# The game runs at 250 ms a tick so that the scene holds still while a screenshot is taken.
# Usage: gameplay_test.sh GAME_FOLDER ART_FOLDER
source "$(dirname "$0")/game_session.sh"
readonly GAME_FOLDER=$1 ART_FOLDER=$2
readonly SKY_BAND=800x430+0+64  # below the ozone row, above the ground

need_tools xdotool import convert
[[ -f $ART_FOLDER/ship_right.png && -f $ART_FOLDER/bullet1.png ]] || { echo "skipped: no art"; exit "$SKIP"; }

# The fully opaque colours of a picture, one #RRGGBB a line.
opaque_colours() {
  convert "$1" txt:- | grep -o '#[0-9A-F]\{8\}' | grep 'FF$' | cut -c1-7 | sort -u
}
# The cockpit: the bluest opaque colour of the ship.
cockpit=$(convert "$ART_FOLDER/ship_right.png" txt:- |
  sed -n 's/.*(\([0-9]*\),[0-9]*,\([0-9]*\),255) *\(#[0-9A-F]\{6\}\).*/\2 \1 \3/p' |
  awk '{ print $1 - $2, $3 }' | sort -n | tail -n1 | cut -d' ' -f2)
opaque_colours "$ART_FOLDER/bullet1.png" >"$SESSION_DIR/bullet_colours"
opaque_colours "$ART_FOLDER/bullet2.png" >>"$SESSION_DIR/bullet_colours"

# Mean x of the pixels of colour $2 in the sky band of screenshot $1 (nothing when there are none).
mean_x_of() {
  convert "$SESSION_DIR/$1.png" -crop "$SKY_BAND" +repage txt:- | grep -i "$2" |
    awk -F'[,:]' '{ sum += $1; n++ } END { if (n) printf "%.1f\n", sum / n }'
}
# Pixels of the sky band of screenshot $1 in any bullet colour.
bullet_pixels() {
  convert "$SESSION_DIR/$1.png" -crop "$SKY_BAND" +repage txt:- | grep -o '#[0-9A-F]\{6\}' |
    grep -cixFf "$SESSION_DIR/bullet_colours" || true
}

start_x_server
copy_game "$GAME_FOLDER" '250\r\n0\r\n0\r\n'
SDL_AUDIODRIVER=dummy start_game
xdotool mousemove 580 504 click 1
sleep 0.3
xdotool mousemove 724 556 click 1
sleep 0.6

screenshot before
x_before=$(mean_x_of before "$cockpit")
[[ -n $x_before ]] || fail "no ship on screen after \"Start\""
[[ $(bullet_pixels before) -eq 0 ]] || fail "a bullet is on screen before Z"

# Right and Z held over a few ticks: the ship drifts right and a bullet leaves its nose.
xdotool keydown Right keydown z
sleep 1.2
xdotool keyup z keyup Right
screenshot after
x_after=$(mean_x_of after "$cockpit")
[[ -n $x_after ]] || fail "the ship is gone"
awk -v a="$x_after" -v b="$x_before" 'BEGIN { exit !(a > b + 2) }' ||
  fail "the ship did not move right ($x_before -> $x_after)"
bullets=$(bullet_pixels after)
[[ $bullets -gt 10 ]] || fail "no bullet on screen after Z ($bullets pixels)"

hold_key Escape
expect_clean_exit
echo "passed: the ship moved right from x $x_before to $x_after and fired ($bullets bullet pixels)"
