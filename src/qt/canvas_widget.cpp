// The widget that shows the screen's canvas: paintEvent copies the repainted part of the image;
// pointer, buttons and keys go out as signals.
#include "qt/canvas_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <algorithm>
#include <cmath>

#include "app/keys.h"
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
  return (m & Qt::ControlModifier ? keys::ctrl : 0) | (m & Qt::ShiftModifier ? keys::shift : 0);
}

CanvasWidget::CanvasWidget(QWidget* parent) : QWidget(parent) {
  setMinimumSize(canvasWidth / 4, canvasHeight / 4);
  resize(canvasWidth, canvasHeight);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  canvas_.setLargeFonts(logicalDpiY() > 96);
  canvas_.setDirtyListener([this](const QRect& r) { update(widgetRect(r)); });
}

QRectF CanvasWidget::shownRect() const {
  return {origin_, QSizeF(canvasWidth * scale_, canvasHeight * scale_)};
}

QPoint CanvasWidget::canvasPoint(const QPointF& p) const {
  const QPointF c = (p - origin_) / scale_;
  return {static_cast<int>(std::lround(c.x())), static_cast<int>(std::lround(c.y()))};
}

QRect CanvasWidget::widgetRect(const QRect& r) const {
  if (scale_ == 1.0 && origin_.isNull()) return r;
  const QRectF shown(origin_ + QPointF(r.topLeft()) * scale_, QSizeF(r.size()) * scale_);
  return shown.toAlignedRect().adjusted(-1, -1, 1, 1);
}

void CanvasWidget::resizeEvent(QResizeEvent* event) {
  const QSize s = event->size();
  scale_ = std::min(static_cast<double>(s.width()) / canvasWidth,
                    static_cast<double>(s.height()) / canvasHeight);
  // Whole pixels for the corner, so a scale of 1 shows the image pixel for pixel.
  origin_ = QPointF(std::floor((s.width() - canvasWidth * scale_) / 2.0),
                    std::floor((s.height() - canvasHeight * scale_) / 2.0));
  update();
  emit scaleChanged(scale_);
}

void CanvasWidget::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  if (scale_ == 1.0 && origin_.isNull()) {
    for (const QRect& r : event->region()) p.drawImage(r, canvas_.image(), r);
    return;
  }
  const QRectF shown = shownRect();
  const QColor window = paletteColor(colorWindow);
  for (const QRect& r : event->region()) {
    p.save();
    p.setClipRect(r);
    p.fillRect(r, window);
    // Whole scales repeat every pixel (lines stay sharp); other scales are filtered.
    const bool whole = scale_ * devicePixelRatioF() == std::floor(scale_ * devicePixelRatioF());
    p.setRenderHint(QPainter::SmoothPixmapTransform, !whole);
    p.drawImage(shown, canvas_.image());
    p.restore();
  }
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
  if (event->isAutoRepeat()) return;
  const QString text = event->text();
  emit keyPressed(gameKeyCode(event->key()) | gameModifiers(event->modifiers()), text);
  if (!text.isEmpty()) emit characterTyped(static_cast<int>(text.at(0).unicode()));
}

void CanvasWidget::keyReleaseEvent(QKeyEvent* event) {
  if (event->isAutoRepeat()) return;
  emit keyReleased(gameKeyCode(event->key()), event->text());
}

bool CanvasWidget::focusNextPrevChild(bool) { return false; }

}  // namespace tessarix
