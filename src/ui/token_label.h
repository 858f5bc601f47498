// A clickable label drawn as a small button that stands for one template
// token; it reports clicks and the mouse entering and leaving it.
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

 private:
  QString token_;
};

}  // namespace tessarine
