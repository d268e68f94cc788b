#!/usr/bin/env bash
# The network match measured, in one run, between rallix processes on this
# machine through a relay that makes the link a long one (50 ms each way,
# 10 ms of jitter either side, 3 % of the datagrams lost):
#   - agreement: MATCHES headless matches, two side by side, each stopped
#     after $matchLimit s at the latest; how many ended with both machines
#     keeping the same replay (the same passes, the same end), and how the
#     others ended;
#   - the link: bytes each way per second of a match;
#   - felt delay, under a private Xvfb (1280 x 1024, openbox): from an arrow
#     key going down to the player's own paddle moving on the screen, in a
#     two-player match on one machine and as the host of a network match
#     (the guest headless), medians over several presses;
#   - share of a core during play, under the same Xvfb: the two-player match
#     on one machine against each side of a network match, both drawn there.
# It all runs in a network namespace of its own, holding only its loopback:
# a guest whose host has gone searches the local network for hosts, and
# there that search reaches nobody.
# Figures only: nothing here passes or fails on time.
#
#   network_bench.sh BUILD_DIR [MATCHES]
set -euo pipefail

if [[ $# -lt 1 ]]; then
  echo "usage: $0 BUILD_DIR [MATCHES]" >&2
  exit 2
fi

if [[ -z "${RALLIX_BENCH_OWN_NETWORK:-}" ]]; then
  for isolate in "unshare --net" "unshare --net --map-root-user"; do
    # shellcheck disable=SC2086 # the words are the command
    if $isolate true 2>/dev/null; then
      RALLIX_BENCH_OWN_NETWORK=1 exec $isolate bash "${BASH_SOURCE[0]}" "$@"
    fi
  done
  echo "network_bench.sh: skipped: it needs a network namespace of its own (unshare --net)"
  exit 0
fi
PATH=$PATH:/usr/sbin:/sbin
ip link set lo up

build=$(realpath "$1")
matches=${2:-100}
here=$(dirname "$(realpath "${BASH_SOURCE[0]}")")
rallix="$build/run/rallix"
bWav="$build/run/b.wav"
probe="$build/bench/key_to_paddle_probe"
relay="$here/../tests/apps/udp_relay.py"
programName=network-bench
artifacts=${TMPDIR:-/tmp}/rallix_network_bench_failure
screenWidth=1280
screenHeight=1024
# shellcheck source-path=SCRIPTDIR source=../tests/window/window_test_lib.sh
source "$here/../tests/window/window_test_lib.sh"
# shellcheck source-path=SCRIPTDIR source=figures_lib.sh
source "$here/figures_lib.sh"
requireWindowTools

readonly linkShape=(--delay-ms 50 --jitter-ms 10 --loss 0.03)
readonly linkName="50 ms each way, 10 ms of jitter, 3 % lost"
# A match's rally runs to its end in a few seconds by itself; this is ample
# on a busy machine, and what a stuck match costs at most.
readonly matchLimit=30
# Nothing else listens in this namespace.
readonly portBase=27000
readonly passesPerSecond=60

windowTestStart "$bWav"
others=()
relayPid="" hostPid="" guestPid=""
stopOthers() {
  local pid
  for pid in "${others[@]}"; do stop "$pid"; done
  others=()
}
# The guest first: a guest whose host has gone first starts searching.
stopMatch() {
  stop "$guestPid"
  stop "$hostPid"
  stop "$relayPid"
}
trap 'status=$?; stopMatch; stopOthers; (exit "$status"); cleanup' EXIT

# launchIn FOLDER SECONDS COMMAND...: started in FOLDER, which gets the hit
# sound, with its output in FOLDER.log, and stopped after SECONDS at the
# latest. Sets $launched.
launchIn() {
  local folder=$1 seconds=$2
  shift 2
  mkdir -p "$folder"
  cp "$bWav" "$folder/"
  (cd "$folder" && SDL_AUDIODRIVER=dummy exec timeout "$seconds" "$@") >"$folder.log" 2>&1 &
  launched=$!
}

# The program behind a launch (timeout's child); empty once it has ended.
programOf() { pgrep -P "$1" | head -1; }

# startMatch FOLDER SLOT SEED HOST_ENV GUEST_ENV [RELAY_OPTION...]: a relay,
# a host and a guest joining through the relay, each with a folder of its
# own under FOLDER; SLOT keeps matches side by side on ports of their own;
# *_ENV is what each side runs under (env VAR=VALUE ...). Sets $relayPid,
# $hostPid and $guestPid.
startMatch() {
  local folder=$1 slot=$2 seed=$3 hostEnv=$4 guestEnv=$5
  shift 5
  local hostPort=$((portBase + 10 * slot)) relayPort=$((portBase + 10 * slot + 1))
  mkdir -p "$folder"
  python3 "$relay" "$relayPort" "$hostPort" "${linkShape[@]}" --seconds "$matchLimit" \
    --seed "$seed" "$@" 2>"$folder/relay.log" &
  relayPid=$!
  # shellcheck disable=SC2086 # the words are the command
  launchIn "$folder/host" "$matchLimit" $hostEnv "$rallix" --host "$hostPort" --record "$folder/host/replays"
  hostPid=$launched
  # shellcheck disable=SC2086
  launchIn "$folder/guest" "$matchLimit" $guestEnv "$rallix" --join "127.0.0.1:$relayPort" \
    --record "$folder/guest/replays"
  guestPid=$launched
}

headless="env SDL_VIDEODRIVER=dummy"

# showMatchCommands HOST_ENV GUEST_ENV: what startMatch runs, for the report.
showMatchCommands() {
  local hostPort=$portBase relayPort=$((portBase + 1))
  echo "    \$ python3 $relay $relayPort $hostPort ${linkShape[*]} --seconds $matchLimit --seed N"
  echo "    \$ ${1:+$1 }$rallix --host $hostPort --record DIR"
  echo "    \$ ${2:+$2 }$rallix --join 127.0.0.1:$relayPort --record DIR"
}

# --- agreement ---------------------------------------------------------------------

replayOf() { compgen -G "$1/replays/*.replay" | head -1 || true; }

# endOf REPLAY: "end player1, 104 passes"; "no replay" when there is none.
endOf() {
  if [[ -z "$1" ]]; then
    echo "no replay"
  else
    echo "$(tail -1 "$1"), $(sed -n 's/^passes //p' "$1") passes"
  fi
}

# relayedMatch NAME SLOT SEED: one headless match through a relay, played
# until both machines have kept their replay; prints "NAME same ..." or
# "NAME odd ...".
relayedMatch() {
  local name=$1 folder="$work/$1"
  startMatch "$folder" "$2" "$3" "$headless" "$headless"
  local hostReplay="" guestReplay=""
  for ((tick = 0; tick < (matchLimit + 3) * 10; tick++)); do
    hostReplay=$(replayOf "$folder/host")
    guestReplay=$(replayOf "$folder/guest")
    [[ -n "$hostReplay" && -n "$guestReplay" ]] && break
    sleep 0.1
  done
  # Only once both have ended is each replay whole.
  stopMatch
  hostReplay=$(replayOf "$folder/host")
  guestReplay=$(replayOf "$folder/guest")
  if [[ -n "$hostReplay" && -n "$guestReplay" ]] && cmp -s "$hostReplay" "$guestReplay" &&
    tail -1 "$hostReplay" | grep -Eqx 'end (player1|player2)'; then
    echo "$name same $(endOf "$hostReplay")"
  else
    echo "$name odd host: $(endOf "$hostReplay"); guest: $(endOf "$guestReplay")"
    cp -r "$folder" "$artifacts/"
  fi
}

step "agreement: $matches matches through the relay ($linkName), two side by side"
showMatchCommands "$headless" "$headless"
results="$work/agreement.txt"
: >"$results"
# The odd matches' replays and logs are kept there.
rm -rf "$artifacts"
mkdir -p "$artifacts"
agreementStart=$(now)
for ((match = 1; match <= matches; match += 2)); do
  relayedMatch "match-$match" 0 "$match" >>"$results" &
  if ((match < matches)); then
    relayedMatch "match-$((match + 1))" 1 "$((match + 1))" >>"$results" &
  fi
  wait
  rm -rf "$work"/match-*
  if ((match % 20 == 19 || match + 1 >= matches)); then
    echo "    $(grep -c '' "$results") of $matches played"
  fi
done
agreementSeconds=$((($(now) - agreementStart) / 1000000000))

# --- the link ------------------------------------------------------------------------

step "the link: one relayed match on its own, every datagram timed"
showMatchCommands "$headless" "$headless"
echo "    (the relay with --timeline FILE)"
timeline="$work/link/timeline.txt"
startMatch "$work/link" 0 1 "$headless" "$headless" --timeline "$timeline"
for ((tick = 0; tick < (matchLimit + 3) * 10; tick++)); do
  [[ -n "$(replayOf "$work/link/host")" && -n "$(replayOf "$work/link/guest")" ]] && break
  sleep 0.1
done
stopMatch
linkReplay=$(replayOf "$work/link/host")
relaySaid=$(grep '^relay:' "$work/link/relay.log" || echo "relay: said nothing")
if [[ -n "$linkReplay" && -s "$timeline" ]]; then
  linkPasses=$(sed -n 's/^passes //p' "$linkReplay")
  # The host's replay is written on the pass its rally ended; the rally's
  # passes, at 60 a second, go back to its start.
  linkEnd=$(stat -c %.Y "$linkReplay")
  linkFigures=$(awk -v end="$linkEnd" -v passes="$linkPasses" -v rate="$passesPerSecond" '
    BEGIN { seconds = passes / rate; start = end - seconds }
    $1 >= start && $1 <= end { bytes[$2] += $3; datagrams[$2]++ }
    END {
      printf "%.2f %d %d %d %d", seconds, bytes["joiner"] / seconds, bytes["target"] / seconds,
        datagrams["joiner"] / seconds, datagrams["target"] / seconds
    }' "$timeline")
  read -r linkSeconds hostToGuest guestToHost hostDatagrams guestDatagrams <<<"$linkFigures"
fi

# --- felt delay and share of a core, under Xvfb -----------------------------------------

startDisplay

# The match is full screen with its field at the top-left; this row runs
# through the middle of the bottom paddle, the host's or player 1's.
readonly paddleRow=575
readonly pressesPerRound=12 wantedPresses=48 mostRounds=8
readonly cpuRounds=5 cpuSampleSeconds=1.2

# The main menu's "Multiplayer You vs Someone"; on the two-player screen, the
# ball speed's list and its "5" (the network match's ball), the Keyboard row
# of player 1's list, the Mouse row of player 2's, and START GAME.
readonly twoPlayersAt=(400 308) ballSpeedAt=(280 298) speedFiveAt=(250 348)
readonly player1KeyboardAt=(288 177) player2MouseAt=(584 192) startGameAt=(256 396)

# sayWhyNoPaddle [FOLDER]: no match showed; what the programs of the match
# in FOLDER (or the match on one machine) said.
sayWhyNoPaddle() {
  echo "    no paddle showed within 20 s" >&2
  local log logs=("$run.log")
  [[ -z "${1:-}" ]] || logs=("$1"/*.log)
  for log in "${logs[@]}"; do
    if [[ -s "$log" ]]; then
      echo "      $(basename "$log"): $(tail -3 "$log" | tr '\n' ' ')" >&2
    fi
  done
}

pressDelays=()
# pressRound [FOLDER]: the probe's presses in one match; their delays join
# $pressDelays. FOLDER holds the match's logs, reported if it never shows.
pressRound() {
  local result
  result=$("$probe" "$paddleRow" "$pressesPerRound" 20 2>/dev/null) || {
    sayWhyNoPaddle "${1:-}"
    return 0
  }
  # shellcheck disable=SC2206 # the figures are words
  pressDelays+=(${result#key_to_paddle_ms=})
}

declare -A busyNanoseconds=() sampledSeconds=()
# sampleCpu NAME PID...: each PID's run time over $cpuSampleSeconds, added
# under NAME (or NAME-1, NAME-2... for several).
sampleCpu() {
  local name=$1 pid
  shift
  local -a before=()
  for pid in "$@"; do before+=("$(runNanoseconds "$pid")"); done
  sleep "$cpuSampleSeconds"
  local i=0 key
  for pid in "$@"; do
    key=$name
    (($# > 1)) && key="$name-$((i + 1))"
    busyNanoseconds[$key]=$((${busyNanoseconds[$key]:-0} + $(runNanoseconds "$pid") - before[i]))
    sampledSeconds[$key]=$(awk -v a="${sampledSeconds[$key]:-0}" -v b="$cpuSampleSeconds" \
      'BEGIN { print a + b }')
    i=$((i + 1))
  done
}

# Waits for the paddle to show and stand still: the rally has begun.
rallyBegun() { "$probe" "$paddleRow" 0 20 >/dev/null 2>&1; }

step "felt delay and share of a core: two players on one machine"
echo "    \$ $rallix, then Multiplayer You vs Someone, ball speed 5, Keyboard and Mouse, START GAME"
echo "    \$ $probe $paddleRow $pressesPerRound 20   (each rally, for the felt delay)"
echo "    \$ $probe $paddleRow 0 20   (each rally, before sampling the share of a core)"
# Long enough for every round of both figures.
launchIn "$run" 300 "$rallix"
others+=("$launched")
localPid=""
for ((tick = 0; tick < 100; tick++)); do
  if windowTitled Form1 && readClientArea; then break; fi
  sleep 0.1
done
[[ -n "$window" ]] || fail "the main menu" "a window titled Form1" "$seen"
localPid=$(programOf "${others[-1]}")
clickClient "${twoPlayersAt[@]}"
waitForTitle 10 "" "the two-player screen"
sleep 0.5
clickClient "${ballSpeedAt[@]}"
sleep 0.5
clickClient "${speedFiveAt[@]}"
clickClient "${player1KeyboardAt[@]}"
clickClient "${player2MouseAt[@]}"
sleep 0.3

# localRound WHAT: START GAME, WHAT (a command) during the rally, then back to
# the two-player screen when the match is over.
localRound() {
  clickClient "${startGameAt[@]}"
  "$@"
  waitForTitle 15 "" "the two-player screen after the match"
  sleep 0.3
}
for ((round = 1; round <= mostRounds && ${#pressDelays[@]} < wantedPresses; round++)); do
  localRound pressRound
done
localDelays=("${pressDelays[@]}")
sampleLocal() {
  if rallyBegun; then
    sampleCpu local "$localPid"
  else
    sayWhyNoPaddle
  fi
}
for ((round = 1; round <= cpuRounds; round++)); do
  localRound sampleLocal
done
stopOthers

step "felt delay: the host of a relayed network match, the guest headless"
showMatchCommands "" "$headless"
echo "    \$ $probe $paddleRow $pressesPerRound 20"
pressDelays=()
for ((round = 1; round <= mostRounds && ${#pressDelays[@]} < wantedPresses; round++)); do
  startMatch "$work/felt-$round" 0 "$round" "" "$headless"
  pressRound "$work/felt-$round"
  stopMatch
done
networkDelays=("${pressDelays[@]}")

step "share of a core: a relayed network match, both sides drawn on the Xvfb"
showMatchCommands "" ""
echo "    \$ $probe $paddleRow 0 20"
for ((round = 1; round <= cpuRounds; round++)); do
  startMatch "$work/cpu-$round" 0 "$round" "" ""
  if rallyBegun; then
    sampleCpu network "$(programOf "$hostPid")" "$(programOf "$guestPid")"
  else
    sayWhyNoPaddle "$work/cpu-$round"
  fi
  stopMatch
done

# --- the report ------------------------------------------------------------------------

same=$(grep -c ' same ' "$results" || true)
echo
echo "Agreement, $matches matches through the relay ($linkName; ${agreementSeconds} s)"
echo "  $same of $matches matches: both machines kept the same replay"
if grep ' odd ' "$results" | sort -V | sed 's/^\(match-[0-9]*\) odd /  \1: /'; then
  echo "  (their replays and logs are in $artifacts)"
fi

echo
echo "The link, one relayed match ($linkName)"
echo "  $relaySaid (the whole run: connecting, the match, its end)"
if [[ -n "${linkSeconds:-}" ]]; then
  echo "  during the match's $linkPasses passes (${linkSeconds} s): host to guest $hostToGuest bytes/s" \
    "($hostDatagrams datagrams/s), guest to host $guestToHost bytes/s ($guestDatagrams datagrams/s)"
else
  echo "  the host kept no replay: no figure for the match itself"
fi

# delayFigures DELAY...: "median M ms, 90 % within P ms, N presses, X..Y ms".
delayFigures() {
  (($# > 0)) || {
    echo "no press answered"
    return
  }
  printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END {
    printf "median %s ms, 90 %% within %s ms, %d presses, %s..%s ms",
      v[int((NR + 1) / 2)], v[int(NR * 0.9 + 0.999)], NR, v[1], v[NR] }'
}
localMedian=$(printf '%s\n' "${localDelays[@]}" | median)
networkMedian=$(printf '%s\n' "${networkDelays[@]}" | median)
echo
echo "Felt delay, arrow key down to the player's own paddle moving (under Xvfb)"
echo "  two players on one machine:   $(delayFigures "${localDelays[@]}")"
echo "  network host, through relay:  $(delayFigures "${networkDelays[@]}")"
if [[ -n "$localMedian" && -n "$networkMedian" ]]; then
  awk -v l="$localMedian" -v n="$networkMedian" -v r="$passesPerSecond" 'BEGIN {
    printf "  network - local: %.1f ms, %.1f passes (promised: at most 2 passes, %.1f ms)\n",
      n - l, (n - l) * r / 1000, 2000 / r }'
fi

cpuShare() { # NAME: percent of one core
  awk -v n="${busyNanoseconds[$1]:-0}" -v s="${sampledSeconds[$1]:-0}" \
    'BEGIN { if (s > 0) printf "%.2f", 100 * n / 1e9 / s; else print "-" }'
}
localCpu=$(cpuShare local)
echo
echo "Share of one core during play (under Xvfb; $cpuRounds rallies, ${cpuSampleSeconds} s of each)"
printf '  %-30s %7s %10s\n' "" cpu% "vs local"
printf '  %-30s %7s\n' "two players on one machine" "$localCpu"
printf '  %-30s %7s %10s\n' "network host" "$(cpuShare network-1)" \
  "$(ratio "$(cpuShare network-1)" "$localCpu")"
printf '  %-30s %7s %10s\n' "network guest" "$(cpuShare network-2)" \
  "$(ratio "$(cpuShare network-2)" "$localCpu")"
echo "  (promised: each side at most 1.2 times the match on one machine)"
