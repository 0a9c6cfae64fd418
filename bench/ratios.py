#!/usr/bin/env python3
"""Pairs "<case>/measured" with "<case>/reference" in Google Benchmark JSON
output and prints measured time, reference time and their ratio per case.

Usage: ratios.py RESULTS.json [MORE.json ...] [--markdown]
With repetitions the median is used; times are CPU times in milliseconds.
A case with the counters after_MiB and before_MiB shows those (the
resident set after an operation against before it) in place of the times.
Several files are several processes of the same program: the row shows the
process of median ratio and, beside it, the worst ratio of any process; a
bound holds when the worst process is within it.
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
    # Memory cases: the resident set after against before, in MiB.
    for name, run in runs.items():
        if "after_MiB" not in run or "before_MiB" not in run:
            continue
        case = name.split("/")[0] + " (MiB)"
        if run.get("error_occurred"):
            out.append((case, None, None, None, None,
                        "ERROR: " + (run.get("error_message") or "?")))
            continue
        after, before = run["after_MiB"], run["before_MiB"]
        ratio = after / before
        target = run.get("target")
        verdict = "" if target is None else ("ok" if ratio <= target else "MISSED")
        out.append((case, after, before, ratio, target, verdict))
    return out


def fmt(value, pattern):
    return "-" if value is None else format(value, pattern)


def combine(tables):
    """One row per case over the processes: the median process's times and
    ratio, the worst ratio, and the verdict on the worst."""
    per_case = {}
    for table in tables:
        for row in table:
            per_case.setdefault(row[0], []).append(row)
    out = []
    for case, runs in per_case.items():
        failed = [r for r in runs if r[3] is None]
        if failed:
            out.append(failed[0] + (None,))
            continue
        ordered = sorted(runs, key=lambda r: r[3])
        median = ordered[(len(ordered) - 1) // 2]
        worst = ordered[-1]
        target = median[4]
        verdict = "" if target is None else ("ok" if worst[3] <= target else "MISSED")
        out.append((case, median[1], median[2], median[3], target, verdict, worst[3]))
    return out


def main(argv):
    files = [a for a in argv[1:] if not a.startswith("--")]
    if not files:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    tables = []
    for name in files:
        with open(name) as f:
            tables.append(rows(pick_runs(json.load(f)["benchmarks"])))
    table = combine(tables)
    header = ("case", "measured ms", "reference ms", "ratio", "worst", "target", "")
    cells = [header] + [
        (c, fmt(m, ".2f"), fmt(r, ".2f"), fmt(x, ".2f") + ("x" if x else ""),
         fmt(w, ".2f") + ("x" if w else ""), fmt(t, "g") + ("x" if t else ""), v)
        for c, m, r, x, t, v, w in table
    ]
    if "--markdown" in argv:
        print("| " + " | ".join(header[:6]) + " | result |")
        print("|" + "---|" * 7)
        for row in cells[1:]:
            print("| " + " | ".join(row) + " |")
    else:
        widths = [max(len(row[i]) for row in cells) for i in range(7)]
        for row in cells:
            print("  ".join(cell.ljust(w) if i == 0 else cell.rjust(w)
                            for i, (cell, w) in enumerate(zip(row, widths))).rstrip())
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
