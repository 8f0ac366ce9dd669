#!/usr/bin/env python3
"""Every source file is named in its folder's CMakeLists.txt, so none is left out of the build.

The build lists its sources by hand; a .cpp file added beside them but not listed would not be
compiled, and a test file not listed would never run. Usage: check_source_lists.py ROOT; prints
each file that its folder's list does not name and exits with 1 when there is one.
"""
import pathlib
import re
import sys

# The trees whose folders list their sources, and the kinds of file they list.
TREES = ["src", "tools", "tests", "bench"]
LISTED_SUFFIXES = {".cpp", ".qrc"}


def unlisted(root):
    """Yields every source file under the trees that its folder's CMakeLists.txt does not name."""
    root = pathlib.Path(root)
    for tree in TREES:
        for path in sorted((root / tree).rglob("*")):
            if path.suffix not in LISTED_SUFFIXES:
                continue
            lists = path.parent / "CMakeLists.txt"
            text = lists.read_text(encoding="utf-8") if lists.is_file() else ""
            # A file is named by its name or, in a list of programs, by its stem.
            names = {path.name, path.stem}
            words = set(re.findall(r"[\w.+-]+", re.sub(r"#.*", "", text)))
            if not names & words:
                yield path.relative_to(root)


def main(argv):
    if len(argv) != 2:
        print("usage: check_source_lists.py ROOT", file=sys.stderr)
        return 2
    missing = list(unlisted(argv[1]))
    for path in missing:
        print(f"{path}: not named in {path.parent}/CMakeLists.txt")
    if missing:
        return 1
    print("every source file is in its folder's list")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
