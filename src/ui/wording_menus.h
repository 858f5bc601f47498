// 控制 → 地区, 历法, 文字 and 界面语言: whose days the files keep (mainland
// China, Taiwan, Hong Kong, Korea or Vietnam), which lunar calendar they
// follow (China's, Korea's or Vietnam's), the language of the program's
// words in them, and the window's own language. All four are remembered
// beside the user's lists. Choosing a region chooses its calendar and its
// language (대한민국 → 韩国阴历, 한국어), and choosing a calendar its language,
// which the user may change after. On a first start the region follows the
// system's locale, and the files' language the window's (a Taiwanese window
// writes 臘月, a Korean one 섣달); a user who has chosen a calendar before
// keeps the region and language that calendar stands for. A window language
// takes effect in a new window, which the program opens.
#pragma once

#include <QLocale>
#include <QObject>
#include <QString>
#include <string_view>

#include "calendar/region.h"
#include "calendar/vocabulary.h"
#include "ui/window_settings.h"

class QAction;
class QActionGroup;
class QMenu;

namespace tessarine {

// The region a first start chooses for a system locale named as QLocale
// names it ("zh_TW", "ko_KR", "vi"): Taiwan, Hong Kong (and Macao, whose
// Chinese is Hong Kong's), Korea, Vietnam; anything else mainland China.
Region RegionOfLocaleName(const QString& locale);

// The files' language a first start chooses for the window's language (one
// of kWindowLanguages): zh_TW → 繁體, ko → 한국어, vi → Tiếng Việt, zh_CN
// → 简体; an English window leaves it to the region.
Language LanguageOfWindow(const QString& windowLanguage, Region region);

class WordingMenus : public QObject {
  Q_OBJECT

 public:
  // Adds the four submenus to `menu`, each showing the choice remembered in
  // `settings`; what is not remembered follows `systemLocale` (the region as
  // RegionOfLocaleName reads it, the files' language as LanguageOfWindow
  // reads the window's).
  WordingMenus(QMenu* menu, WindowSettings settings, const QLocale& systemLocale);

  Region region() const;
  LunarCalendar calendar() const;
  Language language() const;

 signals:
  // The region, the calendar or the files' language was chosen.
  void changed();
  // One of kWindowLanguages, or empty for the system's; already remembered.
  void interfaceLanguageChosen(const QString& language);

 private:
  void onRegionChosen(QAction* chosen);
  void onCalendarChosen(QAction* chosen);
  // Checks the item of `group` whose tag is `tag`, and remembers it under `key`.
  void choose(QActionGroup* group, const char* key, std::string_view tag);
  void onLanguageChosen(QAction* chosen);
  void onInterfaceChosen(QAction* chosen);

  WindowSettings settings_;
  QActionGroup* regionGroup = nullptr;
  QActionGroup* calendarGroup = nullptr;
  QActionGroup* languageGroup = nullptr;
  QActionGroup* interfaceGroup = nullptr;
};

}  // namespace tessarine
