#!/usr/bin/env python3
"""Reads binary_search_bench's JSON output on standard input and prints, for each size, the time
per search of binarySearch and of std::lower_bound, timed side by side, and their ratio, as a
Markdown table. With --benchmark_repetitions it takes the medians of the repetitions.
"""
import json
import sys

SIDE_BY_SIDE = "BM_sideBySide"


def rows(benchmarks):
    """Returns {size: side-by-side counters}, the medians where there are repetitions."""
    found = {}
    for bench in benchmarks:
        function, _, size = bench["run_name"].partition("/")
        aggregate = bench.get("aggregate_name")
        if function != SIDE_BY_SIDE or aggregate not in (None, "median"):
            continue
        if aggregate == "median" or int(size) not in found:
            found[int(size)] = bench
    return found


def main():
    found = rows(json.load(sys.stdin)["benchmarks"])
    if not found:
        sys.exit(f"no {SIDE_BY_SIDE} results in the input")
    print("| elements | binarySearch (ns) | std::lower_bound (ns) | ratio |")
    print("|---:|---:|---:|---:|")
    for size, bench in sorted(found.items()):
        print(f"| {size} | {bench['binarySearch_ns']:.1f} | {bench['lower_bound_ns']:.1f} "
              f"| {bench['ratio']:.3f} |")
    print(f"\nlargest ratio: {max(bench['ratio'] for bench in found.values()):.3f}")


if __name__ == "__main__":
    main()
