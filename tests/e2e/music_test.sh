#!/usr/bin/env bash
# The title music is heard when music is on and nothing sounds when it is off, as SDL's disk
# audio driver records it; SIGTERM and SIGINT end the game normally.
# Usage: music_test.sh GAME_FOLDER
source "$(dirname "$0")/game_session.sh"
readonly GAME_FOLDER=$1

need_tools xdotool
[[ -f $GAME_FOLDER/components/sound/music1.mid ]] || { echo "skipped: no music built"; exit "$SKIP"; }
[[ -f /usr/share/sounds/sf2/TimGM6mb.sf2 || -f /usr/share/sounds/sf3/default-GM.sf3 ]] ||
  { echo "skipped: no General MIDI sound font"; exit "$SKIP"; }
start_x_server

# Runs the title screen for two seconds with the given settings, ends it by signal $2,
# and prints how many bytes of the recorded audio are not silence.
audible_bytes() {
  copy_game "$GAME_FOLDER" "$1"
  SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$SESSION_DIR/audio.raw" start_game
  sleep 2
  kill "-$2" "$GAME_PID"
  expect_clean_exit
  [[ -s $SESSION_DIR/audio.raw ]] || fail "no audio was written"
  tr -d '\000' <"$SESSION_DIR/audio.raw" | wc -c
  rm -rf "$GAME_DIR" "$SESSION_DIR/audio.raw"
}

on=$(audible_bytes '10\r\n1\r\n1\r\n' TERM)
[[ $on -gt 10000 ]] || fail "music on, but the title music is silent ($on bytes of sound)"
off=$(audible_bytes '10\r\n1\r\n0\r\n' INT)
[[ $off -eq 0 ]] || fail "music off, yet $off bytes of sound were played"
echo "passed: title music audible when on ($on bytes), silent when off"
