#include "export/ical_writer.h"

#include "export/ical_text.h"

#include <algorithm>
#include <array>

#include "version.h"

namespace tessarine {
namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kSummary = "SUMMARY:";
// "PRODID:Tessarine v<version>//EN", joined once, when compiled.
constexpr std::string_view kProductPrefix = "PRODID:Tessarine v";
constexpr std::string_view kProductSuffix = "//EN";
constexpr auto kProductLine = [] {
  std::array<char, kProductPrefix.size() + kVersion.size() + kProductSuffix.size()> line{};
  auto out = std::copy(kProductPrefix.begin(), kProductPrefix.end(), line.begin());
  out = std::copy(kVersion.begin(), kVersion.end(), out);
  std::copy(kProductSuffix.begin(), kProductSuffix.end(), out);
  return line;
}();
// Bytes of one event with a typical title: the buffer grows once at most.
constexpr std::size_t kBytesPerEvent = 272;

// "yyyymmdd" in a small fixed buffer. Two dates an event make this the
// export's hottest formatting, so the digits are placed two at a time.
class DateDigits {
 public:
  explicit DateDigits(std::chrono::year_month_day date) {
    const auto year = static_cast<unsigned>(static_cast<int>(date.year()) % 10000);  // [1900, 9999]
    Put(text_, year / 100);
    Put(text_ + 2, year % 100);
    Put(text_ + 4, static_cast<unsigned>(date.month()));  // [1, 12]
    Put(text_ + 6, static_cast<unsigned>(date.day()));    // [1, 31]
  }
  std::string_view view() const { return {text_, sizeof text_}; }

 private:
  static constexpr std::array<char, 200> kPairs = [] {
    std::array<char, 200> pairs{};
    for (int i = 0; i < 100; ++i) {
      pairs[static_cast<std::size_t>(2 * i)] = static_cast<char>('0' + i / 10);
      pairs[static_cast<std::size_t>(2 * i + 1)] = static_cast<char>('0' + i % 10);
    }
    return pairs;
  }();
  static void Put(char* out, unsigned value) {
    out[0] = kPairs[2 * value];
    out[1] = kPairs[2 * value + 1];
  }
  char text_[8];
};

// The UID (RFC 5545 §3.8.4.7: it names the event for good, across the
// files that carry it) is "yyyymmdd-<tail>@tessarine": the event's date and,
// for the kinds of one event a day in a calendar, the kind and the calendar
// ("lunar", "moon-korean"), by kind and then by LunarCalendar; a holiday,
// by its region ("holiday" the mainland's, "holiday-kr"). The Chinese ones
// and the mainland's are what every file written so far carries.
constexpr std::string_view kDayTails[3][3] = {
    {"lunar", "lunar-korean", "lunar-vietnamese"},
    {"moon", "moon-korean", "moon-vietnamese"},
    {"term", "term-korean", "term-vietnamese"},
};
constexpr std::string_view kHolidayTails[kRegionCount] = {"holiday", "holiday-tw", "holiday-hk", "holiday-kr",
                                                          "holiday-vn"};

// The tail of a day's UID; empty for an anniversary or its reminder, whose
// tail is their entry's hash (UidHash).
std::string_view DayTail(const EventIdentity& identity) {
  const auto calendar = static_cast<std::size_t>(identity.calendar);
  switch (identity.kind) {
    case EventKind::LunarDay: return kDayTails[0][calendar];
    case EventKind::MoonPhase: return kDayTails[1][calendar];
    case EventKind::SolarTerm: return kDayTails[2][calendar];
    case EventKind::Holiday: return kHolidayTails[static_cast<std::size_t>(identity.region)];
    case EventKind::Anniversary:
    case EventKind::Reminder: break;
  }
  return {};
}

// An anniversary's tail: its entry's hash as 16 hex digits; a reminder's,
// that of the entry's key followed by "\treminder", so the two never meet.
void UidHash(const EventIdentity& identity, char (&hex)[16]) {
  std::uint64_t hash = identity.kind == EventKind::Reminder ? Fnv1a64("\treminder", identity.entry) : identity.entry;
  for (int i = 15; i >= 0; --i, hash >>= 4) hex[i] = "0123456789abcdef"[hash & 0xF];
}

// Apple's calendar shows official days off and make-up workdays by this
// property of its own.
std::string_view OfficialDayLine(HolidayKind kind) {
  return kind == HolidayKind::DayOff ? "X-APPLE-SPECIAL-DAY:WORK-HOLIDAY\r\n" : "X-APPLE-SPECIAL-DAY:ALTERNATE-WORKDAY\r\n";
}

// Appends the file's lines to one buffer; the escaped title is kept for the
// SUMMARY and the reminder.
class IcalLines {
 public:
  IcalLines(std::string& out, std::chrono::local_seconds moment) : out_(out) {
    const std::chrono::year_month_day today{std::chrono::floor<std::chrono::days>(moment)};
    stamp_.assign(DateDigits(today).view()).append("T120000Z");
  }

  void Line(std::string_view a, std::string_view b = {}) {
    if (a.size() + b.size() <= kMaxLineOctets) {
      out_.append(a).append(b).append(kCrLf);
      return;
    }
    line_.assign(a).append(b);
    AppendContentLine(out_, line_);
  }

  void Event(const DayEvent& event) {
    // The model's end is the day itself; DTEND is exclusive (RFC 5545
    // §3.6.1: an all-day event's DTEND is the day after). Events of
    // consecutive days follow each other, so a day's start is usually the
    // previous event's end, already known.
    const bool follows = event.date == after_;
    const std::chrono::year_month_day first = follows ? afterDate_ : std::chrono::year_month_day{event.date};
    const DateDigits start = follows ? afterDigits_ : DateDigits(first);
    after_ = event.date + std::chrono::days{1};
    afterDate_ = DayAfter(first);
    afterDigits_ = DateDigits(afterDate_);
    const DateDigits& end = afterDigits_;
    if (IsPlainDay(event) && PlainDay(event, start, end)) return;

    escaped_.clear();
    AppendEscapedText(escaped_, event.title);
    out_.append("BEGIN:VEVENT\r\nUID:").append(start.view()).append("-");
    if (const std::string_view tail = DayTail(event.identity); !tail.empty()) {
      out_.append(tail);
    } else {
      char hex[16];
      UidHash(event.identity, hex);
      out_.append(hex, sizeof hex);
    }
    out_.append("@tessarine\r\n");
    Line("DTSTART;VALUE=DATE:", start.view());
    Line("DTEND;VALUE=DATE:", end.view());
    // UID and DTSTAMP are required in every event (RFC 5545 §3.6.1); both
    // stamps are UTC date-times (§3.3.5, form 2).
    Line("DTSTAMP:", stamp_);
    Line("CREATED:", stamp_);
    Line("SUMMARY:", escaped_);
    if (!event.description.empty()) {
      std::string description;
      AppendEscapedText(description, event.description);
      Line("DESCRIPTION:", description);
    }
    if (!event.categories.empty()) Categories(event.categories);
    if (event.transparency == Transparency::Transparent) {
      out_.append("TRANSP:TRANSPARENT\r\nX-MICROSOFT-CDO-BUSYSTATUS:FREE\r\n");
    } else {
      out_.append("TRANSP:OPAQUE\r\n");
    }
    if (event.officialDay) out_.append(OfficialDayLine(*event.officialDay));
    if (event.remindDaysBefore) Reminder(*event.remindDaysBefore);
    out_.append("END:VEVENT\r\n");
  }

 private:
  static std::chrono::year_month_day DayAfter(std::chrono::year_month_day date) {
    using namespace std::chrono;
    if (date.day() < year_month_day_last{date.year(), month_day_last{date.month()}}.day()) {
      return {date.year(), date.month(), date.day() + days{1}};
    }
    if (date.month() < December) return {date.year(), date.month() + months{1}, day{1}};
    return {date.year() + years{1}, January, day{1}};
  }

  // A day of a year file or an anniversary, as most events are: a title
  // that may fit one line and nothing else to say.
  static bool IsPlainDay(const DayEvent& event) {
    return event.description.empty() && event.categories.empty() && !event.officialDay && !event.remindDaysBefore &&
           kSummary.size() + event.title.size() <= kMaxLineOctets;
  }

  // The same lines as the general path. All a plain event's bytes before
  // its title are the same in every event of the file but the dates (and an
  // anniversary's UID hash), so they are made once, copied whole and the
  // digits put in place; the title is escaped straight into the file. False,
  // with nothing written, when the escaped title does not fit one line.
  bool PlainDay(const DayEvent& event, const DateDigits& start, const DateDigits& end) {
    static constexpr std::string_view kFree =
        "\r\nTRANSP:TRANSPARENT\r\nX-MICROSOFT-CDO-BUSYSTATUS:FREE\r\nEND:VEVENT\r\n";
    static constexpr std::string_view kBusy = "\r\nTRANSP:OPAQUE\r\nEND:VEVENT\r\n";
    const std::string_view tail = DayTail(event.identity);
    if (!head_.made || tail != head_.tail) MakeHead(tail);
    const std::size_t at = out_.size();
    out_.append(head_.text);
    const std::size_t titleAt = out_.size();
    AppendEscapedText(out_, event.title);
    if (out_.size() - titleAt + kSummary.size() > kMaxLineOctets) {
      out_.resize(at);
      return false;
    }
    char* const bytes = out_.data() + at;
    start.view().copy(bytes + head_.uidDate, 8);
    if (tail.empty()) {
      char hex[16];
      UidHash(event.identity, hex);
      std::copy_n(hex, sizeof hex, bytes + head_.uidHash);
    }
    start.view().copy(bytes + head_.start, 8);
    end.view().copy(bytes + head_.end, 8);
    out_.append(event.transparency == Transparency::Transparent ? kFree : kBusy);
    return true;
  }

  // A plain event's lines up to "SUMMARY:", the dates and an anniversary's
  // hash left as places to fill; `tail` as DayTail gives it.
  void MakeHead(std::string_view tail) {
    constexpr std::string_view kDate = "yyyymmdd", kHash = "0123456789abcdef";
    std::string& text = head_.text;
    text.assign("BEGIN:VEVENT\r\nUID:");
    head_.uidDate = text.size();
    text.append(kDate).append("-");
    head_.uidHash = text.size();
    text.append(tail.empty() ? kHash : tail).append("@tessarine\r\nDTSTART;VALUE=DATE:");
    head_.start = text.size();
    text.append(kDate).append("\r\nDTEND;VALUE=DATE:");
    head_.end = text.size();
    text.append(kDate).append("\r\nDTSTAMP:").append(stamp_).append("\r\nCREATED:").append(stamp_);
    text.append(kCrLf).append(kSummary);
    head_.tail = tail;
    head_.made = true;
  }

  // One CATEGORIES line, its values apart by commas (RFC 5545 §3.8.1.2).
  void Categories(const std::vector<std::string>& categories) {
    std::string values;
    for (std::size_t i = 0; i < categories.size(); ++i) {
      if (i > 0) values.append(",");
      AppendEscapedText(values, categories[i]);
    }
    Line("CATEGORIES:", values);
  }

  void Reminder(int daysBefore) {
    // 09:00 on the day `n` days before: n days less 9 hours before the start,
    // a duration relative to DTSTART (RFC 5545 §3.8.6.3) so that it stays
    // 09:00 wherever the user is; a DISPLAY alarm needs a DESCRIPTION
    // (§3.6.6).
    const int n = daysBefore;
    const std::string trigger = n == 0   ? std::string("PT9H")
                                : n == 1 ? std::string("-PT15H")
                                         : "-P" + std::to_string(n - 1) + "DT15H";
    out_.append("BEGIN:VALARM\r\nACTION:DISPLAY\r\n");
    Line("DESCRIPTION:", escaped_);
    Line("TRIGGER:", trigger);
    out_.append("END:VALARM\r\n");
  }

  std::string& out_;
  std::string escaped_;  // the current title as written
  std::string stamp_;    // the generation date, "yyyymmddT120000Z"
  std::string line_;     // a long line before it is folded
  std::chrono::sys_days after_{};  // the day after the last event, and its date
  std::chrono::year_month_day afterDate_{std::chrono::sys_days{}};
  DateDigits afterDigits_{afterDate_};
  struct {
    bool made = false;
    std::string_view tail;  // the DayTail it was made for; empty: a hash
    std::string text;
    std::size_t uidDate = 0, uidHash = 0, start = 0, end = 0;  // where the digits go
  } head_;
};

}  // namespace

std::string_view ProductId() { return {kProductLine.data(), kProductLine.size()}; }

void WriteIcal(std::string& out, std::string_view calendarName, std::span<const DayEvent> events,
               std::chrono::local_seconds moment, bool published) {
  out.clear();
  out.reserve(128 + events.size() * kBytesPerEvent);
  AppendIcalHeader(out, calendarName, published);
  AppendIcalEvents(out, events, moment);
  AppendIcalFooter(out);
}

void AppendIcalHeader(std::string& out, std::string_view calendarName, bool published) {
  IcalLines lines(out, {});
  lines.Line("BEGIN:VCALENDAR");
  lines.Line("VERSION:2.0");
  lines.Line(ProductId());
  if (published) lines.Line("METHOD:PUBLISH");
  lines.Line("X-WR-CALNAME:", EscapeText(calendarName));
  if (published) {
    lines.Line("REFRESH-INTERVAL;VALUE=DURATION:P1D");
    lines.Line("X-PUBLISHED-TTL:P1D");
  }
}

void AppendIcalEvents(std::string& out, std::span<const DayEvent> events, std::chrono::local_seconds moment) {
  IcalLines lines(out, moment);
  for (const DayEvent& event : events) lines.Event(event);
}

void AppendIcalFooter(std::string& out) { out.append("END:VCALENDAR").append(kCrLf); }

}  // namespace tessarine
