#!/usr/bin/env bash
# The command-line batch over every day of every tradition's year list, beside the time to copy
# its own output (cat of the same bytes to /dev/null) and with its peak memory, in one run:
#   bench/batch/run.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-${BUILD_DIR:-build}}
cli="$build/cli/oriastra-cli"
days="$build/bench/oriastra-every-day"
[ -x "$cli" ] && [ -x "$days" ] || { echo "build first: cmake --build $build" >&2; exit 1; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

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

printf '%-11s %8s %9s %9s %9s %7s %9s\n' tradition rows output batch_s cat_s ratio peak_MiB
total_rows=0
total_batch=0
total_copy=0
for tradition in $("$days" --traditions); do
  "$days" "$tradition" > "$scratch/in.csv"
  rows=$(($(wc -l < "$scratch/in.csv") - 1))
  total_rows=$((total_rows + rows))
  # Both sides write to /dev/null, so neither pays for the file system: the output is kept once,
  # for its size and for cat to copy.
  "$cli" batch "$tradition" < "$scratch/in.csv" > "$scratch/out.jsonl"
  run_batch() { "$cli" batch "$tradition" < "$scratch/in.csv" > /dev/null; }
  run_cat() { cat "$scratch/out.jsonl" > /dev/null; }
  batch=$(best_of_five run_batch)
  copy=$(best_of_five run_cat)
  peak=$( { /usr/bin/time -f '%M' "$cli" batch "$tradition" < "$scratch/in.csv" > /dev/null; } 2>&1 | tail -1)
  size=$(du -m "$scratch/out.jsonl" | cut -f1)
  total_batch=$(awk -v a="$total_batch" -v b="$batch" 'BEGIN { print a + b }')
  total_copy=$(awk -v a="$total_copy" -v b="$copy" 'BEGIN { print a + b }')
  printf '%-11s %8d %8sM %9.3f %9.4f %7.1f %9.1f\n' "$tradition" "$rows" "$size" "$batch" "$copy" \
    "$(awk -v a="$batch" -v b="$copy" 'BEGIN { print a / b }')" \
    "$(awk -v a="$peak" 'BEGIN { print a / 1024 }')"
done
printf '%-11s %8d %9s %9.3f %9.4f %7.1f\n' "all" "$total_rows" "" "$total_batch" "$total_copy" \
  "$(awk -v a="$total_batch" -v b="$total_copy" 'BEGIN { print a / b }')"
