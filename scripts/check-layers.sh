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
# For every compile command in <build tree>/compile_commands.json whose file
# lies in the source tree, the compiler is run again on the current sources
# with the build's own flags and -M (preprocessing only), which lists every
# file the unit opens, through other headers too. So that a header's own
# includes are judged by its own folder, not only by the folders of the units
# that read it, each other file of ours is a root as well: every file a unit
# opens and every file with a C or C++ extension (outside tests/) is read
# through a one-line file including it, with the flags of a unit that reads it
# (its own source first), else of one beside it or in its top folder. A file
# passes when all it opens lies in its own folder or in the folders it may
# include. That relation is transitive (a folder may include all that the
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
mkdir "$work/jobs" "$work/deps" "$work/errors" "$work/wrap"
: >"$work/roots"

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
tab=$(printf '\t')

# The compile commands of our units (not of generated files): file, directory, command.
awk '
    function unescape(s) { gsub(/\\\\/, "\001", s); gsub(/\\"/, "\"", s); gsub(/\001/, "\\", s); return s }
    function value(line) { sub(/^[^:]*: "/, "", line); sub(/",?$/, "", line); return unescape(line) }
    /^  "directory": / { dir = value($0) }
    /^  "command": / { cmd = value($0) }
    /^  "file": / { file = value($0); print (file ~ /^\// ? "" : dir "/") file "\t" dir "\t" cmd }' \
    "$commands" >"$work/entries"
cut -f1 "$work/entries" | canonical >"$work/entry-files"
awk -F '\t' -v OFS='\t' 'NR == FNR { real[$1] = $2; next } { $1 = real[$1]; print }' \
    "$work/entry-files" "$work/entries" | ours | sort -t "$tab" -k1,1 -u >"$work/units"
if [ ! -s "$work/units" ]; then
    echo "no compile command of a source file of $root in $commands"
    exit 1
fi

# job <id> <root> <directory> <command> <input>: a job listing what <input>
# reads, compiled as <command> compiles its own file.
job() {
    rewritten=$(printf '%s\n' "$4" | sed -E "s# -o [^ ]+ -c [^ ]+\$# -M -MF $work/deps/$1 -MT x $5#")
    if [ "$rewritten" = "$4" ]; then
        echo "cannot read the compile command of $2: $4"
        exit 1
    fi
    printf '%s\t%s\t%s\n' "$1" "$2" "$3" >>"$work/roots"
    printf "cd '%s' && %s 2>'%s' || echo '%s' >>'%s'\n" "$3" "$rewritten" "$work/errors/$1" "$1" "$work/failed" \
        >"$work/jobs/$1"
}
# run_jobs: runs the jobs, then lists what each root read, as
# "root<tab>file read" with the file's real path.
run_jobs() {
    find "$work/jobs" -type f -print0 | xargs -0 -r -P "$(nproc)" -n 1 sh
    rm -f "$work/jobs"/*
    if [ -f "$work/failed" ]; then
        while read -r id; do
            echo "the compiler could not read the includes of $(awk -v id="$id" '$1 == id { print $2 }' "$work/roots"):"
            head -20 "$work/errors/$id"
        done <"$work/failed"
        exit 1
    fi
    awk -F '\t' -v deps="$work/deps" '
        {
            text = ""
            while ((getline line <(deps "/" $1)) > 0) { sub(/\\$/, "", line); text = text " " line }
            close(deps "/" $1)
            sub(/^[^:]*:/, "", text); gsub(/\\ /, "\001", text)
            n = split(text, files, " ")
            for (j = 1; j <= n; j++) {
                gsub(/\001/, " ", files[j])
                print $2 "\t" (files[j] ~ /^\// ? "" : $3 "/") files[j]
            }
        }' "$work/roots" >"$work/raw-reads"
    : >"$work/roots"
    cut -f2 "$work/raw-reads" | canonical >"$work/read-files"
    awk -F '\t' -v OFS='\t' 'NR == FNR { real[$1] = $2; next } { print real[$2], $1 }' \
        "$work/read-files" "$work/raw-reads" | ours | awk -F '\t' -v OFS='\t' '{ print $2, $1 }'
}

# Every unit read with its own command.
count=0
while IFS="$tab" read -r file dir cmd; do
    count=$((count + 1))
    job "u$count" "$file" "$dir" "$cmd" "$root/$file"
done <"$work/units"
run_jobs >"$work/reads"

# Every other file of ours (outside tests/, which may read anything) through a
# file including it, with the command of a unit that reads it, else of one in
# its folder, else in its top folder (its own source first).
{
    canonical <"$work/on-disk" | cut -f2 | awk -v OFS='\t' '{ print $0, "" }' | ours | cut -f1
    cut -f2 "$work/reads"
} | sort -u | tee "$work/ours-files" | grep -v '^tests/' | awk -F '\t' -v OFS='\t' -v known="$known" '
    BEGIN { n = split(known, k, " "); for (i = 1; i <= n; i++) place[k[i]] = 1 }
    function stem(path) { sub(/\.[^.\/]*$/, "", path); return path }
    FILENAME == ARGV[1] { unit[$1] = $0; next }
    FILENAME == ARGV[2] { read[$1, $2] = 1; next }
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
        print $0, (score ? unit[best] : "")
    }' "$work/units" "$work/reads" - >"$work/headers"
count=0
while IFS="$tab" read -r file unit dir cmd; do
    count=$((count + 1))
    if [ -z "$unit" ]; then
        echo "$file: no compile command reads it or lies beside it"
        exit 1
    fi
    printf '#include "%s"\n' "$root/$file" >"$work/wrap/h$count.cpp"
    job "h$count" "$file" "$dir" "$cmd" "$work/wrap/h$count.cpp"
done <"$work/headers"
run_jobs >>"$work/reads"
awk -v OFS='\t' '{ print $0, $0 }' "$work/ours-files" >"$work/self"

status=0
# A header name held twice cannot be told apart by a bare include.
# shellcheck disable=SC2086 # program is a list
dups=$(for f in $program; do grep "^$f/" "$work/ours-files" || true; done |
    grep -E '\.(h|hh|hp|hpp|hxx|h\+\+|H|inl|ipp|tpp|tcc)$' | sed 's#.*/##' | sort | uniq -d)
if [ -n "$dups" ]; then
    echo "header names held twice (a bare include cannot tell them apart): $dups"
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
