#include "ui/token_label.h"

#include <QMouseEvent>

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
