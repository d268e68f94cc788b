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
sound=$(realpath "$2")
artifacts=${RALLIX_WINDOW_ARTIFACTS:-${TMPDIR:-/tmp}/rallix_one_window_failure}

for tool in Xvfb openbox xdotool import convert identify; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed (make deps installs the real-window tools)"
    exit 77
  fi
done

# The screen the window is maximized on.
readonly screenWidth=1280 screenHeight=800

# The picture menu's controls, in client pixels: left top width height.
readonly image1Box=(40 64 120 120)   # blue plastic ball, 40 x 40
readonly image4Box=(520 288 120 120) # special extra ball, 95 x 95
readonly exitBox=(512 440 185 89)

# The match: the field sits at the client's top-left; the player's paddle
# starts at column 33 on the bottom row and only moves when a key is held.
readonly fieldWidth=800 fieldHeight=600
readonly buttonFace=(240 240 240)

# The fastest ball (6 pixels a pass, 60 passes a second) falls from the top
# row past the player's paddle in about 1.55 s.
readonly earliestRallyEndMs=1400

# The files the wait screen writes for the match, which the match deletes.
readonly matchPictures=(cball.bmp pal1.bmp pal2.bmp bg.bmp yw.bmp yl.bmp)

work=$(mktemp -d "${TMPDIR:-/tmp}/rallix-one-window.XXXXXX")
run="$work/run"
shots="$work/shots"
mkdir -p "$run" "$shots"
cp "$sound" "$run/b.wav"

xvfbPid=""
openboxPid=""
programPid=""

stop() {
  local pid=$1
  if [[ -n "$pid" ]] && kill -0 "$pid" 2>/dev/null; then
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  fi
}

cleanup() {
  local status=$?
  stop "$programPid"
  stop "$openboxPid"
  stop "$xvfbPid"
  rm -rf "$work"
  exit "$status"
}
trap cleanup EXIT
trap 'exit 143' TERM INT

now() { date +%s%N; }
elapsedMs() { echo $((($(now) - $1) / 1000000)); }

# fail WHAT EXPECTED SAW: reports, keeps the evidence, stops the test.
fail() {
  {
    echo "FAIL: $1"
    echo "  expected: $2"
    echo "  saw:      $3"
  } >&2
  mkdir -p "$artifacts"
  rm -f "$artifacts"/*.png "$artifacts/program.log" "$artifacts/files.txt"
  local capture
  for capture in "$shots"/*.miff; do
    [[ -e "$capture" ]] && convert "$capture" "$artifacts/$(shotName "$capture")"
  done
  cp "$work/program.log" "$artifacts/" 2>/dev/null || true
  ls -l "$run" >"$artifacts/files.txt" 2>&1 || true
  echo "  screenshots and the program's output are in $artifacts" >&2
  exit 1
}

step() { echo "--- $*"; }

# --- the X server and the window manager -------------------------------------

startXServer() {
  local n
  for n in $(seq 90 120); do
    [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] && continue
    # -noreset: the server must not restart when our probe disconnects, or
    # the window manager's connection could land in the restart.
    Xvfb ":$n" -screen 0 "${screenWidth}x${screenHeight}x24" -nolisten tcp -noreset \
      >"$work/xvfb.log" 2>&1 &
    xvfbPid=$!
    for _ in $(seq 50); do
      kill -0 "$xvfbPid" 2>/dev/null || break # another server took the number first
      # The lock must name our server, not one that started beside it.
      if [[ "$(tr -d ' \n' 2>/dev/null <"/tmp/.X$n-lock")" == "$xvfbPid" ]] &&
        DISPLAY=":$n" xdotool getmouselocation >/dev/null 2>&1; then
        export DISPLAY=":$n"
        return 0
      fi
      sleep 0.1
    done
    stop "$xvfbPid"
    xvfbPid=""
  done
  return 1
}

startWindowManager() {
  openbox --sm-disable >"$work/openbox.log" 2>&1 &
  openboxPid=$!
  for _ in $(seq 50); do
    # Only a running window manager answers for the desktops.
    xdotool get_num_desktops >/dev/null 2>&1 && return 0
    kill -0 "$openboxPid" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

# --- looking at the window -----------------------------------------------------

window=""
originX=0
originY=0
clientWidth=0
clientHeight=0

# windowTitled TITLE: finds the program's window by its title.
windowTitled() {
  local ids
  if ! ids=$(xdotool search --name "^$1\$" 2>/dev/null); then
    seen="no window titled $1"
    return 1
  fi
  window=${ids%%$'\n'*}
}

# Reads the client area's size, and its top-left on the screen by warping the
# pointer there: the window's own position under a window manager is relative
# to the decoration frame, which xdotool's geometry report gets wrong.
readClientArea() {
  local geometry location
  geometry=$(xdotool getwindowgeometry --shell "$window") || return 1
  clientWidth=$(sed -n 's/^WIDTH=//p' <<<"$geometry")
  clientHeight=$(sed -n 's/^HEIGHT=//p' <<<"$geometry")
  location=$(xdotool mousemove --window "$window" 0 0 getmouselocation --shell) || return 1
  originX=$(sed -n 's/^X=//p' <<<"$location")
  originY=$(sed -n 's/^Y=//p' <<<"$location")
}

shot=""
shotCount=0
# takeShot NAME: a screenshot of the whole screen, kept for the report. MIFF
# is quick to write and to read again; a failure turns the shots into PNGs.
takeShot() {
  shotCount=$((shotCount + 1))
  shot="$shots/$(printf '%02d' "$shotCount")-$1.miff"
  local attempt
  for attempt in 1 2 3; do
    import -window root "$shot" 2>/dev/null && return 0
    sleep 0.1
  done
  fail "a screenshot" "import reads the screen" "$attempt failed attempts"
}

# shotName FILE: the name a screenshot is kept under in the failure report.
shotName() {
  local name
  name=$(basename "$1")
  echo "${name%.miff}.png"
}

crop() { echo "${3}x${4}+$((originX + $1))+$((originY + $2))"; }

# meanColour X Y W H: the average colour of a client rectangle, "r g b" in 0..255.
meanColour() {
  convert "$shot" -crop "$(crop "$@")" +repage -scale '1x1!' \
    -format '%[fx:round(255*r)] %[fx:round(255*g)] %[fx:round(255*b)]' info:
}

# blackShare X Y W H: the share (0..1) of a client rectangle's pixels with no
# channel above 4% (10 of 255), read from every other pixel for speed.
blackShare() {
  convert "$shot" -crop "$(crop "$@")" +repage -sample 50% -channel RGB -separate \
    -evaluate-sequence Max -threshold 4% -format '%[fx:1-mean]' info:
}

# exactColourShare X Y W H R G B: the share of a client rectangle's pixels
# that are exactly (R, G, B).
exactColourShare() {
  local colour="rgb($5,$6,$7)"
  convert "$shot" -crop "$(crop "$1" "$2" "$3" "$4")" +repage -alpha off \
    -fill black +opaque "$colour" -fill white -opaque "$colour" \
    -colorspace Gray -format '%[fx:mean]' info:
}

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
isLightGrey() { # R G B
  local hi=$1 lo=$1 c
  for c in "$2" "$3"; do
    ((c > hi)) && hi=$c
    ((c < lo)) && lo=$c
  done
  ((lo >= 140 && hi - lo <= 40))
}
isDark() { # R G B
  (($1 + $2 + $3 <= 3 * 90))
}
atLeast() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a >= b) }'; }

seen=""
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

# A program that stopped halfway says so at once, not as a check timing out.
failIfProgramEnded() {
  [[ -n "$programPid" ]] && ! kill -0 "$programPid" 2>/dev/null || return 0
  local status=0
  wait "$programPid" || status=$?
  programPid=""
  fail "rallix-one still running while: $1" "the program running" \
    "it ended with status $status; output: $(cat "$work/program.log")"
}

# waitFor SECONDS WHAT EXPECTED CHECK ARGS...: retries CHECK until it holds.
waitFor() {
  local seconds=$1 what=$2 expected=$3
  shift 3
  local start
  start=$(now)
  while true; do
    failIfProgramEnded "$what"
    "$@" && return 0
    if [[ -n "${RALLIX_WINDOW_VERBOSE:-}" ]]; then
      echo "      not yet after $(elapsedMs "$start") ms: $seen"
    fi
    (($(elapsedMs "$start") >= seconds * 1000)) && break
    sleep 0.1
  done
  fail "$what (within $seconds s)" "$expected" "$seen"
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

# clickClient X Y: a left click at a client position.
clickClient() {
  xdotool mousemove --sync $((originX + $1)) $((originY + $2)) click 1
}

boxCentre() { echo $(($1 + $3 / 2)) $(($2 + $4 / 2)); }

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

  waitFor 2 "the chosen ball saved" "cball.bmp, a $ballSize x $ballSize bitmap" \
    ballFileIs "$ballSize"
  waitFor 2 "the wait screen" "a 473 x 322 client area titled Form1, centred on the screen" \
    waitingFormShows
  waitFor 1 "the settings written" \
    "config.dat: three numbers in 0..759, 2..6 and 4..11, each line ended by CR LF" configIsValid
  echo "    $seen"

  waitFor 5 "the match loading its pictures" \
    "${matchPictures[*]} deleted, config.dat kept" matchPicturesGone
  echo "    match started $(elapsedMs "$clicked") ms after the click"
  local started
  started=$(now)
  waitFor 2 "the match window" "a window titled Rallix" windowTitled Rallix
  # A missed ball ends the rally 1.5 s into the match at the earliest, and then
  # the banner ignores Esc: the key goes out the moment the field is seen, and
  # the screenshot is looked at closely afterwards.
  waitFor 2 "the match on screen" \
    "a maximized window, rgb(${buttonFace[*]}) right of the field, the field dark" \
    fieldDrawn "$name-match"
  step "$name: Esc"
  xdotool key Escape
  local pressed escAfterMs menuSeconds=1 matchShot=$shot matchOriginX=$originX matchOriginY=$originY
  pressed=$(now)
  escAfterMs=$(elapsedMs "$started")
  echo "    Esc sent $escAfterMs ms after the match took its pictures"
  # A rally that ended on its own brings the menu back only after its banner
  # (2 s at least), so a menu within a second is the Esc's doing. On a machine
  # too busy to send Esc early the rally may have ended first: then the menu
  # may take the banner's time too, and Esc is not proven.
  if ((escAfterMs > earliestRallyEndMs)); then
    echo "    note: Esc came after the earliest end of a rally; waiting out a banner as well"
    menuSeconds=5
  fi

  sleep 0.3
  waitFor 1 "the menu window" "a window titled Rallix" windowTitled Rallix
  waitFor "$menuSeconds" "the picture menu back after Esc" "$menuExpected" menuShows "$name-menu"
  echo "    menu seen $(elapsedMs "$pressed") ms after Esc"

  shot=$matchShot originX=$matchOriginX originY=$matchOriginY
  fieldLooksRight || fail "the match's field" \
    "at the client's top-left an 800 x 600 dark field, the light player paddle in its bottom rows at column 33; rgb(${buttonFace[*]}) right of and below the field" \
    "$seen"
  echo "    match: $seen"
}

# --- the test ----------------------------------------------------------------------

step "start the X server and openbox"
startXServer || fail "a private X server" "Xvfb on a free display in :90..:120" "$(cat "$work/xvfb.log" 2>/dev/null)"
startWindowManager || fail "openbox managing the screen" "a running window manager" "$(cat "$work/openbox.log")"
echo "    DISPLAY=$DISPLAY"

step "start rallix-one"
(cd "$run" && SDL_AUDIODRIVER=dummy exec "$program") >"$work/program.log" 2>&1 &
programPid=$!
waitFor 10 "the program's window" "a window titled Rallix" windowTitled Rallix
waitFor 5 "the picture menu" "$menuExpected" menuShows menu
echo "    $seen"

playRound first 40 "${image1Box[@]}"
playRound second 95 "${image4Box[@]}"

step "click EXIT"
# shellcheck disable=SC2046
clickClient $(boxCentre "${exitBox[@]}")
exitStart=$(now)
while kill -0 "$programPid" 2>/dev/null && (($(elapsedMs "$exitStart") < 5000)); do
  sleep 0.1
done
if kill -0 "$programPid" 2>/dev/null; then
  takeShot after-exit
  fail "the program to end after EXIT" "exit within 5 s" "still running"
fi
status=0
wait "$programPid" || status=$?
programPid=""
((status == 0)) || fail "exit status 0 after EXIT" "0" "$status; output: $(cat "$work/program.log")"
echo "    ended with status 0 after $(elapsedMs "$exitStart") ms"
echo "PASS"
