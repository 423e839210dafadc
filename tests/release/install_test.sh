#!/usr/bin/env bash
# Tries the release packages the way a user does, in a fresh Wine prefix of its own:
# - the installer, silent: program, start-menu entry and "Apps" entry in place; the
#   installed program starts, shows its main window and writes PIXAPORT.INI beside
#   itself; the silent uninstaller removes the program and keeps the settings;
# - installed again and uninstalled with its dialogs, the user agreeing to remove the
#   settings: the settings and the error log go too, and with them the folder;
# - the zip unpacked into a fresh folder: the program starts and writes its INI there.
# Needs an X display (the test command provides one).
# Usage: install_test.sh <packages-dir> <version> <work-dir>
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
packages=$(cd "$1" && pwd) version=$2 work=$3
setup="$packages/Pixaport-$version-Setup.exe"
zip="$packages/Pixaport-$version.zip"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\QorPixaport'

fail() { echo "FAIL: $*" >&2; exit 1; }
step() { echo "-- $*"; }

rm -rf "$work"
mkdir -p "$work"
work=$(cd "$work" && pwd)
source "$root/scripts/wine-env.sh" "$work/prefix"
trap 'wineserver -k 2>/dev/null || true' EXIT
step "fresh Wine prefix"
pixa_prepare_prefix
wineserver -k 2>/dev/null || true
wineserver -w

winvar() { wine cmd /c echo "%$1%" 2>/dev/null | tr -d '\r'; }
unixpath() { winepath -u "$1" 2>/dev/null; }

# Starts the program in folder (Windows path), waits for its main window and its
# INI, checks that the INI names this folder, then ends the program.
run_program() {
  local folder=$1 dir
  dir=$(unixpath "$folder")
  [ -f "$dir/pixaport.exe" ] || fail "no pixaport.exe in $folder"
  (cd "$dir" && wine "$folder\\pixaport.exe" >/dev/null 2>&1 &)
  local window=""
  for _ in $(seq 1 120); do
    window=$(xdotool search --name "^ Qor Pixaport v$version\$" 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 1
  done
  [ -n "$window" ] || fail "the main window of the program in $folder did not appear"
  for _ in $(seq 1 30); do [ -f "$dir/PIXAPORT.INI" ] && break; sleep 1; done
  [ -f "$dir/PIXAPORT.INI" ] || fail "no PIXAPORT.INI beside the program in $folder"
  grep -q "^MyPath=${folder//\\/\\\\}"$'\r'"\?\$" "$dir/PIXAPORT.INI" ||
    fail "PIXAPORT.INI does not name the program folder $folder: $(tr -d '\r' < "$dir/PIXAPORT.INI")"
  wineserver -k
  wineserver -w
}

step "silent installation"
wine "$setup" /S
wineserver -w
folder="$(winvar LOCALAPPDATA)\\Programs\\Qor Pixaport"
dir=$(unixpath "$folder")
for f in pixaport.exe Select.wav DeSelect.wav PIXAPORT.HLP PIXAPORT.CNT PIXAPORT.CHM LIESMICH.txt Uninstall.exe; do
  [ -f "$dir/$f" ] || fail "installed folder lacks $f"
done
menu="$(unixpath "$(winvar APPDATA)")/Microsoft/Windows/Start Menu/Programs/Qor Pixaport.lnk"
[ -f "$menu" ] || fail "no start-menu entry"
uninstall=$(wine reg query "$key" /v QuietUninstallString 2>/dev/null | tr -d '\r' | sed -n 's/.*REG_SZ *//p')
[ "$uninstall" = "\"$folder\\Uninstall.exe\" /S" ] || fail "uninstaller entry reads '$uninstall'"
wine reg query "$key" /v DisplayName 2>/dev/null | grep -q "Qor Pixaport" || fail "uninstaller entry has no name"

step "installed program runs"
run_program "$folder"

step "silent uninstallation"
wine "$folder\\Uninstall.exe" /S
# The uninstaller runs from a copy of itself; wait until it has done its work.
for _ in $(seq 1 60); do [ -e "$dir/Uninstall.exe" ] || break; sleep 1; done
wineserver -w
for f in pixaport.exe Select.wav DeSelect.wav PIXAPORT.HLP PIXAPORT.CNT PIXAPORT.CHM LIESMICH.txt Uninstall.exe; do
  [ ! -e "$dir/$f" ] || fail "uninstall left $f"
done
[ ! -e "$menu" ] || fail "uninstall left the start-menu entry"
if wine reg query "$key" >/dev/null 2>&1; then fail "uninstall left the Apps entry"; fi
[ -f "$dir/PIXAPORT.INI" ] || fail "silent uninstall removed the user's settings"

step "uninstallation with the user's agreement"
wine "$setup" /S
wineserver -w
printf 'log\r\n' > "$dir/Error.log"
wine "$folder\Uninstall.exe" >/dev/null 2>&1 &
# The visible window of that title with the smallest width (a question before the page).
window_named() {
  local id best="" best_width=100000
  for id in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$id")"
    if [ "$WIDTH" -lt "$best_width" ]; then best=$id best_width=$WIDTH; fi
  done
  echo "$best"
}
press_in() {
  local id=""
  for _ in $(seq 1 60); do id=$(window_named "$1") && [ -n "$id" ] && break; sleep 1; done
  [ -n "$id" ] || fail "no window '$1' during the uninstallation"
  sleep 1
  xdotool windowfocus --sync "$id" 2>/dev/null || true
  xdotool key --clearmodifiers "${@:2}"
}
title="Deinstallation von Qor Pixaport"
# The confirm page's default button uninstalls; the program files go first, then
# comes the question about the settings: "Ja" (German) or "Yes" (English platform texts).
press_in "$title" Return
for _ in $(seq 1 60); do [ -e "$dir/pixaport.exe" ] || break; sleep 1; done
sleep 2
press_in "$title" j y
for _ in $(seq 1 60); do [ -e "$dir" ] || break; sleep 1; done
[ ! -e "$dir" ] || fail "after the user agreed, the folder still holds: $(ls "$dir")"
wineserver -k
wineserver -w

step "portable zip"
portable="$WINEPREFIX/drive_c/Portable"
mkdir -p "$portable"
unzip -q "$zip" -d "$portable"
run_program "C:\\Portable\\Pixaport-$version"
echo "release packages: all checks passed"
