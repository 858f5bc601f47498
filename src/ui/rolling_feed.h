// 控制 → 生成滚动订阅文件: a feed that stays current, from last year to a
// chosen number of years ahead (滚动年数), in one file of a fixed name that
// a synced folder or a web server can serve, replaced on every run. What it
// holds is the window's to say: the lunar year files in the chosen format,
// or the anniversaries or holidays when their tab shows.
#pragma once

#include <QObject>
#include <functional>
#include <optional>

#include "calendar/year_range.h"
#include "export/generate.h"
#include "ui/desktop_services.h"
#include "ui/generation_run.h"

namespace tessarine {

class RollingFeed : public QObject {
  Q_OBJECT

 public:
  // What the feed holds for its years, its file named as `naming` says.
  using Content = std::function<GenerateRequest(YearRange years, FileNaming naming)>;

  // This year is told by `services`; `run` writes the feed; `window` owns its messages.
  RollingFeed(DesktopServices services, GenerationRun* run, QWidget* window);

  // The feed's years when written in `thisYear`, `ahead` years on: last year
  // to then, within the described years; none once this year is past them.
  static std::optional<YearRange> Years(int thisYear, int ahead);

  // Writes the feed of `content`, `ahead` years on; its completion question
  // when `ask`. Nothing when no year is left to write or no file was written.
  std::optional<GenerationRun::Completion> write(int ahead, const Content& content, bool ask);

 private:
  DesktopServices services_;
  GenerationRun* run_;
  QWidget* window_;
};

}  // namespace tessarine
