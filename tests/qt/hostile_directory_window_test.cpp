// The real main window, offscreen, in a game directory where one of its files is anything but
// what it should be: empty, one byte, huge, random bytes, a directory, a FIFO, a link out of
// the directory. Start-up, a new game, loading, saving and the hall of fame each say what is
// wrong and go on; nothing waits on the FIFO; nothing is written through the link; and what
// was there stays as it was (a damaged saved-board file excepted, which saving mends on
// purpose).
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QtTest>
#include <random>

#include "support/play_window.h"

using namespace tessarix;
using namespace tessarix::testing;

namespace {

// Where the thing stands, as the bytes and the kind of file it is now.
struct Snapshot {
  mode_t type = 0;
  off_t size = 0;
  QByteArray bytes;  // regular files under 1 MiB
  friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

Snapshot snapshotOf(const QString& path) {
  Snapshot s;
  struct stat st {};
  if (::lstat(QFile::encodeName(path).constData(), &st) != 0) return s;
  s.type = st.st_mode & S_IFMT;
  s.size = st.st_size;
  if (S_ISREG(st.st_mode) && st.st_size < (1 << 20)) {
    QFile f(path);
    if (f.open(QIODevice::ReadOnly)) s.bytes = f.readAll();
  }
  return s;
}

bool plant(const QString& thing, const QString& path, const QString& outside) {
  const QByteArray p = QFile::encodeName(path);
  QFile::remove(path);
  auto write = [&](const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
  };
  if (thing == "empty") return write({});
  if (thing == "one byte") return write("\x07");
  if (thing == "random") {
    std::mt19937 rng(17);
    QByteArray bytes(60000, 0);
    for (char& c : bytes) c = static_cast<char>(rng());
    return write(bytes);
  }
  if (thing == "huge") return write({}) && ::truncate(p.constData(), off_t(512) << 20) == 0;
  if (thing == "directory") return QDir().mkdir(path);
  if (thing == "FIFO") return ::mkfifo(p.constData(), 0600) == 0;
  if (thing == "link out") return QFile::link(outside, path);
  return false;
}

}  // namespace

class HostileDirectoryWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { play_.close(); }

  void everyCommandSaysSoAndGoesOn_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("thing");
    for (const char* file : {"leicht.trx", "brett.trx", "Champions.Rhm"})
      for (const char* thing :
           {"empty", "one byte", "huge", "random", "directory", "FIFO", "link out"})
        QTest::newRow(qPrintable(QString("%1 %2").arg(file, thing))) << file << thing;
  }

  void everyCommandSaysSoAndGoesOn() {
    QFETCH(QString, file);
    QFETCH(QString, thing);
    // The link leads to a file of someone else's, which must stay as it is.
    QTemporaryDir elsewhere;
    const QString outside = elsewhere.filePath("not-yours.txt");
    {
      QFile f(outside);
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write("mine, not the game's\n");
    }
    const Snapshot outsideBefore = snapshotOf(outside);
    Snapshot before;
    QVERIFY(play_.open([&] {
      QVERIFY(plant(thing, QDir::current().filePath(file), outside));
      before = snapshotOf(QDir::current().filePath(file));
    }));
    const QString path = QDir(play_.directory()).filePath(file);
    const bool fame = file == "Champions.Rhm", level = file == "leicht.trx";
    const bool regular = S_ISREG(before.type);

    // Start-up: a hall of fame that cannot be read is reported; the window is there.
    QCOMPARE(play_.messages.isEmpty(), !fame);
    if (fame) QVERIFY2(play_.messages.last().contains(file), qPrintable(play_.messages.last()));
    play_.messages.clear();

    // A new game: the easy level file that cannot be loaded is named, and the game that
    // follows is not timed. (A huge file of zero bytes holds every slot whole: a puzzle
    // without clues, dealt as such.)
    QVERIFY(play_.choose(8));
    QVERIFY(play_.waitForMode(Game::Mode::Playing));
    if (level && thing != "huge") {
      QCOMPARE(play_.messages.size(), 1);
      QVERIFY2(play_.messages.last().contains(file), qPrintable(play_.messages.last()));
      QVERIFY(!play_.state().clockRunning);
    } else {
      QCOMPARE(play_.messages, QStringList());
      QVERIFY(play_.state().clockRunning);
    }
    QVERIFY(play_.leaveWithEscape());
    play_.messages.clear();

    // Loading slot 1 of the saved boards.
    play_.answerSlotDialog({"1"});
    QVERIFY(play_.choose(20));
    QVERIFY(QTest::qWaitFor([&] { return play_.slotDialogs >= 1; }));
    if (file == "brett.trx" && thing != "huge") {
      QVERIFY(!play_.messages.isEmpty());
      QVERIFY2(play_.messages.last().contains(file), qPrintable(play_.messages.last()));
    }
    if (play_.game().mode() != Game::Mode::Idle) QVERIFY(play_.leaveWithEscape());
    play_.messages.clear();

    // The hall of fame is shown whatever its file holds.
    QVERIFY(play_.choose(50));
    QVERIFY(QTest::qWaitFor([&] { return play_.fameDialogs >= 1; }));

    // Nothing so far changed the thing, nor anything outside.
    QCOMPARE(snapshotOf(path), before);
    QCOMPARE(snapshotOf(outside), outsideBefore);

    // Saving into slot 1: over anything but a regular file it is refused and named; a damaged
    // regular file is made a whole one, keeping what it held of other slots.
    play_.answerSlotDialog({"1"});
    QVERIFY(play_.choose(21));
    QVERIFY(QTest::qWaitFor([&] { return play_.slotDialogs >= 2; }));
    if (play_.game().mode() != Game::Mode::Idle) QVERIFY(play_.leaveWithEscape());
    if (file == "brett.trx" && !regular) {
      QVERIFY(!play_.messages.isEmpty());
      QVERIFY2(play_.messages.last().contains(file), qPrintable(play_.messages.last()));
      QCOMPARE(snapshotOf(path), before);
    } else if (file == "brett.trx") {
      QCOMPARE(play_.messages, QStringList());
      QCOMPARE(snapshotOf(path).size, off_t(48729));
    } else {
      QCOMPARE(play_.messages, QStringList());
      QCOMPARE(snapshotOf(path), before);
    }
    QCOMPARE(snapshotOf(outside), outsideBefore);
    QVERIFY(play_.window().isVisible());
  }

 private:
  PlayWindow play_;
};

QTEST_MAIN(HostileDirectoryWindowTest)
#include "hostile_directory_window_test.moc"
