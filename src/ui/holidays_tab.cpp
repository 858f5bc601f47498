#include "ui/holidays_tab.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>

#include "calendar/iso_date.h"
#include "lists/list_file.h"
#include "ui/failure_text.h"
#include "ui/named.h"
#include "ui/notice_dialog.h"
#include "ui/qt_text.h"

namespace tessarine {

HolidaysTab::HolidaysTab(QString listFile, Ask ask, QWidget* parent)
    : QWidget(parent), listFile_(std::move(listFile)), ask_(std::move(ask)) {
  setObjectName("holidaysTab");
  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(6, 4, 6, 4);
  layout->setVerticalSpacing(3);
  yearsList = Named<QListWidget>("holidayYearsList");
  yearsList->setToolTip("已知放假安排的年份；没有列出的年份不会生成，也不会猜测");
  yearsList->setMaximumWidth(110);
  daysTable = Named<QTableWidget>("holidayDaysTable", 0, 3);
  daysTable->setHorizontalHeaderLabels({"日期", "休/班", "节日"});
  daysTable->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
  daysTable->setColumnWidth(0, 80);
  daysTable->setColumnWidth(1, 44);
  daysTable->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  daysTable->verticalHeader()->hide();
  daysTable->verticalHeader()->setDefaultSectionSize(20);
  daysTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
  daysTable->setTabKeyNavigation(false);
  pasteNoticeButton = Named<QPushButton>("pasteNoticeButton", "粘贴通知…");
  pasteNoticeButton->setToolTip("国务院公布新一年的放假安排后，把通知全文粘贴进来即可加入这一年");
  statusLabel = Named<QLabel>("holidayStatusLabel");
  statusLabel->setWordWrap(true);
  layout->addWidget(yearsList, 0, 0);
  layout->addWidget(daysTable, 0, 1);
  layout->addWidget(pasteNoticeButton, 1, 0);
  layout->addWidget(statusLabel, 1, 1);
  connect(yearsList, &QListWidget::currentRowChanged, this, &HolidaysTab::showYear);
  connect(pasteNoticeButton, &QPushButton::clicked, this, &HolidaysTab::onPasteNoticeClicked);
  load();
}

std::variant<HolidayList, QString> HolidaysTab::readList() const {
  auto read = ReadListBytes(listFile_.toStdString());
  if (const auto* error = std::get_if<std::error_code>(&read)) {
    return "节假日列表 " + QDir::toNativeSeparators(listFile_) + " 无法读取（" + ReasonText(*error) +
           "），只使用内置的年份。";
  }
  const std::optional<std::string>& bytes = std::get<std::optional<std::string>>(read);
  if (!bytes) return HolidayList{};
  auto loaded = LoadList(*bytes);
  if (std::holds_alternative<ListProblem>(loaded)) {
    return "节假日列表 " + QDir::toNativeSeparators(listFile_) + " 无法读取，只使用内置的年份，也不会保存。";
  }
  return ReadHolidayList(std::get<LoadedList>(loaded).document);
}

void HolidaysTab::load() {
  problem_.clear();
  auto read = readList();
  if (auto* why = std::get_if<QString>(&read)) problem_ = *why;
  HolidayList user = std::holds_alternative<HolidayList>(read) ? std::get<HolidayList>(std::move(read)) : HolidayList{};
  if (!user.errors.empty()) problem_ = QString("节假日列表第 %1 行有误，已跳过。").arg(user.errors.front().line);
  known_ = KnownSchedules(user);
  userYears_.clear();
  for (const auto& [year, schedule] : user.years) userYears_.push_back(year);
  yearsList->clear();
  for (const HolidaySchedule& schedule : known_) {
    const bool own = std::find(userYears_.begin(), userYears_.end(), schedule.year) != userYears_.end();
    yearsList->addItem(QString::number(schedule.year) + (own ? " (自己添加)" : ""));
  }
  statusLabel->setText(problem_.isEmpty() ? QString("已知 %1 至 %2 年。").arg(known_.front().year).arg(known_.back().year)
                                          : problem_);
  yearsList->setCurrentRow(yearsList->count() - 1);
}

void HolidaysTab::showYear(int row) {
  daysTable->setRowCount(0);
  if (row < 0 || row >= static_cast<int>(known_.size())) return;
  for (const HolidayDay& day : known_[static_cast<std::size_t>(row)].days) {
    const int at = daysTable->rowCount();
    daysTable->insertRow(at);
    daysTable->setItem(at, 0, new QTableWidgetItem(ToQString(IsoDate(day.date))));
    daysTable->setItem(at, 1, new QTableWidgetItem(ToQString(KindMark(day.kind))));
    daysTable->setItem(at, 2, new QTableWidgetItem(ToQString(day.name)));
  }
}

void HolidaysTab::onPasteNoticeClicked() {
  if (noticeDialog == nullptr) {
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
  }
  noticeDialog->open();
}

// The user's rows of the year that the import would replace, as the list is
// on disk now.
std::vector<HolidayDay> HolidaysTab::replacedRows(const HolidaySchedule& schedule) const {
  const auto read = readList();
  const auto* list = std::get_if<HolidayList>(&read);
  return list ? ReplacedRows(*list, schedule) : std::vector<HolidayDay>{};
}

bool HolidaysTab::confirmReplacing(const std::vector<HolidayDay>& rows) {
  if (rows.empty()) return true;
  QString listed;
  for (const HolidayDay& row : rows) {
    listed += ToQString(IsoDate(row.date) + " " + std::string(KindMark(row.kind)) + " " + row.name) + "\n";
  }
  return ask_(QString("这将替换你自己添加的 %1 行：\n%2是否继续？").arg(rows.size()).arg(listed));
}

void HolidaysTab::store(const HolidaySchedule& schedule) {
  const std::vector<HolidayDay> expected = replacedRows(schedule);
  if (!confirmReplacing(expected)) return;
  // Applied to the list as it is now, under its lock: a year stored by
  // tessarine-cli meanwhile stays. If the rows the user agreed to replace
  // have changed since, nothing is written.
  std::optional<int> badLine;
  const ListUpdate update = UpdateListFile(listFile_.toStdString(), [&](LoadedList& current) {
    const HolidayList list = ReadHolidayList(current.document);
    if (!list.errors.empty()) badLine = list.errors.front().line;
    if (badLine || ReplacedRows(list, schedule) != expected) return ChangeOutcome::Refuse;
    StoreSchedule(current.document, schedule);
    return ChangeOutcome::Apply;
  });
  load();
  switch (update.status) {
    case ListUpdate::Status::Failed:
      statusLabel->setText("保存节假日列表失败：" + ReasonText(update.error));
      return;
    case ListUpdate::Status::NotAList:
      statusLabel->setText(problem_);
      return;
    case ListUpdate::Status::Refused:
      if (badLine) {
        statusLabel->setText(QString("节假日列表第 %1 行有误，为免丢失内容，%2 年没有保存。").arg(*badLine).arg(schedule.year));
        return;
      }
      statusLabel->setText(QString("节假日列表刚被其他程序修改，%1 年没有保存；已重新读取，请再保存一次。").arg(schedule.year));
      return;
    case ListUpdate::Status::Saved:
    case ListUpdate::Status::Unchanged: break;
  }
  const auto at = std::find_if(known_.begin(), known_.end(), [&](const HolidaySchedule& s) { return s.year == schedule.year; });
  yearsList->setCurrentRow(static_cast<int>(at - known_.begin()));
  statusLabel->setText(QString("已保存 %1 年的放假安排。").arg(schedule.year));
}

}  // namespace tessarine
