// 控制's almanac items: the Moon's phases and 数九/三伏 added to the normal
// format's titles, each day's full description written into the files, all
// remembered; and the two calendars of the sky's moments, the Moon's
// principal phases and the 24 solar terms, written for the chosen years.
#include <QMenu>

#include "ui/main_window.h"

namespace tessarine {

void MainWindow::buildAlmanacItems() {
  moonPhasesAction = rememberedToggle("moonPhasesAction", tr("标注月相"), tr("在新月、上弦、满月、下弦的日子后加上月相，如“初八 上弦”"));
  sanfuShujiuAction = rememberedToggle("sanfuShujiuAction", tr("标注三伏、数九"), tr("在三伏和数九的日子后加上第几天，如“十五 三九第1天”"));
  describeAction = rememberedToggle("describeAction", tr("写入详细说明"),
                                    tr("每天的说明中写入农历、干支、生肖、节气和时刻、节日、月相、三伏或数九"));
  moonCalendarAction = controlMenu->addAction(tr("生成月相日历"));
  moonCalendarAction->setObjectName("moonCalendarAction");
  moonCalendarAction->setToolTip(tr("所选年份中每次新月、上弦、满月、下弦，标题带时刻，如“满月 21:36”"));
  termCalendarAction = controlMenu->addAction(tr("生成节气日历"));
  termCalendarAction->setObjectName("termCalendarAction");
  termCalendarAction->setToolTip(tr("所选年份的二十四节气，标题带交节时刻，如“立春 04:02”"));
  connect(moonPhasesAction, &QAction::toggled, this, &MainWindow::applyTitleOptions);
  connect(sanfuShujiuAction, &QAction::toggled, this, &MainWindow::applyTitleOptions);
  connect(moonCalendarAction, &QAction::triggered, this, [this] { generateSky(SkyKind::MoonPhases); });
  connect(termCalendarAction, &QAction::triggered, this, [this] { generateSky(SkyKind::SolarTerms); });
}

}  // namespace tessarine
