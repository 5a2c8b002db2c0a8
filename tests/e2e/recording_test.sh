#!/usr/bin/env bash
# A whole game played on the real game under a private X server with --record: the menus by
# mouse, a pause and a resume, held and released keys, until a difficulty step (20 molecules
# destroyed); the recording then replays headless with every check matching, up to the game's
# end. A crash leaves a recording that replays up to it; a file that cannot be made, or a disk
# that fills up, is reported and the game plays on.
# Usage: recording_test.sh GAME_FOLDER [KEEP_AS]: KEEP_AS receives the recorded game, for the
# playback test to watch.
source "$(dirname "$0")/game_session.sh"
readonly GAME_FOLDER=$1 KEEP_AS=${2:-}

need_tools xdotool
start_x_server
# A 2 ms tick: the 3000 or so ticks a first difficulty step takes pass in seconds.
copy_game "$GAME_FOLDER" '2\r\n0\r\n0\r\n'
cp "$GAME_FOLDER/skyscrub-trace" "$GAME_DIR/"
readonly RECORDING=$SESSION_DIR/game.trace

start_game_from_title() {
  xdotool mousemove 580 504 click 1
  sleep 0.3
  xdotool mousemove 724 556 click 1
  sleep 0.3
}

press() {  # holds a key long enough for a 2 ms tick or a poll to see it
  xdotool keydown "$1"
  sleep 0.2
  xdotool keyup "$1"
  sleep 0.2
}

SDL_AUDIODRIVER=dummy start_game --record "$RECORDING"
# The title stays up 2.5 s, as a player's would: the playback test, watching this
# recording, pauses at its start and expects the title there however busy the machine is.
sleep 2.5
start_game_from_title
press p      # pause ...
press space  # ... and resume
# Holding Up with Z makes the ship climb, run its engine dry, fall while it recharges and climb
# again, sweeping the sky with shots; a push to the right lets it drift across the sky too. Nine
# games in ten get there so (found with the trace tool over many seeds).
stepped=""
for game in 1 2 3 4; do
  xdotool keydown z keydown Up keydown Right
  sleep 0.3
  xdotool keyup Right
  size=0
  for second in $(seq 40); do
    sleep 1
    # The recording is written out at every check of 60 ticks; the first step sets the CFC
    # interval to 310.
    if grep -q 'cfcInterval=310' "$RECORDING"; then stepped=$game; break; fi
    new_size=$(stat -c %s "$RECORDING")
    ((new_size > size)) || break  # no more checks: the game is over
    size=$new_size
  done
  xdotool keyup z keyup Up
  [[ -n $stepped ]] && break
  press space  # from the end screen back to the title
  start_game_from_title
done
[[ -n $stepped ]] || fail "no difficulty step in four games"
press Escape
expect_clean_exit

replay=$("$GAME_DIR/skyscrub-trace" "$RECORDING" 2>&1 >/dev/null) || fail "the recording does not replay: $replay"
[[ $(tail -n1 "$RECORDING") == ended ]] || fail "the recording does not end with the game's end"
[[ $(head -n1 "$RECORDING") == '# skyscrub recording 2' ]] || fail "the recording does not name its format first"
head -c -1 "$RECORDING" >"$SESSION_DIR/cut.trace"
status=0
"$GAME_DIR/skyscrub-trace" "$SESSION_DIR/cut.trace" >/dev/null 2>&1 || status=$?
((status == 3)) || fail "a recording cut by its last byte replays with status $status, not 3 (cut off)"
for line in 'keys P' 'keys Space' 'click Label7' 'click Label9'; do
  grep -qx "$line" "$RECORDING" || fail "the recording has no line '$line'"
done
grep -q '^poll2 ' "$RECORDING" || fail "the recording has no pause"
checks=$(grep -c '^check ' "$RECORDING")
[[ -z $KEEP_AS ]] || cp "$RECORDING" "$KEEP_AS"

# A crash: the recording so far is written out, with the crash noted, and replays up to it.
readonly CRASHED=$SESSION_DIR/crashed.trace
SDL_AUDIODRIVER=dummy start_game --record "$CRASHED"
start_game_from_title
xdotool keydown z
sleep 1
kill -SEGV "$GAME_PID"
await_game_end
xdotool keyup z
[[ $GAME_STATUS -ne 0 ]] || fail "the crashed game ended with status 0"
tail -n1 "$CRASHED" | grep -q '^# the game crashed here, on signal 11$' || fail "no crash noted: $(tail -n3 "$CRASHED")"
replay=$("$GAME_DIR/skyscrub-trace" "$CRASHED" 2>&1 >/dev/null) || fail "the crash's recording does not replay: $replay"

# A recording that cannot be made: said on stderr, and the game plays without it.
SDL_AUDIODRIVER=dummy start_game --record "$SESSION_DIR/no/such/folder/game.trace"
press Escape
expect_clean_exit
grep -q '^Skyscrub: cannot record to .*no/such/folder/game.trace: .*; playing without recording$' "$SESSION_DIR/game.log" ||
  fail "no message about the recording: $(cat "$SESSION_DIR/game.log")"

# A disk that fills up: said once with the tick the recording stopped at, again at the end.
SDL_AUDIODRIVER=dummy start_game --record /dev/full
press Escape
expect_clean_exit
[[ $(grep -c '^Skyscrub: recording to /dev/full stopped at tick 0: No space left on device$' "$SESSION_DIR/game.log") == 1 ]] &&
  grep -q '^Skyscrub: recording to /dev/full is cut off: it stopped at tick 0: No space left on device$' \
    "$SESSION_DIR/game.log" || fail "a full disk was not reported: $(cat "$SESSION_DIR/game.log")"

echo "passed: game $stepped reached a difficulty step; $checks checks replayed; a crash's recording replayed"
