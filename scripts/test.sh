#!/usr/bin/env bash
# Installs what is needed, builds and runs every test twice (a normal build,
# warnings as errors, and one with AddressSanitizer, LeakSanitizer and
# UndefinedBehaviorSanitizer), runs each benchmark once briefly (figures only,
# never a failure on time), runs the Kelvanor control's serial transport tests
# under ThreadSanitizer, then fuzzes every reader of untrusted input side by
# side for about FUZZ_SECONDS (60 by default) in all.
# Exits non-zero on any failure. Prints how long each part took.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"

# shellcheck source=scripts/suites.sh
. "$root/scripts/suites.sh"

export QT_QPA_PLATFORM=offscreen
XDG_RUNTIME_DIR=$(mktemp -d); chmod 700 "$XDG_RUNTIME_DIR"; export XDG_RUNTIME_DIR
jobs=${JOBS:-$(nproc)}  # JOBS=n limits builds, tests and fuzzers on a shared machine

status=0
part_start=$SECONDS
took() { echo "== $1 took $((SECONDS - part_start)) s"; part_start=$SECONDS; }

run_suite() {
  echo "== $1 build"
  suite_build "$1"
  echo "== $1 tests"
  suite_tests "$1" "$jobs" || status=1
}

run_suite normal
took "normal build and tests"

echo "== benchmarks, each once briefly (figures only)"
for bench in "$(suite_dir normal)"/bin/bench_*; do
  echo "-- $(basename "$bench")"
  "$bench" --benchmark_min_time=0.01 || status=1  # a crash fails, a slow figure does not
done
took "benchmarks"

run_suite sanitizer
suite_env normal  # the runs below take leaks as the normal suite does
took "sanitizer build and tests"

echo "== thread sanitizer run of the Kelvanor control's serial transport"
JOBS=$jobs "$root/tests/control/tsan/run-tsan.sh" "$root/build-tsan" || status=1
took "thread sanitizer run"

echo "== fuzzing every reader of untrusted input"
FUZZ_JOBS=${FUZZ_JOBS:-$jobs} "$root/tests/fuzz/run-fuzz.sh" "$root/build-fuzz" "${FUZZ_SECONDS:-60}" || status=1
took "fuzzing"

if [ $status -eq 0 ]; then echo "all test suites passed"; else echo "some tests FAILED"; fi
exit $status
