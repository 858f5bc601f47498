#include "ui/custom_format_tab.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <limits>

#include "calendar/year_range.h"

#include "compose/template_engine.h"
#include "ui/named.h"
#include "ui/qt_text.h"
#include "ui/token_label.h"

namespace tessarine {
namespace {

struct TokenCaption {
  const char* objectName;
  const char* caption;
};

// Captions in the order of TemplateTokens: six lunar, six Gregorian, then
// the almanac's five.
constexpr TokenCaption kTokenCaptions[] = {
    {"stemBranchToken", QT_TRANSLATE_NOOP("tessarine::CustomFormatTab", " 干支 - LY ")},   {"zodiacToken", QT_TRANSLATE_NOOP("tessarine::CustomFormatTab", " 生肖 - LZ ")},
    {"lunarMonthToken", QT_TRANSLATE_NOOP("tessarine::CustomFormatTab", " 月 - LM ")},     {"lunarDayToken", QT_TRANSLATE_NOOP("tessarine::CustomFormatTab", " 日 - LD ")},
    {"solarTermToken", QT_TRANSLATE_NOOP("tessarine::CustomFormatTab", " 节气 - LT ")},    {"lunarFestivalToken", QT_TRANSLATE_NOOP("tessarine::CustomFormatTab", " 节日 - LF ")},
    {"year4Token", QT_TRANSLATE_NOOP("tessarine::CustomFormatTab", " 年4位 - Y1 ")},       {"year2Token", QT_TRANSLATE_NOOP("tessarine::CustomFormatTab", " 年2位 - Y2 ")},
    {"monthToken", QT_TRANSLATE_NOOP("tessarine::CustomFormatTab", " 月 - CM ")},          {"dayToken", QT_TRANSLATE_NOOP("tessarine::CustomFormatTab", " 日 - CD ")},
    {"weekdayToken", QT_TRANSLATE_NOOP("tessarine::CustomFormatTab", " 星期 - CW ")},      {"gregorianFestivalToken", QT_TRANSLATE_NOOP("tessarine::CustomFormatTab", " 节日 - CF ")},
    {"termTimeToken", QT_TRANSLATE_NOOP("tessarine::CustomFormatTab", " 时刻 - LH ")},     {"moonPhaseToken", QT_TRANSLATE_NOOP("tessarine::CustomFormatTab", " 月相 - LP ")},
    {"seasonCountToken", QT_TRANSLATE_NOOP("tessarine::CustomFormatTab", " 伏九 - LS ")},  {"dayGanzhiToken", QT_TRANSLATE_NOOP("tessarine::CustomFormatTab", " 日柱 - GD ")},
    {"monthGanzhiToken", QT_TRANSLATE_NOOP("tessarine::CustomFormatTab", " 月柱 - GM ")},
};
static_assert(std::size(kTokenCaptions) == TemplateTokens.size());

}  // namespace

CustomFormatTab::CustomFormatTab(QWidget* parent) : QWidget(parent) {
  setObjectName("customTab");
  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(6, 4, 6, 4);
  layout->setVerticalSpacing(3);

  templateLabel = Named<QLabel>("templateLabel", tr("内容格式 [点击备选内容加入并编辑]"));
  templateEdit = Named<QLineEdit>("templateEdit");
  templateEdit->setMaxLength(std::numeric_limits<int>::max());  // a template may be of any length
  layout->addWidget(templateLabel, 0, 0, 1, 3);
  layout->addWidget(templateEdit, 1, 0, 1, 3);

  lunarTokensGroup = Named<QGroupBox>("lunarTokensGroup", tr(" 农历备选内容 "));
  gregorianTokensGroup = Named<QGroupBox>("gregorianTokensGroup", tr(" 公历备选内容 "));
  // The almanac's tokens stand beside the lunar ones, a second column of the
  // same group, so that the tab keeps its height.
  auto* lunar = new QGridLayout(lunarTokensGroup);
  auto* gregorian = new QVBoxLayout(gregorianTokensGroup);
  for (QLayout* group : std::initializer_list<QLayout*>{lunar, gregorian}) {
    group->setSpacing(2);
    group->setContentsMargins(5, 4, 5, 4);
  }
  for (std::size_t i = 0; i < TemplateTokens.size(); ++i) {
    auto* label = new TokenLabel(kTokenCaptions[i].objectName, tr(kTokenCaptions[i].caption),
                                 ToQString(TemplateTokens[i]));
    if (i < 6) {
      lunar->addWidget(label, static_cast<int>(i), 0);
    } else if (i < kFirstAlmanacToken) {
      gregorian->addWidget(label);
    } else {
      lunar->addWidget(label, static_cast<int>(i - kFirstAlmanacToken), 1);
    }
    tokenLabels.append(label);
    connect(label, &TokenLabel::clicked, this, [this, label] { appendToken(label->Token()); });
    connect(label, &TokenLabel::entered, this, [this, label] { setTokenHover(label, true); });
    connect(label, &TokenLabel::left, this, [this, label] { setTokenHover(label, false); });
  }
  layout->addWidget(lunarTokensGroup, 2, 0);
  layout->addWidget(gregorianTokensGroup, 2, 1);
  layout->addWidget(buildSideColumn(), 2, 2);

  previewEdit = Named<QLineEdit>("previewEdit");
  previewEdit->setReadOnly(true);
  previewEdit->setMaxLength(std::numeric_limits<int>::max());  // shows the whole title
  layout->addWidget(previewEdit, 3, 0, 1, 3);

  connect(templateEdit, &QLineEdit::textChanged, this, [this](const QString& text) {
    emit templateChanged(text);
    refreshPreview();
  });
  connect(previewDateEdit, &QDateEdit::dateChanged, this, &CustomFormatTab::refreshPreview);
  connect(collapseSpacesCheck, &QCheckBox::clicked, this, &CustomFormatTab::refreshPreview);
  connect(defaultTemplateButton, &QPushButton::clicked, this, [this] { setDefaultTemplate(); });
  connect(clearTemplateButton, &QPushButton::clicked, this, [this] { setTemplate(QString()); });
}

QWidget* CustomFormatTab::buildSideColumn() {
  auto* column = new QWidget;
  auto* side = new QVBoxLayout(column);
  side->setContentsMargins(0, 0, 0, 0);
  defaultTemplateButton = Named<QPushButton>("defaultTemplateButton", tr("恢复默认"));
  clearTemplateButton = Named<QPushButton>("clearTemplateButton", tr("清空内容"));
  collapseSpacesCheck = Named<QCheckBox>("collapseSpacesCheck", tr("处理空格"));
  collapseSpacesCheck->setToolTip(tr("将多个空格合并为一个空格"));
  collapseSpacesCheck->setChecked(true);
  previewDateLabel = Named<QLabel>("previewDateLabel", tr("预览日期"));
  previewDateEdit = Named<QDateEdit>("previewDateEdit", QDate(2014, 9, 8));
  previewDateEdit->setCalendarPopup(true);
  previewDateEdit->setDisplayFormat("yyyy-MM-dd");
  // The engine describes its own years only.
  previewDateEdit->setDateRange(QDate(static_cast<int>(YearRange::First), 1, 1),
                                QDate(static_cast<int>(YearRange::Last), 12, 31));
  // A click into the date selects the part under the mouse, so that digits
  // typed next replace it, as in any date field; without this they were
  // inserted beside the old digits and refused.
  if (auto* dateText = previewDateEdit->findChild<QLineEdit*>()) dateText->installEventFilter(this);
  for (QWidget* widget : std::initializer_list<QWidget*>{defaultTemplateButton, clearTemplateButton,
                                                          collapseSpacesCheck, previewDateLabel, previewDateEdit}) {
    side->addWidget(widget);
  }
  side->addStretch();
  return column;
}

bool CustomFormatTab::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease && watched->parent() == previewDateEdit) {
    previewDateEdit->setSelectedSection(previewDateEdit->currentSection());
  }
  return QWidget::eventFilter(watched, event);
}

TemplateFormat CustomFormatTab::format() const {
  return {templateEdit->text().toStdString(), collapseSpacesCheck->isChecked()};
}

void CustomFormatTab::setTemplate(const QString& text) { templateEdit->setText(text); }

QString CustomFormatTab::defaultTemplate() const { return ToQString(DefaultTemplateOf(language_, region_)); }

void CustomFormatTab::setDefaultTemplate() { setTemplate(defaultTemplate()); }

void CustomFormatTab::setTitleOptions(MonthNaming naming, Language language, LunarCalendar calendar, Region region) {
  const bool wasDefault = templateEdit->text() == defaultTemplate();
  monthNaming_ = naming;
  language_ = language;
  calendar_ = calendar;
  region_ = region;
  if (wasDefault) setDefaultTemplate();
  refreshPreview();
}

void CustomFormatTab::setPreviewDate(QDate date) { previewDateEdit->setDate(date); }

void CustomFormatTab::refreshPreview() {
  const QDate date = previewDateEdit->date();
  const std::chrono::sys_days when{std::chrono::year{date.year()} / date.month() / date.day()};
  const DayInfo day = GetDayInfo(when, calendar_, region_);
  const TemplateFormat templ = format();
  previewEdit->setText(QString::fromStdString(ExpandTemplate(templ.text, day, monthNaming_, templ.collapseSpaces, language_)));
  // What each token gives on the preview date, in the file's language: the
  // captions are the window's words, the tips the calendar's.
  for (qsizetype i = 0; i < tokenLabels.size(); ++i) {
    const std::string text = ExpandTemplate(TemplateTokens[static_cast<std::size_t>(i)], day, monthNaming_, true, language_);
    tokenLabels[i]->setToolTip(text.empty() ? QString() : QString::fromStdString(text));
  }
}

void CustomFormatTab::appendToken(const QString& token) {
  templateEdit->setText(templateEdit->text() + token);
  templateEdit->setFocus();
  templateEdit->deselect();
  templateEdit->setCursorPosition(static_cast<int>(templateEdit->text().size()));
}

void CustomFormatTab::setTokenHover(TokenLabel* label, bool entering) {
  QFont font = label->font();
  font.setBold(!entering);
  label->setFont(font);
  label->setCursor(entering ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

}  // namespace tessarine
