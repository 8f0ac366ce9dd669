// The real main window for tests that play: opened in a temporary game directory whose easy
// level holds a puzzle of the solved field, printing to a PDF file there, driven by real mouse
// and key events on the canvas, with the places a player aims at and what a cell's pixels show.
#pragma once

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QImage>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "logic/geometry.h"
#include "puzzles/puzzle_file.h"
#include "qt/main_window.h"
#include "support/solved_field.h"
#include "ui/button_bar.h"
#include "ui/cell_hit.h"
#include "ui/keypad_drawing.h"
#include "ui/field_layout.h"

namespace tessarix::testing {

// --- Places on the canvas ------------------------------------------------------------------

inline int indexOf(const CellRef& c) { return cellIndex(c.grid, c.col, c.row); }
inline CellRef cellOf(int index) { return {cellGrid(index), cellCol(index), cellRow(index)}; }

// The middle of a cell, where a player clicks it.
inline QPoint centreOf(const CellRef& c) {
  return {anchorX[c.grid] + (c.col - 1) * cellWidth + 16,
          anchorY[c.grid] + (c.row - 1) * cellHeight + 12};
}

// The inside of a cell, clear of its lines.
inline QRect interiorOf(const CellRef& c) {
  return {anchorX[c.grid] + (c.col - 1) * cellWidth + 2,
          anchorY[c.grid] + (c.row - 1) * cellHeight + 2, cellWidth - 4, cellHeight - 4};
}

// The spot of a cell's pencil mark for digit d, as the marks are blanked and drawn.
inline QRect markSpotOf(const CellRef& c, int d) {
  const int px = anchorX[c.grid] + (c.col - 1) * cellWidth + (d - 1) % 3 * 10 + 3;
  const int py = anchorY[c.grid] + (c.row - 1) * cellHeight + (d - 1) / 3 * 8;
  return {px, py + 2, 6, 6};
}

// The middle of keypad button n (1..9) over a cell, a pixel of its fill, the whole keypad.
inline QPoint keypadButtonOf(const CellRef& c, int n) {
  const KeypadPlace p = keypadPlace(c.grid, c.col, c.row);
  return {p.left + 15 * ((n - 1) % 3) + 7, p.top + 15 * ((n - 1) / 3) + 7};
}
inline QPoint keypadFillOf(const CellRef& c, int n) { return keypadButtonOf(c, n) - QPoint(6, 6); }
inline QRect keypadRectOf(const CellRef& c) {
  const KeypadPlace p = keypadPlace(c.grid, c.col, c.row);
  return {p.left, p.top, keypadSize + 1, keypadSize + 1};
}

// Where a click hits a button of the bar.
inline QRect barButtonRect(BarButton b) {
  return QRect(QPoint(barButtonX(b), barTop), QPoint(barButtonClickRight(b), barClickBottom));
}

// --- What the pixels show -------------------------------------------------------------------

// The ink in a rectangle, by kind: the entries' blue, the wrong entries' bright red, black.
struct Ink {
  int blue = 0, red = 0, black = 0;
};

inline Ink inkIn(const QImage& img, const QRect& r) {
  Ink ink;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) {
      const QRgb p = img.pixel(x, y);
      const int red = qRed(p), green = qGreen(p), blue = qBlue(p);
      if (blue > 120 && red < 90 && green < 90) ++ink.blue;
      if (red > 200 && green < 90 && blue < 90) ++ink.red;
      if (red < 110 && green < 110 && blue < 110) ++ink.black;
    }
  return ink;
}

// What a cell shows, by name: "blank", "entry" (blue), "wrong" (bright red), "clue" (black),
// or "mixed ink".
inline const char* showsOf(const QImage& img, const CellRef& c) {
  const Ink ink = inkIn(img, interiorOf(c));
  if (ink.blue > 10 && ink.red == 0 && ink.black == 0) return "entry";
  if (ink.red > 10 && ink.blue == 0 && ink.black == 0) return "wrong";
  if (ink.black > 10 && ink.blue == 0 && ink.red == 0) return "clue";
  if (ink.blue + ink.red + ink.black == 0) return "blank";
  return "mixed ink";
}

inline bool markDrawn(const QImage& img, const CellRef& c, int d) {
  return inkIn(img, markSpotOf(c, d)).black > 0;
}

// --- The window -----------------------------------------------------------------------------

inline QAction* actionOf(QMenuBar* bar, int id) {
  for (QAction* a : bar->findChildren<QAction*>())
    if (!a->isSeparator() && !a->menu() && a->data().toInt() == id) return a;
  return nullptr;
}

// A step of a player in the slot dialog: a typed character, or a key by name.
inline void performInDialog(QDialog* dialog, const QString& step) {
  QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : dialog;
  static const QMap<QString, Qt::Key> namedKeys = {{"Return", Qt::Key_Return},
                                                   {"Esc", Qt::Key_Escape},
                                                   {"Up", Qt::Key_Up},
                                                   {"Down", Qt::Key_Down},
                                                   {"Space", Qt::Key_Space}};
  if (namedKeys.contains(step))
    QTest::keyClick(target, namedKeys[step]);
  else
    QTest::keyClick(target, step.at(0).toLatin1());
}

// The main window of one test, and a player's hands on it. Questions take their default
// button, messages are collected, the slot dialog answers by the steps given beforehand (a
// dialog without steps is cancelled), the hall of fame and the name dialog are counted and
// closed at once.
class PlayWindow {
 public:
  // Opens the window in a fresh game directory; false when it could not be shown. prepare
  // runs in the directory before the game starts (to put files there).
  bool open(const std::function<void()>& prepare = {}) {
    messages.clear();
    slotDialogs = 0;
    fameDialogs = 0;
    slotSteps_.clear();
    dir_ = std::make_unique<QTemporaryDir>();
    if (!dir_->isValid()) return false;
    oldDir_ = QDir::currentPath();
    QDir::setCurrent(dir_->path());
    // Every slot of the easy level holds the same puzzle of the solved field.
    const GameState puzzle = puzzleFrom(solvedField(), 4);
    SeededRandom random(11);
    for (int slot = 0; slot < slotCount; ++slot)
      if (!saveSlot(levelFileName(0), slot, puzzle, random).ok) return false;
    if (prepare) prepare();
    return showWindow();
  }

  // The window closed and a new one opened on the same game directory, as the next run of
  // the game; with resume, it takes up the game in progress the last one kept.
  bool reopen(bool resume) {
    window_.reset();
    messages.clear();
    if (!showWindow()) return false;
    if (resume) window_->resumeGame();
    return true;
  }

  // The window of the game directory, shown and active.
  bool showWindow() {
    window_ = std::make_unique<MainWindow>();
    QtPlatform& platform = window_->platform();
    platform.setPrintFile(printFile().toStdString());
    platform.messageHook = [this](const std::string& text) {
      messages << QString::fromStdString(text);
    };
    platform.answerHook = [](const std::string&, const std::vector<std::string>&, int def) {
      return def;
    };
    platform.slotDialogHook = [this](QDialog* dialog) {
      ++slotDialogs;
      const QStringList steps = std::exchange(slotSteps_, {});
      if (QTest::qWaitFor([dialog] { return QApplication::activeWindow() == dialog; }))
        for (const QString& step : steps)
          if (dialog->isVisible()) performInDialog(dialog, step);
      if (dialog->isVisible()) dialog->reject();
    };
    platform.fameDialogHook = [this](QDialog* dialog) {
      ++fameDialogs;
      dialog->reject();
    };
    platform.championDialogHook = [](QDialog* dialog) { dialog->reject(); };
    window_->start();
    window_->show();
    if (!QTest::qWaitForWindowExposed(window_.get())) return false;
    window_->activateWindow();
    if (!QTest::qWaitForWindowActive(window_.get())) return false;
    canvas().setFocus();
    return true;
  }

  void close() {
    if (window_) {
      QtPlatform& platform = window_->platform();
      platform.slotDialogHook = [](QDialog* d) { d->reject(); };
      platform.fameDialogHook = [](QDialog* d) { d->reject(); };
      platform.championDialogHook = [](QDialog* d) { d->reject(); };
    }
    window_.reset();
    if (!oldDir_.isEmpty()) QDir::setCurrent(oldDir_);
    dir_.reset();
  }

  MainWindow& window() { return *window_; }
  Game& game() { return window_->game(); }
  GameState& state() { return window_->game().state(); }
  CanvasWidget& canvas() { return window_->canvasWidget(); }
  const QImage& image() { return window_->canvasWidget().image(); }
  QString clockText() { return window_->clockLabel().text(); }
  QString directory() const { return dir_->path(); }
  // Where every print job of the window goes.
  QString printFile() const { return QDir(dir_->path()).filePath(QStringLiteral("print.pdf")); }

  // A menu command, as its item runs it; a new game, waiting for its loop.
  bool choose(int id) {
    QAction* action = actionOf(window_->menuBar(), id);
    if (!action) return false;
    action->trigger();
    return true;
  }
  bool waitForMode(Game::Mode mode) {
    return QTest::qWaitFor([&] { return game().mode() == mode; });
  }
  bool newGame() { return choose(8) && waitForMode(Game::Mode::Playing) && state().clockRunning; }
  // Esc in the loop: Abbruch's pause, then the loop is left.
  bool leaveWithEscape() {
    typeKey(Qt::Key_Escape);
    return waitForMode(Game::Mode::Idle);
  }

  void clickAt(const QPoint& p, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(&canvas(), button, {}, p);
  }
  void click(const CellRef& c, Qt::MouseButton button = Qt::LeftButton) {
    clickAt(centreOf(c), button);
  }
  void type(char key) { QTest::keyClick(&canvas(), key); }
  void typeKey(Qt::Key key) { QTest::keyClick(&canvas(), key); }

  // A digit into a cell: by the keypad's button, or typed into the keypad. False when the
  // keypad did not open or did not close.
  bool enterByKeypad(const CellRef& c, int digit) {
    click(c);
    if (!game().keypadOpen()) return false;
    clickAt(keypadButtonOf(c, digit));
    return !game().keypadOpen();
  }
  bool enterByTyping(const CellRef& c, int digit) {
    click(c);
    if (!game().keypadOpen()) return false;
    type(static_cast<char>('0' + digit));
    return !game().keypadOpen();
  }

  // The empty cells of the field, each shared cell by its leading copy.
  std::vector<CellRef> emptyCells() {
    std::vector<CellRef> cells;
    for (int g = 1; g <= 9; ++g)
      for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) {
          const int i = cellIndex(g, c, r);
          if (state().board[i] == 0 && leadingCopy(i) == i) cells.push_back({g, c, r});
        }
    return cells;
  }

  // The steps of a player in the slot dialog the next time it opens.
  void answerSlotDialog(const QStringList& steps) { slotSteps_ = steps; }

  QStringList messages;  // every message shown
  int slotDialogs = 0;   // slot dialogs opened
  int fameDialogs = 0;   // hall-of-fame dialogs opened

 private:
  std::unique_ptr<QTemporaryDir> dir_;
  QString oldDir_;
  std::unique_ptr<MainWindow> window_;
  QStringList slotSteps_;
};

}  // namespace tessarix::testing
