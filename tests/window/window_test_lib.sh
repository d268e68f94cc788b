# shellcheck shell=bash disable=SC2034,SC2154
# (Variables pass both ways between this file and the test that sources it.)
# Shared by the real-window tests; sourced, never run. It starts a private X
# server with a window manager (maximizing needs one), finds the program's
# window, reads screenshots by pixels at positions inside the window's client
# area, retries checks until they hold and, on a failure, says what it expected
# and what it saw and keeps the screenshots and the program's output.
#
# The test sets `programName` (how the reports name the program) and
# `artifacts` (where a failure keeps its evidence), then calls
# windowTestStart, which gives it $work, $run (the program's folder, holding
# b.wav) and $shots. RALLIX_WINDOW_VERBOSE=1 also prints every check that had
# to be retried.

# The screen the windows are maximized on; a script may choose another size
# before sourcing this file.
: "${screenWidth:=1280}" "${screenHeight:=800}"
readonly screenWidth screenHeight
# Positions are in the screens' own pixels at 96 dpi, whatever scale the
# desktop running the tests has; a test that wants another says so.
unset GDK_SCALE RALLIX_SCALE

# Exits 77 (skipped) when a tool the test drives the screen with is missing.
requireWindowTools() {
  local tool
  for tool in Xvfb openbox xdotool import convert identify; do
    if ! command -v "$tool" >/dev/null; then
      echo "SKIP: $tool is not installed (make deps installs the real-window tools)"
      exit 77
    fi
  done
}

xvfbPid=""
openboxPid=""
programPid=""
work=""

stop() {
  local pid=$1
  if [[ -n "$pid" ]] && kill -0 "$pid" 2>/dev/null; then
    kill "$pid" 2>/dev/null || true
    # SDL turns SIGTERM into a window close, which may only close the form on
    # top: whatever is still running after 3 s is killed outright.
    for _ in $(seq 30); do
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  fi
}

cleanup() {
  local status=$?
  # A second TERM (a timeout, a Ctrl-C) must not cut the clean-up short and
  # leave the X server running.
  trap '' TERM INT
  stop "$programPid"
  stop "$openboxPid"
  stop "$xvfbPid"
  [[ -n "$work" ]] && rm -rf "$work"
  exit "$status"
}

# windowTestStart SOUND: the working folders, with the hit sound beside the
# program, and the clean-up that stops everything the test started.
windowTestStart() {
  work=$(mktemp -d "${TMPDIR:-/tmp}/$programName-window.XXXXXX")
  run="$work/run"
  shots="$work/shots"
  mkdir -p "$run" "$shots"
  cp "$1" "$run/b.wav"
  trap cleanup EXIT
  trap 'exit 143' TERM INT
}

now() { date +%s%N; }
elapsedMs() { echo $((($(now) - $1) / 1000000)); }

step() { echo "--- $*"; }

# fail WHAT EXPECTED SAW: reports, keeps the evidence, stops the test.
fail() {
  {
    echo "FAIL: $1"
    echo "  expected: $2"
    echo "  saw:      $3"
  } >&2
  mkdir -p "$artifacts"
  rm -f "$artifacts"/*.png "$artifacts/program.log" "$artifacts/files.txt"
  # The screen as the test gave up on it, besides the shots the checks took.
  if [[ -n "${DISPLAY:-}" && -n "$xvfbPid" ]]; then
    import -window root "$shots/$(printf '%02d' $((shotCount + 1)))-at-failure.miff" \
      2>/dev/null || true
  fi
  local capture
  for capture in "$shots"/*.miff; do
    [[ -e "$capture" ]] && convert "$capture" "$artifacts/$(shotName "$capture")"
  done
  cp "$work/program.log" "$artifacts/" 2>/dev/null || true
  ls -l "$run" >"$artifacts/files.txt" 2>&1 || true
  echo "  screenshots and the program's output are in $artifacts" >&2
  exit 1
}

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

startDisplay() {
  step "start the X server and openbox"
  startXServer || fail "a private X server" "Xvfb on a free display in :90..:120" \
    "$(cat "$work/xvfb.log" 2>/dev/null)"
  startWindowManager || fail "openbox managing the screen" "a running window manager" \
    "$(cat "$work/openbox.log")"
  echo "    DISPLAY=$DISPLAY"
}

# --- the program -------------------------------------------------------------------

# startProgram PROGRAM [ARGUMENT...]: runs it in $run, where it finds b.wav
# and writes its files, with its output kept for the report.
startProgram() {
  step "start $programName${2:+ $*}"
  (cd "$run" && SDL_AUDIODRIVER=dummy exec "$@") >"$work/program.log" 2>&1 &
  programPid=$!
}

# A program that stopped halfway says so at once, not as a check timing out.
failIfProgramEnded() {
  [[ -n "$programPid" ]] && ! kill -0 "$programPid" 2>/dev/null || return 0
  local status=0
  wait "$programPid" || status=$?
  programPid=""
  fail "$programName still running while: $1" "the program running" \
    "it ended with status $status; output: $(cat "$work/program.log")"
}

# expectCleanExit SECONDS: the program ends on its own, with status 0.
expectCleanExit() {
  local start
  start=$(now)
  while kill -0 "$programPid" 2>/dev/null && (($(elapsedMs "$start") < $1 * 1000)); do
    sleep 0.1
  done
  if kill -0 "$programPid" 2>/dev/null; then
    takeShot after-exit
    fail "the program to end after EXIT" "exit within $1 s" \
      "still running, in $(shotName "$shot")"
  fi
  local status=0
  wait "$programPid" || status=$?
  programPid=""
  ((status == 0)) || fail "exit status 0 after EXIT" "0" "$status; output: $(cat "$work/program.log")"
  echo "    ended with status 0 after $(elapsedMs "$start") ms"
}

# --- looking at the window -----------------------------------------------------

window=""
originX=0
originY=0
clientWidth=0
clientHeight=0
seen=""

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
shotAt=""
shotCount=0
# takeShot NAME: a screenshot of the whole screen, kept for the report. MIFF
# is quick to write and to read again; a failure turns the shots into PNGs.
# $shotAt is the time import returned: the screen it read was on show by then,
# which is what a check that something came soon enough may rely on.
takeShot() {
  shotCount=$((shotCount + 1))
  shot="$shots/$(printf '%02d' "$shotCount")-$1.miff"
  local attempt
  for attempt in 1 2 3; do
    if import -window root "$shot" 2>/dev/null; then
      shotAt=$(now)
      return 0
    fi
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

# waitFor SECONDS WHAT EXPECTED CHECK ARGS...: retries CHECK until it holds.
# SECONDS may have a fraction (1.5). Only a check that never holds waits the
# whole time, so deadlines are generous: a busy machine slows the program and
# the checks alike. $lastMissAt is when the last check that did not hold
# began (empty when the first one held): what it looked for had not happened
# by then, a lower bound for when it did.
lastMissAt=""
waitFor() {
  local seconds=$1 what=$2 expected=$3
  shift 3
  local start limitMs checkAt
  start=$(now)
  lastMissAt=""
  limitMs=$(awk -v s="$seconds" 'BEGIN { printf "%d", s * 1000 }')
  while true; do
    failIfProgramEnded "$what"
    checkAt=$(now)
    "$@" && return 0
    lastMissAt=$checkAt
    if [[ -n "${RALLIX_WINDOW_VERBOSE:-}" ]]; then
      echo "      not yet after $(elapsedMs "$start") ms: $seen"
    fi
    (($(elapsedMs "$start") >= limitMs)) && break
    sleep 0.1
  done
  fail "$what (within $seconds s)" "$expected" "$seen"
}

# waitForTitle SECONDS TITLE WHAT: polls the window's title, which is quick to
# read, so that the moment a screen is shown is known closely.
waitForTitle() {
  local seconds=$1 title=$2 what=$3 start limitMs seenTitle
  start=$(now)
  limitMs=$(awk -v s="$seconds" 'BEGIN { printf "%d", s * 1000 }')
  while true; do
    failIfProgramEnded "$what"
    seenTitle=$(xdotool getwindowname "$window" 2>/dev/null) || seenTitle="(unreadable)"
    [[ "$seenTitle" == "$title" ]] && return 0
    (($(elapsedMs "$start") >= limitMs)) && break
    sleep 0.02
  done
  takeShot title-wait
  fail "$what (within $seconds s)" "the window titled \"$title\"" \
    "titled \"$seenTitle\", in $(shotName "$shot")"
}

# clickClient X Y: a left click at a client position.
clickClient() {
  xdotool mousemove --sync $((originX + $1)) $((originY + $2)) click 1
}

boxCentre() { echo $(($1 + $3 / 2)) $(($2 + $4 / 2)); }
