#!/usr/bin/env bash
# One folder, one game, headless. A second game, rallix-one or rallix, started
# where a game plays says so and ends with status 1, touching none of the files
# there; the lock goes with its holder, even one killed outright. A user folder
# no game can write in is refused at start with the system's reason.
#
#   folder_in_use_test.sh RALLIX RALLIX_ONE
set -euo pipefail

rallix=$(realpath "$1")
rallixOne=$(realpath "$2")
work=$(realpath "$(mktemp -d "${TMPDIR:-/tmp}/rallix-folder-in-use.XXXXXX")")
play="$work/play"
holder=""
trap '[[ -z $holder ]] || kill -KILL $holder 2>/dev/null; chmod -R u+w "$work"; rm -rf "$work"' EXIT

fail() {
  printf 'FAIL: %s\n  expected: %s\n  saw:      %s\n' "$@" >&2
  exit 1
}

# refused MESSAGE PROGRAM [ARGUMENT...]: it ends with status 1 at once, having
# said MESSAGE (a pattern) in one line.
refused() {
  local expected=$1 status=0 out
  shift
  out=$(timeout 20 "$@" 2>&1) || status=$?
  # shellcheck disable=SC2053 # the message is a pattern
  [[ $status == 1 && "$out" == $expected && "$out" != *$'\n'* ]] ||
    fail "$*" "status 1, \"$expected\"" "status $status, \"$out\""
}

export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
mkdir "$play"
for file in config.dat config1.cfg bg.bmp cball.bmp; do echo "$file" >"$play/$file"; done
files=$(cd "$play" && md5sum -- *)

(cd "$play" && exec "$rallixOne") &
holder=$!
for _ in $(seq 100); do
  grep -Eq "FLOCK +ADVISORY +WRITE +$holder " /proc/locks && break
  sleep 0.1
done
grep -Eq "FLOCK +ADVISORY +WRITE +$holder " /proc/locks ||
  fail "rallix-one holding its folder" "a lock of process $holder" "$(cat /proc/locks)"
(cd "$play" && refused "rallix-one: Rallix is already running in $play" "$rallixOne")
(cd "$play" && refused "rallix: Rallix is already running in $play" "$rallix")
[[ "$(cd "$play" && md5sum -- *)" == "$files" ]] || fail "the files" "untouched" "changed"
kill -KILL "$holder"
wait "$holder" 2>/dev/null || true
holder=""
flock -n "$play/.rallix.lock" true || fail "the lock of a killed game" "free" "held"

# The lock file the killed game left opens in a read-only folder too: the
# folder itself must be refused. Root writes in any folder on a writable disk,
# so for root a user folder that is a link to /proc stands in.
readOnly=$play
((EUID != 0)) || readOnly=/proc
mkdir -p "$work/data/rallix"
ln -s "$readOnly" "$work/data/rallix/rallix-one"
chmod 555 "$play"
XDG_DATA_HOME="$work/data" refused "rallix-one: cannot use the folder $readOnly: *" \
  "$rallixOne" --user-folder
echo "PASS"
