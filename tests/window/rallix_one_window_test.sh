#!/usr/bin/env bash
# Plays rallix-one in a real window the way a person would: on a private X
# server with a window manager (maximizing needs one), it clicks a ball on the
# picture menu, watches the wait screen write its files, looks at the match,
# leaves it with Esc, plays a second round with the big ball and ends with EXIT.
# Every look is a screenshot read by pixels at positions inside the window's
# client area.
#
#   rallix_one_window_test.sh RALLIX_ONE B_WAV
#
# On a failure it prints what it expected and what it saw and keeps the
# screenshots and the program's output in $RALLIX_WINDOW_ARTIFACTS (default:
# $TMPDIR/rallix_one_window_failure). Exits 77 when the X tools are not installed.
# RALLIX_WINDOW_VERBOSE=1 also prints every check that had to be retried.
set -euo pipefail

if [[ $# -ne 2 ]]; then
  echo "usage: $0 RALLIX_ONE B_WAV" >&2
  exit 2
fi
program=$(realpath "$1")
programName=rallix-one
artifacts=${RALLIX_WINDOW_ARTIFACTS:-${TMPDIR:-/tmp}/rallix_one_window_failure}
# shellcheck source-path=SCRIPTDIR source=window_test_lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/window_test_lib.sh"
requireWindowTools

# The picture menu's controls, in client pixels: left top width height.
readonly image1Box=(40 64 120 120)   # blue plastic ball, 40 x 40
readonly image4Box=(520 288 120 120) # special extra ball, 95 x 95
readonly exitBox=(512 440 185 89)

# The match: the field sits at the client's top-left; the player's paddle
# starts at column 33 on the bottom row and only moves when a key is held.
readonly fieldWidth=800 fieldHeight=600
readonly buttonFace=(240 240 240)

# The fastest ball (6 pixels a pass, 60 passes a second) falls from the top
# row past the player's paddle in about 1.55 s, and passes never run ahead of
# the clock; a rally that ends brings the menu back only after its banner,
# 2 s at least. A menu seen sooner than both after the match began is Esc's
# doing, however late Esc was sent.
readonly earliestRallyEndMs=1400 shortestBannerMs=2000

# The files the wait screen writes for the match, which the match deletes.
readonly matchPictures=(cball.bmp pal1.bmp pal2.bmp bg.bmp yw.bmp yl.bmp)

windowTestStart "$(realpath "$2")"

# ballTop X Y: the first client row from Y - 40 down in column X whose blue
# is 60 or more; tells how far a misplaced picture is off.
ballTop() {
  convert "$shot" -crop "$(crop "$1" $(($2 - 40)) 1 200)" +repage txt:- |
    awk -F'[(,)]' -v from=$(($2 - 40)) 'NR > 1 && $5 + 0 >= 60 { print from + $2; found = 1; exit }
      END { if (!found) print "none" }'
}

isBlueish() { # R G B
  (($3 >= 80 && $3 >= $1 + 50 && $3 >= $2 + 30))
}

# The ball's picture is drawn into the whole box; its shape starts a few rows
# below the box's top.
readonly ballTopMargin=8
readonly menuExpected="a maximized window, at least 85% of its client area black, the blue ball filling Image1's box at (${image1Box[*]}): its centre and lower rim blue, its top in client rows ${image1Box[1]}..$((image1Box[1] + ballTopMargin))"

# The picture menu: a maximized black window with the blue ball in Image1's
# box. The ball fills its box, so its lower rim lies just inside the box's
# bottom edge: a picture drawn off the client's top-left misses it.
menuShows() {
  readClientArea || {
    seen="the window could not be read"
    return 1
  }
  if ((clientWidth != screenWidth || clientHeight < screenHeight - 60)); then
    seen="a ${clientWidth} x ${clientHeight} client area (not maximized)"
    return 1
  fi
  takeShot "$1"
  local x=${image1Box[0]} y=${image1Box[1]} w=${image1Box[2]} h=${image1Box[3]}
  local centre rim black top
  centre=$(meanColour $((x + w / 2 - 15)) $((y + h / 2 - 15)) 30 30)
  rim=$(meanColour $((x + w / 2 - 10)) $((y + h - 16)) 20 6)
  black=$(blackShare 0 0 "$clientWidth" "$clientHeight")
  top=$(ballTop $((x + w / 2)) "$y")
  seen="Image1 centre rgb($centre), Image1 lower rim rgb($rim), black share $black; the blue ball's top at client row $top, in $(shotName "$shot")"
  # shellcheck disable=SC2086
  isBlueish $centre && isBlueish $rim && atLeast "$black" 0.85 &&
    [[ "$top" != none ]] && ((top >= y && top <= y + ballTopMargin))
}

# The match is on screen: a maximized window with button-face grey right of
# the field and a dark field. Quick, so that Esc can follow at once.
fieldDrawn() {
  readClientArea || {
    seen="the window could not be read"
    return 1
  }
  if ((clientWidth != screenWidth || clientHeight < fieldHeight + 20)); then
    seen="a ${clientWidth} x ${clientHeight} client area (not maximized)"
    return 1
  fi
  takeShot "$1"
  local beside inside
  beside=$(meanColour $((fieldWidth + 20)) 20 100 100)
  inside=$(meanColour 300 200 200 200)
  seen="rgb($beside) right of the field, rgb($inside) inside it, in $(shotName "$shot")"
  # shellcheck disable=SC2086
  [[ "$beside" == "${buttonFace[*]}" ]] && isDark $inside
}

# The match's picture in detail, read from the screenshot fieldDrawn took: the
# field at the client's top-left, the light player paddle on its bottom rows
# at column 33, the field's background dark to its edges, and beyond the field
# only the window's button-face grey.
fieldLooksRight() {
  local paddle background rightEdge bottomEdge right below
  paddle=$(meanColour 53 566 170 30)
  background=$(meanColour 250 150 540 350)
  rightEdge=$(meanColour $((fieldWidth - 5)) 100 5 400)
  bottomEdge=$(meanColour 300 $((fieldHeight - 5)) 490 5)
  right=$(exactColourShare "$fieldWidth" 0 $((clientWidth - fieldWidth)) "$clientHeight" "${buttonFace[@]}")
  below=$(exactColourShare 0 "$fieldHeight" "$fieldWidth" $((clientHeight - fieldHeight)) "${buttonFace[@]}")
  seen="player paddle rgb($paddle), field background rgb($background), field's right edge rgb($rightEdge) and bottom edge rgb($bottomEdge), share of button face right of the field $right and below it $below, in $(shotName "$shot")"
  # shellcheck disable=SC2086
  isLightGrey $paddle && isDark $background && isDark $rightEdge && isDark $bottomEdge &&
    atLeast "$right" 0.999 && atLeast "$below" 0.999
}

# --- the program's files ---------------------------------------------------------

# configIsValid: config.dat holds the three drawn numbers, one a line, each
# line ended by CR LF, nothing else.
configIsValid() {
  local file="$run/config.dat"
  [[ -f "$file" ]] || {
    seen="no config.dat"
    return 1
  }
  local content
  content=$(od -An -c "$file" | tr -s ' \n' ' ')
  seen="config.dat bytes:$content"
  local pattern=$'^([0-9]+)\r\n([0-9]+)\r\n([0-9]+)\r\n$'
  local text
  text=$(
    cat "$file"
    echo .
  )
  text=${text%.}
  [[ "$text" =~ $pattern ]] || return 1
  local start=$((10#${BASH_REMATCH[1]})) ball=$((10#${BASH_REMATCH[2]})) ai=$((10#${BASH_REMATCH[3]}))
  seen="start column $start, ball speed $ball, computer speed $ai"
  ((start <= 759 && ball >= 2 && ball <= 6 && ai >= 4 && ai <= 11))
}

# ballFileIs SIZE: cball.bmp is a SIZE x SIZE bitmap.
ballFileIs() {
  local size
  if ! size=$(identify -format '%w x %h' "$run/cball.bmp" 2>/dev/null); then
    seen="no readable cball.bmp"
    return 1
  fi
  local magic
  magic=$(head -c 2 "$run/cball.bmp")
  seen="cball.bmp: $size, starting with \"$magic\""
  [[ "$magic" == BM && "$size" == "$1 x $1" ]]
}

waitingFormShows() {
  windowTitled Form1 || return 1
  readClientArea || return 1
  local centreX=$((originX + clientWidth / 2)) centreY=$((originY + clientHeight / 2))
  seen="a ${clientWidth} x ${clientHeight} window titled Form1 centred at ($centreX, $centreY)"
  ((clientWidth == 473 && clientHeight == 322)) &&
    ((centreX > screenWidth / 2 - 30 && centreX < screenWidth / 2 + 30)) &&
    ((centreY > screenHeight / 2 - 40 && centreY < screenHeight / 2 + 40))
}

matchPicturesGone() {
  local file left=()
  for file in "${matchPictures[@]}"; do
    [[ -e "$run/$file" ]] && left+=("$file")
  done
  seen="still there: ${left[*]:-none}; config.dat $([[ -f $run/config.dat ]] && echo present || echo missing)"
  ((${#left[@]} == 0)) && [[ -f "$run/config.dat" ]]
}

# playRound NAME BALL_SIZE LEFT TOP WIDTH HEIGHT: picks the ball in the box,
# follows the wait screen into the match and leaves it with Esc.
playRound() {
  local name=$1 ballSize=$2
  shift 2
  step "$name: click the ball in the box at ($*)"
  # Each round must write its own settings.
  rm -f "$run/config.dat"
  # shellcheck disable=SC2046
  clickClient $(boxCentre "$@")
  local clicked
  clicked=$(now)

  waitFor 10 "the chosen ball saved" "cball.bmp, a $ballSize x $ballSize bitmap" \
    ballFileIs "$ballSize"
  waitFor 10 "the wait screen" "a 473 x 322 client area titled Form1, centred on the screen" \
    waitingFormShows
  waitFor 10 "the settings written" \
    "config.dat: three numbers in 0..759, 2..6 and 4..11, each line ended by CR LF" configIsValid
  echo "    $seen"

  waitFor 15 "the match loading its pictures" \
    "${matchPictures[*]} deleted, config.dat kept" matchPicturesGone
  # The rally starts after the match deleted its pictures, so after the last
  # look that still found them.
  local started=${lastMissAt:-$clicked}
  echo "    match started $(elapsedMs "$clicked") ms after the click"
  waitFor 10 "the match window" "a window titled Rallix" windowTitled Rallix
  # A missed ball ends the rally 1.5 s into the match at the earliest, and then
  # the banner ignores Esc: the key goes out the moment the field is seen, and
  # the screenshot is looked at closely afterwards.
  waitFor 10 "the match on screen" \
    "a maximized window, rgb(${buttonFace[*]}) right of the field, the field dark" \
    fieldDrawn "$name-match"
  step "$name: Esc"
  xdotool key Escape
  local pressed escAfterMs backAfterMs matchShot=$shot matchOriginX=$originX matchOriginY=$originY
  local proofMs=$((earliestRallyEndMs + shortestBannerMs))
  pressed=$(now)
  escAfterMs=$(elapsedMs "$started")
  echo "    Esc sent $escAfterMs ms after the match's pictures were last seen in place"

  sleep 0.3
  waitFor 10 "the menu window" "a window titled Rallix" windowTitled Rallix
  # Long enough for a win's banner too, should the rally have ended first.
  waitFor 10 "the picture menu back after Esc" "$menuExpected" menuShows "$name-menu"
  # Timed by the screenshot that showed it, not by reading it.
  backAfterMs=$(((shotAt - started) / 1000000))
  echo "    menu seen $(((shotAt - pressed) / 1000000)) ms after Esc, $backAfterMs ms after the pictures were last seen in place"
  if ((backAfterMs >= proofMs)); then
    # Esc sent before the rally could end must have brought the menu back by
    # then; sent later, the rally may have ended first, and a busy machine
    # leaves Esc unproven rather than failing.
    ((escAfterMs > earliestRallyEndMs)) ||
      fail "the picture menu back after Esc" \
        "the menu within $proofMs ms of the match's pictures last seen in place, sooner than a rally ending by itself" \
        "Esc sent after $escAfterMs ms, the menu seen after $backAfterMs ms, in $(shotName "$shot")"
    echo "    note: Esc came after the earliest end of a rally, so the rally may have ended by itself"
  else
    echo "    so Esc ended the match: a rally ending by itself brings the menu back after $proofMs ms at the soonest"
  fi

  shot=$matchShot originX=$matchOriginX originY=$matchOriginY
  fieldLooksRight || fail "the match's field" \
    "at the client's top-left an 800 x 600 dark field, the light player paddle in its bottom rows at column 33; rgb(${buttonFace[*]}) right of and below the field" \
    "$seen"
  echo "    match: $seen"
}

# --- the test ----------------------------------------------------------------------

startDisplay
startProgram "$program"
waitFor 20 "the program's window" "a window titled Rallix" windowTitled Rallix
waitFor 10 "the picture menu" "$menuExpected" menuShows menu
echo "    $seen"

playRound first 40 "${image1Box[@]}"
playRound second 95 "${image4Box[@]}"

step "click EXIT"
# shellcheck disable=SC2046
clickClient $(boxCentre "${exitBox[@]}")
expectCleanExit 20
echo "PASS"
