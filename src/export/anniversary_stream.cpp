#include "export/anniversary_stream.h"

#include <algorithm>

#include "export/ical_writer.h"

namespace tessarine {
namespace {

YearRange OneYear(std::chrono::year year) {
  return std::get<YearRange>(YearRange::Checked(static_cast<int>(year), static_cast<int>(year)));
}

}  // namespace

AnniversaryStream::AnniversaryStream(const std::vector<Anniversary>& entries, YearRange years,
                                     std::optional<int> remindDaysBefore, ReminderStyle style, Language language,
                                     std::string_view calendarName, std::chrono::local_seconds moment, bool published)
    : entries_(entries),
      years_(years),
      remindDaysBefore_(remindDaysBefore),
      style_(style),
      language_(language),
      moment_(moment),
      keyHashes_(KeyHashes(entries)),
      next_(years.first()) {
  AppendIcalHeader(text_, calendarName, published);
}

std::string_view AnniversaryStream::Next() {
  if (!headerGiven_) {
    headerGiven_ = true;
    return text_;
  }
  text_.clear();
  while (text_.empty() && next_ <= years_.last()) ComposeYear();
  if (text_.empty() && !footerGiven_) {
    footerGiven_ = true;
    AppendIcalEvents(text_, pending_, moment_);  // what the last year left
    pending_.clear();
    AppendIcalFooter(text_);
  }
  return text_;
}

void AnniversaryStream::ComposeYear() {
  const std::chrono::year year = next_++;
  AppendOccurrenceEvents(pending_, Occurrences(entries_, OneYear(year)), remindDaysBefore_, style_,
                         language_, keyHashes_);
  // The whole range's events are sorted by date, keeping the order of the
  // occurrences among equal dates; the events held over from earlier years
  // come first among equals, as they do there.
  SortByDate(pending_);
  if (year == years_.last()) return;  // the rest goes out with the footer
  // Later years' occurrences fall on their own year, their separate
  // reminders up to that many days before it: everything earlier is final.
  const int lead = SeparateReminders(remindDaysBefore_, style_) ? *remindDaysBefore_ : 0;
  const std::chrono::sys_days cutoff =
      std::chrono::sys_days{(year + std::chrono::years{1}) / std::chrono::January / 1} - std::chrono::days{lead};
  const auto final = std::partition_point(pending_.begin(), pending_.end(),
                                          [&](const DayEvent& event) { return event.date < cutoff; });
  AppendIcalEvents(text_, std::span<const DayEvent>(pending_.begin(), final), moment_);
  pending_.erase(pending_.begin(), final);
}

}  // namespace tessarine
