#!/usr/bin/env bash
# The full game's match on a HiDPI screen: on a private 2560 x 2048 X server
# (openbox, the default renderer), a single-player match at RALLIX_SCALE=1 and
# at RALLIX_SCALE=2, each recorded while it plays: the passes it ran a second
# (from its replay and the time it was played) and its share of a core.
# Figures only: nothing here passes or fails on time.
#
#   scale_bench.sh BUILD_DIR [SECONDS]
set -euo pipefail

if [[ $# -lt 1 ]]; then
  echo "usage: $0 BUILD_DIR [SECONDS]" >&2
  exit 2
fi
build=$(realpath "$1")
# The slowest ball passes an idle paddle in a little over 3 s: the sample
# and Esc come before that, while the ball is still in play.
playSeconds=${2:-2.4}
programName=scale-bench
artifacts=${TMPDIR:-/tmp}/rallix_scale_bench_failure
screenWidth=2560
screenHeight=2048
here=$(dirname "${BASH_SOURCE[0]}")
# shellcheck source-path=SCRIPTDIR source=../tests/window/window_test_lib.sh
source "$here/../tests/window/window_test_lib.sh"
# shellcheck source-path=SCRIPTDIR source=figures_lib.sh
source "$here/figures_lib.sh"
requireWindowTools

# At scale 1, in client pixels: the main menu's "Single Play" and the
# single-player screen's START GAME.
readonly singlePlayAt=(396 252) startGameAt=(200 468)

windowTestStart "$build/run/b.wav"
startDisplay

declare -A share=() rate=()
for scale in 1 2; do
  step "a match at RALLIX_SCALE=$scale"
  rm -rf "$run/replays"
  RALLIX_SCALE=$scale startProgram "$build/run/rallix" --record "$run/replays"
  sleep 2.5 # past the splash
  waitFor 10 "the main menu" "a window titled Form1" windowTitled Form1
  readClientArea
  clickClient $((singlePlayAt[0] * scale)) $((singlePlayAt[1] * scale))
  sleep 1
  xdotool key Down # the slowest ball
  clickClient $((startGameAt[0] * scale)) $((startGameAt[1] * scale))
  waitForTitle 10 Rallix "the match"
  started=$(now)
  sleep 0.3
  before=$(runNanoseconds "$programPid")
  sleep "$playSeconds"
  after=$(runNanoseconds "$programPid")
  xdotool key Escape
  playedMs=$(elapsedMs "$started")
  waitFor 10 "the match's replay" "a replay in $run/replays" compgen -G "$run/replays/*.replay"
  passes=$(sed -n 's/^passes //p' "$run"/replays/*.replay)
  echo "    $passes passes in $playedMs ms, $(tail -1 "$run"/replays/*.replay)"
  share[$scale]=$(awk -v b="$before" -v a="$after" -v s="$playSeconds" \
    'BEGIN { printf "%.1f", 100 * (a - b) / 1e9 / s }')
  rate[$scale]=$(awk -v p="$passes" -v ms="$playedMs" 'BEGIN { printf "%.1f", p * 1000 / ms }')
  stop "$programPid"
  programPid=""
done

echo
echo "The full game's match on a 2560 x 2048 screen (${playSeconds} s of play each)"
printf '  %-8s %14s %10s\n' scale passes/second cpu%
for scale in 1 2; do
  printf '  %-8s %14s %10s\n' "$scale" "${rate[$scale]}" "${share[$scale]}"
done
