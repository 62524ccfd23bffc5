#!/usr/bin/env python3
"""Writes docs/verification.md: for each worked problem the hand calculation
(hand.py, independent of the program) beside the values the program prints.

    python3 docs/verification/make_verification.py build/qelvorn-run

    python3 docs/verification/make_verification.py --check build/qelvorn-run

The program is only run as a separate process, through the batch runner, to
obtain its report; the program's values are then read from the report text.
Each quoted program value is shown with the exact report line it comes from.
With --check nothing is written: the exit status is 1 when the manual is no
longer what the program prints (a test runs it, so a change of results that
makes the manual stale fails the suite).
"""
import math
import os
import re
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
sys.path.insert(0, HERE)
import hand  # noqa: E402
from problems import PROBLEMS, INTRO, CLOSING, coverage_rows  # noqa: E402

NUM = re.compile(r"-?\d*\.?\d+(?:E[+-]\d+)?")


class Report:
    def __init__(self, text):
        self.lines = [ln.strip() for ln in text.replace("\r", "").split("\n")]

    def find(self, anchors, pattern):
        """The first line matching `pattern` from the line of the last of the
        anchors, found in turn (regular expressions on the trimmed line), and
        where the match ends; the program's numbers are read after it."""
        i = 0
        for k, a in enumerate(anchors):
            i += 1 if k else 0
            while not re.search(a, self.lines[i]):
                i += 1
        for j in range(i, i + 40):
            m = re.search(pattern, self.lines[j])
            if m:
                return self.lines[j], m.end()
        raise LookupError(f"no line {pattern!r} near {self.lines[i]!r}")


def run(exe, name, tmp):
    out = os.path.join(tmp, name + ".out")
    subprocess.run([exe, "--sections", "echo,abutment,sidewalls,quantities",
                    os.path.join(ROOT, "examples", name + ".in"), out], check=True)
    with open(out, encoding="latin-1") as f:
        return Report(f.read())


def fmt(x, dec):
    return f"{x:.{dec}f}"


class Table:
    """Rows of quantity, hand value, program value, difference, report line."""

    def __init__(self, report):
        self.report, self.rows = report, []

    def add(self, what, hand_value, dec, anchors, pattern, index):
        line, end = self.report.find(anchors, pattern)
        prog = float(NUM.findall(line[end:])[index])
        diff = prog - hand_value
        rel = "" if hand_value == 0 else f" ({100 * diff / abs(hand_value):+.2f} %)"
        # Beyond the rounding of the printed digits: the program's single
        # precision, which must stay within a few parts in ten million.
        mark = ""
        if abs(diff) > 0.5 * 10 ** -dec + 1e-9:
            if abs(diff) > 0.5 * 10 ** -dec + 2e-6 * abs(hand_value):
                raise ValueError(f"{what}: program {prog} differs from the hand value {hand_value}")
            mark = " †"
        self.rows.append((what, fmt(hand_value, dec + 2), fmt(prog, dec), f"{diff:+.{dec + 2}f}{rel}{mark}", line))
        return prog

    def markdown(self):
        out = ["| Quantity | Hand | Program | Difference | Report line |", "|---|---:|---:|---:|---|"]
        for what, h, p, d, line in self.rows:
            out.append(f"| {what} | {h} | {p} | {d} | `{line}` |")
        return "\n".join(out)


def main():
    args = [a for a in sys.argv[1:] if a != "--check"]
    if len(args) != 1:
        sys.exit("usage: make_verification.py [--check] PATH/TO/qelvorn-run")
    exe = os.path.abspath(args[0])
    parts = [INTRO + coverage_rows()]
    with tempfile.TemporaryDirectory() as tmp:
        for n, prob in enumerate(PROBLEMS, start=1):
            rep = run(exe, prob["name"], tmp)
            p = hand.read_input(os.path.join(ROOT, "examples", prob["name"] + ".in"))
            parts.append(prob["write"](n, prob, p, Table(rep)))
    parts.append(CLOSING)
    text = "\n\n".join(parts).rstrip() + "\n"
    target = os.path.join(ROOT, "docs", "verification.md")
    if "--check" in sys.argv:
        with open(target, encoding="utf-8") as f:
            if f.read() != text:
                sys.exit("docs/verification.md is stale: regenerate it with make_verification.py")
        return
    with open(target, "w", encoding="utf-8") as f:
        f.write(text)


if __name__ == "__main__":
    main()
