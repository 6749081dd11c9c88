#!/usr/bin/env bash
# Runs every golden case on one build and compares the bytes: the seeded
# outputs of the tools (tests/golden/cases lists them), the digests of the
# portable elementary functions, and the dialogues of
# the program (tests/dialogues). A Windows build prints \r\n in text mode;
# that is turned into \n before comparing. Prints, for each case, how many
# of its lines match, and fails when any case differs or a program fails.
# usage: compare-golden.sh RUNNER BUILD_DIR [RETRIES]
#   RUNNER: "" to run the programs directly, or what runs them, such as
#   "qemu-aarch64 -L /usr/aarch64-linux-gnu" or "wine"
#   RETRIES: how many times a case whose program exits with a failure is
#   run again (0 by default), for a runner that itself fails now and then;
#   every such run is reported, and different bytes are never run again.
set -euo pipefail
export LC_ALL=C
runner=$1
build=$(cd "$2" && pwd)
retries=${3:-0}
cd "$(dirname "$0")/.."
exe=
[ -e "$build/sinc-anneal.exe" ] && exe=.exe
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0 lines=0 matched=0

# Runs case $1 with standard input $2: the command that follows, under the
# runner, its output in $scratch/raw.
run() {
  local name=$1 input=$2 status try
  shift 2
  for ((try = 0; ; try++)); do
    status=0
    # shellcheck disable=SC2086 # the runner is words
    timeout 300 $runner "$@" <"$input" >"$scratch/raw" || status=$?
    if [ "$status" -eq 0 ] || [ "$try" -ge "$retries" ]; then break; fi
    echo "$name: exited with status $status; running it again"
  done
  [ "$status" -eq 0 ] || { echo "$name: exited with status $status"; failed=1; }
}

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
  # shellcheck disable=SC2086 # the arguments are words
  run "$name" /dev/null "$build/tools/$tool$exe" $arguments
  compare "$name" "tests/golden/$name.out"
done <tests/golden/cases
for input in tests/dialogues/*.in; do
  name="dialogue $(basename "$input" .in)"
  run "$name" "$input" "$build/sinc-anneal$exe"
  compare "$name" "${input%.in}.out"
done
run "portable elementary functions" /dev/null "$build/portable_math_digest$exe"
compare "portable elementary functions" tests/golden/portable_math.out
echo "all cases: $matched of $lines lines match"
exit $failed
