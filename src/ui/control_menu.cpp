#include "ui/control_menu.h"

#include <QActionGroup>
#include <QIcon>

#include "ui/wording_menus.h"

namespace tessarine {
namespace {

// The rolling feed's reach, in years after this one; two unless remembered otherwise.
constexpr int kRollingChoices[] = {1, 2, 3, 5};
constexpr int kRollingDefault = 2;

}  // namespace

ControlMenu::ControlMenu(WindowSettings settings, const QLocale& systemLocale, QWidget* parent)
    : QMenu(tr("控制(&C)"), parent), settings_(std::move(settings)) {
  setObjectName("controlMenu");
  addCommands();
  wording_ = new WordingMenus(this, settings_, systemLocale);
  addAlmanacItems();
  addFeedItems();
  addFileItems();
}

QAction* ControlMenu::command(const char* name, const QString& caption) {
  QAction* action = addAction(caption);
  action->setObjectName(name);
  return action;
}

QAction* ControlMenu::rememberedToggle(const char* name, const QString& caption, const QString& tip) {
  QAction* action = command(name, caption);
  action->setCheckable(true);
  action->setToolTip(tip);
  action->setChecked(settings_.value(name, false).toBool());
  connect(action, &QAction::toggled, this, [this, name](bool on) { settings_.store(name, on ? "true" : "false"); });
  return action;
}

void ControlMenu::addCommands() {
  QAction* instructions = command("instructionsAction", tr("使用说明(&H) "));
  instructions->setIcon(QIcon(":/icons/instructions.xpm"));
  QAction* generate = command("generateAction", tr("生成 iCal(&I)"));
  generate->setIcon(QIcon(":/icons/generate.xpm"));
  monthNamesAction = command("monthNamesAction", tr("使用冬,腊月显示"));
  monthNamesAction->setCheckable(true);
  monthNamesAction->setChecked(true);
  connect(instructions, &QAction::triggered, this, &ControlMenu::instructionsRequested);
  connect(generate, &QAction::triggered, this, &ControlMenu::generateRequested);
  connect(monthNamesAction, &QAction::triggered, this, &ControlMenu::titleOptionsChanged);
}

// The almanac: the Moon's phases and 数九/三伏 added to the normal format's
// titles, each day's full description written into the files; and the two
// calendars of the sky's moments, written for the chosen years.
void ControlMenu::addAlmanacItems() {
  moonPhasesAction = rememberedToggle("moonPhasesAction", tr("标注月相"), tr("在新月、上弦、满月、下弦的日子后加上月相，如“初八 上弦”"));
  sanfuShujiuAction = rememberedToggle("sanfuShujiuAction", tr("标注三伏、数九"), tr("在三伏和数九的日子后加上第几天，如“十五 三九第1天”"));
  describeAction = rememberedToggle("describeAction", tr("写入详细说明"),
                                    tr("每天的说明中写入农历、干支、生肖、节气和时刻、节日、月相、三伏或数九"));
  QAction* moonCalendar = command("moonCalendarAction", tr("生成月相日历"));
  moonCalendar->setToolTip(tr("所选年份中每次新月、上弦、满月、下弦，标题带时刻，如“满月 21:36”"));
  QAction* termCalendar = command("termCalendarAction", tr("生成节气日历"));
  termCalendar->setToolTip(tr("所选年份的二十四节气，标题带交节时刻，如“立春 04:02”"));
  connect(moonPhasesAction, &QAction::toggled, this, &ControlMenu::titleOptionsChanged);
  connect(sanfuShujiuAction, &QAction::toggled, this, &ControlMenu::titleOptionsChanged);
  connect(moonCalendar, &QAction::triggered, this, [this] { emit skyCalendarRequested(SkyKind::MoonPhases); });
  connect(termCalendar, &QAction::triggered, this, [this] { emit skyCalendarRequested(SkyKind::SolarTerms); });
}

// 生成滚动订阅文件 and how many years ahead it reaches (滚动年数).
void ControlMenu::addFeedItems() {
  QAction* feed = command("rollingFeedAction", tr("生成滚动订阅文件"));
  feed->setToolTip(tr("从去年到几年后写成一个固定文件名的文件，每次生成时替换，便于订阅"));
  QMenu* years = addMenu(tr("滚动年数"));
  years->setObjectName("rollingYearsMenu");
  rollingYearsGroup = new QActionGroup(years);
  const int remembered = settings_.value("rollingYears", kRollingDefault).toInt();
  for (const int ahead : kRollingChoices) {
    QAction* choice = years->addAction(tr("到 %n 年后", nullptr, ahead));
    choice->setObjectName(QString("rollingYears%1Action").arg(ahead));
    choice->setCheckable(true);
    choice->setData(ahead);
    choice->setChecked(ahead == remembered);
    rollingYearsGroup->addAction(choice);
  }
  if (!rollingYearsGroup->checkedAction()) rollingYearsGroup->actions()[1]->setChecked(true);
  connect(rollingYearsGroup, &QActionGroup::triggered, this,
          [this](QAction* chosen) { settings_.store("rollingYears", chosen->data().toString()); });
  connect(feed, &QAction::triggered, this, &ControlMenu::rollingFeedRequested);
}

// How and where the files are written, and 退出.
void ControlMenu::addFileItems() {
  completionPromptAction = command("completionPromptAction", tr("生成后弹出提示框(&P)"));
  completionPromptAction->setCheckable(true);
  completionPromptAction->setChecked(true);
  holidayMarksAction = rememberedToggle("holidayMarksAction", tr("标注休/班"), tr("在官方放假和调休上班的日子后加上 (休) 或 (班)"));
  singleFileAction = rememberedToggle("singleFileAction", tr("合并为一个文件"), tr("所选的多个年份写进一个文件，一次导入"));
  fixedNameAction = rememberedToggle("fixedNameAction", tr("固定文件名"),
                                     tr("文件名不带生成时间（如 Tessarine_2026.ics），再次生成时替换旧文件，便于同步文件夹提供订阅链接"));
  QAction* outputFolder = command("outputFolderAction", tr("输出文件夹…"));
  outputFolder->setToolTip(tr("选择生成的 iCal 文件存放的文件夹"));
  QAction* openFolder = command("openFolderAction", tr("打开所在文件夹(&O)"));
  addSeparator();
  QAction* exit = command("exitAction", tr("退出(&X)"));
  exit->setIcon(QIcon(":/icons/exit.xpm"));
  connect(holidayMarksAction, &QAction::toggled, this, &ControlMenu::holidayMarksChanged);
  connect(outputFolder, &QAction::triggered, this, &ControlMenu::outputFolderRequested);
  connect(openFolder, &QAction::triggered, this, &ControlMenu::openFolderRequested);
  connect(exit, &QAction::triggered, this, &ControlMenu::exitRequested);
}

MonthNaming ControlMenu::monthNaming() const {
  return monthNamesAction->isChecked() ? MonthNaming::WinterAndLast : MonthNaming::Numbered;
}

bool ControlMenu::withMoonPhases() const { return moonPhasesAction->isChecked(); }

bool ControlMenu::withSeasonCounts() const { return sanfuShujiuAction->isChecked(); }

bool ControlMenu::describeDays() const { return describeAction->isChecked(); }

bool ControlMenu::holidayMarks() const { return holidayMarksAction->isChecked(); }

bool ControlMenu::completionPrompt() const { return completionPromptAction->isChecked(); }

FileNaming ControlMenu::naming(bool yearFiles) const {
  return FileNaming{yearFiles && singleFileAction->isChecked(), fixedNameAction->isChecked()};
}

int ControlMenu::rollingYearsAhead() const { return rollingYearsGroup->checkedAction()->data().toInt(); }

}  // namespace tessarine
