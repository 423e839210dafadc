#!/usr/bin/env bash
# Maps the drives the tests use into the Wine prefix, or removes them again.
#   P:  a removable drive; a 2 MiB tmpfs when one can be mounted (the disk-full tests
#       skip with a message when it cannot), else a plain folder.
#   K:  a second camera card, a removable 4 MiB tmpfs (else a plain folder), for the
#       transfer dialogs' free-space checks.
#   T:  a card of today, a removable 3 TiB tmpfs (a limit only: it takes no memory
#       while empty), for sizes and free space beyond 4 GB and 2 TB.
#   S:  a fixed drive holding picture sources, among them a tree named in many scripts.
#   V:  a simulated camera card (tests/support/card_sim.py over FUSE, 64 MiB), steered
#       by the tests through its control file V:\.PIXACARD; left out when FUSE is missing.
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
    mkdir -p "$card" "$drives/kamera" "$drives/source" "$drives/share" "$drives/large"
    if ! mountpoint -q "$card"; then
      $SUDO mount -t tmpfs -o size=2m tmpfs "$card" 2>/dev/null ||
        echo "test-drives: cannot mount a tmpfs card; the disk-full tests will be skipped"
    fi
    if ! mountpoint -q "$drives/kamera"; then
      $SUDO mount -t tmpfs -o size=4m tmpfs "$drives/kamera" 2>/dev/null ||
        echo "test-drives: cannot mount the 4 MiB card; its free-space tests will be skipped"
    fi
    if ! mountpoint -q "$drives/large"; then
      $SUDO mount -t tmpfs -o size=3T tmpfs "$drives/large" 2>/dev/null ||
        echo "test-drives: cannot mount the 3 TiB card; its free-space tests will be skipped"
    fi
    mkdir -p "$drives/simcard"
    if ! mountpoint -q "$drives/simcard"; then
      if [ -e /dev/fuse ] && /usr/bin/python3 -c "import fuse" 2>/dev/null; then
        # Detached from the caller's output: a test run must not wait for the card.
        setsid /usr/bin/python3 "$root/tests/support/card_sim.py" "$drives/simcard" --capacity 64 \
          </dev/null >"$drives/simcard.log" 2>&1 &
        for _ in $(seq 50); do mountpoint -q "$drives/simcard" && break; sleep 0.1; done
      fi
      mountpoint -q "$drives/simcard" || echo "test-drives: no simulated card; its tests will be skipped"
    fi
    ln -sfn "$drives/simcard" "$WINEPREFIX/dosdevices/v:"
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
    ln -sfn "$drives/large" "$WINEPREFIX/dosdevices/t:"
    ln -sfn "$drives/source" "$WINEPREFIX/dosdevices/s:"
    ln -sfn "$drives/share" "$WINEPREFIX/dosdevices/unc/pixasrv/share"
    cat > "$WINEPREFIX/pixaport-drives.reg" <<'REG'
REGEDIT4

[HKEY_LOCAL_MACHINE\Software\Wine\Drives]
"p:"="floppy"
"k:"="floppy"
"t:"="floppy"
"s:"="hd"
"v:"="floppy"
REG
    wine regedit /S "$WINEPREFIX/pixaport-drives.reg" >/dev/null 2>&1 || true
    wineserver -w
    ;;
  down)
    rm -f "$WINEPREFIX/dosdevices/p:" "$WINEPREFIX/dosdevices/k:" "$WINEPREFIX/dosdevices/s:" "$WINEPREFIX/dosdevices/t:" \
      "$WINEPREFIX/dosdevices/v:"
    if mountpoint -q "$drives/simcard"; then fusermount -u "$drives/simcard" || $SUDO umount -l "$drives/simcard" || true; fi
    rmdir "$drives/simcard" 2>/dev/null || true
    rm -f "$WINEPREFIX/dosdevices/unc/pixasrv/share"
    for m in "$card" "$drives/kamera" "$drives/large"; do
      if mountpoint -q "$m"; then $SUDO umount "$m" || true; fi
    done
    rmdir "$card" "$drives/kamera" "$drives/large" 2>/dev/null || true
    ;;
  *)
    echo "usage: $0 up|down" >&2
    exit 2
    ;;
esac
