// The 关于 menu: the program's name and picture, its version and date, its
// maker, and 问题反馈, which asks for the maker's page.
#pragma once

#include <QMenu>

namespace tessarine {

class AboutMenu : public QMenu {
  Q_OBJECT

 public:
  explicit AboutMenu(QWidget* parent = nullptr);

 signals:
  // 问题反馈 → @blog: the maker's page is wanted.
  void makerPageRequested();
};

}  // namespace tessarine
