#include "ui/about_menu.h"

#include <QIcon>

#include "ui/instructions.h"
#include "ui/qt_text.h"
#include "version.h"

namespace tessarine {
namespace {

QAction* NamedAction(QMenu* menu, const char* name, const QString& caption) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(name);
  return action;
}

}  // namespace

AboutMenu::AboutMenu(QWidget* parent) : QMenu(tr("关于(&A)"), parent) {
  setObjectName("aboutMenu");
  QAction* title = NamedAction(this, "titleAction", tr("&Tessarine - 农历iCal文件生成器   "));
  title->setIcon(QIcon(":/icons/tessarine.png"));
  QFont bold = title->font();
  bold.setBold(true);
  title->setFont(bold);
  setDefaultAction(title);
  addSeparator();
  NamedAction(this, "versionAction", QString("Ver %1  / %2").arg(ToQString(kVersion), ToQString(kReleaseDate)));
  NamedAction(this, "authorAction", MakerName());
  QMenu* feedback = addMenu(tr("问题反馈"));
  feedback->setObjectName("feedbackMenu");
  QAction* blog = NamedAction(feedback, "blogAction", "@blog");
  connect(blog, &QAction::triggered, this, &AboutMenu::makerPageRequested);
}

}  // namespace tessarine
