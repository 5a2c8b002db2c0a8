#!/usr/bin/env bash
# Watching a recording with --play under a private X server: the window shows what the headless
# replay's scene holds at the moment it is paused (the title at the start, the ship where the
# replay has it later), at 4x the recording plays in about a quarter of the time, Escape stops,
# the settings file is left as it was, and a damaged recording is told in a message box.
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

# 2. Paused in the game: the ship where the replay has it at that tick, drawn over the sky.
# 2. Paused in the game (the recording's title and menus take some 3 s, its game some 6 s): the
# ship where the replay has it at that tick, drawn over the sky.
SDL_AUDIODRIVER=dummy start_game --play "$RECORDING"
sleep 5.5
xdotool key space
screenshot game
hold_key Escape
expect_clean_exit
tick=$(stopped_tick)
((tick > 0)) || fail "the playback had not reached the game after 5.5 s"
scene=$(up_to_tick "$tick" | replay_dump player.Left player.Top player.Width player.Height player.Visible Picture2.Visible)
[[ $scene == *'"player.Visible":true'*'"Picture2.Visible":false'* ]] || fail "the replay has no ship at tick $tick: $scene"
ship="$(json_number "$scene" player.Width)x$(json_number "$scene" player.Height)+$(json_number "$scene" player.Left)+$(json_number "$scene" player.Top)"
drawn=$(differing_pixels game "$ship" "$ART_FOLDER/sky.png")
beside=$(differing_pixels game "$ship" "$SESSION_DIR/start.png")
((drawn > 100)) || fail "no ship where the replay has it at tick $tick ($ship: $drawn pixels differ from the sky)"
((beside > 100)) || fail "the title is still on screen at tick $tick"

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
echo "passed: title and ship as the replay has them at ticks 0 and $tick, 4x in $fast of $whole ms, a cut file's box"
