// The window's generation: the year boxes checked, a request built from the
// window's choices, the pipeline run with its progress, and its outcome
// presented: one question after the first failure, a summary of what was
// not written, the completion question and the preview.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QProgressDialog>
#include <algorithm>
#include <filesystem>

#include "export/generate.h"
#include "lists/settings_file.h"
#include "ui/anniversaries_tab.h"
#include "ui/failure_text.h"
#include "ui/holidays_tab.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"
#include "ui/year_selector.h"
#include "ui/year_text.h"

namespace tessarine {
namespace {

// Looked up when shown, so that they follow the interface language.
QString PromptCaption() { return MainWindow::tr("提示"); }
QString ErrorCaption() { return MainWindow::tr("错误"); }
QString EmptyYearMessage() { return MainWindow::tr("年份不能为空, 请重新输入."); }
QString YearOrderMessage() { return MainWindow::tr("结束年份必需大于等于开始年份, 请重新输入."); }
QString OpenFolderQuestion() { return MainWindow::tr("是否打开所在文件夹?"); }
QString NoAnniversaryMessage() { return MainWindow::tr("纪念日列表中没有可用的纪念日，未生成文件。"); }
QString PreviewHeading() { return MainWindow::tr("==========内容预览========== "); }

QString YearRangeMessage() {
  return MainWindow::tr("年份必需在 %1 至 %2 之间, 请重新输入.")
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

// True when the path to `folder` runs into a file: the folder cannot be
// there (a file named Documents where the folder should be).
bool BlockedByAFile(const QString& folder) {
  QFileInfo at(folder);
  while (!at.exists() && !at.isRoot() && at.absolutePath() != at.absoluteFilePath()) at = QFileInfo(at.absolutePath());
  return at.exists() && !at.isDir();
}

QString PathText(const WrittenFile& file) { return QString::fromStdString(file.path.string()); }

// "2013 年", or "2013 年至 2015 年" for a range.
QString YearsText(YearRange years) {
  const int first = static_cast<int>(years.first());
  return years.single() ? MainWindow::tr("%1 年").arg(first)
                        : MainWindow::tr("%1 年至 %2 年").arg(first).arg(static_cast<int>(years.last()));
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
    message(EmptyYearMessage(), PromptCaption(), QMessageBox::Warning);
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
  message(problem == YearRangeProblem::EndBeforeStart ? YearOrderMessage() : YearRangeMessage(), PromptCaption(),
          QMessageBox::Warning);
  problem == YearRangeProblem::BadStart ? yearSelector->focusStart() : yearSelector->focusEnd();
  return std::nullopt;
}

void MainWindow::generate() {
  if (formatTabs->currentWidget() == holidaysTab) return generateHolidays();
  const std::optional<YearRange> years = checkedYears();
  if (!years) return;
  const bool anniversaries = formatTabs->currentWidget() == anniversariesTab;
  GenerateRequest request = YearFilesRequest{*years, titleFormat(), {}, naming(true), describeAction->isChecked()};
  if (holidayMarksAction->isChecked()) std::get<YearFilesRequest>(request).holidayMarks = holidaysTab->knownSchedules();
  if (anniversaries) {
    std::vector<Anniversary> entries = anniversariesTab->validEntries();
    if (entries.empty()) {
      const QString problem = anniversariesTab->listProblem();
      message(problem.isEmpty() ? NoAnniversaryMessage() : problem, PromptCaption(), QMessageBox::Warning);
      return;
    }
    request = AnniversariesRequest{std::move(entries), *years, anniversariesTab->remindDaysBefore(),
                                   anniversariesTab->reminderStyle(), naming(false), chosenLanguage()};
  }
  const bool oneFile = anniversaries || years->single() || singleFileAction->isChecked();
  const RunOutcome outcome = run(request, oneFile ? 1 : static_cast<int>(years->size()));
  if (outcome.done.files.empty()) return;
  const QString where = oneFile ? PathText(outcome.done.files.back()) : outputFolder() + "/";
  QString note;
  // Some online calendars refuse to import a file of more than 1 MB.
  if (outcome.done.lastFileBytes > 1024 * 1024) note += tr("\r\n文件超过 1 MB，有些网络日历可能无法导入，可改为分年生成。");
  if (anniversaries) {
    QStringList bad;
    for (const int row : anniversariesTab->invalidRows()) bad << QString::number(row);
    if (!bad.isEmpty()) note += tr("\r\n纪念日第 %1 行有误, 未生成.").arg(bad.join(tr("、")));
  }
  const QString success = anniversaries ? tr("成功生成 %1 农历纪念日 iCal 文件, 存放在以下目录: \r\n%2")
                                        : tr("成功生成 %1 iCal 文件, 存放在以下目录: \r\n%2");
  present(outcome, *years, success.arg(YearsText(*years), where), note);
}

void MainWindow::generateSky(SkyKind kind) {
  const std::optional<YearRange> years = checkedYears();
  if (!years) return;
  SkyEventsRequest request{kind, *years, chosenCalendar(), chosenLanguage(), naming(false)};
  const RunOutcome outcome = run(request, 1);
  if (outcome.done.files.empty()) return;
  const QString success = kind == SkyKind::MoonPhases ? tr("成功生成 %1 月相 iCal 文件, 存放在以下目录: \r\n%2")
                                                      : tr("成功生成 %1 节气 iCal 文件, 存放在以下目录: \r\n%2");
  present(outcome, *years, success.arg(YearsText(*years), PathText(outcome.done.files.back())), QString());
}

void MainWindow::generateHolidays() {
  // The tab's own list decides: the years selected there, not the year boxes.
  std::vector<HolidaySchedule> chosen = holidaysTab->selectedSchedules();
  if (chosen.empty()) {
    message(tr("请在【节假日】的年份列表中选择要生成的年份（可多选）。"), PromptCaption(), QMessageBox::Warning);
    return;
  }
  const YearRange years = std::get<YearRange>(YearRange::Checked(chosen.front().year, chosen.back().year));
  QStringList written;
  for (const HolidaySchedule& schedule : chosen) written << QString::number(schedule.year);
  const RunOutcome outcome = run(HolidaysRequest{years, std::move(chosen), naming(false)}, 1);
  present(outcome, years,
          tr("成功生成 %1 年的法定节假日 iCal 文件, 存放在以下目录: \r\n%2")
              .arg(written.join(tr("、")), PathText(outcome.done.files.back())),
          QString());
}

MainWindow::RunOutcome MainWindow::run(const GenerateRequest& request, int files) {
  RunOutcome outcome;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  QProgressDialog progress(tr("正在生成 iCal 文件…"), tr("停止"), 0, files, this);
  progress.setObjectName("progressDialog");
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(500);  // only a range that takes a while shows it
  progress.setAutoReset(false);
  bool asked = false;
  int done = 0;  // counted here: a fresh progress dialog's value is -1
  GenerateOptions options;
  options.write = services_.writeFile;
  options.replace = services_.replaceFile;
  options.afterEach = [&](const WrittenFile& file) {
    progress.setValue(++done);
    if (file.error) outcome.failed.push_back(file);
    if (progress.wasCanceled()) return AfterFile::Stop;
    if (!file.error || asked) return AfterFile::Continue;
    asked = true;  // one question for the whole range, not one a year
    QApplication::restoreOverrideCursor();
    const bool more = done < files;
    const auto answer = message(WriteFailureText(file) + (more ? tr("\r\n\r\n是否继续生成其余年份?") : ""), ErrorCaption(),
                                QMessageBox::Critical, more ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    return more && answer != QMessageBox::Yes ? AfterFile::Stop : AfterFile::Continue;
  };
  outcome.done = Generate(request, std::filesystem::path(outputFolder().toStdString()),
                          ToLocalSeconds(services_.now()), options);
  progress.reset();
  QApplication::restoreOverrideCursor();
  return outcome;
}

void MainWindow::present(const RunOutcome& outcome, YearRange years, const QString& success, const QString& note) {
  const auto& files = outcome.done.files;
  const auto lastWritten = std::find_if(files.rbegin(), files.rend(), [](const WrittenFile& f) { return !f.error; });
  QString completion;
  if (lastWritten == files.rend()) {
    completion = WriteFailureText(files.back());  // already reported as it failed
  } else if (!outcome.failed.empty()) {
    QStringList failed;
    for (const WrittenFile& file : outcome.failed) {
      failed << tr("%1（%2）").arg(QString::fromStdString(file.path.filename().string()), ReasonText(file.error));
    }
    completion = tr("生成了 %1 个文件，%2 个未能生成：\r\n")
                     .arg(files.size() - outcome.failed.size())
                     .arg(failed.size()) +
                 failed.join("\r\n") + note;
    message(completion, ErrorCaption(), QMessageBox::Warning);
  } else if (completionPromptAction->isChecked()) {
    completion = success + note;
    if (message(completion + "\r\n\r\n" + OpenFolderQuestion(), PromptCaption(), QMessageBox::Information,
                QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes) {
      showInFolder(PathText(*lastWritten), true);
    }
  } else {
    completion = note.trimmed();  // rows left out are reported even without the question
  }
  setTextBox(completion + "\r\n" + PreviewHeading() + "\r\n\r\n" + ToQString(outcome.done.preview));
  if (lastWritten != files.rend()) showWrittenFile(PathText(*lastWritten), years);
}

FileNaming MainWindow::naming(bool yearFiles) const {
  return FileNaming{yearFiles && singleFileAction->isChecked(), fixedNameAction->isChecked()};
}

QString MainWindow::outputFolder() const {
  const QString chosen = QSettings(settingsFile(), QSettings::IniFormat).value("outputFolder").toString();
  return chosen.isEmpty() ? services_.outputFolder() : chosen;
}

void MainWindow::onChooseOutputFolder() {
  const QString chosen = services_.chooseFolder(this, outputFolder());
  if (!chosen.isEmpty()) storeSetting("outputFolder", QDir::cleanPath(chosen));
}

void MainWindow::storeSetting(const char* key, const QString& value) {
  const std::error_code error = StoreSetting(SettingsFile(services_).toStdString(), key, value.toStdString());
  if (error) message(tr("无法保存设置：%1。").arg(ReasonText(error)), ErrorCaption(), QMessageBox::Warning);
}

void MainWindow::onOpenFolderClicked() {
  const QString folder = outputFolder();
  if (BlockedByAFile(folder)) {
    message(tr("输出文件夹 %1 不是文件夹（路径中有同名的文件），无法打开。请在【控制】菜单的【输出文件夹…】中另选。")
                .arg(QDir::toNativeSeparators(folder)),
            PromptCaption(), QMessageBox::Warning);
    return;
  }
  const QString program = services_.programFilePath();
  // Beside the program, the program itself is shown selected; elsewhere the
  // output folder is opened.
  if (QFileInfo(program).absolutePath() == folder) {
    showInFolder(program, true);
  } else {
    showInFolder(folder, false);
  }
}

void MainWindow::showInFolder(const QString& path, bool selectFile) {
  const bool shown = selectFile ? services_.showInFileManager(path) : services_.openUrl(QUrl::fromLocalFile(path));
  if (shown) return;
  const QString folder = QDir::toNativeSeparators(selectFile ? QFileInfo(path).absolutePath() : path);
  message(tr("没有找到能打开文件夹的程序。文件夹在：\r\n%1").arg(folder), PromptCaption(), QMessageBox::Information);
}

QMessageBox::StandardButton MainWindow::message(const QString& text, const QString& caption,
                                                QMessageBox::Icon icon, QMessageBox::StandardButtons buttons) {
  return services_.showMessage(this, text, caption, icon, buttons);
}

}  // namespace tessarine
