// The window in each of its languages: chosen from the system's locale or by
// 控制 → 界面语言, complete, and with room for every text at the default size.
#include <QGroupBox>
#include <QHeaderView>
#include <QSpinBox>
#include <filesystem>
#include <fstream>
#include <QLabel>

#include "ui/translation.h"
#include "ui/window_fixture.h"
#include "version.h"

namespace tessarine {
namespace {

using testing::WindowTest;

TEST(InterfaceLanguageTest, FromTheChoiceOrTheSystem) {
  const struct {
    const char* chosen;
    const char* system;
    const char* expected;
  } cases[] = {
      {"", "zh_CN", "zh_CN"},    {"", "zh_SG", "zh_CN"},      {"", "zh_TW", "zh_TW"},
      {"", "zh_HK", "zh_TW"},    {"", "zh_MO", "zh_TW"},      {"", "zh_Hant_US", "zh_TW"},
      {"", "en_GB", "en"},       {"", "ko_KR", "ko"},         {"", "vi_VN", "vi"},
      {"", "vi", "vi"},          {"", "C", "en"},             {"ko", "zh_TW", "ko"},
      {"vi", "en_US", "vi"},
      {"en", "zh_CN", "en"},     {"zh_TW", "en_US", "zh_TW"}, {"zh_CN", "zh_HK", "zh_CN"},
      {"fr", "zh_HK", "zh_TW"},  // a choice the window has no translation for
  };
  for (const auto& c : cases) {
    EXPECT_EQ(InterfaceLanguage(c.chosen, QLocale(c.system)), c.expected) << c.chosen << " " << c.system;
  }
}

class LanguageTest : public WindowTest, public ::testing::WithParamInterface<const char*> {
 protected:
  void SetUp() override { ASSERT_TRUE(InstallTranslations(*qApp, GetParam())); }
  void TearDown() override { InstallTranslations(*qApp, "zh_CN"); }
};

// Every label, button, check box, group and column header on every tab has
// the room its text asks for, in every language.
TEST_P(LanguageTest, NothingIsClippedAtTheDefaultSize) {
  Open();
  window->show();
  auto* tabs = Find<QTabWidget>("formatTabs");
  for (int tab = 0; tab < tabs->count(); ++tab) {
    tabs->setCurrentIndex(tab);
    QApplication::processEvents();
    for (QWidget* widget : window->findChildren<QWidget*>()) {
      const bool shown = qobject_cast<QLabel*>(widget) || qobject_cast<QAbstractButton*>(widget) ||
                         qobject_cast<QGroupBox*>(widget);  // a group holds its items side by side
      if (!widget->isVisible() || !shown) continue;
      if (const auto* label = qobject_cast<QLabel*>(widget); label && label->wordWrap()) continue;
      EXPECT_GE(widget->width(), widget->minimumSizeHint().width())
          << GetParam() << " " << tabs->tabText(tab).toStdString() << ": " << widget->objectName().toStdString();
    }
    for (QHeaderView* header : tabs->currentWidget()->findChildren<QHeaderView*>()) {
      if (!header->isVisible() || header->orientation() != Qt::Horizontal) continue;
      // The first column takes the room the others leave; the others fit their headers.
      for (int column = 1; column < header->count(); ++column) {
        EXPECT_GE(header->sectionSize(column), header->sectionSizeHint(column))
            << GetParam() << " " << tabs->tabText(tab).toStdString() << ": "
            << header->model()->headerData(column, Qt::Horizontal).toString().toStdString();
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageTest, ::testing::Values("zh_CN", "zh_TW", "en", "ko", "vi"));

// The title names the program in the language, and the window's own words
// are translated while the calendar's stay the files' own; the help's
// version line is the build's in each.
TEST_F(WindowTest, TitleAndWordsFollowTheLanguage) {
  const struct {
    const char* language;
    const char* title;
    const char* generate;
    const char* instructionsStart;
  } cases[] = {
      {"zh_CN", "农历 iCal 文件生成器", "生成 &iCal", "Tessarine - 农历iCal文件生成器使用说明"},
      {"zh_TW", "農曆 iCal 檔案產生器", "產生 &iCal", "Tessarine - 農曆 iCal 檔案產生器使用說明"},
      {"en", "Lunar iCal Generator", "Generate &iCal", "Tessarine - Lunar iCal Generator: instructions"},
      {"ko", "음력 iCal 파일 생성기", "iCal 생성(&I)", "Tessarine - 음력 iCal 파일 생성기 사용 설명"},
      {"vi", "Trình tạo tệp iCal âm lịch", "Tạo &iCal", "Tessarine - Trình tạo tệp iCal âm lịch"},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(InstallTranslations(*qApp, c.language));
    Open();
    EXPECT_EQ(window->windowTitle(), c.title);
    EXPECT_EQ(Find<QPushButton>("generateButton")->text(), c.generate);
    EXPECT_TRUE(Preview().startsWith(c.instructionsStart)) << c.language;
    // Under the title, this build's version and date, whatever the language.
    EXPECT_EQ(Preview().section('\n', 1, 1), QString("v%1 - %2").arg(kVersion.data(), kReleaseDate.data())) << c.language;
    EXPECT_EQ(window->titleFormat().language, Language::ZhHans) << "the files' script is a choice of its own";
  }
  InstallTranslations(*qApp, "zh_CN");
}

TEST_F(WindowTest, ChoosingAWindowLanguageIsRememberedAndAnnounced) {
  Open();
  QStringList languages;  // each named in itself
  for (const QAction* action : Find<QMenu>("interfaceMenu")->actions()) languages << action->text();
  EXPECT_EQ(languages, (QStringList{"跟随系统", "简体中文", "繁體中文", "English", "한국어", "Tiếng Việt"}));
  Action("koreanInterfaceAction")->trigger();
  Open();
  EXPECT_TRUE(Action("koreanInterfaceAction")->isChecked());
  QStringList announced;
  QObject::connect(window.get(), &MainWindow::interfaceLanguageChosen, [&](const QString& l) { announced << l; });
  Action("englishInterfaceAction")->trigger();
  EXPECT_EQ(announced, QStringList{"en"});
  Open();
  QObject::connect(window.get(), &MainWindow::interfaceLanguageChosen, [&](const QString& l) { announced << l; });
  EXPECT_TRUE(Action("englishInterfaceAction")->isChecked());
  Action("systemInterfaceAction")->trigger();
  EXPECT_EQ(announced, (QStringList{"en", ""}));
}

// A first start writes the files in the window's language: a Taiwanese or
// Hong Kong window writes 臘月, a Korean one Korean, a Vietnamese one
// Vietnamese; an English window leaves it to the region.
TEST_F(WindowTest, AFirstStartWritesInTheWindowsLanguage) {
  const struct {
    const char* locale;
    const char* chosenWindow;  // 控制 → 界面语言 as remembered, if at all
    Language files;
    const char* lastMonth;  // lunar month 12 of 2012, as the files name it
  } cases[] = {
      {"zh_TW", "", Language::ZhHant, "臘月"},       {"zh_HK", "", Language::ZhHant, "臘月"},
      {"zh_CN", "", Language::ZhHans, "腊月"},       {"en_US", "", Language::ZhHans, "腊月"},
      {"ko_KR", "", Language::Korean, "12월"},      {"vi_VN", "", Language::Vietnamese, "Tháng Chạp"},
      {"zh_CN", "zh_TW", Language::ZhHant, "臘月"},  {"en_US", "vi", Language::Vietnamese, "Tháng Chạp"},
  };
  for (const auto& c : cases) {
    std::filesystem::remove(config.File("settings.ini"));
    if (*c.chosenWindow) std::ofstream(config.File("settings.ini")) << "[General]\ninterfaceLanguage=" << c.chosenWindow << "\n";
    systemLocale = QLocale(c.locale);
    files.clear();
    Open();
    EXPECT_EQ(window->titleFormat().language, c.files) << c.locale << " " << c.chosenWindow;
    Find<QPushButton>("generateButton")->click();
    ASSERT_EQ(files.size(), 1u) << c.locale;
    EXPECT_NE(files.begin()->second.find(c.lastMonth), std::string::npos) << c.locale << " " << c.chosenWindow;
  }
}

// The files' language chosen later is kept, whatever the locale says.
TEST_F(WindowTest, TheFilesLanguageChosenIsKeptOverTheLocale) {
  systemLocale = QLocale("zh_TW");
  Open();
  Action("simplifiedAction")->trigger();
  systemLocale = QLocale("ko_KR");
  Open();
  EXPECT_EQ(window->titleFormat().language, Language::ZhHans);
  EXPECT_EQ(window->titleFormat().region, Region::Korea) << "a region never chosen follows the locale";
}

// The reminder's days take the plural form their number asks for.
TEST_F(WindowTest, TheReminderDaysAgreeWithTheirNumber) {
  const struct {
    const char* language;
    int days;
    const char* prefix;
    const char* suffix;
  } cases[] = {
      {"zh_CN", 1, "", " 天"}, {"en", 1, "", " day"}, {"en", 0, "", " days"}, {"en", 2, "", " days"}, {"zh_TW", 2, "", " 天"},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(InstallTranslations(*qApp, c.language));
    Open();
    auto* days = Find<QSpinBox>("remindDaysSpin");
    days->setValue(c.days);
    EXPECT_EQ(days->prefix(), c.prefix) << c.language << " " << c.days;
    EXPECT_EQ(days->suffix(), c.suffix) << c.language << " " << c.days;
  }
  InstallTranslations(*qApp, "zh_CN");
}

}  // namespace
}  // namespace tessarine
