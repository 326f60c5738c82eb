#!/usr/bin/env python3
"""Makes the bundled example data in examples/.

- examples/history-645.txt: a made-up draw history of a 6 of 45 game
  (generated, not real draws; the format has no room for a comment).
- examples/wheels/ASys00N.txt: small covering systems found by a greedy
  search: every six of the wheel's numbers share at least `guarantee`
  numbers with one of its tickets.

Deterministic: the same script writes the same files.
Usage: tools/make_examples.py [examples-folder]
"""
import itertools
import os
import random
import sys

# (number count, guarantee)
WHEELS = [(8, 5), (9, 5), (9, 4), (10, 4), (11, 3), (13, 3), (14, 3)]
DRAWS = 300
K, N = 6, 45


def greedy_wheel(v, g):
    subsets = [frozenset(c) for c in itertools.combinations(range(1, v + 1), 6)]
    masks = [sum(1 << (x - 1) for x in s) for s in subsets]
    uncovered = set(range(len(masks)))
    tickets = []
    while uncovered:
        best, best_cover = None, None
        for i, m in enumerate(masks):
            cover = {j for j in uncovered if bin(m & masks[j]).count("1") >= g}
            if best_cover is None or len(cover) > len(best_cover):
                best, best_cover = i, cover
        tickets.append(sorted(subsets[best]))
        uncovered -= best_cover
    return tickets


def write_wheel(path, v, g, tickets):
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write(f"Система на {v} чисел: билетов - {len(tickets)}, гарантия {g} из 6\n")
        f.write(f"{v}\n{len(tickets)}\n{g}\n0\n")
        for t in tickets:
            f.write("".join(f"{p:02d}" for p in t) + "\n")


def write_history(path):
    rng = random.Random(20040201)
    with open(path, "w", encoding="ascii", newline="\n") as f:
        f.write(f"{K:02d} {N:02d}\n")
        for i in range(1, DRAWS + 1):
            drawn = rng.sample(range(1, N + 1), K + 1)
            nums, bonus = sorted(drawn[:K]), drawn[K]
            f.write(f"{i:04d}  " + "".join(f"{n:02d}" for n in nums) + f" {bonus:02d}\n")


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "examples")
    os.makedirs(os.path.join(root, "wheels"), exist_ok=True)
    for i, (v, g) in enumerate(WHEELS, start=1):
        write_wheel(os.path.join(root, "wheels", f"ASys{i:03d}.txt"), v, g, greedy_wheel(v, g))
    write_history(os.path.join(root, "history-645.txt"))


if __name__ == "__main__":
    main()
