#!/usr/bin/env bash
# run-fuzz.sh <build-dir> <seconds>: builds the fuzz targets with clang's
# libFuzzer and runs them side by side, at most one per core, so that the
# whole run takes about <seconds> (each target gets <seconds> divided by the
# number of rounds the cores need). A crash or a finding fails the run; the
# input that caused it is left in the build folder.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
dir=$1; secs=$2
if [ ! -f "$here/CMakeLists.txt" ]; then echo "no fuzz targets"; exit 0; fi
cmake -S "$here" -B "$dir" -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$dir" -j "${JOBS:-$(nproc)}"

targets=()
for t in "$dir"/fuzz_*; do [ -x "$t" ] && [ -f "$t" ] && targets+=("$t"); done
jobs=${FUZZ_JOBS:-$(nproc)}
rounds=$(( (${#targets[@]} + jobs - 1) / jobs ))
each=$(( secs / (rounds > 0 ? rounds : 1) )); [ "$each" -ge 1 ] || each=1

run_one() {
  local t=$1 name; name=$(basename "$t")
  local corpus="$dir/corpus-$name" seeds="$here/seeds/$name"
  mkdir -p "$corpus"
  # The build folder's corpus comes first: new inputs go there, never into the seeds.
  local rc=0 inputs=("$corpus")
  if [ -d "$seeds" ]; then inputs+=("$seeds"); fi
  "$t" -max_total_time="$each" -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$dir/crash-$name-" \
    "${inputs[@]}" >"$dir/log-$name.txt" 2>&1 || rc=$?
  echo "$rc" >"$dir/status-$name"
}

echo "-- ${#targets[@]} targets, ${each}s each, $jobs at a time"
status=0
for t in "${targets[@]}"; do
  rm -f "$dir/status-$(basename "$t")"
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do wait -n || true; done
  run_one "$t" &
done
wait
for t in "${targets[@]}"; do
  name=$(basename "$t")
  if [ "$(cat "$dir/status-$name" 2>/dev/null)" = 0 ]; then
    echo "-- $name: $(grep -E '^stat::number_of_executed_units' "$dir/log-$name.txt" | awk '{print $2}') runs, clean"
  else
    echo "-- $name FAILED:"; tail -n 40 "$dir/log-$name.txt"; status=1
  fi
done
exit $status
