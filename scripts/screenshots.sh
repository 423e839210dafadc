#!/usr/bin/env bash
# Takes the pictures of the README (docs/images/) and of the help (help/bilder/)
# from the real program, started under Xvfb in a Wine prefix of its own with a
# prepared program folder: pictures in C:\Bilder, a 64 MB card as drive P:.
# Each picture is taken only when its window appears; a missing one is reported
# and skipped. Run after a build (bash scripts/build.sh).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
if [ -z "${PIXA_SHOTS_INSIDE:-}" ]; then
  [ -f build/program/pixaport.exe ] || { echo "build first: bash scripts/build.sh" >&2; exit 1; }
  PIXA_SHOTS_INSIDE=1 exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
fi

work="$root/build/shots"
source scripts/wine-env.sh "$work/prefix"
pixa_prepare_prefix
if locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then export LC_ALL=de_DE.UTF-8; fi
wineserver -k 2>/dev/null || true
wineserver -w

# The program folder; its settings point at the pictures and the card.
program="$work/program"
rm -rf "$program"
mkdir -p "$program"
cp build/program/* "$program/"
# settings <Konvert> <Quelle>: the configuration a run starts with.
settings() {
  printf '[Data]\r\nKonvert=%s\r\nExtens=JPG\r\nBeginn=Sony\r\nQuelle=%s\r\nSubOrd=1\r\nZiel=P:\\DCIM\\100QOR\\\r\nSpeicher=64\r\n' \
    "$1" "$2" > "$program/PIXAPORT.INI"
}

pictures="$WINEPREFIX/drive_c/Bilder"
if [ ! -d "$pictures" ]; then
  i=0
  for folder in Urlaub Geburtstag Garten; do
    mkdir -p "$pictures/$folder"
    for colours in "skyblue-navy" "orange-firebrick" "palegreen-darkgreen" "khaki-sienna"; do
      i=$((i + 1))
      convert -size 1600x1200 "gradient:${colours}" -quality 92 "$pictures/$folder/IMG_$(printf %04d $i).JPG"
    done
  done
fi

card="$work/card"
mkdir -p "$card"
if ! mountpoint -q "$card"; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo -n"
  $SUDO mount -t tmpfs -o size=64m tmpfs "$card" 2>/dev/null || echo "no tmpfs: the card shows the free space of the build disk"
fi
mkdir -p "$card/DCIM/100QOR"
ln -sfn "$card" "$WINEPREFIX/dosdevices/p:"
printf 'REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Wine\\Drives]\r\n"p:"="floppy"\r\n' > "$work/drives.reg"
wine regedit /S "$work/drives.reg" >/dev/null 2>&1 || true

cleanup() {
  wineserver -k 2>/dev/null || true
  if mountpoint -q "$card"; then umount "$card" 2>/dev/null || sudo -n umount "$card" 2>/dev/null || true; fi
}
trap cleanup EXIT

# The first window whose title matches, waited for up to $2 seconds.
find_window() {
  local id=""
  for _ in $(seq 1 "$2"); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -n 1) && [ -n "$id" ] && break
    sleep 1
  done
  echo "$id"
}

# shot <window-title-pattern> <name> [where...]: waits for the window and saves it.
shot() {
  local pattern=$1 name=$2 id
  shift 2
  id=$(find_window "$pattern" 30)
  if [ -z "$id" ]; then
    echo "skipped $name: no window '$pattern'"
    return 1
  fi
  sleep 2
  # The help viewer shares the screen with the main window: take the whole screen.
  if [ "$pattern" = "$viewer" ]; then id=root; fi
  import -window "$id" "$work/$name.png"
  for dir in "$@"; do mkdir -p "$dir" && cp "$work/$name.png" "$dir/"; done
  echo "took $name"
}

keys() { xdotool key --clearmodifiers "$@"; sleep 2; }

# Clicks at x, y inside a window (Windows and X coordinates agree).
click_in() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove $((X + $2)) $((Y + $3)) click 1
  sleep 2
}

start_program() {
  (cd "$program" && wine pixaport.exe >/dev/null 2>&1 &)
}

main_title='^ Qor Pixaport v1\.05$'
viewer='Wine'  # the help viewer's title follows the platform's language

stop_program() {
  wineserver -k
  wineserver -w
}

# The start-up dialog offering an error log left by an earlier run.
settings 0 'C:\Bilder\'
printf 'Application\r\n===========\r\n   Error description: Error BASE/1004  Write error: P:\\DCIM\\100QOR\\DSC00007.JPG\r\n\x1a' \
  > "$program/Error.log"
start_program
shot '^Fehlerprotokoll$' fehlerprotokoll help/bilder || true
stop_program
rm -f "$program/Error.log"

# The first start: no picture folder yet, so the settings dialog opens by itself.
settings 0 ''
start_program
shot '^Pixaport - Einstellungen$' einstellungen docs/images help/bilder || true
stop_program

# "Konvert" set: the transfer dialog opens at start-up; starting it leads to the list.
settings 1 'C:\Bilder\'
start_program
if shot '^Bilddateien .*bertragen$' uebertragen docs/images help/bilder; then
  keys alt+s
  shot '^Bilddateien ausw.*hlen$' auswahl docs/images help/bilder || true
fi
stop_program

# The main window with the mouse over "• Bilder Übertragen", which shows its hint.
# It stands at the lower right, where the help viewer (at the top left) leaves its
# lower part and its help label uncovered.
settings 0 'C:\Bilder\'
printf '[Pixaport]\r\nTop=280\r\nLeft=380\r\nBottom=760\r\nRight=1020\r\n' >> "$program/PIXAPORT.INI"
start_program
main=$(find_window "$main_title" 60)
[ -n "$main" ] || { echo "the main window did not appear" >&2; exit 1; }
sleep 4
click_in "$main" 20 300
eval "$(xdotool getwindowgeometry --shell "$main")"
xdotool mousemove $((X + 450)) $((Y + 140))
shot "$main_title" hauptfenster docs/images help/bilder || true

# The help: F1 in the main window opens its own topic, then "• Hilfe" the contents
# in the same viewer.
keys F1
shot "$viewer" hilfe-thema || true
click_in "$main" 20 300
click_in "$main" 430 255
shot "$viewer" hilfe-inhalt || true
stop_program
