#!/usr/bin/python3
"""Checks of the PHP function catalogues and the PHP manual pages.

  check_catalogue.py sample --generator G --fixture F --work W [--update]
      Runs the generator on a few functions whose signatures PHP 8 keeps stable and compares
      the output, byte for byte, with the fixture tree; then checks its format and its links.
      --update writes the fresh output over the fixture (after a person has read the diff).
  check_catalogue.py delivered --program P --generator G --work W
      Checks the catalogues and manual delivered in the program tree: format, a page for every
      entry, the pages the program asks for, links. When the running PHP is the one the tree was
      generated from, also regenerates the tree and compares it byte for byte.

Exit status: 0 passed, 1 failed, 77 skipped (no php for the sample).
"""

import argparse
import difflib
import html.parser
import os
import re
import shutil
import subprocess
import sys

SKIP = 77
SAMPLE = ["strlen", "str_replace", "array_map", "preg_match"]
SAMPLE_VERSION = "8.x"

# The pages the program asks for by name: the hint window's control-structure table, and the
# pages of the mini browser's link menu under pomoc/manual.
CONTROL_PAGES = {
    "if": "control-structures.html",
    "else": "control-structures.else.html",
    "elseif": "control-structures.elseif.html",
    "while": "control-structures.while.html",
    "do": "control-structures.do.while.html",
    "for": "control-structures.for.html",
    "break": "control-structures.break.html",
    "continue": "control-structures.continue.html",
    "switch": "control-structures.switch.html",
    "require": "function.require.html",
    "include": "function.include.html",
    "function": "functions.html",
    "class": "oop.html",
}
MENU_PAGES = [
    "manual.html", "getting-started.html", "langref.html", "features.html", "funcref.html",
    "appendixes.html",
    "ref.adabas.html", "ref.apache.html", "ref.array.html", "ref.aspell.html", "ref.bc.html",
    "ref.calendar.html", "ref.cpdf.html", "ref.zlib.html", "ref.datetime.html", "ref.dba.html",
    "ref.dbase.html", "ref.dbm.html", "ref.dir.html", "ref.dl.html", "ref.exec.html",
    "ref.fdf.html", "ref.mcrypt.html", "ref.filepro.html", "ref.filesystem.html", "ref.http.html",
    "ref.hyperwave.html", "ref.icap.html", "ref.image.html", "ref.imap.html", "ref.info.html",
    "ref.ifx.html", "ref.ibase.html", "ref.ldap.html", "ref.mail.html", "ref.math.html",
    "ref.mhash.html", "ref.misc.html", "ref.msql.html", "ref.mssql.html", "ref.mysql.html",
    "ref.sybase.html", "ref.network.html", "ref.nis.html", "ref.odbc.html", "ref.oracle.html",
    "ref.oci8.html", "ref.pcre.html", "ref.pdf.html", "ref.pgsql.html", "ref.regex.html",
    "ref.sem.html", "ref.session.html", "ref.solid.html", "ref.snmp.html", "ref.strings.html",
    "ref.url.html", "ref.var.html", "ref.vmailmgr.html", "ref.wddx.html", "ref.xml.html",
]
CATALOGUES = ["data/functions.dat", "data/functions2.dat"]
ENTRY = re.compile(r"^([a-z_][a-z0-9_]*)\((.*)\)$")


class Failures:
    def __init__(self):
        self.items = []

    def add(self, text):
        self.items.append(text)

    def report(self):
        for item in self.items[:60]:
            print("FAIL:", item)
        if len(self.items) > 60:
            print("FAIL: ... and %d more" % (len(self.items) - 60))
        return 1 if self.items else 0


def read_catalogue(path, failures):
    """Reads a catalogue by its format: Windows-1250, CR LF, groups of a start line, a name line,
    entries and an end line. Returns [(title, [entry, ...]), ...]."""
    data = open(path, "rb").read()
    name = os.path.basename(path)
    try:
        text = data.decode("cp1250")
    except UnicodeDecodeError as error:
        failures.add("%s: not Windows-1250 text (%s)" % (name, error))
        return []
    if not text.endswith("\r\n"):
        failures.add("%s: the last line is not ended by CR LF" % name)
    lines = text.split("\r\n")[:-1] if text.endswith("\r\n") else text.split("\r\n")
    for number, line in enumerate(lines, 1):
        if "\r" in line or "\n" in line:
            failures.add("%s:%d: a line end other than CR LF" % (name, number))
            return []
    groups = []
    i = 0
    while i < len(lines):
        if "#zksubtreebegin" not in lines[i].lower():
            failures.add("%s:%d: a start line expected, found %r" % (name, i + 1, lines[i]))
            return groups
        if i + 1 >= len(lines) or not lines[i + 1].lower().startswith("#zksubtreename("):
            failures.add("%s:%d: the group has no name line" % (name, i + 2))
            return groups
        match = re.fullmatch(r"#zksubtreename\(([^()]+)\)", lines[i + 1])
        if not match:
            failures.add("%s:%d: a malformed name line %r" % (name, i + 2, lines[i + 1]))
            return groups
        title = match.group(1)
        entries = []
        i += 2
        while i < len(lines) and "#zksubtreeend" not in lines[i].lower():
            if "#zksubtree" in lines[i].lower():
                failures.add("%s:%d: a marker inside a group: %r" % (name, i + 1, lines[i]))
            elif not ENTRY.match(lines[i]):
                failures.add("%s:%d: not a function entry: %r" % (name, i + 1, lines[i]))
            entries.append(lines[i])
            i += 1
        if i >= len(lines):
            failures.add("%s: the group %r has no end line" % (name, title))
            return groups
        if not entries:
            failures.add("%s: the group %r is empty" % (name, title))
        if entries != sorted(entries):
            failures.add("%s: the entries of %r are not sorted" % (name, title))
        groups.append((title, entries))
        i += 1
    titles = [title.lower() for title, _ in groups]
    if len(set(titles)) != len(titles):
        failures.add("%s: two groups have the same title" % name)
    return groups


class PageParser(html.parser.HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.links = []
        self.ids = set()
        self.charset = None

    def handle_starttag(self, tag, attrs):
        attributes = dict(attrs)
        if "id" in attributes:
            self.ids.add(attributes["id"])
        if tag == "meta" and "charset" in attributes:
            self.charset = attributes["charset"].lower()
        for name in ("href", "src"):
            if attributes.get(name) is not None:
                self.links.append(attributes[name])


def check_pages(manual, failures):
    """Every page is UTF-8 and says so; every local link names an existing file and, with a
    fragment, an id on that page."""
    pages = {}
    for name in sorted(os.listdir(manual)):
        if not name.endswith(".html"):
            continue
        path = os.path.join(manual, name)
        try:
            text = open(path, "rb").read().decode("utf-8")
        except UnicodeDecodeError:
            failures.add("%s: not UTF-8" % name)
            continue
        parser = PageParser()
        parser.feed(text)
        if parser.charset != "utf-8":
            failures.add("%s: does not state its charset as utf-8" % name)
        pages[name] = parser
    for name, parser in pages.items():
        for link in parser.links:
            if re.match(r"^[a-zA-Z][a-zA-Z0-9+.-]*:", link):
                continue
            target, _, fragment = link.partition("#")
            target_name = name if target == "" else os.path.normpath(target)
            if not os.path.isfile(os.path.join(manual, target_name)):
                failures.add("%s: the link %r leads nowhere" % (name, link))
            elif fragment and (target_name not in pages or fragment not in pages[target_name].ids):
                failures.add("%s: the link %r names no id on its page" % (name, link))
    return pages


def check_tree(root, failures):
    """The format, the pages of the entries and the named pages, the links."""
    manual = os.path.join(root, "pomoc", "manual")
    for catalogue in CATALOGUES:
        path = os.path.join(root, catalogue)
        if not os.path.isfile(path):
            failures.add("%s is missing" % catalogue)
            continue
        for title, entries in read_catalogue(path, failures):
            for entry in entries:
                match = ENTRY.match(entry)
                if match:
                    page = "function.%s.html" % match.group(1).replace("_", "-")
                    if not os.path.isfile(os.path.join(manual, page)):
                        failures.add("%s: %s has no page %s" % (catalogue, match.group(1), page))
    for word, page in CONTROL_PAGES.items():
        if not os.path.isfile(os.path.join(manual, page)):
            failures.add("no page %s for the word %r" % (page, word))
    for page in MENU_PAGES:
        if not os.path.isfile(os.path.join(manual, page)):
            failures.add("no page %s for the link menu" % page)
    if os.path.isdir(manual):
        check_pages(manual, failures)


def tree_files(root):
    files = []
    for base in ("data", os.path.join("pomoc", "manual")):
        top = os.path.join(root, base)
        if not os.path.isdir(top):
            continue
        for name in sorted(os.listdir(top)):
            if base == "data" and name not in ("functions.dat", "functions2.dat"):
                continue
            files.append(os.path.join(base, name))
    return files


def compare_trees(fresh, expected, failures):
    fresh_files = tree_files(fresh)
    expected_files = tree_files(expected)
    for name in sorted(set(expected_files) - set(fresh_files)):
        failures.add("%s is no longer generated" % name)
    for name in sorted(set(fresh_files) - set(expected_files)):
        failures.add("%s is generated but not expected" % name)
    shown = 0
    for name in sorted(set(fresh_files) & set(expected_files)):
        new = open(os.path.join(fresh, name), "rb").read()
        old = open(os.path.join(expected, name), "rb").read()
        if new == old:
            continue
        failures.add("%s differs" % name)
        if shown < 3:
            shown += 1
            codec = "cp1250" if name.endswith(".dat") else "utf-8"
            diff = difflib.unified_diff(
                old.decode(codec, "replace").splitlines(True), new.decode(codec, "replace").splitlines(True),
                "expected/" + name, "generated/" + name, n=1)
            sys.stdout.writelines(list(diff)[:40])


def run_generator(php, generator, out, extra):
    if os.path.isdir(out):
        shutil.rmtree(out)
    os.makedirs(out)
    command = [php, generator, "--out=" + out] + extra
    result = subprocess.run(command, capture_output=True, text=True)
    if result.returncode != 0:
        print(result.stdout + result.stderr)
        raise SystemExit("the generator failed (%d): %s" % (result.returncode, " ".join(command)))
    return result.stderr


def generator_stamp(manual_page):
    if not os.path.isfile(manual_page):
        return None
    match = re.search(r'<meta name="generator" content="([^"]*)">', open(manual_page, encoding="utf-8").read())
    return match.group(1) if match else None


def sample(args):
    php = shutil.which("php")
    if php is None:
        print("SKIPPED: php is not installed (Debian package php-cli); the catalogue generator needs it")
        return SKIP
    failures = Failures()
    if os.path.isdir(args.work + "-refused"):
        shutil.rmtree(args.work + "-refused")
    run_generator(php, args.generator, args.work, ["--only=" + ",".join(SAMPLE), "--php-version=" + SAMPLE_VERSION])
    if args.update:
        for name in tree_files(args.fixture):
            os.remove(os.path.join(args.fixture, name))
        for name in tree_files(args.work):
            os.makedirs(os.path.dirname(os.path.join(args.fixture, name)), exist_ok=True)
            shutil.copyfile(os.path.join(args.work, name), os.path.join(args.fixture, name))
        print("fixture updated from", args.work)
        return 0
    compare_trees(args.work, args.fixture, failures)
    check_tree(args.work, failures)
    # The sample catalogues hold exactly the sample, each function once in functions2.dat.
    all_entries = [e for _, entries in read_catalogue(os.path.join(args.work, CATALOGUES[1]), failures) for e in entries]
    names = sorted(ENTRY.match(e).group(1) for e in all_entries if ENTRY.match(e))
    if names != sorted(SAMPLE):
        failures.add("functions2.dat holds %s, not the sample" % names)
    # The generator refuses unknown names and a sample written over the delivered tree.
    for extra, what in ((["--only=strlen,no_such_function_here"], "an unknown function"),
                        (["--only=strlen", "--bogus"], "an unknown option")):
        result = subprocess.run([php, args.generator, "--out=" + args.work + "-refused"] + extra,
                                capture_output=True, text=True)
        if result.returncode == 0:
            failures.add("the generator accepted %s" % what)
    # A copy of the generator, so that a sample written over "its" program tree lands here.
    copy = os.path.join(args.work + "-refused", "tools", "php-catalogue")
    shutil.copytree(os.path.dirname(os.path.abspath(args.generator)), copy, dirs_exist_ok=True)
    result = subprocess.run([php, os.path.join(copy, os.path.basename(args.generator)), "--only=strlen"],
                            capture_output=True, text=True)
    if result.returncode == 0 or os.path.exists(os.path.join(args.work + "-refused", "program")):
        failures.add("the generator wrote a sample without --out")
    status = failures.report()
    if status == 0:
        print("sample catalogue matches %s; links resolve" % args.fixture)
    return status


def delivered(args):
    failures = Failures()
    check_tree(args.program, failures)
    php = shutil.which("php")
    manual_page = os.path.join(args.program, "pomoc", "manual", "manual.html")
    stamp = generator_stamp(manual_page)
    if stamp is None:
        failures.add("manual.html does not name the PHP it was generated from")
    elif php is None:
        print("note: php is not installed, so the delivered tree was not regenerated for comparison")
    else:
        warnings = run_generator(php, args.generator, args.work, [])
        fresh = generator_stamp(os.path.join(args.work, "pomoc", "manual", "manual.html"))
        if fresh != stamp:
            print("note: the delivered tree comes from %r, this machine has %r;" % (stamp, fresh))
            print("      it was not compared with a fresh generation")
        else:
            if warnings:
                failures.add("the generator warns: " + warnings.strip())
            compare_trees(args.work, args.program, failures)
            if failures.items:
                print("the generator's output differs from the delivered tree: "
                      "run tools/php-catalogue/generate.sh and commit the result")
    status = failures.report()
    if status == 0:
        print("delivered catalogues and manual pages are consistent")
    return status


def main():
    parser = argparse.ArgumentParser()
    commands = parser.add_subparsers(dest="command", required=True)
    one = commands.add_parser("sample")
    one.add_argument("--generator", required=True)
    one.add_argument("--fixture", required=True)
    one.add_argument("--work", required=True)
    one.add_argument("--update", action="store_true")
    two = commands.add_parser("delivered")
    two.add_argument("--program", required=True)
    two.add_argument("--generator", required=True)
    two.add_argument("--work", required=True)
    args = parser.parse_args()
    return sample(args) if args.command == "sample" else delivered(args)


if __name__ == "__main__":
    sys.exit(main())
