#!/usr/bin/env python3
"""Makes the example draw history examples/history-645.txt: a made-up
history of a 6 of 45 game (generated, not real draws; the format has no
room for a comment). The wheel library beside it is made by
tools/make_wheels.py.

Deterministic: the same script writes the same file.
Usage: tools/make_examples.py [examples-folder]
"""
import os
import random
import sys

DRAWS = 300
K, N = 6, 45


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
    os.makedirs(root, exist_ok=True)
    write_history(os.path.join(root, "history-645.txt"))


if __name__ == "__main__":
    main()
