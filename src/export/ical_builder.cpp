#include "export/ical_builder.h"


#include "export/ical_text.h"

namespace tessarine {
namespace {

constexpr std::string_view kCrLf = "\r\n";
// Bytes of one event with a typical title: grows the buffer once at most.
constexpr std::size_t kBytesPerEvent = 224;

// "yyyymmdd" into a small fixed buffer. Two dates an event make this the
// export's hottest formatting, so the digits are placed directly.
struct DateDigits {
  explicit DateDigits(std::chrono::year_month_day date) {
    Put(text, static_cast<unsigned>(static_cast<int>(date.year()) % 10000), 4);  // [1901, 2051]
    Put(text + 4, static_cast<unsigned>(date.month()), 2);                        // [1, 12]
    Put(text + 6, static_cast<unsigned>(date.day()), 2);                          // [1, 31]
  }
  std::string_view view() const { return {text, sizeof text}; }

 private:
  static void Put(char* out, unsigned value, int width) {
    for (int i = width - 1; i >= 0; --i, value /= 10) out[i] = static_cast<char>('0' + value % 10);
  }
  char text[8];
};

}  // namespace

IcalBuilder::IcalBuilder(std::string_view calendarName, std::chrono::local_seconds moment,
                         std::size_t expectedEvents) {
  text_.reserve(kByteOrderMark.size() + 128 + expectedEvents * kBytesPerEvent);
  const std::chrono::year_month_day today{std::chrono::floor<std::chrono::days>(moment)};
  stamp_.assign(DateDigits(today).view()).append("T120000Z");
  text_.append(kByteOrderMark);
  Line("BEGIN:VCALENDAR");
  Line("VERSION:2.0");
  Line("PRODID:Tessarine v1.12//EN");
  escaped_.clear();
  AppendEscapedText(escaped_, calendarName);
  Line("X-WR-CALNAME:", escaped_);
}

void IcalBuilder::Line(std::string_view a, std::string_view b) { text_.append(a).append(b).append(kCrLf); }

void IcalBuilder::AddAllDayEvent(std::chrono::sys_days date, std::string_view title) {
  escaped_.clear();
  AppendEscapedText(escaped_, title);
  Event(date, Fnv1a64(escaped_), std::nullopt);
}

void IcalBuilder::AddAllDayEvent(std::chrono::sys_days date, std::string_view title, std::uint64_t uidHash,
                                 std::optional<int> remindDaysBefore) {
  escaped_.clear();
  AppendEscapedText(escaped_, title);
  Event(date, uidHash, remindDaysBefore);
}

void IcalBuilder::Event(std::chrono::sys_days date, std::uint64_t uidHash, std::optional<int> remindDaysBefore) {
  const DateDigits start{std::chrono::year_month_day{date}};
  // All-day events end, exclusively, on the following day.
  const DateDigits end{std::chrono::year_month_day{date + std::chrono::days{1}}};
  char hash[16];
  for (int i = 15; i >= 0; --i, uidHash >>= 4) hash[i] = "0123456789abcdef"[uidHash & 0xF];

  text_.append("BEGIN:VEVENT\r\nUID:").append(start.view()).append("-");
  text_.append(hash, sizeof hash).append("@tessarine\r\n");
  Line("DTSTART;VALUE=DATE:", start.view());
  Line("DTEND;VALUE=DATE:", end.view());
  Line("DTSTAMP:", stamp_);
  Line("CREATED:", stamp_);
  Line("SUMMARY:", escaped_);
  // Lunar dates are information, not appointments: they never mark the
  // user busy, in Outlook either.
  text_.append("TRANSP:TRANSPARENT\r\nX-MICROSOFT-CDO-BUSYSTATUS:FREE\r\n");
  if (remindDaysBefore) {
    // 09:00 on the day `n` days before: n days less 9 hours before the start.
    const int n = *remindDaysBefore;
    const std::string trigger = n == 0   ? std::string("PT9H")
                                : n == 1 ? std::string("-PT15H")
                                         : "-P" + std::to_string(n - 1) + "DT15H";
    text_.append("BEGIN:VALARM\r\nACTION:DISPLAY\r\n");
    Line("DESCRIPTION:", escaped_);
    Line("TRIGGER:", trigger);
    text_.append("END:VALARM\r\n");
  }
  text_.append("END:VEVENT\r\n");
}

std::string IcalBuilder::Finish() && {
  Line("END:VCALENDAR");
  return std::move(text_);
}

}  // namespace tessarine
