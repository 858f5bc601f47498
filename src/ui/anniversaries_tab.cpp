#include "ui/anniversaries_tab.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QSpinBox>
#include <QTableWidget>

#include "calendar/year_range.h"
#include "lists/anniversary_list.h"
#include "ui/named.h"
#include "ui/qt_text.h"

namespace tessarine {
namespace {

constexpr int kColumns = 3;
const QColor kBadCell(255, 205, 205);

QString ProblemText(EntryProblem problem) {
  switch (problem) {
    case EntryProblem::MissingName: return "请填写名称";
    case EntryProblem::MissingDate: return "请填写日期";
    case EntryProblem::UnknownDate: return "无法识别的日期: 请写农历日期 (如 三月初八、闰四月十五、3-8) 或公历日期 (如 1960-04-03)";
    case EntryProblem::UnknownMonth: return "没有这个农历月份";
    case EntryProblem::UnknownDay: return "没有这个农历日期";
    case EntryProblem::DateOutOfRange:
      return QString("公历日期必需在 %1-01-01 至 %2-12-31 之间")
          .arg(static_cast<int>(YearRange::First))
          .arg(static_cast<int>(YearRange::Last));
    case EntryProblem::BadFirstYear: return "起始年必需是数字";
    case EntryProblem::TooManyFields: return "多余的内容";
  }
  return {};
}

}  // namespace

AnniversariesTab::AnniversariesTab(QString listFile, QWidget* parent) : QWidget(parent), listFile_(std::move(listFile)) {
  setObjectName("anniversariesTab");
  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(6, 4, 6, 4);
  layout->setVerticalSpacing(3);

  entriesTable = Named<QTableWidget>("entriesTable", 0, kColumns);
  entriesTable->setHorizontalHeaderLabels({"名称", "日期 (农历或公历)", "起始年"});
  entriesTable->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  entriesTable->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
  entriesTable->setColumnWidth(2, 56);
  entriesTable->verticalHeader()->setDefaultSectionSize(20);
  entriesTable->verticalHeader()->setMinimumWidth(22);
  entriesTable->setToolTip("每行一个纪念日: 名称、日期和可选的起始年 (农历年, 标题中显示第几年)");
  layout->addWidget(entriesTable, 0, 0, 1, 5);

  addButton = Named<QPushButton>("addButton", "添加");
  addButton->setToolTip("添加一行纪念日");
  removeButton = Named<QPushButton>("removeButton", "删除");
  removeButton->setToolTip("删除选中的纪念日");
  remindCheck = Named<QCheckBox>("remindCheck", "提前提醒");
  remindCheck->setToolTip("在纪念日前几天的上午 9 点提醒 (0 为当天)");
  remindDaysSpin = Named<QSpinBox>("remindDaysSpin");
  remindDaysSpin->setRange(0, 30);
  remindDaysSpin->setValue(1);
  remindDaysSpin->setSuffix(" 天");
  remindDaysSpin->setEnabled(false);
  layout->addWidget(addButton, 1, 0);
  layout->addWidget(removeButton, 1, 1);
  layout->addWidget(remindCheck, 1, 3);
  layout->addWidget(remindDaysSpin, 1, 4);
  layout->setColumnStretch(2, 1);

  hintLabel = Named<QLabel>("hintLabel", "日期如 三月初八、闰四月十五、3-8, 或公历生日 1960-04-03");
  hintLabel->setToolTip("红色的格子有误, 鼠标停在上面可看原因; 有误的行不会生成");
  layout->addWidget(hintLabel, 2, 0, 1, 5);

  connect(addButton, &QPushButton::clicked, this, &AnniversariesTab::onAddClicked);
  connect(removeButton, &QPushButton::clicked, this, &AnniversariesTab::onRemoveClicked);
  connect(remindCheck, &QCheckBox::toggled, remindDaysSpin, &QSpinBox::setEnabled);
  connect(entriesTable, &QTableWidget::cellChanged, this, [this] {
    if (loading_) return;
    check();
    save();
  });
  load();
}

void AnniversariesTab::load() {
  QFile file(listFile_);
  if (!file.open(QIODevice::ReadOnly)) return;  // no list yet
  const QByteArray bytes = file.readAll();
  loading_ = true;
  for (const CsvRow& row : ReadCsvRows(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))) {
    const int at = entriesTable->rowCount();
    entriesTable->insertRow(at);
    for (int column = 0; column < kColumns && column < static_cast<int>(row.fields.size()); ++column) {
      entriesTable->setItem(at, column, new QTableWidgetItem(ToQString(row.fields[column])));
    }
  }
  loading_ = false;
  check();
}

void AnniversariesTab::save() const {
  std::vector<std::vector<std::string>> rows;
  for (int row = 0; row < entriesTable->rowCount(); ++row) rows.push_back(fieldsOf(row));
  QDir().mkpath(QFileInfo(listFile_).absolutePath());
  QSaveFile file(listFile_);
  const std::string text = WriteCsv(rows);
  if (file.open(QIODevice::WriteOnly)) {
    file.write(text.data(), static_cast<qint64>(text.size()));
    file.commit();
  }
}

std::vector<std::string> AnniversariesTab::fieldsOf(int row) const {
  std::vector<std::string> fields;
  for (int column = 0; column < kColumns; ++column) {
    const QTableWidgetItem* item = entriesTable->item(row, column);
    fields.push_back(item ? item->text().toStdString() : std::string());
  }
  return fields;
}

std::optional<EntryResult> AnniversariesTab::parsedRow(int row) const {
  const std::vector<std::string> fields = fieldsOf(row);
  if (IsBlankRow(fields)) return std::nullopt;
  return ParseAnniversary(fields);
}

void AnniversariesTab::check() {
  const QSignalBlocker quiet(entriesTable);  // colouring is no edit
  for (int row = 0; row < entriesTable->rowCount(); ++row) {
    const std::optional<EntryResult> result = parsedRow(row);
    const EntryError* error = result ? std::get_if<EntryError>(&*result) : nullptr;
    for (int column = 0; column < kColumns; ++column) {
      QTableWidgetItem* item = entriesTable->item(row, column);
      if (!item) entriesTable->setItem(row, column, item = new QTableWidgetItem);
      const bool bad = error && error->field == column + 1;
      item->setBackground(bad ? QBrush(kBadCell) : QBrush());
      item->setToolTip(bad ? ProblemText(error->problem) : QString());
    }
  }
}

void AnniversariesTab::onAddClicked() {
  const int row = entriesTable->rowCount();
  entriesTable->insertRow(row);
  check();
  save();
  entriesTable->setCurrentCell(row, 0);
  entriesTable->editItem(entriesTable->item(row, 0));
}

void AnniversariesTab::onRemoveClicked() {
  const int row = entriesTable->currentRow();
  if (row < 0) return;
  entriesTable->removeRow(row);
  check();
  save();
}

std::vector<Anniversary> AnniversariesTab::validEntries() const {
  std::vector<Anniversary> entries;
  for (int row = 0; row < entriesTable->rowCount(); ++row) {
    const std::optional<EntryResult> result = parsedRow(row);
    if (const auto* entry = result ? std::get_if<Anniversary>(&*result) : nullptr) entries.push_back(*entry);
  }
  return entries;
}

std::vector<int> AnniversariesTab::invalidRows() const {
  std::vector<int> rows;
  for (int row = 0; row < entriesTable->rowCount(); ++row) {
    const std::optional<EntryResult> result = parsedRow(row);
    if (result && std::holds_alternative<EntryError>(*result)) rows.push_back(row + 1);
  }
  return rows;
}

std::optional<int> AnniversariesTab::remindDaysBefore() const {
  if (!remindCheck->isChecked()) return std::nullopt;
  return remindDaysSpin->value();
}

}  // namespace tessarine
