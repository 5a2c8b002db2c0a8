#!/usr/bin/env bash
# Watching a recording with --play under a private X server: the window shows what the headless
# replay's scene holds at the moment it is paused (the title at the start; later, twice, the ship,
# a molecule and the lives label as the replay has them), at 4x the recording plays in about a
# quarter of the time, Escape stops, the settings file is left as it was, and a damaged recording
# is told in a message box.
# Usage: playback_test.sh GAME_FOLDER ART_FOLDER RECORDING
source "$(dirname "$0")/game_session.sh"
readonly GAME_FOLDER=$1 ART_FOLDER=$2 RECORDING=$3

need_tools xdotool import convert compare
start_x_server
copy_game "$GAME_FOLDER" '10\r\n0\r\n0\r\n'
cp "$GAME_FOLDER/skyscrub-trace" "$GAME_DIR/"
readonly SETTINGS=$GAME_DIR/components/gamedata.jpc
settings_before=$(md5sum <"$SETTINGS")
# On an 800 x 600 display the window is the canvas at 0, 0. The overlay covers the bottom left
# corner; what it covers is left out of the comparisons.
readonly OVERLAY=300x22+0+578

# The tick the log says the playback stopped at.
stopped_tick() {
  grep -o 'stopped at [0-9]*x  tick [0-9]*' "$SESSION_DIR/game.log" | grep -o '[0-9]*$' ||
    fail "the game did not say where the playback stopped: $(cat "$SESSION_DIR/game.log")"
}

# The headless replay of the recording's first lines (standard input), then a dump of the names given.
replay_dump() {
  {
    cat
    echo "dump $*"
  } >"$SESSION_DIR/upto.trace"
  "$GAME_DIR/skyscrub-trace" "$SESSION_DIR/upto.trace" 2>/dev/null | grep '^{"' | tail -n1 || true
}

# The recording's lines up to main tick $1.
up_to_tick() {
  awk -v n="$1" '$1 == "tick" { k = NF > 1 ? $2 : 1; if (s + k >= n) { if (n > s) print "tick " (n - s); exit } s += k }
                 { print }' "$RECORDING"
}

# A number of a dumped JSON object $1 by name $2, rounded down.
json_number() { grep -o "\"$2\":[-0-9.e]*" <<<"$1" | cut -d: -f2 | cut -d. -f1; }

# The box (WxH+X+Y) of element $2 of the dumped JSON object $1 where it lies on the 800 x 600
# canvas (a ship may fly partly off it), and that part's area.
box_on_canvas() {
  local left top right bottom
  left=$(json_number "$1" "$2.Left") top=$(json_number "$1" "$2.Top")
  right=$((left + $(json_number "$1" "$2.Width"))) bottom=$((top + $(json_number "$1" "$2.Height")))
  ((left < 0)) && left=0
  ((top < 0)) && top=0
  ((right > 800)) && right=800
  ((bottom > 600)) && bottom=600
  ((right > left && bottom > top)) || { echo "0x0+0+0 0"; return; }
  echo "$((right - left))x$((bottom - top))+$left+$top $(((right - left) * (bottom - top)))"
}

# Paints boxes $2... (WxH+X+Y) of screenshot $1 over in a colour of its own, $PAINT, which
# the game never draws.
readonly PAINT=FE01FD
paint_boxes() {
  local shot=$1 box draws=()
  shift
  for box in "$@"; do
    IFS='x+' read -r width height left top <<<"$box"
    draws+=(-draw "rectangle $left,$top $((left + width - 1)),$((top + height - 1))")
  done
  convert "$SESSION_DIR/$shot.png" -fill "#$PAINT" "${draws[@]}" "$SESSION_DIR/$shot.png"
}

# 1. Paused at once, before the recording's first click (after some 1.5 s of the title's polls):
# the title, as the replay has it there.
SDL_AUDIODRIVER=dummy start_game --play "$RECORDING"
xdotool key space
screenshot start
hold_key Escape
expect_clean_exit
tick=$(stopped_tick)
scene=$(sed '/^click /,$d' "$RECORDING" | replay_dump Picture2.Visible Picture2.Picture)
[[ $scene == *'"Picture2.Visible":true,"Picture2.Picture":"Image8"'* ]] || fail "the replay has no title: $scene"
overlay=$(count_colour start "$OVERLAY" FFFFFF)
((overlay > 30)) || fail "no speed and position in the bottom left corner ($overlay white pixels)"
differing=$(differing_pixels start "$ABOVE_MENU" "$ART_FOLDER/title.png")
awk -v d="$differing" 'BEGIN { exit !(d < 800 * 470 / 10) }' ||
  fail "the title the replay shows at tick $tick is not on screen ($differing pixels differ)"

# 2. Paused twice in the game (a stored recording's title and menus take some 3 s, a live one's
# about 1 s): at each tick the ship and a molecule where the replay has them, drawn over the sky,
# and the lives label as the replay has it: the same pixels at both moments when its caption is
# the same, and different ones when it is not.
# Everything that moves about the sky. Any of it may pass over the lives label, or under it and
# show through its letters, so its boxes at both moments are left out of the label's comparison.
sprites=(player dying)
for i in $(seq 0 19); do sprites+=("CO2($i)"); done
for i in 0 1 2; do sprites+=("CFC($i)" "UltraViolet($i)" "Xplode($i)"); done
for i in $(seq 0 6); do sprites+=("bullet($i)"); done
sprite_names=$(for name in "${sprites[@]}"; do printf '%s.Left %s.Top %s.Visible %s.Width %s.Height ' "$name" "$name" "$name" "$name" "$name"; done)
sprite_boxes=()
molecules_seen=0
captions=()
for moment in 4.5 6.5; do
  shot=game_${moment/./_}
  SDL_AUDIODRIVER=dummy start_game --play "$RECORDING"
  sleep "$moment"
  xdotool key space
  screenshot "$shot"
  hold_key Escape
  expect_clean_exit
  tick=$(stopped_tick)
  ((tick > 0)) || fail "the playback had not reached the game after $moment s"
  # shellcheck disable=SC2086  # the names are words of their own
  scene=$(up_to_tick "$tick" | replay_dump lblLives.Caption lblLives.Left lblLives.Top lblLives.Width lblLives.Height \
    $sprite_names Picture2.Visible)
  [[ $scene == *'"player.Visible":true'*'"Picture2.Visible":false'* ]] || fail "the replay has no ship at tick $tick: $scene"
  read -r ship area < <(box_on_canvas "$scene" player)
  ((area >= 64)) || fail "the replay has the ship off the canvas at tick $tick: $scene"
  drawn=$(differing_pixels "$shot" "$ship" "$ART_FOLDER/sky.png")
  beside=$(differing_pixels "$shot" "$ship" "$SESSION_DIR/start.png")
  ((drawn > area / 10)) || fail "no ship where the replay has it at tick $tick ($ship: $drawn pixels differ from the sky)"
  ((beside > area / 10)) || fail "the title is still on screen at tick $tick"
  # The first molecule the replay has in the open sky, clear of the ship.
  while read -r left top; do
    ((left >= 0 && left <= 768 && top >= 80 && top <= 448)) || continue
    player_left=$(json_number "$scene" player.Left) player_top=$(json_number "$scene" player.Top)
    ((left > player_left + 32 || left + 32 < player_left || top > player_top + 32 || top + 32 < player_top)) || continue
    drawn=$(differing_pixels "$shot" "32x32+$left+$top" "$ART_FOLDER/sky.png")
    ((drawn > 100)) || fail "no molecule where the replay has it at tick $tick (32x32+$left+$top: $drawn pixels differ from the sky)"
    molecules_seen=$((molecules_seen + 1))
    break
  done < <(grep -o '"CO2([0-9]*).Left":[-0-9.e]*,"CO2([0-9]*).Top":[-0-9.e]*,"CO2([0-9]*).Visible":true' <<<"$scene" |
           sed 's/"CO2([0-9]*).Left":\([-0-9]*\)[^,]*,"CO2([0-9]*).Top":\([-0-9]*\).*/\1 \2/')
  read -r label _ < <(box_on_canvas "$scene" lblLives)
  (($(count_colour "$shot" "$label" 000000) > 10)) || fail "no lives label at $label at tick $tick"
  captions+=("$(grep -o '"lblLives.Caption":"[^"]*"' <<<"$scene")")
  for name in "${sprites[@]}"; do
    [[ $scene == *"\"$name.Visible\":true"* ]] || continue
    read -r box area < <(box_on_canvas "$scene" "$name")
    ((area == 0)) || sprite_boxes+=("$box")
  done
done
((molecules_seen > 0)) || fail "the replay had no molecule in the open sky at either moment"
for shot in game_4_5 game_6_5; do paint_boxes "$shot" "${sprite_boxes[@]}"; done
lives_changed=$(differing_pixels game_4_5 "$label" "$SESSION_DIR/game_6_5.png")
covered=$(count_colour game_4_5 "$label" "$PAINT")
if [[ ${captions[0]} == "${captions[1]}" ]]; then
  ((lives_changed < 5)) || fail "the lives label changed ($lives_changed pixels) while the replay kept ${captions[0]}"
elif ((covered == 0)); then
  ((lives_changed >= 5)) || fail "the lives label stayed while the replay went from ${captions[0]} to ${captions[1]}"
else
  echo "the lives label went from ${captions[0]} to ${captions[1]} under a sprite ($covered pixels covered): not compared"
fi

# 3. Played whole at the recorded pace, then at 4x: a quarter of the time. The settings file is
# the viewer's and stays as it was.
played_for() {  # starts the playback, presses the keys given, and prints how long it played in ms
  local began
  SDL_AUDIODRIVER=dummy start_game --play "$RECORDING"
  began=$(date +%s%N)  # from the window's showing: opening the display takes as long at any speed
  local key
  for key in "$@"; do xdotool key "$key"; done
  local waited
  for waited in $(seq 1200); do  # 60 s at most, looked at closely enough to time it
    kill -0 "$GAME_PID" 2>/dev/null || break
    sleep 0.05
  done
  kill -0 "$GAME_PID" 2>/dev/null && fail "the playback did not end"
  GAME_STATUS=0
  wait "$GAME_PID" || GAME_STATUS=$?
  GAME_PID=""
  [[ $GAME_STATUS -eq 0 ]] || fail "the playback ended with status $GAME_STATUS: $(cat "$SESSION_DIR/game.log")"
  echo $((($(date +%s%N) - began) / 1000000))
}
whole=$(played_for)
fast=$(played_for Right plus)
awk -v w="$whole" -v f="$fast" 'BEGIN { exit !(f > w * 0.15 && f < w * 0.35) }' ||
  fail "at 4x the playback took $fast ms, at 1x $whole ms: not about a quarter"
[[ $(md5sum <"$SETTINGS") == "$settings_before" ]] || fail "the playback changed the settings file"

# 4. A damaged recording: the headless replay's answer in a message box (a click on OK closes
# it), and its status plus 10.
head -c 2000 "$RECORDING" >"$SESSION_DIR/cut.trace"
"$GAME_DIR/Skyscrub" --play "$SESSION_DIR/cut.trace" >"$SESSION_DIR/game.log" 2>&1 &
GAME_PID=$!
box=$(await_message_box Skyscrub)
[[ -n $box ]] || fail "no message box told of the damaged recording: $(cat "$SESSION_DIR/game.log")"
grep -q 'the recording is cut off here' "$SESSION_DIR/game.log" || fail "the game did not say why: $(cat "$SESSION_DIR/game.log")"
click_ok "$box"
await_game_end
((GAME_STATUS == 13)) || fail "a cut recording ended the game with status $GAME_STATUS, not 13"
echo "passed: title, ship, $molecules_seen molecule(s) and lives (${captions[*]}) as the replay has them up to tick $tick, 4x in $fast of $whole ms, a cut file's box"
