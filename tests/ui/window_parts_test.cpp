// The window's parts on their own: the 控制 menu's choices as remembered,
// the wording menus' calendar and language, the settings that say when they
// cannot be saved, and the rolling feed's years.
#include <QAction>
#include <QSignalSpy>
#include <fstream>

#include "support/temp_folder.h"
#include "ui/control_menu.h"
#include "ui/rolling_feed.h"
#include "ui/window_settings.h"
#include "ui/wording_menus.h"
#include "ui/window_fixture.h"

namespace tessarine {
namespace {

using testing::WindowTest;

// A settings file holding `lines` under [General], and the failures heard.
// Each call writes a file of its own: QSettings keeps what it read of a file
// while its size and modification time (to the millisecond) stay the same,
// so a file rewritten at once with as many bytes could read as before.
class SettingsFixture : public ::testing::Test {
 protected:
  WindowSettings Settings(const std::string& lines) {
    file_ = folder.File("settings" + std::to_string(++written_) + ".ini");
    std::ofstream(file_) << "[General]\n" << lines;
    return WindowSettings(QString::fromStdString(file_), [this](std::error_code error) { failures.push_back(error); });
  }
  std::string Saved() { return testing::ReadFile(file_); }
  // The last file written, to read again as the next start would.
  const std::string& File() const { return file_; }

  testing::TempFolder folder;
  std::vector<std::error_code> failures;

 private:
  std::string file_;
  int written_ = 0;
};

using ControlMenuTest = SettingsFixture;

TEST_F(ControlMenuTest, ChoicesAreReadAsRemembered) {
  const struct {
    const char* remembered;
    bool moonPhases, holidayMarks, singleFile, fixedName;
    int rollingYears;
  } cases[] = {
      {"", false, false, false, false, 2},
      {"moonPhasesAction=true\nholidayMarksAction=true\nrollingYears=5\n", true, true, false, false, 5},
      {"singleFileAction=true\nfixedNameAction=true\nrollingYears=1\n", false, false, true, true, 1},
      {"rollingYears=4\nmoonPhasesAction=false\n", false, false, false, false, 2},  // no such choice: the default
  };
  for (const auto& c : cases) {
    ControlMenu menu(Settings(c.remembered), QLocale("zh_CN"));
    EXPECT_EQ(menu.withMoonPhases(), c.moonPhases) << c.remembered;
    EXPECT_EQ(menu.holidayMarks(), c.holidayMarks) << c.remembered;
    EXPECT_EQ(menu.naming(true).singleFile, c.singleFile) << c.remembered;
    EXPECT_FALSE(menu.naming(false).singleFile) << "only year files go in one file";
    EXPECT_EQ(menu.naming(false).fixedName, c.fixedName) << c.remembered;
    EXPECT_EQ(menu.rollingYearsAhead(), c.rollingYears) << c.remembered;
    EXPECT_EQ(menu.monthNaming(), MonthNaming::WinterAndLast) << "never remembered";
    EXPECT_TRUE(menu.completionPrompt()) << "never remembered";
  }
  EXPECT_TRUE(failures.empty());
}

// Each choice is saved as it is made and read back by the next menu; a
// command says which command it is.
TEST_F(ControlMenuTest, ChoicesAreSavedAndCommandsAnnounced) {
  auto menu = std::make_unique<ControlMenu>(Settings(""), QLocale("zh_CN"));
  QSignalSpy sky(menu.get(), &ControlMenu::skyCalendarRequested);
  QSignalSpy titles(menu.get(), &ControlMenu::titleOptionsChanged);
  QSignalSpy marks(menu.get(), &ControlMenu::holidayMarksChanged);
  menu->findChild<QAction*>("sanfuShujiuAction")->trigger();
  menu->findChild<QAction*>("monthNamesAction")->trigger();
  menu->findChild<QAction*>("holidayMarksAction")->trigger();
  menu->findChild<QAction*>("rollingYears3Action")->trigger();
  menu->findChild<QAction*>("termCalendarAction")->trigger();
  EXPECT_EQ(titles.count(), 2);
  EXPECT_EQ(marks.count(), 1);
  ASSERT_EQ(sky.count(), 1);
  EXPECT_EQ(sky[0][0].value<SkyKind>(), SkyKind::SolarTerms);
  EXPECT_EQ(menu->monthNaming(), MonthNaming::Numbered);

  menu = std::make_unique<ControlMenu>(WindowSettings(QString::fromStdString(File()), {}), QLocale("zh_CN"));
  EXPECT_TRUE(menu->withSeasonCounts());
  EXPECT_TRUE(menu->holidayMarks());
  EXPECT_EQ(menu->rollingYearsAhead(), 3);
  EXPECT_EQ(menu->monthNaming(), MonthNaming::WinterAndLast);
  EXPECT_TRUE(failures.empty());
}

using WordingMenusTest = SettingsFixture;

// The calendar brings its own language unless a language is remembered
// beside it; what cannot be read is China's calendar in its own script.
TEST_F(WordingMenusTest, CalendarAndLanguageAsRemembered) {
  const struct {
    const char* remembered;
    LunarCalendar calendar;
    Language language;
  } cases[] = {
      {"", LunarCalendar::China, Language::ZhHans},
      {"calendar=korean\n", LunarCalendar::Korea, Language::Korean},
      {"calendar=vietnamese\nlanguage=zh-Hant\n", LunarCalendar::Vietnam, Language::ZhHant},
      {"calendar=martian\nlanguage=xx\n", LunarCalendar::China, Language::ZhHans},
  };
  for (const auto& c : cases) {
    QMenu menu;
    WordingMenus wording(&menu, Settings(c.remembered), QLocale("en_US"));
    EXPECT_EQ(wording.calendar(), c.calendar) << c.remembered;
    EXPECT_EQ(wording.language(), c.language) << c.remembered;
  }
}

TEST_F(WordingMenusTest, ACalendarChosenBringsItsLanguageAndBothAreSaved) {
  QMenu menu;
  WordingMenus wording(&menu, Settings("language=zh-Hant\n"), QLocale("en_US"));
  QSignalSpy changed(&wording, &WordingMenus::changed);
  QSignalSpy reopened(&wording, &WordingMenus::interfaceLanguageChosen);
  menu.findChild<QAction*>("vietnameseCalendarAction")->trigger();
  EXPECT_EQ(wording.language(), Language::Vietnamese);
  EXPECT_EQ(changed.count(), 1);
  menu.findChild<QAction*>("traditionalInterfaceAction")->trigger();
  ASSERT_EQ(reopened.count(), 1);
  EXPECT_EQ(reopened[0][0].toString(), "zh_TW");
  EXPECT_EQ(changed.count(), 1) << "the window's language is no title option";
  const std::string saved = Saved();
  for (const char* line : {"calendar=vietnamese\n", "language=vi\n", "interfaceLanguage=zh_TW\n"}) {
    EXPECT_NE(saved.find(line), std::string::npos) << line << " in " << saved;
  }
}

// A first start follows the system's locale, and the files' language the
// window's; a region remembered wins, and a calendar remembered from before
// regions keeps the region it stands for and its own language, whatever the
// locale.
TEST_F(WordingMenusTest, RegionAsRememberedOrFromTheLocale) {
  const struct {
    const char* remembered;
    const char* locale;
    Region region;
    LunarCalendar calendar;
    Language language;
  } cases[] = {
      {"", "C", Region::China, LunarCalendar::China, Language::ZhHans},
      {"", "zh_CN", Region::China, LunarCalendar::China, Language::ZhHans},
      {"", "zh_TW", Region::Taiwan, LunarCalendar::China, Language::ZhHant},
      {"", "zh_HK", Region::HongKong, LunarCalendar::China, Language::ZhHant},
      {"", "zh_MO", Region::HongKong, LunarCalendar::China, Language::ZhHant},
      {"", "ko_KR", Region::Korea, LunarCalendar::Korea, Language::Korean},
      {"", "vi_VN", Region::Vietnam, LunarCalendar::Vietnam, Language::Vietnamese},
      {"", "vi", Region::Vietnam, LunarCalendar::Vietnam, Language::Vietnamese},
      {"", "en_US", Region::China, LunarCalendar::China, Language::ZhHans},
      {"calendar=chinese\n", "ko_KR", Region::China, LunarCalendar::China, Language::ZhHans},
      {"calendar=korean\nlanguage=zh-Hans\n", "vi_VN", Region::Korea, LunarCalendar::Korea, Language::ZhHans},
      {"region=tw\n", "ko_KR", Region::Taiwan, LunarCalendar::China, Language::ZhHant},
      {"region=kr\ncalendar=chinese\n", "C", Region::Korea, LunarCalendar::China, Language::ZhHans},
      {"region=mars\n", "C", Region::China, LunarCalendar::China, Language::ZhHans},
      {"", "zh_Hant_US", Region::Taiwan, LunarCalendar::China, Language::ZhHant},
      {"interfaceLanguage=zh_TW\n", "zh_CN", Region::China, LunarCalendar::China, Language::ZhHant},
      {"interfaceLanguage=ko\n", "en_US", Region::China, LunarCalendar::China, Language::Korean},
      {"interfaceLanguage=en\n", "zh_TW", Region::Taiwan, LunarCalendar::China, Language::ZhHant},
      {"interfaceLanguage=zh_CN\n", "vi_VN", Region::Vietnam, LunarCalendar::Vietnam, Language::ZhHans},
      {"interfaceLanguage=vi\nregion=kr\n", "C", Region::Korea, LunarCalendar::Korea, Language::Korean},
  };
  for (const auto& c : cases) {
    QMenu menu;
    WordingMenus wording(&menu, Settings(c.remembered), QLocale(c.locale));
    const std::string where = std::string(c.remembered) + " / " + c.locale;
    EXPECT_EQ(wording.region(), c.region) << where;
    EXPECT_EQ(wording.calendar(), c.calendar) << where;
    EXPECT_EQ(wording.language(), c.language) << where;
  }
}

// A region chosen brings its calendar and its language, all three saved; a
// calendar chosen after it leaves the region as it is.
TEST_F(WordingMenusTest, ARegionChosenBringsItsCalendarAndLanguage) {
  QMenu menu;
  WordingMenus wording(&menu, Settings(""), QLocale("C"));
  QSignalSpy changed(&wording, &WordingMenus::changed);
  menu.findChild<QAction*>("koreaRegionAction")->trigger();
  EXPECT_EQ(wording.region(), Region::Korea);
  EXPECT_EQ(wording.calendar(), LunarCalendar::Korea);
  EXPECT_EQ(wording.language(), Language::Korean);
  menu.findChild<QAction*>("hongKongRegionAction")->trigger();
  EXPECT_EQ(wording.calendar(), LunarCalendar::China);
  EXPECT_EQ(wording.language(), Language::ZhHant);
  menu.findChild<QAction*>("vietnameseCalendarAction")->trigger();
  EXPECT_EQ(wording.region(), Region::HongKong);
  EXPECT_EQ(changed.count(), 3);
  const std::string saved = Saved();
  for (const char* line : {"region=hk\n", "calendar=vietnamese\n", "language=vi\n"}) {
    EXPECT_NE(saved.find(line), std::string::npos) << line << " in " << saved;
  }
}

// A setting that cannot be saved says why, once, and is not taken for saved.
TEST_F(SettingsFixture, ASettingNotSavedSaysWhy) {
  std::ofstream(folder.File("blocker")) << "a file where the folder should be";
  const WindowSettings settings(QString::fromStdString(folder.File("blocker") + "/settings.ini"),
                                [this](std::error_code error) { failures.push_back(error); });
  settings.store("rollingYears", "5");
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_TRUE(failures[0]);
  EXPECT_EQ(settings.value("rollingYears", 2).toInt(), 2);
}

// The feed runs from last year to the years ahead, and never past the
// described years: none once this year is past them.
TEST(RollingFeedTest, YearsFromLastYearWithinTheDescribedOnes) {
  const int first = static_cast<int>(YearRange::First), last = static_cast<int>(YearRange::Last);
  const struct {
    int thisYear, ahead;
    std::optional<std::pair<int, int>> years;
  } cases[] = {
      {2013, 1, std::pair{2012, 2014}},
      {2026, 5, std::pair{2025, 2031}},
      {first, 2, std::pair{first, first + 2}},
      {last - 1, 3, std::pair{last - 2, last}},
      {last + 1, 2, std::pair{last, last}},
      {last + 2, 1, std::nullopt},
  };
  for (const auto& c : cases) {
    const std::optional<YearRange> years = RollingFeed::Years(c.thisYear, c.ahead);
    ASSERT_EQ(years.has_value(), c.years.has_value()) << c.thisYear;
    if (!years) continue;
    EXPECT_EQ(static_cast<int>(years->first()), c.years->first) << c.thisYear;
    EXPECT_EQ(static_cast<int>(years->last()), c.years->second) << c.thisYear;
  }
}

// Past the described years the feed says so and writes nothing.
TEST_F(WindowTest, NoRollingFeedPastTheDescribedYears) {
  Open(QDateTime(QDate(static_cast<int>(YearRange::Last) + 2, 3, 1), QTime(9, 0)));
  Action("rollingFeedAction")->trigger();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, QString("今年已在 %1 年之后，没有可以滚动生成的年份。").arg(static_cast<int>(YearRange::Last)));
  EXPECT_EQ(shown[0].caption, "提示");
  EXPECT_TRUE(files.empty());
}

}  // namespace
}  // namespace tessarine
