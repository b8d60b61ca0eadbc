#!/usr/bin/python3
"""Checks the form of the program's own help pages.

Usage: check_help_pages.py HELP_ROOT

The program's own pages are main.htm and everything under pomoc/ and ref/ (the PHP
manual under manual/ is delivered apart and is not checked here). The checks:
- the pages the program opens by name exist: the help's main page, the program help,
  the help index and the reference pages of the mini browser's link menu;
- each own page is UTF-8 text, declares <meta charset="utf-8">, has a title, uses a
  local stylesheet and links to the help index, so the user can always get back;
- no own page loads a picture, a script, a style sheet or a frame from another site
  (the help is read without a network);
- every page of pomoc/ is listed in the table of contents or in the index.

Exit status: 0 when every check passes, 1 when one fails, 2 on bad usage.
"""

import os
import posixpath
import sys
import urllib.parse

from check_help_links import _PageParser, _tree_listing

# Pages the program opens itself: the help menu, the self-test and the mini browser.
REQUIRED_PAGES = (
    "main.htm",
    "pomoc/pomoc.htm",
    "pomoc/indeks.htm",
    "ref/html/cover.html",
    "ref/html/references.html",
    "ref/html/conform.html",
    "ref/html/charset.html",
    "ref/html/types.html",
    "ref/xhtml/Overview.html",
    "ref/css/cover.html",
    "ref/css/indexlist.html",
)

INDEX_PAGE = "pomoc/indeks.htm"
CONTENTS_PAGE = "pomoc/pomoc.htm"
OWN_FOLDERS = ("pomoc/", "ref/")

# Tags whose address is loaded with the page rather than followed by the user.
LOADED_RESOURCES = {
    ("img", "src"), ("script", "src"), ("link", "href"), ("iframe", "src"), ("frame", "src"),
    ("embed", "src"), ("source", "src"), ("object", "data"), ("body", "background"),
    ("table", "background"), ("td", "background"), ("input", "src"),
}


class _FormParser(_PageParser):
    def __init__(self):
        super().__init__()
        self.charset = None
        self.title = ""
        self.stylesheets = []
        self._in_title = False

    def handle_starttag(self, tag, attrs):
        super().handle_starttag(tag, attrs)
        values = {name: (value or "") for name, value in attrs}
        if tag == "meta" and "charset" in values:
            self.charset = values["charset"].strip().lower()
        if tag == "link" and "stylesheet" in values.get("rel", "").lower().split():
            self.stylesheets.append(values.get("href", ""))
        if tag == "title":
            self._in_title = True

    handle_startendtag = handle_starttag

    def handle_endtag(self, tag):
        if tag == "title":
            self._in_title = False

    def handle_data(self, data):
        if self._in_title:
            self.title += data


def _is_external(address):
    parts = urllib.parse.urlsplit(address)
    return bool(parts.scheme or parts.netloc)


def _resolve(page, address):
    path = urllib.parse.unquote(urllib.parse.urlsplit(address).path)
    if not path:
        return page
    return posixpath.normpath(posixpath.join(posixpath.dirname(page), path))


def own_pages(files):
    return sorted(
        f for f in files
        if f.lower().endswith((".htm", ".html")) and (f == "main.htm" or f.startswith(OWN_FOLDERS)))


def check_pages(root):
    """Returns the list of faults found (empty when the pages are sound)."""
    faults = []
    files, _ = _tree_listing(root)
    for page in REQUIRED_PAGES:
        if page not in files:
            faults.append(f"{page}: missing (the program opens this page by name)")

    parsed = {}
    for page in own_pages(files):
        with open(os.path.join(root, page), "rb") as f:
            data = f.read()
        try:
            text = data.decode("utf-8")
        except UnicodeDecodeError as error:
            faults.append(f"{page}: not UTF-8 text ({error})")
            continue
        parser = _FormParser()
        parser.feed(text)
        parser.close()
        parsed[page] = parser
        if parser.charset != "utf-8":
            faults.append(f"{page}: no <meta charset=\"utf-8\">")
        if not parser.title.strip():
            faults.append(f"{page}: no title")
        if not any(href and not _is_external(href) for href in parser.stylesheets):
            faults.append(f"{page}: no local stylesheet")
        targets = {_resolve(page, address) for _, tag, _, address in parser.references
                   if tag == "a" and not _is_external(address)}
        if page != INDEX_PAGE and INDEX_PAGE not in targets:
            faults.append(f"{page}: no link to the help index ({INDEX_PAGE})")
        for line, tag, attribute, address in parser.references:
            if (tag, attribute) in LOADED_RESOURCES and _is_external(address):
                faults.append(f"{page}:{line}: <{tag} {attribute}=\"{address}\"> loads from another site")

    listed = set()
    for page in (CONTENTS_PAGE, INDEX_PAGE):
        if page in parsed:
            listed |= {_resolve(page, address) for _, tag, _, address in parsed[page].references
                       if tag == "a" and not _is_external(address)}
    for page in own_pages(files):
        if page.startswith("pomoc/") and page not in (CONTENTS_PAGE, INDEX_PAGE) and page not in listed:
            faults.append(f"{page}: listed neither in {CONTENTS_PAGE} nor in {INDEX_PAGE}")
    return faults


def main(argv):
    if len(argv) != 2 or not os.path.isdir(argv[1]):
        print("usage: check_help_pages.py HELP_ROOT (a folder)", file=sys.stderr)
        return 2
    faults = check_pages(argv[1])
    for fault in faults:
        print(fault)
    files, _ = _tree_listing(argv[1])
    print(f"{len(own_pages(files))} own pages, {len(faults)} faults")
    return 0 if not faults else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv))
