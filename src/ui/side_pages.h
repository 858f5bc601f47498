// The right-hand pane: the month view, with the line that names the last
// file written (打开文件夹, 查看文件内容), and behind it the text page that
// shows 使用说明 or a file's text, with 返回月视图 to turn back.
#pragma once

#include <QDate>
#include <QStackedWidget>
#include <functional>

class QFont;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tessarine {

class MonthView;

class SidePages : public QStackedWidget {
  Q_OBJECT

 public:
  // `today` is the month view's today; the text page writes in `font`.
  SidePages(std::function<QDate()> today, const QFont& font, QWidget* parent = nullptr);

  MonthView* monthView() const { return monthView_; }
  // The text page's text; its lines may end in CR LF, as the window writes them.
  void setText(const QString& text);
  void showMonthPage();
  void showTextPage();
  // After a run: the line naming the file at `path`, and the view at January of `firstYear`.
  void showWrittenFile(const QString& path, int firstYear);

 signals:
  // 打开文件夹 beside the written file's name: the file, selected in its folder.
  void showFileRequested(const QString& path);

 private:
  QWidget* buildMonthPage(std::function<QDate()> today);
  QWidget* buildTextPage(const QFont& font);

  MonthView* monthView_ = nullptr;
  QLabel* writtenFileLabel = nullptr;
  QPushButton* openWrittenFolderButton = nullptr;
  QPushButton* viewFileButton = nullptr;
  QPlainTextEdit* textBox = nullptr;
  QString writtenPath_;
};

}  // namespace tessarine
