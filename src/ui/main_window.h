// The program's one window: year selection, the two title formats, generation,
// the menu and the text box that shows the guide and the written file.
#pragma once

#include <QIcon>
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <memory>

#include "calendar/lunar_calendar.h"
#include "export/ical_export.h"
#include "ui/desktop_services.h"
#include "ui/summary_options.h"
#include "ui/window_export_platform.h"

class QAction;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStyle;
class QTabWidget;

namespace tessarine {

class TokenLabel;

class TForm1 : public QMainWindow {
  Q_OBJECT

 public:
  explicit TForm1(DesktopServices services = DesktopServices::System(), QWidget* parent = nullptr);
  ~TForm1() override;

  const SummaryOptions& Options() const { return options_; }

  // What the export asks of the window.
  void FocusYearBox(YearBox box);
  void SetPreviewText(const QString& text);

  // The general error report: an error that no handler deals with.
  void ReportError(const std::exception& error);

  // The custom-format tab.
  void RefreshPreview();
  void AppendToken(const QString& token);
  void SetTokenHover(TokenLabel* label, bool entering);

  void ShowInstructions();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormCreate();
  void FormShow();
  void FormClose();
  void BuildMenu();
  QWidget* BuildYearColumn();
  QWidget* BuildNormalTab();
  QWidget* BuildCustomTab();

  // Handlers, named after component and event.
  bool cbbY1KeyPress(QKeyEvent* event);
  void cbbY1Select();
  void cbbY2Select();
  void chkYEndClick();
  void chkNoFTClick();
  void ts1Show();
  void ts2Show();
  void N5Click();
  void P1Click();
  void btn3Click();
  void btn4Click();
  void t1632Click();
  void edtDIYChange();
  void btnDefDiyClick();
  void btn5Click();

  SummaryOptions options_;
  LunarCalendar calendar_{options_};
  DesktopServices services_;
  WindowExportPlatform platform_{*this, services_};
  IcalExport exporter_{calendar_, platform_};
  QPointer<QStyle> flatStyle_;
  // A year typed into cbbY1 is not a year chosen from its list, although the
  // toolkit reports one when the typed text matches a list entry.
  bool yearTyped_ = false;

  QList<QIcon> il1;
  QMenuBar* mm1 = nullptr;
  QAction *N4 = nullptr, *iCal1 = nullptr, *N5 = nullptr, *P1 = nullptr, *O1 = nullptr, *X1 = nullptr;
  QAction *Title1 = nullptr, *Ver100201112201 = nullptr, *Author1 = nullptr, *t1632 = nullptr;
  QMenu *N1 = nullptr, *A1 = nullptr, *Feedback1 = nullptr;

  QGroupBox *grp3 = nullptr, *grp4 = nullptr, *grp6 = nullptr;
  QComboBox *cbbY1 = nullptr, *cbbY2 = nullptr;
  QCheckBox* chkYEnd = nullptr;
  QPushButton *btn1 = nullptr, *btn3 = nullptr, *btn4 = nullptr, *btn2 = nullptr;
  QTabWidget* pgc1 = nullptr;
  QWidget *ts1 = nullptr, *ts2 = nullptr;
  QGroupBox *grp5 = nullptr, *grp2 = nullptr;
  QCheckBox* chkNoFT = nullptr;
  QRadioButton *rb6 = nullptr, *rb7 = nullptr, *rb8 = nullptr, *rb9 = nullptr;
  QRadioButton *rb3 = nullptr, *rb4 = nullptr, *rb5 = nullptr;
  QPlainTextEdit* redt1 = nullptr;

  QLabel *lbl1 = nullptr, *lbl2 = nullptr;
  QLineEdit *edtDIY = nullptr, *edtPreview = nullptr;
  QGroupBox *grp8 = nullptr, *grp7 = nullptr;
  QPushButton *btnDefDiy = nullptr, *btn5 = nullptr;
  QCheckBox* chkClearSpace = nullptr;
  QDateEdit* dtp1 = nullptr;
};

}  // namespace tessarine
