// The main window: the menu bar above the fixed 1280 x 946 canvas, the clock label, the 50 ms
// clock timer, and the Game with its Qt Platform.
#pragma once

#include <QMainWindow>
#include <QTimer>
#include <memory>

#include "app/game.h"
#include "qt/canvas_widget.h"
#include "qt/qt_platform.h"

class QLabel;

namespace tessarix {

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);
  ~MainWindow() override;

  // Builds the menu and draws the opening screen; placed on the screen as the game places it.
  // The clock timer waits for a timed game. Call once, before show().
  void start();
  // The game in progress of the last run taken up again (once the window shows).
  void resumeGame();

  // Shrinks the window to fit a screen's available area where it does not fit whole at scale 1,
  // and places it at the area's top-left corner; leaves it as it is where it fits.
  void fitToScreen(const QRect& available);

  Game& game() { return *game_; }
  QtPlatform& platform() { return platform_; }
  CanvasWidget& canvasWidget() { return *canvasWidget_; }
  QLabel& clockLabel() { return *clockLabel_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  // Minimised or hidden, the window pauses a timed game.
  void changeEvent(QEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  // Shown the first time, the window takes the keyboard, so that the menu's access keys work
  // without a click where no window manager hands it over.
  void showEvent(QShowEvent* event) override;

 private:
  CanvasWidget* canvasWidget_;
  QLabel* clockLabel_;
  QtPlatform platform_;
  std::unique_ptr<Game> game_;
  QTimer clockTimer_;
  QTimer stepTimer_;
  bool shown_ = false;
};

}  // namespace tessarix
