// The program's one window: it lays out its parts and wires them. On the
// left the years (选择年份) and the 控制 buttons; in the middle the tabs of
// the title formats, the anniversaries and the holidays; on the right the
// month view and the text page (SidePages). The 控制 menu holds the
// commands and choices (ControlMenu), 关于 the program's name (AboutMenu);
// a run of the pipeline is GenerationRun's, the rolling feed RollingFeed's,
// and what the month view shows MonthContent's.
//
// Errors: the window checks what the user chose and says what is wrong, in
// the window's language, in a message box; each file the pipeline could not
// write is reported as it fails. An error no handler deals with reaches
// reportError through the application.
#pragma once

#include <QMainWindow>
#include <exception>
#include <memory>
#include <optional>

#include "calendar/year_range.h"
#include "compose/title_format.h"
#include "export/generate.h"
#include "ui/desktop_services.h"
#include "ui/generation_run.h"
#include "ui/month_content.h"
#include "ui/window_settings.h"

class QTabWidget;

namespace tessarine {

class AnniversariesTab;
class ControlMenu;
class CustomFormatTab;
class HolidaysTab;
class NormalFormatTab;
class RollingFeed;
class SidePages;
class YearSelector;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(DesktopServices services = DesktopServices::System(), QWidget* parent = nullptr);
  ~MainWindow() override;

  // How the titles of the next generation are composed, as the window shows.
  TitleFormat titleFormat() const;

  void setTextBox(const QString& text);
  void showInstructions();
  // The general error report: an error that no handler deals with.
  void reportError(const std::exception& error);

 signals:
  // 控制 → 界面语言: one of kWindowLanguages, or empty for the system's. The
  // program reopens the window in it; the choice is already remembered.
  void interfaceLanguageChosen(const QString& language);

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildMenus();
  QWidget* buildLeftColumn();
  QWidget* buildControlGroup();
  QWidget* buildFormatGroup();
  void wireParts();

  // Tells the previews, the 纪念日 tab and the month view of the month
  // names, the calendar and the language now chosen.
  void applyTitleOptions();
  // Feeds the month view from the options as they are now.
  void refreshMonthView();

  // Generation, in main_window_generate.cpp.
  // 生成 iCal; a date the engine cannot convert reaches the general error report.
  void generate();
  // The files of the tab shown: the lunar year files, the anniversaries or
  // the holidays.
  void generateForTab();
  // The holiday calendar of the years selected in the 节假日 tab.
  void generateHolidays();
  void generateSky(SkyKind kind);
  void generateRollingFeed();
  // The years chosen, or nothing after saying what is wrong with them.
  std::optional<YearRange> checkedYears();
  // The lunar year files of `years` in the chosen format, with 休/班 when marked.
  YearFilesRequest yearFilesRequest(YearRange years, FileNaming naming) const;
  // A run's completion shown: the folder when asked for, the account in the
  // text page, and the month view at the first year written.
  void present(const GenerationRun::Completion& completion);

  // The desktop, in main_window_desktop.cpp.
  // The folder files go to: the user's choice, else the default.
  QString outputFolder() const;
  void chooseOutputFolder();
  // 打开文件夹: the output folder, or the program selected in it when it is the program's own.
  void openOutputFolder();
  // Shows a file selected in its folder, or a folder, in the file manager;
  // when none answers, says so and gives the path to copy.
  void showInFolder(const QString& path, bool selectFile);
  void openMakerPage();
  void sayNotStored(std::error_code error);
  QMessageBox::StandardButton message(const QString& text, const QString& caption, QMessageBox::Icon icon,
                                      QMessageBox::StandardButtons buttons = QMessageBox::Ok);

  DesktopServices services_;
  WindowSettings settings_;
  ControlMenu* controlMenu = nullptr;
  YearSelector* yearSelector = nullptr;
  QTabWidget* formatTabs = nullptr;
  NormalFormatTab* normalTab = nullptr;
  CustomFormatTab* customTab = nullptr;
  AnniversariesTab* anniversariesTab = nullptr;
  HolidaysTab* holidaysTab = nullptr;
  SidePages* sidePages = nullptr;
  GenerationRun* generation_ = nullptr;
  RollingFeed* rollingFeed_ = nullptr;
  MonthContent monthContent_;
};

}  // namespace tessarine
