#!/usr/bin/env bash
# The command-line batch over every day of every tradition's year list, beside the time to copy
# its own output (cat of the same bytes to /dev/null) and with its peak memory, in one run, each
# figure against its goal:
#   bench/batch/run.sh [build folder]
# The output must stay what bench/batch/expected-output.sha256 says it is: one checksum a
# tradition, each by its place in the registry (1 is the first `--traditions` lists). A change the
# readings are meant to have is taken into that file with ORIASTRA_ACCEPT_OUTPUT=1.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-${BUILD_DIR:-build}}
cli="$build/cli/oriastra-cli"
days="$build/bench/oriastra-every-day"
[ -x "$cli" ] && [ -x "$days" ] || { echo "build first: cmake --build $build" >&2; exit 1; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
expected=bench/batch/expected-output.sha256
# Goals: the batch within this many times the copy of its output, each tradition and all five;
# the peak memory in MiB.
tradition_goal=2.5
all_goal=2.0
peak_goal=4.0
verdict() { awk -v r="$1" -v g="$2" 'BEGIN { print (r <= g) ? "met" : "missed" }'; }

# The best of five runs of a command, in seconds; the page cache is warm after the first.
best_of_five() {
  local best=""
  for _ in 1 2 3 4 5; do
    local start end took
    start=$(date +%s.%N)
    "$@"
    end=$(date +%s.%N)
    took=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.6f", b - a }')
    if [ -z "$best" ] || awk -v t="$took" -v b="$best" 'BEGIN { exit !(t < b) }'; then best=$took; fi
  done
  echo "$best"
}

printf '%-11s %8s %9s %9s %9s %7s %9s  %s\n' tradition rows output batch_s cat_s ratio peak_MiB \
  "goals (ratio <= $tradition_goal, peak <= $peak_goal MiB)"
: >"$scratch/output.sha256"
total_rows=0
total_batch=0
total_copy=0
place=0
for tradition in $("$days" --traditions); do
  place=$((place + 1))
  "$days" "$tradition" > "$scratch/in.csv"
  rows=$(($(wc -l < "$scratch/in.csv") - 1))
  total_rows=$((total_rows + rows))
  # Both sides write to /dev/null, so neither pays for the file system: the output is kept once,
  # for its size and for cat to copy.
  "$cli" batch "$tradition" < "$scratch/in.csv" > "$scratch/out.jsonl"
  echo "$(sha256sum < "$scratch/out.jsonl" | cut -d' ' -f1)  $place" >>"$scratch/output.sha256"
  run_batch() { "$cli" batch "$tradition" < "$scratch/in.csv" > /dev/null; }
  run_cat() { cat "$scratch/out.jsonl" > /dev/null; }
  batch=$(best_of_five run_batch)
  copy=$(best_of_five run_cat)
  peak=$( { /usr/bin/time -f '%M' "$cli" batch "$tradition" < "$scratch/in.csv" > /dev/null; } 2>&1 | tail -1)
  size=$(du -m "$scratch/out.jsonl" | cut -f1)
  total_batch=$(awk -v a="$total_batch" -v b="$batch" 'BEGIN { print a + b }')
  total_copy=$(awk -v a="$total_copy" -v b="$copy" 'BEGIN { print a + b }')
  ratio=$(awk -v a="$batch" -v b="$copy" 'BEGIN { printf "%.2f", a / b }')
  peak_mib=$(awk -v a="$peak" 'BEGIN { printf "%.1f", a / 1024 }')
  printf '%-11s %8d %8sM %9.3f %9.4f %7.1f %9.1f  %s, %s\n' "$tradition" "$rows" "$size" "$batch" \
    "$copy" "$ratio" "$peak_mib" "$(verdict "$ratio" "$tradition_goal")" \
    "$(verdict "$peak_mib" "$peak_goal")"
done
ratio=$(awk -v a="$total_batch" -v b="$total_copy" 'BEGIN { printf "%.2f", a / b }')
printf '%-11s %8d %9s %9.3f %9.4f %7.1f %9s  %s (ratio <= %s)\n' "all" "$total_rows" "" \
  "$total_batch" "$total_copy" "$ratio" "" "$(verdict "$ratio" "$all_goal")" "$all_goal"

if [ -n "${ORIASTRA_ACCEPT_OUTPUT:-}" ]; then
  cp "$scratch/output.sha256" "$expected"
  echo "The batch output is taken as expected: $expected"
elif ! diff -u "$expected" "$scratch/output.sha256"; then
  echo "The batch output differs from $expected (above): faster must not mean different." >&2
  exit 1
else
  echo "The batch output is byte for byte what $expected expects."
fi
