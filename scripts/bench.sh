#!/usr/bin/env bash
# Builds the benchmarks and runs them all: ours under Wine, the references (find, cp)
# natively on the same data. Each prints "NAME: ours X s, reference Y s, ratio R".
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
bash scripts/install-deps.sh >/dev/null
cmake -S . -B build/win -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
cmake --build build/win -j2 --target bench_collect bench_copy_small bench_copy_large bench_name_search bench_table bench_browse >/dev/null

source scripts/wine-env.sh "$root/build/win/wineprefix"
pixa_prepare_prefix

benches=(collect copy_small name_search table browse)
# The 1 GB copy needs room for the file and two copies of it under /tmp.
free_kb=$(df -Pk /tmp | awk 'NR==2 {print $4}')
if [ "$free_kb" -gt $((4 * 1024 * 1024)) ]; then
  benches+=(copy_large)
else
  echo "copy-large: skipped, less than 4 GB free under /tmp"
fi

xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  wineserver -p
  wine cmd /c exit </dev/null >/dev/null 2>&1
  for b in '"${benches[*]}"'; do
    wine build/win/bench/bench_$b.exe </dev/null | tr -d "\r"
  done
  wineserver -k'
