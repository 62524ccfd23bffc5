#!/usr/bin/env python3
"""Mutation check of the core tests.

Copies the committed tree of a git checkout into WORK, builds the core
without the windows there, then applies each one-token mutation of
tools/mutants.tsv in turn, rebuilds and runs the core test programs. A
mutation is killed when a test program fails (or the build refuses it),
survives when every program passes.

With --before REF the tests, examples and golden reports of REF are built
as a second suite against the same core, so one rebuild per mutation
serves both suites (before and after a change to the tests).

Results go to WORK/results.tsv and standard output.

    nice -n 15 python3 tools/mutants.py [--repo .] [--before REF] [--work /tmp/qelvorn-mutants]
"""
import argparse
import pathlib
import re
import shutil
import subprocess
import sys

PROGRAMS = ["analysis", "model", "io", "report"]  # the golden reports first: they kill most

SECOND_SUITE = """
# Second suite: the tests of another commit, against the same core.
foreach(dir model io report analysis)
  file(GLOB B_SOURCES ${QELVORN_BEFORE_ROOT}/tests/${dir}/*.cpp)
  if(B_SOURCES)
    add_executable(before_${dir} ${B_SOURCES})
    target_link_libraries(before_${dir} PRIVATE qelvorn_core GTest::gtest GTest::gtest_main)
    target_include_directories(before_${dir} PRIVATE ${QELVORN_BEFORE_ROOT}/tests)
    target_compile_definitions(before_${dir} PRIVATE
      QELVORN_SOURCE_DIR="${QELVORN_BEFORE_ROOT}"
      QELVORN_RUN_EXE="$<TARGET_FILE:qelvorn-run>")
    add_dependencies(before_${dir} qelvorn-run)
  endif()
endforeach()
"""


def run(cmd, cwd=None, timeout=None):
    return subprocess.run(cmd, cwd=cwd, timeout=timeout, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)


def extract(repo, ref, into):
    archive = subprocess.run(["git", "-C", str(repo), "archive", ref], stdout=subprocess.PIPE, check=True).stdout
    into.mkdir(parents=True)
    subprocess.run(["tar", "-x", "-C", str(into)], input=archive, check=True)


def build(work, targets):
    return run(["cmake", "--build", "build", "-j2", "--target", *targets], cwd=work).returncode == 0


def failures(work, program):
    """Failing test cases of one program ([] when it passes)."""
    try:
        r = run([str(work / "build" / "tests" / program), "--gtest_brief=1"], cwd=work / "build" / "tests", timeout=900)
    except subprocess.TimeoutExpired:
        return [program + ":timeout"]
    if r.returncode == 0:
        return []
    names = sorted(set(re.findall(r"^\[  FAILED  \] (\w+\.\w+)", r.stdout, re.M)))
    return names or [program + ":exit%d" % r.returncode]


def suite_kills(work, prefix, stop_early=True):
    """What kills the mutation in one suite: the first failing program's cases."""
    for name in PROGRAMS:
        program = prefix + name
        if not build(work, [program]):
            return ["build:" + program]
        failed = failures(work, program)
        if failed:
            return failed
    return []


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--repo", default=".")
    ap.add_argument("--before", default=None, help="commit whose tests form the second suite")
    ap.add_argument("--work", default="/tmp/qelvorn-mutants")
    ap.add_argument("--list", default=None, help="mutation list (default: tools/mutants.tsv of this checkout)")
    a = ap.parse_args()
    repo = pathlib.Path(a.repo).resolve()
    work = pathlib.Path(a.work)
    listing = pathlib.Path(a.list) if a.list else pathlib.Path(__file__).resolve().parent / "mutants.tsv"

    if work.exists():
        shutil.rmtree(work)
    extract(repo, "HEAD", work)
    suites = [("after" if a.before else "tests", "test_")]
    if a.before:
        extract(repo, a.before, work / "before_root")
        with open(work / "tests" / "CMakeLists.txt", "a") as cm:
            cm.write(SECOND_SUITE)
        suites.append(("before", "before_"))
    run(["cmake", "-S", ".", "-B", "build", "-DCMAKE_BUILD_TYPE=RelWithDebInfo", "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -DNDEBUG",
         "-DQELVORN_WITH_UI=OFF", "-DCMAKE_CXX_COMPILER_LAUNCHER=ccache",
         "-DQELVORN_BEFORE_ROOT=" + str(work / "before_root")], cwd=work)
    for label, prefix in suites:
        failed = suite_kills(work, prefix)
        if failed:
            sys.exit("the unmutated tree fails its %s suite: %s" % (label, " ".join(failed)))
    print("unmutated tree passes: " + ", ".join(l for l, _ in suites), flush=True)

    mutations = []
    for line in listing.read_text().splitlines():
        if line.strip() and not line.startswith("#"):
            mutations.append(line.split("\t"))

    results = []
    for n, (path, old, new) in enumerate(mutations, 1):
        f = work / path
        original = f.read_text()
        row = [str(n), path, old]
        if original.count(old) != 1:
            row += ["n/a"] * len(suites)
        else:
            f.write_text(original.replace(old, new))
            for label, prefix in suites:
                failed = suite_kills(work, prefix)
                row.append(("killed by " + " ".join(failed[:3])) if failed else "SURVIVED")
            f.write_text(original)
        results.append(row)
        print("%s %s: %s  | %s" % (row[0], row[1], row[2], " | ".join("%s: %s" % (s[0], r) for s, r in zip(suites, row[3:]))), flush=True)

    with open(work / "results.tsv", "w") as out:
        out.write("\t".join(["n", "file", "text"] + [s[0] for s in suites]) + "\n")
        for r in results:
            out.write("\t".join(r) + "\n")
    for i, (label, _) in enumerate(suites):
        killed = sum(1 for r in results if r[3 + i].startswith("killed"))
        print("%s: killed %d of %d" % (label, killed, len(results)))


if __name__ == "__main__":
    main()
