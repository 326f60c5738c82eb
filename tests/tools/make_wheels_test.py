#!/usr/bin/env python3
"""The library tool's constructions on the shipped wheels: the 6 of 49
wheel's split is found, point deletion keeps a "3 if 4" side a "3 if 4"
wheel, and --assemble rebuilds a split wheel from the best sides the others
have. The last needs trimel-wheels, given as the first argument."""
import os
import shutil
import sys
import tempfile
import unittest

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
sys.path.insert(0, os.path.join(ROOT, "tools"))
import make_wheels  # noqa: E402

TOOL = sys.argv[1] if len(sys.argv) > 1 else None


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


@unittest.skipUnless(TOOL, "needs trimel-wheels")
class Assembling(unittest.TestCase):
    def test_a_larger_split_wheel_is_rebuilt_from_the_best_sides(self):
        # The 30-number wheel, a ticket larger: its "3 if 4" side gets one
        # more. The shipped 18-number wheel also falls apart into 12 and 6
        # numbers without being a split; its 6 tickets on 12 must not pass
        # for a "3 if 3" side, or they would hide the real rebuild.
        with tempfile.TemporaryDirectory() as d:
            wheels = os.path.join(d, "wheels")
            shutil.copytree(make_wheels.WHEELS, wheels)
            path = os.path.join(wheels, "ASys024.txt")
            shipped = make_wheels.tickets_in(path)
            v, tickets = make_wheels.read_tickets(path)
            tickets.append((13, 14, 15, 16, 17, 18))
            with open(path, "w", encoding="utf-8") as f:
                f.write(f"larger\n{v}\n{len(tickets)}\n3\n0\n")
                f.write("".join("".join(f"{n:02d}" for n in x) + "\n" for x in tickets))
            saved = make_wheels.WHEELS, make_wheels.LOG
            make_wheels.WHEELS, make_wheels.LOG = wheels, os.path.join(d, "log.txt")
            try:
                make_wheels.assemble(TOOL)
            finally:
                make_wheels.WHEELS, make_wheels.LOG = saved
            self.assertEqual(make_wheels.tickets_in(path), shipped)
            with open(os.path.join(d, "log.txt"), encoding="utf-8") as f:
                self.assertIn("ASys024.txt 3 if 6 on 30: assembled at the split 12, 18", f.read())


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
