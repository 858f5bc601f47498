// The 选择年份 group: a start year typed or chosen from a list, and an end
// year chosen from a list when a range of years is wanted. The two lists keep
// each other in order when a year is chosen from them.
#pragma once

#include <QGroupBox>

class QCheckBox;
class QComboBox;

namespace tessarine {

class YearSelector : public QGroupBox {
  Q_OBJECT

 public:
  explicit YearSelector(QWidget* parent = nullptr);

  // Lists the years from `firstYear` to the last described year in both
  // boxes.
  void fillYears(int firstYear);

  QString startText() const;
  QString endText() const;
  bool rangeSelected() const;
  void focusStart();
  void focusEnd();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void onStartYearChosen();
  void onEndYearChosen();
  void onRangeClicked();
  // A key or wheel step through the start list starts from the typed year.
  void syncStartToTypedYear();

  QComboBox* startYearBox = nullptr;
  QCheckBox* endYearCheck = nullptr;
  QComboBox* endYearBox = nullptr;
  // A year typed into the start box is not a year chosen from its list,
  // although the toolkit reports one when the typed text matches an entry.
  bool yearTyped_ = false;
};

}  // namespace tessarine
