#!/usr/bin/env bash
# Records matches played in a real window and plays them back. rallix-one's
# match is steered with the arrow keys and paused and resumed, then left to
# end by itself; rallix's single-player match is steered and left with Esc,
# and its two-player match steered with the keys and the mouse. Every match is
# recorded with --record; then each replay is played again with --replay in
# the window and traced with `rally-trace --replay`, and both must end it the
# way it was recorded.
#
#   replay_window_test.sh RALLIX_ONE RALLIX RALLY_TRACE B_WAV
#
# On a failure it prints what it expected and what it saw and keeps the
# screenshots, the program's output and the replays in
# $RALLIX_WINDOW_ARTIFACTS. Exits 77 when the X tools are not installed.
set -euo pipefail

if [[ $# -ne 4 ]]; then
  echo "usage: $0 RALLIX_ONE RALLIX RALLY_TRACE B_WAV" >&2
  exit 2
fi
rallixOne=$(realpath "$1")
rallix=$(realpath "$2")
rallyTrace=$(realpath "$3")
programName=replays
artifacts=${RALLIX_WINDOW_ARTIFACTS:-${TMPDIR:-/tmp}/replay_window_failure}
# shellcheck source-path=SCRIPTDIR source=window_test_lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/window_test_lib.sh"
requireWindowTools

# rallix-one's picture menu, in client pixels: left top width height.
readonly blueBallBox=(40 64 120 120) oneExitBox=(512 440 185 89)
# rallix's menu and settings screens (see rallix_window_test.sh).
readonly label1Box=(244 232 305 41) label2Box=(244 288 313 41)
readonly spStartBox=(96 424 209 89) spCancelBox=(320 424 209 89)
readonly list1Box=(220 168 137 69) list2Box=(516 168 137 69)
readonly keyboardRowY=177 mouseRowY=192
readonly mpStartBox=(144 352 225 89)

# A rally left alone ends well within this; if not, Esc ends it.
readonly rallyLimitSeconds=40

windowTestStart "$(realpath "$4")"
replays="$work/replays"

# Keeps the replays with the other evidence when a check fails.
failWithReplays() {
  mkdir -p "$artifacts"
  cp "$replays"/*.replay "$artifacts/" 2>/dev/null || true
  fail "$@"
}

replayCount() { find "$replays" -name '*.replay' 2>/dev/null | wc -l; }

# replaysAre N: exactly N replay files so far.
replaysAre() {
  local count
  count=$(replayCount)
  seen="$count replay file(s) in $replays"
  ((count == $1))
}

# matchLoaded: the match has read and deleted its pictures.
matchLoaded() {
  seen="pal1.bmp still in the program's folder"
  [[ ! -e "$run/pal1.bmp" ]]
}

# startGame BOX [TITLE]: clicks a control that starts a match (after a screen
# titled TITLE, if given) and waits for the match to have loaded.
startGame() {
  clickClient $(boxCentre "${@:1:4}")
  if (($# > 4)); then
    waitForTitle 10 "$5" "the screen before the match"
  fi
  waitForTitle 10 Rallix "the match"
  waitFor 10 "the match loading its pictures" "pal1.bmp read and deleted" matchLoaded
  readClientArea || true
}

# redFace BOX: a command button with the settings screens' red face.
redFace() {
  readClientArea || {
    seen="the window could not be read"
    return 1
  }
  takeShot "$1"
  shift
  local colour
  colour=$(meanColour "$@")
  seen="mean colour ($colour) in ($*)"
  read -r r g b <<<"$colour"
  ((r >= 150 && g <= 90 && b <= 90))
}

notRed() { ! redFace "$@"; }

# Clicks land by the window's place on the screen, which is known only once
# the window manager has maximized it.
windowMaximized() {
  readClientArea || {
    seen="the window could not be read"
    return 1
  }
  seen="a ${clientWidth} x ${clientHeight} client area at ($originX, $originY)"
  ((clientWidth == screenWidth && originY > 0))
}

startDisplay
mkdir -p "$replays"

# --- rallix-one: keys, Pause, then the rally to its end ------------------------------

step "rallix-one --record"
startProgram "$rallixOne" --record "$replays"
waitFor 20 "the picture menu" "a window titled Rallix" windowTitled Rallix
waitFor 10 "the picture menu maximized" "a client area as wide as the screen" windowMaximized
sleep 0.5
step "rallix-one: the blue ball, then the match"
startGame "${blueBallBox[@]}" Form1
step "rallix-one: Right held, Pause, Pause"
xdotool keydown Right
sleep 0.4
xdotool keyup Right
xdotool key Pause
sleep 0.3
xdotool key Pause
step "rallix-one: the rally left to end by itself"
# A rally nobody steers ends within seconds; should this one go on and on,
# Esc ends it, and the replay must show that instead.
rallyStart=$(now)
while (($(replayCount) == 0 && $(elapsedMs "$rallyStart") < rallyLimitSeconds * 1000)); do
  failIfProgramEnded "the rally running"
  sleep 0.2
done
if (($(replayCount) == 0)); then
  echo "    note: the rally went on for $rallyLimitSeconds s; Esc"
  xdotool key Escape
fi
waitFor 15 "the replay of the rally" "one replay file" replaysAre 1
echo "    replay written $(elapsedMs "$rallyStart") ms into the rally"
step "rallix-one: EXIT once the menu is back"
# The banner stays up to 4 s; EXIT is clicked until the menu takes it.
exitStart=$(now)
while kill -0 "$programPid" 2>/dev/null && (($(elapsedMs "$exitStart") < 20000)); do
  clickClient $(boxCentre "${oneExitBox[@]}")
  sleep 0.5
done
expectCleanExit 5

# --- rallix: single player with Esc, two players with keys and the mouse -----------

step "rallix --record"
startProgram "$rallix" --record "$replays"
waitFor 20 "the program's window" "a window titled Rallix" windowTitled Rallix
waitForTitle 10 Form1 "the menu"
sleep 0.3
waitFor 10 "the menu" "no red button face where START GAME will be" notRed menu "${spStartBox[@]}"

step "rallix: single player"
clickClient $(boxCentre "${label1Box[@]}")
waitFor 10 "the single-player settings" "START GAME's red face at (${spStartBox[*]})" \
  redFace sp-settings "${spStartBox[@]}"
startGame "${spStartBox[@]}"
xdotool keydown Left
sleep 0.3
xdotool keyup Left
xdotool key Escape
waitFor 15 "the single-player match's replay" "a second replay file" replaysAre 2
waitForTitle 15 Form1 "the single-player settings after the match"
waitFor 10 "the single-player settings after the match" "START GAME's red face" \
  redFace sp-again "${spStartBox[@]}"
clickClient $(boxCentre "${spCancelBox[@]}")
waitFor 10 "the menu after CANCEL" "no red button face where START GAME was" \
  notRed menu-again "${spStartBox[@]}"

step "rallix: two players, Keyboard and Mouse"
clickClient $(boxCentre "${label2Box[@]}")
waitForTitle 10 "" "the two-player settings"
sleep 0.3
readClientArea || true
clickClient $((list1Box[0] + list1Box[2] / 2)) "$keyboardRowY"
sleep 0.3
clickClient $((list2Box[0] + list2Box[2] / 2)) "$mouseRowY"
sleep 0.3
startGame "${mpStartBox[@]}"
xdotool keydown Right
for _ in 1 2 3 4 5; do
  xdotool mousemove_relative -- 30 0
  sleep 0.05
done
xdotool keyup Right
xdotool key Escape
waitFor 15 "the two-player match's replay" "a third replay file" replaysAre 3
stop "$programPid"
programPid=""

# --- every replay, played back and traced -------------------------------------------

# lastField FILE: the outcome word of a replay's end line.
endOf() { sed -n 's/^end //p' "$1"; }

for file in "$replays"/*.replay; do
  name=$(basename "$file")
  recorded=$(endOf "$file")
  case "$name" in
    rallix-one-*) player=$rallixOne ;;
    *) player=$rallix ;;
  esac
  step "$name: recorded \"$recorded\", $(sed -n 's/^passes //p' "$file") passes"

  played=$(cd "$run" && SDL_AUDIODRIVER=dummy timeout 120 "$player" --replay "$file" \
    2>"$work/program.log") || failWithReplays "$name played back" "exit status 0" \
    "status $?, output: $played $(cat "$work/program.log")"
  [[ "$played" == "$recorded" ]] ||
    failWithReplays "$name played back" "\"$recorded\" printed" "\"$played\""
  echo "    played back: $played"

  traced=$("$rallyTrace" --replay "$file" 2>"$work/trace.log") ||
    failWithReplays "$name traced" "rally-trace exit status 0" \
      "status $?: $(cat "$work/trace.log")"
  lastOutcome=$(tail -n 1 <<<"$traced" | awk '{ print $NF }')
  case "$recorded" in
    win | player1) wanted=win ;;
    loss | player2) wanted=loss ;;
    *) wanted=$recorded ;;
  esac
  [[ "$lastOutcome" == "$wanted" ]] ||
    failWithReplays "$name traced" "the last pass \"$wanted\"" "\"$(tail -n 1 <<<"$traced")\""
  echo "    traced: $(wc -l <<<"$traced") passes, the last one \"$lastOutcome\""
done

# The keys and the mouse reached the recordings, not only Esc.
oneReplay=$(ls "$replays"/rallix-one-*.replay)
grep -q '^205 ' "$oneReplay" && grep -q '^197 ' "$oneReplay" ||
  failWithReplays "rallix-one's replay" "passes with Right (205) and Pause (197) held" \
    "$(grep -c '^205 ' "$oneReplay") Right and $(grep -c '^197 ' "$oneReplay") Pause passes"
mpReplay=$(ls "$replays"/rallix-*-mp.replay)
awk '$2 != "0" && NF == 4' "$mpReplay" | grep -q . ||
  failWithReplays "the two-player replay" "passes with mouse motion" "none"
echo "PASS"
