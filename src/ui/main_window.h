// The program's one window: year selection, the title formats, generation,
// the menu and the text box that shows the guide and the written file.
//
// Errors: the window checks what the user chose and says, in Chinese, what
// is wrong, in a message box; each file the pipeline could not write is
// reported as it fails. An error no handler deals with reaches
// reportError through the application.
#pragma once

#include <QIcon>
#include <QList>
#include <QMainWindow>
#include <exception>
#include <memory>
#include <optional>
#include <string_view>

#include "calendar/year_range.h"
#include "compose/title_format.h"
#include "export/generate.h"
#include "ui/desktop_services.h"

class QAction;
class QLabel;
class QStackedWidget;
class QGroupBox;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace tessarine {

class AnniversariesTab;
class AnniversaryDays;
class HolidaysTab;
class CustomFormatTab;
class NormalFormatTab;
class YearSelector;
class MonthView;

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
  // 控制 → 界面语言: "zh_CN", "zh_TW", "en", or empty for the system's. The
  // program reopens the window in it; the choice is already remembered.
  void interfaceLanguageChosen(const QString& language);

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildMenu();
  QWidget* buildLeftColumn();
  QWidget* buildFormatGroup();
  QWidget* buildTextBox(const QFont& font);

  // The month view and the text page behind it, in main_window_month.cpp.
  QWidget* buildSidePages(const QFont& font);
  // Feeds the month view from the options as they are now.
  void refreshMonthView();
  // After a batch: the line naming the file, and the view at the first month written.
  void showWrittenFile(const QString& path, YearRange years);
  QWidget* buildControlGroup();

  void onGenerateClicked();
  void onOpenFolderClicked();
  // Shows a file selected in its folder, or a folder, in the file manager;
  // when none answers, says so and gives the path to copy.
  void showInFolder(const QString& path, bool selectFile);
  void onMonthNamesToggled();

  // The almanac's items, in main_window_almanac.cpp; the sky's calendars are
  // written in main_window_generate.cpp.
  void buildAlmanacItems();
  void generateSky(SkyKind kind);

  // The rolling feed, in main_window_feed.cpp.
  void buildFeedItems();
  void generateRollingFeed();

  // 历法, 文字 and 界面语言, in main_window_wording.cpp.
  void buildWordingMenus();
  void onCalendarChosen(QAction* chosen);
  void onLanguageChosen(QAction* chosen);
  // Tells the previews and the 纪念日 tab of the month names, the calendar
  // and the language now chosen.
  void applyTitleOptions();
  LunarCalendar chosenCalendar() const;
  Language chosenLanguage() const;

  // Generation, in main_window_generate.cpp.
  void generate();
  // The holiday calendar of the chosen years, with the 节假日 tab showing.
  void generateHolidays();
  // The window's remembered choices, beside the user's lists, for QSettings
  // to read: none when the file is no regular file within the lists' limit.
  QString settingsFile() const;
  // Saves one setting as every user file is saved; says so when it cannot.
  void storeSetting(const char* key, const QString& value);
  // A checkable 控制 item whose state the window remembers.
  QAction* rememberedToggle(const char* name, const QString& caption, const QString& tip);
  // How the next files are named, as 控制 says.
  FileNaming naming(bool yearFiles) const;
  // The years chosen, or nothing after saying what is wrong with them.
  std::optional<YearRange> checkedYears();
  // Runs the pipeline: a busy cursor, a progress bar for a range that takes
  // a while, and after the first failure of a range one question, whether
  // to go on. Every failure is in `failed`.
  struct RunOutcome {
    Generation done;
    std::vector<WrittenFile> failed;
  };
  RunOutcome run(const GenerateRequest& request, int files);
  // The outcome shown: a summary when some files failed, else the completion
  // question when wanted; then the preview of the last file written.
  void present(const RunOutcome& outcome, YearRange years, const QString& success, const QString& note);
  // The folder files go to: the user's choice, else the default.
  QString outputFolder() const;
  void onChooseOutputFolder();
  QMessageBox::StandardButton message(const QString& text, const QString& caption, QMessageBox::Icon icon,
                                      QMessageBox::StandardButtons buttons = QMessageBox::Ok);

  DesktopServices services_;
  QList<QIcon> menuIcons_;

  QMenu* controlMenu = nullptr;
  QAction* instructionsAction = nullptr;
  QAction* generateAction = nullptr;
  QAction* monthNamesAction = nullptr;
  QAction* holidayMarksAction = nullptr;
  QAction* singleFileAction = nullptr;
  QAction* fixedNameAction = nullptr;
  QAction* outputFolderAction = nullptr;
  QAction* completionPromptAction = nullptr;
  QAction* moonPhasesAction = nullptr;
  QAction* sanfuShujiuAction = nullptr;
  QAction* describeAction = nullptr;
  QAction* moonCalendarAction = nullptr;
  QAction* termCalendarAction = nullptr;
  QAction* rollingFeedAction = nullptr;
  QMenu* rollingYearsMenu = nullptr;
  QActionGroup* rollingYearsGroup = nullptr;
  QMenu* calendarMenu = nullptr;
  QActionGroup* calendarGroup = nullptr;
  QMenu* languageMenu = nullptr;
  QActionGroup* languageGroup = nullptr;
  QMenu* interfaceMenu = nullptr;
  QActionGroup* interfaceGroup = nullptr;
  QAction* openFolderAction = nullptr;
  QAction* exitAction = nullptr;
  QMenu* aboutMenu = nullptr;
  QAction* titleAction = nullptr;
  QAction* versionAction = nullptr;
  QAction* authorAction = nullptr;
  QMenu* feedbackMenu = nullptr;
  QAction* blogAction = nullptr;

  YearSelector* yearSelector = nullptr;
  QGroupBox* controlGroup = nullptr;
  QPushButton* instructionsButton = nullptr;
  QPushButton* generateButton = nullptr;
  QPushButton* openFolderButton = nullptr;
  QPushButton* exitButton = nullptr;
  QGroupBox* formatGroup = nullptr;
  QTabWidget* formatTabs = nullptr;
  NormalFormatTab* normalTab = nullptr;
  CustomFormatTab* customTab = nullptr;
  AnniversariesTab* anniversariesTab = nullptr;
  HolidaysTab* holidaysTab = nullptr;
  QPlainTextEdit* textBox = nullptr;
  QStackedWidget* sidePages = nullptr;
  MonthView* monthView = nullptr;
  QLabel* writtenFileLabel = nullptr;
  QPushButton* openWrittenFolderButton = nullptr;
  QPushButton* viewFileButton = nullptr;
  QPushButton* backToMonthButton = nullptr;
  // The month view's anniversaries, kept while the list is the same.
  std::shared_ptr<AnniversaryDays> anniversaryDays_;
  QString lastWrittenPath_;
};

}  // namespace tessarine
