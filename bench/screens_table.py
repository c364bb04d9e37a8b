#!/usr/bin/env python3
"""Turns the JSON output of tamurik_screens_qt_bench into the Markdown table of bench/README.md.

    python3 bench/screens_table.py RESULTS.json

Every figure is the median over the repetitions, in milliseconds: wall-clock time, and the
processor time in brackets when the two differ by more than a tenth (another program had the
processor meanwhile). A figure of 16 ms or more is marked with "!".
"""
import json
import sys

LIMIT_MS = 16.0


def figure(entry):
    if entry is None:
        return "-"
    unit = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[entry.get("time_unit", "ns")]
    wall = entry["real_time"] * unit
    cpu = entry["cpu_time"] * unit
    text = f"{wall:.2f}"
    if abs(wall - cpu) > 0.1 * max(wall, cpu):
        text += f" ({cpu:.2f})"
    if wall >= LIMIT_MS:
        text += " !"
    return text


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    with open(sys.argv[1], encoding="utf-8") as f:
        results = json.load(f)
    medians = {}
    labels = {}
    order = []
    for entry in results.get("benchmarks", []):
        # Without repetitions there are no aggregates: the single run is the figure.
        if entry.get("aggregate_name", "median") != "median":
            continue
        kind, screen, files = entry["run_name"].split("/")
        medians[(kind, screen, files)] = entry
        if entry.get("label"):
            labels[screen] = entry["label"]
        if screen not in order:
            order.append(screen)

    print("| screen | most frequent handler | first opening | opening again | handler |")
    print("|---|---|---|---|---|")
    for screen in order:
        cells = []
        for kind in ("FirstOpen", "Activate", "Handler"):
            shipped = figure(medians.get((kind, screen, "shipped")))
            tenfold = figure(medians.get((kind, screen, "tenfold")))
            cells.append(f"{shipped} / {tenfold}" if (shipped, tenfold) != ("-", "-") else "")
        print(f"| {screen} | {labels.get(screen, '')} | " + " | ".join(cells) + " |")


if __name__ == "__main__":
    main()
