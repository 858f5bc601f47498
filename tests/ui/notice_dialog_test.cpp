// 粘贴通知 with a notice whose days do not add up: the box names each block
// that fails and keeps the year only once the user confirms; a text cut
// inside its last item is refused outright.
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <fstream>

#include "ui/notice_dialog.h"
#include "ui/window_fixture.h"

namespace tessarine {
namespace {

using testing::WindowTest;

class NoticeDialogTest : public WindowTest {
 protected:
  NoticeDialog* OpenDialog() {
    Open(QDateTime(QDate(2026, 12, 9), QTime(10, 0)));
    Find<QTabWidget>("formatTabs")->setCurrentIndex(3);
    Find<QPushButton>("pasteNoticeButton")->click();
    auto* dialog = window->findChild<NoticeDialog*>("noticeDialog");
    EXPECT_NE(dialog, nullptr);
    return dialog;
  }
  template <typename Widget>
  static Widget* In(NoticeDialog* dialog, const char* name) {
    auto* widget = dialog->findChild<Widget*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
};

const QString kUnbalanced =
    "国务院办公厅关于2027年部分节假日安排的通知\n现将2027年元旦和春节放假安排通知如下。\n"
    "一、元旦：1月1日放假，与周末连休。\n二、春节：2月6日至12日放假调休，共7天。\n";

TEST_F(NoticeDialogTest, DaysThatDoNotAddUpAreKeptOnlyOnceConfirmed) {
  NoticeDialog* dialog = OpenDialog();
  auto* save = In<QDialogButtonBox>(dialog, "noticeButtons")->button(QDialogButtonBox::Save);
  auto* confirm = In<QCheckBox>(dialog, "noticeAcceptUnbalancedCheck");
  EXPECT_FALSE(confirm->isVisibleTo(dialog));
  In<QPlainTextEdit>(dialog, "noticeEdit")->setPlainText(kUnbalanced);
  const QString shown = In<QPlainTextEdit>(dialog, "noticeResultView")->toPlainText();
  EXPECT_TRUE(shown.startsWith("这份通知的天数对不上，可能没有粘贴完整：\n注意：春节 有 5 个工作日放假，而 4 天法定假日加 0 "
                               "天调休上班应为 4 个"))
      << shown.toStdString();
  EXPECT_TRUE(shown.contains("2027-02-12  休  春节"));  // the days, for the user to check
  EXPECT_TRUE(confirm->isVisibleTo(dialog));
  EXPECT_FALSE(save->isEnabled());
  EXPECT_FALSE(dialog->schedule().has_value());

  confirm->click();
  EXPECT_TRUE(save->isEnabled());
  // A new text asks again.
  In<QPlainTextEdit>(dialog, "noticeEdit")->setPlainText(kUnbalanced + " ");
  EXPECT_FALSE(confirm->isChecked());
  EXPECT_FALSE(save->isEnabled());
  confirm->click();
  save->click();
  auto* years = Find<QListWidget>("holidayYearsList");
  ASSERT_EQ(years->count(), 20);
  EXPECT_EQ(years->item(19)->text(), "2027 (自己添加)");
  EXPECT_NE(testing::ReadFile(config.File("holidays.csv")).find("\"2027\",\"2027-02-12\",\"休\",\"春节\""),
            std::string::npos);
}

TEST_F(NoticeDialogTest, ATextCutInsideItsLastItemIsRefused) {
  NoticeDialog* dialog = OpenDialog();
  In<QPlainTextEdit>(dialog, "noticeEdit")->setPlainText(
      "国务院办公厅关于2027年部分节假日安排的通知\n现将2027年元旦放假安排通知如下。\n一、元旦：1月1日放假，与周");
  EXPECT_EQ(In<QPlainTextEdit>(dialog, "noticeResultView")->toPlainText(),
            "无法读取：通知在这一句中间断开，可能没有粘贴完整\n元旦: 1月1日放假,与周");
  EXPECT_FALSE(In<QCheckBox>(dialog, "noticeAcceptUnbalancedCheck")->isVisibleTo(dialog));
  EXPECT_FALSE(In<QDialogButtonBox>(dialog, "noticeButtons")->button(QDialogButtonBox::Save)->isEnabled());
}

}  // namespace
}  // namespace tessarine
