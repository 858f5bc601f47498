// The window's generation: the year boxes checked, a request built from the
// window's choices and handed to a run (GenerationRun), and what came of it
// shown: the account in the text page and the month view at the first year
// written.
#include <QDir>
#include <QStringList>

#include "ui/anniversaries_tab.h"
#include "ui/control_menu.h"
#include "ui/holidays_tab.h"
#include "ui/main_window.h"
#include "ui/rolling_feed.h"
#include "ui/side_pages.h"
#include "ui/wording_menus.h"
#include "ui/year_selector.h"
#include "ui/year_text.h"

namespace tessarine {
namespace {

// Looked up when shown, so that they follow the interface language.
QString PromptCaption() { return MainWindow::tr("提示"); }
QString EmptyYearMessage() { return MainWindow::tr("年份不能为空, 请重新输入."); }
QString YearOrderMessage() { return MainWindow::tr("结束年份必需大于等于开始年份, 请重新输入."); }
QString NoAnniversaryMessage() { return MainWindow::tr("纪念日列表中没有可用的纪念日，未生成文件。"); }

QString YearRangeMessage() {
  return MainWindow::tr("年份必需在 %1 至 %2 之间, 请重新输入.")
      .arg(static_cast<int>(YearRange::First))
      .arg(static_cast<int>(YearRange::Last));
}

// "2013 年", or "2013 年至 2015 年" for a range.
QString YearsText(YearRange years) {
  const int first = static_cast<int>(years.first());
  return years.single() ? MainWindow::tr("%1 年").arg(first)
                        : MainWindow::tr("%1 年至 %2 年").arg(first).arg(static_cast<int>(years.last()));
}

}  // namespace

void MainWindow::generate() {
  try {
    generateForTab();
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

YearFilesRequest MainWindow::yearFilesRequest(YearRange years, FileNaming naming) const {
  YearFilesRequest request{years, titleFormat(), {}, naming, controlMenu->describeDays()};
  if (controlMenu->holidayMarks()) request.holidayMarks = holidaysTab->knownSchedules(request.format.region);
  return request;
}

void MainWindow::generateForTab() {
  if (formatTabs->currentWidget() == holidaysTab) return generateHolidays();
  const std::optional<YearRange> years = checkedYears();
  if (!years) return;
  const bool anniversaries = formatTabs->currentWidget() == anniversariesTab;
  GenerateRequest request = yearFilesRequest(*years, controlMenu->naming(true));
  if (anniversaries) {
    std::vector<Anniversary> entries = anniversariesTab->validEntries();
    if (entries.empty()) {
      const QString problem = anniversariesTab->listProblem();
      message(problem.isEmpty() ? NoAnniversaryMessage() : problem, PromptCaption(), QMessageBox::Warning);
      return;
    }
    request = AnniversariesRequest{std::move(entries), *years, anniversariesTab->remindDaysBefore(),
                                   anniversariesTab->reminderStyle(), controlMenu->naming(false),
                                   controlMenu->wording()->language()};
  }
  const bool oneFile = anniversaries || years->single() || controlMenu->naming(true).singleFile;
  const GenerationRun::Outcome outcome = generation_->run(request, oneFile ? 1 : static_cast<int>(years->size()));
  if (outcome.done.files.empty()) return;
  const QString where = oneFile ? FolderAndFileText(outcome.done.files.back()) : QDir::toNativeSeparators(outputFolder() + "/");
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
  present(generation_->complete(outcome, *years, success.arg(YearsText(*years), where), note,
                                controlMenu->completionPrompt()));
}

void MainWindow::generateSky(SkyKind kind) {
  const std::optional<YearRange> years = checkedYears();
  if (!years) return;
  const WordingMenus* wording = controlMenu->wording();
  SkyEventsRequest request{kind, *years, wording->calendar(), wording->language(), controlMenu->naming(false)};
  const GenerationRun::Outcome outcome = generation_->run(request, 1);
  if (outcome.done.files.empty()) return;
  const QString success = kind == SkyKind::MoonPhases ? tr("成功生成 %1 月相 iCal 文件, 存放在以下目录: \r\n%2")
                                                      : tr("成功生成 %1 节气 iCal 文件, 存放在以下目录: \r\n%2");
  present(generation_->complete(outcome, *years, success.arg(YearsText(*years), FolderAndFileText(outcome.done.files.back())),
                                QString(), controlMenu->completionPrompt()));
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
  const GenerationRun::Outcome outcome =
      generation_->run(HolidaysRequest{years, holidaysTab->region(), controlMenu->wording()->language(),
                                       std::move(chosen), controlMenu->naming(false)},
                       1);
  if (outcome.done.files.empty()) return;
  present(generation_->complete(outcome, years,
                                tr("成功生成 %1 年的法定节假日 iCal 文件, 存放在以下目录: \r\n%2")
                                    .arg(written.join(tr("、")), FolderAndFileText(outcome.done.files.back())),
                                QString(), controlMenu->completionPrompt()));
}

// The feed holds what the window shows: the lunar year files in the chosen
// format, or the anniversaries or the holidays when their tab shows.
void MainWindow::generateRollingFeed() {
  const auto content = [this](YearRange years, FileNaming naming) -> GenerateRequest {
    if (formatTabs->currentWidget() == anniversariesTab) {
      return AnniversariesRequest{anniversariesTab->validEntries(), years, anniversariesTab->remindDaysBefore(),
                                  anniversariesTab->reminderStyle(), naming, controlMenu->wording()->language()};
    }
    if (formatTabs->currentWidget() == holidaysTab) {
      return HolidaysRequest{years, holidaysTab->region(), controlMenu->wording()->language(),
                             SchedulesIn(holidaysTab->knownSchedules(), years).known, naming};
    }
    return yearFilesRequest(years, naming);
  };
  const auto completion = rollingFeed_->write(controlMenu->rollingYearsAhead(), content, controlMenu->completionPrompt());
  if (completion) present(*completion);
}

void MainWindow::present(const GenerationRun::Completion& completion) {
  if (completion.showFolder) showInFolder(completion.lastWritten, true);
  setTextBox(completion.text);
  if (!completion.lastWritten.isEmpty()) sidePages->showWrittenFile(completion.lastWritten, completion.firstYear);
}

}  // namespace tessarine
