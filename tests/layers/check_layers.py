#!/usr/bin/env python3
"""Checks the layering rules of the source tree, so that new windows and subsystems keep them:

- no class or struct named with a Pascal-style "T" + capital prefix;
- no include of the shell ("shell/...") outside src/shell and src/app;
- no file outside a ui/ folder includes a header from a ui/ folder (src/app aside);
- src/text includes no subsystem, only other text/ headers;
- model files (outside ui/, platform/qt/ and app/) include no QtGui or QtWidgets header.

Usage: check_layers.py SRC_DIR   (exit 0 when every rule holds; else prints each breach)
"""
import pathlib
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s*[<"]([^>"]+)[>"]')
T_TYPE = re.compile(r'\b(?:class|struct)\s+(T[A-Z]\w*)\b')
GUI_HEADERS = re.compile(r'^(QtGui|QtWidgets|QtPrintSupport|QtWebEngine\w*)/|^Q(Widget|Dialog|MainWindow|Action|Menu|'
                         r'PushButton|Label|LineEdit|Color|Font|Icon|Pixmap|Image|Painter|KeyEvent|MouseEvent|'
                         r'Application|Clipboard|Screen|TabWidget|WebEngine\w*)$')


def breaches(src: pathlib.Path):
    for path in sorted(src.rglob('*')):
        if path.suffix not in ('.h', '.cpp') or not path.is_file():
            continue
        rel = path.relative_to(src)
        parts = rel.parts
        top = parts[0]
        in_ui = 'ui' in parts[:-1]
        model = not in_ui and top not in ('app',) and parts[:2] != ('platform', 'qt')
        text = path.read_text(encoding='utf-8', errors='replace')
        code = re.sub(r'//[^\n]*', '', text)
        for m in T_TYPE.finditer(code):
            yield f'{rel}: type {m.group(1)} carries a "T" prefix; name it for what it is'
        for number, line in enumerate(text.splitlines(), 1):
            m = INCLUDE.match(line)
            if not m:
                continue
            header = m.group(1)
            where = f'{rel}:{number}'
            if header.startswith('shell/') and top not in ('shell', 'app'):
                yield f'{where}: includes the shell ({header})'
            if '/ui/' in header and not in_ui and top != 'app':
                yield f'{where}: a file outside a ui/ folder includes a view ({header})'
            if top == 'text' and '/' in header and not header.startswith('text/') and '"' in line:
                yield f'{where}: the text layer includes a subsystem ({header})'
            if model and GUI_HEADERS.search(header):
                yield f'{where}: a model file includes a GUI header ({header})'


def main() -> int:
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    src = pathlib.Path(sys.argv[1])
    if not (src / 'text').is_dir():
        print(f'{src}/text is missing: the text layer sits at the bottom of the tree')
        return 1
    found = list(breaches(src))
    for line in found:
        print(line)
    return 1 if found else 0


if __name__ == '__main__':
    sys.exit(main())
