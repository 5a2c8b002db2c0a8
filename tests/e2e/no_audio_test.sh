#!/usr/bin/env bash
# Without an audio device the game runs silent and unharmed: the title screen comes up with
# music and sound on, "Play" still leads on, and Escape ends the game normally.
# Usage: no_audio_test.sh GAME_FOLDER
source "$(dirname "$0")/game_session.sh"
readonly GAME_FOLDER=$1

need_tools xdotool import convert
start_x_server
copy_game "$GAME_FOLDER" '10\r\n1\r\n1\r\n'
SDL_AUDIODRIVER=no-such-device start_game
xdotool mousemove 570 500
screenshot hover
[[ $(count_colour hover 81x57+540+476 FF0000) -gt 100 ]] || fail "the title screen does not react"
xdotool click 1
sleep 0.3
hold_key Escape
expect_clean_exit
echo "passed: no audio device, the game runs and ends normally"
