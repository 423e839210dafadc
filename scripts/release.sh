#!/usr/bin/env bash
# Builds the release from a clean checkout: installs what is missing, builds the
# program and its help, and makes build/release/Pixaport-<version>-Setup.exe
# (the installer) and build/release/Pixaport-<version>.zip (the portable folder).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
bash scripts/install-deps.sh
cmake -S . -B build/win -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
cmake --build build/win -j"$(nproc)" --target pixa_packages

rm -rf build/release
mkdir -p build/release
cp build/win/installer/Pixaport-*-Setup.exe build/win/installer/Pixaport-*.zip build/release/
echo "Release packages:"
for f in build/release/*; do
  printf '  %s  %s bytes\n' "$f" "$(stat -c %s "$f")"
done
