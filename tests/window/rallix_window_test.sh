#!/usr/bin/env bash
# Plays the full game in a real window the way a person would, on a private X
# server with a window manager: the splash, the menu, the single-player
# settings and a match left with Esc, back to the menu, the two-player
# settings (first START GAME with no device chosen, then Keyboard against
# Mouse) and a two-player match left with Esc, back to those settings with
# both devices kept, and EXIT. Every look is a
# screenshot read by pixels at positions inside the window's client area; the
# files the settings screens write are read byte by byte.
#
#   rallix_window_test.sh RALLIX B_WAV
#
# On a failure it prints what it expected and what it saw and keeps the
# screenshots and the program's output in $RALLIX_WINDOW_ARTIFACTS (default:
# $TMPDIR/rallix_window_failure). Exits 77 when the X tools are not installed.
# RALLIX_WINDOW_VERBOSE=1 also prints every check that had to be retried.
set -euo pipefail

if [[ $# -ne 2 ]]; then
  echo "usage: $0 RALLIX B_WAV" >&2
  exit 2
fi
program=$(realpath "$1")
programName=rallix
artifacts=${RALLIX_WINDOW_ARTIFACTS:-${TMPDIR:-/tmp}/rallix_window_failure}
# shellcheck source-path=SCRIPTDIR source=window_test_lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/window_test_lib.sh"
requireWindowTools

# Every box is in client pixels: left top width height.

# The menu.
readonly titleBox=(258 24 257 97) # "Rallix", blinking
readonly label1Box=(244 232 305 41) # Single Play, You vs. The AI
readonly label2Box=(244 288 313 41) # Multiplayer, You vs Someone
readonly exitBox=(236 424 305 41)
readonly goldBallBox=(32 24 95 95)
readonly blinkMs=400
# The title is sampled until it has been seen both lit and dark. On a busy
# machine a sample can take about as long as a blink, so the samples may
# land on the same phase several times running: this allows 20 blinks, and a
# title that never blinks still fails.
readonly blinkWithinMs=$((20 * blinkMs))
# The splash lasts a second: the menu coming sooner fails however busy the
# machine is. The menu coming late is allowed a lot more, since a busy machine
# delays both the program's timer and our look at the title; a splash that
# waits for input or lasts several seconds still fails.
readonly splashMs=1000 menuWithinMs=5000

# The single-player settings.
readonly spStartBox=(96 424 209 89)
readonly spCancelBox=(320 424 209 89)
readonly joystickListBox=(56 192 185 134)

# The two-player settings. A list's rows are 15 pixels high from 2 pixels
# below its top.
readonly list1Box=(220 168 137 69)
readonly list2Box=(516 168 137 69)
readonly keyboardRowY=177 mouseRowY=192
readonly mpStartBox=(144 352 225 89)
readonly mpCancelBox=(144 456 225 89)
readonly noticeBox=(115 552 300 33) # where "Player 1: choose a device first." is written

# The match: the field at the screen's top-left, the light paddle on its
# bottom rows (single player from column 161, two players from column 33),
# only black beyond the field.
readonly fieldWidth=800 fieldHeight=600
readonly spPaddleProbe=(246 565 40 20)
readonly mpPaddleProbe=(118 565 40 20)
readonly topPaddleBand=(0 5 800 40)

# The fastest ball (7 pixels a pass, 60 passes a second) reaches the bottom
# from where a rally starts in about 1.2 s, and passes never run ahead of the
# clock; a rally that ends brings the settings back only after its banner,
# 2 s at least. Settings seen sooner than both after START GAME are Esc's
# doing, however late Esc was sent.
readonly earliestRallyEndMs=1100 shortestBannerMs=2000

readonly redRgb=(255 0 0) whiteRgb=(255 255 255)

windowTestStart "$(realpath "$2")"

# --- reading the screen ------------------------------------------------------------

redShare() { exactColourShare "$@" "${redRgb[@]}"; }
whiteShare() { exactColourShare "$@" "${whiteRgb[@]}"; }
inset() { echo $(($1 + $5)) $(($2 + $5)) $(($3 - 2 * $5)) $(($4 - 2 * $5)); }

# titleIs TITLE: the program's window carries TITLE.
titleIs() {
  local title
  title=$(xdotool getwindowname "$window" 2>/dev/null) || title="(unreadable)"
  seen="title \"$title\""
  [[ "$title" == "$1" ]]
}

# A maximized window under openbox: the screen's width, a title bar above.
maximized() {
  ((clientWidth == screenWidth && clientHeight >= screenHeight - 60 &&
    clientHeight < screenHeight && originY > 0))
}

# The match's window: the whole screen, no decorations.
wholeScreen() {
  ((clientWidth == screenWidth && clientHeight == screenHeight && originX == 0 && originY == 0))
}

# lookAt TITLE maximized|fullscreen NAME: the window's title and shape, then a
# screenshot; $seen says what was wrong.
lookAt() {
  local title=$1 shape=$2 name=$3 titleSeen
  titleIs "$title" || return 1
  titleSeen=$seen
  readClientArea || {
    seen="the window could not be read"
    return 1
  }
  seen="$titleSeen, a ${clientWidth} x ${clientHeight} client area at ($originX, $originY)"
  if [[ "$shape" == maximized ]]; then
    maximized || return 1
  else
    wholeScreen || return 1
  fi
  takeShot "$name"
}

splashShows() {
  lookAt Rallix maximized splash || return 1
  local black
  black=$(blackShare 0 0 "$clientWidth" "$clientHeight")
  seen="$seen, black share $black, in $(shotName "$shot")"
  atLeast "$black" 0.995
}

isGold() { # R G B
  (($1 >= 130 && $1 > $2 && $2 > $3 && $3 <= $1 - 60))
}

# The menu: red entries in Label1's, Label2's and EXIT's boxes, the gold ball
# at the top left, and black where a settings screen has its START GAME.
menuShows() {
  lookAt Form1 maximized "$1" || return 1
  local entry1 entry2 exit gold elsewhere
  entry1=$(redShare "${label1Box[@]}")
  entry2=$(redShare "${label2Box[@]}")
  exit=$(redShare "${exitBox[@]}")
  # shellcheck disable=SC2046
  gold=$(meanColour $(inset "${goldBallBox[@]}" 32))
  elsewhere=$(blackShare 96 470 130 40)
  seen="$seen; red share in Label1 $entry1, Label2 $entry2, EXIT $exit; gold ball centre rgb($gold); black share left of EXIT $elsewhere, in $(shotName "$shot")"
  # shellcheck disable=SC2086
  atLeast "$entry1" 0.01 && atLeast "$entry2" 0.01 && atLeast "$exit" 0.01 && isGold $gold &&
    atLeast "$elsewhere" 0.999
}
readonly menuExpected="a maximized window titled Form1, red text filling at least 1% of Label1's (${label1Box[*]}), Label2's (${label2Box[*]}) and EXIT's (${exitBox[*]}) boxes, the gold ball at (${goldBallBox[*]}), black beside EXIT"

# The title blinks: seen both lit and dark within $blinkWithinMs. The pause
# between samples varies so that they cannot keep step with the blink.
titleBlinks() {
  local start share kind kinds="" shares="" samples=0
  start=$(now)
  while (($(elapsedMs "$start") < blinkWithinMs)); do
    takeShot menu-title
    share=$(redShare "${titleBox[@]}")
    if atLeast "$share" 0.02; then
      kind=lit
    elif ! atLeast "$share" 0.001; then
      kind=dark
    else
      kind=between
    fi
    # The first shot of each kind is enough for the report.
    [[ "$kinds" == *" $kind"* ]] && rm -f "$shot"
    kinds+=" $kind"
    shares+=" $share"
    samples=$((samples + 1))
    seen="$samples samples in $(elapsedMs "$start") ms, red shares in the title's box:$shares"
    [[ "$kinds" == *" lit"* && "$kinds" == *" dark"* ]] && return 0
    sleep "0.$((samples % 3 + 1))"
  done
  return 1
}

spSettingsShows() {
  lookAt Form1 maximized "$1" || return 1
  local start cancel list
  # shellcheck disable=SC2046
  start=$(redShare $(inset "${spStartBox[@]}" 6))
  # shellcheck disable=SC2046
  cancel=$(redShare $(inset "${spCancelBox[@]}" 6))
  # shellcheck disable=SC2046
  list=$(whiteShare $(inset "${joystickListBox[@]}" 4))
  seen="$seen; red share of START GAME's face $start, of CANCEL's $cancel; white share of the joystick list $list, in $(shotName "$shot")"
  atLeast "$start" 0.7 && atLeast "$cancel" 0.7 && atLeast "$list" 0.99
}
readonly spSettingsExpected="a maximized window titled Form1, START GAME (${spStartBox[*]}) and CANCEL (${spCancelBox[*]}) with red faces, the empty white joystick list at (${joystickListBox[*]})"

mpSettingsShows() {
  lookAt "" maximized "$1" || return 1
  local start cancel list1 list2 notice
  # shellcheck disable=SC2046
  start=$(redShare $(inset "${mpStartBox[@]}" 6))
  # shellcheck disable=SC2046
  cancel=$(redShare $(inset "${mpCancelBox[@]}" 6))
  # shellcheck disable=SC2046
  list1=$(whiteShare $(inset "${list1Box[@]}" 4))
  # shellcheck disable=SC2046
  list2=$(whiteShare $(inset "${list2Box[@]}" 4))
  notice=$(redShare "${noticeBox[@]}")
  seen="$seen; red share of START GAME's face $start, of CANCEL's $cancel; white share of List1 $list1, of List2 $list2; red share of the notice $notice, in $(shotName "$shot")"
  # Two items of dark text on white, nothing chosen, no notice.
  atLeast "$start" 0.7 && atLeast "$cancel" 0.7 && atLeast "$list1" 0.85 &&
    atLeast "$list2" 0.85 && ! atLeast "$notice" 0.001
}
readonly mpSettingsExpected="a maximized window with an empty title, START GAME (${mpStartBox[*]}) and CANCEL (${mpCancelBox[*]}) with red faces, List1 (${list1Box[*]}) and List2 (${list2Box[*]}) white with nothing chosen, no notice"

# After START GAME with no device: the screen stays, with the red notice.
noticeShows() {
  lookAt "" maximized "$1" || return 1
  local notice start
  notice=$(redShare "${noticeBox[@]}")
  # shellcheck disable=SC2046
  start=$(redShare $(inset "${mpStartBox[@]}" 6))
  seen="$seen; red share of the notice's box $notice, of START GAME's face $start, in $(shotName "$shot")"
  atLeast "$notice" 0.003 && atLeast "$start" 0.7
}

# rowChosen LEFT TOP WIDTH HEIGHT ROW_CENTRE_Y: the row is highlighted (blue
# while its list has the focus, grey after), so mostly not white.
rowChosen() {
  local white
  white=$(whiteShare $(($1 + 4)) $(($5 - 5)) $(($3 - 8)) 10)
  seen="$seen; white share of the row at y $5 in the list at ($1, $2): $white"
  ! atLeast "$white" 0.5
}
rowFree() {
  local white
  white=$(whiteShare $(($1 + 4)) $(($5 - 5)) $(($3 - 8)) 10)
  seen="$seen; white share of the row at y $5 in the list at ($1, $2): $white"
  atLeast "$white" 0.5
}

# devicesChosen WHICH: Keyboard chosen in List1 and, for "both", Mouse in
# List2; the other rows not chosen and the notice gone.
devicesChosen() {
  lookAt "" maximized "picked-$1" || return 1
  local notice
  notice=$(redShare "${noticeBox[@]}")
  seen="$seen; red share of the notice $notice"
  rowChosen "${list1Box[@]}" "$keyboardRowY" && rowFree "${list1Box[@]}" "$mouseRowY" &&
    ! atLeast "$notice" 0.001 || return 1
  [[ "$1" == both ]] || return 0
  rowChosen "${list2Box[@]}" "$mouseRowY" && rowFree "${list2Box[@]}" "$keyboardRowY"
}

# matchShows NAME PADDLE_PROBE...: the whole screen, the light paddle where
# it starts. Quick, so that Esc can follow at once.
matchShows() {
  local name=$1
  shift
  lookAt Rallix fullscreen "$name" || return 1
  local paddle
  paddle=$(meanColour "$@")
  seen="$seen; rgb($paddle) at the light paddle's probe ($*), in $(shotName "$shot")"
  # shellcheck disable=SC2086
  isLightGrey $paddle
}

# The match's picture in detail, read from the screenshot matchShows took:
# black right of and below the field, the field black but for the two paddles
# and the ball, and one dark paddle in the top rows.
matchLooksRight() {
  local right below field topBlack topMean
  right=$(blackShare "$fieldWidth" 0 $((screenWidth - fieldWidth)) "$screenHeight")
  below=$(blackShare 0 "$fieldHeight" "$fieldWidth" $((screenHeight - fieldHeight)))
  field=$(blackShare 0 0 "$fieldWidth" "$fieldHeight")
  topBlack=$(blackShare "${topPaddleBand[@]}")
  topMean=$(meanColour "${topPaddleBand[@]}")
  # The top paddle's own colour: the band's mean over its share not black.
  local paddleLevel
  paddleLevel=$(awk -v m="$topMean" -v b="$topBlack" 'BEGIN {
      split(m, c, " "); share = 1 - b
      print (share > 0 ? int((c[1] + c[2] + c[3]) / 3 / share) : 0) }')
  seen="black share right of the field $right, below it $below, on the field $field; in the top rows (${topPaddleBand[*]}) black share $topBlack, mean rgb($topMean), so the paddle's level about $paddleLevel, in $(shotName "$shot")"
  atLeast "$right" 0.999 && atLeast "$below" 0.999 && atLeast "$field" 0.9 &&
    ! atLeast "$field" 0.99 && atLeast "$topBlack" 0.6 && ! atLeast "$topBlack" 0.88 &&
    ((paddleLevel >= 40 && paddleLevel <= 150))
}
readonly matchDetailExpected="only black right of column $fieldWidth and below row $fieldHeight, the field 90..99% black, one dark paddle (mean level 40..150) filling 12..40% of the top rows (${topPaddleBand[*]})"

# Back after a match: the same screen with each player's device kept,
# Keyboard chosen in List1 and Mouse in List2, and no notice.
mpSettingsKeptShows() {
  lookAt "" maximized "$1" || return 1
  local start cancel notice
  # shellcheck disable=SC2046
  start=$(redShare $(inset "${mpStartBox[@]}" 6))
  # shellcheck disable=SC2046
  cancel=$(redShare $(inset "${mpCancelBox[@]}" 6))
  notice=$(redShare "${noticeBox[@]}")
  seen="$seen; red share of START GAME's face $start, of CANCEL's $cancel; red share of the notice $notice, in $(shotName "$shot")"
  atLeast "$start" 0.7 && atLeast "$cancel" 0.7 && ! atLeast "$notice" 0.001 &&
    rowChosen "${list1Box[@]}" "$keyboardRowY" && rowFree "${list1Box[@]}" "$mouseRowY" &&
    rowChosen "${list2Box[@]}" "$mouseRowY" && rowFree "${list2Box[@]}" "$keyboardRowY"
}
readonly mpSettingsKeptExpected="a maximized window with an empty title, START GAME (${mpStartBox[*]}) and CANCEL (${mpCancelBox[*]}) with red faces, List1's Keyboard row and List2's Mouse row highlighted, the other rows white, no notice"

# --- the program's files ---------------------------------------------------------

# fileBytes FILE: the file's bytes, for a report.
fileBytes() { od -An -c "$1" | tr -s ' \n' ' '; }
# fileText FILE: the file's whole content, trailing newlines included.
fileText() {
  cat "$1"
  echo .
}

# config1.cfg, with no joystick: two "#FALSE#", the computer's speed, the
# ball's speed and the ball's start column, each line ended by CR LF.
config1IsValid() {
  local file="$run/config1.cfg"
  [[ -f "$file" ]] || {
    seen="no config1.cfg"
    return 1
  }
  seen="config1.cfg bytes:$(fileBytes "$file")"
  local text pattern=$'^#FALSE#\r\n#FALSE#\r\n([0-9]+)\r\n([0-9]+)\r\n([0-9]+)\r\n$'
  text=$(fileText "$file")
  text=${text%.}
  [[ "$text" =~ $pattern ]] || return 1
  local ai=$((10#${BASH_REMATCH[1]})) ball=$((10#${BASH_REMATCH[2]})) start=$((10#${BASH_REMATCH[3]}))
  seen="computer speed $ai, ball speed $ball, start column $start"
  ((ai >= 4 && ai <= 9 && ball >= 3 && ball <= 7 && start <= 719))
}

# mp1.cfg: the ball's speed, then the two devices in quotes, CR LF each.
mp1IsValid() {
  local file="$run/mp1.cfg"
  [[ -f "$file" ]] || {
    seen="no mp1.cfg"
    return 1
  }
  seen="mp1.cfg bytes:$(fileBytes "$file")"
  local text pattern=$'^([0-9]+)\r\n"Keyboard"\r\n"Mouse"\r\n$'
  text=$(fileText "$file")
  text=${text%.}
  [[ "$text" =~ $pattern ]] || return 1
  local ball=$((10#${BASH_REMATCH[1]}))
  seen="ball speed $ball, Keyboard against Mouse"
  ((ball >= 3 && ball <= 7))
}

# filesAre "GONE..." "KEPT...": the first files absent, the second present.
filesAre() {
  local file wrong=()
  for file in $1; do
    [[ -e "$run/$file" ]] && wrong+=("$file still there")
  done
  for file in $2; do
    [[ -e "$run/$file" ]] || wrong+=("no $file")
  done
  local listed
  listed=$(find "$run" -mindepth 1 -printf '%f\n' | sort | tr '\n' ' ')
  seen="in the program's folder: ${listed% }${wrong[*]:+; ${wrong[*]}}"
  ((${#wrong[@]} == 0))
}

# --- playing -------------------------------------------------------------------------

clickBox() {
  # shellcheck disable=SC2046
  clickClient $(boxCentre "$@")
}

# openMatch NAME STARTED PADDLE_PROBE...: the match shown after START GAME.
openMatch() {
  local name=$1 started=$2
  shift 2
  waitForTitle 10 Rallix "the $name match"
  echo "    the match's title $(elapsedMs "$started") ms after START GAME"
  waitFor 10 "the $name match on the whole screen" \
    "a window titled Rallix covering the ${screenWidth} x ${screenHeight} screen, the light paddle at ($*)" \
    matchShows "$name-match" "$@"
}

# leaveMatch NAME STARTED SETTINGS_TITLE SETTINGS_CHECK EXPECTED: Esc the
# moment the match is seen, the settings screen back sooner than a rally
# ending by itself could bring it, then the match's picture read closely.
# STARTED is a time before START GAME was clicked.
leaveMatch() {
  local name=$1 started=$2 settingsTitle=$3 settingsCheck=$4 expected=$5
  step "$name: Esc"
  xdotool key Escape
  local pressed escAfterMs backAfterMs matchShot=$shot
  local proofMs=$((earliestRallyEndMs + shortestBannerMs))
  pressed=$(now)
  escAfterMs=$(elapsedMs "$started")
  echo "    Esc sent $escAfterMs ms after START GAME"
  # Long enough for a win's banner too, should the rally have ended first.
  waitForTitle 10 "$settingsTitle" "the settings screen back after Esc"
  backAfterMs=$(elapsedMs "$started")
  echo "    the settings' title $(elapsedMs "$pressed") ms after Esc, $backAfterMs ms after START GAME"
  if ((backAfterMs >= proofMs)); then
    # Esc sent before the rally could end must have brought the settings
    # back by then; sent later, the rally may have ended first, and a busy
    # machine leaves Esc unproven rather than failing.
    ((escAfterMs > earliestRallyEndMs)) ||
      fail "the settings screen back after Esc" \
        "the settings' title within $proofMs ms of START GAME, sooner than a rally ending by itself" \
        "Esc sent after $escAfterMs ms, the title after $backAfterMs ms"
    echo "    note: Esc came after the earliest end of a rally, so the rally may have ended by itself"
  else
    echo "    so Esc ended the match: a rally ending by itself brings them back after $proofMs ms at the soonest"
  fi
  waitFor 10 "the settings screen back after Esc" "$expected" "$settingsCheck" "$name-back"

  local settingsShot=$shot settingsOriginX=$originX settingsOriginY=$originY
  shot=$matchShot originX=0 originY=0
  matchLooksRight || fail "the $name match's picture" "$matchDetailExpected" "$seen"
  echo "    match: $seen"
  shot=$settingsShot originX=$settingsOriginX originY=$settingsOriginY
}

# --- the test ----------------------------------------------------------------------

startDisplay
launched=$(now)
startProgram "$program"

step "splash"
waitFor 20 "the program's window" "a window titled Rallix" windowTitled Rallix
windowSeen=$(now)
# The splash lasts a second. The deadline is generous for a slow start (the
# maximizing, the first paint); a splash the menu has replaced before it was
# seen fails when the time is up.
waitFor 5 "the splash" "a maximized window titled Rallix, black all over" splashShows
echo "    $seen"

step "menu"
waitForTitle "$(awk -v ms=$((menuWithinMs - $(elapsedMs "$windowSeen"))) 'BEGIN { print (ms > 0 ? ms : 0) / 1000 }')" \
  Form1 "the menu's title, $menuWithinMs ms after the splash at the latest"
menuAfterMs=$(elapsedMs "$launched")
echo "    the menu's title $(elapsedMs "$windowSeen") ms after the splash was found, $menuAfterMs ms after the launch"
((menuAfterMs >= splashMs)) ||
  fail "the splash's time" "the menu no sooner than $splashMs ms after the launch" "after $menuAfterMs ms"
waitFor 10 "the menu" "$menuExpected" menuShows menu
titleBlinks || fail "the menu's title blinking" \
  "within $blinkWithinMs ms the title's box (${titleBox[*]}) both lit (red share >= 0.02) and dark (< 0.001)" "$seen"
echo "    title blinking: $seen"

step "single player: Label1"
clickBox "${label1Box[@]}"
waitFor 10 "the single-player settings" "$spSettingsExpected" spSettingsShows sp-settings

step "single player: START GAME"
started=$(now)
clickBox "${spStartBox[@]}"
openMatch single-player "$started" "${spPaddleProbe[@]}"
leaveMatch single-player "$started" Form1 spSettingsShows "$spSettingsExpected"
# The match read its files long before Esc.
config1IsValid || fail "the single-player settings file" \
  "config1.cfg: #FALSE#, #FALSE#, computer speed 4..9, ball speed 3..7, start column 0..719, each line ended by CR LF" "$seen"
echo "    $seen"
filesAre "cball.bmp pal1.bmp pal2.bmp yw.bmp yl.bmp" "bg.bmp config1.cfg" ||
  fail "the match's pictures" "cball.bmp, pal1.bmp, pal2.bmp, yw.bmp and yl.bmp deleted; bg.bmp and config1.cfg kept" "$seen"

step "single player: CANCEL"
clickBox "${spCancelBox[@]}"
waitFor 10 "the menu after CANCEL" "$menuExpected" menuShows menu-again

step "two players: Label2"
clickBox "${label2Box[@]}"
waitFor 10 "the two-player settings" "$mpSettingsExpected" mpSettingsShows mp-settings

step "two players: START GAME with no device chosen"
# bg.bmp too: found again later, it must be this screen's.
rm -f "$run/bg.bmp"
clickBox "${mpStartBox[@]}"
waitFor 10 "the notice" \
  "the same screen, red text in the notice's box (${noticeBox[*]}), START GAME still there" \
  noticeShows mp-notice
sleep 0.3
filesAre "mp1.cfg cball.bmp pal1.bmp pal2.bmp bg.bmp yw.bmp yl.bmp" "" ||
  fail "nothing written without a device" "no mp1.cfg and no pictures" "$seen"
lookAt "" maximized mp-still || fail "the two-player settings staying" \
  "a maximized window with an empty title" "$seen"

step "two players: Keyboard for player 1, Mouse for player 2"
clickClient $((list1Box[0] + list1Box[2] / 2)) "$keyboardRowY"
waitFor 10 "Keyboard chosen for player 1" \
  "List1's Keyboard row highlighted, its Mouse row white, the notice gone" devicesChosen player1
clickClient $((list2Box[0] + list2Box[2] / 2)) "$mouseRowY"
waitFor 10 "Mouse chosen for player 2" \
  "List1's Keyboard row and List2's Mouse row highlighted, the other rows white" devicesChosen both

step "two players: START GAME"
started=$(now)
clickBox "${mpStartBox[@]}"
openMatch two-player "$started" "${mpPaddleProbe[@]}"
leaveMatch two-player "$started" "" mpSettingsKeptShows "$mpSettingsKeptExpected"
mp1IsValid || fail "the two-player settings file" \
  "mp1.cfg: ball speed 3..7, \"Keyboard\", \"Mouse\", each line ended by CR LF" "$seen"
echo "    $seen"
filesAre "cball.bmp pal1.bmp pal2.bmp yw.bmp yl.bmp" "bg.bmp mp1.cfg" ||
  fail "the two-player match's pictures" \
    "cball.bmp, pal1.bmp and pal2.bmp deleted, no banners written; bg.bmp and mp1.cfg kept" "$seen"

step "two players: CANCEL"
clickBox "${mpCancelBox[@]}"
waitFor 10 "the menu after CANCEL" "$menuExpected" menuShows menu-last

step "EXIT"
clickBox "${exitBox[@]}"
expectCleanExit 20
echo "PASS"
