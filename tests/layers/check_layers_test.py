#!/usr/bin/env python3
"""The layering check finds each kind of breach in a small tree, and passes a clean one."""
import pathlib
import sys
import tempfile
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).parent))
import check_layers  # noqa: E402


def tree(files):
    root = pathlib.Path(tempfile.mkdtemp())
    for name, body in files.items():
        path = root / name
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_text(body)
    return root


class CheckLayers(unittest.TestCase):
    def test_clean_tree_passes(self):
        root = tree({
            'text/win1250.h': '#include <string>\n#include "text/other.h"\n',
            'shell/ui/main_window.cpp': '#include "shell/snippets.h"\n#include "editor/ui/code_editor.h"\n#include <QWidget>\n',
            'app/main.cpp': '#include "shell/ui/main_window.h"\n',
            'ftp/ftp_client.h': '// class TFtpClient was the old name\nclass FtpClient {};\n#include <QTcpSocket>\n',
        })
        self.assertEqual(list(check_layers.breaches(root)), [])

    def test_each_breach_is_named(self):
        cases = [
            ('editor/options.cpp', 'class TFormEditOpts {};\n', 'carries a "T" prefix'),
            ('ftp/client.cpp', '#include "shell/win1250.h"\n', 'includes the shell'),
            ('projects/model.cpp', '#include "projects/ui/dialog.h"\n', 'outside a ui/ folder includes a view'),
            ('text/utils.cpp', '#include "editor/lexer.h"\n', 'text layer includes a subsystem'),
            ('servers/config.cpp', '#include <QWidget>\n', 'model file includes a GUI header'),
        ]
        for name, body, expected in cases:
            with self.subTest(name=name):
                found = list(check_layers.breaches(tree({name: body})))
                self.assertEqual(len(found), 1, found)
                self.assertIn(expected, found[0])


if __name__ == '__main__':
    unittest.main()
