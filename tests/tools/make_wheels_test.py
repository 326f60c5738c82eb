#!/usr/bin/env python3
"""The library tool's constructions on the shipped 6 of 49 wheel: its split
is found, and point deletion keeps a "3 if 4" side a "3 if 4" wheel."""
import os
import sys
import unittest

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
sys.path.insert(0, os.path.join(ROOT, "tools"))
import make_wheels  # noqa: E402


def three_if_four(v, tickets):
    return make_wheels.covers(v, tickets, 3, 4)


class Constructions(unittest.TestCase):
    def setUp(self):
        self.v, self.tickets = make_wheels.read_tickets(os.path.join(make_wheels.WHEELS, "ASys043.txt"))

    def test_split_of_the_6_of_49_wheel(self):
        a, left, right = make_wheels.sides_of(self.v, self.tickets)
        self.assertEqual(a, 22)
        self.assertEqual(len(left) + len(right), len(self.tickets))
        self.assertTrue(all(max(x) <= 22 for x in left))
        self.assertTrue(all(1 <= min(x) and max(x) <= 27 for x in right))

    def test_point_deletion_keeps_the_guarantee(self):
        _, _, right = make_wheels.sides_of(self.v, self.tickets)
        self.assertTrue(three_if_four(27, right))
        smaller = make_wheels.delete_point(right, 27)
        self.assertEqual(len(smaller), len(right))
        self.assertTrue(all(len(set(x)) == 6 and max(x) <= 26 for x in smaller))
        self.assertTrue(three_if_four(26, smaller))
        # A side that loses a ticket loses the guarantee: the check can fail.
        self.assertFalse(three_if_four(26, smaller[1:]))


if __name__ == "__main__":
    unittest.main()
