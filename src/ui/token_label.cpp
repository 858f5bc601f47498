#include "ui/token_label.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace tessarine {

TokenLabel::TokenLabel(const QString& objectName, const QString& caption, const QString& token, QWidget* parent)
    : QLabel(caption, parent), token_(token) {
  setObjectName(objectName);
  // White on RGB(60, 160, 250), bold until the mouse is over it.
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, QColor(60, 160, 250));
  colours.setColor(QPalette::WindowText, Qt::white);
  setPalette(colours);
  QFont bold = font();
  bold.setBold(true);
  setFont(bold);
  setContentsMargins(2, 1, 2, 1);
  // Sized for the bold caption, the widest it gets: hovering shows it in the
  // regular weight without moving its neighbours.
  setFixedSize(sizeHint());
  setFocusPolicy(Qt::TabFocus);
}

void TokenLabel::changeEvent(QEvent* event) {
  QLabel::changeEvent(event);
  // Only the bold caption sets the size; the regular one of a hover fits in it.
  if (event->type() == QEvent::FontChange && font().bold()) setFixedSize(sizeHint());
}

void TokenLabel::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    emit clicked();
    return;
  }
  QLabel::keyPressEvent(event);
}

void TokenLabel::focusInEvent(QFocusEvent* event) {
  emit entered();
  QLabel::focusInEvent(event);
}

void TokenLabel::focusOutEvent(QFocusEvent* event) {
  emit left();
  QLabel::focusOutEvent(event);
}

void TokenLabel::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!hasFocus()) return;
  QPainter painter(this);
  painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
  painter.drawRect(rect().adjusted(1, 1, -2, -2));
}

void TokenLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
  QLabel::mouseReleaseEvent(event);
}

void TokenLabel::enterEvent(QEnterEvent* event) {
  emit entered();
  QLabel::enterEvent(event);
}

void TokenLabel::leaveEvent(QEvent* event) {
  emit left();
  QLabel::leaveEvent(event);
}

}  // namespace tessarine
