#include "ui/flat_style.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

namespace tessarine {
namespace {

const QColor kAccent(60, 160, 250);
const QColor kBorder(197, 204, 214);
const QColor kWindow(244, 246, 249);
const QColor kGutter(226, 233, 242);
const QColor kHover(232, 243, 254);
const QColor kPressed(207, 229, 252);
const QColor kDisabled(240, 241, 243);
constexpr int kGutterWidth = 28;

// A flat box: one fill, a one-pixel border; the border turns to the accent
// colour under the mouse or with the keyboard focus.
void FlatBox(QPainter* painter, const QStyleOption* option, const QColor& fill) {
  const bool active = option->state & (QStyle::State_MouseOver | QStyle::State_HasFocus);
  const bool enabled = option->state & QStyle::State_Enabled;
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing, false);
  painter->fillRect(option->rect, enabled ? fill : kDisabled);
  painter->setPen(enabled && active ? kAccent : kBorder);
  painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
  painter->restore();
}

QColor ButtonFill(const QStyleOption* option) {
  if (option->state & (QStyle::State_Sunken | QStyle::State_On)) return kPressed;
  if (option->state & QStyle::State_MouseOver) return kHover;
  return Qt::white;
}

// A menu item's picture in the gutter, or its check mark in the accent
// colour, drawn as two strokes.
void DrawMenuMark(QPainter* painter, const QStyleOptionMenuItem* item, const QRect& gutter, bool enabled) {
  if (!item->icon.isNull()) {
    const QPixmap picture = item->icon.pixmap(16, 16, enabled ? QIcon::Normal : QIcon::Disabled);
    painter->drawPixmap(gutter.center().x() - 7, gutter.center().y() - 7, picture);
  } else if (item->checkType != QStyleOptionMenuItem::NotCheckable && item->checked) {
    const QPoint c = gutter.center();
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setPen(QPen(enabled ? kAccent : kBorder, 2));
    painter->drawPolyline(QPolygon({c + QPoint(-5, 0), c + QPoint(-2, 3), c + QPoint(5, -4)}));
    painter->setRenderHint(QPainter::Antialiasing, false);
  }
}

// A menu item's caption on the left and its shortcut, after a tab, on the
// right; the default item in bold.
void DrawMenuText(QPainter* painter, const QStyleOptionMenuItem* item, const QRect& textRect, bool enabled) {
  QFont font = item->font;
  if (item->menuItemType == QStyleOptionMenuItem::DefaultItem) font.setBold(true);
  painter->setFont(font);
  painter->setPen(enabled ? item->palette.color(QPalette::WindowText)
                          : item->palette.color(QPalette::Disabled, QPalette::WindowText));
  const QStringList parts = item->text.split('\t');
  const int flags = Qt::AlignVCenter | Qt::TextShowMnemonic | Qt::TextSingleLine;
  painter->drawText(textRect, flags | Qt::AlignLeft, parts.value(0));
  if (parts.size() > 1) painter->drawText(textRect, flags | Qt::AlignRight, parts.value(1));
}

// Tabs drawn as flat buttons: the page showing is filled with the accent.
// A focused tab bar shows a dotted frame inside its current tab, white on
// the accent, so that keyboard users see where they are.
void DrawTabShape(QPainter* painter, const QStyleOptionTab* tab) {
  const QRect box = tab->rect.adjusted(1, 1, -1, -1);
  const bool selected = tab->state & QStyle::State_Selected;
  painter->save();
  if (selected) {
    painter->fillRect(box, kAccent);
  } else {
    painter->fillRect(box, (tab->state & QStyle::State_MouseOver) ? kHover : Qt::white);
    painter->setPen(kBorder);
    painter->drawRect(box.adjusted(0, 0, -1, -1));
  }
  if (tab->state & QStyle::State_HasFocus) {
    painter->setPen(QPen(selected ? QColor(Qt::white) : kAccent, 1, Qt::DotLine));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(box.adjusted(2, 2, -3, -3));
  }
  painter->restore();
}

}  // namespace

FlatStyle::FlatStyle() : QProxyStyle(QStyleFactory::create("Fusion")) { setObjectName("FlatStyle"); }

void FlatStyle::polish(QPalette& palette) {
  palette = QPalette(Qt::black, kWindow);
  palette.setColor(QPalette::Base, Qt::white);
  palette.setColor(QPalette::Button, Qt::white);
  palette.setColor(QPalette::Highlight, kAccent);
  palette.setColor(QPalette::HighlightedText, Qt::white);
  palette.setColor(QPalette::Disabled, QPalette::Text, QColor(150, 150, 150));
  palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(150, 150, 150));
  palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(150, 150, 150));
}

void FlatStyle::polish(QWidget* widget) {
  QProxyStyle::polish(widget);
  // A text box's frame shows its focus; the box repaints it when it changes.
  if (qobject_cast<QAbstractScrollArea*>(widget)) widget->installEventFilter(this);
}

void FlatStyle::unpolish(QWidget* widget) {
  widget->removeEventFilter(this);
  QProxyStyle::unpolish(widget);
}

bool FlatStyle::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
    static_cast<QWidget*>(watched)->update();
  }
  return QProxyStyle::eventFilter(watched, event);
}

void FlatStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const {
  switch (element) {
    case PE_PanelButtonCommand:
    case PE_PanelButtonBevel:
      FlatBox(painter, option, ButtonFill(option));
      return;
    case PE_PanelLineEdit:
      if (const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option); frame && frame->lineWidth > 0) {
        FlatBox(painter, option, Qt::white);
      }
      return;
    case PE_FrameLineEdit:
      return;  // drawn with the panel
    case PE_FrameFocusRect:
      painter->save();
      painter->setPen(QPen(kAccent, 1, Qt::DotLine));
      painter->setBrush(Qt::NoBrush);
      painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
      painter->restore();
      return;
    case PE_Frame:
      if (qobject_cast<const QAbstractScrollArea*>(widget) && (option->state & State_HasFocus)) {
        painter->save();
        painter->setPen(kAccent);
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        painter->restore();
        return;
      }
      QProxyStyle::drawPrimitive(element, option, painter, widget);
      return;
    case PE_PanelMenu:
    case PE_FrameMenu:
      painter->save();
      painter->fillRect(option->rect, Qt::white);
      painter->setPen(kBorder);
      painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
      painter->restore();
      return;
    case PE_FrameTabWidget:
      painter->save();
      painter->setPen(kBorder);
      painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
      painter->restore();
      return;
    default:
      QProxyStyle::drawPrimitive(element, option, painter, widget);
  }
}

void FlatStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                            const QWidget* widget) const {
  switch (element) {
    case CE_MenuItem:
      if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
        drawMenuItem(item, painter, widget);
        return;
      }
      break;
    case CE_MenuBarEmptyArea:
      painter->fillRect(option->rect, kWindow);
      return;
    case CE_MenuBarItem:
      if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
        const bool open = item->state & (State_Selected | State_Sunken);
        painter->fillRect(item->rect, open ? kHover : kWindow);
        painter->setPen(item->palette.color(QPalette::WindowText));
        painter->drawText(item->rect, Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextSingleLine, item->text);
        return;
      }
      break;
    case CE_TabBarTabShape:
      if (const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option)) {
        DrawTabShape(painter, tab);
        return;
      }
      break;
    case CE_TabBarTabLabel:
      if (const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option)) {
        QStyleOptionTab label(*tab);
        if (tab->state & State_Selected) label.palette.setColor(QPalette::WindowText, Qt::white);
        QProxyStyle::drawControl(element, &label, painter, widget);
        return;
      }
      break;
    default:
      break;
  }
  QProxyStyle::drawControl(element, option, painter, widget);
}

void FlatStyle::drawMenuItem(const QStyleOptionMenuItem* item, QPainter* painter, const QWidget* widget) const {
  painter->save();
  const QRect rect = item->rect;
  const QRect gutter(rect.left(), rect.top(), kGutterWidth, rect.height());
  painter->fillRect(rect, Qt::white);
  painter->fillRect(gutter, kGutter);
  if (item->menuItemType == QStyleOptionMenuItem::Separator) {
    painter->setPen(kBorder);
    const int y = rect.center().y();
    painter->drawLine(rect.left() + kGutterWidth + 4, y, rect.right() - 4, y);
    painter->restore();
    return;
  }
  const bool enabled = item->state & State_Enabled;
  if ((item->state & State_Selected) && enabled) {
    painter->fillRect(rect.adjusted(2, 1, -2, -1), kHover);
    painter->setPen(kAccent);
    painter->drawRect(rect.adjusted(2, 1, -3, -2));
  }
  DrawMenuMark(painter, item, gutter, enabled);
  DrawMenuText(painter, item, rect.adjusted(kGutterWidth + 8, 0, -20, 0), enabled);
  if (item->menuItemType == QStyleOptionMenuItem::SubMenu) {
    QStyleOption arrow(*item);
    arrow.rect = QRect(rect.right() - 16, rect.center().y() - 5, 10, 10);
    proxy()->drawPrimitive(PE_IndicatorArrowRight, &arrow, painter, widget);
  }
  painter->restore();
}

void FlatStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                   const QWidget* widget) const {
  if (control == CC_ComboBox) {
    if (const auto* combo = qstyleoption_cast<const QStyleOptionComboBox*>(option)) {
      FlatBox(painter, combo, combo->editable ? QColor(Qt::white) : ButtonFill(combo));
      QStyleOption arrow(*combo);
      arrow.rect = proxy()->subControlRect(CC_ComboBox, combo, SC_ComboBoxArrow, widget).adjusted(3, 3, -3, -3);
      proxy()->drawPrimitive(PE_IndicatorArrowDown, &arrow, painter, widget);
      return;
    }
  }
  QProxyStyle::drawComplexControl(control, option, painter, widget);
}

int FlatStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
  switch (metric) {
    case PM_ButtonShiftHorizontal:
    case PM_ButtonShiftVertical:
      return 0;
    case PM_MenuPanelWidth:
      return 1;
    case PM_SmallIconSize:
      return 16;
    default:
      return QProxyStyle::pixelMetric(metric, option, widget);
  }
}

int FlatStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                         QStyleHintReturn* returnData) const {
  if (hint == SH_UnderlineShortcut) return 1;
  // Every list pops up below its box as a short scrolling list, editable or
  // not, instead of a screen-tall column over the box.
  if (hint == SH_ComboBox_Popup) return 0;
  return QProxyStyle::styleHint(hint, option, widget, returnData);
}

}  // namespace tessarine
