#!/usr/bin/env bash
# Builds the Windows program and its tests (build/win) and the run-time's
# native sanitizer tests (build/native).
#   --program   only the program and its help, what running it needs (no tests)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
jobs=$(nproc)
targets=()
[ "${1:-}" = "--program" ] && targets=(--target pixaport pixa_help)

if [ ${#targets[@]} -eq 0 ]; then
  cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=g++ -DCMAKE_C_COMPILER=gcc >/dev/null
  cmake --build build/native -j"$jobs"
fi

cmake -S . -B build/win -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DPIXA_NATIVE_TESTS="$root/build/native/tests" >/dev/null
cmake --build build/win -j"$jobs" "${targets[@]}"

# The program folder: the exe and the files it expects beside it.
mkdir -p build/program
cp build/win/app/pixaport.exe build/program/
for f in resources/files/*; do [ -e "$f" ] && cp "$f" build/program/; done
cp build/win/help/PIXAPORT.HLP build/win/help/PIXAPORT.CNT build/win/help/PIXAPORT.CHM build/program/
true
