#!/usr/bin/env bash
# A game left to itself at 1 ms a tick: the ship falls three times, the lose screen follows,
# and Space returns to the title screen.
# Usage: game_over_test.sh GAME_FOLDER ART_FOLDER
source "$(dirname "$0")/game_session.sh"
readonly GAME_FOLDER=$1 ART_FOLDER=$2
readonly ABOVE_MENU=800x470+0+0

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

lost=""
for attempt in $(seq 40); do
  screenshot playing
  if shows playing lose.png; then lost=yes; break; fi
done
[[ -n $lost ]] || fail "no lose screen after three falls"

hold_key space
screenshot back
shows back title.png || fail "Space on the lose screen did not return to the title"

hold_key Escape
expect_clean_exit
echo "passed: lose screen after $attempt screenshots, Space back to the title"
