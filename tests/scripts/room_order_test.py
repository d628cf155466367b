"""The room-order check over small source trees: each case writes one file that includes
one header and expects the check to pass, or to fail naming the rule that was broken."""
import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

CHECK = sys.argv.pop(1)
ROOMS = ['platform', 'core', 'document', 'editing', 'shell']

# (file, include line, the rule's words in the report, or None when the include is fine)
CASES = [
    ('core/a.cpp', '#include "platform/x.h"', None),
    ('core/a.cpp', '#include "core/x.h"', None),
    ('core/a.cpp', '#include "document/x.h"', 'may include only itself and the rooms before it'),
    ('core/a.cpp', '#include <document/x.h>', 'may include only itself and the rooms before it'),
    ('core/a.cpp', '#include <QWidget>', 'widgets belong in its ui/ folder'),
    ('core/a.cpp', '#include <QtWidgets/QLabel>', 'widgets belong in its ui/ folder'),
    ('core/a.cpp', '#  include <qwidget.h>', 'widgets belong in its ui/ folder'),
    ('core/a.cpp', '#include <QPrintDialog>', 'widgets belong in its ui/ folder'),
    ('core/a.cpp', '#include <QAction>', None),
    ('core/a.cpp', '#include <QPrinter>', None),
    ('document/a.cpp', '#include "document/ui/w.h"', 'may not include a ui/ folder'),
    ('document/a.cpp', '#include "ui/w.h"', 'may not include a ui/ folder'),
    ('document/ui/a.cpp', '#include <QWidget>', None),
    ('document/ui/a.cpp', '#include "shell/x.h"', None),
    ('document/ui/a.cpp', '#include "editing/ui/w.h"', None),
    ('document/ui/a.cpp', '#include "w.h"', None),
    ('document/ui/a.cpp', '#include "core/ui/w.h"', 'uses only its own widgets'),
    ('editing/a.cpp', '#include <QWidget>', None),
    ('editing/a.cpp', '#include "document/ui/w.h"', None),
    ('editing/a.cpp', '#include "shell/x.h"', 'may include only itself and the rooms before it'),
    ('shell/main.cpp', '#include "shell/ui/w.h"', None),
]


def run_check(tree):
    qt = tree / 'qt'
    for header in ['QtWidgets/QWidget', 'QtWidgets/QLabel', 'QtWidgets/qwidget.h', 'QtWidgets/QAction',
                   'QtGui/QAction', 'QtPrintSupport/QPrinter', 'QtPrintSupport/QPrintDialog']:
        (qt / header).parent.mkdir(parents=True, exist_ok=True)
        (qt / header).write_text('')
    return subprocess.run([CHECK, '--qt-include', str(qt), '--widget-rooms', 'editing,shell', str(tree / 'src'),
                           *ROOMS], capture_output=True, text=True, timeout=60)


class RoomOrderCheck(unittest.TestCase):
    def test_cases(self):
        for path, line, rule in CASES:
            with self.subTest(path=path, line=line), tempfile.TemporaryDirectory() as folder:
                tree = Path(folder)
                for header in ['document/ui/w.h', 'core/ui/w.h']:
                    (tree / 'src' / header).parent.mkdir(parents=True, exist_ok=True)
                    (tree / 'src' / header).write_text('#pragma once\n')
                source = tree / 'src' / path
                source.parent.mkdir(parents=True, exist_ok=True)
                source.write_text(f'// a source file\n{line}\n')
                result = run_check(tree)
                if rule is None:
                    self.assertEqual(result.returncode, 0, result.stdout)
                else:
                    self.assertEqual(result.returncode, 1, result.stdout)
                    self.assertIn(f'{path}:2: {line.replace("#  ", "#")}', result.stdout)
                    self.assertIn(rule, result.stdout)


if __name__ == '__main__':
    unittest.main()
