#!/usr/bin/env bash
# The title music is heard when music is on and nothing sounds when it is off, while shots are
# heard with sound on, as SDL's disk audio driver records it; SIGTERM and SIGINT end the game
# normally.
# Usage: music_test.sh GAME_FOLDER
source "$(dirname "$0")/game_session.sh"
readonly GAME_FOLDER=$1

need_tools xdotool
[[ -f $GAME_FOLDER/components/sound/music1.mid ]] || { echo "skipped: no music built"; exit "$SKIP"; }
[[ -f /usr/share/sounds/sf2/TimGM6mb.sf2 || -f /usr/share/sounds/sf3/default-GM.sf3 ]] ||
  { echo "skipped: no General MIDI sound font"; exit "$SKIP"; }
start_x_server

# Starts the game with the given settings, recording its audio.
start_recorded_game() {
  rm -rf "$GAME_DIR" "$SESSION_DIR/audio.raw"
  copy_game "$GAME_FOLDER" "$1"
  SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$SESSION_DIR/audio.raw" start_game
}

# Music on: the title music sounds; SIGTERM closes the game normally.
GAME_DIR=$SESSION_DIR/game
start_recorded_game '10\r\n1\r\n1\r\n'
sleep 2
kill -TERM "$GAME_PID"
expect_clean_exit
on=$(audible_bytes)
[[ $on -gt 10000 ]] || fail "music on, but the title music is silent ($on bytes of sound)"

# Music off, effects on: silence on the title screen, then shots in a game; SIGINT closes it.
start_recorded_game '10\r\n1\r\n0\r\n'
sleep 2
title_end=$(stat -c %s "$SESSION_DIR/audio.raw")
title=$(audible_bytes 0 "$title_end")
[[ $title -eq 0 ]] || fail "music off, yet $title bytes of sound were played on the title screen"
xdotool mousemove 570 500 click 1
sleep 0.5
xdotool mousemove 700 550 click 1
sleep 0.3
hold_key z
sleep 0.5
kill -INT "$GAME_PID"
expect_clean_exit
shots=$(audible_bytes "$title_end")
[[ $shots -gt 1000 ]] || fail "sound on, but the shots were silent"
echo "passed: title music audible when on ($on bytes), silent when off; shots audible ($shots bytes)"
