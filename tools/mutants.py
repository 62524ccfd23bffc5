#!/usr/bin/env python3
"""Mutation check of the core tests.

Copies the committed tree of a git checkout into WORK, builds the core
without the windows there, then applies each one-token mutation of
tools/mutants.tsv in turn, rebuilds and runs the core test programs. A
mutation is killed when a test program fails (or the build refuses it),
survives when every program passes. Results go to WORK/results.tsv and
standard output.

    nice -n 15 python3 tools/mutants.py [--repo .] [--work /tmp/qelvorn-mutants]
"""
import argparse
import os
import pathlib
import re
import shutil
import subprocess
import sys

TESTS = ["test_model", "test_io", "test_report", "test_analysis"]


def run(cmd, cwd=None, timeout=None):
    return subprocess.run(cmd, cwd=cwd, timeout=timeout, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)


def build(work):
    return run(["cmake", "--build", "build", "-j2", "--target", "qelvorn-run", *TESTS], cwd=work).returncode == 0


def test(work):
    """Names of the failing test cases ("" lists a program that crashed or timed out)."""
    failed = []
    for t in TESTS:
        exe = work / "build" / "tests" / t
        try:
            r = run([str(exe), "--gtest_brief=1"], cwd=work / "build" / "tests", timeout=600)
        except subprocess.TimeoutExpired:
            failed.append(t + ":timeout")
            continue
        names = re.findall(r"^\[  FAILED  \] (\S+)", r.stdout, re.M)
        names = sorted(set(n.rstrip(",") for n in names if "." in n))
        if r.returncode != 0:
            failed.extend(names or [t + ":exit%d" % r.returncode])
    return failed


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--repo", default=".")
    ap.add_argument("--work", default="/tmp/qelvorn-mutants")
    ap.add_argument("--list", default=None, help="mutation list (default: tools/mutants.tsv of this checkout)")
    a = ap.parse_args()
    repo = pathlib.Path(a.repo).resolve()
    work = pathlib.Path(a.work)
    listing = pathlib.Path(a.list) if a.list else pathlib.Path(__file__).resolve().parent / "mutants.tsv"

    if work.exists():
        shutil.rmtree(work)
    work.mkdir(parents=True)
    archive = subprocess.run(["git", "-C", str(repo), "archive", "HEAD"], stdout=subprocess.PIPE, check=True).stdout
    subprocess.run(["tar", "-x", "-C", str(work)], input=archive, check=True)
    run(["cmake", "-S", ".", "-B", "build", "-DCMAKE_BUILD_TYPE=RelWithDebInfo", "-DQELVORN_WITH_UI=OFF",
         "-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"], cwd=work)
    if not build(work):
        sys.exit("the unmutated tree does not build")
    base = test(work)
    if base:
        sys.exit("the unmutated tree fails: " + " ".join(base))

    mutations = []
    for line in listing.read_text().splitlines():
        if line.strip() and not line.startswith("#"):
            mutations.append(line.split("\t"))

    results = []
    for n, (path, old, new) in enumerate(mutations, 1):
        f = work / path
        original = f.read_text()
        if original.count(old) != 1:
            results.append((n, "n/a", path, old, "text not found once"))
        else:
            f.write_text(original.replace(old, new))
            if not build(work):
                results.append((n, "killed", path, old, "build"))
            else:
                failed = test(work)
                results.append((n, "killed" if failed else "SURVIVED", path, old, " ".join(failed)))
            f.write_text(original)
        print("%2d %-8s %s: %s  [%s]" % results[-1], flush=True)

    with open(work / "results.tsv", "w") as out:
        for r in results:
            out.write("\t".join(str(x) for x in r) + "\n")
    killed = sum(1 for r in results if r[1] == "killed")
    print("killed %d of %d" % (killed, len(results)))
    build(work)


if __name__ == "__main__":
    main()
