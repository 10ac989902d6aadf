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

export QT_QPA_PLATFORM=offscreen
XDG_RUNTIME_DIR=$(mktemp -d); chmod 700 "$XDG_RUNTIME_DIR"; export XDG_RUNTIME_DIR
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
jobs=${JOBS:-$(nproc)}  # JOBS=n limits builds, tests and fuzzers on a shared machine

status=0
part_start=$SECONDS
took() { echo "== $1 took $((SECONDS - part_start)) s"; part_start=$SECONDS; }

run_suite() {
  local name=$1 dir=$2; shift 2
  echo "== $name build"
  "$root/scripts/build.sh" "$dir" -DTAMBERLO_WERROR=ON "$@"
  echo "== $name tests"
  (cd "$dir" && ctest --output-on-failure -j "$jobs" --timeout 300) || status=1
}

export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
run_suite normal "$root/build-test" -DTAMBERLO_BENCHMARKS=ON
took "normal build and tests"

echo "== benchmarks, each once briefly (figures only)"
for bench in "$root"/build-test/bin/bench_*; do
  echo "-- $(basename "$bench")"
  "$bench" --benchmark_min_time=0.01 || status=1  # a crash fails, a slow figure does not
done
took "benchmarks"

# Leaks fail the sanitizer run; the suppressions name only objects that live
# as long as the program.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$root/tests/lsan.supp:print_suppressions=0
run_suite sanitizer "$root/build-asan" -DTAMBERLO_SANITIZE=ON -DTAMBERLO_BENCHMARKS=OFF
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
unset LSAN_OPTIONS
took "sanitizer build and tests"

echo "== thread sanitizer run of the Kelvanor control's serial transport"
JOBS=$jobs "$root/tests/control/tsan/run-tsan.sh" "$root/build-tsan" || status=1
took "thread sanitizer run"

echo "== fuzzing every reader of untrusted input"
FUZZ_JOBS=${FUZZ_JOBS:-$jobs} "$root/tests/fuzz/run-fuzz.sh" "$root/build-fuzz" "${FUZZ_SECONDS:-60}" || status=1
took "fuzzing"

if [ $status -eq 0 ]; then echo "all test suites passed"; else echo "some tests FAILED"; fi
exit $status
