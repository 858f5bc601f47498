#include "ui/side_pages.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/month_view.h"
#include "ui/named.h"

namespace tessarine {

SidePages::SidePages(std::function<QDate()> today, const QFont& font, QWidget* parent) : QStackedWidget(parent) {
  setObjectName("sidePages");
  addWidget(buildMonthPage(std::move(today)));
  addWidget(buildTextPage(font));
}

QWidget* SidePages::buildMonthPage(std::function<QDate()> today) {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(0, 0, 0, 0);
  monthView_ = new MonthView(std::move(today));
  layout->addWidget(monthView_, 1);
  auto* fileLine = new QHBoxLayout;
  writtenFileLabel = Named<QLabel>("writtenFileLabel");
  writtenFileLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
  writtenFileLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);  // a long name never widens the pane
  openWrittenFolderButton = Named<QPushButton>("openWrittenFolderButton", tr("打开文件夹"));
  viewFileButton = Named<QPushButton>("viewFileButton", tr("查看文件内容"));
  fileLine->addWidget(writtenFileLabel, 1);
  fileLine->addWidget(openWrittenFolderButton);
  fileLine->addWidget(viewFileButton);
  layout->addLayout(fileLine);
  for (QWidget* w : std::initializer_list<QWidget*>{writtenFileLabel, openWrittenFolderButton, viewFileButton}) {
    w->hide();
  }
  connect(viewFileButton, &QPushButton::clicked, this, &SidePages::showTextPage);
  connect(openWrittenFolderButton, &QPushButton::clicked, this, [this] { emit showFileRequested(writtenPath_); });
  return page;
}

QWidget* SidePages::buildTextPage(const QFont& font) {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(0, 0, 0, 0);
  textBox = Named<QPlainTextEdit>("textBox");
  textBox->setReadOnly(true);
  textBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  textBox->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  textBox->setFont(font);
  layout->addWidget(textBox, 1);
  auto* backToMonthButton = Named<QPushButton>("backToMonthButton", tr("返回月视图"));
  layout->addWidget(backToMonthButton, 0, Qt::AlignRight);
  connect(backToMonthButton, &QPushButton::clicked, this, &SidePages::showMonthPage);
  return page;
}

void SidePages::setText(const QString& text) {
  QString plain = text;
  plain.replace("\r\n", "\n");
  textBox->setPlainText(plain);
}

void SidePages::showMonthPage() { setCurrentIndex(0); }

void SidePages::showTextPage() { setCurrentIndex(1); }

void SidePages::showWrittenFile(const QString& path, int firstYear) {
  writtenPath_ = path;
  // The name on one line, the whole path in its tool tip: the grid keeps its room.
  writtenFileLabel->setText(tr("已写入：%1").arg(QFileInfo(path).fileName()));
  writtenFileLabel->setToolTip(QDir::toNativeSeparators(path));
  for (QWidget* w : std::initializer_list<QWidget*>{writtenFileLabel, openWrittenFolderButton, viewFileButton}) {
    w->show();
  }
  monthView_->showMonth(firstYear, 1);
  showMonthPage();
}

}  // namespace tessarine
