#!/bin/sh
# The layer check on a small tree of its own, built with ninja by the compiler
# the check runs (preprocessing only, no Qt): the tree with every allowed
# include passes; with one include planted for every forbidden pair of folders
# (in a source file and in a header), and with includes spelt in each way the
# compiler takes, each is reported with the file that holds it, as are a new
# top folder, new folders in run/ and editor/, a cycle in run/, header names
# held twice, a source changed since the build, a source built never, and
# headers whose includes hang on a header outside the tree, all on stderr; a
# source or build tree that is not there is told in one line. The tree lies in
# a folder with a blank, # and $ in its name (each escaped in the compiler's
# make rules), and its compile commands quote paths in each way a shell takes
# them.
#
#   CheckLayersTest.sh <check-layers.py>
set -u
check=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
tree="$work/sp ace#\$/src"
build="$work/sp ace#\$/build"
system="$work/sp ace#\$/system"
mkdir -p "$tree" "$build" "$system"
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
# Every ordered pair of two folders, "allowed" or "forbidden".
pairs=$(printf '%s\n' "$rules" | awk '
    { folder[NR] = $1; for (i = 2; i <= NF; i++) may[$1, $i] = 1 }
    END {
        for (i = 1; i <= NR; i++) for (j = 1; j <= NR; j++) if (i != j) {
            f = folder[i]; t = folder[j]
            print f, t, ((f, t) in may || (f, "*") in may) ? "allowed" : "forbidden"
        }
    }')
# plant <awk program>: runs the program on the pairs, with name(folder) the
# name of the folder's unit and write(file, text) to add a line to a file.
plant() {
    printf '%s\n' "$pairs" | awk -v tree="$tree" -v expected="$work/expected" '
        function name(folder) { gsub(/\//, "_", folder); return "Unit_" folder }
        function write(file, text) { print text >>(tree "/" file); close(tree "/" file) }
        '"$1"
}

# One unit per folder; its header includes every folder the folder may include.
for f in $folders; do mkdir -p "$tree/$f"; done
# shellcheck disable=SC2016 # awk programs
plant '!($1 in done) { done[$1] = 1; write($1 "/" name($1) ".h", "#pragma once"); write($1 "/" name($1) ".cpp", "#include \"" name($1) ".h\"") }
    $3 == "allowed" { write($1 "/" name($1) ".h", "#include \"" name($2) ".h\"") }'

# describe: writes the compile commands of the tree's sources as CMake writes
# them (shell-quoted, each path quoted in one of the ways a shell takes it, in
# turn) and a build.ninja that reads each of them and records what it read.
describe() {
    TREE=$tree BUILD=$build SYSTEM=$system FOLDERS=$folders python3 - <<'EOF'
import json, os, shlex
tree, build, system = os.environ["TREE"], os.environ["BUILD"], os.environ["SYSTEM"]
styles = [lambda o, p: f'{o}"{p}"', lambda o, p: f"'{o}{p}'", lambda o, p: o + p.replace(" ", "\\ ")]
def ninja(path): return path.replace("$", "$$").replace(" ", "$ ").replace(":", "$:")
sources = sorted(os.path.join(d, f) for d, _, fs in os.walk(tree) for f in fs if f.endswith((".cpp", ".cc")))
entries, rules = [], ["rule read\n  command = $cmd -E -MD -MF $out.d\n  depfile = $out.d\n  deps = gcc"]
for n, source in enumerate(sources):
    obj = "obj/" + os.path.relpath(source, tree) + ".o"
    quoted = lambda o, p, k=0: styles[(n + k) % 3](o, p)
    includes = [quoted("-I", os.path.join(tree, f), k) for k, f in enumerate(os.environ["FOLDERS"].split())]
    command = " ".join([os.environ.get("CXX", "c++"), "-std=c++20", '-DHEADER=\\"Unit_app.h\\"',
                        "-isystem", quoted("", system)] + includes + ["-o", obj, "-c", quoted("", source, 1)])
    entries.append({"directory": build, "command": command, "file": source})
    rules.append(f"build {ninja(obj)}: read {ninja(source)}\n  cmd = " + shlex.join(shlex.split(command)).replace("$", "$$"))
with open(os.path.join(build, "compile_commands.json"), "w") as f:
    json.dump(entries, f, indent=2)
with open(os.path.join(build, "build.ninja"), "w") as f:
    f.write("\n".join(rules) + "\n")
EOF
}
# build: describes the tree and builds it with ninja.
build() {
    describe
    if ! ninja -C "$build" >"$work/out" 2>&1; then
        echo "the tree does not build:"
        cat "$work/out"
        failed=1
    fi
}
# check: runs the check on the tree, its report in out.
check() { python3 "$check" "$tree" "$build" 2>"$work/out" >"$work/stdout"; }

build
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
# shellcheck disable=SC2016 # an awk program
plant '$3 == "forbidden" {
        planted = $1 "/Planted_" substr(name($1), 6) "_to_" substr(name($2), 6)
        write(planted ".cpp", "#include \"" name($2) ".h\"")
        write(planted ".h", "#include \"" name($2) ".h\"")
        write("tests/ReadsPlanted.cpp", "#include \"" tree "/" planted ".h\"")
        print planted ".cpp reads " $2 "/" name($2) ".h:" >expected
        print planted ".h reads " $2 "/" name($2) ".h:" >expected
    }'
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
mkdir -p "$tree/docs" "$tree/run/extra" "$tree/editor/extra"
printf 'int documented;\n' >"$tree/docs/Example.cpp"
printf '#pragma once\n' | tee "$tree/run/extra/Extra.h" >"$tree/editor/extra/Added.h"
printf '#pragma once\n#include "CycleB.h"\n' >"$tree/run/engine/CycleA.h"
printf '#pragma once\n#include "CycleA.h"\n' >"$tree/run/engine/CycleB.h"
printf '#pragma once\n' | tee "$tree/state/Twice.h" "$tree/language/Twice.hpp" "$tree/control/Twice.hpp" \
    >"$tree/platform/Twice.h"
# Includes that hang on headers outside the tree, as a system's or library's
# would: a macro tested across a comment and a line splice (and a header
# including that one), a macro naming the header, a header of ours included by
# one outside.
printf '#define SYSTEM_WANTS_APP 1\n#define SYSTEM_APP_HEADER "Unit_app.h"\n' >"$system/system_macros.h"
printf '#include <Unit_app.h>\n' >"$system/system_reads.h"
printf '#include <system_macros.h>\n# /* the system decides */ if\\\ndef SYSTEM_WANTS_APP\n#include "Unit_app.h"\n#endif\n' \
    >"$tree/state/SystemMacro.h"
printf '#include <system_macros.h>\n#include SYSTEM_APP_HEADER\n' >"$tree/state/SystemName.h"
printf '#include <system_reads.h>\n' >"$tree/state/ViaSystem.h"
printf '#include "SystemMacro.h"\n' >"$tree/state/ThroughSystemMacro.h"
printf '#include <system_macros.h>\n#\\\nifdef SYSTEM_WANTS_APP\n#include "Unit_app.h"\n#endif\n' \
    >"$tree/state/SplicedDirective.h"
# A splice with a blank between the backslash and the line end, which the
# compiler joins as well.
printf '#include <system_macros.h>\n#\\ \nifdef SYSTEM_WANTS_APP\n#include "Unit_app.h"\n#endif\n' \
    >"$tree/state/SplicedAfterBlank.h"
printf '#include "%s/state/%s"\n' "$tree" SystemMacro.h "$tree" SystemName.h "$tree" ThroughSystemMacro.h \
    "$tree" SplicedDirective.h "$tree" SplicedAfterBlank.h >>"$tree/tests/ReadsPlanted.cpp"
# A source built clean and changed since the build.
printf 'int stale;\n' >"$tree/platform/Stale.cpp"
build
printf '#include "Unit_app.h"\n' >"$tree/platform/Stale.cpp"
touch -d '+1 hour' "$tree/platform/Stale.cpp"
# A source added since the build: it has a compile command, but no record.
printf '#include "Unit_app.h"\n' >"$tree/platform/Unbuilt.cpp"
describe

if check; then
    echo "the planted tree passes"
    failed=1
fi
while read -r line; do expect "$line"; done <"$work/expected"
for file in ByteOrderMark.cpp Comment.cpp Splice.cpp Digraph.cpp Macro.cpp CommandLineMacro.cpp Blanks.cpp Source.cc \
    Inline.inl Header.hpp Relative.h SystemMacro.h ThroughSystemMacro.h SplicedDirective.h SplicedAfterBlank.h \
    SystemName.h ViaSystem.h; do
    expect "state/$file reads app/Unit_app.h:"
done
expect "platform/Stale.cpp reads app/Unit_app.h:"
expect "platform/Unbuilt.cpp reads app/Unit_app.h:"
expect "unknown top folder: docs.cpp"
expect "unknown top folder: docs/Example.cpp"
expect "unknown folder in run/: run/extra/Extra.h"
expect "unknown folder in editor/: editor/extra/Added.h"
expect "include cycle in run/"
expect "CycleA"
expect "header names held twice (a bare include cannot tell them apart): Twice.h Twice.hpp"
if grep -E '^(tests/|[^ ]*/Unit_)' "$work/out"; then
    echo "reported though allowed"
    failed=1
fi
if [ -s "$work/stdout" ]; then
    echo "reported on stdout:"
    cat "$work/stdout"
    failed=1
fi
if [ $failed -ne 0 ]; then
    echo "the report on the planted tree:"
    cat "$work/out"
fi

# A tree that is not there: one line on stderr that says which.
while IFS='|' read -r source built told; do
    if python3 "$check" "$source" "$built" >"$work/stdout" 2>"$work/out" || [ -s "$work/stdout" ] ||
        [ "$(wc -l <"$work/out")" -ne 1 ] || ! grep -qF "$told" "$work/out"; then
        echo "not told in one line on stderr: $told"
        cat "$work/stdout" "$work/out"
        failed=1
    fi
done <<EOF
$work/none|$build|the source tree
$tree|$work/none|no build tree
EOF
exit $failed
