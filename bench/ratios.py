#!/usr/bin/env python3
"""Pairs "<case>/measured" with "<case>/reference" in Google Benchmark JSON
output and prints measured time, reference time and their ratio per case.

Usage: ratios.py RESULTS.json [--markdown]
With repetitions the median is used; times are CPU times in milliseconds.
"""
import json
import sys

TO_MS = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}


def pick_runs(benchmarks):
    """One run per name: the median aggregate when there is one, else the run."""
    runs = {}
    for b in benchmarks:
        name = b.get("run_name", b["name"])
        aggregate = b.get("aggregate_name")
        if aggregate not in (None, "median"):
            continue
        if aggregate == "median" or name not in runs:
            runs[name] = b
    return runs


def cases(runs):
    """(case, measured run, reference run) in the order the cases ran."""
    order = []
    for name in runs:
        case, _, role = name.rpartition("/")
        if role == "measured" and case + "/reference" in runs:
            order.append((case, runs[name], runs[case + "/reference"]))
    return order


def ms(run):
    return run["cpu_time"] * TO_MS[run.get("time_unit", "ns")]


def rows(runs):
    out = []
    for case, measured, reference in cases(runs):
        error = measured.get("error_message") or reference.get("error_message")
        if measured.get("error_occurred") or reference.get("error_occurred"):
            out.append((case, None, None, None, None, "ERROR: " + (error or "?")))
            continue
        ratio = ms(measured) / ms(reference)
        target = measured.get("target")
        if target is not None and target <= 0:
            target = None  # reported beside its reference, no bound
        verdict = "" if target is None else ("ok" if ratio <= target else "MISSED")
        out.append((case, ms(measured), ms(reference), ratio, target, verdict))
    return out


def fmt(value, pattern):
    return "-" if value is None else format(value, pattern)


def main(argv):
    if len(argv) < 2:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    with open(argv[1]) as f:
        data = json.load(f)
    table = rows(pick_runs(data["benchmarks"]))
    header = ("case", "measured ms", "reference ms", "ratio", "target", "")
    cells = [header] + [
        (c, fmt(m, ".2f"), fmt(r, ".2f"), fmt(x, ".2f") + ("x" if x else ""),
         fmt(t, "g") + ("x" if t else ""), v)
        for c, m, r, x, t, v in table
    ]
    if "--markdown" in argv:
        print("| " + " | ".join(header[:5]) + " | result |")
        print("|" + "---|" * 6)
        for row in cells[1:]:
            print("| " + " | ".join(row) + " |")
    else:
        widths = [max(len(row[i]) for row in cells) for i in range(6)]
        for row in cells:
            print("  ".join(cell.ljust(w) if i == 0 else cell.rjust(w)
                            for i, (cell, w) in enumerate(zip(row, widths))).rstrip())
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
