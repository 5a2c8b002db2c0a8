# Shared by the end-to-end tests of Skyscrub (sourced, not run): a private X server,
# a fresh copy of the game folder with a settings file, screenshots, and clean-up.
# Exit status 77 means "skipped" to CTest.
set -euo pipefail

readonly SKIP=77
# In a sanitizer build the game's own code is checked for leaks by the headless tests; here the
# system's X and D-Bus libraries leave memory at exit in modules already unloaded, which
# cannot be told apart, so only memory errors end a game under test.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
SESSION_DIR=$(mktemp -d)
XVFB_PID=""
WM_PID=""
GAME_PID=""
OTHER_PIDS=()  # anything else a test starts in the background, ended with the session

# Ends whatever the session started, however the test ends: passed, failed at a step, or
# stopped by a signal.
end_session() {
  if [[ -n $GAME_PID ]]; then kill -KILL "$GAME_PID" 2>/dev/null || true; fi
  local pid
  for pid in "${OTHER_PIDS[@]}"; do kill -KILL "$pid" 2>/dev/null || true; done
  end_x_server
  rm -rf "$SESSION_DIR"
}
trap end_session EXIT
# A signal ends the script through its exit, so the clean-up runs then too.
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

# The background process $1 is ended with the session, or before by stop_tracked.
track() { OTHER_PIDS+=("$1"); }

# Forgets the tracked process $1, which the test has waited for: its number may be reused.
untrack() {
  local kept=() pid
  for pid in "${OTHER_PIDS[@]}"; do [[ $pid == "$1" ]] || kept+=("$pid"); done
  OTHER_PIDS=("${kept[@]}")
}

# Ends the tracked process $1 now (if it has not ended already) and forgets it.
stop_tracked() {
  kill "$1" 2>/dev/null || true
  wait "$1" 2>/dev/null || true
  untrack "$1"
}

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

need_tools() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit "$SKIP"; }
  done
}

# An X server of its own on a free display number, with one screen mode: $1, by default
# 800x600 like the game's canvas. It does not reset when its last client leaves: during a reset
# it drops the connections it is setting up, which the programs then try again. With
# $2 = "resets" it does, as a server does that no display manager keeps busy.
start_x_server() {
  need_tools Xvfb
  local keep=(-noreset)
  if [[ ${2:-} == resets ]]; then keep=(); fi
  rm -f "$SESSION_DIR/display"  # a server started before wrote its number there
  Xvfb -displayfd 3 "${keep[@]}" -screen 0 "${1:-800x600}x24" -nolisten tcp 3>"$SESSION_DIR/display" >/dev/null 2>&1 &
  XVFB_PID=$!
  local tries
  for tries in $(seq 100); do
    [[ -s $SESSION_DIR/display ]] && break
    sleep 0.05
  done
  [[ -s $SESSION_DIR/display ]] || fail "Xvfb did not start"
  export DISPLAY=":$(head -n1 "$SESSION_DIR/display")"
}

# Ends the X server and its window manager, if started; another may be started then.
end_x_server() {
  if [[ -n $WM_PID ]]; then kill "$WM_PID" 2>/dev/null || true; wait "$WM_PID" 2>/dev/null || true; fi
  if [[ -n $XVFB_PID ]]; then kill "$XVFB_PID" 2>/dev/null || true; wait "$XVFB_PID" 2>/dev/null || true; fi
  WM_PID="" XVFB_PID=""
}

# A window manager on the X server (Openbox): decorations, the focus, full screen on request.
start_window_manager() {
  need_tools openbox xprop
  openbox --sm-disable >"$SESSION_DIR/openbox.log" 2>&1 &
  WM_PID=$!
  local tries
  for tries in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return
    sleep 0.05
  done
  fail "no window manager started: $(cat "$SESSION_DIR/openbox.log")"
}

# A desktop of size $1 (an X server with a window manager) and a copy of the game folder $2 with
# a 10 ms tick, sound and music off.
start_desktop() {
  start_x_server "$1"
  start_window_manager
  copy_game "$2" '10\r\n0\r\n0\r\n'
}

# A copy of the game folder holding the program, its sounds if built, and the settings file
# given as printf text, e.g. copy_game /build/game '10\r\n0\r\n0\r\n'.
copy_game() {
  local from=$1 settings=$2
  GAME_DIR=$SESSION_DIR/game
  mkdir -p "$GAME_DIR/components"
  cp "$from/Skyscrub" "$GAME_DIR/"
  if [[ -d $from/components/sound ]]; then cp -r "$from/components/sound" "$GAME_DIR/components/"; fi
  printf "$settings" >"$GAME_DIR/components/gamedata.jpc"
}

# Starts the program $1 in the background, with the options that follow; its output goes to
# $SESSION_DIR/game.log.
start_program() {
  local program=$1 tries
  shift
  # A sanitizer build on a loaded machine can take several seconds to show its window. A game
  # that still runs without one after 30 s is stuck at its start, which happened about once in a
  # hundred starts of the sanitizer build under the whole suite and never when started alone:
  # its threads are written to the test's output for whoever looks into it, and it is started
  # once more so that the step under test is still tested.
  for tries in 1 2; do
    "$program" "$@" >"$SESSION_DIR/game.log" 2>&1 &
    GAME_PID=$!
    timeout 30 xdotool search --sync --onlyvisible --name '^Aerolith$' >"$SESSION_DIR/window" && return
    kill -0 "$GAME_PID" 2>/dev/null || fail "no Aerolith window appeared; the game ended: $(cat "$SESSION_DIR/game.log")"
    echo "STUCK: the game showed no window in 30 s; its threads:" >&2
    if command -v gdb >/dev/null; then gdb -p "$GAME_PID" -batch -ex 'thread apply all bt 20' >&2 2>/dev/null || true; fi
    kill -KILL "$GAME_PID" 2>/dev/null || true
    wait "$GAME_PID" 2>/dev/null || true
  done
  fail "no Aerolith window appeared in 30 s, twice: $(cat "$SESSION_DIR/game.log")"
}

# Starts the copied game in the background, with the options given.
start_game() { start_program "$GAME_DIR/Skyscrub" "$@"; }

# The line of the message box titled $1 in the window tree, e.g. 0x600002 "Error": ()
# 200x100+300+166  +300+166; nothing while none is open.
message_box() { xwininfo -root -tree | grep "\"$1\": ()" || true; }

# Waits (10 s at most) for a message box titled $1 to open or, with $2 = closed, to close; prints
# its line (nothing once closed).
await_message_box() {
  local waited
  for waited in $(seq 100); do
    if [[ ${2:-} == closed ]]; then [[ -z $(message_box "$1") ]] && break; else [[ -n $(message_box "$1") ]] && break; fi
    sleep 0.1
  done
  message_box "$1"
}

# Clicks OK, centred at the bottom of the message box whose line is $1.
click_ok() {
  local width height x y
  read -r width height x y < <(grep -oE '[0-9]+x[0-9]+\+[0-9]+\+[0-9]+' <<<"$1" | head -n1 | tr 'x+' '  ')
  xdotool mousemove $((x + width / 2)) $((y + height - 28)) click 1
}

# Waits (5 s at most) for the game to end; its exit status goes into GAME_STATUS.
await_game_end() {
  timeout 5 tail --pid="$GAME_PID" -f /dev/null || fail "the game did not end"
  GAME_STATUS=0
  wait "$GAME_PID" || GAME_STATUS=$?
  GAME_PID=""
}

# Waits for the game to end by itself and checks it ended with status 0.
expect_clean_exit() {
  await_game_end
  [[ $GAME_STATUS -eq 0 ]] || fail "the game ended with status $GAME_STATUS: $(cat "$SESSION_DIR/game.log")"
}

# The inside of window $1 (without the window manager's frame) as "X Y WIDTH HEIGHT" on the screen.
client_area() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
                           /Width:/ { w = $NF } /Height:/ { h = $NF } END { print x, y, w, h }'
}

# Waits (5 s at most) for the inside of window $1 to become $2 ("WIDTH HEIGHT"), as a window
# manager takes its time to make a window full screen and back; then prints its client area.
await_client_size() {
  local tries area
  for tries in $(seq 50); do
    area=$(client_area "$1" 2>/dev/null || true)
    [[ $(cut -d' ' -f3,4 <<<"$area") == "$2" ]] && break
    sleep 0.1
  done
  echo "$area"
}

# Fails unless window $1 carries the game's icon, drawn at 64 x 64. xprop's answer is read whole
# first: grep -q would stop reading the icon's picture early and break the pipe.
expect_game_icon() {
  local icon
  icon=$(xprop -id "$1" _NET_WM_ICON)
  grep -q 'Icon (64 x 64)' <<<"$icon" || fail "the window has no 64 x 64 icon"
}

# Bytes of audio recorded in $SESSION_DIR/audio.raw (SDL_AUDIODRIVER=disk) that are not silence,
# from byte $1 (default 0) to byte $2 (default the end).
audible_bytes() {
  local from=${1:-0} to=${2:-$(stat -c %s "$SESSION_DIR/audio.raw")}
  head -c "$to" "$SESSION_DIR/audio.raw" | tail -c "+$((from + 1))" | tr -d '\000' | wc -c
}

# Holds a key long enough for the game's polls to see it.
hold_key() {
  xdotool keydown "$1"
  sleep 0.3
  xdotool keyup "$1"
}

# Screenshot of the whole screen into $SESSION_DIR/$1.png.
screenshot() {
  sleep 0.3  # a frame or two for the change to reach the screen
  import -window root "$SESSION_DIR/$1.png"
}

# Number of pixels of exactly colour $3 (e.g. FF0000) in box $2 (WxH+X+Y) of screenshot $1.
count_colour() {
  convert "$SESSION_DIR/$1.png" -crop "$2" +repage txt:- | grep -ci "#$3" || true
}

# Takes screenshot $1 until box $2 holds more than $4 pixels of colour $3, for 5 s at most (a
# loaded machine may take longer than a frame or two to show the change); prints the last count.
await_colour() {
  local name=$1 box=$2 colour=$3 least=$4 count=0 tries
  for tries in $(seq 15); do
    screenshot "$name"
    count=$(count_colour "$name" "$box" "$colour")
    ((count > least)) && break
  done
  echo "$count"
}

# Whether box $2 (WxH+X+Y) of screenshot $1 is black all over.
all_black() {
  [[ $(convert "$SESSION_DIR/$1.png" -crop "$2" +repage -format '%[max]' info:) == 0 ]]
}

# The canvas that box $2 of screenshot $1 shows scaled, sampled back to 800 x 600 pixels into
# $SESSION_DIR/$3.png: each pixel from the middle of the window pixels that show it.
canvas_shown() {
  convert "$SESSION_DIR/$1.png" -crop "$2" +repage -sample '800x600!' "$SESSION_DIR/$3.png"
}

# The box (WxH+X+Y) of the canvas that no label covers on the title, instruction and end screens.
readonly ABOVE_MENU=800x470+0+0

# Pixels of box $2 of screenshot $1 that differ from the same box of picture $3.
differing_pixels() {
  convert "$3" -crop "$2" +repage "$SESSION_DIR/expected.png"
  convert "$SESSION_DIR/$1.png" -crop "$2" +repage "$SESSION_DIR/actual.png"
  compare -metric AE -fuzz 2% "$SESSION_DIR/expected.png" "$SESSION_DIR/actual.png" null: 2>&1 || true
}
