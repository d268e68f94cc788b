#!/usr/bin/env bash
# SIGINT and SIGTERM end either program promptly, in a real window, wherever
# it is: rallix on its menu, rallix-one in a match (a replay playing), and
# rallix-one with its error box up after a run-time error, which goes with it.
#
#   signals_test.sh RALLIX RALLIX_ONE B_WAV
set -euo pipefail

if [[ $# -ne 3 ]]; then
  echo "usage: $0 RALLIX RALLIX_ONE B_WAV" >&2
  exit 2
fi
rallix=$(realpath "$1")
rallixOne=$(realpath "$2")
programName=signals
artifacts=${RALLIX_WINDOW_ARTIFACTS:-${TMPDIR:-/tmp}/signals_failure}
# shellcheck source-path=SCRIPTDIR source=../window/window_test_lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/../window/window_test_lib.sh"
requireWindowTools
windowTestStart "$(realpath "$3")"

# firstEditionReplay COLUMN BALL_SPEED PASSES: a first-edition replay with
# no key pressed, which the game may not end the way it says.
firstEditionReplay() {
  printf 'rallix-replay 1\nmatch one\nstartColumn %s\nballSpeed %s\naiSpeed 4\n' "$1" "$2"
  for part in "background field-background" "win-banner win-banner" \
    "loss-banner loss-banner" "bottom-paddle light-paddle" "top-paddle dark-paddle" \
    "ball blue-plastic-ball"; do
    echo "picture $part"
  done
  echo "passes $3"
  for _ in $(seq "$3"); do echo "0 0 2500 2500"; done
  echo "end closed"
}
# The ball does not move: a match that goes on until something stops it.
standingBall="$work/standing_ball.replay"
firstEditionReplay 300 0 3600 >"$standingBall"
# The column is beyond what 32 bits hold once the ball's width is added.
overflowing="$work/overflowing.replay"
firstEditionReplay 2147483647 5 10 >"$overflowing"

# expectStopped SIGNAL STATUS WHAT: sends the signal and waits for the
# program to end with that status.
expectStopped() {
  local signal=$1 status=$2 what=$3 start ended=0
  kill "-$signal" "$programPid"
  start=$(now)
  while kill -0 "$programPid" 2>/dev/null && (($(elapsedMs "$start") < 5000)); do
    sleep 0.05
  done
  if kill -0 "$programPid" 2>/dev/null; then
    fail "$what: ended by SIG$signal" "the program gone within 5 s" "still running"
  fi
  wait "$programPid" || ended=$?
  programPid=""
  ((ended == status)) || fail "$what: ended by SIG$signal" "exit status $status" \
    "$ended; output: $(cat "$work/program.log")"
  echo "    ended with status $ended $(elapsedMs "$start") ms after SIG$signal"
}

# waitForOutput TEXT WHAT: the program has written TEXT to its output.
waitForOutput() {
  local start
  start=$(now)
  until grep -q "$1" "$work/program.log" 2>/dev/null; do
    failIfProgramEnded "$2"
    (($(elapsedMs "$start") < 20000)) || fail "$2" "\"$1\" in the program's output" \
      "$(cat "$work/program.log")"
    sleep 0.1
  done
}

startDisplay

step "rallix on its menu: SIGTERM"
startProgram "$rallix"
waitFor 10 "the program's window" "a window titled Rallix" windowTitled Rallix
waitForTitle 10 Form1 "the menu"
expectStopped TERM 143 "rallix on its menu"

step "rallix-one in a match: SIGINT"
startProgram "$rallixOne" --replay "$standingBall"
waitFor 10 "the match's window" "a window titled Rallix" windowTitled Rallix
sleep 1
expectStopped INT 130 "rallix-one in a match"

step "rallix-one with its error box up: SIGTERM"
# The replay's column is beyond 32 bits: the rally's first sum raises
# run-time error 6, which is reported in a message box that waits for a click.
startProgram "$rallixOne" --replay "$overflowing"
waitForOutput "run-time error 6" "the overflow reported"
waitFor 10 "the error box" "a window titled Rallix" windowTitled Rallix
# On X11 SDL shows the box from a child process, which must go with the game.
boxProcess() { seen="no child process"; pgrep -P "$programPid" >/dev/null; }
noRallixWindow() { seen="a window titled Rallix"; ! xdotool search --name '^Rallix$' >/dev/null; }
waitFor 10 "the error box's process" "a child process of the game" boxProcess
sleep 0.5
expectStopped TERM 143 "rallix-one with its error box up"
waitFor 5 "the error box gone with the game" "no window titled Rallix" noRallixWindow
grep -q "^rallix-one: run-time error 6 in Rally: Overflow" "$work/program.log" ||
  fail "the report's name" "rallix-one naming itself" "$(cat "$work/program.log")"
echo "PASS"
