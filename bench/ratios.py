#!/usr/bin/env python3
"""Literal / fast: the time ratios of the benchmark pairs, read from Google Benchmark's JSON.

Usage: ratios.py FILE.json ...  (or the JSON on standard input). A benchmark whose name holds
"Literal" is paired with the one named the same with "Fast" in its place. Each time is the CPU
time of a run, the median when a benchmark ran with repetitions. An empty file (a program whose
filter matched nothing) is passed over.
"""
import json
import statistics
import sys

# Seconds per unit of Google Benchmark's "time_unit".
UNIT = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}


def cpuTimes(reports):
    """The CPU time in microseconds of each benchmark run, by run name."""
    runs, medians = {}, {}
    for report in reports:
        for entry in report.get("benchmarks", []):
            if entry.get("error_occurred"):
                continue
            name = entry.get("run_name", entry["name"])
            time = entry["cpu_time"] * UNIT[entry.get("time_unit", "ns")] * 1e6
            if entry.get("run_type") == "aggregate":
                if entry.get("aggregate_name") == "median":
                    medians[name] = time
            else:
                runs.setdefault(name, []).append(time)
    times = {name: statistics.median(values) for name, values in runs.items()}
    times.update(medians)  # with only the aggregates reported, the median stands alone
    return times


def pairs(times):
    """(name, fast, literal) for every literal benchmark whose fast partner ran too."""
    for name, literal in sorted(times.items()):
        if "Literal" not in name:
            continue
        partner = name.replace("Literal", "Fast")
        if partner in times:
            yield partner.replace("Fast", ""), times[partner], literal


def main(argv):
    if len(argv) > 1:
        reports = []
        for path in argv[1:]:
            with open(path, encoding="utf-8") as f:
                text = f.read()
            if text.strip():
                reports.append(json.loads(text))
    else:
        reports = [json.load(sys.stdin)]
    found = list(pairs(cpuTimes(reports)))
    if not found:
        print("no pair of Fast and Literal benchmarks ran", file=sys.stderr)
        return 0
    width = max(len(name) for name, _, _ in found)
    print("literal / fast (CPU time)")
    for name, fast, literal in found:
        print(f"{name:<{width}}  fast {fast:12.2f} us  literal {literal:12.2f} us  "
              f"ratio {literal / fast:10.1f}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
