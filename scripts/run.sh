#!/usr/bin/env bash
# Installs what is needed, builds Tamberlo and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
# Only what a start needs, so the first one is quick: the program, the
# Kelvanor control library, its registration tool and the picture folder (the
# tests and benchmarks are built by scripts/test.sh).
TARGETS="tamberlo kelvanor comregister tamberlo_assets" "$root/scripts/build.sh" "$root/build"
# Register the Kelvanor control library, so the program can host it. A
# registration that fails does not stop the start: the program then says why
# and runs without a Kelvanor module.
if ! "$root/build/bin/comregister" "$root/build/bin/libkelvanor.so"; then
  echo "run.sh: the Kelvanor control could not be registered (see above); starting Tamberlo without it" >&2
fi
exec "$root/build/bin/tamberlo" "$@"
