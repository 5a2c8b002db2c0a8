#!/usr/bin/env bash
# A game left to itself at 1 ms a tick: the ship falls three times, the lose screen follows,
# and Space returns to the title screen.
# Usage: game_over_test.sh GAME_FOLDER ART_FOLDER
source "$(dirname "$0")/game_session.sh"
readonly GAME_FOLDER=$1 ART_FOLDER=$2

need_tools xdotool import convert compare
[[ -f $ART_FOLDER/lose.png && -f $ART_FOLDER/title.png ]] || { echo "skipped: no art"; exit "$SKIP"; }

# True when screenshot $1 shows picture $2 above the menu labels (1 % of pixels may differ).
shows() {
  local differing
  differing=$(differing_pixels "$1" "$ABOVE_MENU" "$ART_FOLDER/$2")
  awk -v d="$differing" 'BEGIN { exit !(d < 800 * 470 / 100) }'
}

start_x_server
copy_game "$GAME_FOLDER" '1\r\n0\r\n0\r\n'
SDL_AUDIODRIVER=dummy start_game
xdotool mousemove 580 504 click 1
sleep 0.3
xdotool mousemove 724 556 click 1

# Three falls and the countdown take about 1100 ticks; a loaded machine may take a while longer.
lost=""
attempt=0
until [[ -n $lost || $SECONDS -gt 90 ]]; do
  attempt=$((attempt + 1))
  screenshot playing
  if shows playing lose.png; then lost=yes; fi
done
[[ -n $lost ]] || fail "no lose screen within 90 s"

hold_key space
back=""
for try in $(seq 20); do
  screenshot back
  if shows back title.png; then back=yes; break; fi
done
[[ -n $back ]] || fail "Space on the lose screen did not return to the title"

hold_key Escape
expect_clean_exit
echo "passed: lose screen after $attempt screenshots, Space back to the title"
