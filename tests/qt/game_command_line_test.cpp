// The game program's command line and environment, run as a child process: a usage error, a
// missing home, a missing display or a print file no job could write prints one line and
// creates nothing; a directory whose
// name is not UTF-8 is used as given.
#include <QtTest>

#include <filesystem>

#include "support/child_run.h"
#include "support/temp_directory.h"

using tessarix::testing::ChildRun;
using tessarix::testing::runChild;
using tessarix::testing::TempDirectory;

namespace {

std::vector<std::string> byteArgs(const QStringList& words) {
  std::vector<std::string> args;
  for (const QString& w : words) args.push_back(w.toStdString());
  return args;
}

int lineCount(const std::string& text) {
  int n = 0;
  for (char c : text) n += c == '\n';
  return n;
}

}  // namespace

class GameCommandLineTest : public QObject {
  Q_OBJECT

 private slots:
  // A start that cannot be: a usage error, no game directory, no display. Each is one line
  // and status 2 before anything is made on disk, and none needs a display to say so.
  void refusedStartsMakeNothing_data() {
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QStringList>("env");  // besides PATH; "HOME=" + the empty home folder
    QTest::addColumn<QString>("mention");
    const QStringList home{"HOME="};
    QTest::newRow("dir empty") << QStringList{"--dir", ""} << home << "--dir braucht einen Wert";
    QTest::newRow("dir= empty") << QStringList{"--dir="} << home << "--dir braucht einen Wert";
    QTest::newRow("dir then --help") << QStringList{"--dir", "--help"} << home << "nicht --help";
    QTest::newRow("dir twice") << QStringList{"--dir", "a", "--dir", "b"} << home << "mehrfach";
    QTest::newRow("unknown") << QStringList{"--frobnicate"} << home << "unbekannte Angabe";
    QTest::newRow("no display") << QStringList{} << home << "weder DISPLAY noch WAYLAND_DISPLAY";
    QTest::newRow("no display, xcb")
        << QStringList{} << QStringList{"HOME=", "QT_QPA_PLATFORM=xcb"} << "WAYLAND_DISPLAY";
    // Named, but nothing answers there: the window system's failure, said as one line.
    QTest::newRow("display unreachable")
        << QStringList{} << QStringList{"HOME=", "DISPLAY=:93999"} << "DISPLAY=:93999";
    QTest::newRow("platform unknown")
        << QStringList{} << QStringList{"HOME=", "QT_QPA_PLATFORM=nosuch"}
        << "QT_QPA_PLATFORM=nosuch";
    const QString offscreen = "QT_QPA_PLATFORM=offscreen";
    QTest::newRow("home empty") << QStringList{} << QStringList{"HOME", offscreen}
                                << "HOME ist leer";
    QTest::newRow("home unset") << QStringList{} << QStringList{offscreen} << "HOME ist leer";
    // A print file that no job could write: a directory (here the home folder, taken from
    // where the game starts), a device.
    QTest::newRow("print to a directory")
        << QStringList{"--print-to", "home"} << QStringList{"HOME=", offscreen}
        << "keine gewöhnliche Datei";
    QTest::newRow("print to a device")
        << QStringList{"--print-to", "/dev/null"} << QStringList{"HOME=", offscreen}
        << "/dev/null ist keine gewöhnliche Datei";
    QTest::newRow("home and data home relative")
        << QStringList{} << QStringList{"HOME=rel", "XDG_DATA_HOME=rel/data", offscreen}
        << "--dir VERZEICHNIS";
  }

  void refusedStartsMakeNothing() {
    QFETCH(QStringList, words);
    QFETCH(QStringList, env);
    QFETCH(QString, mention);
    TempDirectory scratch;
    std::filesystem::create_directory(scratch.path() / "home");
    // "HOME=" is the empty home folder, a bare "HOME" an empty variable.
    std::vector<std::string> environment{"PATH=/usr/bin:/bin"};
    for (const QString& e : env)
      environment.push_back(e == "HOME="  ? "HOME=" + scratch.file("home")
                            : e == "HOME" ? std::string("HOME=")
                                          : e.toStdString());
    const ChildRun run =
        runChild(TESSARIX_GAME, byteArgs(words), environment, scratch.path().string(), scratch);
    QVERIFY(!run.timedOut);
    QCOMPARE(run.code, 2);
    QVERIFY2(lineCount(run.err) == 1, run.err.c_str());
    QVERIFY2(run.err.rfind("tessarix: ", 0) == 0, run.err.c_str());
    QVERIFY2(run.err.find(mention.toStdString()) != std::string::npos, run.err.c_str());
    QCOMPARE(run.out, std::string());
    // Nothing made: no directory named "--help", no default game directory, no "tessarix"
    // where the game was started.
    QCOMPARE(scratch.entries(), std::vector<std::string>{"home"});
    QVERIFY(std::filesystem::is_empty(scratch.path() / "home"));
  }

  // Without a home, XDG_DATA_HOME alone names the game directory.
  void aDataHomeServesWithoutAHome() {
    TempDirectory scratch;
    const std::filesystem::path dir = scratch.path() / "data" / "tessarix";
    const ChildRun run =
        runChild(TESSARIX_GAME, {},
                 {"HOME=", "XDG_DATA_HOME=" + scratch.file("data"), "QT_QPA_PLATFORM=offscreen"},
                 scratch.path().string(), scratch, std::chrono::seconds(30),
                 [&] { return std::filesystem::exists(dir / "extrem.trx"); });
    QVERIFY2(run.stopped, run.err.c_str());
    QCOMPARE(scratch.entries(), std::vector<std::string>{"data"});
  }

  void aDirectoryNotInUtf8IsUsedByteForByte() {
    TempDirectory scratch;
    const std::string name = "spiel-\xff\xfe";
    const std::filesystem::path dir = scratch.path() / name;
    const ChildRun run = runChild(TESSARIX_GAME, {"--dir", dir.string()},
                                  {"HOME=" + scratch.path().string(), "QT_QPA_PLATFORM=offscreen"},
                                  scratch.path().string(), scratch, std::chrono::seconds(30),
                                  [&] { return std::filesystem::exists(dir / "extrem.trx"); });
    QVERIFY2(run.stopped, run.err.c_str());  // seeded, then stopped while its window ran
    QCOMPARE(scratch.entries(), std::vector<std::string>{name});
    QVERIFY(std::filesystem::is_regular_file(dir / "leicht.trx"));
  }
};

QTEST_GUILESS_MAIN(GameCommandLineTest)
#include "game_command_line_test.moc"
