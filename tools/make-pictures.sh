#!/usr/bin/env bash
# Draws the two pictures of the README from the tools' output.
# usage: make-pictures.sh LANDSCAPE_TOOL RELIABILITY_TOOL OUT_DIR [RUNS]
set -euo pipefail
landscape=$1 reliability=$2 out=$3 runs=${4:-10000}
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$out"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$landscape" > "$scratch/landscape.dat"
"$reliability" "$runs" > "$out/reliability.txt"
gnuplot -e "data='$scratch/landscape.dat'; out='$out/objective.svg'" "$here/objective.gp"
gnuplot -e "data='$out/reliability.txt'; out='$out/reliability.svg'" "$here/reliability.gp"
