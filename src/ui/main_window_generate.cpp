// The window's generation: the year boxes checked, one file written per year
// into the output folder, the completion question and the preview.
#include <QFileInfo>
#include <filesystem>

#include "calendar/lunar_date.h"
#include "export/anniversary_calendar.h"
#include "export/ical_builder.h"
#include "export/year_calendar.h"
#include "ui/anniversaries_tab.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"
#include "ui/year_selector.h"
#include "ui/year_text.h"

namespace tessarine {
namespace {

const QString kPromptCaption = "提示";
const QString kErrorCaption = "错误";
const QString kEmptyYearMessage = "年份不能为空, 请重新输入.";
const QString kYearRangeMessage = "年份必需在 1901 至 2050 之间, 请重新输入.";
const QString kYearOrderMessage = "结束年份必需大于等于开始年份, 请重新输入.";
const QString kWriteFailedMessage = "无法生成 iCal 文件，请检查是否有写入文件权限：\r\n";
const QString kOpenFolderQuestion = "是否打开所在文件夹?";
const QString kPreviewHeading = "==========内容预览========== ";

std::chrono::local_seconds ToLocalSeconds(const QDateTime& moment) {
  const QDate date = moment.date();
  const QTime time = moment.time();
  return std::chrono::local_days{std::chrono::year{date.year()} / date.month() / date.day()} +
         std::chrono::hours{time.hour()} + std::chrono::minutes{time.minute()} +
         std::chrono::seconds{time.second()};
}

}  // namespace

void MainWindow::onGenerateClicked() {
  try {
    generateYears();
  } catch (const ConversionError& error) {
    reportError(error);
  }
}

bool MainWindow::checkYears(int& start, int& end) {
  if (yearSelector->startText().isEmpty()) {
    message(kEmptyYearMessage, kPromptCaption, QMessageBox::Warning);
    yearSelector->focusStart();
    return false;
  }
  start = ParseYearText(yearSelector->startText().toStdString());
  if (start < FirstDescribedYear || start > LastDescribedYear) {
    message(kYearRangeMessage, kPromptCaption, QMessageBox::Warning);
    yearSelector->focusStart();
    return false;
  }
  end = start;
  if (!yearSelector->rangeSelected()) return true;
  end = ParseYearText(yearSelector->endText().toStdString());
  if (start > end) {
    message(kYearOrderMessage, kPromptCaption, QMessageBox::Warning);
    yearSelector->focusEnd();
    return false;
  }
  return true;
}

void MainWindow::generateYears() {
  int start = 0, end = 0;
  if (!checkYears(start, end)) return;
  const QString rangeText = yearSelector->rangeSelected()
                                ? yearSelector->startText() + " 年至 " + yearSelector->endText() + " 年"
                                : QString();
  const QString folder = services_.OutputFolder();
  if (formatTabs->currentWidget() == anniversariesTab) {
    generateAnniversaries(start, end, folder, rangeText);
    return;
  }
  // A year whose file fails does not stop the next one.
  for (int year = start; year <= end; ++year) generateYear(std::chrono::year{year}, folder, rangeText, year == end);
}

void MainWindow::generateYear(std::chrono::year year, const QString& folder, const QString& rangeText,
                              bool lastOfRange) {
  const auto now = ToLocalSeconds(services_.Now());
  const TitleFormat format = titleFormat();
  const std::string file =
      YearCalendarFile(year, [&format](std::chrono::sys_days date) { return TitleOf(date, format); }, now);
  const WrittenFile written =
      services_.WriteFile(std::filesystem::path(folder.toStdString()), YearFileName(year, now), file);
  QString success;
  if (rangeText.isEmpty()) {
    success = QString("成功生成 %1 年 iCal 文件, 存放在以下目录: \r\n%2")
                  .arg(static_cast<int>(year))
                  .arg(QString::fromStdString(written.path.string()));
  } else if (lastOfRange) {
    success = "成功生成 " + rangeText + " iCal 文件, 存放在以下目录: \r\n" + folder + "/";
  }
  report(written, file, success, QString());
}

void MainWindow::generateAnniversaries(int start, int end, const QString& folder, const QString& rangeText) {
  const auto now = ToLocalSeconds(services_.Now());
  const std::chrono::year first{start}, last{end};
  const std::string file =
      AnniversaryCalendarFile(anniversariesTab->validEntries(), first, last, anniversariesTab->remindDaysBefore(), now);
  const WrittenFile written =
      services_.WriteFile(std::filesystem::path(folder.toStdString()), AnniversaryFileName(first, last, now), file);
  const QString span = rangeText.isEmpty() ? QString("%1 年").arg(start) : rangeText;
  const QString success = "成功生成 " + span + " 农历纪念日 iCal 文件, 存放在以下目录: \r\n" +
                          QString::fromStdString(written.path.string());
  QStringList bad;
  for (const int row : anniversariesTab->invalidRows()) bad << QString::number(row);
  const QString note = bad.isEmpty() ? QString() : "\r\n纪念日第 " + bad.join("、") + " 行有误, 未生成.";
  report(written, file, success, note);
}

void MainWindow::report(const WrittenFile& written, std::string_view file, const QString& success,
                        const QString& note) {
  const QString path = QString::fromStdString(written.path.string());
  QString completion;
  if (written.error) {
    completion = kWriteFailedMessage + path;
    message(completion, kErrorCaption, QMessageBox::Critical);
  } else if (completionPromptAction->isChecked() && !success.isEmpty()) {
    completion = success + note;
    if (message(completion + "\r\n\r\n" + kOpenFolderQuestion, kPromptCaption, QMessageBox::Information,
                QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes) {
      services_.ShowInFileManager(path);
    }
  } else {
    completion = note.trimmed();  // rows left out are reported even without the question
  }
  const std::string_view text = file.substr(kByteOrderMark.size());
  setTextBox(completion + "\r\n" + kPreviewHeading + "\r\n\r\n" + ToQString(text));
}

void MainWindow::onOpenFolderClicked() {
  const QString folder = services_.OutputFolder();
  const QString program = services_.ProgramFilePath();
  // Beside the program, the program itself is shown selected; elsewhere the
  // output folder is opened.
  if (QFileInfo(program).absolutePath() == folder) {
    services_.ShowInFileManager(program);
  } else {
    services_.OpenUrl(QUrl::fromLocalFile(folder));
  }
}

QMessageBox::StandardButton MainWindow::message(const QString& text, const QString& caption,
                                                QMessageBox::Icon icon, QMessageBox::StandardButtons buttons) {
  return services_.ShowMessage(this, text, caption, icon, buttons);
}

}  // namespace tessarine
