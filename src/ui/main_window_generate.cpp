// The window's generation: the year boxes checked, a request built from the
// window's choices, the pipeline run, and its outcome presented: an error
// for each file that failed, the completion question and the preview.
#include <QFileInfo>
#include <algorithm>
#include <filesystem>

#include "export/generate.h"
#include "ui/anniversaries_tab.h"
#include "ui/holidays_tab.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"
#include "ui/year_selector.h"
#include "ui/year_text.h"

namespace tessarine {
namespace {

const QString kPromptCaption = "提示";
const QString kErrorCaption = "错误";
const QString kEmptyYearMessage = "年份不能为空, 请重新输入.";
const QString kYearOrderMessage = "结束年份必需大于等于开始年份, 请重新输入.";
const QString kWriteFailedMessage = "无法生成 iCal 文件，请检查是否有写入文件权限：\r\n";
const QString kOpenFolderQuestion = "是否打开所在文件夹?";
const QString kNoAnniversaryMessage = "纪念日列表中没有可用的纪念日, 未生成文件.";
const QString kPreviewHeading = "==========内容预览========== ";

QString YearRangeMessage() {
  return QString("年份必需在 %1 至 %2 之间, 请重新输入.")
      .arg(static_cast<int>(YearRange::First))
      .arg(static_cast<int>(YearRange::Last));
}

std::chrono::local_seconds ToLocalSeconds(const QDateTime& moment) {
  const QDate date = moment.date();
  const QTime time = moment.time();
  return std::chrono::local_days{std::chrono::year{date.year()} / date.month() / date.day()} +
         std::chrono::hours{time.hour()} + std::chrono::minutes{time.minute()} +
         std::chrono::seconds{time.second()};
}

QString PathText(const WrittenFile& file) { return QString::fromStdString(file.path.string()); }

// "2013 年", or "2013 年至 2015 年" for a range.
QString YearsText(YearRange years) {
  const QString first = QString("%1 年").arg(static_cast<int>(years.first()));
  return years.single() ? first : first + QString("至 %1 年").arg(static_cast<int>(years.last()));
}

}  // namespace

void MainWindow::onGenerateClicked() {
  try {
    generate();
  } catch (const ConversionError& error) {
    reportError(error);
  }
}

std::optional<YearRange> MainWindow::checkedYears() {
  if (yearSelector->startText().isEmpty()) {
    message(kEmptyYearMessage, kPromptCaption, QMessageBox::Warning);
    yearSelector->focusStart();
    return std::nullopt;
  }
  const int start = ParseYearText(yearSelector->startText().toStdString());
  // The start year is judged before the end year is read.
  auto range = YearRange::Checked(start, start);
  if (yearSelector->rangeSelected() && std::holds_alternative<YearRange>(range)) {
    range = YearRange::Checked(start, ParseYearText(yearSelector->endText().toStdString()));
  }
  if (const auto* years = std::get_if<YearRange>(&range)) return *years;
  const YearRangeProblem problem = std::get<YearRangeProblem>(range);
  message(problem == YearRangeProblem::EndBeforeStart ? kYearOrderMessage : YearRangeMessage(), kPromptCaption,
          QMessageBox::Warning);
  problem == YearRangeProblem::BadStart ? yearSelector->focusStart() : yearSelector->focusEnd();
  return std::nullopt;
}

void MainWindow::generate() {
  const std::optional<YearRange> years = checkedYears();
  if (!years) return;
  if (formatTabs->currentWidget() == holidaysTab) return generateHolidays(*years);
  const bool anniversaries = formatTabs->currentWidget() == anniversariesTab;
  GenerateRequest request = YearFilesRequest{*years, titleFormat()};
  if (holidayMarksAction->isChecked()) std::get<YearFilesRequest>(request).holidayMarks = holidaysTab->knownSchedules();
  if (anniversaries) {
    std::vector<Anniversary> entries = anniversariesTab->validEntries();
    if (entries.empty()) {
      const QString problem = anniversariesTab->listProblem();
      message(problem.isEmpty() ? kNoAnniversaryMessage : problem, kPromptCaption, QMessageBox::Warning);
      return;
    }
    request = AnniversariesRequest{std::move(entries), *years, anniversariesTab->remindDaysBefore(),
                                   anniversariesTab->reminderStyle()};
  }
  GenerateOptions options;
  options.write = services_.writeFile;
  // Each file that fails is reported at once; the others are still written.
  options.afterEach = [this](const WrittenFile& file) {
    if (file.error) message(kWriteFailedMessage + PathText(file), kErrorCaption, QMessageBox::Critical);
    return AfterFile::Continue;
  };
  const QString folder = services_.outputFolder();
  const Generation done =
      Generate(request, std::filesystem::path(folder.toStdString()), ToLocalSeconds(services_.now()), options);
  if (done.files.empty()) return;
  const WrittenFile& last = done.files.back();
  if (anniversaries) {
    QStringList bad;
    for (const int row : anniversariesTab->invalidRows()) bad << QString::number(row);
    const QString note = bad.isEmpty() ? QString() : "\r\n纪念日第 " + bad.join("、") + " 行有误, 未生成.";
    const QString success =
        "成功生成 " + YearsText(*years) + " 农历纪念日 iCal 文件, 存放在以下目录: \r\n" + PathText(last);
    present(last, done.preview, success, note);
  } else if (years->single()) {
    present(last, done.preview, "成功生成 " + YearsText(*years) + " iCal 文件, 存放在以下目录: \r\n" + PathText(last),
            QString());
  } else {
    present(last, done.preview, "成功生成 " + YearsText(*years) + " iCal 文件, 存放在以下目录: \r\n" + folder + "/",
            QString());
  }
}

void MainWindow::generateHolidays(const YearRange& years) {
  std::vector<HolidaySchedule> chosen;
  QStringList missing;
  for (const HolidaySchedule& schedule : holidaysTab->knownSchedules()) {
    if (std::chrono::year{schedule.year} >= years.first() && std::chrono::year{schedule.year} <= years.last()) {
      chosen.push_back(schedule);
    }
  }
  for (auto year = years.first(); year <= years.last(); ++year) {
    const bool known = std::any_of(chosen.begin(), chosen.end(),
                                   [&](const HolidaySchedule& s) { return std::chrono::year{s.year} == year; });
    if (!known) missing << QString::number(static_cast<int>(year));
  }
  const QString missingNote = missing.isEmpty() ? QString()
                                                : "\r\n" + missing.join("、") + " 年的放假安排还不知道, 未生成; "
                                                  "公布后可在【节假日】中粘贴通知加入.";
  if (chosen.empty()) {
    message(missingNote.trimmed(), kPromptCaption, QMessageBox::Warning);
    return;
  }
  GenerateOptions options;
  options.write = services_.writeFile;
  const Generation done = Generate(HolidaysRequest{years, std::move(chosen)},
                                   std::filesystem::path(services_.outputFolder().toStdString()),
                                   ToLocalSeconds(services_.now()), options);
  const WrittenFile& last = done.files.back();
  if (last.error) message(kWriteFailedMessage + PathText(last), kErrorCaption, QMessageBox::Critical);
  present(last, done.preview,
          "成功生成 " + YearsText(years) + " 法定节假日 iCal 文件, 存放在以下目录: \r\n" + PathText(last), missingNote);
}

void MainWindow::present(const WrittenFile& last, std::string_view preview, const QString& success,
                         const QString& note) {
  QString completion;
  if (last.error) {
    completion = kWriteFailedMessage + PathText(last);  // already reported as it failed
  } else if (completionPromptAction->isChecked()) {
    completion = success + note;
    if (message(completion + "\r\n\r\n" + kOpenFolderQuestion, kPromptCaption, QMessageBox::Information,
                QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes) {
      services_.showInFileManager(PathText(last));
    }
  } else {
    completion = note.trimmed();  // rows left out are reported even without the question
  }
  setTextBox(completion + "\r\n" + kPreviewHeading + "\r\n\r\n" + ToQString(preview));
}

void MainWindow::onOpenFolderClicked() {
  const QString folder = services_.outputFolder();
  const QString program = services_.programFilePath();
  // Beside the program, the program itself is shown selected; elsewhere the
  // output folder is opened.
  if (QFileInfo(program).absolutePath() == folder) {
    services_.showInFileManager(program);
  } else {
    services_.openUrl(QUrl::fromLocalFile(folder));
  }
}

QMessageBox::StandardButton MainWindow::message(const QString& text, const QString& caption,
                                                QMessageBox::Icon icon, QMessageBox::StandardButtons buttons) {
  return services_.showMessage(this, text, caption, icon, buttons);
}

}  // namespace tessarine
