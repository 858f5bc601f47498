// The 自定义格式 tab: the template box, the token labels that append their
// token, the white-space switch, a preview date and the live preview.
#pragma once

#include <QWidget>

#include "calendar/lunar_names.h"
#include "compose/title_format.h"

class QCheckBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tessarine {

class TokenLabel;

class CustomFormatTab : public QWidget {
  Q_OBJECT

 public:
  explicit CustomFormatTab(QWidget* parent = nullptr);

  TemplateFormat format() const;
  void setTemplate(const QString& text);
  // The default template of the chosen language (恢复默认).
  void setDefaultTemplate();
  // The month names, the language, the calendar and the region (whose
  // festivals) the preview uses; the preview follows at once. A template
  // still the old language's default becomes the new language's: the user
  // has written nothing of it.
  void setTitleOptions(MonthNaming naming, Language language, LunarCalendar calendar, Region region);

  // The preview of the template for the preview date, and each token's
  // text on that date as its label's tip, in the chosen language.
  void refreshPreview();
  // The preview date, as the month view selects it.
  void setPreviewDate(QDate date);
  void appendToken(const QString& token);
  void setTokenHover(TokenLabel* label, bool entering);

 signals:
  void templateChanged(const QString& text);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* buildSideColumn();
  QString defaultTemplate() const;

  MonthNaming monthNaming_ = MonthNaming::WinterAndLast;
  Language language_ = Language::ZhHans;
  LunarCalendar calendar_ = LunarCalendar::China;
  Region region_ = Region::China;
  QLabel* templateLabel = nullptr;
  QLineEdit* templateEdit = nullptr;
  QGroupBox* lunarTokensGroup = nullptr;
  QGroupBox* gregorianTokensGroup = nullptr;
  QPushButton* defaultTemplateButton = nullptr;
  QPushButton* clearTemplateButton = nullptr;
  QCheckBox* collapseSpacesCheck = nullptr;
  QLabel* previewDateLabel = nullptr;
  QDateEdit* previewDateEdit = nullptr;
  QLineEdit* previewEdit = nullptr;
  QList<TokenLabel*> tokenLabels;  // in the order of TemplateTokens
};

}  // namespace tessarine
