#include "ui/rolling_feed.h"

#include <algorithm>
#include <cstdint>

namespace tessarine {
namespace {

// Subscribed calendars refuse feeds of more than about 1 MB.
constexpr std::uint64_t kLargestFeed = 1024 * 1024;

}  // namespace

RollingFeed::RollingFeed(DesktopServices services, GenerationRun* run, QWidget* window)
    : QObject(window), services_(std::move(services)), run_(run), window_(window) {}

std::optional<YearRange> RollingFeed::Years(int thisYear, int ahead) {
  const int first = std::max(thisYear - 1, static_cast<int>(YearRange::First));
  const int last = std::min(thisYear + ahead, static_cast<int>(YearRange::Last));
  if (first > last) return std::nullopt;
  return std::get<YearRange>(YearRange::Checked(first, last));
}

std::optional<GenerationRun::Completion> RollingFeed::write(int ahead, const Content& content, bool ask) {
  const std::optional<YearRange> years = Years(services_.now().date().year(), ahead);
  if (!years) {
    services_.showMessage(window_, tr("今年已在 %1 年之后，没有可以滚动生成的年份。").arg(static_cast<int>(YearRange::Last)),
                          tr("提示"), QMessageBox::Warning, QMessageBox::Ok);
    return std::nullopt;
  }
  const FileNaming rolling{false, true, true};
  const GenerationRun::Outcome outcome = run_->run(content(*years, rolling), 1);
  if (outcome.done.files.empty()) return std::nullopt;
  const QString note = outcome.done.lastFileBytes > kLargestFeed
                           ? tr("\r\n文件超过 1 MB，有些网络日历不接受这样大的订阅，可减少【滚动年数】。")
                           : QString();
  const QString success = tr("成功生成滚动订阅文件（%1 至 %2 年），存放在以下目录: \r\n%3")
                              .arg(static_cast<int>(years->first()))
                              .arg(static_cast<int>(years->last()))
                              .arg(FolderAndFileText(outcome.done.files.back()));
  return run_->complete(outcome, *years, success, note, ask);
}

}  // namespace tessarine
