#!/usr/bin/env bash
# Prints, for bmp → png, jpg and tiff, the pipeline's time per file against a bare FreeImage
# load-and-save loop over the same generated 1600 × 1200 bitmaps, and each run's peak memory:
# once writing into an empty folder, once replacing the files of an earlier run (where the
# pipeline's write-then-rename costs more, as the file system flushes a file renamed over another).
# Usage: bench/run.sh [COUNT] [ROUNDS]   (build first: cmake --build build)
set -euo pipefail
cd "$(dirname "$0")/.."
count=${1:-20}
rounds=${2:-3}
bench=build/bench_pipeline
[ -x "$bench" ] || { echo "build first: cmake -S . -B build && cmake --build build" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/out"
"$bench" generate "$work" "$count"
budget=$(awk 'BEGIN { printf "%.1f", 3 * 1600 * 1200 * 3 / 1048576 + 30 }')  # three decoded images + 30 MB

# Runs one mode over the batch; prints "ms-per-file peak-MB".
run() {
  local mode=$1 ext=$2 scenario=$3
  [ "$scenario" = empty ] && rm -f "$work"/out/*
  sync
  local ms mb
  read -r _ _ ms mb _ < <("$bench" "$mode" "$work" "$ext")
  echo "$ms $mb"
}

echo "$count bitmaps of 1600 x 1200 x 24 bits, best of $rounds rounds"
for scenario in empty replace; do
  echo
  echo "output folder: $scenario"
  printf '%-6s %12s %12s %8s %12s %12s\n' format "bare ms" "pipeline ms" "extra" "bare MB" "pipeline MB"
  for ext in png jpg tiff; do
    best_bare=""; best_pipe=""
    [ "$scenario" = replace ] && run bare "$ext" empty > /dev/null
    for _ in $(seq "$rounds"); do
      # Alternate the two so that cache and clock effects fall on both alike.
      read -r bare bare_mb < <(run bare "$ext" "$scenario")
      read -r pipe pipe_mb < <(run pipeline "$ext" "$scenario")
      best_bare=$(awk -v a="$bare" -v b="$best_bare" 'BEGIN { print (b == "" || a < b) ? a : b }')
      best_pipe=$(awk -v a="$pipe" -v b="$best_pipe" 'BEGIN { print (b == "" || a < b) ? a : b }')
    done
    extra=$(awk -v a="$best_bare" -v b="$best_pipe" 'BEGIN { printf "%+.1f%%", (b - a) * 100 / a }')
    printf '%-6s %12s %12s %8s %12s %12s\n' "$ext" "$best_bare" "$best_pipe" "$extra" "$bare_mb" "$pipe_mb"
  done
done
echo
echo "with stages (resize 50 % Lanczos, frame, text watermark), best of $rounds rounds"
printf '%-6s %12s %12s %12s\n' format "plain ms" "stages ms" "stages MB"
for ext in png jpg tiff; do
  best_plain=""; best_stages=""
  for _ in $(seq "$rounds"); do
    read -r plain _ < <(run pipeline "$ext" empty)
    read -r stages stages_mb < <(run stages "$ext" empty)
    best_plain=$(awk -v a="$plain" -v b="$best_plain" 'BEGIN { print (b == "" || a < b) ? a : b }')
    best_stages=$(awk -v a="$stages" -v b="$best_stages" 'BEGIN { print (b == "" || a < b) ? a : b }')
  done
  printf '%-6s %12s %12s %12s\n' "$ext" "$best_plain" "$best_stages" "$stages_mb"
done
echo
echo "targets: extra at most +5%; pipeline peak under $budget MB"
