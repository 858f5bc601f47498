#include "holidays/hong_kong/holiday_feed.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <map>
#include <optional>
#include <set>

#include "calendar/year_range.h"
#include "holidays/hong_kong/feed_lines.h"
#include "holidays/hong_kong/feed_names.h"

// The feed's form, from copies of it as the 1823 Contact Centre publishes
// it (en.ics of 2025-04-28, GitHub joelexih022/self-use-ical; tc.ics,
// whygitneedausername/1823calendar): VERSION:2.0, CALSCALE:GREGORIAN,
// X-WR-* names; each VEVENT with DTSTART;VALUE=DATE, DTEND;VALUE=DATE the
// day after, TRANSP:TRANSPARENT, UID YYYYMMDD@1823.gov.hk, SUMMARY, and
// since 2025 DTSTAMP. Its PRODID has changed four times, so it is not
// looked at; the UID, the same in every version, is what marks the feed.

namespace tessarine {
namespace {

using hong_kong::ContentLine;
using std::chrono::sys_days;

// Calendar properties (RFC 5545 and 7986) that say nothing of its days.
constexpr std::array<std::string_view, 12> kCalendarProperties = {
    "PRODID", "METHOD", "NAME", "DESCRIPTION", "UID", "LAST-MODIFIED",
    "URL", "REFRESH-INTERVAL", "SOURCE", "COLOR", "IMAGE", "CATEGORIES"};
// Event properties that do not move, add or remove a day.
constexpr std::array<std::string_view, 14> kEventProperties = {
    "DTSTAMP", "TRANSP", "DESCRIPTION", "LOCATION", "CLASS", "CREATED", "LAST-MODIFIED",
    "SEQUENCE", "CATEGORIES", "URL", "PRIORITY", "COMMENT", "GEO", "CONTACT"};
constexpr std::array<std::string_view, 5> kOncePerEvent = {"DTSTART", "DTEND", "DURATION", "SUMMARY", "UID"};
constexpr std::array<std::string_view, 4> kRecurrence = {"RRULE", "RDATE", "EXDATE", "RECURRENCE-ID"};
constexpr std::string_view kUidDomain = "@1823.gov.hk";

template <std::size_t N>
bool OneOf(const std::array<std::string_view, N>& names, std::string_view name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

std::string Upper(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

bool Is(const ContentLine& line, std::string_view name, std::string_view value) {
  return line.name == name && Upper(line.value) == value;
}

Failure<FeedError> At(FeedProblem problem, const ContentLine& line) {
  return Failure{FeedError{problem, line.line, line.text}};
}

// DTSTART or DTEND: VALUE=DATE, no time zone, eight digits of a real day.
std::optional<sys_days> DateValue(const ContentLine& line) {
  const std::string_view v = line.value;
  if (Upper(line.Param("VALUE")) != "DATE" || !line.Param("TZID").empty() || v.size() != 8 ||
      !std::all_of(v.begin(), v.end(), [](unsigned char c) { return std::isdigit(c); })) {
    return std::nullopt;
  }
  const auto number = [&](std::size_t at, std::size_t n) { return std::stoi(std::string(v.substr(at, n))); };
  const std::chrono::year_month_day ymd{std::chrono::year{number(0, 4)},
                                        std::chrono::month{static_cast<unsigned>(number(4, 2))},
                                        std::chrono::day{static_cast<unsigned>(number(6, 2))}};
  if (!ymd.ok()) return std::nullopt;
  return sys_days{ymd};
}

std::string Basic(sys_days date) {
  const std::chrono::year_month_day ymd{date};
  char text[16];
  std::snprintf(text, sizeof text, "%04d%02u%02u", static_cast<int>(ymd.year()), static_cast<unsigned>(ymd.month()),
                static_cast<unsigned>(ymd.day()));
  return text;
}

struct Event {
  const ContentLine* begin = nullptr;
  std::set<std::string> seen;
  std::optional<sys_days> date, end;
  const ContentLine* endLine = nullptr;
  std::string summary, uid;
};

class Reader {
 public:
  // Nothing while all is well; the refusal otherwise.
  Result<void, FeedError> Take(const ContentLine& line);
  bool done() const { return done_; }
  const std::map<sys_days, std::string>& days() const { return days_; }

 private:
  Result<void, FeedError> InCalendar(const ContentLine& line);
  Result<void, FeedError> InEvent(const ContentLine& line);
  Result<void, FeedError> Finish();

  std::optional<Event> event_;
  std::vector<std::string> skipping_;  // the components being passed over, innermost last
  std::map<sys_days, std::string> days_;
  bool done_ = false;
};

Result<void, FeedError> Reader::Take(const ContentLine& line) {
  if (!skipping_.empty()) {
    if (line.name == "BEGIN") skipping_.push_back(Upper(line.value));
    if (line.name == "END") {
      if (Upper(line.value) != skipping_.back()) return At(FeedProblem::BadLine, line);
      skipping_.pop_back();
    }
    return {};
  }
  return event_ ? InEvent(line) : InCalendar(line);
}

Result<void, FeedError> Reader::InCalendar(const ContentLine& line) {
  if (Is(line, "BEGIN", "VEVENT")) {
    event_ = Event{&line, {}, {}, {}, nullptr, {}, {}};
  } else if (Is(line, "BEGIN", "VTIMEZONE")) {
    skipping_.push_back("VTIMEZONE");  // all-day events keep no time zone
  } else if (line.name == "BEGIN") {
    return At(FeedProblem::UnknownComponent, line);
  } else if (Is(line, "END", "VCALENDAR")) {
    done_ = true;
  } else if (line.name == "END") {
    return At(FeedProblem::BadLine, line);
  } else if (line.name == "VERSION" || line.name == "CALSCALE") {
    if (!Is(line, "VERSION", "2.0") && !Is(line, "CALSCALE", "GREGORIAN")) return At(FeedProblem::WrongVersion, line);
  } else if (!line.name.starts_with("X-") && !OneOf(kCalendarProperties, line.name)) {
    return At(FeedProblem::UnknownProperty, line);
  }
  return {};
}

Result<void, FeedError> Reader::InEvent(const ContentLine& line) {
  Event& e = *event_;
  if (Is(line, "BEGIN", "VALARM")) {
    skipping_.push_back("VALARM");  // a reminder: no day of its own
    return {};
  }
  if (line.name == "BEGIN") return At(FeedProblem::UnknownComponent, line);
  if (Is(line, "END", "VEVENT")) return Finish();
  if (line.name == "END") return At(FeedProblem::BadLine, line);
  if (OneOf(kOncePerEvent, line.name) && !e.seen.insert(line.name).second) return At(FeedProblem::Repeated, line);
  if (OneOf(kRecurrence, line.name)) return At(FeedProblem::Recurring, line);
  if (line.name == "DTSTART" || line.name == "DTEND") {
    const auto date = DateValue(line);
    if (!date) return At(FeedProblem::NotADate, line);
    (line.name == "DTSTART" ? e.date : e.end) = date;
    if (line.name == "DTEND") e.endLine = &line;
  } else if (line.name == "DURATION") {
    if (Upper(line.value) != "P1D") return At(FeedProblem::NotOneDay, line);
  } else if (line.name == "SUMMARY") {
    e.summary = hong_kong::TextValue(line.value);
  } else if (line.name == "UID") {
    e.uid = hong_kong::TextValue(line.value);
  } else if (line.name == "STATUS") {
    if (Upper(line.value) == "CANCELLED") return At(FeedProblem::Cancelled, line);
  } else if (!line.name.starts_with("X-") && !OneOf(kEventProperties, line.name)) {
    return At(FeedProblem::UnknownProperty, line);
  }
  return {};
}

Result<void, FeedError> Reader::Finish() {
  const Event e = std::move(*event_);
  event_.reset();
  if (!e.date) return At(FeedProblem::MissingDate, *e.begin);
  if (e.summary.empty()) return At(FeedProblem::MissingName, *e.begin);
  if (e.end && *e.end != *e.date + std::chrono::days{1}) return At(FeedProblem::NotOneDay, *e.endLine);
  const std::string uid = Upper(e.uid);
  if (uid != Basic(*e.date) + Upper(kUidDomain)) return At(FeedProblem::NotTheFeed, *e.begin);
  if (!IsDescribable(*e.date)) return At(FeedProblem::YearOutside, *e.begin);
  if (!days_.emplace(*e.date, hong_kong::GazetteName(e.summary)).second) return At(FeedProblem::SameDay, *e.begin);
  return {};
}

std::vector<HolidaySchedule> ByYear(const std::map<sys_days, std::string>& days) {
  std::vector<HolidaySchedule> out;
  for (const auto& [date, name] : days) {
    const int year = static_cast<int>(std::chrono::year_month_day{date}.year());
    if (out.empty() || out.back().year != year) out.push_back({year, {}});
    out.back().days.push_back({date, HolidayKind::DayOff, name, HolidayStatus::Official});
  }
  return out;
}

// Done when the text opens as a calendar does; otherwise the refusal
// naming its first line, before any other fault of a file that is no
// calendar at all (a spreadsheet, the JSON feed) is looked for.
Result<void, FeedError> NotACalendar(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  int line = 1;
  while (bytes.starts_with("\n") || bytes.starts_with("\r\n")) {
    bytes.remove_prefix(bytes.find('\n') + 1);
    ++line;
  }
  std::string_view first = bytes.substr(0, bytes.find('\n'));
  if (first.ends_with('\r')) first.remove_suffix(1);
  if (Upper(first) == "BEGIN:VCALENDAR") return {};
  return Failure{
      FeedError{FeedProblem::NotACalendar, line, hong_kong::IsUtf8(first) ? std::string(first) : std::string()}};
}

}  // namespace

Result<std::vector<HolidaySchedule>, FeedError> ReadHongKongFeed(std::string_view bytes) {
  if (auto opens = NotACalendar(bytes); !opens) return Failure{std::move(opens).error()};
  const auto parsed = hong_kong::ContentLines(bytes);
  if (!parsed) return Failure{parsed.error()};
  const std::vector<ContentLine>& lines = *parsed;
  if (!Is(lines.front(), "BEGIN", "VCALENDAR")) return At(FeedProblem::NotACalendar, lines.front());
  Reader reader;
  for (auto line = lines.begin() + 1; line != lines.end(); ++line) {
    if (reader.done()) return At(FeedProblem::AfterTheEnd, *line);
    if (auto taken = reader.Take(*line); !taken) return Failure{std::move(taken).error()};
  }
  if (!reader.done()) return At(FeedProblem::CutShort, lines.back());
  if (reader.days().empty()) return At(FeedProblem::NoEvents, lines.back());
  return ByYear(reader.days());
}

}  // namespace tessarine
