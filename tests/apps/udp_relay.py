#!/usr/bin/env python3
"""A UDP relay on 127.0.0.1 that makes a link as bad as a long one: every
datagram waits a delay plus or minus some jitter (so some overtake others)
and some are lost. One side sends to the relay's port and it forwards to the
target port; what the target answers goes back to the last sender. It stops
by itself after --seconds, or on SIGTERM, and then says how many bytes it
forwarded each way (for measuring what a match costs the link). With
--timeline it also writes a line for every datagram, "TIME WAY BYTES" (TIME
in seconds since the epoch, as files' times are, WAY "target" or "joiner"),
so that what a match costs can be told from what connecting cost.

  udp_relay.py LISTEN_PORT TARGET_PORT [--delay-ms 50] [--jitter-ms 10]
               [--loss 0.03] [--seconds 60] [--seed 1] [--timeline FILE]
"""
import argparse
import heapq
import random
import select
import signal
import socket
import sys
import time

LOOPBACK = "127.0.0.1"
LARGEST_DATAGRAM = 65535


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("listen_port", type=int)
    parser.add_argument("target_port", type=int)
    parser.add_argument("--delay-ms", type=float, default=50)
    parser.add_argument("--jitter-ms", type=float, default=10)
    parser.add_argument("--loss", type=float, default=0.03)
    parser.add_argument("--seconds", type=float, default=60)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--timeline")
    args = parser.parse_args()
    chance = random.Random(args.seed)

    # One socket faces the joining side, one the target, so that the target
    # sees a single peer whatever the joining side's port.
    outer = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
    outer.bind((LOOPBACK, args.listen_port))
    inner = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
    inner.bind((LOOPBACK, 0))
    target = (LOOPBACK, args.target_port)
    started = time.monotonic()
    stop_at = started + args.seconds
    forwarded = {"to the target": 0, "to the joiner": 0}
    timeline = open(args.timeline, "w", encoding="ascii") if args.timeline else None
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(0))
    try:
        relay(args, chance, outer, inner, target, forwarded, stop_at, timeline)
    finally:
        if timeline:
            timeline.close()
        seconds = time.monotonic() - started
        print(f"relay: {forwarded['to the target']} bytes to the target and "
              f"{forwarded['to the joiner']} to the joiner in {seconds:.1f} s", file=sys.stderr)


def relay(args, chance, outer, inner, target, forwarded, stop_at, timeline):
    joiner = None
    due = []  # (time to send, sequence, socket, data, address)
    sequence = 0
    while time.monotonic() < stop_at:
        now = time.monotonic()
        while due and due[0][0] <= now:
            _, _, sock, data, address = heapq.heappop(due)
            sock.sendto(data, address)
        wait = max(0.0, min(due[0][0] - now if due else 0.01, 0.01))
        ready, _, _ = select.select([outer, inner], [], [], wait)
        for sock in ready:
            data, sender = sock.recvfrom(LARGEST_DATAGRAM)
            if sock is outer:
                joiner = sender
                route = (inner, target)
                way = "target"
            elif joiner is not None:
                route = (outer, joiner)
                way = "joiner"
            else:
                continue
            # Counted as sent, lost or not: what the sender paid for.
            forwarded["to the " + way] += len(data)
            if timeline:
                timeline.write(f"{time.time():.6f} {way} {len(data)}\n")
            if chance.random() < args.loss:
                continue
            delay = args.delay_ms + chance.uniform(-args.jitter_ms, args.jitter_ms)
            sequence += 1
            heapq.heappush(due, (time.monotonic() + delay / 1000, sequence, route[0], data,
                                 route[1]))


if __name__ == "__main__":
    main()
