#!/usr/bin/env bash
# The game as a packager tests it. The Debian package of the build under test holds the files
# of the installed layout and no lintian error; unpacked into a scratch root, and again
# installed with `cmake --install` into a scratch prefix, it runs for a new user: the game plays
# with the settings it ships (music heard), the options editor makes the per-user settings file,
# the game reads it (music on is heard, music off is silent) and finds its sounds in
# share/games/skyscrub. A portable game folder copied beside an
# installed game keeps its own settings, and the build folder's game still starts in place.
# Usage: install_test.sh SOURCE_FOLDER BUILD_FOLDER
source "$(dirname "$0")/../e2e/game_session.sh"
readonly SOURCE=$1 BUILD=$2

need_tools dpkg-deb lintian appstreamcli xdotool xprop identify
[[ -f $BUILD/game/components/sound/music1.mid ]] || { echo "skipped: no music built"; exit "$SKIP"; }
[[ -f /usr/share/sounds/sf2/TimGM6mb.sf2 ]] || { echo "skipped: no General MIDI sound font"; exit "$SKIP"; }
unset XDG_CONFIG_HOME

# Each program's window must carry the class its desktop entry names, so docks group it there.
startup_class() { sed -n 's/^StartupWMClass=//p' "$SOURCE/packaging/$1"; }
GAME_CLASS=$(startup_class org.example.skyscrub.desktop)
EDITOR_CLASS=$(startup_class org.example.skyscrub.setup.desktop)
readonly GAME_CLASS EDITOR_CLASS
[[ -n $GAME_CLASS && -n $EDITOR_CLASS ]] || fail "a desktop entry names no window class"
expect_class() {
  local found
  found=$(xprop -id "$1" WM_CLASS)
  [[ $found == "WM_CLASS(STRING) = \"$2\", \"$2\"" ]] || fail "$3: $found, where the desktop entry says $2"
}

readonly ICON_SIZES=(16 24 32 48 64 128 256)

# What an installed game consists of, below its prefix: programs, then read-only files.
expected_files() {
  local size
  printf '%s\n' games/skyscrub games/skyscrub-setup \
    share/applications/org.example.skyscrub.desktop share/applications/org.example.skyscrub.setup.desktop \
    share/doc/skyscrub/changelog.gz share/doc/skyscrub/copyright \
    share/man/man6/skyscrub.6.gz share/man/man6/skyscrub-setup.6.gz \
    share/metainfo/org.example.skyscrub.metainfo.xml share/games/skyscrub/gamedata.jpc
  for size in "${ICON_SIZES[@]}"; do echo "share/icons/hicolor/${size}x${size}/apps/skyscrub.png"; done
  for sound in die1.wav music1.mid music2.mid music3.wav music4.wav shoot2.wav xplode2.wav; do
    echo "share/games/skyscrub/sound/$sound"
  done
}

# The files below prefix $1 with their modes, as "mode path" lines.
files_with_modes() { (cd "$1" && find . -type f -printf '%m %P\n' | sort -k2); }

expect_layout() {
  local listed=$1 where=$2
  diff <(expected_files | sort) <(awk '{print $2}' <<<"$listed") >"$SESSION_DIR/layout.diff" ||
    fail "$where: files differ from the layout (< expected, > found): $(cat "$SESSION_DIR/layout.diff")"
  grep -v '^755 games/' <<<"$listed" | grep -v '^644 ' && fail "$where: files with unexpected modes"
  [[ $(grep -c '^755 games/' <<<"$listed") -eq 2 ]] || fail "$where: the programs are not executable"
  local size
  for size in "${ICON_SIZES[@]}"; do
    [[ $(identify -format '%wx%h' "$3/share/icons/hicolor/${size}x${size}/apps/skyscrub.png") == "${size}x${size}" ]] ||
      fail "$where: the ${size} px icon has another size"
  done
}

has_window() { xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }
wait_for() {
  local tries
  for ((tries = 0; tries < 100; tries++)); do "$@" && return 0; sleep 0.1; done
  return 1
}

# Opens the options editor $1 and clicks its "Save " button; $2 is "saved" when the program is
# to end, or the title of the message it must show instead (the dialog then stays open).
save_with_editor() {
  local program=$1 outcome=$2 pid window
  "$program" >"$SESSION_DIR/editor.log" 2>&1 &
  pid=$!
  track "$pid"
  wait_for has_window "Skyscrub Options" || fail "$program: no dialog: $(cat "$SESSION_DIR/editor.log")"
  window=$(xdotool search --onlyvisible --name '^Skyscrub Options$' | head -n1)
  expect_class "$window" "$EDITOR_CLASS" "$program"
  xdotool mousemove --window "$window" 208 186 click 1  # the Save button's place in the dialog
  if [[ $outcome == saved ]]; then
    timeout 10 tail --pid="$pid" -f /dev/null || fail "$program: the dialog did not close after saving"
    local status=0
    wait "$pid" || status=$?
    untrack "$pid"
    [[ $status -eq 0 ]] || fail "$program: ended with status $status"
  else
    wait_for has_window "$outcome" || fail "$program: no \"$outcome\" message"
    kill -0 "$pid" 2>/dev/null || fail "$program: ended after \"$outcome\""
    stop_tracked "$pid"
  fi
}

# Runs the game $1 for two seconds recording its audio and closes it with Escape; HEARD is
# then the number of bytes of sound it played.
play_game() {
  rm -f "$SESSION_DIR/audio.raw"
  SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$SESSION_DIR/audio.raw" start_program "$1"
  expect_class "$(head -n1 "$SESSION_DIR/window")" "$GAME_CLASS" "$1"
  sleep 2
  hold_key Escape
  expect_clean_exit
  HEARD=$(audible_bytes)
}

# The installed programs under prefix $1, for a new user whose home is $2.
check_installed_game() {
  local prefix=$1 where=$2
  export HOME=$SESSION_DIR/home-$where
  mkdir -p "$HOME"
  local settings=$HOME/.config/skyscrub/gamedata.jpc

  [[ $("$prefix/games/skyscrub-setup" --version) == "SkyscrubSetup 1.0" ]] || fail "$where: --version"
  "$prefix/games/skyscrub-setup" --help | grep -q -- '--version' || fail "$where: --help"
  # Each program's help names itself and the other by the installed commands, and no tool the
  # package does not ship.
  local help
  for program in skyscrub:skyscrub-setup skyscrub-setup:skyscrub; do
    help=$("$prefix/games/${program%%:*}" --help)
    [[ $help == "Usage: ${program%%:*} "* && $help == *"${program##*:}"* ]] || fail "$where: ${program%%:*} --help: $help"
    [[ $help != *SkyscrubSetup* && $help != *skyscrub-trace* ]] || fail "$where: ${program%%:*} --help names a build's program"
  done
  local status=0
  "$prefix/games/skyscrub-setup" --no-such-option 2>"$SESSION_DIR/err" || status=$?
  [[ $status -eq 2 && $(wc -l <"$SESSION_DIR/err") -eq 1 ]] || fail "$where: a bad option gave status $status"

  # A new user has no settings of their own: the game plays as the shipped file says, music on.
  play_game "$prefix/games/skyscrub"
  local first=$HEARD
  [[ $first -gt 10000 ]] || fail "$where: a new user's game was silent"
  [[ ! -e $settings ]] || fail "$where: the game wrote a settings file"

  save_with_editor "$prefix/games/skyscrub-setup" saved
  printf '10\r\n1\r\n1\r\n' | cmp -s - "$settings" || fail "$where: per-user file $(od -c "$settings" 2>&1)"
  [[ $(stat -c %a "$HOME/.config/skyscrub") == 700 ]] || fail "$where: the settings folder is not private"
  play_game "$prefix/games/skyscrub"
  local on=$HEARD
  [[ $on -gt 10000 ]] || fail "$where: music on in the per-user file, yet the game was silent"
  printf '10\r\n1\r\n0\r\n' >"$settings"
  play_game "$prefix/games/skyscrub"
  [[ $HEARD -eq 0 ]] || fail "$where: music off in the per-user file, yet $HEARD bytes of sound"

  # A home where no folder can be made: the editor reports it and keeps the dialog open.
  HOME=$SESSION_DIR/home-$where/blocked
  touch "$HOME"
  save_with_editor "$prefix/games/skyscrub-setup" "Oh Noes!"
  echo "$where: a new user's game heard ($first bytes); per-user settings made by the editor; music heard when on ($on bytes), silent when off"
}

start_x_server

deb=$("$SOURCE/scripts/package" "$BUILD" 2>"$SESSION_DIR/package.log") || fail "scripts/package: $(cat "$SESSION_DIR/package.log")"
dpkg-deb -f "$deb" Section | grep -qx games || fail "section $(dpkg-deb -f "$deb" Section)"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in timgm6mb-soundfont fonts-liberation libsdl2-2.0-0 libsdl2-mixer-2.0-0 libfltk1.3; do
  grep -q "\b$needed\b" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
lintian --fail-on error "$deb" >"$SESSION_DIR/lintian.log" 2>&1 || fail "lintian: $(cat "$SESSION_DIR/lintian.log")"
grep -E '^[WIP]: ' "$SESSION_DIR/lintian.log" || echo "lintian: no error and no warning"

# The package, unpacked as dpkg would, owned by root.
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ && $2 != "root/root" {print; bad=1} END {exit bad}' || fail "files not owned by root"
mkdir "$SESSION_DIR/root"
dpkg-deb -x "$deb" "$SESSION_DIR/root"
packaged=$(files_with_modes "$SESSION_DIR/root/usr")
expect_layout "$packaged" package "$SESSION_DIR/root/usr"
# The software centre's view: the metainfo with the desktop entry and icon it names.
appstreamcli validate-tree --no-net "$SESSION_DIR/root" >"$SESSION_DIR/appstream.log" 2>&1 ||
  fail "appstreamcli validate-tree: $(cat "$SESSION_DIR/appstream.log")"
check_installed_game "$SESSION_DIR/root/usr" package

# cmake --install lays out the same files.
cmake --install "$BUILD" --prefix "$SESSION_DIR/prefix" >"$SESSION_DIR/install.log" || fail "cmake --install: $(cat "$SESSION_DIR/install.log")"
[[ $(files_with_modes "$SESSION_DIR/prefix") == "$packaged" ]] ||
  fail "cmake --install differs from the package: $(diff <(echo "$packaged") <(files_with_modes "$SESSION_DIR/prefix"))"
check_installed_game "$SESSION_DIR/prefix" prefix

# A portable game folder copied into an installed game's programs folder keeps its own settings
# (music off) over the user's (music on), and its editor saves there.
export HOME=$SESSION_DIR/home-portable
mkdir -p "$HOME/.config/skyscrub"
printf '10\r\n1\r\n1\r\n' >"$HOME/.config/skyscrub/gamedata.jpc"
GAME_DIR=$SESSION_DIR/prefix/games
copy_game "$BUILD/game" '7\r\n1\r\n0\r\n'
cp "$BUILD/game/SkyscrubSetup" "$GAME_DIR/"
touch -d 2000-01-01 "$GAME_DIR/components/gamedata.jpc" "$HOME/.config/skyscrub/gamedata.jpc"
save_with_editor "$GAME_DIR/SkyscrubSetup" saved
[[ $(stat -c %Y "$GAME_DIR/components/gamedata.jpc") -gt 946771200 ]] || fail "portable copy: the editor saved elsewhere"
printf '7\r\n1\r\n0\r\n' | cmp -s - "$GAME_DIR/components/gamedata.jpc" || fail "portable copy: the editor changed the settings"
[[ $(stat -c %Y "$HOME/.config/skyscrub/gamedata.jpc") -lt 946771200 ]] || fail "portable copy: the per-user file was written"
play_game "$GAME_DIR/Skyscrub"
[[ $HEARD -eq 0 ]] || fail "portable copy: the game took the per-user settings ($HEARD bytes of music)"

# The build folder's own game, which scripts/play starts, still opens there.
play_game "$BUILD/game/Skyscrub"
echo "passed: package and cmake --install layouts, portable copy and build folder"
