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
# tests/ may include anything and scripts/ (tools of their own) only itself;
# nothing else includes either. Every other top folder holding a source file
# (any C or C++ extension, or any file a compiler reads) fails the check until
# it has its place here.
#
#   check-layers.sh <source tree> <build tree>
#
# What it reads: not the text of the includes but the files the compiler
# itself opens, so an include counts as the compiler takes it (after a byte
# order mark, comments, line splices, digraphs, macros; of any file name).
# A unit (a source file with a compile command in
# <build tree>/compile_commands.json) is judged by the files its last build
# opened, through other headers too, as ninja recorded them (ninja -t deps:
# the build tree must have been built). A unit with no record, or with a
# record older than a file it lists, is read again by the compiler with the
# build's own flags and -M (preprocessing only). So that a header's own
# includes are judged by its own folder, not only by the folders of the units
# that read it, each other file of ours (outside tests/, which may read
# anything) is read as well, through a one-line file including it, with the
# flags of a unit that reads it (its own source first), else of one beside it
# or in its top folder. Where a unit reads it, it is read without the
# system's and libraries' headers (-nostdinc, no include folder outside the
# source and build trees, -MG to note a header not found): milliseconds
# instead of a second. It is read with all the flags when no unit reads it,
# when that reading fails, or when it opens a file of ours whose text may
# hold a conditional (#if, #ifdef, #elif, __has_include, #include_next: a
# macro of a header left out could change what it includes). So a file of
# ours that only a system or library header includes counts for the units
# that read it, not for the header of ours in between.
# A file passes when all it opens lies in its own folder or in the folders it
# may include. That relation is transitive (a folder may include all that the
# folders it may include may), so this is the same as judging each include on
# its own. A file is named with the first forbidden header on each way it
# reads one (a forbidden header read through another is left out).
# Not read: generated files in a build tree (moc and resource files: a moc
# file includes only the header it was made from, itself a root), files in
# hidden folders, and includes the compiler skips here (#if branches not taken).
set -eu
if [ $# -ne 2 ]; then
    echo "usage: $0 <source tree> <build tree>" >&2
    exit 2
fi
root=$(realpath "$1")
build=$(realpath "$2")
commands=$build/compile_commands.json
if [ ! -f "$commands" ]; then
    echo "no $commands: configure the build tree first"
    exit 1
fi
cd "$root"

program="app run editor print language state platform control"
known="$program tests scripts assets"
sources='c cc cp cxx cpp c++ C h hh hp hpp hxx h++ H inl ipp tpp tcc ixx cppm'

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/deps" "$work/errors" "$work/wrap"

# Folders not read: hidden ones and build trees (they hold only generated files).
skip="$build"
for d in * .*; do
    case $d in . | ..) continue ;; esac
    if [ -d "$d" ] && { [ "${d#.}" != "$d" ] || [ -f "$d/CMakeCache.txt" ]; }; then skip="$skip $root/$d"; fi
done
# shellcheck disable=SC2086 # skip and sources are lists
{
    prune=""
    for d in $skip; do prune="$prune -path $d -prune -o"; done
    names=""
    for e in $sources; do names="$names -o -name *.$e"; done
    set -f
    find "$root" $prune -type f \( ${names# -o } \) -print
    set +f
} | sort >"$work/on-disk"

# canonical: each path of the input (one a line) as "path<tab>real path".
canonical() {
    sort -u >"$work/raw"
    # shellcheck disable=SC2094 # both only read it
    tr '\n' '\0' <"$work/raw" | xargs -0 -r realpath -m -- | paste "$work/raw" -
}
# ours: keeps the lines whose first field lies in the tree, outside the
# folders not read, and makes it a path of the tree.
ours() {
    awk -F '\t' -v OFS='\t' -v root="$root/" -v skip="$skip" '
        BEGIN { n = split(skip, skipped, " ") }
        index($1, root) == 1 {
            for (i = 1; i <= n; i++) if (index($1, skipped[i] "/") == 1) next
            $1 = substr($1, length(root) + 1)
            print
        }'
}
# resolve: turns lines "key<tab>path read<tab>folder the path is relative to"
# into "key<tab>file" for each file of ours among them that exists, as a path
# of the tree.
resolve() {
    awk -F '\t' -v OFS='\t' '{ print $1, ($2 ~ /^\// ? "" : $3 "/") $2 }' >"$work/resolving"
    cut -f2 "$work/resolving" | canonical >"$work/resolved"
    awk -F '\t' -v OFS='\t' 'NR == FNR { real[$1] = $2; next } { print real[$2], $1 }' \
        "$work/resolved" "$work/resolving" | ours | sort -u >"$work/found"
    # shellcheck disable=SC2016 # the inner shell expands it
    cut -f1 "$work/found" | sort -u | tr '\n' '\0' |
        xargs -0 -r sh -c 'for f do if [ -e "$f" ]; then printf "%s\n" "$f"; fi; done' sh >"$work/existing"
    awk -F '\t' -v OFS='\t' 'NR == FNR { there[$1] = 1; next } $1 in there { print $2, $1 }' \
        "$work/existing" "$work/found"
}
tab=$(printf '\t')

# The compile commands of our units (not of generated files): file, directory,
# command; and the object each writes (relative paths are the directory's).
awk -v OFS='\t' '
    function unescape(s) { gsub(/\\\\/, "\001", s); gsub(/\\"/, "\"", s); gsub(/\001/, "\\", s); return s }
    function value(line) { sub(/^[^:]*: "/, "", line); sub(/",?$/, "", line); return unescape(line) }
    /^  "directory": / { dir = value($0) }
    /^  "command": / { cmd = value($0) }
    /^  "file": / { file = value($0); print (file ~ /^\// ? "" : dir "/") file, dir, cmd }' \
    "$commands" >"$work/entries"
cut -f1 "$work/entries" | canonical >"$work/entry-files"
awk -F '\t' -v OFS='\t' 'NR == FNR { real[$1] = $2; next } { $1 = real[$1]; print }' \
    "$work/entry-files" "$work/entries" | ours | sort -t "$tab" -k1,1 -u >"$work/units"
if [ ! -s "$work/units" ]; then
    echo "no compile command of a source file of $root in $commands"
    exit 1
fi
awk -F '\t' -v OFS='\t' 'match($3, / -o [^ ]+ -c [^ ]+$/) {
        object = substr($3, RSTART + 4); sub(/ .*/, "", object)
        print (object ~ /^\// ? "" : $2 "/") object, $1
    }' "$work/units" >"$work/objects"

# What ninja recorded of each object's last build: "object<tab>deps mtime<tab>
# (VALID or STALE)" in records, "object<tab>file read" in listed.
ninja=$(sed -n 's/^CMAKE_MAKE_PROGRAM:[^=]*=//p' "$build/CMakeCache.txt" 2>/dev/null) || true
: >"$work/ninja-deps"
if [ -f "$build/build.ninja" ]; then
    (cd "$build" && "${ninja:-ninja}" -n -t deps >"$work/ninja-deps" 2>/dev/null) || : >"$work/ninja-deps"
fi
awk -v OFS='\t' -v build="$build" -v records="$work/records" '
    function path(p) { return (p ~ /^\// ? "" : build "/") p }
    /^[^ ].*: #deps [0-9]+, deps mtime [0-9]+ \([A-Z]+\)$/ {
        object = $0; sub(/: #deps [0-9]+, deps mtime [0-9]+ \([A-Z]+\)$/, "", object)
        print path(object), $(NF - 1), $NF >records
        next
    }
    /^    / { print path(object), path(substr($0, 5)) }' "$work/ninja-deps" >"$work/listed"
touch "$work/records"
{
    cut -f1 "$work/records"
    cut -f1 "$work/objects"
    cut -f2 "$work/listed"
} | canonical >"$work/real"
awk -F '\t' 'NR == FNR { real[$1] = $2; next } { print real[$2] }' "$work/real" "$work/listed" | sort -u |
    tr '\n' '\0' | xargs -0 -r stat --printf '%.9Y\t%n\n' -- >"$work/mtimes" 2>/dev/null || true
# A unit's record is current when ninja holds it as valid and no file it lists
# is missing or newer than it; a unit without one is read below. (ninja lists
# the files of each object together.)
awk -F '\t' -v OFS='\t' -v unread="$work/unrecorded" '
    function later(a, b) { return length(a) != length(b) ? length(a) > length(b) : a > b }
    function flush(   i) {
        if (current == "") return
        done[current] = 1
        if (bad) print unit[current] >unread
        else for (i = 1; i <= n; i++) print unit[current], files[i], "/"
    }
    FILENAME == ARGV[1] { real[$1] = $2; next }
    FILENAME == ARGV[2] { t = $1; sub(/\./, "", t); mtime[$2] = t; next }
    FILENAME == ARGV[3] { o = real[$1]; recorded[o] = $2; valid[o] = $3 == "(VALID)"; next }
    FILENAME == ARGV[4] { unit[real[$1]] = $2; next }
    {
        o = real[$1]
        if (!(o in unit)) next
        if (o != current) { flush(); current = o; n = 0; bad = !valid[o] }
        f = real[$2]
        files[++n] = f
        if (!(f in mtime) || later(mtime[f], recorded[o])) bad = 1
    }
    END { flush(); for (o in unit) if (!(o in done)) print unit[o] >unread }
' "$work/real" "$work/mtimes" "$work/records" "$work/objects" "$work/listed" >"$work/recorded"
touch "$work/unrecorded"

# lean(command, folder): the command without its include folders outside the
# source and build trees (those in outside[]); with mode=list, it prints each
# include folder as a path besides.
flags='
function lean(cmd, dir,   n, w, i, d, take, out) {
    n = split(cmd, w, " ")
    out = ""
    for (i = 1; i <= n; i++) {
        take = 0
        if (w[i] ~ /^-(isystem|idirafter|iquote|I)$/ && i < n) { d = w[i + 1]; take = 2 }
        else if (w[i] ~ /^-(isystem|idirafter|iquote|I)./) { d = w[i]; sub(/^-(isystem|idirafter|iquote|I)/, "", d); take = 1 }
        if (take) {
            if (d !~ /^\//) d = dir "/" d
            if (mode == "list") print d
            if (d in outside) { i += take - 1; continue }
        }
        out = out (out == "" ? "" : " ") w[i]
    }
    return out
}'
# run_jobs: runs the jobs in $work/todo, one a line: "id, mode, root, folder,
# command, input", each listing what <input> reads, compiled as <command>
# compiles its own file, side by side. Mode full keeps the command's flags;
# lean leaves out the system's and libraries' headers. Prints
# "id<tab>root<tab>file of ours read"; the ids of lean jobs that failed go to
# $work/lean-failed.
run_jobs() {
    : >"$work/failed"
    : >"$work/lean-failed"
    if [ ! -s "$work/todo" ]; then return 0; fi
    awk -F '\t' -v mode=list "$flags"' { lean($5, $4) }' "$work/todo" | canonical |
        awk -F '\t' -v root="$root/" -v build="$build/" \
            'index($2 "/", root) != 1 && index($2 "/", build) != 1 { print $1 }' >"$work/outside"
    awk -F '\t' -v OFS='\t' -v q="'" -v work="$work" -v lines="$work/lines" -v roots="$work/roots" "$flags"'
        function quote(s) { gsub(q, q "\\" q q, s); return q s q }
        FILENAME == ARGV[1] { outside[$0] = 1; next }
        {
            cmd = $2 == "lean" ? lean($5, $4) : $5
            if (!match(cmd, / -o [^ ]+ -c [^ ]+$/)) {
                print "cannot read the compile command of " $3 ": " $5 >"/dev/stderr"
                exit 1
            }
            cmd = substr(cmd, 1, RSTART - 1) ($2 == "lean" ? " -nostdinc -MG" : "") " -M -MF " quote(work "/deps/" $1) " -MT x " quote($6)
            print $1, $3, $4 >roots
            print "cd " quote($4) " && " cmd " 2>" quote(work "/errors/" $1) " || echo " $1 " >>" \
                quote(work "/" ($2 == "lean" ? "lean-failed" : "failed")) >lines
        }' "$work/outside" "$work/todo"
    rm -f "$work/chunk."*
    split -n "r/$(nproc)" "$work/lines" "$work/chunk."
    for chunk in "$work/chunk."*; do sh "$chunk" & done
    wait
    if [ -s "$work/failed" ]; then
        while read -r id; do
            echo "the compiler could not read the includes of $(awk -F '\t' -v id="$id" '$1 == id { print $2 }' "$work/roots"):"
            head -20 "$work/errors/$id"
        done <"$work/failed" >&2
        exit 1
    fi
    awk -F '\t' -v OFS='\t' -v deps="$work/deps" '
        {
            text = ""
            while ((getline line <(deps "/" $1)) > 0) { sub(/\\$/, "", line); text = text " " line }
            close(deps "/" $1)
            sub(/^[^:]*:/, "", text); gsub(/\\ /, "\001", text)
            n = split(text, files, " ")
            for (j = 1; j <= n; j++) { gsub(/\001/, " ", files[j]); print $1 "\001" $2, files[j], $3 }
        }' "$work/roots" | resolve | awk -F '\t' -v OFS='\t' '{ split($1, key, "\001"); print key[1], key[2], $2 }'
}

# The units with no current record, read with their own commands.
awk -F '\t' -v OFS='\t' -v root="$root" 'NR == FNR { again[$1] = 1; next }
    $1 in again { print "u" FNR, "full", $1, $2, $3, root "/" $1 }' "$work/unrecorded" "$work/units" >"$work/todo"
run_jobs >"$work/unit-reads"
{
    resolve <"$work/recorded"
    cut -f2- "$work/unit-reads"
} >"$work/reads"

# Files of ours whose text may hold a conditional directive or a test of what
# exists, even across a comment or a line splice: read with all the flags, as
# is every file that opens one.
{
    canonical <"$work/on-disk" | cut -f2 | awk -v OFS='\t' '{ print $0, "" }' | ours | cut -f1
    cut -f2 "$work/reads"
} | sort -u >"$work/ours-files"
# shellcheck disable=SC2016 # an awk program
tr '\n' '\0' <"$work/ours-files" | xargs -0 -r awk '
    FNR == 1 { line = "" }
    FILENAME in flagged { next }
    {
        sub(/\r$/, "")
        if (sub(/\\[ \t\f\v]*$/, "")) { line = line $0; next }
        line = line $0
        if (line ~ /(#|%:|\?\?=|\*\/)[ \t\f\v]*(\/\*.*\*\/[ \t\f\v]*)*(el)?if/ || line ~ /__has_include|include_next/) {
            flagged[FILENAME] = 1
            print FILENAME
        }
        line = ""
    }' >"$work/flagged"

# Every other file of ours (outside tests/, which may read anything) through a
# file including it, with the command of a unit that reads it, else of one in
# its folder, else in its top folder (its own source first); lean where a
# unit reads it and it holds no conditional.
grep -v '^tests/' "$work/ours-files" | awk -F '\t' -v OFS='\t' -v known="$known" '
    BEGIN { n = split(known, k, " "); for (i = 1; i <= n; i++) place[k[i]] = 1 }
    function stem(path) { sub(/\.[^.\/]*$/, "", path); return path }
    FILENAME == ARGV[1] { unit[$1] = $0; next }
    FILENAME == ARGV[2] { read[$1, $2] = 1; reader[$2] = 1; next }
    FILENAME == ARGV[3] { flagged[$0] = 1; next }
    !($0 in unit) {
        dir = $0; sub(/\/?[^\/]*$/, "", dir)
        top = $0; sub(/\/.*/, "", top)
        if (!(top in place) || top == $0) next # reported below
        best = ""; score = 0
        for (u in unit) {
            udir = u; sub(/\/?[^\/]*$/, "", udir)
            utop = u; sub(/\/.*/, "", utop)
            s = ((u, $0) in read ? 16 : 0) + (udir == dir ? 2 : 0) + (utop == top ? 1 : 0) + (stem(u) == stem($0) ? 8 : 0)
            if (s > score || (s == score && s > 0 && u < best)) { best = u; score = s }
        }
        print $0, ($0 in reader && !($0 in flagged) ? "lean" : "full"), (score ? unit[best] : "")
    }' "$work/units" "$work/reads" "$work/flagged" - >"$work/headers"
count=0
: >"$work/todo"
while IFS="$tab" read -r file mode unit dir cmd; do
    count=$((count + 1))
    if [ -z "$unit" ]; then
        echo "$file: no compile command reads it or lies beside it"
        exit 1
    fi
    printf '#include "%s"\n' "$root/$file" >"$work/wrap/h$count.cpp"
    printf 'h%s\t%s\t%s\t%s\t%s\t%s\n' "$count" "$mode" "$file" "$dir" "$cmd" "$work/wrap/h$count.cpp" >>"$work/todo"
done <"$work/headers"
run_jobs >"$work/header-reads"
cp "$work/todo" "$work/headers-todo"
# A lean reading that failed or opened a file holding a conditional is done
# again with all the flags.
awk -F '\t' -v OFS='\t' '
    FILENAME == ARGV[1] { again[$0] = 1; next }
    FILENAME == ARGV[2] { flagged[$0] = 1; next }
    FILENAME == ARGV[3] { if ($3 in flagged) again[$1] = 1; next }
    $1 in again && $2 == "lean" { $2 = "full"; print }' "$work/lean-failed" "$work/flagged" "$work/header-reads" \
    "$work/headers-todo" >"$work/todo"
run_jobs >"$work/header-reads-again"
awk -F '\t' -v OFS='\t' '
    FILENAME == ARGV[1] { again[$1] = 1; print $2, $3; next }
    !($1 in again) { print $2, $3 }' "$work/header-reads-again" "$work/header-reads" >>"$work/reads"
awk -v OFS='\t' '{ print $0, $0 }' "$work/ours-files" >"$work/self"

status=0
# A header name held twice cannot be told apart by a bare include.
# shellcheck disable=SC2086 # program is a list
dups=$(for f in $program; do grep "^$f/" "$work/ours-files" || true; done |
    grep -E '\.(h|hh|hp|hpp|hxx|h\+\+|H|inl|ipp|tpp|tcc)$' | sed 's#.*/##' | sort | uniq -d | tr '\n' ' ')
if [ -n "$dups" ]; then
    echo "header names held twice (a bare include cannot tell them apart): ${dups% }"
    status=1
fi

# Each layer as the folders it may include besides itself, then the inner
# ranks of run/ and editor/: a folder includes only lower ranks.
awk -F '\t' -v known="$known" -v run_edges="$work/run-edges" '
    BEGIN {
        allowed["app"] = "run editor print language state platform"
        allowed["run"] = "language state platform"
        allowed["print"] = "editor language state platform"
        allowed["editor"] = "language state platform"
        allowed["language"] = "state platform"
        allowed["state"] = "platform"
        allowed["platform"] = ""
        allowed["control"] = "platform"
        allowed["scripts"] = ""
        rank["run/dashboard"] = 4; rank["run/engine"] = 3; rank["run/search"] = 2; rank["run/links"] = 1; rank["run/common"] = 0
        rank["editor/conditions"] = 1; rank["editor/actions"] = 1; rank["editor/common"] = 0
        n = split(known, k, " ")
        for (i = 1; i <= n; i++) place[k[i]] = 1
        printf "" >run_edges
    }
    function top(path) { sub(/\/.*/, "", path); return path }
    function folder(path, parts) {
        split(path, parts, "/")
        return (parts[1] == "run" || parts[1] == "editor") ? parts[1] "/" parts[2] : parts[1]
    }
    function unit(path) { sub(/.*\//, "", path); sub(/\.[^.]*$/, "", path); return path }
    # known_place(path): whether the rules give the file a place; says why not once.
    function known_place(path, f) {
        f = folder(path)
        if (top(path) in place && (top(path) != "run" && top(path) != "editor" || f in rank)) return 1
        if (!(f in told)) {
            if (top(path) in place) print "unknown folder in " top(path) "/: " path
            else print "unknown top folder: " path " (every folder with sources needs its place in scripts/check-layers.sh)"
            told[f] = 1
        }
        bad = 1
        return 0
    }
    # forbid(why): notes that $1 reads $2 against the rules.
    function forbid(why) {
        count++; file[count] = $1; header[count] = $2; reason[count] = why
        forbidden[$1] = forbidden[$1] SUBSEP $2
        bad = 1
    }
    { read[$1, $2] = 1 }
    {
        if (!known_place($1) || $1 == $2 || !known_place($2)) next
        from = folder($1); to = folder($2)
        if (top(from) == "tests") next
        if (top(from) != top(to)) {
            if (index(" " allowed[top(from)] " ", " " top(to) " ") == 0) {
                list = allowed[top(from)]; gsub(/ /, ", ", list)
                forbid(top(from) "/ includes only " (list == "" ? "itself" : list))
            }
            next
        }
        if (top(from) == "run" && unit($1) != unit($2)) print unit($1), unit($2) >run_edges
        if (from != to && rank[to] >= rank[from]) forbid("a folder of " top(from) "/ includes only the layers below it")
    }
    # A forbidden header read through another forbidden header of the same
    # file is left out: the file is named for the first one on the way.
    END {
        for (i = 1; i <= count; i++) {
            n = split(substr(forbidden[file[i]], 2), others, SUBSEP)
            through = 0
            for (j = 1; j <= n; j++) {
                h = others[j]
                if (h != header[i] && read[h, header[i]] && !read[header[i], h]) through = 1
            }
            if (!through) print file[i] " reads " header[i] ": " reason[i]
        }
        exit bad
    }' - "$work/reads" <"$work/self" || status=1
if ! tsort "$work/run-edges" >/dev/null 2>"$work/tsort.err"; then
    echo "include cycle in run/:"
    sed -n 's/^tsort: //p' "$work/tsort.err" | grep -v 'input contains a loop'
    status=1
fi
exit $status
