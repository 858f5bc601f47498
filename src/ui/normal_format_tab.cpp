#include "ui/normal_format_tab.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/named.h"

namespace tessarine {

NormalFormatTab::NormalFormatTab(QWidget* parent) : QWidget(parent) {
  setObjectName("normalTab");
  auto* layout = new QHBoxLayout(this);

  contentGroup = Named<QGroupBox>("contentGroup", tr("农历信息内容控制"));
  auto* content = new QVBoxLayout(contentGroup);
  withoutFestivalsCheck = Named<QCheckBox>("withoutFestivalsCheck", tr("无节日节气"));
  dayRadio = Named<QRadioButton>("dayRadio", tr("日期"));
  monthAndDayRadio = Named<QRadioButton>("monthAndDayRadio", tr("月份+日期"));
  festivalsAndTermsRadio = Named<QRadioButton>("festivalsAndTermsRadio", tr("节日节气"));
  termsOnlyRadio = Named<QRadioButton>("termsOnlyRadio", tr("节气"));
  dayRadio->setChecked(true);
  content->addWidget(withoutFestivalsCheck);
  for (QRadioButton* button : {dayRadio, monthAndDayRadio, festivalsAndTermsRadio, termsOnlyRadio}) {
    content->addWidget(button);
  }
  content->addStretch();

  sameDayGroup = Named<QGroupBox>("sameDayGroup", tr(" 同一天有节日与节气 "));
  auto* sameDay = new QVBoxLayout(sameDayGroup);
  showFestivalRadio = Named<QRadioButton>("showFestivalRadio", tr("显示 - 节日"));
  showTermRadio = Named<QRadioButton>("showTermRadio", tr("显示 - 节气"));
  showBothRadio = Named<QRadioButton>("showBothRadio", tr("显示 - 节日/节气"));
  showFestivalRadio->setChecked(true);
  for (QRadioButton* button : {showFestivalRadio, showTermRadio, showBothRadio}) sameDay->addWidget(button);
  sameDay->addStretch();

  layout->addWidget(contentGroup);
  layout->addWidget(sameDayGroup);
  connect(withoutFestivalsCheck, &QCheckBox::clicked, this, &NormalFormatTab::onWithoutFestivalsClicked);
  for (QAbstractButton* option : std::initializer_list<QAbstractButton*>{
           withoutFestivalsCheck, dayRadio, monthAndDayRadio, festivalsAndTermsRadio, termsOnlyRadio, showFestivalRadio,
           showTermRadio, showBothRadio}) {
    connect(option, &QAbstractButton::toggled, this, &NormalFormatTab::formatChanged);
  }
}

void NormalFormatTab::onWithoutFestivalsClicked() {
  const bool without = withoutFestivalsCheck->isChecked();
  for (QRadioButton* button : {showFestivalRadio, showTermRadio, showBothRadio, festivalsAndTermsRadio, termsOnlyRadio}) {
    button->setEnabled(!without);
  }
  // Without festivals and terms only the two date modes make sense.
  if (!dayRadio->isChecked() && !monthAndDayRadio->isChecked()) dayRadio->setChecked(true);
}

NormalFormat NormalFormatTab::format() const {
  NormalFormat format;
  format.mode = monthAndDayRadio->isChecked()         ? DisplayMode::MonthAndDay
                : festivalsAndTermsRadio->isChecked() ? DisplayMode::FestivalsAndTerms
                : termsOnlyRadio->isChecked()         ? DisplayMode::TermsOnly
                                                      : DisplayMode::Day;
  format.onSameDay = showTermRadio->isChecked()   ? FestivalAndTerm::Term
                     : showBothRadio->isChecked() ? FestivalAndTerm::Both
                                                  : FestivalAndTerm::Festival;
  format.withoutFestivalsAndTerms = withoutFestivalsCheck->isChecked();
  return format;
}

}  // namespace tessarine
