// The custom-format tab of the window: the template box, the token labels,
// the white-space switch, the preview date and the live preview.
#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <limits>

#include "compose/template_engine.h"
#include "ui/main_window.h"
#include "ui/token_label.h"
#include "ui/qt_text.h"

namespace tessarine {
namespace {

struct TokenCaption {
  const char* objectName;
  const char* caption;
};

// Captions in the order of TemplateTokens: six lunar, then six Gregorian.
constexpr TokenCaption kTokenCaptions[] = {
    {"lblLYear", " 干支 - LY "}, {"lblLsx", " 生肖 - LZ "},  {"lblLM", " 月 - LM "},
    {"lblLD", " 日 - LD "},      {"lblTerm", " 节气 - LT "}, {"lblLFtv", " 节日 - LF "},
    {"lblYear", " 年4位 - Y1 "}, {"lblYear2", " 年2位 - Y2 "}, {"lblCM", " 月 - CM "},
    {"lblCD", " 日 - CD "},      {"lblCW", " 星期 - CW "},    {"lblCFtv", " 节日 - CF "},
};
static_assert(std::size(kTokenCaptions) == TemplateTokens.size());

}  // namespace

QWidget* TForm1::BuildCustomTab() {
  auto* page = new QWidget;
  page->setObjectName("ts2");
  auto* layout = new QGridLayout(page);
  layout->setContentsMargins(6, 4, 6, 4);
  layout->setVerticalSpacing(3);

  lbl1 = new QLabel("内容格式 [点击备选内容加入并编辑]");
  lbl1->setObjectName("lbl1");
  edtDIY = new QLineEdit;
  edtDIY->setObjectName("edtDIY");
  edtDIY->setMaxLength(std::numeric_limits<int>::max());  // a template may be of any length
  layout->addWidget(lbl1, 0, 0, 1, 3);
  layout->addWidget(edtDIY, 1, 0, 1, 3);

  grp8 = new QGroupBox(" 农历备选内容 ");
  grp8->setObjectName("grp8");
  grp7 = new QGroupBox(" 公历备选内容 ");
  grp7->setObjectName("grp7");
  auto* lunar = new QVBoxLayout(grp8);
  auto* gregorian = new QVBoxLayout(grp7);
  for (QVBoxLayout* group : {lunar, gregorian}) {
    group->setSpacing(2);
    group->setContentsMargins(6, 4, 6, 4);
  }
  for (std::size_t i = 0; i < TemplateTokens.size(); ++i) {
    const std::string_view token = TemplateTokens[i];
    auto* label = new TokenLabel(kTokenCaptions[i].objectName, kTokenCaptions[i].caption,
                                 QString::fromLatin1(token.data(), static_cast<qsizetype>(token.size())));
    (i < 6 ? lunar : gregorian)->addWidget(label);
    connect(label, &TokenLabel::clicked, this, [this, label] { AppendToken(label->Token()); });
    connect(label, &TokenLabel::entered, this, [this, label] { SetTokenHover(label, true); });
    connect(label, &TokenLabel::left, this, [this, label] { SetTokenHover(label, false); });
  }
  layout->addWidget(grp8, 2, 0);
  layout->addWidget(grp7, 2, 1);

  auto* side = new QVBoxLayout;
  btnDefDiy = new QPushButton("恢复默认");
  btnDefDiy->setObjectName("btnDefDiy");
  btn5 = new QPushButton("清空内容");
  btn5->setObjectName("btn5");
  chkClearSpace = new QCheckBox("处理空格");
  chkClearSpace->setObjectName("chkClearSpace");
  chkClearSpace->setToolTip("将多个空格合并为一个空格");
  chkClearSpace->setChecked(true);
  lbl2 = new QLabel("预览日期");
  lbl2->setObjectName("lbl2");
  dtp1 = new QDateEdit(QDate(2014, 9, 8));
  dtp1->setObjectName("dtp1");
  dtp1->setCalendarPopup(true);
  dtp1->setDisplayFormat("yyyy-MM-dd");
  // The engine describes 1901 to 2050 only.
  dtp1->setDateRange(QDate(1901, 1, 1), QDate(2050, 12, 31));
  for (QWidget* widget : std::initializer_list<QWidget*>{btnDefDiy, btn5, chkClearSpace, lbl2, dtp1}) {
    side->addWidget(widget);
  }
  side->addStretch();
  layout->addLayout(side, 2, 2);

  edtPreview = new QLineEdit;
  edtPreview->setObjectName("edtPreview");
  edtPreview->setReadOnly(true);
  edtPreview->setMaxLength(std::numeric_limits<int>::max());  // shows the whole title
  layout->addWidget(edtPreview, 3, 0, 1, 3);

  connect(edtDIY, &QLineEdit::textChanged, this, &TForm1::edtDIYChange);
  connect(dtp1, &QDateEdit::dateChanged, this, &TForm1::RefreshPreview);
  connect(chkClearSpace, &QCheckBox::clicked, this, [this] {
    options_.bolClearSpace = chkClearSpace->isChecked();
    RefreshPreview();
  });
  connect(btnDefDiy, &QPushButton::clicked, this, &TForm1::btnDefDiyClick);
  connect(btn5, &QPushButton::clicked, this, &TForm1::btn5Click);
  return page;
}

void TForm1::edtDIYChange() {
  options_.strDIY = edtDIY->text().toStdString();
  RefreshPreview();
}

void TForm1::RefreshPreview() {
  const QDate date = dtp1->date();
  const std::chrono::sys_days day{std::chrono::year{date.year()} / date.month() / date.day()};
  const std::string title = ExpandTemplate(calendar_, options_.strDIY, day, options_.bolClearSpace);
  edtPreview->setText(QString::fromStdString(title));
}

void TForm1::AppendToken(const QString& token) {
  edtDIY->setText(edtDIY->text() + token);
  edtDIY->setFocus();
  edtDIY->deselect();
  edtDIY->setCursorPosition(static_cast<int>(edtDIY->text().size()));
}

void TForm1::SetTokenHover(TokenLabel* label, bool entering) {
  QFont font = label->font();
  font.setBold(!entering);
  label->setFont(font);
  label->setCursor(entering ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TForm1::btnDefDiyClick() { edtDIY->setText(ToQString(DefaultTemplate)); }

void TForm1::btn5Click() { edtDIY->setText(QString()); }

}  // namespace tessarine
