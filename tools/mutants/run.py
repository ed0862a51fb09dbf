#!/usr/bin/env python3
"""Deliberately broken copies of the code, one at a time, against the suite.

Each mutant in a list file (tools/mutants/mutants.txt by default) replaces
one exact piece of text in one file. For each: the text is replaced in the
source tree given with --src (a clone, never the tree you work in), the
tree is rebuilt incrementally, the tests named in the mutant's `tests:` run
first and then, if they all pass, the whole suite (ctest, stopping at the
first failure). A mutant is `killed` when some test fails, `survived` when
the whole suite passes, `unbuildable` when it does not compile and
`missing` when its text is not found exactly once. The file is put back
after each mutant.

    git clone /path/to/worktree /tmp/mutants-src
    tools/mutants/run.py --src /tmp/mutants-src --results /tmp/mutants.tsv

With the environment variable HEAVY set to a command (e.g. /work/bin/heavy)
every build and test run goes through it. Results are appended as they
come, so a run that stopped can go on with --resume. The build directory
(--build, default SRC/build-mutants) is configured without the endgame
solve: the tables are solved once, on the first configure, with the tree as
it is.
"""
import argparse
import os
import re
import shlex
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))


def parse_mutants(path):
    """Blocks of `key: value` lines, each opened by `== name`."""
    mutants, current = [], None
    with open(path, encoding="utf-8") as lines:
        for number, line in enumerate(lines, 1):
            line = line.rstrip("\n")
            if not line.strip() or line.lstrip().startswith("#"):
                continue
            if line.startswith("== "):
                current = {"name": line[3:].strip(), "line": number}
                mutants.append(current)
                continue
            key, _, value = line.partition(":")
            if current is None or not _:
                sys.exit(f"{path}:{number}: expected '== name' or 'key: value'")
            value = value[1:] if value.startswith(" ") else value
            # \n stands for a line break, \t for a tab, \\ for a backslash.
            value = re.sub(r"\\(.)", lambda m: {"n": "\n", "t": "\t"}.get(m.group(1), m.group(1)), value)
            current[key.strip()] = value
    for mutant in mutants:
        for key in ("file", "find", "replace"):
            if key not in mutant:
                sys.exit(f"{path}:{mutant['line']}: mutant {mutant['name']} has no {key}")
    names = [m["name"] for m in mutants]
    if len(set(names)) != len(names):
        sys.exit(f"{path}: two mutants share a name")
    return mutants


def heavy():
    return shlex.split(os.environ.get("HEAVY", ""))


def run(command, log, cwd=None, env=None):
    with open(log, "a") as out:
        out.write("$ " + " ".join(command) + "\n")
        out.flush()
        return subprocess.call(heavy() + command, stdout=out, stderr=subprocess.STDOUT, cwd=cwd, env=env)


def failed_tests(log):
    failed, listing = [], False
    with open(log, errors="replace") as text:
        for line in text:
            if "The following tests FAILED" in line:
                listing = True
            elif listing:
                match = re.match(r"\s*\d+ - (\S+)", line)
                if match:
                    failed.append(match.group(1))
    return failed


class Tree:
    def __init__(self, src, build, logs):
        self.src, self.build, self.logs = src, build, logs
        self.env = dict(os.environ, SDL_VIDEODRIVER="dummy", SDL_AUDIODRIVER="dummy")

    def configure(self):
        if os.path.exists(os.path.join(self.build, "CMakeCache.txt")):
            return True
        log = os.path.join(self.logs, "configure.log")
        tables = os.path.join(self.src, "data", "endgames.zdb")
        base = ["cmake", "-S", self.src, "-B", self.build, "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
                "-DZELK_BENCH=OFF"]
        if not os.path.exists(tables):
            if run(base + ["-DZELK_ENDGAMES=ON"], log) or self.compile(log):
                return False
        return run(base + ["-DZELK_ENDGAMES=OFF"], log) == 0

    def compile(self, log):
        return run(["cmake", "--build", self.build, "-j2"], log)

    def suite(self, log, only=None, skip=None):
        command = ["ctest", "--test-dir", self.build, "--timeout", "300", "-j2", "--stop-on-failure"]
        if only:
            command += ["-R", only]
        if skip:
            command += ["-E", skip]
        return run(command, log, env=self.env)


def try_mutant(tree, mutant):
    path = os.path.join(tree.src, mutant["file"])
    with open(path, encoding="utf-8") as source:
        original = source.read()
    if original.count(mutant["find"]) != 1:
        return "missing", f"found {original.count(mutant['find'])} times"
    log = os.path.join(tree.logs, mutant["name"] + ".log")
    if os.path.exists(log):
        os.remove(log)
    try:
        with open(path, "w", encoding="utf-8") as source:
            source.write(original.replace(mutant["find"], mutant["replace"]))
        if tree.compile(log):
            return "unbuildable", ""
        hint = mutant.get("tests", "").strip()
        if hint and tree.suite(log, only=hint):
            return "killed", " ".join(failed_tests(log))
        if tree.suite(log, skip=hint or None):
            return "killed", " ".join(failed_tests(log))
        return "survived", ""
    finally:
        with open(path, "w", encoding="utf-8") as source:
            source.write(original)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--src", required=True, help="the source tree to break (a clone)")
    parser.add_argument("--build", help="its build directory (default SRC/build-mutants)")
    parser.add_argument("--list", default=os.path.join(HERE, "mutants.txt"))
    parser.add_argument("--results", required=True, help="TSV file the results are appended to")
    parser.add_argument("--only", help="comma-separated names to run")
    parser.add_argument("--resume", action="store_true", help="skip mutants already in the results")
    parser.add_argument("--check", action="store_true", help="only check that every mutant applies")
    args = parser.parse_args()

    src = os.path.abspath(args.src)
    mutants = parse_mutants(args.list)
    if args.only:
        wanted = set(args.only.split(","))
        mutants = [m for m in mutants if m["name"] in wanted]
    if args.check:
        bad = 0
        for m in mutants:
            with open(os.path.join(src, m["file"]), encoding="utf-8") as source:
                count = source.read().count(m["find"])
            if count != 1:
                bad += 1
                print(f"{m['name']}: found {count} times in {m['file']}")
        print(f"{len(mutants) - bad} of {len(mutants)} apply")
        return 1 if bad else 0

    done = set()
    if args.resume and os.path.exists(args.results):
        with open(args.results) as results:
            done = {line.split("\t")[0] for line in results}
    logs = os.path.abspath(args.results) + ".logs"
    os.makedirs(logs, exist_ok=True)
    tree = Tree(src, os.path.abspath(args.build or os.path.join(src, "build-mutants")), logs)
    if not tree.configure():
        sys.exit("configure failed: see " + os.path.join(logs, "configure.log"))
    if "baseline" not in done:
        log = os.path.join(logs, "baseline.log")
        if tree.compile(log) or tree.suite(log):
            sys.exit("the unbroken tree does not pass its suite: see " + log)
        with open(args.results, "a") as results:
            results.write("baseline\tpassed\t\t\n")
    for mutant in mutants:
        if mutant["name"] in done:
            continue
        started = time.time()
        status, detail = try_mutant(tree, mutant)
        line = f"{mutant['name']}\t{status}\t{detail}\t{int(time.time() - started)}"
        print(line, flush=True)
        with open(args.results, "a") as results:
            results.write(line + "\n")
    return 0


if __name__ == "__main__":
    sys.exit(main())
