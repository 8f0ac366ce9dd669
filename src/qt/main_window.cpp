// The main window and how it hands the game its menu, its clock and its close button.
#include "qt/main_window.h"

#include <QCloseEvent>
#include <QEvent>
#include <QHideEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QShowEvent>

#include "app/window_placement.h"
#include "extras/clock_text.h"
#include "qt/menu_bar_builder.h"
#include "ui/palette.h"

namespace tessarix {

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent),
      canvasWidget_(new CanvasWidget(this)),
      clockLabel_(new QLabel(canvasWidget_)),
      platform_(this) {
  setWindowTitle(QStringLiteral("Tessarix V6.0"));
  QPalette windowColours = palette();
  windowColours.setColor(QPalette::Window, paletteColor(colorWindow));
  setPalette(windowColours);
  setAutoFillBackground(true);
  setCentralWidget(canvasWidget_);

  // The clock display "uhr" over the clock panel: black on white, Arial 24 points.
  // It follows the scale the canvas is shown at.
  const auto placeClock = [this](double scale) {
    clockLabel_->setGeometry(canvasWidget_->widgetRect(QRect(1056, 831, 160, 30)));
    clockLabel_->setFont(clockFont(scale, clockLabel_->logicalDpiY()));
  };
  placeClock(1.0);
  connect(canvasWidget_, &CanvasWidget::scaleChanged, this, placeClock);
  QPalette labelColours = clockLabel_->palette();
  labelColours.setColor(QPalette::Window, paletteColor(colorWhite));
  labelColours.setColor(QPalette::WindowText, paletteColor(colorBlack));
  clockLabel_->setPalette(labelColours);
  clockLabel_->setAutoFillBackground(true);
  clockLabel_->setText(QString::fromLatin1(idleClockText));
  platform_.setClockLabel(clockLabel_);

  game_ = std::make_unique<Game>(canvasWidget_->canvas(), platform_);
  // At a new scale the screen is the game's picture of its state, drawn anew.
  canvasWidget_->canvas().setPictureSource([this] { game_->drawPicture(); });

  // The game starts the timer when a timed game starts and stops it with the clock.
  clockTimer_.setInterval(50);
  connect(&clockTimer_, &QTimer::timeout, this, [this] { game_->clockTick(); });
  platform_.setClockTimer(&clockTimer_);

  // The game's timed steps (the pause before a game loop ends): one shot each, nothing sleeps.
  stepTimer_.setSingleShot(true);
  connect(&stepTimer_, &QTimer::timeout, this, [this] { game_->timerFired(); });
  platform_.setStepTimer(&stepTimer_);

  // The canvas's pointer, buttons and keys go to the game's input router.
  const auto mouseButton = [](int b) {
    return b == rightButton ? MouseButton::Right : MouseButton::Left;
  };
  connect(canvasWidget_, &CanvasWidget::pointerMoved, this,
          [this](int x, int y) { game_->input().pointerMoved(x, y); });
  connect(canvasWidget_, &CanvasWidget::buttonPressed, this,
          [this, mouseButton](int b, int x, int y) {
            game_->input().buttonPressed(mouseButton(b), x, y);
          });
  connect(canvasWidget_, &CanvasWidget::buttonReleased, this,
          [this, mouseButton](int b, int x, int y) {
            game_->input().buttonReleased(mouseButton(b), x, y);
          });
  connect(canvasWidget_, &CanvasWidget::keyPressed, this,
          [this](int key, const QString&) { game_->input().keyPressed(key); });
  connect(canvasWidget_, &CanvasWidget::keyReleased, this,
          [this](int key, const QString&) { game_->input().keyReleased(key); });
  connect(canvasWidget_, &CanvasWidget::characterTyped, this,
          [this](int code) { game_->input().characterTyped(code); });
}

MainWindow::~MainWindow() = default;

void MainWindow::start() {
  // The new bar replaces (and destroys) any bar the window had.
  auto* bar = new QMenuBar(this);
  setMenuBar(bar);
  platform_.setMenuBar(bar);
  MenuBarBuilder builder(
      bar, [this](int id) { game_->menuEvent(id); },
      [this](int id, QAction* action) { platform_.addMenuAction(id, action); });
  game_->startUp(builder);

  // The client area starts at 1280 x 946 below the menu bar; the window may be resized.
  resize(canvasWidth, canvasHeight + bar->sizeHint().height());
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect s = screen->geometry();
    const WindowPosition p = centredWindowPosition(s.width(), s.height());
    move(s.x() + p.x, s.y() + p.y);
  }
}

void MainWindow::resumeGame() { game_->resumeKeptGame(); }

void MainWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange && isMinimized()) game_->windowHidden();
}

void MainWindow::hideEvent(QHideEvent* event) {
  QMainWindow::hideEvent(event);
  // Not when the program is ending: the game is kept as it stands then.
  if (!game_->quitting()) game_->windowHidden();
}

void MainWindow::fitToScreen(const QRect& available) {
  const double scale = fittingScale(available.width(), available.height());
  if (scale >= 1.0) return;
  const int barHeight = menuBar() ? menuBar()->sizeHint().height() : 0;
  resize(static_cast<int>(canvasWidth * scale), static_cast<int>(canvasHeight * scale) + barHeight);
  move(available.topLeft());
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_) return;
  shown_ = true;
  activateWindow();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (game_->closeRequested())
    event->accept();
  else
    event->ignore();
}

}  // namespace tessarix
