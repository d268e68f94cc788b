#!/usr/bin/env python3
"""A UDP relay on 127.0.0.1 that makes a link as bad as a long one: every
datagram waits a delay plus or minus some jitter (so some overtake others)
and some are lost. One side sends to the relay's port and it forwards to the
target port; what the target answers goes back to the last sender. It stops
by itself after --seconds.

  udp_relay.py LISTEN_PORT TARGET_PORT [--delay-ms 50] [--jitter-ms 10]
               [--loss 0.03] [--seconds 60] [--seed 1]
"""
import argparse
import heapq
import random
import select
import socket
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
    args = parser.parse_args()
    chance = random.Random(args.seed)

    # One socket faces the joining side, one the target, so that the target
    # sees a single peer whatever the joining side's port.
    outer = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
    outer.bind((LOOPBACK, args.listen_port))
    inner = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
    inner.bind((LOOPBACK, 0))
    target = (LOOPBACK, args.target_port)
    joiner = None
    due = []  # (time to send, sequence, socket, data, address)
    sequence = 0
    stop_at = time.monotonic() + args.seconds

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
            elif joiner is not None:
                route = (outer, joiner)
            else:
                continue
            if chance.random() < args.loss:
                continue
            delay = args.delay_ms + chance.uniform(-args.jitter_ms, args.jitter_ms)
            sequence += 1
            heapq.heappush(due, (time.monotonic() + delay / 1000, sequence, route[0], data,
                                 route[1]))


if __name__ == "__main__":
    main()
