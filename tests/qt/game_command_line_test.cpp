// The game program's command line, run as a child process: a usage error needs no display,
// prints one line and creates nothing; a directory whose name is not UTF-8 is used as given.
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
  void usageErrorsNeedNoDisplay_data() {
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QString>("mention");
    QTest::newRow("dir empty") << QStringList{"--dir", ""} << "--dir braucht einen Wert";
    QTest::newRow("dir= empty") << QStringList{"--dir="} << "--dir braucht einen Wert";
    QTest::newRow("dir then --help") << QStringList{"--dir", "--help"} << "nicht --help";
    QTest::newRow("dir twice") << QStringList{"--dir", "a", "--dir", "b"} << "mehrfach";
    QTest::newRow("unknown") << QStringList{"--frobnicate"} << "unbekannte Angabe";
  }

  void usageErrorsNeedNoDisplay() {
    QFETCH(QStringList, words);
    QFETCH(QString, mention);
    TempDirectory scratch;
    std::filesystem::create_directory(scratch.path() / "home");
    // No DISPLAY, no WAYLAND_DISPLAY, no QT_QPA_PLATFORM: a QApplication could not start.
    const ChildRun run = runChild(TESSARIX_GAME, byteArgs(words), {"HOME=" + scratch.file("home")},
                                  scratch.path().string(), scratch);
    QVERIFY(!run.timedOut);
    QCOMPARE(run.code, 2);
    QCOMPARE(lineCount(run.err), 1);
    QVERIFY2(run.err.find(mention.toStdString()) != std::string::npos, run.err.c_str());
    QCOMPARE(run.out, std::string());
    // Nothing made: no directory named "--help", no default game directory.
    QCOMPARE(scratch.entries(), std::vector<std::string>{"home"});
    QVERIFY(std::filesystem::is_empty(scratch.path() / "home"));
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
