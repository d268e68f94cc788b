#!/usr/bin/env bash
# With no display, either program says so in one line and ends with status 1
# at once instead of playing on unseen; SDL's invisible drivers still run
# when SDL_VIDEODRIVER names one.
#
#   no_display_test.sh RALLIX RALLIX_ONE
set -euo pipefail
programs=("$(realpath "$1")" "$(realpath "$2")")
work=$(mktemp -d "${TMPDIR:-/tmp}/no_display.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work"

# run [NAME=VALUE...] PROGRAM [ARGUMENT...]: sets $status and $output, with no
# window system named but by the arguments. Stopped (124) after 10 s: ample on
# a busy machine for what takes milliseconds.
run() {
  status=0
  output=$(timeout 10 env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER SDL_AUDIODRIVER=dummy \
    "$@" 2>&1) || status=$?
}
fail() { printf 'FAIL: %s\n  saw: status %s, output:\n%s\n' "$1" "$status" "$output" >&2; exit 1; }

unused=150 # a display number no X server holds
while [[ -e /tmp/.X$unused-lock || -e /tmp/.X11-unix/X$unused ]]; do unused=$((unused + 1)); done
# A first-edition match of one pass, which ends "closed".
printf 'rallix-replay 1\nmatch one\nstartColumn 300\nballSpeed 5\naiSpeed 4\n%s\npasses 1
0 0 2500 2500\nend closed\n' "$(printf 'picture %s\n' "background field-background" \
  "win-banner win-banner" "loss-banner loss-banner" "bottom-paddle light-paddle" \
  "top-paddle dark-paddle" "ball blue-plastic-ball")" >short.replay

for program in "${programs[@]}"; do
  name=$(basename "$program")
  for display in "" ":$unused"; do
    for replay in "" "--replay short.replay"; do
      # shellcheck disable=SC2086 # both are split on purpose
      run ${display:+DISPLAY=$display} "$program" $replay
      message="$name: cannot open a window: no display (.\+)"
      if ((status != 1)) || ! grep -qx "$message" <<<"$output"; then
        fail "$name $replay with DISPLAY=$display: status 1 and \"$message\""
      fi
    done
  done
done
run SDL_VIDEODRIVER=dummy "${programs[1]}" --replay short.replay
[[ $status == 0 && $output == closed ]] || fail "the replay played on SDL's dummy driver"
echo "PASS"
