#!/usr/bin/env bash
# `make bench`: every figure beside the floor it is measured against, in one
# run. The frame pass of the shipping match code against the same blits done
# with SDL2 alone, then the windows under Xvfb against bare SDL2 windows.
# Figures only: nothing here fails on time.
#
#   run_bench.sh BUILD_DIR
set -euo pipefail
build=$(realpath "${1:?usage: run_bench.sh BUILD_DIR}")
here=$(dirname "$(realpath "${BASH_SOURCE[0]}")")
csv=$(mktemp)
trap 'rm -f "$csv"' EXIT

passCommand=("$build/bench/frame_pass_bench" --benchmark_min_time=2
  "--benchmark_out=$csv" --benchmark_out_format=csv)
echo "\$ ${passCommand[*]}"
"${passCommand[@]}"

# CSV rows: "name",iterations,real_time,cpu_time,time_unit,...
cpuOf() { awk -F, -v n="\"$1\"" '$1 == n { print $4 }' "$csv"; }
shipping=$(cpuOf FramePass)
bare=$(cpuOf BareSdlFramePass)
echo
awk -v s="$shipping" -v b="$bare" 'BEGIN {
  printf "Frame pass: shipping %.1f us, bare SDL2 whole redraw %.1f us, ratio %.3f\n",
    s / 1000, b / 1000, s / b }'

echo
windowCommand=(bash "$here/window_bench.sh" "$build")
echo "\$ ${windowCommand[*]}"
"${windowCommand[@]}"
