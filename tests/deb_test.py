#!/usr/bin/env python3
"""The Debian package as dpkg sees it.

Packs the programs of the build folder with CPack into a temporary folder and checks with
dpkg-deb: the name tessarix_VERSION-1_ARCH.deb; the control fields (version, section,
maintainer, homepage, the Qt 6 libraries found by dpkg-shlibdeps, the fonts and Qt's display
plugins); every file at its Debian place with its owner and mode and nothing else; the
desktop entry starting the packaged game; the level files, manual pages and changelog as the
source holds them; stripped programs that answer --version and --help. Exits 77 (skipped)
with the reason where dpkg-deb or the tools CPack needs for the dependencies are missing.
Usage: deb_test.py SOURCE_DIR BUILD_DIR VERSION
"""
import gzip
import os
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

SOURCE, BUILD = (pathlib.Path(a) for a in sys.argv[1:3])
VERSION = sys.argv[3] if len(sys.argv) > 3 else ""
APP_ID = "org.codeberg.tessarix.Tessarix"
LEVELS = ["leicht.trx", "mittel.trx", "schwer.trx", "extrem.trx"]
GAME = "/usr/games/tessarix"
TOOL = "/usr/games/tessarix-puzzles"


def run(args, **kwargs):
    return subprocess.run([str(a) for a in args], capture_output=True, timeout=300,
                          stdin=subprocess.DEVNULL, **kwargs)


class Package(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.TemporaryDirectory()
        out = pathlib.Path(cls.tmp.name) / "out"
        r = run(["cpack", "--config", BUILD / "CPackConfig.cmake", "-B", out], cwd=BUILD)
        assert r.returncode == 0, r.stdout.decode() + r.stderr.decode()
        cls.arch = run(["dpkg", "--print-architecture"]).stdout.decode().strip()
        cls.debs = sorted(p.name for p in out.glob("*.deb"))
        cls.deb = out / f"tessarix_{VERSION}-1_{cls.arch}.deb"
        cls.tree = pathlib.Path(cls.tmp.name) / "tree"
        r = run(["dpkg-deb", "-x", cls.deb, cls.tree])
        assert r.returncode == 0, r.stderr.decode()

    @classmethod
    def tearDownClass(cls):
        cls.tmp.cleanup()

    def field(self, name):
        r = run(["dpkg-deb", "-f", self.deb, name])
        self.assertEqual(r.returncode, 0, r.stderr.decode())
        return r.stdout.decode().strip()

    def test_name_and_control_fields(self):
        self.assertEqual(self.debs, [self.deb.name])
        for name, expected in [("Package", "tessarix"), ("Version", f"{VERSION}-1"),
                               ("Architecture", self.arch), ("Section", "games"),
                               ("Priority", "optional")]:
            self.assertEqual(self.field(name), expected, name)
        self.assertRegex(self.field("Maintainer"), r"^[^<>]+ <[^@<>\s]+@[^@<>\s]+\.[a-z]+>$")
        self.assertRegex(self.field("Homepage"), r"^https://\S+$")
        self.assertTrue(self.field("Description").startswith("Sudoku on nine overlapping grids\n"))

    def test_dependencies_name_qt6_the_fonts_and_the_display_plugins(self):
        depends = {}
        for clause in self.field("Depends").split(","):
            for alternative in clause.split("|"):
                m = re.fullmatch(r"\s*([a-z0-9.+-]+)\s*(?:\((.*)\))?\s*", alternative)
                self.assertIsNotNone(m, alternative)
                depends[m.group(1)] = m.group(2) or ""
        # Worked out from the programs: each Qt 6 library the game links, with its version.
        for library in ["libqt6core6", "libqt6gui6", "libqt6widgets6", "libqt6printsupport6",
                        "libc6", "libstdc++6"]:
            self.assertRegex(depends.get(library, "missing"), r"^>= \S+", library)
        for package in ["fonts-liberation2", "fonts-dejavu-core", "qt6-qpa-plugins"]:
            self.assertIn(package, depends)

    def test_every_file_at_its_debian_place(self):
        r = run(["dpkg-deb", "-c", self.deb])
        self.assertEqual(r.returncode, 0, r.stderr.decode())
        files, dirs = {}, set()
        for line in r.stdout.decode().splitlines():
            mode, owner, _size, _date, _time, path = line.split(None, 5)
            self.assertEqual(owner, "root/root", path)
            path = path.removeprefix(".").rstrip("/")
            if mode.startswith("d"):
                self.assertEqual(mode, "drwxr-xr-x", path)
                dirs.add(path)
            else:
                files[path] = mode
        executable = {GAME, TOOL}
        expected = executable | {
            f"/usr/share/applications/{APP_ID}.desktop",
            f"/usr/share/icons/hicolor/scalable/apps/{APP_ID}.svg",
            f"/usr/share/metainfo/{APP_ID}.metainfo.xml",
            "/usr/share/man/man6/tessarix.6.gz", "/usr/share/man/man6/tessarix-puzzles.6.gz",
            "/usr/share/doc/tessarix/copyright", "/usr/share/doc/tessarix/changelog.Debian.gz",
        } | {f"/usr/share/games/tessarix/{name}" for name in LEVELS}
        self.assertEqual(set(files), expected)
        for path, mode in files.items():
            self.assertEqual(mode, "-rwxr-xr-x" if path in executable else "-rw-r--r--", path)
        self.assertTrue(all(d.startswith("/usr") for d in dirs), dirs)

    def test_contents_are_the_sources_in_debian_shape(self):
        for name in LEVELS:
            self.assertEqual((self.tree / f"usr/share/games/tessarix/{name}").read_bytes(),
                             (SOURCE / "data" / name).read_bytes(), name)
        for page in ["tessarix.6", "tessarix-puzzles.6"]:
            packed = (self.tree / f"usr/share/man/man6/{page}.gz").read_bytes()
            self.assertEqual(gzip.decompress(packed), (SOURCE / "data/man" / page).read_bytes())
            self.assertEqual(packed[4:8], b"\0\0\0\0", "gzip -n: no time stamp")
        changelog = gzip.decompress(
            (self.tree / "usr/share/doc/tessarix/changelog.Debian.gz").read_bytes()).decode()
        self.assertTrue(changelog.startswith(f"tessarix ({VERSION}-1) "), changelog)
        self.assertIn(self.field("Maintainer"), changelog)
        copyright_text = (self.tree / "usr/share/doc/tessarix/copyright").read_text()
        self.assertIn("License: Expat", copyright_text)
        # The menu starts the packaged game by its path; the rest of the entry is the source's.
        entry = (self.tree / f"usr/share/applications/{APP_ID}.desktop").read_text()
        source = (SOURCE / "data/linux" / f"{APP_ID}.desktop").read_text()
        self.assertIn(f"\nExec={GAME}\n", entry)
        self.assertEqual(entry.replace(f"Exec={GAME}", "Exec=tessarix"), source)

    def test_programs_are_stripped_and_run(self):
        game, tool = self.tree / GAME.lstrip("/"), self.tree / TOOL.lstrip("/")
        for program in [game, tool]:
            r = run(["file", "-b", program])
            self.assertIn("ELF", r.stdout.decode())
            self.assertRegex(r.stdout.decode(), r", stripped$")
        bare = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "HOME": self.tmp.name}
        r = run([game, "--version"], env=bare)
        self.assertEqual((r.returncode, r.stdout.decode()), (0, f"tessarix {VERSION}\n"))
        r = run([tool, "show", self.tree / "usr/share/games/tessarix/leicht.trx", "0"], env=bare)
        self.assertEqual(r.returncode, 0, r.stderr.decode())
        self.assertEqual(r.stdout.decode().count("\n"), 33)


if __name__ == "__main__":
    missing = [tool for tool in ["cpack", "dpkg", "dpkg-deb", "dpkg-shlibdeps", "file"]
               if shutil.which(tool) is None]
    if missing:
        print("skipped: the Debian package needs " + ", ".join(missing) +
              " (dpkg-dev and file on Debian)")
        sys.exit(77)
    unittest.main(argv=sys.argv[:1], verbosity=2)
