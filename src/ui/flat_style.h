// The window's flat look: flat buttons, edit and combo boxes and tabs, and
// menus whose pictures stand in a grey gutter. Built on Fusion so that every
// control it does not restyle still looks at home.
#pragma once

#include <QProxyStyle>

namespace tessarine {

class FlatStyle : public QProxyStyle {
  Q_OBJECT

 public:
  FlatStyle();

  void polish(QPalette& palette) override;
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
};

}  // namespace tessarine
