#!/usr/bin/env bash
# Signals: SIGHUP, SIGTERM and SIGINT close the game as its own exits do (status 0), on every
# screen and while a message box is open, a recording then ending with its final check; a crash
# signal still kills it (after the display is handed back), rather than leaving it hanging.
# Usage: signals_test.sh GAME_FOLDER
source "$(dirname "$0")/game_session.sh"
readonly GAME_FOLDER=$1

need_tools xdotool
start_x_server
copy_game "$GAME_FOLDER" '10\r\n0\r\n0\r\n'

for case in HUP:0 TERM:0 INT:0 SEGV:139 ABRT:134; do
  signal=${case%%:*} expected=${case##*:}
  SDL_AUDIODRIVER=dummy start_game
  kill "-$signal" "$GAME_PID"
  await_game_end
  [[ $GAME_STATUS -eq $expected ]] || fail "SIG$signal: status $GAME_STATUS, expected $expected"
done

cp "$GAME_FOLDER/skyscrub-trace" "$SESSION_DIR/"
readonly RECORDING=$SESSION_DIR/game.trace

# Sends signal $1 to the recorded game, which must end with status 0 and a complete recording
# that replays; $2 names the moment.
stop_recorded_game() {
  kill "-$1" "$GAME_PID"
  await_game_end
  [[ $GAME_STATUS -eq 0 ]] || fail "SIG$1 $2: status $GAME_STATUS: $(cat "$SESSION_DIR/game.log")"
  [[ $(tail -n1 "$RECORDING") == ended && $(tail -n2 "$RECORDING" | head -n1) == check\ * ]] ||
    fail "SIG$1 $2: the recording does not end with its final check: $(tail -n3 "$RECORDING" | cut -c1-80)"
  local replay
  replay=$("$SESSION_DIR/skyscrub-trace" "$RECORDING" 2>&1 >/dev/null) || fail "SIG$1 $2: no replay: $replay"
}

start_game_from_title() {
  xdotool mousemove 580 504 click 1
  sleep 0.3
  xdotool mousemove 724 556 click 1
  sleep 0.3
}

# Each stop signal on each screen, in turn: the title, a game, the pause, the end screen (at
# 1 ms a tick the ship falls three times in a second or two; the recording then stops growing,
# as the main tick stops).
for case in HUP:title TERM:game INT:pause HUP:end TERM:end; do
  signal=${case%%:*} screen=${case##*:}
  copy_game "$GAME_FOLDER" "$([[ $screen == end ]] && echo '1' || echo '10')\r\n0\r\n0\r\n"
  SDL_AUDIODRIVER=dummy start_game --record "$RECORDING"
  [[ $screen == title ]] || start_game_from_title
  [[ $screen == pause ]] && hold_key p
  if [[ $screen == end ]]; then
    size=-1
    for second in $(seq 60); do
      sleep 1
      new_size=$(stat -c %s "$RECORDING")
      ((new_size > size)) || break
      size=$new_size
    done
  fi
  stop_recorded_game "$signal" "on the $screen screen"
  if [[ $screen == end ]]; then
    grep -q 'LoseScreen.Visible=true' "$RECORDING" || fail "SIG$signal: the game was not on its end screen"
  fi
  if [[ $screen == pause ]]; then
    grep -q '^poll2 ' "$RECORDING" || fail "SIG$signal: the game was not paused"
  fi
done

# A message box open: on a screen that cannot show 800 x 600 the game says "Mode not supported"
# as it starts. The signal closes the box and the game, its box's helper process included.
end_x_server
start_x_server 1024x768
copy_game "$GAME_FOLDER" '10\r\n0\r\n0\r\n'
error_box() { xwininfo -root -tree | grep '"Error"' || true; }
for signal in HUP TERM INT; do
  SDL_AUDIODRIVER=dummy start_game --record "$RECORDING"
  for waited in $(seq 100); do
    [[ -n $(error_box) ]] && break
    sleep 0.1
  done
  [[ -n $(error_box) ]] || fail "no message box titled Error appeared"
  helpers=$(pgrep -P "$GAME_PID" || true)
  stop_recorded_game "$signal" "with a message box open"
  for waited in $(seq 50); do
    [[ -z $(error_box) ]] && break
    sleep 0.1
  done
  [[ -z $(error_box) ]] || fail "SIG$signal: the message box outlived the game"
  for helper in $helpers; do
    [[ $(ps -o stat= -p "$helper" || true) != [^Z]* ]] || fail "SIG$signal: the box's process $helper outlived the game"
  done
done
echo "passed: HUP, TERM and INT end with 0 on every screen and with a box open, recordings complete; SEGV and ABRT die by their signal"
