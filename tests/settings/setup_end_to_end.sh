#!/usr/bin/env bash
# SkyscrubSetup on a private X server, driven like a user: it opens as a fixed dialog in its own
# window class, with the game's icon and its light look; its speed field draws whole while typed
# into; it saves a typed speed and an unticked box, refuses a speed of 0, takes no fourth digit, and
# reports a missing "components" folder.
# Usage: setup_end_to_end.sh PATH/TO/SkyscrubSetup
program=$1
source "$(dirname "$0")/../support/dialog_session.sh"

# The game folder as installed: the program beside its components folder.
game="$work/game"
settings="$game/components/gamedata.jpc"
mkdir -p "$game/components"
cp "$program" "$game/SkyscrubSetup"

has_window() { xwininfo -root -tree | grep -q "\"$1\": "; }

run_dialog() { "$game/SkyscrubSetup"; }

click() { xdotool mousemove --window "$window" "$1" "$2" click 1 2>>"$work/xdotool.log"; }

# A message box appears under the pointer, and OK has the keyboard.
press_ok() { xdotool mousemove --window "$1" 10 10 key Return 2>>"$work/xdotool.log"; }

# A fixed dialog of 249 x 212 centred on the 800 x 600 screen, with a close box only.
start_dialog
geometry=$(xwininfo -id "$window" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF} /Width:/{w=$NF} /Height:/{h=$NF} END{print x, y, w, h}')
[[ $geometry == "275 194 249 212" ]] || fail "dialog geometry $geometry"
xprop -id "$window" _MOTIF_WM_HINTS | grep -q '= 0x3, 0x24, ' || fail "not a fixed dialog border: $(xprop -id "$window" _MOTIF_WM_HINTS)"
# The desktop entry finds the dialog by this class; the window carries the game's 32 x 32 icon.
[[ $(xprop -id "$window" WM_CLASS) == 'WM_CLASS(STRING) = "SkyscrubSetup", "SkyscrubSetup"' ]] ||
  fail "window class $(xprop -id "$window" WM_CLASS)"
xprop -id "$window" _NET_WM_ICON | grep -q 'Icon (32 x 32)' || fail "no icon: $(xprop -id "$window" _NET_WM_ICON | head -c 200)"
# The light ground of the current look, left of the frames, and the frames' grey border.
import -window "$window" "$work/dialog.png"
pixel() { convert "$work/dialog.png" -format "%[hex:p{$1,$2}]" info:; }
[[ $(pixel 5 100) == F6F5F4* ]] || fail "dialog ground $(pixel 5 100)"
[[ $(pixel 12 140) == C0BCB8* ]] || fail "frame border $(pixel 12 140)"

# No file yet: a typed speed and an unticked Music box are saved, and the program ends.
replace_speed 25
# While the field has the focus, each key redraws it whole: its border on all four sides (none of
# the dialog's ground in its box) and both digits as they stand once the focus has left it.
sleep 0.3
import -window "$window" "$work/typing.png"
xdotool key Tab 2>>"$work/xdotool.log"
sleep 0.3
import -window "$window" "$work/typed.png"
crop() { convert "$work/$1.png" -crop "$2" +repage txt:- | tail -n +2; }
# The field's 45 x 19 box at 176, 60: its four sides between the rounded corners, then its digits.
readonly BORDER_SIDES=(41x1+178+60 41x1+178+78 1x15+176+62 1x15+220+62) DIGITS=14x14+179+63
for side in "${BORDER_SIDES[@]}"; do
  ground=$(crop typing "$side" | grep -ci '#F6F5F4' || true)
  [[ $ground -eq 0 ]] || fail "the speed field lost its border at $side while typing ($ground pixels of the ground)"
done
[[ $(crop typing "$DIGITS") == "$(crop typed "$DIGITS")" ]] || fail "the typed digits were cut while the field had the focus"
click_music_box
click_save
expect_ended
expect_file '25\r\n1\r\n0\r\n'

# A speed of 0 is refused with "Yikes!"; the dialog stays open and nothing is written.
start_dialog
replace_speed 0
click_save
expect_message "Yikes!"
expect_file '25\r\n1\r\n0\r\n'

# The box takes three characters; the loaded Music box stays unticked.
replace_speed 1234
click_save
expect_ended
expect_file '123\r\n1\r\n0\r\n'

# Without the components folder the save reports "Oh Noes!"; Cancel still ends the program.
rm -r "$game/components"
expect_save_refused_without_components

echo "SkyscrubSetup end to end: passed"
