#!/usr/bin/env python3
"""Checks the shape of the source tree: each top folder includes only the
folders below it, run/ and editor/ keep their own layers, and run/ has no
include cycle between its units (a unit is a header and its source file).

  app  ->  run, editor, print  ->  language  ->  state  ->  platform

print stands above editor (it describes cells in the words of the cells'
captions); run, editor and print do not include each other otherwise.
control/ is the Kelvanor control, a library of its own beside the program:
it includes only platform/, and nothing of the program includes control/
(the program reaches it through the hosting in platform/com).
Inside run/:     dashboard  ->  engine  ->  search  ->  links  ->  common
Inside editor/:  conditions, actions  ->  common  (the two editors beside
                 each other: neither includes the other)
tests/ may include anything and scripts/ (tools of their own) only itself;
nothing else includes either. Every other top folder holding a source file
(any C or C++ extension, or any file a compiler reads) fails the check until
it has its place here.

An include counts as the compiler takes it: the check reads the files the
compiler opens, not the text of the includes, so the build tree must have
been built (the check reads its compile_commands.json and what ninja recorded
of the build).

  check-layers.py <source tree> <build tree>

It prints nothing and exits 0 when the tree keeps its layers; otherwise it
names on stderr each file that reads against them, or why it could not
check, and exits 1 (2 when called without the two trees).
"""
import json
import os
import re
import shlex
import subprocess
import sys
import tempfile
from concurrent.futures import ThreadPoolExecutor
from functools import lru_cache

PROGRAM = "app run editor print language state platform control".split()
KNOWN = PROGRAM + ["tests", "scripts", "assets"]
HEADERS = set("h hh hp hpp hxx h++ H inl ipp tpp tcc".split())
SOURCES = HEADERS | set("c cc cp cxx cpp c++ C ixx cppm".split())
# The folders each top folder may include besides itself (tests/: anything).
ALLOWED = {
    "app": "run editor print language state platform",
    "run": "language state platform",
    "print": "editor language state platform",
    "editor": "language state platform",
    "language": "state platform",
    "state": "platform",
    "platform": "",
    "control": "platform",
    "scripts": "",
    "assets": "",
}
# The inner ranks of run/ and editor/: a folder includes only lower ranks.
RANK = {
    "run/dashboard": 4, "run/engine": 3, "run/search": 2, "run/links": 1, "run/common": 0,
    "editor/conditions": 1, "editor/actions": 1, "editor/common": 0,
}
# An include folder, joined to its option or in the next argument.
INCLUDE_FOLDER = re.compile(r"^-(isystem|idirafter|iquote|I)(.*)$", re.S)
# Options that write a file or choose what the compiler does: the reading
# sets its own.
OWN_OUTPUT = {"-o", "-MF", "-MT", "-MQ"}
DROPPED = {"-c", "-S", "-E", "-M", "-MM", "-MD", "-MMD", "-MP", "-MG"}
# A conditional directive or a test of what exists, after the line splices
# are joined, across blanks and comments.
CONDITIONAL = re.compile(rb"(?:#|%:|\?\?=)(?:\s|/\*.*?\*/)*(?:el)?if|__has_include|include_next", re.S)
SPLICE = re.compile(rb"\\[ \t\f\v]*\n")
# An escaped character in a name of a make rule: a blank or # after a
# backslash, a $ after a $.
MAKE_ESCAPE = re.compile(r"\\([ \t#])|\$(\$)")


# Each unit's record lists the same system and Qt headers again: each path is
# looked up once.
@lru_cache(maxsize=None)
def real_path(path):
    return os.path.realpath(path)


@lru_cache(maxsize=None)
def modified(path):
    """The file's modification time in nanoseconds, None if it is missing."""
    try:
        return os.stat(path).st_mtime_ns
    except OSError:
        return None


def tell(message):
    """Tells a failure: on stderr, as every failure of the check."""
    print(message, file=sys.stderr)


def fail(message):
    tell(message)
    sys.exit(1)


def inside(path, folder):
    return path.startswith(folder + "/")


def top(path):
    return path.split("/", 1)[0]


class Tree:
    """The source tree and what of it is ours: not a build tree (so not its
    generated moc and resource files: a moc file includes only the header it
    was made from, itself read as a root) and not a hidden top folder."""

    def __init__(self, root, build):
        self.root = root
        self.build = build
        self.skip = [build]
        try:
            names = sorted(os.listdir(root))
        except OSError as error:
            fail(f"cannot read the source tree {root}: {error.strerror}")
        for name in names:
            path = os.path.join(root, name)
            if os.path.isdir(path) and (name.startswith(".") or os.path.isfile(os.path.join(path, "CMakeCache.txt"))):
                self.skip.append(path)

    def ours(self, real):
        """The path of the tree for a real path in it, else None."""
        if not inside(real, self.root) or any(real == s or inside(real, s) for s in self.skip):
            return None
        return real[len(self.root) + 1:]

    def holds(self, real):
        """Whether a real path lies in the source or the build tree."""
        return any(real == t or inside(real, t) for t in (self.root, self.build))

    def resolve(self, path, folder):
        """The path of the tree of an existing file of ours named relative to folder, else None."""
        real = real_path(os.path.join(folder, path))
        rel = self.ours(real)
        return rel if rel is not None and modified(real) is not None else None

    def on_disk(self):
        found = []
        for folder, dirs, files in os.walk(self.root):
            dirs[:] = [d for d in dirs if os.path.join(folder, d) not in self.skip]
            for name in files:
                path = os.path.join(folder, name)
                if "." in name and name.rsplit(".", 1)[1] in SOURCES and not os.path.islink(path):
                    rel = self.ours(os.path.realpath(path))
                    if rel is not None:
                        found.append(rel)
        return found


class Unit:
    """A source file of ours with its compile command, taken apart once: the
    flags its readings keep, whether the command names the source, and the
    object it writes."""

    def __init__(self, tree, rel, real, directory, args, output):
        self.rel = rel
        self.real = real
        self.directory = directory
        self.args = args
        self.stem, self.folder, self.top = stem(rel), os.path.dirname(rel), top(rel)
        # [(arguments, whether they name an include folder outside the source and build trees)]
        self.flags = []
        self.names_source = False
        written = None
        i = 1
        while i < len(args):
            arg = args[i]
            value = args[i + 1] if i + 1 < len(args) else None
            i += 1
            if arg in OWN_OUTPUT:
                i += 1
                if arg == "-o" and value is not None:
                    written = value
            elif arg in DROPPED or arg.startswith(tuple(OWN_OUTPUT)):
                if arg.startswith("-o"):
                    written = arg[2:]
            elif match := INCLUDE_FOLDER.match(arg):
                folder, taken = match.group(2), [arg]
                if folder == "" and value is not None:
                    folder, taken = value, [arg, value]
                    i += 1
                self.flags.append((taken, not tree.holds(real_path(os.path.join(directory, folder)))))
            elif not arg.startswith("-") and real_path(os.path.join(directory, arg)) == real:
                self.names_source = True
            else:
                self.flags.append(([arg], False))
        output = written if output is None else output
        self.object = os.path.realpath(os.path.join(directory, output)) if output else None

    def reading(self, lean, depfile, input_file, include=None):
        """The command that lists what the unit's compile (or, with include,
        that of a header with the unit's flags) reads into depfile. A lean
        reading leaves out the system's and libraries' headers (-nostdinc, no
        include folder outside the source and build trees, -MG to note a header
        not found): milliseconds instead of a second."""
        if not self.names_source:
            fail(f"cannot read the compile command of {self.rel}: {shlex.join(self.args)}")
        args = [self.args[0]] + [arg for taken, outside in self.flags if not (lean and outside) for arg in taken]
        if lean:
            args += ["-nostdinc", "-MG"]
        if include is not None:
            args += ["-include", include]
        return args + ["-M", "-MF", depfile, "-MT", "x", input_file]


def read_units(tree, commands):
    """The compile commands of our source files (not of generated files),
    split as the shell splits them (quotes, blanks, backslashes)."""
    try:
        with open(commands, encoding="utf-8") as f:
            entries = json.load(f)
    except (OSError, ValueError) as error:
        fail(f"cannot read {commands}: {error}")
    units = {}
    for entry in entries:
        directory = entry["directory"]
        real = os.path.realpath(os.path.join(directory, entry["file"]))
        rel = tree.ours(real)
        if rel is None or rel in units:
            continue
        args = entry["arguments"] if "arguments" in entry else shlex.split(entry["command"])
        units[rel] = Unit(tree, rel, real, directory, args, entry.get("output"))
    return units


def ninja_records(build):
    """What ninja recorded of each object's last build: {object: (current, [files])}.
    A record is current when ninja holds it as valid and no file it lists is
    missing or newer than it."""
    ninja = "ninja"
    try:
        with open(os.path.join(build, "CMakeCache.txt"), encoding="utf-8", errors="replace") as f:
            for line in f:
                if line.startswith("CMAKE_MAKE_PROGRAM:"):
                    ninja = line.split("=", 1)[1].strip() or ninja
    except OSError:
        pass
    if not os.path.isfile(os.path.join(build, "build.ninja")):
        return {}
    try:
        out = subprocess.run([ninja, "-n", "-t", "deps"], cwd=build, capture_output=True, check=True).stdout
    except (OSError, subprocess.CalledProcessError):
        return {}
    header = re.compile(r"^(.*): #deps \d+, deps mtime (\d+) \(([A-Z]+)\)$")
    records = {}
    files = None
    for line in out.decode("utf-8", "surrogateescape").split("\n"):
        match = header.match(line)
        if match:
            obj, mtime, state = match.groups()
            files = []
            records[os.path.realpath(os.path.join(build, obj))] = (state == "VALID", int(mtime), files)
        elif line.startswith("    ") and files is not None:
            files.append(os.path.join(build, line[4:]))
    current = {}
    for obj, (valid, recorded, listed) in records.items():
        for path in listed:
            mtime = modified(path)
            if mtime is None or mtime > recorded:
                valid = False
        current[obj] = (valid, listed)
    return current


def make_rule_files(text):
    """The files a make rule written by -M names after its colon. The compiler
    writes a blank in a name as backslash-blank, # as \\# and $ as $$ (CMake
    builds in folders whose names hold them). It would also double a backslash
    before a blank, but CMake builds in no folder whose name holds a backslash."""
    text = text.replace("\\\n", " ")
    text = text.split(":", 1)[1] if ":" in text else ""
    names = re.findall(r"(?:\\[ \t]|[^ \t\n])+", text)
    return [MAKE_ESCAPE.sub(lambda m: m.group(1) or m.group(2), name) for name in names]


class Reader:
    """Runs the compiler on jobs side by side, each listing what a file reads."""

    def __init__(self, tree, work):
        self.tree = tree
        self.work = work
        self.count = 0

    def command(self, number, unit, lean, header):
        """The reading of a unit, or of a header with the unit's flags, and the file it writes."""
        depfile = os.path.join(self.work, f"deps{self.count + number}")
        if header is None:
            return unit.reading(lean, depfile, unit.real), depfile
        # The header is included alone, in an empty file of the unit's language.
        empty = os.path.join(self.work, f"empty{os.path.splitext(unit.rel)[1] or '.cpp'}")
        if not os.path.exists(empty):
            open(empty, "w").close()
        return unit.reading(lean, depfile, empty, os.path.join(self.tree.root, header)), depfile

    def run(self, jobs):
        """jobs: [(key, unit, lean, header or None)]. Returns {key: [file of ours read]}
        and the keys of lean jobs that failed; a full one that fails stops the check."""
        commands = [self.command(n, unit, lean, header) for n, (_, unit, lean, header) in enumerate(jobs)]
        self.count += len(jobs)

        def one(job_and_command):
            (key, unit, lean, header), (command, depfile) = job_and_command
            try:
                done = subprocess.run(command, cwd=unit.directory, stdin=subprocess.DEVNULL,
                                      stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
                errors, ok = done.stderr.decode("utf-8", "replace"), done.returncode == 0
            except OSError as error:
                errors, ok = str(error), False
            if not ok:
                return None, errors
            with open(depfile, encoding="utf-8", errors="surrogateescape") as f:
                names = make_rule_files(f.read())
            read = []
            for name in names:
                rel = self.tree.resolve(name, unit.directory)
                if rel is not None and rel not in read:
                    read.append(rel)
            return read, errors

        results, lean_failed, failed = {}, [], []
        with ThreadPoolExecutor(max(1, len(os.sched_getaffinity(0)))) as pool:
            for (read, errors), (key, unit, lean, header) in zip(pool.map(one, zip(jobs, commands)), jobs):
                if read is not None:
                    results[key] = read
                elif lean:
                    lean_failed.append(key)
                else:
                    failed.append((header or unit.rel, errors))
        if failed:
            for name, errors in failed:
                tell(f"the compiler could not read the includes of {name}:")
                tell("\n".join(errors.splitlines()[:20]))
            sys.exit(1)
        return results, lean_failed


def conditional(root, rel):
    """Whether the file's text may hold a conditional directive or a test of
    what exists (#if, #ifdef, #elif, __has_include, #include_next, even across
    a comment or a line splice): a macro of a header that a lean reading
    leaves out could change what it includes."""
    try:
        with open(os.path.join(root, rel), "rb") as f:
            text = f.read()
    except OSError:
        return True
    text = SPLICE.sub(b"", re.sub(rb"\r\n?", b"\n", text))
    return CONDITIONAL.search(text) is not None


def folder(path):
    parts = path.split("/")
    return "/".join(parts[:2]) if parts[0] in ("run", "editor") else parts[0]


def stem(path):
    return os.path.splitext(path)[0]


def choose_unit(header, units, readers_of):
    """The unit whose flags read a header: one that reads it (its own source
    first), else one beside it or in its top folder."""
    directory, header_top, header_stem = os.path.dirname(header), top(header), stem(header)
    readers = readers_of.get(header, ())
    best, score = None, 0
    for rel, unit in units:
        s = ((16 if rel in readers else 0) + (8 if unit.stem == header_stem else 0)
             + (2 if unit.folder == directory else 0) + (1 if unit.top == header_top else 0))
        if s > score:
            best, score = rel, s
    return best


def cycles(edges):
    """The include cycles among run/'s units (strongly connected sets of more than one)."""
    index, low, stack, on_stack, found = {}, {}, [], set(), []

    def visit(node):
        index[node] = low[node] = len(index)
        stack.append(node)
        on_stack.add(node)
        for nxt in sorted(edges.get(node, ())):
            if nxt not in index:
                visit(nxt)
                low[node] = min(low[node], low[nxt])
            elif nxt in on_stack:
                low[node] = min(low[node], index[nxt])
        if low[node] == index[node]:
            group = []
            while True:
                n = stack.pop()
                on_stack.discard(n)
                group.append(n)
                if n == node:
                    break
            if len(group) > 1:
                found.append(sorted(group))

    sys.setrecursionlimit(max(1000, 10 * len(edges) + 100))
    for node in sorted(edges):
        if node not in index:
            visit(node)
    return sorted(found)


def judge(ours_files, reads):
    """Tells each file that reads against the rules; returns whether any did.
    A file passes when all it opens lies in its own folder or in the folders
    it may include. That relation is transitive (a folder may include all that
    the folders it may include may), so this is the same as judging each
    include on its own. A file is named with the first forbidden header on
    each way it reads one (a forbidden header read through another is left
    out)."""
    bad = False
    told = set()
    messages = []

    def known_place(path):
        nonlocal bad
        t, f = top(path), folder(path)
        if t in KNOWN and (t not in ("run", "editor") or f in RANK):
            return True
        if f not in told:
            if t in KNOWN:
                messages.append(f"unknown folder in {t}/: {path}")
            else:
                messages.append(f"unknown top folder: {path} (every folder with sources needs its place in "
                                "scripts/check-layers.py)")
            told.add(f)
        bad = True
        return False

    read = set(reads)
    forbidden = {}  # file -> [(header, why)]
    run_edges = {}
    for path in ours_files:
        known_place(path)
    for reader, header in reads:
        if not known_place(reader) or reader == header or not known_place(header):
            continue
        source, target = folder(reader), folder(header)
        if top(source) == "tests":
            continue
        if top(source) != top(target):
            may = ALLOWED[top(source)].split()
            if top(target) not in may:
                forbidden.setdefault(reader, []).append(
                    (header, f"{top(source)}/ includes only {', '.join(may) if may else 'itself'}"))
            continue
        if top(source) == "run" and os.path.basename(stem(reader)) != os.path.basename(stem(header)):
            run_edges.setdefault(os.path.basename(stem(reader)), set()).add(os.path.basename(stem(header)))
        if source != target and RANK[target] >= RANK[source]:
            forbidden.setdefault(reader, []).append(
                (header, f"a folder of {top(source)}/ includes only the layers below it"))
    # A forbidden header read through another forbidden header of the same
    # file is left out: the file is named for the first one on the way.
    for reader in sorted(forbidden):
        headers = [h for h, _ in forbidden[reader]]
        for header, why in forbidden[reader]:
            if not any(h != header and (h, header) in read and (header, h) not in read for h in headers):
                messages.append(f"{reader} reads {header}: {why}")
                bad = True
    for group in cycles(run_edges):
        messages.append("include cycle in run/: " + " -> ".join(group + group[:1]))
        bad = True
    for m in messages:
        tell(m)
    return bad


def source_reads(tree, units, reader):
    """The files of ours each source reads: {source: [file]}. Those its last
    build opened, through other headers too, as ninja recorded them where the
    record is current; else (a source built never, or changed since) those the
    compiler opens when it reads the source again with the build's own flags
    and -M (preprocessing only). So an include counts as the compiler takes
    it (after a byte order mark, comments, line splices, digraphs, macros; of
    any file name), and one it skips here (an #if branch not taken) does not."""
    records = ninja_records(tree.build)
    reads = {}
    again = []
    for rel, unit in sorted(units.items()):
        valid, listed = records.get(unit.object, (False, []))
        if not valid:
            again.append((rel, unit, False, None))
            continue
        reads[rel] = []
        for path in listed:
            header = tree.resolve(path, tree.build)
            if header is not None and header not in reads[rel]:
                reads[rel].append(header)
    reads.update(reader.run(again)[0])
    return reads


def header_reads(tree, units, reader, reads, ours_files):
    """The files of ours each other file of ours reads (outside tests/, which
    may read anything), so that a header's own includes are judged by its own
    folder, not only by the folders of the sources that read it. Each is
    included alone with the flags of a unit that reads it, else of one beside
    it (choose_unit); lean where a unit reads it, and with all the flags when
    no unit reads it, when the lean reading fails, or when it opens a file of
    ours that may hold a conditional. So a file of ours that only a system or
    library header includes counts for the sources that read it, not for the
    header of ours in between."""
    flagged = {rel for rel in ours_files if conditional(tree.root, rel)}
    readers_of = {}
    for rel, read in reads.items():
        for header in read:
            readers_of.setdefault(header, set()).add(rel)
    jobs = []
    for rel in ours_files:
        if rel in units or rel.startswith("tests/") or top(rel) not in KNOWN or "/" not in rel:
            continue  # a file of no known place is reported by judge
        unit = choose_unit(rel, sorted(units.items()), readers_of)
        if unit is None:
            fail(f"{rel}: no compile command reads it or lies beside it")
        jobs.append((rel, units[unit], rel in readers_of and rel not in flagged, rel))
    found, lean_failed = reader.run(jobs)
    redo = [(key, unit, False, header) for key, unit, lean, header in jobs
            if lean and (key in lean_failed or flagged.intersection(found.get(key, ())))]
    found.update(reader.run(redo)[0])
    return found


def main():
    if len(sys.argv) != 3:
        tell(f"usage: {sys.argv[0]} <source tree> <build tree>")
        sys.exit(2)
    root, build = os.path.realpath(sys.argv[1]), os.path.realpath(sys.argv[2])
    commands = os.path.join(build, "compile_commands.json")
    if not os.path.isdir(build):
        fail(f"no build tree {build}: configure and build it first")
    if not os.path.isfile(commands):
        fail(f"no {commands}: configure the build tree first")
    tree = Tree(root, build)
    units = read_units(tree, commands)
    if not units:
        fail(f"no compile command of a source file of {root} in {commands}")

    with tempfile.TemporaryDirectory() as work:
        reader = Reader(tree, work)
        reads = source_reads(tree, units, reader)
        ours_files = sorted(set(tree.on_disk()) | {h for read in reads.values() for h in read})
        reads.update(header_reads(tree, units, reader, reads, ours_files))

    bad = False
    # A header name held twice cannot be told apart by a bare include.
    names = {}
    for rel in ours_files:
        if top(rel) in PROGRAM and "." in rel and rel.rsplit(".", 1)[1] in HEADERS:
            names.setdefault(os.path.basename(rel), []).append(rel)
    twice = sorted(name for name, held in names.items() if len(held) > 1)
    if twice:
        tell("header names held twice (a bare include cannot tell them apart): " + " ".join(twice))
        bad = True
    pairs = [(rel, header) for rel in sorted(reads) for header in reads[rel]]
    if judge(ours_files, pairs):
        bad = True
    sys.exit(1 if bad else 0)


if __name__ == "__main__":
    main()
