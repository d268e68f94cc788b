#!/usr/bin/env bash
# `make bench`: every figure beside the floor it is measured against, in one
# run. The frame pass of the shipping match code against the same blits done
# with SDL2 alone, and a network match's frame that plays eight passes again;
# then the windows under Xvfb against bare SDL2 windows, and a match at
# scales 1 and 2 on a HiDPI-sized screen; last the network
# match between two processes: agreement, the link, felt delay and CPU.
# Figures only: nothing here fails on time.
#
#   run_bench.sh BUILD_DIR
set -euo pipefail
build=$(realpath "${1:?usage: run_bench.sh BUILD_DIR}")
here=$(dirname "$(realpath "${BASH_SOURCE[0]}")")
csv=$(mktemp)
rollbackCsv=$(mktemp)
trap 'rm -f "$csv" "$rollbackCsv"' EXIT

passCommand=("$build/bench/frame_pass_bench" --benchmark_min_time=2
  "--benchmark_out=$csv" --benchmark_out_format=csv)
echo "\$ ${passCommand[*]}"
"${passCommand[@]}"

# CSV rows: "name",iterations,real_time,cpu_time,time_unit,...
cpuOf() { awk -F, -v n="\"$1\"" '$1 == n { print $4 }' "${2:-$csv}"; }
shipping=$(cpuOf FramePass)
bare=$(cpuOf BareSdlFramePass)
echo
awk -v s="$shipping" -v b="$bare" 'BEGIN {
  printf "Frame pass: shipping %.1f us, bare SDL2 whole redraw %.1f us, ratio %.3f\n",
    s / 1000, b / 1000, s / b }'

echo
rollbackCommand=("$build/bench/rollback_bench" --benchmark_min_time=2
  "--benchmark_out=$rollbackCsv" --benchmark_out_format=csv)
echo "\$ ${rollbackCommand[*]}"
"${rollbackCommand[@]}"
echo
awk -v r="$(cpuOf RollbackEightPasses "$rollbackCsv")" 'BEGIN {
  printf "Network frame playing 8 passes again: %.2f us (kept under 50 us)\n", r / 1000 }'

echo
windowCommand=(bash "$here/window_bench.sh" "$build")
echo "\$ ${windowCommand[*]}"
"${windowCommand[@]}"

echo
scaleCommand=(bash "$here/scale_bench.sh" "$build")
echo "\$ ${scaleCommand[*]}"
"${scaleCommand[@]}"

echo
networkCommand=(bash "$here/network_bench.sh" "$build")
echo "\$ ${networkCommand[*]}"
"${networkCommand[@]}"
