// 控制 → 历法, 文字 and 界面语言: which lunar calendar the files follow
// (China's, Korea's or Vietnam's), the language of the program's words in
// them, and the window's own language. All three are remembered beside the
// user's lists. Choosing a calendar chooses its own language too (韩国阴历 →
// 한국어), which the user may change after. A window language takes effect
// in a new window, which the program opens.
#pragma once

#include <QObject>
#include <QString>

#include "calendar/vocabulary.h"
#include "ui/window_settings.h"

class QAction;
class QActionGroup;
class QMenu;

namespace tessarine {

class WordingMenus : public QObject {
  Q_OBJECT

 public:
  // Adds the three submenus to `menu`, each showing the choice remembered in `settings`.
  WordingMenus(QMenu* menu, WindowSettings settings);

  LunarCalendar calendar() const;
  Language language() const;

 signals:
  // The calendar or the files' language was chosen.
  void changed();
  // "zh_CN", "zh_TW", "en", or empty for the system's; already remembered.
  void interfaceLanguageChosen(const QString& language);

 private:
  void onCalendarChosen(QAction* chosen);
  void onLanguageChosen(QAction* chosen);
  void onInterfaceChosen(QAction* chosen);

  WindowSettings settings_;
  QActionGroup* calendarGroup = nullptr;
  QActionGroup* languageGroup = nullptr;
  QActionGroup* interfaceGroup = nullptr;
};

}  // namespace tessarine
