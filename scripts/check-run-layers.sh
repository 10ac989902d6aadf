#!/bin/sh
# Checks the shape of run/: no include cycle between its units (a unit is a
# header and its source file), and each folder includes only its own layer and
# the layers below it:
#   dashboard  ->  engine  ->  search  ->  links  ->  common
# Run by the tests; prints the offending includes or the cycle and fails.
set -eu
run=${1:-$(dirname "$0")/../run}
cd "$run"

rank() {
    case $1 in
    dashboard) echo 4 ;;
    engine) echo 3 ;;
    search) echo 2 ;;
    links) echo 1 ;;
    common) echo 0 ;;
    *) echo "unknown folder run/$1" >&2; exit 2 ;;
    esac
}

edges=$(mktemp)
trap 'rm -f "$edges"' EXIT
status=0
for file in */*.h */*.cpp; do
    dir=${file%%/*}
    unit=$(basename "$file"); unit=${unit%.*}
    echo "$unit $unit" >>"$edges"
    for header in $(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file"); do
        target=$(ls */"$(basename "$header")" 2>/dev/null | head -n 1) || true
        [ -n "$target" ] || continue  # not a header of run/
        tdir=${target%%/*}
        tunit=$(basename "$target" .h)
        [ "$tunit" = "$unit" ] && continue
        echo "$unit $tunit" >>"$edges"
        if [ "$tdir" != "$dir" ] && [ "$(rank "$tdir")" -ge "$(rank "$dir")" ]; then
            echo "run/$file includes $target: a folder includes only the layers below it"
            status=1
        fi
    done
done
if ! tsort "$edges" >/dev/null 2>"$edges.err"; then
    echo "include cycle in run/:"
    sed -n 's/^tsort: //p' "$edges.err" | grep -v 'input contains a loop'
    status=1
fi
rm -f "$edges.err"
exit $status
