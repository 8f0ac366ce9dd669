// The widget that shows the screen's canvas: paintEvent copies the repainted part of the image;
// pointer, buttons and keys go out as signals.
#include "qt/canvas_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

#include "app/keys.h"

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
  setFixedSize(canvasWidth, canvasHeight);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  canvas_.setLargeFonts(logicalDpiY() > 96);
  canvas_.setDirtyListener([this](const QRect& r) { update(r); });
}

void CanvasWidget::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  for (const QRect& r : event->region()) p.drawImage(r, canvas_.image(), r);
}

static QPoint canvasPoint(const QMouseEvent* event) {
  const QPointF p = event->position();
  return {static_cast<int>(std::lround(p.x())), static_cast<int>(std::lround(p.y()))};
}

static int gameButton(Qt::MouseButton b) {
  if (b == Qt::LeftButton) return leftButton;
  if (b == Qt::RightButton) return rightButton;
  return 0;
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = canvasPoint(event);
  emit pointerMoved(p.x(), p.y());
}

void CanvasWidget::mousePressEvent(QMouseEvent* event) {
  const int button = gameButton(event->button());
  if (button == 0) return;
  const QPoint p = canvasPoint(event);
  emit buttonPressed(button, p.x(), p.y());
}

void CanvasWidget::mouseReleaseEvent(QMouseEvent* event) {
  const int button = gameButton(event->button());
  if (button == 0) return;
  const QPoint p = canvasPoint(event);
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
