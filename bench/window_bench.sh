#!/usr/bin/env bash
# The game's windows measured against SDL2 alone, in one run on a private X
# server (Xvfb 1280 x 1024, openbox, the default renderer):
#   - start to a visible window and to the first frame, for both programs
#     and for a bare SDL2 window drawing one line of text (medians of rounds
#     taken in turn, so a busy machine weighs on all of them alike);
#   - share of a core and resident memory of the picture menu, the main menu,
#     both settings screens and a full-screen match, paused and playing,
#     beside a bare SDL2 loop in a window of the same shape: only pumping
#     events for the screens and the paused match, redrawing the whole field
#     sixty times a second for the playing match.
# Figures only: nothing here passes or fails on time.
#
#   window_bench.sh BUILD_DIR [ROUNDS]
set -euo pipefail

if [[ $# -lt 1 ]]; then
  echo "usage: $0 BUILD_DIR [ROUNDS]" >&2
  exit 2
fi
build=$(realpath "$1")
rounds=${2:-7}
bench="$build/bench"
programName=window-bench
artifacts=${TMPDIR:-/tmp}/rallix_window_bench_failure
screenWidth=1280
screenHeight=1024
# shellcheck source-path=SCRIPTDIR source=../tests/window/window_test_lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/../tests/window/window_test_lib.sh"
# shellcheck source-path=SCRIPTDIR source=figures_lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/figures_lib.sh"
requireWindowTools

# The picture menu's title, where the bare window writes its line too.
readonly titlePatch=(472 48 257 97)
# The main menu's "Single Play" and "Multiplayer", and the single-player
# screen's START GAME.
readonly singlePlayAt=(396 252) multiplayerAt=(400 308) startGameAt=(200 468)
readonly sampleSeconds=3
font=$(fc-match -f '%{file}' 'Comic Neue:bold')

windowTestStart "$build/run/b.wav"
cp "$build/run/rallix" "$build/run/rallix-one" "$run/"
startDisplay

others=()
stopOthers() {
  local pid
  for pid in "${others[@]}"; do stop "$pid"; done
  others=()
}
trap 'status=$?; stopOthers; (exit "$status"); cleanup' EXIT

# --- start-up ------------------------------------------------------------------

declare -A visible=() firstFrame=()
probe() { # NAME PATCH... COLOUR SHARE -- COMMAND...
  local name=$1 result
  shift
  result=$(cd "$run" && "$bench/first_frame_probe" "$@" 2>/dev/null) || {
    echo "    $name: no first frame within the probe's limit" >&2
    return 0
  }
  visible[$name]+="$(sed -n 's/.*visible_ms=\([0-9]*\).*/\1/p' <<<"$result") "
  firstFrame[$name]+="$(sed -n 's/.*first_frame_ms=\([0-9]*\).*/\1/p' <<<"$result") "
}

step "start-up, $rounds rounds"
for ((round = 1; round <= rounds; round++)); do
  probe bare "${titlePatch[@]}" FF0000 0.02 -- "$bench/bare_window" idle maximized "$font"
  probe rallix-one "${titlePatch[@]}" FF0000 0.02 -- ./rallix-one
  # The splash is black all over: the first frame is the window turning black.
  probe rallix 400 300 400 300 000000 0.995 -- ./rallix
done

# --- share of a core and resident memory -------------------------------------------

# sample PID: "<percent of one core> <resident MB>" over $sampleSeconds.
sample() {
  local pid=$1 before after rss
  before=$(runNanoseconds "$pid")
  sleep "$sampleSeconds"
  after=$(runNanoseconds "$pid")
  rss=$(awk '/^VmRSS/ { print $2 }' "/proc/$pid/status")
  awk -v b="$before" -v a="$after" -v s="$sampleSeconds" -v r="$rss" \
    'BEGIN { printf "%.2f %.0f", 100 * (a - b) / 1e9 / s, r / 1024 }'
}

declare -A cpu=() rss=()
record() { # NAME PID
  local figures
  figures=$(sample "$2")
  cpu[$1]=${figures% *}
  rss[$1]=${figures#* }
}

launch() { # COMMAND...: in the run folder, output dropped
  (cd "$run" && exec "$@") >/dev/null 2>&1 &
  others+=($!)
}

step "share of a core and resident memory, $sampleSeconds s each"
launch "$bench/bare_window" idle maximized "$font"
sleep 1.5
record "bare idle" "${others[-1]}"
stopOthers

launch "$bench/bare_window" redraw fullscreen
sleep 1.5
record "bare redraw" "${others[-1]}"
stopOthers

launch ./rallix-one
sleep 1.5
record "picture menu" "${others[-1]}"
stopOthers

# openMainMenu: rallix started and waited for past its one-second splash.
openMainMenu() {
  launch ./rallix
  sleep 2.5
  windowTitled Form1 && readClientArea || fail "the main menu" "a window titled Form1" "$seen"
}

openMainMenu
record "main menu" "${others[-1]}"
clickClient "${singlePlayAt[@]}"
sleep 1
record "one-player screen" "${others[-1]}"
# The slowest ball, so the rally outlasts the sample.
xdotool key Down
clickClient "${startGameAt[@]}"
sleep 0.3
# Paused first: the ball stands still, so the rally is all there after it.
xdotool key Pause
sleep 0.3
record "paused match" "${others[-1]}"
xdotool key Pause
sleep 0.3
record "match" "${others[-1]}"
stopOthers

openMainMenu
clickClient "${multiplayerAt[@]}"
sleep 1
record "two-player screen" "${others[-1]}"
stopOthers

# --- the report ------------------------------------------------------------------

bareStart=$(median <<<"$(tr ' ' '\n' <<<"${firstFrame[bare]:-}" | grep .)")
echo
echo "Start-up (ms from start; medians of $rounds rounds)"
printf '  %-12s %8s %12s %10s\n' program visible first-frame "vs bare"
for name in bare rallix-one rallix; do
  v=$(tr ' ' '\n' <<<"${visible[$name]:-}" | grep . | median)
  f=$(tr ' ' '\n' <<<"${firstFrame[$name]:-}" | grep . | median)
  printf '  %-12s %8s %12s %10s\n' "$name" "${v:--}" "${f:--}" "$(ratio "${f:-0}" "$bareStart")"
done
echo
echo "Share of one core and resident memory (${sampleSeconds} s each)"
printf '  %-18s %7s %8s   %-12s %9s %9s\n' state cpu% rss-MB floor "cpu ratio" "rss ratio"
for pair in "picture menu:bare idle" "main menu:bare idle" "one-player screen:bare idle" \
  "two-player screen:bare idle" "paused match:bare idle" "match:bare redraw"; do
  name=${pair%%:*} floor=${pair#*:}
  printf '  %-18s %7s %8s   %-12s %9s %9s\n' "$name" "${cpu[$name]}" "${rss[$name]}" "$floor" \
    "$(ratio "${cpu[$name]}" "${cpu[$floor]}")" "$(ratio "${rss[$name]}" "${rss[$floor]}")"
done
printf '  %-18s %7s %8s\n' "bare idle" "${cpu[bare idle]}" "${rss[bare idle]}"
printf '  %-18s %7s %8s\n' "bare redraw" "${cpu[bare redraw]}" "${rss[bare redraw]}"
