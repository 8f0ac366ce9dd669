// Makes the README's pictures: the real main window, offscreen, in a fresh game directory
// seeded as on a first start; a game dealt, a few entries (one of them wrong), pencil marks,
// the keyboard cursor; then the same game with its candidates shown.
// Usage: take_screenshots OUTPUT_DIRECTORY (run with QT_QPA_PLATFORM=offscreen)
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdio>
#include <optional>
#include <vector>

#include "app/game_directory.h"
#include "logic/geometry.h"
#include "logic/solver.h"
#include "qt/main_window.h"
#include "qt/shipped_files.h"
#include "ui/keypad_drawing.h"
#include "ui/field_layout.h"

using namespace tessarix;

namespace {

QPoint centreOf(int i) {
  return {anchorX[cellGrid(i)] + (cellCol(i) - 1) * cellWidth + cellWidth / 2,
          anchorY[cellGrid(i)] + (cellRow(i) - 1) * cellHeight + cellHeight / 2};
}

QPoint keypadButton(int i, int n) {
  const KeypadPlace p = keypadPlace(cellGrid(i), cellCol(i), cellRow(i));
  return {p.left + 15 * ((n - 1) % 3) + 7, p.top + 15 * ((n - 1) / 3) + 7};
}

bool save(QWidget& window, const QString& path) {
  const bool ok = window.grab().save(path);
  std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
  return ok;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: take_screenshots OUTPUT_DIRECTORY\n");
    return 2;
  }
  const QDir out(QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[1])));
  QTemporaryDir dir;
  if (!dir.isValid() || !prepareGameDirectory(dir.path().toStdString(), shippedLevelFiles()).empty())
    return 1;
  QDir::setCurrent(dir.path());

  MainWindow window;
  window.platform().answerHook = [](const std::string&, const std::vector<std::string>&,
                                    int def) { return def; };
  window.platform().messageHook = [](const std::string&) {};
  window.start();
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) return 1;
  CanvasWidget& canvas = window.canvasWidget();
  canvas.setFocus();
  Game& game = window.game();

  game.menuEvent(8);  // "Neues Spiel" at Leicht
  QTest::qWait(50);
  const GameState& s = game.state();
  // Empty cells of grid 5 and its neighbours, in the middle of the field.
  std::vector<int> empty;
  for (int g : {5, 2, 3, 7, 8})
    for (int r = 1; r <= 9; ++r)
      for (int c = 1; c <= 9; ++c) {
        const int i = cellIndex(g, c, r);
        if (s.board[i] == 0 && leadingCopy(i) == i) empty.push_back(i);
      }
  if (empty.size() < 12) return 1;
  // Six right entries by the keypad, one typed, one wrong.
  for (int k = 0; k < 6; ++k) {
    QTest::mouseClick(&canvas, Qt::LeftButton, {}, centreOf(empty[k]));
    QTest::mouseClick(&canvas, Qt::LeftButton, {}, keypadButton(empty[k], s.solution[empty[k]]));
  }
  QTest::mouseClick(&canvas, Qt::LeftButton, {}, centreOf(empty[6]));
  QTest::keyClick(&canvas, static_cast<char>('0' + s.solution[empty[6]]));
  // A wrong value that breaks no rule yet (a clash would leave no candidates to show).
  int wrong = 0;
  for (int d = 1; d <= 9 && wrong == 0; ++d) {
    CellArray board = s.board;
    if (d != s.solution[empty[7]] &&
        digitFits(board, cellGrid(empty[7]), cellCol(empty[7]), cellRow(empty[7]), d))
      wrong = d;
  }
  QTest::mouseClick(&canvas, Qt::LeftButton, {}, centreOf(empty[7]));
  QTest::keyClick(&canvas, static_cast<char>('0' + (wrong ? wrong : s.solution[empty[7]] % 9 + 1)));
  // Pencil marks in two cells.
  for (int k : {8, 9})
    for (int d : {int(s.solution[empty[k]]), s.solution[empty[k]] % 9 + 1}) {
      QTest::mouseClick(&canvas, Qt::RightButton, {}, centreOf(empty[k]));
      QTest::keyClick(&canvas, static_cast<char>('0' + d));
    }
  // The keyboard cursor two cells right of the middle.
  for (Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Right}) QTest::keyClick(&canvas, key);
  QTest::qWait(1200);  // the clock shows a second or so
  if (!save(window, out.filePath("screenshot.png"))) return 1;

  QTest::keyClick(&canvas, 'M');  // the candidates
  QTest::qWait(100);
  if (!save(window, out.filePath("candidates.png"))) return 1;
  return 0;
}
