#!/usr/bin/env bash
# Every benchmark in one run, each figure against its goal, and the README's table of figures
# written again from this run:
#   bench/run-all.sh [build folder]
# Run it on a quiet machine: the figures are ratios of things measured side by side, but a busy
# machine still moves them.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-${BUILD_DIR:-build}}
bench="$build/bench/oriastra_startup_bench"
[ -x "$bench" ] || { echo "build first: cmake --build $build" >&2; exit 1; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

echo "== Start-up, memory and reading windows"
"$bench" --benchmark_filter='ProcessStart|CalculateToReading' --benchmark_repetitions=5 \
  --benchmark_report_aggregates_only=true | tee "$scratch/startup.txt"
echo
echo "== Batch"
status=0
bench/batch/run.sh "$build" | tee "$scratch/batch.txt" || status=$?

# The figures as the README shows them.
startup=$(grep '^cold process:' "$scratch/startup.txt" |
  sed -E 's/.*= ([0-9.]+) \(([0-9.]+) ms \/ ([0-9.]+) ms\), goal ([0-9.]+): (.*)/\1× (\2 ms against \3 ms): \5/')
memory=$(grep '^resident memory' "$scratch/startup.txt" |
  sed -E 's/.*= ([0-9.]+) \(([0-9.]+) MiB \/ ([0-9.]+) MiB\), goal ([0-9.]+): (.*)/\1× (\2 MiB against \3 MiB): \5/')
readings=$(grep -E '^BM_CalculateToReading/[a-z]+ / ' "$scratch/startup.txt" |
  sed -E 's#^BM_CalculateToReading/([a-z]+) / [^=]*= ([0-9.]+) \(([0-9.]+) ms.*: (met|missed)$#\1 \2× (\3 ms) \4#' |
  awk '{ name = toupper(substr($1, 1, 1)) substr($1, 2); line = line sep name " " $2 " " $3 " " $4 " " $5; sep = ", " }
       END { print line }')
batch_all=$(awk '$1 == "all" { printf "%s× over all five (%s rows): %s", $5, $2, $6 }' "$scratch/batch.txt")
# A tradition's line: its name, then its row count.
row='$1 ~ /^[a-z]+$/ && $2 ~ /^[0-9]+$/ && $1 != "all"'
batch_each=$(awk "$row"' {
    name = toupper(substr($1, 1, 1)) substr($1, 2); line = line sep name " " $6 "× " $8; sep = ", " }
  END { print line }' "$scratch/batch.txt" | tr -d ',' | sed -E 's/(met|missed) /\1, /g')
peaks=$(awk "$row"' { print $7 }' "$scratch/batch.txt" | sort -n)
peak_verdict=$(awk "$row"' && $9 != "met" { bad = 1 }
  END { print bad ? "missed" : "met" }' "$scratch/batch.txt")
peak="$(head -n 1 <<<"$peaks")–$(tail -n 1 <<<"$peaks") MiB: $peak_verdict"

{
  echo "<!-- figures: begin (written by bench/run-all.sh) -->"
  echo "| what | goal | measured on $(date +%Y-%m-%d) |"
  echo "|---|---|---|"
  echo "| start-up: process start to the main window mapped, against a bare \`QMainWindow\` | ≤ 1.10× | ${startup:-not measured} |"
  echo "| resident memory with the main window shown, against the bare window | ≤ 1.05× | ${memory:-not measured} |"
  echo "| Calculate to the reading window shown, against the bare window's start-up | ≤ 0.12× each | ${readings:-not measured} |"
  echo "| \`oriastra-cli batch\` over every day of each tradition's years, against \`cat\` of its output | ≤ 2.0× all, ≤ 2.5× each | ${batch_all:-not measured}; ${batch_each} |"
  echo "| peak memory of that batch | ≤ 4 MiB | ${peak} |"
  echo "<!-- figures: end -->"
} >"$scratch/table.md"
awk -v table="$scratch/table.md" '
  /<!-- figures: begin/ { while ((getline line < table) > 0) print line; skip = 1; next }
  /<!-- figures: end -->/ { skip = 0; next }
  !skip { print }' README.md >"$scratch/README.md"
if ! grep -q '<!-- figures: begin' README.md; then
  echo "README.md has no figures table to refresh" >&2
  exit 1
fi
cp "$scratch/README.md" README.md
echo
echo "== The README's table, as written"
cat "$scratch/table.md"
exit "$status"
