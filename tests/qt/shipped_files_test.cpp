// The level files compiled into the program are the shipped ones, whole, and seed a new
// game directory.
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "app/game_directory.h"
#include "puzzles/puzzle_file.h"
#include "qt/shipped_files.h"

using namespace tessarix;

class ShippedFilesTest : public QObject {
  Q_OBJECT

 private slots:
  void resourcesHoldTheFourLevelFiles() {
    const std::vector<ShippedFile> files = shippedLevelFiles();
    QCOMPARE(files.size(), size_t(4));
    for (int level = 0; level < 4; ++level) {
      QCOMPARE(files[level].name, levelFileName(level));
      QFile shipped(QStringLiteral(TESSARIX_DATA_DIR "/") +
                    QString::fromStdString(files[level].name));
      QVERIFY(shipped.open(QIODevice::ReadOnly));
      const QByteArray bytes = shipped.readAll();
      QCOMPARE(int(files[level].bytes.size()), puzzleFileSize);
      QVERIFY(files[level].bytes == bytes.toStdString());
    }
  }

  void aNewDirectoryIsSeeded() {
    QTemporaryDir temp;
    const std::filesystem::path dir = std::filesystem::path(temp.path().toStdString()) / "t";
    QCOMPARE(prepareGameDirectory(dir, shippedLevelFiles()), std::string());
    for (int level = 0; level < 4; ++level)
      QCOMPARE(std::filesystem::file_size(dir / levelFileName(level)),
               std::uintmax_t(puzzleFileSize));
  }
};

QTEST_MAIN(ShippedFilesTest)
#include "shipped_files_test.moc"
