# shellcheck shell=bash
# shellcheck disable=SC2154 # root is set by the script that sources this
# The two test suites, as test.sh and stress-tests.sh build and run them
# (sourced, with $root set): "normal", warnings as errors and the benchmarks,
# in build-test; "sanitizer", AddressSanitizer, LeakSanitizer and
# UndefinedBehaviorSanitizer, in build-asan.

# suite_dir <suite>: the suite's build folder.
suite_dir() {
  case $1 in
    normal) echo "$root/build-test" ;;
    sanitizer) echo "$root/build-asan" ;;
  esac
}

# suite_build <suite>: configures (once) and builds the suite's tree.
suite_build() {
  case $1 in
    normal) "$root/scripts/build.sh" "$(suite_dir "$1")" -DTAMBERLO_WERROR=ON -DTAMBERLO_BENCHMARKS=ON ;;
    sanitizer)
      "$root/scripts/build.sh" "$(suite_dir "$1")" -DTAMBERLO_WERROR=ON -DTAMBERLO_SANITIZE=ON -DTAMBERLO_BENCHMARKS=OFF
      ;;
  esac
}

# suite_env <suite>: the sanitizers' options its tests run with. Leaks fail
# the sanitizer suite; the suppressions name only objects that live as long
# as the program.
suite_env() {
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  case $1 in
    normal)
      export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
      unset LSAN_OPTIONS
      ;;
    sanitizer)
      export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
      # Quoted: the options end at a blank or colon, and the path may hold a blank.
      export LSAN_OPTIONS="suppressions='$root/tests/lsan.supp':print_suppressions=0"
      ;;
  esac
}

# suite_tests <suite> <jobs>: runs the suite's tests, `jobs` at a time.
suite_tests() {
  suite_env "$1"
  (cd "$(suite_dir "$1")" && ctest --output-on-failure -j "$2" --timeout 300)
}
