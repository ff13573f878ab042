#!/usr/bin/env bash
# Builds the benchmarks and prints the speed figures of the simulator, the strategy lab and the table,
# each against its target. Figures that compare two programs come from interleaved runs (A, B, A, B, ...):
# the ratio is the median of the ratios of each B to the A run just before it, since the speed of a
# shared machine drifts between runs far more than within a pair. Single-thread figures are processor
# time, so that other work on the machine skews them as little as possible. Usage: scripts/bench.sh [RUNS
# [SHOES]] (default 9 runs; the simulator's figures over 100,000 shoes, sessions of 10 shoes in a study, ten
# times as many shoes for a study with a curve).
# Takes minutes.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
runs="${1:-9}"
shoes="${2:-100000}"
"$root/scripts/build.sh" baccarat-sim BareLoop SimBench LabBench DealBench >/dev/null
export QT_QPA_PLATFORM=offscreen
cd "$root/build"
python3 - "$runs" "$shoes" <<'PY'
import json, re, resource, statistics, subprocess, sys, time

runs = int(sys.argv[1])
rows = []

def run(command):
    """Processor seconds of the children and the output of one run."""
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    out = subprocess.run(command, check=True, capture_output=True, text=True).stdout
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    cpu = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
    return cpu, out

def per_hand(command):
    cpu, out = run(command)
    return cpu / json.loads(out)["hands"]

def interleaved(a, b):
    """Median processor time per hand of a and of b, run in turns, and the median ratio b / a of a pair."""
    times_a, times_b = [], []
    for _ in range(runs):
        times_a.append(per_hand(a))
        times_b.append(per_hand(b))
    ratios = [tb / ta for ta, tb in zip(times_a, times_b)]
    return statistics.median(times_a), statistics.median(times_b), statistics.median(ratios)

def row(figure, value, target, met):
    rows.append((figure, value, target, "met" if met else "NOT MET"))
    print(f"{figure:<62} {value:<26} {target:<10} {rows[-1][3]}", flush=True)

print(f"{'figure':<62} {'measured':<26} {'target':<10}")
sim = "./baccarat-sim"
shoes = int(sys.argv[2])

def plain_of(count):
    return [sim, "--shoes", str(count), "--threads", "1"]

def study_of(count):
    return [sim, "--system", "flat", "--session-shoes", "10", "--sessions", str(count // 10), "--threads", "1"]

bare, plain, slower = interleaved(["bench/BareLoop", str(shoes)], plain_of(shoes))
row("baccarat-sim --threads 1 against the bare loop (bench/bare)",
    f"{1 / plain / 1e6:.1f} M/s vs {1 / bare / 1e6:.1f} M/s = {1 / slower:.2f}", ">= 0.90", 1 / slower >= 0.90)

out = subprocess.run(["bench/SimBench", "--benchmark_filter=BareRulesLoop|PlainRun/1/",
                      f"--benchmark_repetitions={runs}", "--benchmark_enable_random_interleaving=true",
                      "--benchmark_format=json"], check=True, capture_output=True, text=True).stdout
rates = {}
for b in json.loads(out)["benchmarks"]:
    if b.get("run_type") == "iteration":
        rates.setdefault(b["run_name"].split("/")[0], []).append(b["hands_per_second"])
ratio = statistics.median(rates["BM_PlainRun"]) / statistics.median(rates["BM_BareRulesLoop"])
row("SimBench: plain run against its bare loop", f"{ratio:.2f}", ">= 1.0", ratio >= 1.0)

ratio = interleaved(plain_of(shoes), study_of(shoes))[2]
row("flat study (sessions of 10 shoes) against a plain run, per hand", f"{ratio:.2f}x", "<= 1.15x", ratio <= 1.15)
# A curve's buckets and batch, some 8 MB, are first touched once per run: a fixed cost, not a cost per
# hand, yet some 15 ms on a virtual machine that backs its memory only as it is first touched, a tenth of
# a run of 100,000 shoes. Runs ten times longer keep it out of the figure per hand.
ratio = interleaved(plain_of(shoes * 10), study_of(shoes * 10) + ["--curve", "/dev/null"])[2]
row(f"the same with --curve (runs of {shoes * 10:,} shoes)", f"{ratio:.2f}x", "<= 1.30x", ratio <= 1.30)

out = subprocess.run(["bench/LabBench", "200000", "10", str(max(1, runs // 2)), "0"], check=True,
                     capture_output=True, text=True).stdout
shown = [float(m) for m in re.findall(r"shown in (\d+) ms", out)]
gaps = [float(m) for m in re.findall(r"gap ([\d.]+) ms", out)]
seconds = statistics.median(shown) / 1000
row("Strategy Lab 200,000 sessions x 10 shoes, every core, window live",
    f"{seconds:.1f} s, longest gap {max(gaps):.0f} ms", "<= 4 s", seconds <= 4)

edge = statistics.median(per_hand([sim, "--shoes", "2000", "--threads", "1", "--edge-report"])
                         for _ in range(runs))
row("--edge-report per hand", f"{edge * 1e6:.2f} us", "<= 5 us", edge <= 5e-6)

shipped, grown = [], []
for _ in range(max(1, runs // 2)):
    for padding, into in (("0", shipped), ("1048576", grown)):
        out = subprocess.run(["bench/DealBench", padding], check=True, capture_output=True, text=True).stdout
        into.append(float(re.search(r"median 90-hand deal: (\d+) ms", out).group(1)))
deal, big = statistics.median(shipped), statistics.median(grown)
ratio = statistics.median(g / s for s, g in zip(shipped, grown))
row("90-hand deal, face up, no delay or animation (DealBench)", f"{deal:.0f} ms", "<= 150 ms", deal <= 150)
row("the same with a 1 MB settings file", f"{big:.0f} ms = {ratio:.2f}x", "<= 2x", ratio <= 2)
PY
