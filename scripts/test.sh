#!/usr/bin/env bash
# Installs what is needed, builds and runs every test twice (a normal build
# and one with AddressSanitizer + UndefinedBehaviorSanitizer), runs the Kelvanor
# control's serial transport tests under ThreadSanitizer, then fuzzes
# every reader of untrusted input side by side for about FUZZ_SECONDS
# (60 by default) in all. Exits non-zero on any failure.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"

export QT_QPA_PLATFORM=offscreen
XDG_RUNTIME_DIR=$(mktemp -d); chmod 700 "$XDG_RUNTIME_DIR"; export XDG_RUNTIME_DIR
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
jobs=$(nproc)

status=0
run_suite() {
  local name=$1 dir=$2; shift 2
  echo "== $name build"
  "$root/scripts/build.sh" "$dir" -DTAMBERLO_BENCHMARKS=OFF "$@"
  echo "== $name tests"
  (cd "$dir" && ctest --output-on-failure -j "$jobs" --timeout 300) || status=1
}

run_suite normal "$root/build-test"
run_suite sanitizer "$root/build-asan" -DTAMBERLO_SANITIZE=ON

echo "== thread sanitizer run of the Kelvanor control's serial transport"
JOBS=$jobs "$root/tests/control/tsan/run-tsan.sh" "$root/build-tsan" || status=1

echo "== fuzzing every reader of untrusted input"
"$root/tests/fuzz/run-fuzz.sh" "$root/build-fuzz" "${FUZZ_SECONDS:-60}" || status=1

if [ $status -eq 0 ]; then echo "all test suites passed"; else echo "some tests FAILED"; fi
exit $status
