#!/usr/bin/python3
"""Checks the local links and pictures of the delivered help tree.

Usage: check_help_links.py HELP_ROOT

Every .htm and .html file under HELP_ROOT is parsed. Each href, src, background and
object data address that points into the tree must name an existing file, with the
letter case as written (the help is read from case-sensitive file systems), and a
fragment (page.htm#name) must name an id or an <a name> of that page. Addresses with
a scheme (http:, https:, mailto:, ...) are left alone; file: addresses, drive letters
and absolute paths are faults, because they cannot resolve inside the delivered tree.

Two pages of the PHP manual are linked from the help before the manual itself is
delivered: while they are missing they are listed as pending, not as faults. Once
they exist they are checked like every other page.

Exit status: 0 when nothing is broken, 1 when something is, 2 on bad usage.
"""

import html.parser
import os
import posixpath
import sys
import urllib.parse

# Pages of the PHP manual that the help links to while the manual is delivered apart.
PENDING_PAGES = frozenset({"manual/manual.html", "manual/funcref.html"})

PAGE_SUFFIXES = (".htm", ".html")


class _PageParser(html.parser.HTMLParser):
    """Collects the addresses a page refers to and the anchors it defines."""

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.references = []  # (line, tag, attribute, address)
        self.anchors = set()

    def handle_starttag(self, tag, attrs):
        line = self.getpos()[0]
        for name, value in attrs:
            if value is None:
                continue
            if name == "id" or (tag == "a" and name == "name"):
                self.anchors.add(value)
            if name in ("href", "src", "background") or (tag == "object" and name == "data"):
                self.references.append((line, tag, name, value.strip()))

    handle_startendtag = handle_starttag


def _read_text(path):
    with open(path, "rb") as f:
        data = f.read()
    try:
        return data.decode("utf-8")
    except UnicodeDecodeError:
        # Pages in a single-byte code page still carry their addresses in ASCII.
        return data.decode("latin-1")


def _parse(path):
    parser = _PageParser()
    parser.feed(_read_text(path))
    parser.close()
    return parser


class Report:
    def __init__(self):
        self.pages = 0
        self.references = 0
        self.problems = []  # texts naming the page, the line and the fault
        self.pending = set()  # pending manual pages that are linked and missing

    @property
    def ok(self):
        return not self.problems


def _tree_listing(root):
    """Relative paths (with "/") of every file and every folder of the tree."""
    files, folders = set(), set()
    for folder, subfolders, names in os.walk(root):
        rel = os.path.relpath(folder, root)
        rel = "" if rel == "." else rel.replace(os.sep, "/")
        for name in subfolders:
            folders.add(posixpath.join(rel, name))
        for name in names:
            files.add(posixpath.join(rel, name))
    return files, folders


def check_tree(root):
    """Checks every page under root and returns a Report."""
    report = Report()
    files, folders = _tree_listing(root)
    pages = sorted(f for f in files if f.lower().endswith(PAGE_SUFFIXES))
    parsed = {}

    def parse(page):
        if page not in parsed:
            parsed[page] = _parse(os.path.join(root, page))
        return parsed[page]

    def anchors_of(page):
        return parse(page).anchors

    for page in pages:
        report.pages += 1
        for line, tag, attribute, address in parse(page).references:
            report.references += 1
            fault = _check_reference(page, address, files, folders, anchors_of, report)
            if fault:
                report.problems.append(f"{page}:{line}: <{tag} {attribute}=\"{address}\">: {fault}")
    return report


def _check_reference(page, address, files, folders, anchors_of, report):
    """Returns a fault text for one address of a page, or None when it resolves."""
    if not address:
        return None
    parts = urllib.parse.urlsplit(address)
    scheme = parts.scheme.lower()
    if len(scheme) == 1:
        return "a drive letter names a place outside the help tree"
    if scheme == "file":
        return "a file: address names a place outside the help tree"
    if scheme or parts.netloc:
        return None  # another site, a mail address and the like
    path = urllib.parse.unquote(parts.path)
    fragment = urllib.parse.unquote(parts.fragment)
    if not path:
        target = page  # "#name" or "?query" within the same page
    else:
        if path.startswith("/"):
            return "an absolute path names a place outside the help tree"
        if "\\" in path:
            return "a backslash is not a path separator in an address"
        target = posixpath.normpath(posixpath.join(posixpath.dirname(page), path))
        if target == ".." or target.startswith("../"):
            return "the address leaves the help tree"
        if target in folders or target == ".":
            return "the address names a folder, not a page"
        if target not in files:
            if target in PENDING_PAGES:
                report.pending.add(target)
                return None
            near = _same_name_other_case(target, files)
            if near:
                return f"missing: {target} (the tree has {near}; letter case counts)"
            return f"missing: {target}"
    if fragment and target.lower().endswith(PAGE_SUFFIXES):
        if fragment not in anchors_of(target):
            return f"no anchor \"{fragment}\" in {target}"
    return None


def _same_name_other_case(target, files):
    lowered = target.lower()
    for name in sorted(files):
        if name.lower() == lowered:
            return name
    return None


def main(argv):
    if len(argv) != 2 or not os.path.isdir(argv[1]):
        print("usage: check_help_links.py HELP_ROOT (a folder)", file=sys.stderr)
        return 2
    report = check_tree(argv[1])
    for problem in report.problems:
        print(problem)
    for page in sorted(report.pending):
        print(f"pending: {page} is linked but not delivered yet (PHP manual); it is checked once it exists")
    print(f"{report.pages} pages, {report.references} addresses, {len(report.problems)} broken")
    return 0 if report.ok else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv))
