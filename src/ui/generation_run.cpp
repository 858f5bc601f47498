#include "ui/generation_run.h"

#include <QApplication>
#include <QDir>
#include <QProgressDialog>
#include <algorithm>
#include <filesystem>

#include "ui/failure_text.h"
#include "ui/qt_text.h"

namespace tessarine {
namespace {

std::chrono::local_seconds ToLocalSeconds(const QDateTime& moment) {
  const QDate date = moment.date();
  const QTime time = moment.time();
  return std::chrono::local_days{std::chrono::year{date.year()} / date.month() / date.day()} +
         std::chrono::hours{time.hour()} + std::chrono::minutes{time.minute()} +
         std::chrono::seconds{time.second()};
}

QString PathText(const WrittenFile& file) { return QString::fromStdString(file.path.string()); }

}  // namespace

GenerationRun::GenerationRun(DesktopServices services, std::function<QString()> outputFolder, QWidget* window)
    : QObject(window), services_(std::move(services)), outputFolder_(std::move(outputFolder)), window_(window) {}

GenerationRun::Outcome GenerationRun::run(const GenerateRequest& request, int files) {
  Outcome outcome;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  QProgressDialog progress(tr("正在生成 iCal 文件…"), tr("停止"), 0, files, window_);
  progress.setObjectName("progressDialog");
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(500);  // only a range that takes a while shows it
  progress.setAutoReset(false);
  bool asked = false;
  int done = 0;  // counted here: a fresh progress dialog's value is -1
  GenerateOptions options;
  options.write = services_.writeFile;
  options.replace = services_.replaceFile;
  options.afterEach = [&](const WrittenFile& file) {
    progress.setValue(++done);
    if (file.error) outcome.failed.push_back(file);
    if (progress.wasCanceled()) return AfterFile::Stop;
    if (!file.error || asked) return AfterFile::Continue;
    asked = true;  // one question for the whole range, not one a year
    QApplication::restoreOverrideCursor();
    const bool more = done < files;
    const auto answer = message(WriteFailureText(file) + (more ? tr("\r\n\r\n是否继续生成其余年份?") : ""), tr("错误"),
                                QMessageBox::Critical, more ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    return more && answer != QMessageBox::Yes ? AfterFile::Stop : AfterFile::Continue;
  };
  outcome.done = Generate(request, std::filesystem::path(outputFolder_().toStdString()),
                          ToLocalSeconds(services_.now()), options);
  progress.reset();
  QApplication::restoreOverrideCursor();
  return outcome;
}

GenerationRun::Completion GenerationRun::complete(const Outcome& outcome, YearRange years, const QString& success,
                                                  const QString& note, bool ask) {
  const auto& files = outcome.done.files;
  const auto lastWritten = std::find_if(files.rbegin(), files.rend(), [](const WrittenFile& f) { return !f.error; });
  Completion completion;
  completion.firstYear = static_cast<int>(years.first());
  QString& account = completion.text;
  if (lastWritten == files.rend()) {
    account = WriteFailureText(files.back());  // already reported as it failed
  } else if (!outcome.failed.empty()) {
    QStringList failed;
    for (const WrittenFile& file : outcome.failed) {
      failed << tr("%1（%2）").arg(QString::fromStdString(file.path.filename().string()), ReasonText(file.error));
    }
    account = tr("生成了 %1 个文件，%2 个未能生成：\r\n").arg(files.size() - outcome.failed.size()).arg(failed.size()) +
              failed.join("\r\n") + note;
    message(account, tr("错误"), QMessageBox::Warning);
  } else if (ask) {
    account = success + note;
    completion.showFolder = message(account + "\r\n\r\n" + tr("是否打开所在文件夹?"), tr("提示"),
                                    QMessageBox::Information, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
  } else {
    account = note.trimmed();  // rows left out are reported even without the question
  }
  account += "\r\n" + tr("==========内容预览========== ") + "\r\n\r\n" + ToQString(outcome.done.preview);
  if (lastWritten != files.rend()) completion.lastWritten = PathText(*lastWritten);
  return completion;
}

QString FolderAndFileText(const WrittenFile& file) {
  const QString folder = QDir::toNativeSeparators(QString::fromStdString(file.path.parent_path().string()) + "/");
  return folder + "\r\n" + GenerationRun::tr("文件：%1").arg(QString::fromStdString(file.path.filename().string()));
}

QMessageBox::StandardButton GenerationRun::message(const QString& text, const QString& caption, QMessageBox::Icon icon,
                                                   QMessageBox::StandardButtons buttons) {
  return services_.showMessage(window_, text, caption, icon, buttons);
}

}  // namespace tessarine
