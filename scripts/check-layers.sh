#!/bin/sh
# Checks the shape of the source tree: each top folder includes only the
# folders below it, run/ and editor/ keep their own layers, and run/ has no
# include cycle between its units (a unit is a header and its source file).
#
#   app  ->  run, editor, print  ->  language  ->  state  ->  platform
#
# print stands above editor (it describes cells in the words of the cells'
# captions); run, editor and print do not include each other otherwise.
# control/ is the Kelvanor control, a library of its own beside the program:
# it includes only platform/, and nothing of the program includes control/
# (the program reaches it through the hosting in platform/com).
# Inside run/:     dashboard  ->  engine  ->  search  ->  links  ->  common
# Inside editor/:  conditions, actions  ->  common  (the two editors beside
#                  each other: neither includes the other)
#
# Includes are bare names, so a header name is mapped to the folder that
# holds it; every spelling the compiler takes counts (blanks before and after
# the #, "name" or <name>). Run by the tests, on the source tree or on the
# tree given as the argument; prints the offending includes or the cycle and fails.
set -eu
root=${1:-$(dirname "$0")/..}
cd "$root"

folders="app run editor print language state platform control"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# shellcheck disable=SC2086 # folders is a list
find $folders -name '*.h' | awk -F/ '{ print $NF, $0 }' | sort >"$work/headers"
dups=$(cut -d' ' -f1 "$work/headers" | uniq -d)
if [ -n "$dups" ]; then
    echo "header names held twice (a bare include cannot tell them apart): $dups"
    exit 1
fi

# One line per include of ours: the including file, then the header's path.
# An include of a name that is no header of ours (<QWidget>) drops out here.
# shellcheck disable=SC2086
find $folders -name '*.h' -o -name '*.cpp' | sort |
    xargs grep -HE '^[[:space:]]*#[[:space:]]*include[[:space:]]*["<]' |
    sed -E 's/^([^:]*):[[:space:]]*#[[:space:]]*include[[:space:]]*["<]([^">]*)[">].*/\1 \2/' |
    awk 'NR == FNR { path[$1] = $2; next }
         { n = split($2, parts, "/"); if (parts[n] in path) print $1, path[parts[n]] }' "$work/headers" - >"$work/includes"

status=0
# Each layer as the folders it may include besides itself, then the inner
# ranks of run/ and editor/: a folder includes only lower ranks.
awk -v run_edges="$work/run-edges" '
    BEGIN {
        allowed["app"] = "run editor print language state platform"
        allowed["run"] = "language state platform"
        allowed["print"] = "editor language state platform"
        allowed["editor"] = "language state platform"
        allowed["language"] = "state platform"
        allowed["state"] = "platform"
        allowed["platform"] = ""
        allowed["control"] = "platform"
        rank["run/dashboard"] = 4; rank["run/engine"] = 3; rank["run/search"] = 2; rank["run/links"] = 1; rank["run/common"] = 0
        rank["editor/conditions"] = 1; rank["editor/actions"] = 1; rank["editor/common"] = 0
        printf "" >run_edges
    }
    function unit(path) { sub(/.*\//, "", path); sub(/\.[^.]*$/, "", path); return path }
    {
        split($1, f, "/"); split($2, t, "/")
        if (index(" " f[1] " " allowed[f[1]] " ", " " t[1] " ") == 0) {
            list = allowed[f[1]]; gsub(/ /, ", ", list)
            print $1 " includes " $2 ": " f[1] "/ includes only " (list == "" ? "itself" : list)
            bad = 1
            next
        }
        if ((f[1] != "run" && f[1] != "editor") || t[1] != f[1] || unit($1) == unit($2)) next
        from = f[1] "/" f[2]; to = t[1] "/" t[2]
        if (!(from in rank) || !(to in rank)) { print "unknown folder in " f[1] "/: " $1 " or " $2; bad = 1; next }
        if (f[1] == "run") print unit($1), unit($2) >run_edges
        if (from != to && rank[to] >= rank[from]) {
            print $1 " includes " $2 ": a folder of " f[1] "/ includes only the layers below it"
            bad = 1
        }
    }
    END { exit bad }' "$work/includes" || status=1
if ! tsort "$work/run-edges" >/dev/null 2>"$work/tsort.err"; then
    echo "include cycle in run/:"
    sed -n 's/^tsort: //p' "$work/tsort.err" | grep -v 'input contains a loop'
    status=1
fi
exit $status
