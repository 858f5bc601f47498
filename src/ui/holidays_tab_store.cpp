// What the 节假日 tab adds to the user's holiday list: the mainland's year
// read from a pasted notice, and the years of Taiwan's 辦公日曆表 or Hong
// Kong's feed read from the file the user chose. Each change is made to the
// list as it is on disk, under its lock, after the user has agreed to any of
// their own rows it replaces.
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <algorithm>

#include "calendar/iso_date.h"
#include "files/bounded_read.h"
#include "lists/region_import.h"
#include "ui/failure_text.h"
#include "ui/holidays_tab.h"
#include "ui/notice_dialog.h"
#include "ui/qt_text.h"

namespace tessarine {
namespace {

// Why a published file was refused, in a few words and its line.
template <typename Error>
QString RefusalText(const Error& error, bool cutShort, bool foreign) {
  QString why = cutShort ? HolidaysTab::tr("文件不完整，可能没有下载完")
                : foreign ? HolidaysTab::tr("不是这个地区政府公布的假期文件")
                          : HolidaysTab::tr("有无法读取的内容");
  if (error.line > 0) why += HolidaysTab::tr("（第 %1 行）").arg(error.line);
  return why;
}

QString RefusalOf(const OfficeCalendarError& error) {
  using P = OfficeCalendarProblem;
  if (error.problem == P::NothingToChange) {
    return HolidaysTab::tr("这是 %1 年的修正版，但这一年还没有办公日历表可修正").arg(ToQString(error.text));
  }
  const bool foreign = error.problem == P::NotText || error.problem == P::WrongHeader;
  return RefusalText(error, error.problem == P::CutShort || error.problem == P::NoRows, foreign);
}

QString RefusalOf(const FeedError& error) {
  using P = FeedProblem;
  const bool foreign = error.problem == P::NotUtf8 || error.problem == P::NotACalendar ||
                       error.problem == P::UnknownComponent || error.problem == P::NotTheFeed;
  return RefusalText(error, error.problem == P::CutShort || error.problem == P::NoEvents, foreign);
}

// The file read against the list as it is now: a 修正版 changes the year the
// list knows. The years, or why not.
Result<RegionImport, QString> ReadImport(Region region, std::string_view bytes, const HolidayList& list) {
  if (region == Region::Taiwan) {
    auto read = ImportTaiwanCalendar(bytes, list);
    if (!read) return Failure{RefusalOf(read.error())};
    return *std::move(read);
  }
  auto read = ImportHongKongFeed(bytes);
  if (!read) return Failure{RefusalOf(read.error())};
  return *std::move(read);
}

QString RowsText(const std::vector<HolidayDay>& rows) {
  QString listed;
  for (const HolidayDay& row : rows) {
    listed += ToQString(IsoDate(row.date) + " " + std::string(KindMark(row.kind)) + " " + row.name) + "\n";
  }
  return listed;
}

}  // namespace

void HolidaysTab::onPasteNoticeClicked() {
  // A fresh box each time: a notice cancelled or read before is not read again.
  delete noticeDialog;
  noticeDialog = new NoticeDialog(
      [this](int year) -> std::optional<HolidaySchedule> {
        for (const HolidaySchedule& schedule : known_) {
          if (schedule.year == year) return schedule;
        }
        return std::nullopt;
      },
      this);
  connect(noticeDialog, &QDialog::accepted, this, [this] {
    if (const auto schedule = noticeDialog->schedule()) store(*schedule);
  });
  noticeDialog->open();
}

// The user's rows of the year that the import would replace, as the list is
// on disk now.
std::vector<HolidayDay> HolidaysTab::replacedRows(const HolidaySchedule& schedule) const {
  const auto read = readList();
  return read ? ReplacedRows(*read, schedule, Region::China) : std::vector<HolidayDay>{};
}

bool HolidaysTab::confirmReplacing(const std::vector<HolidayDay>& rows) {
  if (rows.empty()) return true;
  return ask_(tr("这将替换你自己添加的 %1 行：\n%2是否继续？").arg(rows.size()).arg(RowsText(rows)));
}

bool HolidaysTab::reportStored(const Result<ListUpdate, ListUpdateError>& update, std::optional<int> badLine, int year) {
  load();
  if (!update) {
    const bool failed = update.error().kind == ListUpdateError::Kind::Failed;
    statusLabel->setText(failed ? tr("保存节假日列表失败：%1").arg(ReasonText(update.error().error)) : problem_);
    return false;
  }
  if (update->outcome == LockedUpdate::Outcome::Refused) {
    if (badLine) {
      statusLabel->setText(tr("节假日列表第 %1 行有误，为免丢失内容，%2 年没有保存。").arg(*badLine).arg(year));
      return false;
    }
    statusLabel->setText(tr("节假日列表刚被其他程序修改，%1 年没有保存；已重新读取，请再保存一次。").arg(year));
    return false;
  }
  const auto at = std::find_if(known_.begin(), known_.end(), [&](const HolidaySchedule& s) { return s.year == year; });
  if (at != known_.end()) yearsList->setCurrentRow(static_cast<int>(at - known_.begin()));
  return true;
}

void HolidaysTab::store(const HolidaySchedule& schedule) {
  const std::vector<HolidayDay> expected = replacedRows(schedule);
  if (!confirmReplacing(expected)) return;
  // Applied to the list as it is now, under its lock: a year stored by
  // tessarine-cli meanwhile stays. If the rows the user agreed to replace
  // have changed since, nothing is written.
  std::optional<int> badLine;
  const auto update = UpdateListFile(listFile_.toStdString(), [&](LoadedList& current) {
    const HolidayList list = ReadHolidayList(current.document);
    if (!list.errors.empty()) badLine = list.errors.front().line;
    if (badLine || ReplacedRows(list, schedule, Region::China) != expected) return ChangeOutcome::Refuse;
    StoreSchedule(current.document, schedule, Region::China);
    return ChangeOutcome::Apply;
  });
  if (reportStored(update, badLine, schedule.year)) statusLabel->setText(tr("已保存 %1 年的放假安排。").arg(schedule.year));
}

void HolidaysTab::onImportClicked() {
  const QString filter = region_ == Region::Taiwan ? tr("办公日历表 (*.csv);;所有文件 (*)")
                                                   : tr("iCalendar 文件 (*.ics);;所有文件 (*)");
  const QString path = QFileDialog::getOpenFileName(this, tr("导入"), QDir::homePath(), filter);
  if (!path.isEmpty()) importFile(path);
}

bool HolidaysTab::importFile(const QString& path) {
  const QString shown = QDir::toNativeSeparators(path);
  FileBytes file = ReadBoundedFile(path.toStdString());
  if (file.error || !file.bytes) {
    statusLabel->setText(tr("%1 无法读取（%2），没有导入。").arg(shown, file.error ? ReasonText(file.error) : tr("文件不存在")));
    return false;
  }
  const std::string bytes = *std::move(file.bytes);
  // Read first against the list as it is, to ask before replacing the
  // user's own rows; stored only if those rows are still what was asked.
  const auto list = readList();
  auto read = ReadImport(region_, bytes, list ? *list : HolidayList{});
  if (!read) {
    statusLabel->setText(tr("%1 没有导入：%2。").arg(QFileInfo(path).fileName(), read.error()));
    return false;
  }
  const std::vector<HolidayDay> expected = list ? ReplacedRows(*list, *read) : std::vector<HolidayDay>{};
  if (!confirmReplacing(expected)) return false;
  std::optional<int> badLine;
  bool changed = false;
  const auto update = UpdateListFile(listFile_.toStdString(), [&](LoadedList& current) {
    const HolidayList now = ReadHolidayList(current.document);
    if (!now.errors.empty()) badLine = now.errors.front().line;
    auto again = ReadImport(region_, bytes, now);
    changed = !again || ReplacedRows(now, *again) != expected;
    if (badLine || changed) return ChangeOutcome::Refuse;
    StoreImport(current.document, *again);
    return ChangeOutcome::Apply;
  });
  const int lastYear = read->years.back().year;
  if (!reportStored(update, badLine, lastYear)) return false;
  QStringList years;
  for (const HolidaySchedule& year : read->years) years << QString::number(year.year);
  statusLabel->setText(tr("已导入 %1 年的放假安排。").arg(years.join(tr("、"))));
  return true;
}

}  // namespace tessarine
