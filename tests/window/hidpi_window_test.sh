#!/usr/bin/env bash
# rallix-one on a HiDPI desktop: with xrdb saying Xft.dpi 192, the picture
# menu's title is drawn twice as tall as at 96 dpi, a click on a ball lands
# where it is seen, and the wait screen's window is twice its size.
#
#   hidpi_window_test.sh RALLIX_ONE B_WAV
set -euo pipefail

if [[ $# -ne 2 ]]; then
  echo "usage: $0 RALLIX_ONE B_WAV" >&2
  exit 2
fi
program=$(realpath "$1")
programName=rallix-one
artifacts=${RALLIX_WINDOW_ARTIFACTS:-${TMPDIR:-/tmp}/rallix_hidpi_window_failure}
screenWidth=2560
screenHeight=2048
# shellcheck source-path=SCRIPTDIR source=window_test_lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/window_test_lib.sh"
requireWindowTools
command -v xrdb >/dev/null || { echo "SKIP: xrdb is not installed"; exit 77; }

# At 96 dpi, in client pixels: the title "Rallix" and the blue ball.
readonly titleBox=(472 48 257 97) blueBallBox=(40 64 120 120)
# The wait screen's client area at 96 dpi.
readonly waitWidth=473 waitHeight=322

windowTestStart "$(realpath "$2")"
startDisplay

titleHeight=0
# The title blinks: it has been seen once its red rows are there.
titleShows() {
  local scale=$1
  # At an uneven pace: looks that come every 800 ms would all fall while the
  # title is off.
  sleep "0.$((RANDOM % 4))"
  takeShot "title-at-$scale"
  titleHeight=$(convert "$shot" -crop "$(crop $((titleBox[0] * scale)) $((titleBox[1] * scale)) \
    $((titleBox[2] * scale)) $((titleBox[3] * scale)))" +repage \
    -fx '(r > 0.5 && g < 0.25) ? 1 : 0' -trim -format '%h' info: 2>/dev/null) || titleHeight=0
  seen="red rows of the title: $titleHeight"
  ((titleHeight > 20 * scale))
}

declare -A heights=()
for scale in 1 2; do
  step "Xft.dpi $((96 * scale))"
  echo "Xft.dpi: $((96 * scale))" | xrdb -merge
  startProgram "$program"
  waitFor 20 "the picture menu" "a window titled Rallix" windowTitled Rallix
  readClientArea
  waitFor 10 "the title at scale $scale" "a title more than $((20 * scale)) rows tall" \
    titleShows "$scale"
  heights[$scale]=$titleHeight
  echo "    title $titleHeight rows tall"

  read -r x y < <(boxCentre "${blueBallBox[@]}")
  clickClient $((x * scale)) $((y * scale))
  waitForTitle 10 Form1 "the wait screen after a click on the blue ball"
  readClientArea
  ((clientWidth == waitWidth * scale && clientHeight == waitHeight * scale)) ||
    fail "the wait screen at scale $scale" "$((waitWidth * scale)) x $((waitHeight * scale))" \
      "$clientWidth x $clientHeight"
  stop "$programPid"
  programPid=""
done

((heights[2] >= 2 * heights[1] - 1 && heights[2] <= 2 * heights[1] + 1)) ||
  fail "the title twice as tall at 192 dpi" "$((2 * heights[1])) rows, within one" "${heights[2]}"
echo "PASS"
