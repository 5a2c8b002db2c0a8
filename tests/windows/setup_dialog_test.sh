#!/usr/bin/env bash
# SkyscrubSetup.exe under Wine on a private X server, driven like a user: the dialog opens at its
# designed size, refuses a speed of 0 with the "Yikes!" message box, saves 25 with the music off
# as three CR LF lines, reports a missing "components" folder with "Oh Noes!", and doubles every
# pixel on a display of twice the density. The game folder has spaces and non-ASCII characters in
# its name.
# Usage: setup_dialog_test.sh PATH/TO/SkyscrubSetup.exe
program=$(realpath "$1")
source "$(dirname "$0")/wine_session.sh"

game="$work/Sky scrub ü 日本"
settings="$game/components/gamedata.jpc"
mkdir -p "$game/components"
cp "$program" "$game/SkyscrubSetup.exe"

run_dialog() { wine "$game/SkyscrubSetup.exe"; }
dialog_settles=0.3  # Wine shows the window before its controls take the pointer

click() { click_at "$window" "$1" "$2"; }

# With no window manager, a message box has the keyboard once given it; OK has its focus.
press_ok() { xdotool windowfocus "$1" key Return 2>>"$work/xdotool.log"; }

# The dialog's client area is 249 x 212 pixels at 96 dots per inch.
start_dialog
geometry=$(xwininfo -id "$window" | awk '/Width:/{w=$NF} /Height:/{h=$NF} END{print w, h}')
[[ $geometry == "249 212" ]] || fail "dialog client area $geometry"

# A speed of 0 is refused with "Yikes!"; the dialog stays open and nothing is written.
replace_speed 0
click_save
expect_message "Yikes!"
[[ ! -e $settings ]] || fail "a refused speed wrote the file"

# 25 with the music off is saved as three CR LF lines, and the program ends.
replace_speed 25
click_music_box
click_save
expect_ended
expect_file '25\r\n1\r\n0\r\n'

# The saved values come back; without the components folder the save reports "Oh Noes!", and
# Cancel still ends the program.
mv "$game/components" "$game/elsewhere"
expect_save_refused_without_components

# --version prints, through the console it was started from or the pipe it was given.
version=$(wine "$game/SkyscrubSetup.exe" --version 2>/dev/null | tr -d '\r')
[[ $version == "SkyscrubSetup "* ]] || fail "--version printed '$version'"

# On a display of 192 dots per inch every pixel of the design is two: the manifest asks for the
# monitor's own scale, so Windows does not blur a small dialog up.
mv "$game/elsewhere" "$game/components"
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 192 /f >/dev/null 2>&1
wineserver -k
wineserver -p
start_dialog
geometry=$(xwininfo -id "$window" | awk '/Width:/{w=$NF} /Height:/{h=$NF} END{print w, h}')
[[ $geometry == "498 424" ]] || fail "dialog client area at 192 dots per inch $geometry"
click_at "$window" 80 372  # Cancel, twice as far
expect_ended

echo "SkyscrubSetup.exe under Wine: passed"
