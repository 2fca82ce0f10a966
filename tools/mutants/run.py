#!/usr/bin/env python3
"""Mutation runner: plants each fault of faults.txt in a scratch copy of the tree and runs the fast tests.

Usage: tools/mutants/run.py [PATTERN]   (or MUTANTS=PATTERN; a regular expression matched against
"file: description"). Exits 1 when a fault survives, 2 when the list or the unchanged tree is bad.
"""
import os
import re
import shutil
import signal
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
LIST = Path(__file__).with_name("faults.txt")
SCRATCH = Path(os.environ.get("MUTANTS_DIR", ROOT / "build-mutants"))
BUILD = SCRATCH / "build"  # inside the copy, so ccache sees the same relative paths as a worktree build
JOBS = os.environ.get("JOBS", "2")
TARGETS = ["rendaro-tests", "rendaro-cli", "rendaro-sim"]  # what the fast tests run
# The desktop program's tests (which would need it linked for every fault) and the soaks are left out.
SLOW_TESTS = "e2e\\.|SdlStart|Monkey|CrashConsistency"
TEST_TIMEOUT = "60"


def read_faults():
    """Entries of three lines: 'FILE: description', '- original', '+ replacement'."""
    faults, lines = [], [l for l in LIST.read_text().splitlines() if l.strip() and not l.startswith("#")]
    for i in range(0, len(lines), 3):
        head, old, new = (lines[i:i + 3] + ["", ""])[:3]
        if ":" not in head or not old.startswith("- ") or not (new + " ").startswith("+ "):
            print(f"faults.txt: malformed entry at '{head}'")
            sys.exit(2)
        path, description = (part.strip() for part in head.split(":", 1))
        faults.append((path, description, old[2:], new[2:]))
    return faults


def stale(fault):
    path = ROOT / fault[0]
    return not path.is_file() or path.read_text().count(fault[2]) != 1


def sync_copy():
    """Mirrors the worktree's files into the scratch copy, touching only changed ones."""
    listed = subprocess.run(["git", "ls-files", "-co", "--exclude-standard", "-z"], cwd=ROOT, check=True,
                            capture_output=True, text=True).stdout.split("\0")
    wanted = {name for name in listed if name and (ROOT / name).is_file()}
    for name in wanted:
        source, target = ROOT / name, SCRATCH / name
        if not target.is_file() or target.read_bytes() != source.read_bytes():
            target.parent.mkdir(parents=True, exist_ok=True)
            shutil.copyfile(source, target)  # a fresh mtime: make rebuilds what changed
        shutil.copymode(source, target)
    for target in SCRATCH.rglob("*"):
        relative = target.relative_to(SCRATCH)
        if target.is_file() and relative.parts[0] != "build" and str(relative) not in wanted:
            target.unlink()


def run(command, show_failure=False):
    done = subprocess.run(command, capture_output=True, text=True)
    if done.returncode != 0 and show_failure:
        print(done.stdout[-3000:], done.stderr[-3000:])
    return done.returncode == 0


def build(show_failure=False):
    return run(["cmake", "--build", str(BUILD), "-j", JOBS, "--target", *TARGETS], show_failure)


def fast_tests_pass(show_failure=False):
    return run(["ctest", "--test-dir", str(BUILD), "-j", JOBS, "--stop-on-failure", "--timeout", TEST_TIMEOUT,
                "-E", SLOW_TESTS], show_failure)


def main():
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))  # still puts the planted fault back
    pattern = re.compile(sys.argv[1] if len(sys.argv) > 1 else os.environ.get("MUTANTS", ""))
    faults = read_faults()
    bad = [f for f in faults if stale(f)]
    for f in bad:
        print(f"STALE     {f[0]}: {f[1]} (the original must occur exactly once)")
    chosen = [f for f in faults if pattern.search(f"{f[0]}: {f[1]}")]
    if bad or not chosen:
        return 2

    start = time.monotonic()
    SCRATCH.mkdir(parents=True, exist_ok=True)
    sync_copy()
    # Every fault relinks three programs: without link-time optimisation, in half the time.
    subprocess.run(["cmake", "-S", str(SCRATCH), "-B", str(BUILD), "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
                    "-DCMAKE_CXX_COMPILER_LAUNCHER=ccache", "-DRENDARO_WERROR=ON",
                    "-DRENDARO_LINK_TIME_OPTIMISATION=OFF"], check=True, capture_output=True)
    if not build(show_failure=True) or not fast_tests_pass(show_failure=True):
        print("the unchanged tree does not build or pass its fast tests: nothing to measure")
        return 2

    caught = survived = broken = 0
    for path, description, old, new in chosen:
        file = SCRATCH / path
        original = file.read_text()
        try:
            file.write_text(original.replace(old, new))
            mutant_start = time.monotonic()
            if not build():
                verdict, broken = "NO BUILD", broken + 1
            elif fast_tests_pass():
                verdict, survived = "SURVIVED", survived + 1
            else:
                verdict, caught = "caught", caught + 1
        finally:
            file.write_text(original)
        print(f"{verdict:9} {time.monotonic() - mutant_start:5.0f}s  {path}: {description}", flush=True)

    minutes = (time.monotonic() - start) / 60
    print(f"{caught}/{len(chosen)} faults caught, {survived} survived, {broken} did not build, "
          f"{minutes:.1f} minutes")
    if broken:
        return 2
    return 1 if survived else 0


if __name__ == "__main__":
    sys.exit(main())
