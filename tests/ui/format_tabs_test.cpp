// The two format tabs: the normal-format choices and the template editor.
#include "ui/window_fixture.h"

namespace tessarine {
namespace {

using testing::WindowTest;
using testing::kDefaultTemplate;

TEST_F(WindowTest, NoFestivalsOrTermsDisablesFiveButtons) {
  Open();
  auto* monthAndDay = Find<QRadioButton>("monthAndDayRadio");
  auto* termsOnly = Find<QRadioButton>("termsOnlyRadio");
  termsOnly->click();
  EXPECT_EQ(Normal().mode, DisplayMode::TermsOnly);
  Find<QRadioButton>("showBothRadio")->click();
  EXPECT_EQ(Normal().onSameDay, FestivalAndTerm::Both);

  Find<QCheckBox>("withoutFestivalsCheck")->click();
  EXPECT_TRUE(Normal().withoutFestivalsAndTerms);
  for (const char* name : {"showFestivalRadio", "showTermRadio", "showBothRadio", "festivalsAndTermsRadio", "termsOnlyRadio"}) EXPECT_FALSE(Find<QRadioButton>(name)->isEnabled()) << name;
  EXPECT_TRUE(Find<QRadioButton>("dayRadio")->isChecked());
  EXPECT_EQ(Normal().mode, DisplayMode::Day);

  Find<QCheckBox>("withoutFestivalsCheck")->click();
  for (const char* name : {"showFestivalRadio", "showTermRadio", "showBothRadio", "festivalsAndTermsRadio", "termsOnlyRadio"}) EXPECT_TRUE(Find<QRadioButton>(name)->isEnabled()) << name;
  EXPECT_TRUE(Find<QRadioButton>("dayRadio")->isChecked());

  monthAndDay->click();
  Find<QCheckBox>("withoutFestivalsCheck")->click();
  EXPECT_TRUE(monthAndDay->isChecked());
  EXPECT_EQ(Normal().mode, DisplayMode::MonthAndDay);
}

TEST_F(WindowTest, TabsAndMonthNames) {
  Open();
  auto* formatTabs = Find<QTabWidget>("formatTabs");
  formatTabs->setCurrentIndex(1);
  EXPECT_TRUE(std::holds_alternative<TemplateFormat>(window->titleFormat().style));
  formatTabs->setCurrentIndex(0);
  EXPECT_TRUE(std::holds_alternative<NormalFormat>(window->titleFormat().style));

  auto* templateEdit = Find<QLineEdit>("templateEdit");
  auto* preview = Find<QLineEdit>("previewEdit");
  templateEdit->setText("LM");
  Find<QDateEdit>("previewDateEdit")->setDate(QDate(2013, 12, 4));
  EXPECT_EQ(preview->text(), "冬月");
  Action("monthNamesAction")->trigger();
  EXPECT_EQ(Naming(), MonthNaming::Numbered);
  EXPECT_EQ(preview->text(), "十一月");  // the preview follows the switch at once
  Action("monthNamesAction")->trigger();
  EXPECT_EQ(Naming(), MonthNaming::WinterAndLast);
  EXPECT_EQ(preview->text(), "冬月");
  Action("completionPromptAction")->trigger();
  EXPECT_FALSE(Action("completionPromptAction")->isChecked());
}

TEST_F(WindowTest, CustomFormatControls) {
  Open();
  Find<QTabWidget>("formatTabs")->setCurrentIndex(1);
  auto* templateEdit = Find<QLineEdit>("templateEdit");
  auto* preview = Find<QLineEdit>("previewEdit");
  auto* clearSpace = Find<QCheckBox>("collapseSpacesCheck");
  EXPECT_EQ(clearSpace->toolTip(), "将多个空格合并为一个空格");
  EXPECT_EQ(Find<QDateEdit>("previewDateEdit")->minimumDate(), QDate(1901, 1, 1));
  EXPECT_EQ(Find<QDateEdit>("previewDateEdit")->maximumDate(), QDate(2100, 12, 31));

  Find<QPushButton>("clearTemplateButton")->click();
  EXPECT_EQ(templateEdit->text(), "");
  EXPECT_EQ(preview->text(), "");
  templateEdit->setText("LD LT LF CW");
  Find<QDateEdit>("previewDateEdit")->setDate(QDate(2013, 1, 2));
  EXPECT_EQ(preview->text(), "廿一 三");
  clearSpace->click();
  EXPECT_FALSE(Custom().collapseSpaces);
  EXPECT_EQ(preview->text(), "廿一   三");

  // A token label appends at the end, whatever is selected, and puts the
  // caret after it.
  templateEdit->setSelection(0, 2);
  auto* weekdayToken = Find<TokenLabel>("weekdayToken");
  EXPECT_EQ(weekdayToken->text(), " 星期 - CW ");
  QTest::mouseClick(weekdayToken, Qt::LeftButton);
  EXPECT_EQ(templateEdit->text(), "LD LT LF CWCW");
  EXPECT_FALSE(templateEdit->hasSelectedText());
  EXPECT_EQ(templateEdit->cursorPosition(), templateEdit->text().size());
  EXPECT_EQ(Custom().text, "LD LT LF CWCW");
  EXPECT_EQ(preview->text(), "廿一   三三");
  // From the keyboard: Tab reaches a token, Space presses it.
  EXPECT_EQ(weekdayToken->focusPolicy(), Qt::TabFocus);
  weekdayToken->setFocus();
  QTest::keyClick(weekdayToken, Qt::Key_Space);
  EXPECT_EQ(templateEdit->text(), "LD LT LF CWCWCW");
  templateEdit->setText("LD LT LF CWCW");

  EXPECT_TRUE(weekdayToken->font().bold());
  Find<CustomFormatTab>("customTab")->setTokenHover(weekdayToken, true);
  EXPECT_FALSE(weekdayToken->font().bold());
  EXPECT_EQ(weekdayToken->cursor().shape(), Qt::PointingHandCursor);
  Find<CustomFormatTab>("customTab")->setTokenHover(weekdayToken, false);
  EXPECT_TRUE(weekdayToken->font().bold());

  Find<QPushButton>("defaultTemplateButton")->click();
  EXPECT_EQ(templateEdit->text(), kDefaultTemplate);

  const QString longTemplate = QString("LD  ").repeated(25000);  // 100,000 characters
  templateEdit->setText(longTemplate);
  EXPECT_EQ(templateEdit->text().size(), 100000);
  EXPECT_EQ(preview->text(), QString("廿一  ").repeated(25000).trimmed());  // the switch is still off
}


TEST_F(WindowTest, DigitsTypedIntoThePreviewDateChangeIt) {
  Open();
  Find<QTabWidget>("formatTabs")->setCurrentIndex(1);
  auto* date = Find<QDateEdit>("previewDateEdit");
  auto* text = date->findChild<QLineEdit*>();
  ASSERT_NE(text, nullptr);
  // A click anywhere in a part of the date, then digits: they replace it.
  const auto at = [text](const char* before) {
    return QPoint(3 + text->fontMetrics().horizontalAdvance(before), text->height() / 2);
  };
  QTest::mouseClick(text, Qt::LeftButton, {}, at("2014-0"));
  QTest::keyClicks(text, "02");
  EXPECT_EQ(date->date(), QDate(2014, 2, 8));
  QTest::mouseClick(text, Qt::LeftButton, {}, at("20"));
  QTest::keyClicks(text, "2013");
  EXPECT_EQ(date->date(), QDate(2013, 2, 8));
  EXPECT_EQ(Find<QLineEdit>("previewEdit")->text(), "壬辰年【龙】 腊月廿八 2013年 13/2/8 周五");
}

// The default template is the language's own: a template still the default
// becomes the new language's when the language changes, 恢复默认 gives the
// chosen language's, and a template the user wrote stays as written. Each
// token's tip is its text on the preview date, in the file's language.
TEST_F(WindowTest, TheCustomTabSpeaksTheLanguage) {
  Open();
  Find<QTabWidget>("formatTabs")->setCurrentIndex(1);
  auto* templateEdit = Find<QLineEdit>("templateEdit");
  auto* preview = Find<QLineEdit>("previewEdit");
  Find<QDateEdit>("previewDateEdit")->setDate(QDate(2026, 2, 17));
  EXPECT_EQ(preview->text(), "丙午年【马】 正月初一 2026年 26/2/17 周二 春节");
  EXPECT_EQ(Find<TokenLabel>("zodiacToken")->toolTip(), "马");
  Action("koreanCalendarAction")->trigger();
  Action("koreanAction")->trigger();
  EXPECT_EQ(preview->text(), "병오년 말띠 음력 1월 1일 2026. 2. 17.(화) 설날");
  EXPECT_EQ(Find<TokenLabel>("zodiacToken")->toolTip(), "말");
  EXPECT_EQ(Find<TokenLabel>("weekdayToken")->toolTip(), "화");
  EXPECT_EQ(Find<TokenLabel>("solarTermToken")->toolTip(), "");  // no term that day
  Action("vietnameseCalendarAction")->trigger();
  Action("vietnameseAction")->trigger();
  EXPECT_EQ(preview->text(), "Mùng 1 tháng Giêng năm Bính Ngọ (Ngựa) T3, 17/2/2026 Tết Nguyên Đán");
  EXPECT_EQ(Find<TokenLabel>("lunarDayToken")->toolTip(), "Mùng 1");
  templateEdit->setText("LMLD 年");
  Action("chineseCalendarAction")->trigger();
  Action("traditionalAction")->trigger();
  EXPECT_EQ(templateEdit->text(), "LMLD 年");
  EXPECT_EQ(preview->text(), "正月初一 年");
  Find<QPushButton>("defaultTemplateButton")->click();
  EXPECT_EQ(preview->text(), "丙午年【馬】 正月初一 2026年 26/2/17 周二 春節");
}

TEST_F(WindowTest, TokenLabelsKeepTheirSizeWhenHovered) {
  Open();
  auto* label = Find<TokenLabel>("weekdayToken");
  const QSize size = label->size();
  Find<CustomFormatTab>("customTab")->setTokenHover(label, true);
  EXPECT_EQ(label->size(), size);
  EXPECT_LE(label->sizeHint().width(), size.width());
}

}  // namespace
}  // namespace tessarine
