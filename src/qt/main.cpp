// Tessarix: starts the game in its game directory.
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "app/command_line.h"
#include "app/game_directory.h"
#include "qt/main_window.h"
#include "qt/shipped_files.h"

int main(int argc, char* argv[]) {
  // The command line first, from the bytes as given: a mistake needs no display, and a path
  // that is not UTF-8 stays the same directory.
  const tessarix::CommandLine line =
      tessarix::parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  switch (line.action) {
    case tessarix::CommandLine::Action::Wrong: std::cerr << line.error << "\n"; return 2;
    case tessarix::CommandLine::Action::Help: std::cout << tessarix::helpText(); return 0;
    case tessarix::CommandLine::Action::Version:
      std::cout << "tessarix " TESSARIX_VERSION "\n";
      return 0;
    case tessarix::CommandLine::Action::Play: break;
  }

  const std::filesystem::path dir =
      !line.dir.empty()
          ? std::filesystem::path(line.dir)
          : tessarix::defaultGameDirectory(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));

  // Every print job goes to this PDF file. Its path is taken from where the game was started,
  // before it moves into its directory.
  std::filesystem::path printTo(line.printTo);
  std::error_code printPathError;
  if (!printTo.empty()) printTo = std::filesystem::absolute(printTo, printPathError);

  // Every game file is read and written by its bare name inside the game directory. A game
  // directory that cannot be used is said on one line, before any window (or display) is
  // needed.
  const std::string problem = tessarix::prepareGameDirectory(dir, tessarix::shippedLevelFiles());
  std::error_code ec;
  if (problem.empty()) std::filesystem::current_path(dir, ec);
  if (!problem.empty() || ec) {
    std::cerr << "tessarix: "
              << (problem.empty()
                      ? "Das Spielverzeichnis " + dir.string() + " ist nicht erreichbar."
                      : problem)
              << "\n";
    return 2;
  }

  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tessarix"));
  // Qt's own dialogs (the print dialog above all) speak German too, where the translations
  // are installed.
  QTranslator qtTexts;
  if (qtTexts.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtTexts);

  tessarix::MainWindow window;
  if (!printTo.empty()) window.platform().setPrintFile(printTo.string());
  window.start();
  // On a screen smaller than the window the game starts scaled down, wholly visible.
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    window.fitToScreen(screen->availableGeometry());
  window.show();
  return QApplication::exec();
}
