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

IcalBuilder::IcalBuilder(std::chrono::local_seconds moment, std::size_t expectedEvents) {
  text_.reserve(kByteOrderMark.size() + 128 + expectedEvents * kBytesPerEvent);
  const std::chrono::year_month_day today{std::chrono::floor<std::chrono::days>(moment)};
  stamp_.assign(DateDigits(today).view()).append("T120000Z");
  text_.append(kByteOrderMark);
  Line("BEGIN:VCALENDAR");
  Line("VERSION:2.0");
  Line("PRODID:Tessarine v1.12//EN");
}

void IcalBuilder::Line(std::string_view a, std::string_view b) { text_.append(a).append(b).append(kCrLf); }

void IcalBuilder::AddAllDayEvent(std::chrono::sys_days date, std::string_view title, std::string_view uidSuffix) {
  const DateDigits start{std::chrono::year_month_day{date}};
  // All-day events end, exclusively, on the following day.
  const DateDigits end{std::chrono::year_month_day{date + std::chrono::days{1}}};
  escaped_.clear();
  AppendEscapedText(escaped_, title);

  text_.append("BEGIN:VEVENT\r\nUID:").append(start.view()).append(uidSuffix).append(kCrLf);
  Line("DTSTART;VALUE=DATE:", start.view());
  Line("DTEND;VALUE=DATE:", end.view());
  Line("DTSTAMP:", stamp_);
  Line("CREATED:", stamp_);
  Line("SUMMARY:", escaped_);
  text_.append("END:VEVENT\r\n");
}

std::string IcalBuilder::Finish() && {
  Line("END:VCALENDAR");
  return std::move(text_);
}

}  // namespace tessarine
