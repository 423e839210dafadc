#!/usr/bin/env bash
# Runs inside xvfb-run: starts the program on a Wine desktop, leaves a screenshot,
# then closes the program the way a user would and shows the configuration it left.
set -uo pipefail
root=$1
shot="$root/build/screenshot.png"
wineserver -k 2>/dev/null || true
wine explorer /desktop=Pixaport,1024x768 pixaport.exe &
pid=$!
win=""
for _ in $(seq 1 60); do
  win=$(xdotool search --name '^ Qor Pixaport' 2>/dev/null | head -n 1) && [ -n "$win" ] && break
  sleep 0.5
done
sleep 2
import -window root "$shot"
echo "Screenshot of the running program: $shot"
if [ -n "$win" ]; then
  xdotool search --name '^ Qor Pixaport' getwindowgeometry 2>/dev/null | sed 's/^/  /' | head -n 3
  echo "Closing the program window."
  # Wine's desktop takes keys only after a click inside the window.
  eval "$(xdotool getwindowgeometry --shell "$win")"
  xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 1 2>/dev/null || true
  sleep 0.5
  xdotool key --clearmodifiers alt+F4 2>/dev/null || true
fi
for _ in $(seq 1 20); do pgrep -f 'pixaport.exe' >/dev/null || break; sleep 0.5; done
wineserver -k 2>/dev/null || true
wait "$pid" 2>/dev/null || true
echo "PIXAPORT.INI after the run:"
sed 's/^/  /' "$root/build/program/PIXAPORT.INI" 2>/dev/null || echo "  (none)"
