// The 控制 menu: the window's commands (使用说明, 生成 iCal, the calendars of
// the Moon's phases and of the solar terms, the rolling feed, 输出文件夹…,
// 打开所在文件夹, 退出) and its choices: how lunar months 11 and 12 are named,
// the almanac's marks in the titles, each day's full description, 休/班,
// how files are named, the completion question and the rolling feed's years.
// All but the month names and the completion question are remembered. 历法,
// 文字 and 界面语言 are the wording's own submenus within it.
#pragma once

#include <QLocale>
#include <QMenu>

#include "compose/title_format.h"
#include "export/generate.h"
#include "ui/window_settings.h"

class QAction;
class QActionGroup;

namespace tessarine {

class WordingMenus;

class ControlMenu : public QMenu {
  Q_OBJECT

 public:
  // Each remembered choice as `settings` holds it; what is not remembered
  // follows `systemLocale` (see WordingMenus).
  ControlMenu(WindowSettings settings, const QLocale& systemLocale, QWidget* parent = nullptr);

  // 历法, 文字 and 界面语言.
  WordingMenus* wording() const { return wording_; }

  MonthNaming monthNaming() const;
  // The normal format's marks: the Moon's phases, and 三伏 and 数九.
  bool withMoonPhases() const;
  bool withSeasonCounts() const;
  // Each day's full description written into the files.
  bool describeDays() const;
  // 休 and 班 after the titles of official days off and make-up workdays.
  bool holidayMarks() const;
  // The question after a run that wrote every file.
  bool completionPrompt() const;
  // How the next files are named: year files may go in one file.
  FileNaming naming(bool yearFiles) const;
  // How many years after this one the rolling feed reaches.
  int rollingYearsAhead() const;

 signals:
  void instructionsRequested();
  void generateRequested();
  void skyCalendarRequested(SkyKind kind);
  void rollingFeedRequested();
  void outputFolderRequested();
  void openFolderRequested();
  void exitRequested();
  // The titles read differently: the month names or an almanac mark changed.
  void titleOptionsChanged();
  void holidayMarksChanged();

 private:
  void addCommands();
  void addAlmanacItems();
  void addFeedItems();
  void addFileItems();
  QAction* command(const char* name, const QString& caption);
  // A checkable item whose state is remembered under its name.
  QAction* rememberedToggle(const char* name, const QString& caption, const QString& tip);

  WindowSettings settings_;
  WordingMenus* wording_ = nullptr;
  QAction* monthNamesAction = nullptr;
  QAction* moonPhasesAction = nullptr;
  QAction* sanfuShujiuAction = nullptr;
  QAction* describeAction = nullptr;
  QActionGroup* rollingYearsGroup = nullptr;
  QAction* completionPromptAction = nullptr;
  QAction* holidayMarksAction = nullptr;
  QAction* singleFileAction = nullptr;
  QAction* fixedNameAction = nullptr;
};

}  // namespace tessarine
