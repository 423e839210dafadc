#!/usr/bin/env bash
# Maps the drive the tests use as a camera card into the Wine prefix, or removes it again.
#   P:  a removable drive; a 2 MiB tmpfs when one can be mounted (the disk-full tests
#       skip with a message when it cannot), else a plain folder.
# Usage: test-drives.sh up|down
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/wine-env.sh" "$root/build/win/wineprefix"
card="$root/build/win/drives/card"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo -n"

case "${1:-}" in
  up)
    mkdir -p "$card"
    if ! mountpoint -q "$card"; then
      $SUDO mount -t tmpfs -o size=2m tmpfs "$card" 2>/dev/null ||
        echo "test-drives: cannot mount a tmpfs card; the disk-full tests will be skipped"
    fi
    mkdir -p "$WINEPREFIX/dosdevices"
    ln -sfn "$card" "$WINEPREFIX/dosdevices/p:"
    cat > "$WINEPREFIX/pixaport-drives.reg" <<'REG'
REGEDIT4

[HKEY_LOCAL_MACHINE\Software\Wine\Drives]
"p:"="floppy"
REG
    wine regedit /S "$WINEPREFIX/pixaport-drives.reg" >/dev/null 2>&1 || true
    wineserver -w
    ;;
  down)
    rm -f "$WINEPREFIX/dosdevices/p:"
    if mountpoint -q "$card"; then $SUDO umount "$card" || true; fi
    rmdir "$card" 2>/dev/null || true
    ;;
  *)
    echo "usage: $0 up|down" >&2
    exit 2
    ;;
esac
