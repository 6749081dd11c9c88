#!/usr/bin/env bash
# Draws the pictures of the README from the tools' output, and keeps the
# figures behind them beside the pictures.
# usage: make-pictures.sh TOOLS_DIR OUT_DIR [RUNS [SWEEP_RUNS]]
#   RUNS: searches for the reliability picture and the table of methods
#   SWEEP_RUNS: runs for each row of the sweep
set -euo pipefail
tools=$1 out=$2 runs=${3:-10000} sweep_runs=${4:-1000}
trace_seed=3 # one search that still jumps between the two highest peaks late on
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$out"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

"$tools/sinc-landscape" > "$scratch/landscape.dat"
"$tools/sinc-reliability" --runs "$runs" > "$out/reliability.txt"
for method in anneal climb sample; do
  "$tools/sinc-study" --method "$method" --runs "$runs"
done | awk 'NR == 1 || !/^method/' > "$out/methods.tsv"
"$tools/sinc-study" --sweep --runs "$sweep_runs" > "$out/sweep.tsv"
"$tools/sinc-study" --trace --seed "$trace_seed" > "$out/trace.tsv"

draw() { gnuplot -e "$1" "$here/$2"; }
draw "data='$scratch/landscape.dat'; out='$out/objective.svg'" objective.gp
draw "data='$out/reliability.txt'; landscape='$scratch/landscape.dat'; out='$out/reliability.svg'" \
  reliability.gp
draw "data='$out/trace.tsv'; out='$out/trace.svg'" trace.gp
draw "data='$out/sweep.tsv'; out='$out/study.svg'" study.gp
draw "landscape='$scratch/landscape.dat'; data='$out/trace.tsv'; out='$out/search.gif'" search.gp
