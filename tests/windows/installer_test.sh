#!/usr/bin/env bash
# The installer under Wine, for a new user (a Wine prefix of its own): it installs silently into
# the user's own programs folder, with the Start-menu shortcuts and the entry in the list of
# installed programs; the installed programs start, and the options dialog saves in the installed
# folder; the uninstaller removes everything but the player's settings.
# Usage: installer_test.sh PATH/TO/Skyscrub-<version>-windows-x64-installer.exe
installer=$(realpath "$1")
source "$(dirname "$0")/wine_session.sh"
[[ -f $installer ]] || fail "no installer at $1 (the windows_installer target builds it)"

readonly KEY='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Skyscrub'
# The value VALUE of the installer's uninstall entry, or nothing.
entry() { wine reg query "$KEY" /v "$1" 2>/dev/null | tr -d '\r' | awk -v name="$1" '$1 == name { $1 = ""; $2 = ""; sub(/^ +/, ""); print }'; }

# Silently, for this user only: no administrator, nothing outside the user's profile.
wine "$installer" /S >"$work/install.log" 2>&1 || fail "the installer failed: $(cat "$work/install.log")"
folder=$(unix_path "$(wine cmd /c echo '%LOCALAPPDATA%' | tr -d '\r')\\Programs\\Skyscrub")
for file in Skyscrub.exe SkyscrubSetup.exe Uninstall.exe components/gamedata.jpc; do
  [[ -f $folder/$file ]] || fail "not installed: $folder/$file"
done
[[ $(ls "$folder/components" | wc -l) -gt 1 ]] || fail "the components folder holds only $(ls "$folder/components")"

menu=$(unix_path "$(wine cmd /c echo '%APPDATA%' | tr -d '\r')\\Microsoft\\Windows\\Start Menu\\Programs\\Skyscrub")
for shortcut in "Skyscrub" "Skyscrub in a window" "Skyscrub Options"; do
  [[ -f $menu/$shortcut.lnk ]] || fail "no Start-menu shortcut \"$shortcut\" in $menu: $(ls "$menu" 2>&1)"
done
# A shortcut keeps its arguments as UTF-16 text: the window one passes --window.
arguments=$(strings -a -el "$menu/Skyscrub in a window.lnk")
[[ $arguments == *--window* ]] || fail "the window shortcut does not pass --window: $arguments"

[[ $(entry DisplayName) == Skyscrub ]] || fail "no uninstall entry: $(wine reg query "$KEY" 2>&1 | tr -d '\r')"
[[ $(entry UninstallString) == *'Skyscrub\Uninstall.exe"' ]] || fail "uninstall string $(entry UninstallString)"
[[ -n $(entry DisplayVersion) ]] || fail "no version in the uninstall entry"

# The installed programs start: the options dialog saves into the installed "components" folder
# (it stays the player's to write: a file of one line comes back as the three the dialog writes),
# and the game opens its window.
settings="$folder/components/gamedata.jpc"
printf '30,1,0' >"$settings"
run_dialog() { wine "$folder/SkyscrubSetup.exe"; }
click() { click_at "$window" "$1" "$2"; }
dialog_settles=0.3
start_dialog
click_save
expect_ended
expect_file '30\r\n1\r\n0\r\n'
game_window() { xdotool search --onlyvisible --class 'skyscrub.exe' >/dev/null 2>&1; }
wine "$folder/Skyscrub.exe" --window >"$work/game.log" 2>&1 &
game_pid=$!
wait_until 60 game_window || fail "the installed Skyscrub.exe shows no window: $(cat "$work/game.log")"
kill "$game_pid" 2>/dev/null || true
wineserver -k 2>/dev/null || true
wineserver -p

# The player's settings outlive the uninstaller; nothing else of the game does.
wine "$folder/Uninstall.exe" /S >"$work/uninstall.log" 2>&1 || fail "the uninstaller failed: $(cat "$work/uninstall.log")"
# The uninstaller copies itself away and returns at once; its copy goes on removing.
settled() { [[ ! -e $folder/Uninstall.exe && ! -e $folder/Skyscrub.exe && ! -d $menu ]]; }
wait_until 30 settled || fail "the uninstaller left: $(find "$folder" "$menu" 2>/dev/null)"
left=$(cd "$folder" && find . -mindepth 1 | sort | tr '\n' ' ')
[[ $left == "./components ./components/gamedata.jpc " ]] || fail "the uninstaller left $left"
expect_file '30\r\n1\r\n0\r\n'
[[ -z $(entry DisplayName) ]] || fail "the uninstall entry stayed"

echo "Windows installer under Wine: passed"
