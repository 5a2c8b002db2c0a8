#!/usr/bin/env bash
# Both programs start on a busy X server. The server resets whenever its last client leaves and
# drops the connections it is setting up meanwhile; another client connects and disconnects all
# the time, so some of the programs' first tries fail. Every start must still show its window.
# Usage: startup_test.sh GAME_FOLDER [GAME_STARTS [EDITOR_STARTS]]
source "$(dirname "$0")/game_session.sh"
readonly GAME_FOLDER=$1 GAME_STARTS=${2:-30} EDITOR_STARTS=${3:-30}

need_tools xdotool
start_x_server 800x600 resets
copy_game "$GAME_FOLDER" '10\r\n0\r\n0\r\n'
cp "$GAME_FOLDER/SkyscrubSetup" "$GAME_DIR/"

# A client that connects, asks one thing and leaves, about every 20 ms.
(while :; do xdotool getdisplaygeometry >/dev/null 2>&1 || true; sleep 0.02; done) &
track $!

# Starts $1 and waits (5 s at most) for its window titled $2, looking with one short connection
# at a time (a client that stayed connected would keep the server from resetting). Then closes
# the program; true when the window came.
shows_window() {
  local program=$1 title=$2 tries shown=false
  "$program" >"$SESSION_DIR/start.log" 2>&1 &
  GAME_PID=$!
  for tries in $(seq 50); do
    sleep 0.1
    if xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1; then shown=true; break; fi
    kill -0 "$GAME_PID" 2>/dev/null || break
  done
  kill -TERM "$GAME_PID" 2>/dev/null || true
  wait "$GAME_PID" 2>/dev/null || true
  GAME_PID=""
  if ! $shown; then echo "$program showed no window: $(cat "$SESSION_DIR/start.log")" >&2; fi
  $shown
}

# Starts $1 $2 times; SHOWN is then how many showed the window titled $3. (Not a command
# substitution: the session must know the program running, to end it if the test is stopped.)
count_shown() {
  local program=$1 starts=$2 title=$3 start
  SHOWN=0
  for start in $(seq "$starts"); do
    if shows_window "$program" "$title"; then SHOWN=$((SHOWN + 1)); fi
  done
}

export SDL_AUDIODRIVER=dummy
count_shown "$GAME_DIR/Skyscrub" "$GAME_STARTS" Aerolith
games=$SHOWN
count_shown "$GAME_DIR/SkyscrubSetup" "$EDITOR_STARTS" "Skyscrub Options"
editors=$SHOWN
echo "the game showed its window in $games of $GAME_STARTS starts, the options editor in $editors of $EDITOR_STARTS"
[[ $games -eq $GAME_STARTS && $editors -eq $EDITOR_STARTS ]] || fail "not every start showed its window"
echo "passed"
