#!/usr/bin/env python3
"""Checks the user guide docs/index.html by hand: every link to a place in
the page has its id, every picture and local link names a file in docs/,
nothing is fetched from elsewhere (scripts, stylesheets, fonts, pictures),
every tag that needs closing is closed, every picture the guide shows
is one that tools/screenshots.cpp takes, and every ticket count of a shipped
wheel it quotes, marked <span data-wheel="V:T">count</span> (or
"V:T+V:T" for a sum), is the count in the wheel files of examples/wheels.

Usage: python3 tools/check_guide.py      (exit code 1 on a fault; CTest runs it)
"""
import re
import sys
from html.parser import HTMLParser
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
DOCS = ROOT / "docs"
VOID = {"meta", "img", "br", "hr", "link", "input", "source", "wbr"}
# Closed implicitly by the next one of their kind or their parent.
OPTIONAL_END = {"li", "p", "tr", "td", "th", "option"}


class Guide(HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.ids, self.anchors, self.files, self.faults = set(), [], [], []
        self.stack = []
        self.counts = []  # (line, "V:T+…", text) of the marked ticket counts
        self.count = None

    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        line = self.getpos()[0]
        if "id" in a:
            if a["id"] in self.ids:
                self.faults.append(f"line {line}: id '{a['id']}' twice")
            self.ids.add(a["id"])
        if tag == "script" or (tag == "link" and a.get("rel") != "icon"):
            self.faults.append(f"line {line}: <{tag}> loads something; the page stands alone")
        for attr in ("src", "href"):
            url = a.get(attr)
            if url is None:
                continue
            if url.startswith("#"):
                self.anchors.append((line, url[1:]))
            elif re.match(r"^[a-z][a-z0-9+.-]*:", url):
                self.faults.append(f"line {line}: {attr}='{url}' leaves the page's folder")
            else:
                self.files.append((line, tag, url))
        if "style" in a and "url(" in a["style"]:
            self.faults.append(f"line {line}: a style loads a url()")
        if "data-wheel" in a:
            self.count = [line, a["data-wheel"], ""]
        if tag not in VOID:
            self.stack.append((tag, line))

    def handle_endtag(self, tag):
        line = self.getpos()[0]
        if tag == "span" and self.count:
            self.counts.append(tuple(self.count))
            self.count = None
        while self.stack and self.stack[-1][0] != tag and self.stack[-1][0] in OPTIONAL_END:
            self.stack.pop()
        if not self.stack or self.stack[-1][0] != tag:
            self.faults.append(f"line {line}: </{tag}> closes nothing open")
            return
        self.stack.pop()

    def handle_data(self, data):
        if self.count:
            self.count[2] += data
        if self.stack and self.stack[-1][0] == "style" and re.search(r"url\(|@import|@font-face", data):
            self.faults.append("the stylesheet loads something from elsewhere")


def library_counts():
    """Ticket counts of the shipped wheels by (numbers, guarantee), read
    from the header as the program reads it; the smallest where two match."""
    counts = {}
    for path in sorted((ROOT / "examples" / "wheels").iterdir()):
        if not re.fullmatch(r"(?i)asys[^.]{0,3}(\..*)?", path.name):
            continue
        lines = path.read_text(encoding="utf-8", errors="replace").splitlines()
        v, tickets, t = (int(x) for x in lines[1:4])
        counts[(v, t)] = min(tickets, counts.get((v, t), tickets))
    return counts


def count_faults(marked):
    counts, faults = library_counts(), []
    for line, wheels, text in marked:
        total = 0
        for wheel in wheels.split("+"):
            m = re.fullmatch(r"(\d+):(\d)", wheel)
            key = m and (int(m.group(1)), int(m.group(2)))
            if key not in counts:
                faults.append(f"line {line}: no wheel {wheel} in examples/wheels")
                break
            total += counts[key]
        else:
            if text.strip() != str(total):
                faults.append(f"line {line}: '{text}' tickets for {wheels}, the library has {total}")
    return faults


def main():
    page = DOCS / "index.html"
    guide = Guide()
    guide.feed(page.read_text(encoding="utf-8"))
    guide.close()
    faults = guide.faults
    faults += [f"line {l}: </{t}> missing (opened here)" for t, l in guide.stack if t not in OPTIONAL_END]
    faults += [f"line {l}: link to '#{a}', no such id" for l, a in guide.anchors if a not in guide.ids]
    shown = set()
    for line, tag, url in guide.files:
        path = (DOCS / url.split("#")[0]).resolve()
        if not path.is_file() or DOCS.resolve() not in path.parents:
            faults.append(f"line {line}: '{url}' is not a file in docs/")
        if tag == "img":
            shown.add(Path(url).name)
    taken = set(re.findall(r'"([\w-]+\.png)"', (ROOT / "tools" / "screenshots.cpp").read_text()))
    faults += [f"picture {p} is not taken by tools/screenshots.cpp" for p in sorted(shown - taken)]
    faults += count_faults(guide.counts)
    for f in faults:
        print(f"docs/index.html: {f}")
    print(f"{len(guide.anchors)} links within the page, {len(guide.files)} to files, "
          f"{len(shown)} pictures, {len(guide.counts)} ticket counts; {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
