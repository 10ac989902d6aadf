#!/usr/bin/env bash
# build.sh <build-dir> [cmake options...]: configures (once) and builds
# everything, or only the targets named in TARGETS.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$1; shift
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
# shellcheck disable=SC2086 # TARGETS is a list of names
cmake --build "$dir" -j "${JOBS:-$(nproc)}" ${TARGETS:+--target $TARGETS}
