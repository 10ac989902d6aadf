#!/bin/sh
# The start script in a tree of its own, with stand-ins for the install, the
# build, the registration tool and the program: a registration that fails is
# said on the terminal and the program is started all the same, with the
# script's arguments; one that succeeds says nothing of it.
#
#   RunScriptTest.sh <run.sh>
set -u
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
tree="$work/sp ace"
mkdir -p "$tree/scripts" "$tree/build/bin"
cp "$1" "$tree/scripts/run.sh"
stub() { printf '#!/bin/sh\n%s\n' "$2" >"$tree/$1"; chmod +x "$tree/$1"; }
stub scripts/install-deps.sh 'exit 0'
stub scripts/build.sh 'exit 0'
stub build/bin/tamberlo 'echo "started $*"'
failed=0

# expect <registration's exit code> <what stderr must hold, or empty for nothing>
expect() {
  stub build/bin/comregister "echo 'comregister: refused' >&2; exit $1"
  out=$(bash "$tree/scripts/run.sh" one two 2>"$work/err")
  rc=$?
  if [ $rc -ne 0 ] || [ "$out" != "started one two" ]; then
    echo "FAIL (registration exit $1): program not started as asked (exit $rc, stdout: $out)"; failed=1
  fi
  if [ -n "$2" ] && ! grep -q "$2" "$work/err"; then
    echo "FAIL (registration exit $1): terminal does not say \"$2\":"; cat "$work/err"; failed=1
  fi
  if [ -z "$2" ] && grep -q "could not be registered" "$work/err"; then
    echo "FAIL (registration exit 0): a failure reported after a registration that succeeded"; failed=1
  fi
}
expect 1 "could not be registered"
expect 0 ""
[ $failed -eq 0 ] && echo "run.sh: all cases passed"
exit $failed
