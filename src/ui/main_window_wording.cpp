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

namespace tessarine {
namespace {

struct Choice {
  const char* name;
  const char* caption;
  std::string_view tag;
};

constexpr std::array<Choice, 3> kCalendars = {{
    {"chineseCalendarAction", "中国农历", "chinese"},
    {"koreanCalendarAction", "韩国阴历", "korean"},
    {"vietnameseCalendarAction", "越南阴历", "vietnamese"},
}};

constexpr std::array<Choice, 4> kLanguages = {{
    {"simplifiedAction", "简体", "zh-Hans"},
    {"traditionalAction", "繁體", "zh-Hant"},
    {"koreanAction", "한국어", "ko"},
    {"vietnameseAction", "Tiếng Việt", "vi"},
}};

template <std::size_t N>
QActionGroup* ChoiceGroup(QMenu* menu, const std::array<Choice, N>& choices, std::string_view chosen) {
  auto* group = new QActionGroup(menu);
  for (const Choice& choice : choices) {
    QAction* action = menu->addAction(QString::fromUtf8(choice.caption));
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

  calendarMenu = controlMenu->addMenu("历法");
  calendarMenu->setObjectName("calendarMenu");
  calendarMenu->setToolTip("按哪国的阴历换算：中国、韩国和越南的历法规则相同，只是时区不同，少数月份的初一相差一天");
  calendarGroup = ChoiceGroup(calendarMenu, kCalendars, CalendarTag(calendar));
  languageMenu = controlMenu->addMenu("文字");
  languageMenu->setObjectName("languageMenu");
  languageMenu->setToolTip("文件中月份、节气、节日等名称的文字；自定义格式中自己写的文字不变");
  languageGroup = ChoiceGroup(languageMenu, kLanguages, LanguageTag(language));
  connect(calendarGroup, &QActionGroup::triggered, this, &MainWindow::onCalendarChosen);
  connect(languageGroup, &QActionGroup::triggered, this, &MainWindow::onLanguageChosen);
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
