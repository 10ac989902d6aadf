#!/usr/bin/env bash
# stress-tests.sh [build-dir] [rounds] [busy]: runs the normal test suite as
# test.sh runs it, `rounds` times in a row (5), while `busy` processes (16)
# spin beside it, so that there is more runnable work than cores. A test that
# measures time must judge the time that really passed; this shows whether
# each one does. Stops at the first round that fails, says which, and exits
# non-zero; 0 when every round passed.
# Builds nothing unless the build folder (build-test by default, test.sh's
# normal build) is missing; then it is built as test.sh builds it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-$root/build-test}
rounds=${2:-5}
busy=${3:-16}
for n in "$rounds" "$busy"; do
  case $n in '' | *[!0-9]*) echo "usage: $0 [build-dir] [rounds] [busy]" >&2; exit 2 ;; esac
done

if [ ! -f "$dir/CTestTestfile.cmake" ]; then
  echo "== no build in $dir: building it"
  "$root/scripts/build.sh" "$dir" -DTAMBERLO_WERROR=ON -DTAMBERLO_BENCHMARKS=ON
fi

export QT_QPA_PLATFORM=offscreen
XDG_RUNTIME_DIR=$(mktemp -d); chmod 700 "$XDG_RUNTIME_DIR"; export XDG_RUNTIME_DIR
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
jobs=$(nproc)

# The busy processes end with this script: the trap stops them, and each one
# also stops by itself once the script is gone (killed without its trap).
busy_pids=()
stop_busy() {
  for pid in "${busy_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait "${busy_pids[@]}" 2>/dev/null || true
  rm -rf "$XDG_RUNTIME_DIR"
}
trap stop_busy EXIT
trap 'exit 130' INT TERM
script=$$
for ((i = 0; i < busy; i++)); do
  (while kill -0 "$script" 2>/dev/null; do for ((j = 0; j < 100000; j++)); do :; done; done) &
  busy_pids+=($!)
done

for ((round = 1; round <= rounds; round++)); do
  echo "== round $round of $rounds, $busy busy processes beside the suite"
  start=$SECONDS
  if ! (cd "$dir" && ctest --output-on-failure -j "$jobs" --timeout 300); then
    echo "== round $round of $rounds FAILED"
    exit 1
  fi
  echo "== round $round passed in $((SECONDS - start)) s"
done
echo "== all $rounds rounds passed with $busy busy processes"
