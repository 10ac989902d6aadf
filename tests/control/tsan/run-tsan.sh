#!/usr/bin/env bash
# run-tsan.sh [build-dir]: builds the Kelvanor control's transport (serial,
# FTDI, Silicon Labs) and protocol tests with ThreadSanitizer (a build of its own) and runs them.
# The reader threads and the window thread share only the port's buffer and
# flags; this run checks that hand-over.
set -euo pipefail
root=$(cd "$(dirname "$0")/../../.." && pwd)
dir=${1:-$root/build-tsan}
flags="-fsanitize=thread -fno-omit-frame-pointer"
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAMBERLO_BENCHMARKS=OFF \
  -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_C_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS=-fsanitize=thread -DCMAKE_SHARED_LINKER_FLAGS=-fsanitize=thread >/dev/null
cmake --build "$dir" -j "${JOBS:-$(nproc)}" --target test_kelvanor_serial test_kelvanor_protocol \
  test_kelvanor_ftdi test_kelvanor_silabs test_kelvanor_usb_search
export QT_QPA_PLATFORM=offscreen
# The path quoted: the options end at a blank, and the path may hold one.
export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions='$root/tests/control/tsan/qt.supp'"
"$dir/bin/test_kelvanor_serial"
"$dir/bin/test_kelvanor_protocol"
"$dir/bin/test_kelvanor_ftdi"
"$dir/bin/test_kelvanor_silabs"
"$dir/bin/test_kelvanor_usb_search"
