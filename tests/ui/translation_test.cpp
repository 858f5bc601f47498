// The window in each of its languages: chosen from the system's locale or by
// 控制 → 界面语言, complete, and with room for every text at the default size.
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
      {"", "en_GB", "en"},       {"", "ko_KR", "en"},         {"", "C", "en"},
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

// Every label, button and check box on every tab has the room its text asks
// for, in every language.
TEST_P(LanguageTest, NothingIsClippedAtTheDefaultSize) {
  Open();
  window->show();
  auto* tabs = Find<QTabWidget>("formatTabs");
  for (int tab = 0; tab < tabs->count(); ++tab) {
    tabs->setCurrentIndex(tab);
    QApplication::processEvents();
    for (QWidget* widget : window->findChildren<QWidget*>()) {
      if (!widget->isVisible() || !(qobject_cast<QLabel*>(widget) || qobject_cast<QAbstractButton*>(widget))) continue;
      if (const auto* label = qobject_cast<QLabel*>(widget); label && label->wordWrap()) continue;
      EXPECT_GE(widget->width(), widget->minimumSizeHint().width())
          << GetParam() << " " << tabs->tabText(tab).toStdString() << ": " << widget->objectName().toStdString();
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageTest, ::testing::Values("zh_CN", "zh_TW", "en"));

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

}  // namespace
}  // namespace tessarine
