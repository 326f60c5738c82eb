#!/usr/bin/env python3
"""Makes the shipped wheel library examples/wheels/ with trimel-wheels.

Every wheel is searched anew with the given time; the result replaces the
shipped file only when it has fewer tickets (or no file is there yet), so
the script can be run again and again to improve the library. Afterwards
it writes the size records tools/wheel-sizes.txt and the README table
from them.

The library, in file-name order: guarantee 3 on 7..49 numbers, guarantee 4
on 7..30, guarantee 5 on 7..20. Not run in CI: a full run takes hours.

Every search is logged, with what it spent and what it found, in
tools/wheel-searches.txt.

Usage: tools/make_wheels.py [--tool PATH] [--seconds S] [--seed S] [--method M] [--jobs N]
                            [--group G] [--only T:V1-V2 …] [--improve] [--split A] [--assemble]
                            [--table-only]
  --only 3:20-49   search only these wheels (guarantee 3, 20..49 numbers)
  --improve        shrink the shipped wheel further (split wheels side by side),
                   or the one on a number more when it is smaller
  --split A        split "3 if 6" wheels into A numbers and the rest
  --method M       the tool's search method (default: the tool chooses)
  --jobs N         cores each search uses (default: the tool's, all)
  --group G        the orbit search's only group, as the tool's --group takes it
  --assemble       search nothing; build each split "3 if 6" wheel anew from the
                   smallest sides any shipped split wheel has, cut down to size by
                   point deletion, at every split
  --table-only     search nothing; rewrite the records and the table
"""
import argparse
import itertools
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
WHEELS = os.path.join(ROOT, "examples", "wheels")
SIZES = os.path.join(ROOT, "tools", "wheel-sizes.txt")
LOG = os.path.join(ROOT, "tools", "wheel-searches.txt")
README = os.path.join(ROOT, "README.md")
LIBRARY = [(3, v) for v in range(7, 50)] + [(4, v) for v in range(7, 31)] + [(5, v) for v in range(7, 21)]

# Smallest known sizes (published tables; split bound for "3 if 6" above 25).
KNOWN = {
    3: [1, 1, 1, 2, 2, 2, 2, 4, 4, 5, 6, 7, 9, 10, 13, 15, 17, 20, 22,
        25, 27, 31, 35, 39, 45, 49, 55, 60, 65, 71, 77, 83, 88, 94, 102, 109, 116, 123, 131, 138, 145, 163, 163],
    4: [1, 1, 3, 3, 5, 6, 10, 14, 19, 25, 33, 42, 53, 66, 80, 101, 121, 143, 166],
    5: [1, 4, 7, 14, 22, 38, 61, 98, 142, 223, 332, 471, 646, 844],
}


def known(t, v):
    table = KNOWN[t]
    return table[v - 7] if v - 7 < len(table) else None


def file_name(index):
    return f"ASys{index:03d}.txt"


def tickets_in(path):
    """The ticket count in a wheel file's header, None when there is no file."""
    if not os.path.exists(path):
        return None
    with open(path, encoding="utf-8") as f:
        lines = f.read().split("\n")
    return int(lines[2])


def wanted(only, t, v):
    if not only:
        return True
    for item in only:
        m = re.fullmatch(r"(\d):(\d+)(?:-(\d+))?", item)
        if not m:
            sys.exit(f"--only {item}: expected T:V or T:V1-V2")
        lo = int(m.group(2))
        hi = int(m.group(3) or lo)
        if int(m.group(1)) == t and lo <= v <= hi:
            return True
    return False


def log(line):
    with open(LOG, "a", encoding="utf-8", newline="\n") as f:
        f.write(line + "\n")


def start_for(t, v, path):
    """The wheel to shrink: the shipped one, or the one on a number more
    when it is smaller (the tool cuts it down by point deletion)."""
    if (t, v + 1) in LIBRARY:
        bigger = os.path.join(WHEELS, file_name(LIBRARY.index((t, v + 1)) + 1))
        if tickets_in(bigger) is not None and (tickets_in(path) is None or tickets_in(bigger) < tickets_in(path)):
            return bigger
    return path


def search(tool, t, v, path, seconds, seed, improve, split, method=None, jobs=None, group=None):
    with tempfile.NamedTemporaryFile(suffix=".txt", delete=False) as tmp:
        out = tmp.name
    cmd = ["nice", "-n", "19", tool, "make", "--numbers", str(v), "--guarantee", str(t),
           "--seconds", str(seconds), "--seed", str(seed), "-o", out, "--force"]
    if split is not None and t == 3 and 6 <= split <= v - 6:
        cmd += ["--split", str(split)]
    if improve and os.path.exists(path) and split is None:
        cmd += ["--from", start_for(t, v, path)]
    if method:
        cmd += ["--method", method]
    if jobs:
        cmd += ["--jobs", str(jobs)]
    if group:
        cmd += ["--group", group]
    began = time.time()
    result = subprocess.run(cmd, stderr=subprocess.PIPE, text=True)
    spent = time.time() - began
    if result.returncode != 0:
        print(result.stderr, file=sys.stderr)
        os.unlink(out)
        return
    new, old = tickets_in(out), tickets_in(path)
    log(f"{time.strftime('%Y-%m-%d %H:%M')} {os.path.basename(path)} {t} if 6 on {v}: "
        f"{method or 'auto'}{' under ' + group if group else ''}, {jobs or 'all'} cores, {spent:.0f} s, seed {seed}"
        f"{', from ' + os.path.basename(cmd[cmd.index('--from') + 1]) if '--from' in cmd else ''}: {old} -> {new}")
    if old is None or new < old:
        os.replace(out, path)
        print(f"{os.path.basename(path)}: {t} if 6 on {v}: {old} -> {new}", flush=True)
    else:
        os.unlink(out)
        print(f"{os.path.basename(path)}: {t} if 6 on {v}: kept {old} (found {new})", flush=True)


def read_tickets(path):
    with open(path, encoding="utf-8") as f:
        lines = f.read().split("\n")
    count = int(lines[2])
    return int(lines[1]), [tuple(int(line[j:j + 2]) for j in range(0, 12, 2)) for line in lines[5:5 + count]]


def sides_of(v, tickets):
    """(a, left, right) when every ticket lies within 1..a or within a+1..v;
    the right side's numbers shifted to start at 1."""
    for a in range(6, v - 5):
        left = [x for x in tickets if max(x) <= a]
        right = [tuple(n - a for n in x) for x in tickets if min(x) > a]
        if left and right and len(left) + len(right) == len(tickets):
            return a, left, right
    return None


def covers(v, tickets, t, p):
    """Whether every p of 1..v meet some ticket in t numbers: the "3 if 3"
    side of a split (t = p = 3) or its "3 if 4" side (t = 3, p = 4)."""
    covered = {c for x in tickets for c in itertools.combinations(sorted(x), t)}
    return all(any(c in covered for c in itertools.combinations(s, t))
               for s in itertools.combinations(range(1, v + 1), p))


def delete_point(tickets, v):
    """The same wheel on v - 1 numbers: number v becomes, in each ticket, the
    smallest number the ticket lacks. Every ticket meets each draw of the
    other numbers in at least what it met before."""
    out = []
    for x in tickets:
        if v in x:
            x = tuple(sorted([n for n in x if n != v] + [min(set(range(1, v)) - set(x))]))
        out.append(x)
    return out


def assemble(tool):
    """Each split "3 if 6" wheel from the smallest sides found in any of
    them, at the split that gives the fewest tickets; checked by the tool."""
    found = {}
    for i, (t, v) in enumerate(LIBRARY, start=1):
        path = os.path.join(WHEELS, file_name(i))
        if t == 3 and os.path.exists(path):
            n, tickets = read_tickets(path)
            split = sides_of(n, tickets)
            # Only a wheel made by a split has sides worth taking.
            if split and covers(split[0], split[1], 3, 3) and covers(v - split[0], split[2], 3, 4):
                found[(t, v)] = (i, split)
    lefts, rights = {}, {}  # size -> (tickets, where from)
    for (t, v), (i, (a, left, right)) in found.items():
        if a not in lefts or len(left) < len(lefts[a][0]):
            lefts[a] = (left, file_name(i))
        if v - a not in rights or len(right) < len(rights[v - a][0]):
            rights[v - a] = (right, file_name(i))
    for pool in (lefts, rights):
        for size in range(max(pool), 6, -1):
            if size in pool:
                smaller = delete_point(pool[size][0], size)
                if size - 1 not in pool or len(smaller) < len(pool[size - 1][0]):
                    pool[size - 1] = (smaller, pool[size][1])
    for (t, v), (i, _) in sorted(found.items()):
        path = os.path.join(WHEELS, file_name(i))
        best = None
        for a in range(6, v - 5):
            if a in lefts and v - a in rights:
                size = len(lefts[a][0]) + len(rights[v - a][0])
                if best is None or size < best[0]:
                    best = (size, a)
        if best is None or best[0] >= tickets_in(path):
            continue
        size, a = best
        tickets = lefts[a][0] + [tuple(n + a for n in x) for x in rights[v - a][0]]
        with tempfile.NamedTemporaryFile("w", suffix=".txt", delete=False, encoding="utf-8") as tmp:
            tmp.write(f"assembled\n{v}\n{len(tickets)}\n3\n0\n")
            tmp.write("".join("".join(f"{n:02d}" for n in x) + "\n" for x in tickets))
            start = tmp.name
        out = start + ".out"
        # The tool writes the wheel as every wheel is written, after checking it.
        result = subprocess.run([tool, "make", "--numbers", str(v), "--guarantee", "3", "--seconds", "1",
                                 "--jobs", "1", "--from", start, "-o", out, "--force"],
                                stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        os.unlink(start)
        if result.returncode != 0 or tickets_in(out) is None or tickets_in(out) >= tickets_in(path):
            print(result.stderr, file=sys.stderr)
            if os.path.exists(out):
                os.unlink(out)
            continue
        old, new = tickets_in(path), tickets_in(out)
        log(f"{time.strftime('%Y-%m-%d %H:%M')} {file_name(i)} 3 if 6 on {v}: assembled at the split {a}, "
            f"{v - a} from {lefts[a][1]} and {rights[v - a][1]}: {old} -> {new}")
        os.replace(out, path)
        print(f"{file_name(i)}: 3 if 6 on {v}: {old} -> {new} (assembled)", flush=True)


def replace_file(path, text):
    """Writes the file whole through a temporary one, so that another run
    reading it meanwhile (two runs on two cores) never sees half of it."""
    with tempfile.NamedTemporaryFile("w", encoding="utf-8", newline="\n", delete=False,
                                     dir=os.path.dirname(path), suffix=".tmp") as f:
        f.write(text)
    if os.path.exists(path):
        shutil.copymode(path, f.name)
    os.replace(f.name, path)


def write_records():
    rows = []
    for i, (t, v) in enumerate(LIBRARY, start=1):
        name = file_name(i)
        rows.append((name, v, t, tickets_in(os.path.join(WHEELS, name)), known(t, v)))
    replace_file(SIZES, "# The shipped wheels: file, numbers, guarantee, tickets, smallest known size (- none).\n"
                 "# A test checks that no wheel has more tickets than recorded here.\n"
                 + "".join(f"{name} {v} {t} {b} {k if k else '-'}\n" for name, v, t, b, k in rows))
    return rows


def write_table(rows):
    # One row per number count; a cell is "tickets / best known (+gap)".
    cells = {}
    for name, v, t, b, k in rows:
        gap = f" (+{b - k})" if k and b > k else ""
        cells[(v, t)] = f"{b} / {k if k else '–'}{gap}"
    lines = ["| numbers | 3 if 6 | 4 if 6 | 5 if 6 |", "|---|---|---|---|"]
    for v in sorted({v for _, v, _, _, _ in rows}):
        lines.append(f"| {v} | " + " | ".join(cells.get((v, t), "") for t in (3, 4, 5)) + " |")
    with open(README, encoding="utf-8") as f:
        text = f.read()
    begin, end = "<!-- wheel table: tools/make_wheels.py -->", "<!-- end of wheel table -->"
    if begin not in text or end not in text:
        sys.exit("README.md has no wheel table markers")
    head, rest = text.split(begin, 1)
    _, tail = rest.split(end, 1)
    replace_file(README, head + begin + "\n" + "\n".join(lines) + "\n" + end + tail)


def main():
    ap = argparse.ArgumentParser(description="Makes the wheel library.")
    ap.add_argument("--tool", default=os.path.join(ROOT, "build", "wheeltool", "trimel-wheels"))
    ap.add_argument("--seconds", type=int, default=60)
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("--only", nargs="*")
    ap.add_argument("--improve", action="store_true")
    ap.add_argument("--split", type=int, help="numbers of the first part of split wheels")
    ap.add_argument("--method")
    ap.add_argument("--jobs", type=int)
    ap.add_argument("--group")
    ap.add_argument("--assemble", action="store_true")
    ap.add_argument("--table-only", action="store_true")
    args = ap.parse_args()
    os.makedirs(WHEELS, exist_ok=True)
    if args.assemble:
        assemble(args.tool)
    elif not args.table_only:
        for i, (t, v) in enumerate(LIBRARY, start=1):
            if wanted(args.only, t, v):
                search(args.tool, t, v, os.path.join(WHEELS, file_name(i)), args.seconds, args.seed, args.improve,
                       args.split, args.method, args.jobs, args.group)
    write_table(write_records())


if __name__ == "__main__":
    main()
