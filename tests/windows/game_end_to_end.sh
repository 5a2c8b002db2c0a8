#!/usr/bin/env bash
# The Windows game end to end, under Wine on a private X server, from a copy of its folder whose
# path has spaces and letters beyond ASCII: Skyscrub.exe --window --record shows the title,
# "Play" turns red under the pointer, a click shows the instructions, "Start" starts a game that
# takes keys, the sound is heard (SDL's disk audio), Escape ends it; the recording it made
# replays on Linux with every check matching. Then, with the settings the options dialog saves for
# 25 and the music off, the main tick runs every 25 ms and the title is silent.
# Usage: game_end_to_end.sh WINDOWS_BUILD LINUX_TRACE
# (WINEPREFIX and a running wineserver come from scripts/windows test.)
source "$(dirname "$0")/../e2e/game_session.sh"
readonly BUILD=$1 LINUX_TRACE=$2
readonly ART=$BUILD/assets/art
need_tools wine xdotool xwininfo import convert compare

start_x_server 1024x768
# The game folder as the zip has it, in a folder whose name Windows must take as UTF-16.
GAME_DIR="$SESSION_DIR/Spiele für alle – 空/Skyscrub"
mkdir -p "$GAME_DIR/components"
cp "$BUILD/game/Skyscrub.exe" "$GAME_DIR/"
cp -r "$BUILD/game/components/sound" "$BUILD/game/components/fonts" "$GAME_DIR/components/"
printf '10\r\n1\r\n1\r\n' >"$GAME_DIR/components/gamedata.jpc"
recording="$GAME_DIR/a game.trace"
SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$SESSION_DIR/audio.raw" \
  start_program wine "$GAME_DIR/Skyscrub.exe" --window=1 --record "$recording"

# Where the canvas is on the screen: boxes below are the canvas's, moved there.
read -r window <"$SESSION_DIR/window"
read -r left top width height < <(client_area "$window")
[[ "$width $height" == "800 600" ]] || fail "the window is $width x $height, not 800 x 600"
box() {  # box WxH+X+Y on the canvas -> on the screen
  local size=${1%%+*} rest=${1#*+}
  echo "$size+$((left + ${rest%%+*}))+$((top + ${rest#*+}))"
}
at() { echo $((left + $1)) $((top + $2)); }

# A click on "Start" starts a game: the orange "Gas Destroyed" gauge shows (screenshot $1).
click_start() {
  local gauge
  xdotool mousemove $(at 724 556) click 1
  gauge=$(await_colour "$1" "$(box 20x4+420+20)" FF8000 79)
  [[ $gauge -eq 80 ]] || fail "no game after \"Start\" ($gauge gauge pixels)"
}

# The title, as the generator drew it, where no label covers it; "Play" white.
xdotool mousemove $(at 100 100)
sleep 1
screenshot title
convert -size 1024x768 xc:black "$ART/title.png" -geometry +"$left"+"$top" -composite "$SESSION_DIR/drawn.png"
differing=$(differing_pixels title "$(box 800x470+0+0)" "$SESSION_DIR/drawn.png")
awk -v d="$differing" 'BEGIN { exit !(d < 800 * 470 / 100) }' || fail "the title is not on screen ($differing pixels differ)"
[[ $(count_colour title "$(box 81x57+540+476)" FF0000) -eq 0 ]] || fail "\"Play\" is red before the mouse is on it"

# "Play" turns red under the pointer; a click shows the instructions.
xdotool mousemove $(at 570 500)
red=$(await_colour hover "$(box 81x57+540+476)" FF0000 100)
[[ $red -gt 100 ]] || fail "\"Play\" did not turn red under the mouse ($red red pixels)"
xdotool click 1
sleep 0.5
screenshot instructions
[[ $(differing_pixels instructions "$(box 800x470+0+0)" "$SESSION_DIR/title.png") -gt 1000 ]] ||
  fail "the instructions did not follow the click on \"Play\""

# "Start" starts a game. Z held fires.
click_start game
xdotool keydown z keydown Right
sleep 1
xdotool keyup Right keyup z
sleep 0.3
hold_key Escape
expect_clean_exit
grep -q '^keys .*Z' "$recording" ||
  fail "the recording holds no Z held: the game took no keys"
audible=$(audible_bytes)
((audible > 10000)) || fail "nothing was heard ($audible audible bytes)"

# The recording made on Windows replays on Linux, every check matching.
"$LINUX_TRACE" "$recording" >"$SESSION_DIR/replay.log" 2>&1 ||
  fail "the Windows recording does not replay on Linux: $(tail -n 3 "$SESSION_DIR/replay.log")"

# With the settings the options dialog saves for 25 and the music off (its own test reads those
# very bytes), the game's main tick runs every 25 ms and the title is silent.
printf '25\r\n1\r\n0\r\n' >"$GAME_DIR/components/gamedata.jpc"
quiet="$GAME_DIR/quiet game.trace"
rm -f "$SESSION_DIR/audio.raw"
SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$SESSION_DIR/audio.raw" \
  start_program wine "$GAME_DIR/Skyscrub.exe" --window=1 --record "$quiet"
sleep 2
title_audio=$(stat -c %s "$SESSION_DIR/audio.raw")
xdotool mousemove $(at 570 500)
sleep 0.3
xdotool click 1
sleep 0.5
click_start quiet_game
hold_key Escape
expect_clean_exit
((title_audio > 0)) || fail "no audio was written on the title (SDL's disk audio)"
heard=$(audible_bytes 0 "$title_audio")
((heard == 0)) || fail "the title was heard with the music off ($heard audible bytes)"
{ sed '/^tick/q' "$quiet"; echo "dump Timer1.Interval"; } >"$SESSION_DIR/quiet_start.trace"
interval=$("$LINUX_TRACE" "$SESSION_DIR/quiet_start.trace" 2>/dev/null | grep -o '"Timer1.Interval":[0-9]*' | cut -d: -f2 || true)
[[ $interval == 25 ]] || fail "the game's main tick runs every ${interval:-?} ms, not the 25 the settings say"
echo "passed: title, hover, instructions, a game that took keys, $audible audible bytes, its recording replayed on Linux;" \
  "with the dialog's settings a 25 ms tick and a silent title"
