#!/usr/bin/env bash
# Signals: SIGTERM and SIGINT close the game as its own exits do (status 0); a crash signal
# still kills it (after the display is handed back), rather than leaving it hanging.
# Usage: signals_test.sh GAME_FOLDER
source "$(dirname "$0")/game_session.sh"
readonly GAME_FOLDER=$1

need_tools xdotool
start_x_server
copy_game "$GAME_FOLDER" '10\r\n0\r\n0\r\n'

for case in TERM:0 INT:0 SEGV:139 ABRT:134; do
  signal=${case%%:*} expected=${case##*:}
  SDL_AUDIODRIVER=dummy start_game
  kill "-$signal" "$GAME_PID"
  await_game_end
  [[ $GAME_STATUS -eq $expected ]] || fail "SIG$signal: status $GAME_STATUS, expected $expected"
done
echo "passed: TERM and INT end with 0, SEGV and ABRT die by their signal"
