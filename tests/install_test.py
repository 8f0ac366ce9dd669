#!/usr/bin/env python3
"""The installed game as a packager and a player meet it.

Installs the build tree into a temporary prefix and checks: the usual layout; the desktop entry
and the AppStream metadata pass desktop-file-validate and appstreamcli; the installed game
answers --help, --version and a bad option with no display at all, and says on one line that
it needs one; started offscreen with an
empty XDG_DATA_HOME from another directory, it seeds its game directory with the four level
files byte for byte as shipped; and a puzzle is dealt from a seeded file by the installed tool.
Usage: install_test.py SOURCE_DIR BUILD_DIR
"""
import os
import pathlib
import re
import subprocess
import sys
import tempfile
import time
import unittest

SOURCE, BUILD = (pathlib.Path(a) for a in sys.argv[1:3])
APP_ID = "org.codeberg.tessarix.Tessarix"
LEVELS = ["leicht.trx", "mittel.trx", "schwer.trx", "extrem.trx"]


def run(args, env=None, cwd=None, timeout=60):
    return subprocess.run([str(a) for a in args], env=env, cwd=cwd, capture_output=True,
                          timeout=timeout, stdin=subprocess.DEVNULL)


class InstalledGame(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.TemporaryDirectory()
        cls.prefix = pathlib.Path(cls.tmp.name) / "prefix"
        r = run(["cmake", "--install", BUILD, "--prefix", cls.prefix])
        assert r.returncode == 0, r.stderr.decode()
        cls.share = cls.prefix / "share"
        # An environment without any display: a window could not open.
        cls.bare = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"),
                    "HOME": str(pathlib.Path(cls.tmp.name) / "home")}
        pathlib.Path(cls.bare["HOME"]).mkdir()

    @classmethod
    def tearDownClass(cls):
        cls.tmp.cleanup()

    def test_layout(self):
        expected = [
            "bin/tessarix", "bin/tessarix-puzzles",
            f"share/applications/{APP_ID}.desktop",
            f"share/icons/hicolor/scalable/apps/{APP_ID}.svg",
            f"share/metainfo/{APP_ID}.metainfo.xml",
            "share/man/man6/tessarix.6", "share/man/man6/tessarix-puzzles.6",
        ] + [f"share/tessarix/{name}" for name in LEVELS]
        for path in expected:
            self.assertTrue((self.prefix / path).is_file(), path)
        for name in LEVELS:
            self.assertEqual((self.share / "tessarix" / name).read_bytes(),
                             (SOURCE / "data" / name).read_bytes())
        desktop = (self.share / "applications" / f"{APP_ID}.desktop").read_text()
        for line in ["Name=Tessarix", "Categories=Game;LogicGame;", f"Icon={APP_ID}",
                     "Exec=tessarix", "Comment[de]="]:
            self.assertIn(line, desktop)

    def test_validators_accept_entry_and_metadata(self):
        r = run(["desktop-file-validate", self.share / "applications" / f"{APP_ID}.desktop"])
        self.assertEqual(r.returncode, 0, r.stdout.decode() + r.stderr.decode())
        self.assertEqual(r.stdout.decode().strip(), "")
        r = run(["appstreamcli", "validate", "--no-net",
                 self.share / "metainfo" / f"{APP_ID}.metainfo.xml"])
        self.assertEqual(r.returncode, 0, r.stdout.decode() + r.stderr.decode())

    def test_manual_pages_render(self):
        for page in ["tessarix.6", "tessarix-puzzles.6"]:
            r = run(["groff", "-k", "-man", "-Tutf8", "-ww", self.share / "man" / "man6" / page],
                    env=self.bare)
            self.assertEqual(r.returncode, 0, r.stderr.decode())
            self.assertEqual(r.stderr.decode(), "", page)
        text = run(["groff", "-k", "-man", "-Tutf8", self.share / "man/man6/tessarix-puzzles.6"]).stdout
        text = re.sub(rb".\x08", b"", text)  # the terminal's bold and underline
        for word in [b"generate", b"show", b"solve", b"shuffle", b"--givens", b"--free"]:
            self.assertIn(word, text)
        # The game's page tells undo, the highlight, the hint, keyboard play, where the hall of
        # fame is, how an own board is played and what a missing display does.
        text = run(["groff", "-k", "-man", "-Tutf8", "-rLL=200n", "-rHY=0",
                    self.share / "man/man6/tessarix.6"]).stdout.decode()
        text = re.sub(r"\s+", " ", re.sub(r".\x08", "", text))
        for words in ["Strg+Z", "Strg+Y", "hellgelben Hintergrund", "T (nur im Spiel)",
                      "Pfeiltasten", "Eingabe oder Leertaste", "Alt+T",
                      "„Schwierigkeit“ > „Ruhmeshalle“", "Esc oder „Abbruch“",
                      "„Tessarix“ > „Spielstart“", "DISPLAY, WAYLAND_DISPLAY"]:
            self.assertIn(words, text)

    def test_command_line_without_a_display(self):
        game = self.prefix / "bin" / "tessarix"
        r = run([game, "--help"], env=self.bare)
        self.assertEqual(r.returncode, 0, r.stderr.decode())
        out = r.stdout.decode()
        for word in ["Aufruf: tessarix", "--dir", "--print-to", "--help", "--version"]:
            self.assertIn(word, out)
        self.assertEqual(r.stderr, b"")
        r = run([game, "--version"], env=self.bare)
        self.assertEqual((r.returncode, r.stdout.decode()), (0, "tessarix 6.0\n"))
        # A directory that cannot be made is found once the window system has started (here
        # offscreen); no display at all is said before anything is made.
        offscreen = dict(self.bare, QT_QPA_PLATFORM="offscreen")
        for args, env, mention in [(["--bogus"], self.bare, "unbekannte Angabe"),
                                   (["--dir"], self.bare, "--dir"),
                                   ([], self.bare, "DISPLAY"),
                                   (["--dir", "/dev/null/spiel"], offscreen, "/dev/null/spiel")]:
            r = run([game] + args, env=env)
            self.assertEqual(r.returncode, 2, args)
            self.assertEqual(r.stdout, b"")
            self.assertEqual(r.stderr.decode().count("\n"), 1, r.stderr.decode())
            self.assertIn(mention, r.stderr.decode())
        # Nothing was made in the home directory by any of these.
        self.assertEqual(list(pathlib.Path(self.bare["HOME"]).iterdir()), [])

    def test_first_start_seeds_the_game_directory_and_a_puzzle_is_dealt(self):
        data_home = pathlib.Path(self.tmp.name) / "data-home"
        data_home.mkdir()
        elsewhere = pathlib.Path(self.tmp.name) / "elsewhere"
        elsewhere.mkdir()
        env = dict(self.bare, XDG_DATA_HOME=str(data_home), QT_QPA_PLATFORM="offscreen")
        game_dir = data_home / "tessarix"
        proc = subprocess.Popen([str(self.prefix / "bin" / "tessarix")], env=env, cwd=elsewhere,
                                stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                                stderr=subprocess.PIPE)
        try:
            deadline = time.monotonic() + 30
            while time.monotonic() < deadline and proc.poll() is None:
                if all((game_dir / name).is_file() for name in LEVELS):
                    break
                time.sleep(0.1)
            # Still running: the window is up and waits for the player.
            time.sleep(0.5)
            self.assertIsNone(proc.poll(), "the game ended at its start")
        finally:
            proc.terminate()
            proc.communicate(timeout=10)
        for name in LEVELS:
            self.assertEqual((game_dir / name).read_bytes(),
                             (self.share / "tessarix" / name).read_bytes(), name)
        self.assertEqual(list(elsewhere.iterdir()), [])
        # A puzzle of the seeded easy level, shuffled as a new game deals it, has clues.
        tool = self.prefix / "bin" / "tessarix-puzzles"
        dealt = pathlib.Path(self.tmp.name) / "dealt.trx"
        r = run([tool, "shuffle", game_dir / "leicht.trx", "2", dealt, "0", "--seed", "7"])
        self.assertEqual(r.returncode, 0, r.stderr.decode())
        r = run([tool, "show", dealt, "0", "--givens"])
        self.assertEqual(r.returncode, 0, r.stderr.decode())
        clues = sum(ch.isdigit() and ch != "0" for ch in r.stdout.decode())
        self.assertGreater(clues, 150)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
