#!/usr/bin/env bash
# Two rallix processes on one machine play a network match over 127.0.0.1:
# one started with --host, the other with --join, both recording; then again
# through a relay that delays, jitters and drops datagrams as a long link
# would. The match starts by itself once the guest has joined; both machines
# must keep the same replay, pass for pass and end for end. Headless: SDL's
# dummy drivers.
#
#   network_match_test.sh RALLIX B_WAV
set -euo pipefail
rallix=$(realpath "$1")
work=$(mktemp -d "${TMPDIR:-/tmp}/rallix-network-match.XXXXXX")
pids=()
# Last started, first stopped, each waited for: the guest goes before its
# host, so it never finds itself alone on the join screen, which would look
# for hosts on the whole local network.
stopAll() {
  local i
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    kill -TERM "${pids[i]}" 2>/dev/null || true
    wait "${pids[i]}" 2>/dev/null || true
  done
  pids=()
}
cleanup() {
  stopAll
  rm -rf "$work"
}
trap cleanup EXIT
fail() { printf 'FAIL: %s\n' "$1" >&2; for f in "$work"/*.log; do echo "--- $f" >&2; cat "$f" >&2; done; exit 1; }

export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
relay="$(dirname "${BASH_SOURCE[0]}")/udp_relay.py"

# playMatch NAME HOST_PORT JOIN_PORT: the host listens on HOST_PORT, the guest
# joins JOIN_PORT (the host's, or a relay's in front of it); both must keep
# the same replay of a rally that ran to its end.
playMatch() {
  local name=$1 hostPort=$2 joinPort=$3
  local folder="$work/$name"
  for side in host guest; do
    mkdir -p "$folder/$side"
    cp "$bWav" "$folder/$side/"
  done
  (cd "$folder/host" && exec "$rallix" --host "$hostPort" --record "$folder/host/replays") \
    >"$work/$name-host.log" 2>&1 &
  pids+=($!)
  (cd "$folder/guest" && exec "$rallix" --join "127.0.0.1:$joinPort" \
    --record "$folder/guest/replays") >"$work/$name-guest.log" 2>&1 &
  pids+=($!)
  # The rally runs to its end by itself: no key is pressed. Ample on a busy
  # machine for what takes a few seconds.
  for _ in $(seq 600); do
    if compgen -G "$folder/host/replays/*.replay" >/dev/null &&
      compgen -G "$folder/guest/replays/*.replay" >/dev/null; then
      break
    fi
    sleep 0.1
  done
  local hostReplay guestReplay
  hostReplay=$(compgen -G "$folder/host/replays/*.replay" | head -1) ||
    fail "$name: the host kept a replay"
  guestReplay=$(compgen -G "$folder/guest/replays/*.replay" | head -1) ||
    fail "$name: the guest kept a replay"
  grep -qx 'match net' "$hostReplay" || fail "$name: the replay is of a net match"
  cmp -s "$hostReplay" "$guestReplay" || fail "$name: both machines kept the same replay"
  tail -1 "$hostReplay" | grep -Eqx 'end (player1|player2)' || fail "$name: the rally ran to its end"
  echo "$name: $(grep -c '' "$hostReplay") lines, $(tail -1 "$hostReplay")"
  stopAll

}

bWav=$2
# Ports of this run's own, so that runs side by side never meet.
base=$((20000 + $$ % 30000))
playMatch direct "$base" "$base"
# 50 ms each way, 10 ms of jitter, 3 % of the datagrams lost.
python3 "$relay" "$((base + 1))" "$((base + 2))" --delay-ms 50 --jitter-ms 10 --loss 0.03 \
  --seconds 90 &
pids+=($!)
relayPid=$!
playMatch relayed "$((base + 2))" "$((base + 1))"
kill -TERM "$relayPid" 2>/dev/null || true
echo "PASS"
