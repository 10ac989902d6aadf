#!/usr/bin/env bash
# stress-tests.sh [suite] [rounds] [busy]: runs a test suite as test.sh runs
# it, `rounds` times in a row (5), while `busy` processes (16) spin beside it,
# so that there is more runnable work than cores. A test that measures time
# must judge the time that really passed, and one that does a fixed amount of
# work must not race the clock; this shows whether each one holds.
# suite: normal (test.sh's normal build), sanitizer (its build with
# AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer, run with the
# same options), or both (the default: the normal suite's rounds, then the
# sanitizer suite's). Stops at the first round that fails, says which, and
# exits non-zero; 0 when every round passed.
# Each suite's build folder (build-test, build-asan) is first built as
# test.sh builds it: from scratch when missing, else only what changed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=scripts/suites.sh
. "$root/scripts/suites.sh"
suite=${1:-both}
rounds=${2:-5}
busy=${3:-16}
usage() { echo "usage: $0 [normal|sanitizer|both] [rounds] [busy]" >&2; exit 2; }
case $suite in
  normal | sanitizer) suites=("$suite") ;;
  both) suites=(normal sanitizer) ;;
  *) usage ;;
esac
for n in "$rounds" "$busy"; do
  case $n in '' | *[!0-9]*) usage ;; esac
done

# Brought up to date first (a tree already built takes seconds), so that the
# rounds run the tests of the sources as they are.
for s in "${suites[@]}"; do
  echo "== building the $s suite in $(suite_dir "$s")"
  suite_build "$s"
done

export QT_QPA_PLATFORM=offscreen
XDG_RUNTIME_DIR=$(mktemp -d); chmod 700 "$XDG_RUNTIME_DIR"; export XDG_RUNTIME_DIR
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

for s in "${suites[@]}"; do
  for ((round = 1; round <= rounds; round++)); do
    echo "== $s suite, round $round of $rounds, $busy busy processes beside it"
    start=$SECONDS
    if ! suite_tests "$s" "$jobs"; then
      echo "== $s suite, round $round of $rounds FAILED"
      exit 1
    fi
    echo "== $s suite, round $round passed in $((SECONDS - start)) s"
  done
done
echo "== all rounds passed (${suites[*]}, $rounds each) with $busy busy processes"
