// The widget that shows the screen's canvas at the largest scale that fits it, keeping the
// canvas's proportions (the rest in the window colour), and reports the pointer, the mouse
// buttons and the keyboard as signals, in canvas pixels and the game's key codes.
#pragma once

#include <QRegion>
#include <QString>
#include <QWidget>

#include "qt/screen_canvas.h"

namespace tessarix {

// Mouse buttons as the game names them.
inline constexpr int leftButton = 1;
inline constexpr int rightButton = 2;

// The game's code of a key (app/keys.h): capital letters and digits as their ASCII codes, Esc
// 27, Enter 13, Backspace 8, Tab 9, Space 32, the arrows and Delete; other keys keep their Qt
// key code (a character's code point, or a special key's code from 0x1000000 up).
int gameKeyCode(int qtKey);

class CanvasWidget : public QWidget {
  Q_OBJECT

 public:
  explicit CanvasWidget(QWidget* parent = nullptr);

  // The canvas the game draws on; whatever is drawn is repainted on the next paint event.
  ScreenCanvas& canvas() { return canvas_; }
  // The canvas at scale 1, pixel for pixel, whatever the window shows.
  const QImage& image() const { return canvas_.image(); }
  // Canvas pixels per widget pixel, and where the canvas's corner lies in the widget.
  double scale() const { return scale_; }
  QPointF origin() const { return origin_; }
  // A rectangle of canvas pixels in widget coordinates.
  QRect widgetRect(const QRect& canvasRect) const;
  // The part of the widget the canvas covers.
  QRectF shownRect() const { return {origin_, QSizeF(canvasWidth * scale_, canvasHeight * scale_)}; }
  QSize sizeHint() const override { return {canvasWidth, canvasHeight}; }
  // The most rectangles the canvas marks for one paint event; more become the rectangle
  // around them.
  static constexpr int maxMarkedRects = 16;

 signals:
  // The shown scale changed (the window was resized).
  void scaleChanged(double scale);

 public:

 signals:
  void pointerMoved(int x, int y);
  // button is leftButton or rightButton.
  void buttonPressed(int button, int x, int y);
  void buttonReleased(int button, int x, int y);
  // key is gameKeyCode(Qt key), on a press with the Ctrl, Shift and Alt flags of app/keys.h;
  // text is what the key types (may be empty). Auto-repeats of a held key and the modifier
  // keys on their own are not reported.
  void keyPressed(int key, const QString& text);
  void keyReleased(int key, const QString& text);
  // A character typed (the character code of the key's text, Esc 27); sent after keyPressed.
  void characterTyped(int code);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  // Tab is a key of the game, not a move to another widget.
  bool focusNextPrevChild(bool next) override;

 private:
  QPoint canvasPoint(const QPointF& widgetPoint) const;
  void followSize();
  // Marks a rectangle of the widget for the next paint event. The marked region stays a few
  // rectangles: past maxMarkedRects it becomes the rectangle around them all, so that a picture
  // drawn in thousands of small pieces costs no region of thousands of rectangles (which Qt
  // grows one rectangle at a time, and clips the paint event to).
  void markForPaint(const QRect& r);

  ScreenCanvas canvas_;
  double scale_ = 1.0;
  QPointF origin_;
  QRegion marked_;  // marked since the last paint event
};

}  // namespace tessarix
