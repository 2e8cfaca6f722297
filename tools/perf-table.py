#!/usr/bin/env python3
"""Prints the performance goals as one table from the JSON files of one benchmark run.

perf-table.py FOLDER: FOLDER holds <benchmark>.json for each bench_<benchmark> program, written with
--benchmark_out_format=json. Times are processor times, except start-up, which is the wall-clock
time from starting the host to the drawn dialog. Exits with 1 when a goal is missed or a figure is
missing.
"""

import json
import statistics
import sys
from pathlib import Path

UNITS = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}


def base_name(run_name):
    """A run's name without its options: repetitions, iterations, the clock it reports."""
    parts = run_name.split("/")
    return "/".join(p for p in parts if ":" not in p and p not in ("real_time", "manual_time"))


class Run:
    def __init__(self, folder):
        self.folder = Path(folder)
        self.files = {}

    def entries(self, program):
        if program not in self.files:
            path = self.folder / f"{program}.json"
            self.files[program] = json.loads(path.read_text())["benchmarks"] if path.exists() else []
        return self.files[program]

    def find(self, program, name):
        """The median of the benchmark `name` (its name up to the arguments and repetitions)."""
        runs = [e for e in self.entries(program) if base_name(e["run_name"]) == name]
        if any(e.get("error_occurred") for e in runs):
            raise LookupError(f"{program} {name}: " + next(e.get("error_message", "failed") for e in runs
                                                            if e.get("error_occurred")))
        medians = [e for e in runs if e.get("aggregate_name") == "median"]
        if medians:
            return medians[0]
        iterations = [e for e in runs if e.get("run_type", "iteration") == "iteration"]
        if not iterations:
            raise LookupError(f"{program} {name}: not in the run")
        return sorted(iterations, key=lambda e: e["cpu_time"])[len(iterations) // 2]

    def seconds(self, program, name, clock="cpu_time"):
        entry = self.find(program, name)
        return entry[clock] * UNITS[entry["time_unit"]]

    def counter(self, program, name, counter):
        entry = self.find(program, name)
        if counter not in entry:
            raise LookupError(f"{program} {name}: no counter {counter}")
        return entry[counter]


def duration(seconds):
    for unit, scale in (("s", 1.0), ("ms", 1e-3), ("µs", 1e-6)):
        if seconds >= scale:
            return f"{seconds / scale:.3g} {unit}"
    return f"{seconds / 1e-9:.3g} ns"


class Table:
    def __init__(self):
        self.rows = []
        self.missed = 0

    def add(self, figure, measured, against, value, goal, limit, unit=""):
        """One figure: `value` must stay below (or at, for ratios) `limit`."""
        met = value <= limit
        self.missed += 0 if met else 1
        shown = f"{value:.2f}×" if unit == "×" else duration(value) if unit == "s" else f"{value:.0f} {unit}"
        self.rows.append((figure, measured, against, shown, goal, "met" if met else "MISSED"))

    def info(self, figure, measured):
        self.rows.append((figure, measured, "", "", "", ""))

    def fail(self, figure, reason):
        self.missed += 1
        self.rows.append((figure, reason, "", "", "", "NO FIGURE"))

    def print(self):
        header = ("figure", "measured", "against", "ratio / value", "goal", "")
        widths = [max(len(str(row[i])) for row in self.rows + [header]) for i in range(len(header))]
        line = "  ".join("-" * w for w in widths)
        for row in [header, None] + self.rows:
            print(line if row is None else "  ".join(str(c).ljust(w) for c, w in zip(row, widths)).rstrip())


def figure(table, name, compute):
    try:
        compute()
    except (LookupError, KeyError, ZeroDivisionError, OSError, ValueError) as error:
        table.fail(name, str(error))


def main(folder):
    run = Run(folder)
    table = Table()

    def catalogue_load():
        load = run.seconds("catalogue_load", "BM_LoadPlainCatalogue")
        bare = run.seconds("catalogue_load", "BM_BareDomParse")
        table.add("catalogue load, 20,000 colours", duration(load), f"bare Xerces-C DOM parse {duration(bare)}",
                  run.counter("catalogue_load", "BM_LoadPlainCatalogue", "x_bare"), "≤ 1.3×", 1.3, "×")

    def textured_load():
        load = run.seconds("catalogue_load", "BM_LoadTexturedCatalogue")
        decode = run.seconds("catalogue_load", "BM_ReadAndDecodeTextures")
        table.add("textured load, 5,000 colours, 50 textures", duration(load),
                  f"decoding the 50 textures once {duration(decode)}",
                  run.counter("catalogue_load", "BM_LoadTexturedCatalogue", "x_decode"), "≤ 1.5×", 1.5, "×")
        peak = run.counter("catalogue_load", "BM_LoadTexturedCatalogue", "peak_MB")
        decode_peak = run.counter("catalogue_load", "BM_ReadAndDecodeTextures", "peak_MB")
        table.add("textured load, peak memory", f"{peak:.1f} MB", f"decoding once {decode_peak:.1f} MB",
                  run.counter("catalogue_load", "BM_LoadTexturedCatalogue", "x_decode_peak"), "≤ 1.5×", 1.5, "×")

    def nearest():
        per = run.counter("nearest_colours", "ProposeNearest/10000", "ns_per_candidate") * 1e-9
        ratio = run.counter("nearest_colours", "ProposeNearest/10000", "x_deltae")
        table.add("ProposeNearestColours, per candidate", duration(per),
                  f"one DeltaE2000 on the same colours {duration(per / ratio)}", ratio, "≤ 1.2×", 1.2, "×")
        time = run.seconds("nearest_colours", "ProposeNearest/10000")
        table.add("ProposeNearestColours, 10,000 candidates", duration(time), "", time, "< 2 ms", 2e-3, "s")

    def tinting():
        per = run.counter("nearest_colours", "NearestTintingColour/1000", "ns_per_candidate") * 1e-9
        ratio = run.counter("nearest_colours", "NearestTintingColour/1000", "x_deltae")
        table.add("FindNearestAuxiliaryColour, per candidate", duration(per),
                  f"one DeltaE2000 on the same colours {duration(per / ratio)}", ratio, "≤ 1.2×", 1.2, "×")

    def colour_math():
        table.info("  DeltaE2000 alone (colour_math)", duration(run.seconds("colour_math", "DeltaE2000Call")))
        table.info("  sRGB to Lab (colour_math)", duration(run.seconds("colour_math", "SrgbToLabChain")))

    def chip_grid():
        sides = (4, 16, 128)
        times = {side: run.seconds("widgets_draw", f"BM_ChipGridRedraw/{side}") for side in sides}
        side = max(times, key=times.get)
        table.add(f"chip-grid redraw, slowest texture ({side} px)", duration(times[side]),
                  ", ".join(f"{s} px {duration(t)}" for s, t in times.items() if s != side),
                  times[side], "< 4 ms", 4e-3, "s")

    def drawing_layer():
        times = {side: run.seconds("draw_grid", f"BM_ChipGridRedraw/{side}") for side in (4, 16, 128)}
        table.info("  drawing layer alone, 60 tiled chips",
                   ", ".join(f"{s} px {duration(t)}" for s, t in times.items()))

    def pick():
        time = run.seconds("widgets_draw", "BM_PickWhileDragging")
        table.add("one pick while dragging, 10,000 colours", duration(time), "", time, "< 8 ms", 8e-3, "s")

    def mixing_pick():
        textured = run.seconds("widgets_draw", "BM_PickWhileMixing/2048")
        plain = run.seconds("widgets_draw", "BM_PickWhileMixing/0")
        table.add("one mixing pick while dragging, 2048² base", duration(textured),
                  f"untextured base {duration(plain)}", textured / plain, "≤ 2×", 2.0, "×")

    def export():
        ours = run.seconds("export_textures", "BM_ExportFiveTextures")
        stb = run.seconds("export_textures", "BM_StbDecodeAndWriteFive")
        table.add("export of five 2048² textures", duration(ours), f"stb alone {duration(stb)}",
                  run.counter("export_textures", "BM_ExportFiveTextures", "x_stb"), "≤ 1.5×", 1.5, "×")

    def startup(name, label):
        def compute():
            time = run.seconds("startup", name, "real_time")
            table.add(f"start-up to drawn dialog, {label}", duration(time), "", time, "< 1 s", 1.0, "s")
            table.add(f"start-up peak memory, {label}",
                      f"{run.counter('startup', name, 'peak_MB'):.0f} MB", "",
                      run.counter("startup", name, "peak_MB"), "< 300 MB", 300, "MB")
        return compute

    figure(table, "catalogue load", catalogue_load)
    figure(table, "textured load", textured_load)
    figure(table, "ProposeNearestColours", nearest)
    figure(table, "FindNearestAuxiliaryColour", tinting)
    figure(table, "colour mathematics", colour_math)
    figure(table, "chip-grid redraw", chip_grid)
    figure(table, "chip-grid drawing layer", drawing_layer)
    figure(table, "one pick while dragging", pick)
    figure(table, "one mixing pick while dragging", mixing_pick)
    figure(table, "export", export)
    figure(table, "start-up, sample", startup("SampleCatalogue", "sample catalogue"))
    figure(table, "start-up, 20,000 colours", startup("LargeCatalogue", "20,000 colours"))
    table.print()
    print(f"\n{table.missed} of the goals missed" if table.missed else "\nevery goal met")
    return 1 if table.missed else 0


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: perf-table.py FOLDER")
    sys.exit(main(sys.argv[1]))
