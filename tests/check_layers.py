#!/usr/bin/env python3
"""The include layers: every file includes project headers of its own layer or a lower one.

The layers stand logic <- puzzles <- extras <- ui <- app <- qt; tools/ stands on puzzles. A
header is named "layer/file.h"; a bare "file.h" is a neighbour in the same folder. Qt headers
belong to src/qt alone. Usage: check_layers.py ROOT; prints each wrong include as
path:line: reason and exits with 1 when there is one.
"""
import pathlib
import re
import sys

LAYERS = ["logic", "puzzles", "extras", "ui", "app", "qt"]

# The folders scanned, each with the layer it stands at.
FOLDERS = {f"src/{layer}": layer for layer in LAYERS}
FOLDERS["tools"] = "puzzles"

SOURCE_SUFFIXES = {".h", ".hpp", ".cpp", ".cc"}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^">]+)[">]')
# Qt headers: <QString>, <QtWidgets/QWidget>, <qglobal.h>.
QT_HEADER = re.compile(r"^(Q[A-Za-z]\w*|Qt\w*/.*|q\w+\.h)$")


def wrongIncludes(root):
    """Yields (path, line number, reason) for every include that breaks the layers under root."""
    root = pathlib.Path(root)
    for folder, layer in FOLDERS.items():
        rank = LAYERS.index(layer)
        for path in sorted((root / folder).rglob("*")):
            if path.suffix not in SOURCE_SUFFIXES:
                continue
            lines = path.read_text(encoding="utf-8", errors="replace").splitlines()
            for number, line in enumerate(lines, 1):
                match = INCLUDE.match(line)
                if not match:
                    continue
                name = match.group(2)
                where = path.relative_to(root)
                head = name.split("/")[0]
                if head == "..":
                    yield where, number, f'"{name}" climbs out of its folder; name it "layer/file.h"'
                elif head in LAYERS and LAYERS.index(head) > rank:
                    yield where, number, f'{folder} ({layer}) includes "{name}" of the higher layer {head}'
                elif layer != "qt" and QT_HEADER.match(name):
                    yield where, number, f"{folder} includes the Qt header <{name}>; Qt belongs to src/qt"


def main(argv):
    if len(argv) != 2:
        print("usage: check_layers.py ROOT", file=sys.stderr)
        return 2
    root = pathlib.Path(argv[1])
    missing = [folder for folder in FOLDERS if not (root / folder).is_dir()]
    if missing:
        print(f"no folder {', '.join(missing)} under {root}", file=sys.stderr)
        return 2
    wrong = list(wrongIncludes(root))
    for where, number, reason in wrong:
        print(f"{where}:{number}: {reason}")
    if wrong:
        print(f"{len(wrong)} include(s) against the layers", file=sys.stderr)
        return 1
    print("every include points to its own layer or one below")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
