// A clickable label drawn as a small button that stands for one template
// token; it reports clicks and the mouse entering and leaving it. From the
// keyboard it takes the focus with Tab, shows it, and Space or Enter press
// it; taking the focus counts as the mouse entering.
#pragma once

#include <QLabel>

namespace tessarine {

class TokenLabel : public QLabel {
  Q_OBJECT

 public:
  TokenLabel(const QString& objectName, const QString& caption, const QString& token, QWidget* parent = nullptr);

  const QString& Token() const { return token_; }

 signals:
  void clicked();
  void entered();
  void left();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  // The window's font reaches the label after it is built: sized again for it.
  void changeEvent(QEvent* event) override;

 private:
  QString token_;
};

}  // namespace tessarine
