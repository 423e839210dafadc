#!/usr/bin/env bash
# Maps the drives the tests use into the Wine prefix, or removes them again.
#   P:  a removable drive; a 2 MiB tmpfs when one can be mounted (the disk-full tests
#       skip with a message when it cannot), else a plain folder.
#   K:  a second camera card, a removable 4 MiB tmpfs (else a plain folder), for the
#       transfer dialogs' free-space checks.
#   S:  a fixed drive holding picture sources, among them a tree named in many scripts.
#   \\pixasrv\share: a network share (a plain folder) for network targets.
# Usage: test-drives.sh up|down
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/wine-env.sh" "$root/build/win/wineprefix"
drives="$root/build/win/drives"
card="$drives/card"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo -n"

case "${1:-}" in
  up)
    mkdir -p "$card" "$drives/kamera" "$drives/source" "$drives/share"
    if ! mountpoint -q "$card"; then
      $SUDO mount -t tmpfs -o size=2m tmpfs "$card" 2>/dev/null ||
        echo "test-drives: cannot mount a tmpfs card; the disk-full tests will be skipped"
    fi
    if ! mountpoint -q "$drives/kamera"; then
      $SUDO mount -t tmpfs -o size=4m tmpfs "$drives/kamera" 2>/dev/null ||
        echo "test-drives: cannot mount the 4 MiB card; its free-space tests will be skipped"
    fi
    # Pictures named in many scripts, made here on the Linux side as UTF-8 names.
    world="$drives/source/names-of-the-world"
    rm -rf "$world"
    for name in "Łódź.jpg" "Lódz.jpg" "Şehir.jpg" "Sehir.jpg" "Москва/Кремль.jpg" "Ελλάδα/θάλασσα.jpg" \
                "日本/富士山.jpg" "🌄/😀.jpg"; do
      mkdir -p "$world/$(dirname "$name")"
      for i in $(seq 200); do printf '%s %d\n' "$name" "$i"; done > "$world/$name"
    done
    mkdir -p "$WINEPREFIX/dosdevices/unc/pixasrv"
    ln -sfn "$card" "$WINEPREFIX/dosdevices/p:"
    ln -sfn "$drives/kamera" "$WINEPREFIX/dosdevices/k:"
    ln -sfn "$drives/source" "$WINEPREFIX/dosdevices/s:"
    ln -sfn "$drives/share" "$WINEPREFIX/dosdevices/unc/pixasrv/share"
    cat > "$WINEPREFIX/pixaport-drives.reg" <<'REG'
REGEDIT4

[HKEY_LOCAL_MACHINE\Software\Wine\Drives]
"p:"="floppy"
"k:"="floppy"
"s:"="hd"
REG
    wine regedit /S "$WINEPREFIX/pixaport-drives.reg" >/dev/null 2>&1 || true
    wineserver -w
    ;;
  down)
    rm -f "$WINEPREFIX/dosdevices/p:" "$WINEPREFIX/dosdevices/k:" "$WINEPREFIX/dosdevices/s:"
    rm -f "$WINEPREFIX/dosdevices/unc/pixasrv/share"
    for m in "$card" "$drives/kamera"; do
      if mountpoint -q "$m"; then $SUDO umount "$m" || true; fi
    done
    rmdir "$card" "$drives/kamera" 2>/dev/null || true
    ;;
  *)
    echo "usage: $0 up|down" >&2
    exit 2
    ;;
esac
