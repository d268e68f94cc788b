#!/usr/bin/env bash
# The installed rallix-one as a player meets it from the desktop's menu: its
# desktop entry's command, started in a home folder of its own (as a desktop
# starts programs) on a private X server. It must show its picture menu, find
# its hit sound where the package put it (the match would stop on a missing
# one), play a match until Esc, end on EXIT, and leave nothing in the home
# folder but its own folder, ~/.local/share/rallix/rallix-one, where its
# settings went: the settings file it finds in ~/.local/share/rallix, where an
# earlier version kept it, moves there on the first start.
#
#   installed_game_test.sh [DESKTOP-ENTRY]
#
# The menu's screenshot is kept as $RALLIX_WINDOW_ARTIFACTS/menu.png, to be
# looked at; a failure keeps every screenshot there.
set -euo pipefail

entry=${1:-/usr/share/applications/org.rallix.rallix_one.desktop}
programName=rallix-one
artifacts=${RALLIX_WINDOW_ARTIFACTS:-${TMPDIR:-/tmp}/installed_rallix_one}
# shellcheck source-path=SCRIPTDIR source=../tests/window/window_test_lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/../tests/window/window_test_lib.sh"
requireWindowTools

# The picture menu's blue ball and EXIT, in client pixels: left top width height.
readonly image1Box=(40 64 120 120)
readonly exitBox=(512 440 185 89)

work=$(mktemp -d "${TMPDIR:-/tmp}/installed-rallix-one.XXXXXX")
run="$work/home"
shots="$work/shots"
mkdir -p "$run" "$shots" "$artifacts"
trap cleanup EXIT
trap 'exit 143' TERM INT
sharedFolder="$run/.local/share/rallix"
userFolder="$sharedFolder/rallix-one"
# One integer a line, CR LF: start column, ball speed, computer speed.
earlierSettings="$work/earlier-config.dat"
printf '123\r\n4\r\n6\r\n' >"$earlierSettings"
mkdir -p "$sharedFolder"
cp "$earlierSettings" "$sharedFolder/config.dat"

command=$(sed -n 's/^Exec=//p' "$entry")
[[ -n "$command" ]] || fail "the desktop entry's command" "an Exec line in $entry" "none"

isBlueish() { # R G B
  (($3 >= 80 && $3 >= $1 + 50 && $3 >= $2 + 30))
}

menuShows() {
  readClientArea || {
    seen="the window could not be read"
    return 1
  }
  takeShot "$1"
  local x=${image1Box[0]} y=${image1Box[1]} w=${image1Box[2]} h=${image1Box[3]} centre
  centre=$(meanColour $((x + w / 2 - 15)) $((y + h / 2 - 15)) 30 30)
  seen="a ${clientWidth} x ${clientHeight} client area, Image1's centre rgb($centre), in $(shotName "$shot")"
  # shellcheck disable=SC2086
  ((clientWidth == screenWidth && clientHeight >= screenHeight - 60)) && isBlueish $centre
}

# The match is on screen: maximized, its field dark. Its pictures were
# deleted from the user folder once loaded, its settings kept there.
matchShows() {
  readClientArea || {
    seen="the window could not be read"
    return 1
  }
  takeShot match
  local inside
  inside=$(meanColour 300 200 200 200)
  seen="rgb($inside) inside the field; in the user folder: $(ls -A "$userFolder" 2>/dev/null | tr '\n' ' '), in $(shotName "$shot")"
  # shellcheck disable=SC2086
  ((clientWidth == screenWidth)) && isDark $inside && [[ -f "$userFolder/config.dat" ]] &&
    [[ ! -e "$userFolder/cball.bmp" ]]
}

# A Debian desktop session's PATH, which holds /usr/games.
readonly sessionPath=/usr/local/bin:/usr/bin:/bin:/usr/local/games:/usr/games

startDisplay
# shellcheck disable=SC2086 # the entry's command is split as a desktop splits it
startProgram env -u XDG_DATA_HOME HOME="$run" PATH="$sessionPath" $command
waitFor 20 "the program's window" "a window titled Rallix" windowTitled Rallix
# The desktop matches the window to its entry, and so to its icon, by class.
wmClass=$(sed -n 's/^StartupWMClass=//p' "$entry")
xdotool search --class "^$wmClass\$" 2>/dev/null | grep -qx "$window" ||
  fail "the window's class" "$wmClass, as the entry's StartupWMClass says" \
    "windows of that class: $(xdotool search --class "^$wmClass\$" 2>/dev/null | tr '\n' ' ')"
echo "    window $window, class $wmClass"
waitFor 10 "the picture menu" "a maximized window, the blue ball in Image1's box" menuShows menu
echo "    $seen"
convert "$shot" "$artifacts/menu.png"
[[ ! -e "$sharedFolder/config.dat" ]] && cmp -s "$earlierSettings" "$userFolder/config.dat" ||
  fail "the earlier settings file moved on the first start" \
    "$userFolder/config.dat as it was, none in $sharedFolder" \
    "in $sharedFolder: $(ls -A "$sharedFolder" | tr '\n' ' '); in $userFolder: $(ls -A "$userFolder" | tr '\n' ' ')"

step "pick the blue ball, wait for the match"
# shellcheck disable=SC2046
clickClient $(boxCentre "${image1Box[@]}")
waitFor 20 "the match, its hit sound loaded" \
  "a maximized window with a dark field; config.dat in $userFolder, the pictures deleted" matchShows
echo "    $seen"
step "Esc, then EXIT"
xdotool key Escape
waitFor 15 "the picture menu back" "a maximized window, the blue ball in Image1's box" menuShows menu-again
# shellcheck disable=SC2046
clickClient $(boxCentre "${exitBox[@]}")
expectCleanExit 20
[[ ! -e "$userFolder/.rallix.lock" ]] ||
  fail "the folder given back at the end" "no .rallix.lock in $userFolder" "one left there"

step "the home folder holds only the user folder"
left=$(cd "$run" && find . -mindepth 1 -not -path ./.local -not -path ./.local/share \
  -not -path './.local/share/rallix*' | sort)
[[ -z "$left" ]] || fail "nothing in the home folder but the user folder" "only .local/share/rallix" "$left"
echo "    user folder: $(ls -A "$userFolder" | tr '\n' ' ')"
echo "PASS"
