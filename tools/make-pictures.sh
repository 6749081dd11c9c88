#!/usr/bin/env bash
# Draws the pictures of the README from the tools' output, and keeps the
# figures behind them beside the pictures.
# usage: make-pictures.sh TOOLS_DIR OUT_DIR [RUNS [SWEEP_RUNS [EXACT]]]
#   RUNS: searches for the reliability picture and the table of methods
#   SWEEP_RUNS: runs for each row of the sweep
#   EXACT: "full" works out the exact figures on the program's schedule and
#   on a grid of schedules of its budget, and of every shape between the
#   same ends (a few minutes); "quick" on a short schedule only, to check
#   that the drawing works
set -euo pipefail
tools=$1 out=$2 runs=${3:-10000} sweep_runs=${4:-1000} exact=${5:-full}
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
"$tools/sinc-study" --trace --every-move --seed "$trace_seed" > "$out/every-move.tsv"
"$tools/sinc-landscape" --one-flip-peaks > "$out/one-flip-peaks.txt"

# The exact figures: the program's schedule for anneal, climb and sample, a
# trace and a map of where the search is, level by level; then the
# schedules that examine about as many solutions as the program's, from
# 100 or 10 down to each final temperature in as many levels as the budget
# allows for each count of moves per level.
schedule=() budget=1816 budgets=() ends=()
if [ "$exact" = quick ]; then
  schedule=(--initial 1 --final 0.5 --cooling 0.9)
  budget=56 budgets=("8 1 0.5") ends=("1 0.5")
else
  for initial in 100 10; do
    for final in 1 0.1 0.01 0.001; do ends+=("$initial $final"); done
  done
  budgets=()
  for moves in 1 2 4 8 16 32; do
    for initial in 100 10; do
      for final in 1 0.1 0.01 0.001; do budgets+=("$moves $initial $final"); done
    done
  done
fi
for method in anneal climb sample; do
  "$tools/sinc-study" --exact --method "$method" "${schedule[@]}" | grep -v '^#'
done | awk 'NR == 1 || !/^method/' > "$out/exact.tsv"
for method in anneal climb sample; do
  "$tools/sinc-study" --exact --coding gray --method "$method" "${schedule[@]}" | grep -v '^#'
done | awk 'NR == 1 || !/^method/' > "$out/exact-gray.tsv"
"$tools/sinc-study" --exact --trace "${schedule[@]}" > "$out/exact-trace.tsv"
"$tools/sinc-study" --exact --map "${schedule[@]}" > "$scratch/map.tsv"
for plan in "${budgets[@]}"; do
  read -r moves initial final <<<"$plan"
  # T falls from initial to just above final in budget / moves levels.
  cooling=$(awk -v m="$moves" -v i="$initial" -v f="$final" -v b="$budget" \
    'BEGIN { printf "%.6g", exp(log(f / i) / (b / m - 0.5)) }')
  "$tools/sinc-study" --exact --moves "$moves" --initial "$initial" --final "$final" \
    --cooling "$cooling" | grep -v '^#'
done | awk 'NR == 1 || !/^method/' > "$out/budget.tsv"
# Every shape between the same ends at 8 moves a level, in as many levels
# as the geometric one takes to cool through them in the budget; the
# geometric row is the budget table's.
head -n 1 "$out/budget.tsv" > "$out/shapes.tsv"
for plan in "${ends[@]}"; do
  read -r initial final <<<"$plan"
  awk -F '\t' -v i="$initial" -v f="$final" '$3 == i && $4 == f && $5 == 8' "$out/budget.tsv"
  cooling=$(awk -F '\t' -v i="$initial" -v f="$final" '$3 == i && $4 == f && $5 == 8 { print $2 }' \
    "$out/budget.tsv")
  for shape in linear logarithmic fast; do
    "$tools/sinc-study" --exact --initial "$initial" --final "$final" --cooling "$cooling" \
      --schedule "$shape" | grep -v '^#'
  done
done | grep -v '^method' >> "$out/shapes.tsv"
# The time to target at the program's schedule, exactly and from runs.
"$tools/sinc-study" --exact --time-to-target "${schedule[@]}" > "$out/time-to-target.tsv"
"$tools/sinc-study" --time-to-target --runs "$runs" "${schedule[@]}" > "$out/time-to-target-runs.tsv"

# The presets beside the program's function: each curve, and the exact
# figures of the three methods on the schedule above, their target beside
# them (the column of the share above it is named for it).
presets=(funnel decoy ramp) files=() targets=()
for preset in "${presets[@]}"; do
  "$tools/sinc-landscape" --landscape "$preset" > "$scratch/landscape-$preset.dat"
  files+=("$scratch/landscape-$preset.dat")
  above=$("$tools/sinc-study" --exact --landscape "$preset" --method sample "${schedule[@]}" |
    head -1 | cut -f7)
  target=$(echo "${above#above_}" | tr _m .-)
  targets+=("$target")
  for method in anneal climb sample; do
    "$tools/sinc-study" --exact --landscape "$preset" --method "$method" "${schedule[@]}" |
      grep -v '^#' | sed "1s/$above/above_target/; 1s/^/landscape\t/; 1s/\$/\ttarget/;
        2s/^/$preset\t/; 2s/\$/\t$target/"
  done
done > "$scratch/landscapes.tsv" # not piped on: the loop's arrays are kept
awk 'NR == 1 || !/^landscape/' "$scratch/landscapes.tsv" > "$out/landscapes.tsv"

draw() { gnuplot -e "$1" "$here/$2"; }
draw "data='$scratch/landscape.dat'; out='$out/objective.svg'" objective.gp
draw "data='$out/reliability.txt'; landscape='$scratch/landscape.dat'; out='$out/reliability.svg'" \
  reliability.gp
draw "data='$out/trace.tsv'; seed=$trace_seed; out='$out/trace.svg'" trace.gp
draw "landscape='$scratch/landscape.dat'; data='$out/one-flip-peaks.txt'; out='$out/one-flip-peaks.svg'" \
  one-flip-peaks.gp
draw "data='$out/sweep.tsv'; out='$out/study.svg'" study.gp
draw "landscape='$scratch/landscape.dat'; data='$out/trace.tsv'; seed=$trace_seed; out='$out/search.gif'" \
  search.gp
draw "data='$scratch/map.tsv'; out='$out/exact-map.png'" exact-map.gp
draw "data='$out/exact-trace.tsv'; out='$out/exact-trace.svg'" exact-trace.gp
draw "files='${files[*]}'; names='${presets[*]}'; targets='${targets[*]}'; out='$out/landscapes.svg'" \
  landscapes.gp
draw "data='$out/time-to-target.tsv'; runs='$out/time-to-target-runs.tsv'; count=$runs; out='$out/time-to-target.svg'" \
  time-to-target.gp
