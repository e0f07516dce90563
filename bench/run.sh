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

# The smaller of two times; the second may be empty (no time yet).
smaller() { awk -v a="$1" -v b="$2" 'BEGIN { print (b == "" || a < b) ? a : b }'; }

# Milliseconds per file since `start` (seconds from date +%s.%N).
per_file_since() { awk -v s="$1" -v e="$(date +%s.%N)" -v n="$count" 'BEGIN { printf "%.2f", (e - s) * 1000 / n }'; }

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
      best_bare=$(smaller "$bare" "$best_bare")
      best_pipe=$(smaller "$pipe" "$best_pipe")
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
    best_plain=$(smaller "$plain" "$best_plain")
    best_stages=$(smaller "$stages" "$best_stages")
  done
  printf '%-6s %12s %12s %12s\n' "$ext" "$best_plain" "$best_stages" "$stages_mb"
done
echo
# The whole console program (the input folder ends in "/": a point in a folder name would otherwise
# read as an extension) against GraphicsMagick doing the same conversions with the same
# settings: PNG uncompressed, JPEG quality 95 with 4:4:4 chroma, TIFF uncompressed.
command -v gm > /dev/null || { apt-get update -q && apt-get install -y -q graphicsmagick; } > /dev/null
vantorel=build/vantorel
gm_options() {
  case $1 in
    png) echo "-quality 0" ;;
    jpg) echo "-quality 95 -sampling-factor 1x1" ;;
    tiff) echo "-compress None" ;;
  esac
}
echo "console run against gm mogrify, best of $rounds rounds"
printf '%-6s %14s %12s %8s\n' format "vantorel ms" "gm ms" "ratio"
for ext in png jpg tiff; do
  best_v=""; best_g=""
  for _ in $(seq "$rounds"); do
    rm -f "$work"/out/*; sync
    start=$(date +%s.%N)
    XDG_RUNTIME_DIR="$work" "$vantorel" -q -i "$work/" -o "$work/out/" -c "$ext" --no-subfolders
    v=$(per_file_since "$start")
    rm -f "$work"/out/*; sync
    start=$(date +%s.%N)
    # shellcheck disable=SC2046
    (cd "$work" && gm mogrify -output-directory out -format "$ext" $(gm_options "$ext") ./*.bmp)
    g=$(per_file_since "$start")
    best_v=$(smaller "$v" "$best_v")
    best_g=$(smaller "$g" "$best_g")
  done
  ratio=$(awk -v a="$best_v" -v b="$best_g" 'BEGIN { printf "%.2f", a / b }')
  printf '%-6s %14s %12s %8s\n' "$ext" "$best_v" "$best_g" "$ratio"
done

echo
echo "targets: extra at most +5%; pipeline peak under $budget MB; vantorel no slower than gm (ratio <= 1)"
