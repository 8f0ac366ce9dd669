// The widget that shows the screen's canvas: paintEvent copies the repainted part of the image;
// pointer, buttons and keys go out as signals.
#include "qt/canvas_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "app/keys.h"
#include "qt/canvas_paint.h"
#include "ui/palette.h"

namespace tessarix {

int gameKeyCode(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Escape: return keys::escape;
    case Qt::Key_Return:
    case Qt::Key_Enter: return keys::enter;
    case Qt::Key_Backspace: return keys::backspace;
    case Qt::Key_Tab: return keys::tab;
    case Qt::Key_Left: return keys::left;
    case Qt::Key_Up: return keys::up;
    case Qt::Key_Right: return keys::right;
    case Qt::Key_Down: return keys::down;
    case Qt::Key_Delete: return keys::del;
    default: return qtKey;  // printable keys are their (capital) ASCII codes already
  }
}

static int gameModifiers(Qt::KeyboardModifiers m) {
  return (m & Qt::ControlModifier ? keys::ctrl : 0) | (m & Qt::ShiftModifier ? keys::shift : 0) |
         (m & Qt::AltModifier ? keys::alt : 0);
}

// Shift, Ctrl, Alt and their kin on their own are no keys: they go with the key they modify.
static bool modifierKey(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock: return true;
    default: return false;
  }
}

CanvasWidget::CanvasWidget(QWidget* parent) : QWidget(parent) {
  setMinimumSize(canvasWidth / 4, canvasHeight / 4);
  resize(canvasWidth, canvasHeight);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  canvas_.setLargeFonts(logicalDpiY() > 96);
  // Drawn device pixels are repainted where they lie in the widget.
  canvas_.setDirtyListener([this](const QRect& r) {
    const double k = canvas_.scale() / scale_;  // device pixels per widget pixel
    markForPaint(QRectF(origin_.x() + r.x() / k, origin_.y() + r.y() / k, r.width() / k,
                        r.height() / k)
                     .toAlignedRect()
                     .adjusted(-1, -1, 1, 1));
  });
}

void CanvasWidget::markForPaint(const QRect& r) {
  if (marked_.contains(r)) return;  // repainted anyway
  marked_ += r;
  if (marked_.rectCount() <= maxMarkedRects) {
    update(r);
    return;
  }
  marked_ = marked_.boundingRect();
  update(marked_.boundingRect());
}

void CanvasWidget::followSize() {
  const double scale = std::min(width() / double(canvasWidth), height() / double(canvasHeight));
  origin_ = QPointF((width() - canvasWidth * scale) / 2, (height() - canvasHeight * scale) / 2);
  // At the canvas's own size the widget shows it pixel for pixel.
  if (width() == canvasWidth && height() == canvasHeight) origin_ = QPointF(0, 0);
  const bool changed = scale != scale_;
  scale_ = scale;
  // Drawn anew at the device pixels it is shown at, from full size up; below it the full-size
  // drawing is shrunk smoothly (drawn smaller, a one-pixel line would fall between pixels).
  canvas_.setScale(std::max(1.0, scale * devicePixelRatioF()));
  if (changed) emit scaleChanged(scale_);
  update();
}

void CanvasWidget::resizeEvent(QResizeEvent*) { followSize(); }

QRect CanvasWidget::widgetRect(const QRect& r) const {
  return QRectF(origin_.x() + r.x() * scale_, origin_.y() + r.y() * scale_, r.width() * scale_,
                r.height() * scale_)
      .toAlignedRect();
}

void CanvasWidget::paintEvent(QPaintEvent* event) {
  marked_ = QRegion();
  QPainter p(this);
  if (scale_ == 1.0 && origin_.isNull() && devicePixelRatioF() == 1.0) {
    for (const QRect& r : event->region()) p.drawImage(r, canvas_.image(), r);
    return;
  }
  // The window colour around the canvas, the canvas at its scale: its device pixels one to one.
  p.fillRect(rect(), paletteColor(colorWindow));
  QImage shown = canvas_.shownImage();
  shown.setDevicePixelRatio(canvas_.scale() / scale_);
  p.setRenderHint(QPainter::SmoothPixmapTransform,
                  canvas_.scale() != scale_ * devicePixelRatioF());
  p.drawImage(origin_, shown);
}

QPoint CanvasWidget::canvasPoint(const QPointF& w) const {
  // Back to canvas pixels, rounded to the nearest whole pixel as at scale 1.
  return {static_cast<int>(std::lround((w.x() - origin_.x()) / scale_)),
          static_cast<int>(std::lround((w.y() - origin_.y()) / scale_))};
}

static int gameButton(Qt::MouseButton b) {
  if (b == Qt::LeftButton) return leftButton;
  if (b == Qt::RightButton) return rightButton;
  return 0;
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = canvasPoint(event->position());
  emit pointerMoved(p.x(), p.y());
}

void CanvasWidget::mousePressEvent(QMouseEvent* event) {
  const int button = gameButton(event->button());
  if (button == 0) return;
  const QPoint p = canvasPoint(event->position());
  emit buttonPressed(button, p.x(), p.y());
}

void CanvasWidget::mouseReleaseEvent(QMouseEvent* event) {
  const int button = gameButton(event->button());
  if (button == 0) return;
  const QPoint p = canvasPoint(event->position());
  emit buttonReleased(button, p.x(), p.y());
}

void CanvasWidget::keyPressEvent(QKeyEvent* event) {
  if (event->isAutoRepeat() || modifierKey(event->key())) return;
  const QString text = event->text();
  emit keyPressed(gameKeyCode(event->key()) | gameModifiers(event->modifiers()), text);
  if (!text.isEmpty()) emit characterTyped(static_cast<int>(text.at(0).unicode()));
}

void CanvasWidget::keyReleaseEvent(QKeyEvent* event) {
  if (event->isAutoRepeat() || modifierKey(event->key())) return;
  emit keyReleased(gameKeyCode(event->key()), event->text());
}

bool CanvasWidget::focusNextPrevChild(bool) { return false; }

}  // namespace tessarix
