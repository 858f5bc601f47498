// One run of the pipeline from the window: a busy cursor, a progress bar for
// a run that takes a while (停止 stops it after the file being written), and
// after the first failure of a range one question, whether to go on. Then
// the outcome worded: a summary of the files not written, else the
// completion question, and the text page's account with the preview of the
// last file written.
#pragma once

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

#include "calendar/year_range.h"
#include "export/generate.h"
#include "ui/desktop_services.h"

namespace tessarine {

class GenerationRun : public QObject {
  Q_OBJECT

 public:
  // Files are written, and the time is told, by `services`, into the folder
  // `outputFolder` names at the time; `window` owns the progress bar and the
  // questions.
  GenerationRun(DesktopServices services, std::function<QString()> outputFolder, QWidget* window);

  struct Outcome {
    Generation done;
    std::vector<WrittenFile> failed;  // every file that failed
  };
  // Writes what `request` asks for; the progress bar counts `files`.
  Outcome run(const GenerateRequest& request, int files);

  struct Completion {
    QString text;             // the account, then the preview of the last file
    QString lastWritten;      // the last file written; empty when none was
    bool showFolder = false;  // the user asked to see it in its folder
    int firstYear = 0;        // the first year asked for
  };
  // The outcome of a run for `years` worded: a summary when some files
  // failed, else `success` with `note` in the completion question when
  // `ask`; `note` alone otherwise.
  Completion complete(const Outcome& outcome, YearRange years, const QString& success, const QString& note, bool ask);

 private:
  QMessageBox::StandardButton message(const QString& text, const QString& caption, QMessageBox::Icon icon,
                                      QMessageBox::StandardButtons buttons = QMessageBox::Ok);

  DesktopServices services_;
  std::function<QString()> outputFolder_;
  QWidget* window_;
};

// Where a written file went, for a success text: its folder, ending with the
// separator as the system writes it, then the file by its name on a line of
// its own ("文件：Tessarine_2013.ics"). The completion question offers to
// open the folder with the file selected.
QString FolderAndFileText(const WrittenFile& file);

}  // namespace tessarine
