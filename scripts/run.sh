#!/usr/bin/env bash
# Installs what is missing, builds, lays out the program folder and starts Pixaport under Wine.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
bash scripts/install-deps.sh
bash scripts/build.sh --program

source scripts/wine-env.sh "$root/build/win/wineprefix"
pixa_prepare_prefix
# A German user's platform texts, where the machine has the locale. Set for the
# programs started from here only: this shell began before install-deps may have
# generated the locale and cannot switch to it any more.
german=()
if locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then german=(LC_ALL=de_DE.UTF-8); fi

cd build/program
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  echo "Starting Pixaport on display $DISPLAY."
  exec env "${german[@]}" wine pixaport.exe
fi

echo "No X display found: starting Pixaport on a virtual display (Xvfb)."
env "${german[@]}" xvfb-run -a -s "-screen 0 1024x768x24" bash "$root/scripts/show-virtual.sh" "$root"
