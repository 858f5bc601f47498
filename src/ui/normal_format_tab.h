// The 普通格式 tab: what a day's title shows in the normal format, and which
// of a festival and a solar term wins when both fall on one day.
#pragma once

#include <QWidget>

#include "compose/normal_summary.h"

class QCheckBox;
class QGroupBox;
class QRadioButton;

namespace tessarine {

class NormalFormatTab : public QWidget {
  Q_OBJECT

 public:
  explicit NormalFormatTab(QWidget* parent = nullptr);

  NormalFormat format() const;

 signals:
  // Any of the options changed.
  void formatChanged();

 private:
  void onWithoutFestivalsClicked();

  QGroupBox* contentGroup = nullptr;
  QCheckBox* withoutFestivalsCheck = nullptr;
  QRadioButton* dayRadio = nullptr;
  QRadioButton* monthAndDayRadio = nullptr;
  QRadioButton* festivalsAndTermsRadio = nullptr;
  QRadioButton* termsOnlyRadio = nullptr;
  QGroupBox* sameDayGroup = nullptr;
  QRadioButton* showFestivalRadio = nullptr;
  QRadioButton* showTermRadio = nullptr;
  QRadioButton* showBothRadio = nullptr;
};

}  // namespace tessarine
