#!/usr/bin/env bash
# run-fuzz.sh <build-dir> <seconds>: builds the fuzz targets with clang's
# libFuzzer and runs each for a bounded time. A crash fails the run.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
dir=$1; secs=$2
if [ ! -f "$here/CMakeLists.txt" ]; then echo "no fuzz targets"; exit 0; fi
cmake -S "$here" -B "$dir" -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$dir" -j "$(nproc)"
for t in "$dir"/fuzz_*; do
  [ -x "$t" ] || continue
  corpus="$dir/corpus-$(basename "$t")"; mkdir -p "$corpus"
  seeds="$here/seeds/$(basename "$t")"
  echo "-- $(basename "$t") for ${secs}s"
  "$t" -max_total_time="$secs" -rss_limit_mb=2048 -print_final_stats=1 "$corpus" $( [ -d "$seeds" ] && echo "$seeds" ) 2>&1 | tail -n 12
  [ "${PIPESTATUS[0]}" -eq 0 ] || exit 1
done
