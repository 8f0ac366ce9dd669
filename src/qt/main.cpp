// Tessarix: starts the game in its game directory.
#include <QApplication>
#include <QMessageBox>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <system_error>

#include "app/game_directory.h"
#include "qt/main_window.h"
#include "qt/shipped_files.h"

namespace {

void usage() { std::cerr << "Aufruf: tessarix [--dir VERZEICHNIS] [--print-to DATEI.pdf]\n"; }

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tessarix"));

  std::filesystem::path dir;
  std::filesystem::path printTo;  // every print job goes to this PDF file
  const QStringList args = QApplication::arguments();
  for (int i = 1; i < args.size(); ++i) {
    if (args[i] == QLatin1String("--dir") && i + 1 < args.size()) {
      dir = std::filesystem::path(args[++i].toStdString());
    } else if (args[i].startsWith(QLatin1String("--dir="))) {
      dir = std::filesystem::path(args[i].mid(6).toStdString());
    } else if (args[i] == QLatin1String("--print-to") && i + 1 < args.size()) {
      printTo = std::filesystem::path(args[++i].toStdString());
    } else if (args[i].startsWith(QLatin1String("--print-to="))) {
      printTo = std::filesystem::path(args[i].mid(11).toStdString());
    } else if (args[i] == QLatin1String("--help") || args[i] == QLatin1String("-h")) {
      usage();
      return 0;
    } else {
      std::cerr << "tessarix: unbekannte Angabe " << args[i].toStdString() << "\n";
      usage();
      return 2;
    }
  }
  if (dir.empty())
    dir = tessarix::defaultGameDirectory(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));

  // The PDF's path is taken from where the game was started, before it moves into its directory.
  std::error_code printPathError;
  if (!printTo.empty()) printTo = std::filesystem::absolute(printTo, printPathError);

  // Every game file is read and written by its bare name inside the game directory.
  const std::string problem = tessarix::prepareGameDirectory(dir, tessarix::shippedLevelFiles());
  std::error_code ec;
  if (problem.empty()) std::filesystem::current_path(dir, ec);
  if (!problem.empty() || ec) {
    const QString text = QString::fromStdString(
        problem.empty() ? "Das Spielverzeichnis " + dir.string() + " ist nicht erreichbar."
                        : problem);
    QMessageBox::critical(nullptr, QStringLiteral("Tessarix"), text);
    return 1;
  }

  tessarix::MainWindow window;
  if (!printTo.empty()) window.platform().setPrintFile(printTo.string());
  window.start();
  window.show();
  return QApplication::exec();
}
