#!/usr/bin/env bash
# Runs every golden case on one build and compares the bytes: the seeded
# outputs of the tools (tests/golden/cases lists them) and the dialogues of
# the program (tests/dialogues). A Windows build prints \r\n in text mode;
# that is turned into \n before comparing. Prints, for each case, how many
# of its lines match, and fails when any case differs.
# usage: compare-golden.sh RUNNER BUILD_DIR
#   RUNNER: "" to run the programs directly, or what runs them, such as
#   "qemu-aarch64 -L /usr/aarch64-linux-gnu" or "wine"
set -euo pipefail
export LC_ALL=C
runner=$1
build=$(cd "$2" && pwd)
cd "$(dirname "$0")/.."
exe=
[ -e "$build/sinc-anneal.exe" ] && exe=.exe
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0 lines=0 matched=0

# Compares $scratch/raw, the output of case $1, with the file $2.
compare() {
  sed 's/\r$//' "$scratch/raw" >"$scratch/out"
  local total same verdict=same
  total=$(awk 'END { print NR }' "$2") # a last line without a newline counts
  same=$(awk 'NR == FNR { line[FNR] = $0; next }
              FNR in line && line[FNR] == $0 { n++ } END { print n + 0 }' "$2" "$scratch/out")
  cmp -s "$scratch/out" "$2" || { verdict=DIFFERENT; failed=1; }
  printf '%-46s %5d of %5d lines match, bytes %s\n' "$1" "$same" "$total" "$verdict"
  lines=$((lines + total)) matched=$((matched + same))
}

while read -r name tool arguments; do
  case $name in '#'* | '') continue ;; esac
  # shellcheck disable=SC2086 # the runner and the arguments are words
  timeout 300 $runner "$build/tools/$tool$exe" $arguments </dev/null >"$scratch/raw"
  compare "$name" "tests/golden/$name.out"
done <tests/golden/cases
for input in tests/dialogues/*.in; do
  # shellcheck disable=SC2086
  timeout 300 $runner "$build/sinc-anneal$exe" <"$input" >"$scratch/raw"
  compare "dialogue $(basename "$input" .in)" "${input%.in}.out"
done
echo "all cases: $matched of $lines lines match"
exit $failed
