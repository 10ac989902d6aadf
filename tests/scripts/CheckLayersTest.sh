#!/bin/sh
# The layer check on a small tree of its own, compiled by the compiler the
# check runs: the tree with every allowed include passes; with one include
# planted for every forbidden pair of folders (in a source file and in a
# header), and with includes spelt in each way the compiler takes, each is
# reported with the file that holds it, as are a new top folder, a new folder
# in run/, a cycle in run/ and a header name held twice.
#
#   CheckLayersTest.sh <check-layers.sh>
set -u
check=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
tree=$work/src
build=$work/build
mkdir -p "$tree" "$build"
failed=0

# The rules, written out apart from the check: each folder and the folders it
# may include besides itself (* stands for every folder).
rules='app                run/dashboard run/engine run/search run/links run/common editor/conditions editor/actions editor/common print language state platform
run/dashboard      run/engine run/search run/links run/common language state platform
run/engine         run/search run/links run/common language state platform
run/search         run/links run/common language state platform
run/links          run/common language state platform
run/common         language state platform
print              editor/conditions editor/actions editor/common language state platform
editor/conditions  editor/common language state platform
editor/actions     editor/common language state platform
editor/common      language state platform
language           state platform
state              platform
platform
control            platform
scripts
tests              *'
folders=$(printf '%s\n' "$rules" | cut -d' ' -f1)
name() { printf 'Unit_%s' "$1" | tr / _; }
# Every ordered pair of two folders, "allowed" or "forbidden".
pairs=$(printf '%s\n' "$rules" | awk '
    { folder[NR] = $1; for (i = 2; i <= NF; i++) may[$1, $i] = 1 }
    END {
        for (i = 1; i <= NR; i++) for (j = 1; j <= NR; j++) if (i != j) {
            f = folder[i]; t = folder[j]
            print f, t, ((f, t) in may || (f, "*") in may) ? "allowed" : "forbidden"
        }
    }')

# One unit per folder; its header includes every folder the folder may include.
for f in $folders; do
    mkdir -p "$tree/$f"
    printf '#pragma once\n' >"$tree/$f/$(name "$f").h"
    printf '#include "%s.h"\n' "$(name "$f")" >"$tree/$f/$(name "$f").cpp"
done
printf '%s\n' "$pairs" | while read -r f t kind; do
    if [ "$kind" = allowed ]; then printf '#include "%s.h"\n' "$(name "$t")" >>"$tree/$f/$(name "$f").h"; fi
done

# check: runs the check on the tree, compiled as CMake writes its commands.
check() {
    includes=$(for f in $folders; do printf ' -I%s/%s' "$tree" "$f"; done)
    {
        echo '['
        find "$tree" -name '*.cpp' -o -name '*.cc' | sort | while read -r file; do
            printf '{\n  "directory": "%s",\n  "command": "%s -std=c++20 -DHEADER=\\\\\\"Unit_app.h\\\\\\"%s -o x.o -c %s",\n  "file": "%s"\n},\n' \
                "$build" "${CXX:-c++}" "$includes" "$file" "$file"
        done
        echo ']'
    } >"$build/compile_commands.json"
    sh "$check" "$tree" "$build" >"$work/out" 2>&1
}

if ! check; then
    echo "the tree with only allowed includes fails:"
    cat "$work/out"
    failed=1
fi

# expect <text>: the planted tree's report holds a line with <text>.
expect() {
    if ! grep -qF -- "$1" "$work/out"; then
        echo "not reported: $1"
        failed=1
    fi
}
# One source file and one header (read by a test) for every forbidden pair.
printf '%s\n' "$pairs" | while read -r f t kind; do
    if [ "$kind" = forbidden ]; then
        planted=$f/Planted_$(name "$f" | sed 's/^Unit_//')_to_$(name "$t" | sed 's/^Unit_//')
        printf '#include "%s.h"\n' "$(name "$t")" | tee "$tree/$planted.cpp" >"$tree/$planted.h"
        printf '#include "%s"\n' "$tree/$planted.h" >>"$tree/tests/ReadsPlanted.cpp"
        printf '%s reads %s/%s.h:\n' "$planted.cpp" "$t" "$(name "$t")" "$planted.h" "$t" "$(name "$t")"
    fi
done >"$work/expected"
# Each spelling of an include of app/ in state/.
printf '\357\273\277#include "Unit_app.h"\n' >"$tree/state/ByteOrderMark.cpp"
printf '#include /* the app */ "Unit_app.h"\n' >"$tree/state/Comment.cpp"
printf '#inc\\\nlude "Unit_app.h"\n' >"$tree/state/Splice.cpp"
printf '%%:include "Unit_app.h"\n' >"$tree/state/Digraph.cpp"
printf '#define APP_HEADER "Unit_app.h"\n#include APP_HEADER\n' >"$tree/state/Macro.cpp"
printf '#include HEADER\n' >"$tree/state/CommandLineMacro.cpp"
printf ' #  include\t<Unit_app.h>\n' >"$tree/state/Blanks.cpp"
printf '#include "Unit_app.h"\n' | tee "$tree/state/Source.cc" "$tree/state/Inline.inl" >"$tree/state/Header.hpp"
printf '#include "../app/Unit_app.h"\n' >"$tree/state/Relative.h"
printf 'int documented;\n' >"$tree/docs.cpp"
mkdir -p "$tree/docs" "$tree/run/extra"
printf 'int documented;\n' >"$tree/docs/Example.cpp"
printf '#pragma once\n' >"$tree/run/extra/Extra.h"
printf '#pragma once\n#include "CycleB.h"\n' >"$tree/run/engine/CycleA.h"
printf '#pragma once\n#include "CycleA.h"\n' >"$tree/run/engine/CycleB.h"
printf '#pragma once\n' | tee "$tree/state/Twice.h" >"$tree/platform/Twice.h"

if check; then
    echo "the planted tree passes"
    failed=1
fi
while read -r line; do expect "$line"; done <"$work/expected"
for file in ByteOrderMark.cpp Comment.cpp Splice.cpp Digraph.cpp Macro.cpp CommandLineMacro.cpp Blanks.cpp Source.cc \
    Inline.inl Header.hpp Relative.h; do
    expect "state/$file reads app/Unit_app.h:"
done
expect "unknown top folder: docs.cpp"
expect "unknown top folder: docs/Example.cpp"
expect "unknown folder in run/: run/extra/Extra.h"
expect "include cycle in run/"
expect "CycleA"
expect "header names held twice (a bare include cannot tell them apart): Twice.h"
if grep -E '^(tests/|[^ ]*/Unit_)' "$work/out"; then
    echo "reported though allowed"
    failed=1
fi
if [ $failed -ne 0 ]; then
    echo "the report on the planted tree:"
    cat "$work/out"
fi
exit $failed
