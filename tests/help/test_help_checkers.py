#!/usr/bin/python3
"""Tests of the help checkers on small trees made for each case."""

import os
import subprocess
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import check_help_links  # noqa: E402
import check_help_pages  # noqa: E402


def make_tree(root, files):
    for name, content in files.items():
        path = os.path.join(root, *name.split("/"))
        os.makedirs(os.path.dirname(path), exist_ok=True)
        if name.endswith("/"):
            continue
        with open(path, "wb") as f:
            f.write(content if isinstance(content, bytes) else content.encode("utf-8"))


def page(body):
    return f"<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>t</title></head><body>{body}</body></html>"


# A tree in which every kind of address resolves.
SOUND = {
    "index.htm": page(
        '<a id="top"></a><a href="a.htm">a</a> <a href="a.htm#sec">a/sec</a> <a href="#top">up</a>'
        '<img src="img/p.png"> <a href="sub/b.htm">b</a> <a href="http://example.org/x.htm">ext</a>'
        '<a href="https://example.org/">ext</a> <a href="mailto:a@example.org">mail</a>'
        '<a href="//example.org/y.htm">ext</a> <a href="my%20page.htm">space</a> <a href="a.htm?x=1">query</a>'
        '<a href="">self</a>'),
    "a.htm": page('<h2 id="sec">S</h2><a name="old">old</a> <a href="index.htm#top">back</a>'),
    "my page.htm": page("x"),
    "sub/b.htm": page('<link rel="stylesheet" href="../s.css"><a href="../a.htm#old">a</a>'),
    "s.css": "body{}",
    "img/p.png": b"\x89PNG",
}


class CheckTreeTest(unittest.TestCase):
    def check(self, extra_files, removed=()):
        with tempfile.TemporaryDirectory() as root:
            files = dict(SOUND)
            files.update(extra_files)
            for name in removed:
                files.pop(name)
            make_tree(root, files)
            return check_help_links.check_tree(root)

    def test_sound_tree_has_no_problems(self):
        report = self.check({})
        self.assertEqual(report.problems, [])
        self.assertEqual(report.pages, 4)
        self.assertEqual(report.references, 15)

    def test_each_fault_is_named(self):
        cases = [
            ('<a href="missing.htm">x</a>', "missing: missing.htm"),
            ('<img src="img/none.png">', "missing: img/none.png"),
            ('<img src="Img/P.png">', "missing: Img/P.png (the tree has img/p.png; letter case counts)"),
            ('<a href="A.htm">x</a>', "the tree has a.htm"),
            ('<a href="a.htm#nowhere">x</a>', 'no anchor "nowhere" in a.htm'),
            ('<a href="#nowhere">x</a>', 'no anchor "nowhere" in c.htm'),
            ('<a href="../outside.htm">x</a>', "leaves the help tree"),
            ('<a href="/etc/passwd">x</a>', "absolute path"),
            ('<a href="file:///usr/share/doc/x.html">x</a>', "file: address"),
            ('<img src="C:\\pomoc\\x.png">', "drive letter"),
            ('<a href="sub\\b.htm">x</a>', "backslash"),
            ('<a href="sub/">x</a>', "names a folder"),
            ('<link rel="stylesheet" href="styl.css">', "missing: styl.css"),
            ('<table background="img/tlo.gif"><tr><td>x</td></tr></table>', "missing: img/tlo.gif"),
        ]
        for body, expected in cases:
            with self.subTest(body=body):
                report = self.check({"c.htm": page(body)})
                self.assertEqual(len(report.problems), 1, report.problems)
                self.assertIn(expected, report.problems[0])
                self.assertTrue(report.problems[0].startswith("c.htm:1: "), report.problems[0])

    def test_pending_manual_pages_are_not_faults_while_missing(self):
        body = '<a href="manual/manual.html">m</a> <a href="manual/funcref.html">f</a>'
        report = self.check({"c.htm": page(body)})
        self.assertEqual(report.problems, [])
        self.assertEqual(report.pending, {"manual/manual.html", "manual/funcref.html"})

    def test_delivered_manual_pages_are_checked(self):
        body = '<a href="manual/manual.html#intro">m</a> <a href="manual/funcref.html">f</a>'
        manual = page('<a href="function.strlen.html">strlen</a>')
        report = self.check({"c.htm": page(body), "manual/manual.html": manual})
        self.assertEqual(report.pending, {"manual/funcref.html"})
        self.assertEqual(len(report.problems), 2, report.problems)
        self.assertIn('no anchor "intro" in manual/manual.html', report.problems[0])
        self.assertIn("missing: manual/function.strlen.html", report.problems[1])

    def test_other_manual_pages_are_not_pending(self):
        report = self.check({"c.htm": page('<a href="manual/function.strlen.html">s</a>')})
        self.assertEqual(report.pending, set())
        self.assertIn("missing: manual/function.strlen.html", report.problems[0])

    def test_page_in_a_single_byte_code_page_is_read(self):
        latin2 = page('<p>\xb1\xe6</p><a href="missing.htm">x</a>').encode("latin-1")
        report = self.check({"c.htm": latin2})
        self.assertEqual(len(report.problems), 1)
        self.assertIn("missing: missing.htm", report.problems[0])


class CommandLineTest(unittest.TestCase):
    def run_checker(self, script, root):
        return subprocess.run([sys.executable, os.path.join(HERE, script), root],
                              capture_output=True, text=True, check=False)

    def test_fixture_with_a_broken_link_and_a_broken_picture_fails_naming_both(self):
        result = self.run_checker("check_help_links.py", os.path.join(HERE, "fixtures", "broken"))
        self.assertEqual(result.returncode, 1, result.stdout)
        self.assertIn("index.htm:8: <a href=\"rozdzial2.htm\">: missing: rozdzial2.htm", result.stdout)
        self.assertIn("index.htm:9: <img src=\"img/logo.png\">: missing: img/logo.png", result.stdout)
        self.assertIn("2 broken", result.stdout)

    def test_pending_pages_are_reported(self):
        with tempfile.TemporaryDirectory() as root:
            make_tree(root, {"index.htm": page('<a href="manual/manual.html">m</a>')})
            result = self.run_checker("check_help_links.py", root)
        self.assertEqual(result.returncode, 0, result.stdout)
        self.assertIn("pending: manual/manual.html is linked but not delivered yet", result.stdout)

    def test_bad_usage(self):
        for script in ("check_help_links.py", "check_help_pages.py"):
            with self.subTest(script=script):
                result = self.run_checker(script, os.path.join(HERE, "no-such-folder"))
                self.assertEqual(result.returncode, 2)


def sound_own_tree():
    files = {"pomoc/styl.css": "body{}"}
    for name in check_help_pages.REQUIRED_PAGES:
        depth = name.count("/")
        up = "../" * depth
        files[name] = (f'<!DOCTYPE html><html><head><meta charset="utf-8"><title>{name}</title>'
                       f'<link rel="stylesheet" href="{up}pomoc/styl.css"></head><body>'
                       f'<a href="{up}pomoc/indeks.htm">Indeks</a></body></html>')
    files["pomoc/pomoc.htm"] = files["pomoc/pomoc.htm"].replace(
        "</body>", '<a href="menu-plik.htm">Plik</a></body>')
    files["pomoc/menu-plik.htm"] = files["pomoc/pomoc.htm"].replace("pomoc/pomoc.htm", "Plik")
    return files


class CheckPagesTest(unittest.TestCase):
    def check(self, change):
        with tempfile.TemporaryDirectory() as root:
            files = sound_own_tree()
            change(files)
            make_tree(root, files)
            return check_help_pages.check_pages(root)

    def test_sound_pages_pass(self):
        self.assertEqual(self.check(lambda files: None), [])

    def test_each_fault_is_named(self):
        def set_page(name, text):
            return lambda files: files.__setitem__(name, text)

        def edit(name, old, new):
            return lambda files: files.__setitem__(name, files[name].replace(old, new))

        cases = [
            (lambda files: files.pop("pomoc/indeks.htm"), "pomoc/indeks.htm: missing"),
            (lambda files: files.pop("ref/xhtml/Overview.html"), "ref/xhtml/Overview.html: missing"),
            (edit("pomoc/menu-plik.htm", 'charset="utf-8"', 'charset="iso-8859-2"'),
             'pomoc/menu-plik.htm: no <meta charset="utf-8">'),
            (set_page("pomoc/menu-plik.htm", sound_own_tree()["pomoc/menu-plik.htm"].replace(
                "Indeks", "Indeks \u0105").encode("iso-8859-2")), "pomoc/menu-plik.htm: not UTF-8 text"),
            (edit("pomoc/menu-plik.htm", "<title>Plik</title>", "<title> </title>"), "pomoc/menu-plik.htm: no title"),
            (edit("pomoc/menu-plik.htm", '<link rel="stylesheet" href="../pomoc/styl.css">',
                  ""), "pomoc/menu-plik.htm: no local stylesheet"),
            (edit("pomoc/menu-plik.htm", '<a href="../pomoc/indeks.htm">', '<a href="pomoc.htm">'),
             "pomoc/menu-plik.htm: no link to the help index"),
            (edit("ref/css/cover.html", "</body>", '<img src="https://example.org/logo.png"></body>'),
             'ref/css/cover.html:1: <img src="https://example.org/logo.png"> loads from another site'),
            (edit("main.htm", "</body>", '<script src="//cdn.example.org/x.js"></script></body>'),
             "loads from another site"),
            (edit("pomoc/pomoc.htm", '<a href="menu-plik.htm">Plik</a>', ""),
             "pomoc/menu-plik.htm: listed neither in pomoc/pomoc.htm nor in pomoc/indeks.htm"),
        ]
        for change, expected in cases:
            with self.subTest(expected=expected):
                faults = self.check(change)
                self.assertEqual(len(faults), 1, faults)
                self.assertIn(expected, faults[0])

    def test_page_listed_only_in_the_index_passes(self):
        def change(files):
            files["pomoc/pomoc.htm"] = files["pomoc/pomoc.htm"].replace('<a href="menu-plik.htm">Plik</a>', "")
            files["pomoc/indeks.htm"] = files["pomoc/indeks.htm"].replace(
                "</body>", '<a href="menu-plik.htm#nowy">Nowy</a></body>')
        self.assertEqual(self.check(change), [])

    def test_external_page_links_are_allowed(self):
        change = lambda files: files.__setitem__(  # noqa: E731
            "main.htm", files["main.htm"].replace("</body>", '<a href="https://www.php.net/">PHP</a></body>'))
        self.assertEqual(self.check(change), [])

    def test_manual_pages_are_not_own_pages(self):
        change = lambda files: files.__setitem__("manual/manual.html", b"<html>\xb1</html>")  # noqa: E731
        self.assertEqual(self.check(change), [])


if __name__ == "__main__":
    unittest.main()
