#!/usr/bin/env bash
# Runs each fuzz target, one after another, for SECONDS (default 15) on its seed corpus
# fuzz/corpus/<target>; new inputs it finds go to <build>/fuzz-corpus, findings to
# <build>/fuzz-findings. The targets come from scripts/sanitize.sh's build (FUZZ_BUILD_DIR).
# Usage: scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-15}
shift || true
build=${FUZZ_BUILD_DIR:-build-sanitize}
targets=("$@")
if ((${#targets[@]} == 0)); then
  targets=(fuzz_record_text fuzz_record_file fuzz_csv_batch fuzz_json_writer fuzz_cli_arguments
    fuzz_hand_over)
fi
# Readable stacks without llvm-symbolizer: the sanitizers can use addr2line.
if ! command -v llvm-symbolizer >/dev/null && command -v addr2line >/dev/null; then
  export ASAN_SYMBOLIZER_PATH
  ASAN_SYMBOLIZER_PATH=$(command -v addr2line)
fi

mkdir -p "$build/fuzz-findings"
for target in "${targets[@]}"; do
  corpus="$build/fuzz-corpus/$target"
  log="$build/fuzz-findings/$target.log"
  mkdir -p "$corpus"
  if ! "$build/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$build/fuzz-findings/$target-" \
      "$corpus" "fuzz/corpus/$target" >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "$target: FAILED (log: $log)" >&2
    exit 1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  echo "$target: ${runs:-?} runs in ${seconds} s, no findings"
done
