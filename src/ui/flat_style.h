// The window's flat look: flat buttons, edit and combo boxes and tabs, and
// menus whose pictures stand in a grey gutter. Built on Fusion so that every
// control it does not restyle still looks at home. Keyboard focus always
// shows: as the accent border of boxes and buttons, as a dotted accent frame
// on tabs, check boxes and radio buttons, and as an accent frame on the text
// box.
#pragma once

#include <QProxyStyle>

class QStyleOptionMenuItem;

namespace tessarine {

class FlatStyle : public QProxyStyle {
  Q_OBJECT

 public:
  FlatStyle();

  void polish(QPalette& palette) override;
  using QProxyStyle::polish;
  void polish(QWidget* widget) override;
  void unpolish(QWidget* widget) override;
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget = nullptr) const override;
  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                          const QWidget* widget = nullptr) const override;
  int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr) const override;
  int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                QStyleHintReturn* returnData = nullptr) const override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void drawMenuItem(const QStyleOptionMenuItem* item, QPainter* painter, const QWidget* widget) const;
};

}  // namespace tessarine
