#include "ui/wording_menus.h"

#include <QActionGroup>
#include <QMenu>
#include <optional>
#include <array>
#include <string>
#include <string_view>

#include "ui/translation.h"

namespace tessarine {
namespace {

struct Choice {
  const char* name;
  const char* caption;
  std::string_view tag;
};

// Each place by the name its own people give it.
constexpr std::array<Choice, 5> kRegions = {{
    {"chinaRegionAction", "大陆", "cn"},
    {"taiwanRegionAction", "台灣", "tw"},
    {"hongKongRegionAction", "香港", "hk"},
    {"koreaRegionAction", "대한민국", "kr"},
    {"vietnamRegionAction", "Việt Nam", "vn"},
}};

constexpr std::array<Choice, 3> kCalendars = {{
    {"chineseCalendarAction", QT_TRANSLATE_NOOP("tessarine::WordingMenus", "中国农历"), "chinese"},
    {"koreanCalendarAction", QT_TRANSLATE_NOOP("tessarine::WordingMenus", "韩国阴历"), "korean"},
    {"vietnameseCalendarAction", QT_TRANSLATE_NOOP("tessarine::WordingMenus", "越南阴历"), "vietnamese"},
}};

// Scripts and languages by their own names, as language pickers show them.
constexpr std::array<Choice, 4> kLanguages = {{
    {"simplifiedAction", "简体", "zh-Hans"},
    {"traditionalAction", "繁體", "zh-Hant"},
    {"koreanAction", "한국어", "ko"},
    {"vietnameseAction", "Tiếng Việt", "vi"},
}};

// The window's own language; empty follows the system's.
constexpr std::array<Choice, 6> kInterfaceLanguages = {{
    {"systemInterfaceAction", QT_TRANSLATE_NOOP("tessarine::WordingMenus", "跟随系统"), ""},
    {"simplifiedInterfaceAction", "简体中文", "zh_CN"},
    {"traditionalInterfaceAction", "繁體中文", "zh_TW"},
    {"englishInterfaceAction", "English", "en"},
    {"koreanInterfaceAction", "한국어", "ko"},
    {"vietnameseInterfaceAction", "Tiếng Việt", "vi"},
}};

template <std::size_t N>
QActionGroup* ChoiceGroup(QMenu* menu, const std::array<Choice, N>& choices, std::string_view chosen) {
  auto* group = new QActionGroup(menu);
  for (const Choice& choice : choices) {
    // Captions marked for translation are found in this part's context;
    // the others are names in their own language and pass unchanged.
    QAction* action = menu->addAction(WordingMenus::tr(choice.caption));
    action->setObjectName(choice.name);
    action->setCheckable(true);
    action->setData(QString::fromUtf8(choice.tag.data(), static_cast<int>(choice.tag.size())));
    action->setChecked(choice.tag == chosen);
    group->addAction(action);
  }
  return group;
}

QMenu* Submenu(QMenu* menu, const char* name, const QString& caption, const QString& tip) {
  QMenu* submenu = menu->addMenu(caption);
  submenu->setObjectName(name);
  submenu->setToolTip(tip);
  return submenu;
}

std::string TagOf(const QActionGroup* group) {
  const QAction* checked = group->checkedAction();
  return checked ? checked->data().toString().toStdString() : std::string();
}

std::string Remembered(const WindowSettings& settings, const char* key) {
  return settings.value(key).toString().toStdString();
}

}  // namespace

Region RegionOfLocaleName(const QString& locale) {
  const std::string name = locale.toStdString();
  if (const std::optional<Region> chinese = RegionOfLanguageTag(name)) return *chinese;
  const std::string language = name.substr(0, name.find_first_of("_-"));
  if (language == "ko") return Region::Korea;
  if (language == "vi") return Region::Vietnam;
  return Region::China;
}

Language LanguageOfWindow(const QString& windowLanguage, Region region) {
  if (windowLanguage == "zh_CN") return Language::ZhHans;
  if (windowLanguage == "zh_TW") return Language::ZhHant;
  if (windowLanguage == "ko") return Language::Korean;
  if (windowLanguage == "vi") return Language::Vietnamese;
  return DefaultLanguageOf(region);
}

WordingMenus::WordingMenus(QMenu* menu, WindowSettings settings, const QLocale& systemLocale)
    : QObject(menu), settings_(std::move(settings)) {
  // A calendar remembered from before regions were chosen keeps its meaning.
  const std::optional<LunarCalendar> rememberedCalendar = CalendarOfTag(Remembered(settings_, "calendar"));
  const std::optional<Region> rememberedRegion = RegionOfTag(Remembered(settings_, "region"));
  const Region region = rememberedRegion.value_or(rememberedCalendar ? RegionOf(*rememberedCalendar)
                                                                     : RegionOfLocaleName(systemLocale.name()));
  const LunarCalendar calendar = rememberedCalendar.value_or(CalendarOf(region));
  const std::string interface = Remembered(settings_, kInterfaceLanguageKey);
  // Choosing a region or a calendar remembers a language too: one not
  // remembered is a first start's, which speaks as the window does.
  const Language firstLanguage =
      rememberedCalendar ? DefaultLanguageOf(calendar)
      : rememberedRegion ? DefaultLanguageOf(region)
                         : LanguageOfWindow(InterfaceLanguage(QString::fromStdString(interface), systemLocale), region);
  const Language language = LanguageOfTag(Remembered(settings_, "language")).value_or(firstLanguage);

  QMenu* regions = Submenu(menu, "regionMenu", tr("地区"),
                           tr("文件中的节日和节假日按哪个地区；选择地区也会选择它的历法和文字，之后仍可分别更改"));
  regionGroup = ChoiceGroup(regions, kRegions, RegionTag(region));
  QMenu* calendars = Submenu(menu, "calendarMenu", tr("历法"),
                             tr("按哪国的阴历换算：中国、韩国和越南的历法规则相同，只是时区不同，少数月份的初一相差一天"));
  calendarGroup = ChoiceGroup(calendars, kCalendars, CalendarTag(calendar));
  QMenu* languages =
      Submenu(menu, "languageMenu", tr("文字"), tr("文件中月份、节气、节日等名称的文字；自定义格式中自己写的文字不变"));
  languageGroup = ChoiceGroup(languages, kLanguages, LanguageTag(language));
  QMenu* interfaces = Submenu(menu, "interfaceMenu", tr("界面语言"), tr("窗口的语言；选择后窗口以新的语言重新打开"));
  interfaceGroup = ChoiceGroup(interfaces, kInterfaceLanguages, interface);
  connect(regionGroup, &QActionGroup::triggered, this, &WordingMenus::onRegionChosen);
  connect(calendarGroup, &QActionGroup::triggered, this, &WordingMenus::onCalendarChosen);
  connect(languageGroup, &QActionGroup::triggered, this, &WordingMenus::onLanguageChosen);
  connect(interfaceGroup, &QActionGroup::triggered, this, &WordingMenus::onInterfaceChosen);
}

Region WordingMenus::region() const { return RegionOfTag(TagOf(regionGroup)).value_or(Region::China); }

LunarCalendar WordingMenus::calendar() const {
  return CalendarOfTag(TagOf(calendarGroup)).value_or(LunarCalendar::China);
}

Language WordingMenus::language() const { return LanguageOfTag(TagOf(languageGroup)).value_or(Language::ZhHans); }

void WordingMenus::choose(QActionGroup* group, const char* key, std::string_view tag) {
  for (QAction* action : group->actions()) {
    if (action->data().toString().toStdString() == tag) {
      action->setChecked(true);
      settings_.store(key, action->data().toString());
    }
  }
}

void WordingMenus::onRegionChosen(QAction* chosen) {
  settings_.store("region", chosen->data().toString());
  choose(calendarGroup, "calendar", CalendarTag(CalendarOf(region())));
  choose(languageGroup, "language", LanguageTag(DefaultLanguageOf(region())));
  emit changed();
}

void WordingMenus::onCalendarChosen(QAction* chosen) {
  settings_.store("calendar", chosen->data().toString());
  choose(languageGroup, "language", LanguageTag(DefaultLanguageOf(calendar())));
  emit changed();
}

void WordingMenus::onLanguageChosen(QAction* chosen) {
  settings_.store("language", chosen->data().toString());
  emit changed();
}

void WordingMenus::onInterfaceChosen(QAction* chosen) {
  settings_.store(kInterfaceLanguageKey, chosen->data().toString());
  emit interfaceLanguageChosen(chosen->data().toString());
}

}  // namespace tessarine
