// 控制 → 历法 and 文字: which lunar calendar the files follow (China's,
// Korea's or Vietnam's) and the language of the program's words in them.
// Both are remembered beside the user's lists. Choosing a calendar chooses
// its own language too (韩国阴历 → 한국어), which the user may change after;
// the custom format's preview and the 纪念日 tab follow at once.
#include <QActionGroup>
#include <QMenu>
#include <QSettings>

#include "ui/anniversaries_tab.h"
#include "ui/custom_format_tab.h"
#include "ui/main_window.h"
#include "ui/translation.h"

namespace tessarine {
namespace {

struct Choice {
  const char* name;
  const char* caption;
  std::string_view tag;
};

constexpr std::array<Choice, 3> kCalendars = {{
    {"chineseCalendarAction", QT_TRANSLATE_NOOP("tessarine::MainWindow", "中国农历"), "chinese"},
    {"koreanCalendarAction", QT_TRANSLATE_NOOP("tessarine::MainWindow", "韩国阴历"), "korean"},
    {"vietnameseCalendarAction", QT_TRANSLATE_NOOP("tessarine::MainWindow", "越南阴历"), "vietnamese"},
}};

// Scripts and languages by their own names, as language pickers show them.
constexpr std::array<Choice, 4> kLanguages = {{
    {"simplifiedAction", "简体", "zh-Hans"},
    {"traditionalAction", "繁體", "zh-Hant"},
    {"koreanAction", "한국어", "ko"},
    {"vietnameseAction", "Tiếng Việt", "vi"},
}};

// The window's own language; empty follows the system's.
constexpr std::array<Choice, 4> kInterfaceLanguages = {{
    {"systemInterfaceAction", QT_TRANSLATE_NOOP("tessarine::MainWindow", "跟随系统"), ""},
    {"simplifiedInterfaceAction", "简体中文", "zh_CN"},
    {"traditionalInterfaceAction", "繁體中文", "zh_TW"},
    {"englishInterfaceAction", "English", "en"},
}};

template <std::size_t N>
QActionGroup* ChoiceGroup(QMenu* menu, const std::array<Choice, N>& choices, std::string_view chosen) {
  auto* group = new QActionGroup(menu);
  for (const Choice& choice : choices) {
    // Captions marked for translation are found in the window's context;
    // the others are names in their own language and pass unchanged.
    QAction* action = menu->addAction(MainWindow::tr(choice.caption));
    action->setObjectName(choice.name);
    action->setCheckable(true);
    action->setData(QString::fromUtf8(choice.tag.data(), static_cast<int>(choice.tag.size())));
    action->setChecked(choice.tag == chosen);
    group->addAction(action);
  }
  return group;
}

std::string TagOf(const QActionGroup* group) {
  const QAction* checked = group->checkedAction();
  return checked ? checked->data().toString().toStdString() : std::string();
}

}  // namespace

void MainWindow::buildWordingMenus() {
  const QSettings settings(settingsFile(), QSettings::IniFormat);
  const LunarCalendar calendar =
      CalendarOfTag(settings.value("calendar").toString().toStdString()).value_or(LunarCalendar::China);
  const Language language =
      LanguageOfTag(settings.value("language").toString().toStdString()).value_or(DefaultLanguageOf(calendar));

  calendarMenu = controlMenu->addMenu(tr("历法"));
  calendarMenu->setObjectName("calendarMenu");
  calendarMenu->setToolTip(tr("按哪国的阴历换算：中国、韩国和越南的历法规则相同，只是时区不同，少数月份的初一相差一天"));
  calendarGroup = ChoiceGroup(calendarMenu, kCalendars, CalendarTag(calendar));
  languageMenu = controlMenu->addMenu(tr("文字"));
  languageMenu->setObjectName("languageMenu");
  languageMenu->setToolTip(tr("文件中月份、节气、节日等名称的文字；自定义格式中自己写的文字不变"));
  languageGroup = ChoiceGroup(languageMenu, kLanguages, LanguageTag(language));
  interfaceMenu = controlMenu->addMenu(tr("界面语言"));
  interfaceMenu->setObjectName("interfaceMenu");
  interfaceMenu->setToolTip(tr("窗口的语言；选择后窗口以新的语言重新打开"));
  const std::string interface = settings.value(kInterfaceLanguageKey).toString().toStdString();
  interfaceGroup = ChoiceGroup(interfaceMenu, kInterfaceLanguages, interface);
  connect(calendarGroup, &QActionGroup::triggered, this, &MainWindow::onCalendarChosen);
  connect(languageGroup, &QActionGroup::triggered, this, &MainWindow::onLanguageChosen);
  connect(interfaceGroup, &QActionGroup::triggered, this, [this](QAction* chosen) {
    storeSetting(kInterfaceLanguageKey, chosen->data().toString());
    emit interfaceLanguageChosen(chosen->data().toString());
  });
}

LunarCalendar MainWindow::chosenCalendar() const {
  return CalendarOfTag(TagOf(calendarGroup)).value_or(LunarCalendar::China);
}

Language MainWindow::chosenLanguage() const { return LanguageOfTag(TagOf(languageGroup)).value_or(Language::ZhHans); }

void MainWindow::onCalendarChosen(QAction* chosen) {
  storeSetting("calendar", chosen->data().toString());
  const std::string_view own = LanguageTag(DefaultLanguageOf(chosenCalendar()));
  for (QAction* action : languageGroup->actions()) {
    if (action->data().toString().toStdString() == own) {
      action->setChecked(true);
      storeSetting("language", action->data().toString());
    }
  }
  applyTitleOptions();
}

void MainWindow::onLanguageChosen(QAction* chosen) {
  storeSetting("language", chosen->data().toString());
  applyTitleOptions();
}

void MainWindow::applyTitleOptions() {
  const TitleFormat format = titleFormat();
  customTab->setTitleOptions(format.monthNaming, format.language, format.calendar);
  anniversariesTab->setDefaultCalendar(format.calendar);
  refreshMonthView();
}

}  // namespace tessarine
