#!/usr/bin/env bash
# Builds the benchmarks and runs them all: ours under Wine, the references (find, cp + sync,
# xmessage) natively on the same data, and the floors (bare Win32 loops doing the same
# platform work) under the same Wine. Each prints "NAME: ours X s, reference Y s, ratio R"
# and "NAME-floor: ours X s, reference F s, ratio R", with the machine's load beside it.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
bash scripts/install-deps.sh >/dev/null
cmake -S . -B build/win -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
cmake --build build/win -j2 --target pixaport bench_collect bench_open_list bench_copy_small bench_copy_large \
  bench_name_search bench_table bench_start bench_minimal_window bench_browse bench_open_selection \
  bench_copy_medium >/dev/null

source scripts/wine-env.sh "$root/build/win/wineprefix"
pixa_prepare_prefix

benches=(collect open_list copy_small copy_medium name_search table start browse open_selection)
# The 1 GB copy needs room for the file under /tmp and one copy of it on the card.
free_kb=$(df -Pk /tmp | awk 'NR==2 {print $4}')
if [ "$free_kb" -gt $((4 * 1024 * 1024)) ]; then
  benches+=(copy_large)
else
  echo "copy-large: skipped, less than 4 GB free under /tmp"
fi

# The card of the copy benchmarks: a tmpfs mapped as drive M: where one can be mounted,
# so the medium is fast and what is measured is the program; else a folder on the disk.
card="$root/build/win/drives/bench-card"
medium=disk
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo -n"
mkdir -p "$card"
if mountpoint -q "$card" || $SUDO mount -t tmpfs -o size=1300m tmpfs "$card" 2>/dev/null; then
  medium=tmpfs
  trap '$SUDO umount "$card" 2>/dev/null || true' EXIT
fi
ln -sfn "$card" "$WINEPREFIX/dosdevices/m:"
card_args="M: $card $medium"

# The medium-speed card: the simulated card over FUSE as drive N:, where FUSE is there.
simcard="$root/build/win/drives/bench-simcard"
mkdir -p "$simcard"
if ! mountpoint -q "$simcard" && [ -e /dev/fuse ] && /usr/bin/python3 -c "import fuse" 2>/dev/null; then
  setsid /usr/bin/python3 "$root/tests/support/card_sim.py" "$simcard" --capacity 512 </dev/null >/dev/null 2>&1 &
  for _ in $(seq 50); do mountpoint -q "$simcard" && break; sleep 0.1; done
fi
ln -sfn "$simcard" "$WINEPREFIX/dosdevices/n:"
trap '$SUDO umount "$card" 2>/dev/null || true; fusermount -u "$simcard" 2>/dev/null || true' EXIT

xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  wineserver -p
  wine cmd /c exit </dev/null >/dev/null 2>&1
  for b in '"${benches[*]}"'; do
    case $b in
      copy_small|copy_large|name_search) args="'"$card_args"'" ;;
      copy_medium) args="N: '"$simcard"'" ;;
      start) args="build/win/app/pixaport.exe build/win/bench/bench_minimal_window.exe" ;;
      *) args="" ;;
    esac
    wine build/win/bench/bench_$b.exe $args </dev/null | tr -d "\r"
  done
  wineserver -k'
rm -f "$WINEPREFIX/dosdevices/m:" "$WINEPREFIX/dosdevices/n:"
