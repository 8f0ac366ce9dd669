#!/usr/bin/env python3
"""The include-layer check on small made-up trees: what it must refuse and what it must let pass."""
import pathlib
import sys
import tempfile
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import check_layers  # noqa: E402

# (file, its text, whether the check must refuse it)
CASES = [
    ("src/logic/solver.cpp", '#include "app/game.h"\n', True),
    ("src/logic/solver.h", '#include "puzzles/puzzle_file.h"\n', True),
    ("src/puzzles/generator.cpp", '  #  include <ui/canvas.h>\n', True),
    ("src/ui/frames.cpp", '#include "qt/image_canvas.h"\n', True),
    ("src/app/game.cpp", "#include <QString>\n", True),
    ("src/app/game.cpp", "#include <QtCore/QTimer>\n", True),
    ("src/logic/random.h", "#include <qglobal.h>\n", True),
    ("src/extras/champion.cpp", '#include "../app/platform.h"\n', True),
    ("tools/show_command.cpp", '#include "ui/board_drawing.h"\n', True),
    ("tools/show_command.cpp", "#include <QCoreApplication>\n", True),
    ("src/logic/solver.cpp", '#include "logic/units.h"\n#include <queue>\n#include <cstdint>\n', False),
    ("src/puzzles/generator.cpp", '#include "logic/solver.h"\n#include "puzzles/full_field.h"\n', False),
    ("src/app/game.cpp", '#include "ui/panels.h"\n#include "extras/champion.h"\n', False),
    ("src/qt/main_window.cpp", '#include <QWidget>\n#include "app/game.h"\n', False),
    ("tools/show_command.cpp", '#include "commands.h"\n#include "puzzles/puzzle_file.h"\n', False),
    ("src/logic/solver.cpp", '// #include "app/game.h" would go the wrong way\n', False),
]


class CheckLayersTest(unittest.TestCase):
    def test_cases(self):
        for path, text, refused in CASES:
            with self.subTest(path=path, text=text), tempfile.TemporaryDirectory() as root:
                for folder in check_layers.FOLDERS:
                    (pathlib.Path(root) / folder).mkdir(parents=True)
                (pathlib.Path(root) / path).write_text(text)
                found = list(check_layers.wrongIncludes(root))
                self.assertEqual(bool(found), refused, found)
                self.assertEqual(check_layers.main(["check_layers.py", root]), 1 if refused else 0)

    def test_points_at_the_line(self):
        with tempfile.TemporaryDirectory() as root:
            for folder in check_layers.FOLDERS:
                (pathlib.Path(root) / folder).mkdir(parents=True)
            (pathlib.Path(root) / "src/logic/check.cpp").write_text(
                '// The check.\n#include "logic/check.h"\n\n#include "app/game.h"\n')
            found = list(check_layers.wrongIncludes(root))
            self.assertEqual([(str(w), n) for w, n, _ in found], [("src/logic/check.cpp", 4)])

    def test_missing_folder_is_an_error(self):
        with tempfile.TemporaryDirectory() as root:
            self.assertEqual(check_layers.main(["check_layers.py", root]), 2)


if __name__ == "__main__":
    unittest.main()
