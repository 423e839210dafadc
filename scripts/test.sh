#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test inside one virtual display.
# Exits non-zero on any failure.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
bash scripts/install-deps.sh
bash scripts/build.sh

source scripts/wine-env.sh "$root/build/win/wineprefix"
pixa_prepare_prefix
# The camera card drive for the transfer tests; unmapped and unmounted again at the end.
bash scripts/test-drives.sh up
trap 'bash scripts/test-drives.sh down' EXIT

# One Xvfb for the whole run; a persistent wineserver keeps each test's start short.
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  wineserver -p
  # Start Wine'"'"'s background services now, detached from ctest'"'"'s output pipes:
  # a service that inherits a test'"'"'s pipe would keep ctest waiting for it.
  wine cmd /c exit </dev/null >/dev/null 2>&1
  status=0
  ctest --test-dir build/win --output-on-failure --timeout 600 || status=$?
  wineserver -k || true
  exit $status'
