// The real window with the desktop replaced, for the window's tests: a fixed
// clock, recorded message boxes, files kept in memory.
#pragma once

#include "ui/main_window.h"

#include <gtest/gtest.h>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <functional>
#include <map>
#include <sys/wait.h>
#include <unistd.h>
#include "compose/template_engine.h"
#include "support/byte_source.h"
#include "support/ical_check.h"
#include "support/temp_folder.h"
#include "ui/instructions.h"
#include "ui/custom_format_tab.h"
#include "ui/token_label.h"

namespace tessarine::testing {

struct Shown {
  QString text, caption;
  QMessageBox::Icon icon;
  QMessageBox::StandardButtons buttons;
};

// The real window, with the desktop replaced: a fixed clock, recorded
// message boxes, files kept in memory.
class WindowTest : public ::testing::Test {
 protected:
  void Open(QDateTime now = QDateTime(QDate(2013, 1, 6), QTime(14, 25, 30))) {
    DesktopServices services;
    services.now = [now] { return now; };
    services.showMessage = [this](QWidget* owner, const QString& text, const QString& caption,
                                  QMessageBox::Icon icon, QMessageBox::StandardButtons buttons) {
      EXPECT_EQ(owner, window.get());
      shown.push_back({text, caption, icon, buttons});
      return buttons.testFlag(QMessageBox::Yes) ? answer : QMessageBox::Ok;
    };
    services.programFilePath = [] { return QString("/opt/tessarine/tessarine"); };
    services.outputFolder = [this] { return outputFolder; };
    services.anniversaryListFile = [this] { return QString::fromStdString(config.File("anniversaries.csv")); };
    services.writeFile = [this](const std::filesystem::path& folder, std::string_view name,
                                const ByteSource& text) -> WrittenFile {
      const auto path = folder / std::string(name);
      const std::string bytes = testing::AllOf(text);
      if (failWrites && std::string(name).find(failOnly) != std::string::npos) {
        return {path, std::make_error_code(std::errc::permission_denied)};
      }
      if (duringWrite) duringWrite();
      testing::ParseCalendar(bytes);
      files[path.string()] = std::string(bytes);
      return {path, {}};
    };
    services.replaceFile = [this](const std::filesystem::path& folder, std::string_view name,
                                  const ByteSource& text) -> WrittenFile {
      const auto path = folder / std::string(name);
      files[path.string()] = testing::AllOf(text);
      return {path, {}};
    };
    services.showInFileManager = [this](const QString& path) {
      fileManager.push_back(path);
      return desktopOpens;
    };
    services.openUrl = [this](const QUrl& address) {
      opened.push_back(address);
      return desktopOpens;
    };
    services.chooseFolder = [this](QWidget*, const QString&) { return chosenFolder; };
    services.systemLocale = [this] { return systemLocale; };
    window = std::make_unique<MainWindow>(std::move(services));
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }

  template <typename Widget>
  Widget* Find(const char* name) {
    auto* widget = window->findChild<Widget*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  QAction* Action(const char* name) { return Find<QAction>(name); }
  QString Preview() { return Find<QPlainTextEdit>("textBox")->toPlainText(); }
  NormalFormat Normal() { return std::get<NormalFormat>(window->titleFormat().style); }
  TemplateFormat Custom() { return std::get<TemplateFormat>(window->titleFormat().style); }
  MonthNaming Naming() { return window->titleFormat().monthNaming; }

  std::unique_ptr<MainWindow> window;
  std::vector<Shown> shown;
  QMessageBox::StandardButton answer = QMessageBox::No;
  bool desktopOpens = true;  // whether a file manager or browser answers
  bool failWrites = false;
  std::string failOnly;  // with failWrites: only names holding this fail
  std::map<std::string, std::string> files;
  std::vector<QString> fileManager;
  std::vector<QUrl> opened;
  QString chosenFolder;  // what the folder chooser answers
  // The system's locale: the window's source language unless a test says
  // otherwise, whatever the machine running the tests speaks.
  QLocale systemLocale = QLocale("zh_CN");
  std::function<void()> duringWrite;  // looks at the window while a file is written
  QString outputFolder = "/opt/tessarine";
  TempFolder config;  // the user's configuration folder
};

// Types `text` into the cell's editor, as a user does, and commits it as
// Return does; at once, where Return waits for the event loop.
inline void TypeInto(QAbstractItemView* view, const QModelIndex& cell, const QString& text) {
  view->setCurrentIndex(cell);
  if (!view->indexWidget(cell)) view->edit(cell);
  auto* editor = qobject_cast<QLineEdit*>(view->indexWidget(cell));
  ASSERT_NE(editor, nullptr) << cell.row() << "," << cell.column();
  editor->setText(text);
  emit view->itemDelegateForIndex(cell)->commitData(editor);
  emit view->itemDelegateForIndex(cell)->closeEditor(editor);
}

inline const QString kDefaultTemplate = QString::fromUtf8(DefaultTemplate.data(), DefaultTemplate.size());

}  // namespace tessarine::testing
