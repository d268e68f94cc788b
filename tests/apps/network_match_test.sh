#!/usr/bin/env bash
# Two rallix processes on one machine play a network match over 127.0.0.1:
# one started with --host, the other with --join, both recording. The match
# starts by itself once the guest has joined; both machines must keep the
# same replay, pass for pass and end for end. Headless: SDL's dummy drivers.
#
#   network_match_test.sh RALLIX B_WAV
set -euo pipefail
rallix=$(realpath "$1")
work=$(mktemp -d "${TMPDIR:-/tmp}/rallix-network-match.XXXXXX")
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill -TERM "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { printf 'FAIL: %s\n' "$1" >&2; for f in "$work"/*.log; do echo "--- $f" >&2; cat "$f" >&2; done; exit 1; }

export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
# A port of this run's own, so that runs side by side never meet.
port=$((20000 + $$ % 30000))
for side in host guest; do
  mkdir -p "$work/$side"
  cp "$2" "$work/$side/"
done
(cd "$work/host" && exec "$rallix" --host "$port" --record "$work/host/replays") >"$work/host.log" 2>&1 &
pids+=($!)
(cd "$work/guest" && exec "$rallix" --join "127.0.0.1:$port" --record "$work/guest/replays") \
  >"$work/guest.log" 2>&1 &
pids+=($!)

# The rally runs to its end by itself: no key is pressed. Ample on a busy
# machine for what takes a few seconds.
for _ in $(seq 600); do
  if compgen -G "$work/host/replays/*.replay" >/dev/null &&
    compgen -G "$work/guest/replays/*.replay" >/dev/null; then
    break
  fi
  sleep 0.1
done
hostReplay=$(compgen -G "$work/host/replays/*.replay" | head -1) || fail "the host kept a replay"
guestReplay=$(compgen -G "$work/guest/replays/*.replay" | head -1) || fail "the guest kept a replay"
grep -qx 'match net' "$hostReplay" || fail "the replay is of a net match"
cmp -s "$hostReplay" "$guestReplay" || fail "both machines kept the same replay"
tail -1 "$hostReplay" | grep -Eqx 'end (player1|player2)' || fail "the rally ran to its end"
echo "PASS: $(grep -c '' "$hostReplay") lines, $(tail -1 "$hostReplay")"
