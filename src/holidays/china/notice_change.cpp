#include "holidays/china/notice_change.h"

#include <algorithm>
#include <array>
#include <map>

#include "holidays/china/statutory_days.h"
#include "calendar/plain_text.h"
#include "calendar/year_range.h"
#include "holidays/china/notice_dates.h"
#include "holidays/china/notice_item.h"
#include "holidays/china/notice_names.h"
#include "holidays/china/notice_text.h"

namespace tessarine {
namespace {

using std::chrono::sys_days;

// "<verb>YYYY年<holiday>假期": the year and the holiday, when `text` has it.
std::optional<std::pair<int, std::string>> YearAndHoliday(std::string_view text, std::string_view verb) {
  const std::size_t at = text.find(verb);
  if (at == std::string_view::npos) return std::nullopt;
  std::size_t from = at + verb.size();
  int year = 0;
  while (from < text.size() && IsAsciiDigit(text[from]) && year < 10000) year = year * 10 + (text[from++] - '0');
  if (year == 0 || !text.substr(from).starts_with("年")) return std::nullopt;
  from += std::string_view("年").size();
  std::size_t end = std::min(text.find("假期", from), text.find("放假", from));
  if (end == std::string_view::npos || end - from > 60) return std::nullopt;
  return std::pair{year, std::string(text.substr(from, end - from))};
}

// The commemoration a "…纪念日调休放假的通知" adds, and its year.
std::optional<std::pair<int, std::string>> Commemoration(std::string_view text) {
  const std::size_t about = text.find("关于");
  const std::size_t mark = text.find("纪念日", about);
  if (about == std::string_view::npos || mark == std::string_view::npos || mark - about > 200) return std::nullopt;
  const std::string_view title = text.substr(about, mark - about);
  if (title.find('\n') != std::string_view::npos || title.find("《") != std::string_view::npos) return std::nullopt;
  const std::size_t end = mark + std::string_view("纪念日").size();
  if (!text.substr(end).starts_with("调休放假") && !text.substr(end).starts_with("放假")) return std::nullopt;
  const std::string name(text.substr(about + std::string_view("关于").size(), end - about - std::string_view("关于").size()));
  for (const notice::WrittenDate& date : notice::DatesIn(text.substr(end))) {
    if (date.year) return std::pair{*date.year, name};
  }
  return std::nullopt;
}

// The days the body names, as one item under `holiday`.
Result<HolidayNotice, NoticeError> ReadBody(std::string_view text, int year, const std::string& holiday) {
  if (!YearRange::Holds(year)) return Failure{NoticeError{NoticeProblem::YearOutside, std::to_string(year)}};
  const std::size_t start = text.find("通知如下");
  const notice::Item body{holiday, std::string(text.substr(start == std::string_view::npos ? 0 : start))};
  std::map<sys_days, HolidayDay> found;
  if (auto read = ReadItem(year, body, found); !read) return Failure{std::move(read).error()};
  HolidayNotice notice;
  notice.schedule.year = year;
  for (auto& [date, day] : found) notice.schedule.days.push_back(std::move(day));
  notice.changedHoliday = holiday;
  return notice;
}

Result<HolidayNotice, NoticeError> ReadExtension(std::string_view text, int year, const std::string& holiday) {
  if (!YearRange::Holds(year)) return Failure{NoticeError{NoticeProblem::YearOutside, std::to_string(year)}};
  const std::size_t until = text.find("至", text.find("延长"));
  const std::size_t end = std::min(text.size(), text.find("。", until));
  const std::vector<notice::WrittenDate> dates = notice::DatesIn(text.substr(until, end - until));
  if (until == std::string_view::npos || dates.empty() || !dates[0].month) {
    return Failure{
        NoticeError{NoticeProblem::NoDays, std::string(text.substr(0, std::min<std::size_t>(text.size(), 120)))}};
  }
  const std::chrono::year_month_day last{std::chrono::year{year}, std::chrono::month(static_cast<unsigned>(*dates[0].month)),
                                         std::chrono::day(static_cast<unsigned>(dates[0].day))};
  const std::string sentence(text.substr(until, end - until));
  if (!last.ok()) return Failure{NoticeError{NoticeProblem::NoSuchDate, sentence}};
  if (dates[0].weekday && std::chrono::weekday{sys_days{last}}.c_encoding() != *dates[0].weekday) {
    return Failure{NoticeError{NoticeProblem::WrongWeekday, sentence}};
  }
  HolidayNotice notice;
  notice.schedule.year = year;
  notice.changedHoliday = holiday;
  notice.extendedTo = sys_days{last};
  return notice;
}

bool SameHoliday(std::string_view a, std::string_view b) {
  const std::vector<PublicHoliday> left = NoticeHolidays(a), right = NoticeHolidays(b);
  if (left.empty() || right.empty()) return a == b;
  return std::any_of(left.begin(), left.end(), [&](PublicHoliday h) { return std::find(right.begin(), right.end(), h) != right.end(); });
}

}  // namespace

Result<std::optional<HolidayNotice>, NoticeError> ReadChangeNotice(std::string_view text) {
  // A yearly notice's words may mention a change (2025's cites the amended
  // 纪念日放假办法): its title decides.
  if (!notice::NoticeYears(text).empty()) return std::nullopt;
  using Announced = Result<std::optional<HolidayNotice>, NoticeError>;
  const auto announced = [](Result<HolidayNotice, NoticeError> read) -> Announced {
    if (!read) return Failure{std::move(read).error()};
    return std::optional(std::move(*read));
  };
  if (const auto extended = YearAndHoliday(text, "延长")) {
    return announced(ReadExtension(text, extended->first, extended->second));
  }
  if (const auto adjusted = YearAndHoliday(text, "调整")) {
    return announced(ReadBody(text, adjusted->first, adjusted->second));
  }
  if (const auto added = Commemoration(text)) return announced(ReadBody(text, added->first, added->second));
  return std::nullopt;
}

Result<HolidaySchedule, NoticeError> MergeChange(const HolidayNotice& change, const HolidaySchedule& known) {
  const std::string& holiday = *change.changedHoliday;
  HolidaySchedule merged = known;
  auto& days = merged.days;
  if (change.extendedTo) {
    const auto first = std::find_if(days.begin(), days.end(), [&](const HolidayDay& d) {
      return d.kind == HolidayKind::DayOff && SameHoliday(d.name, holiday);
    });
    if (first == days.end() || first->date > *change.extendedTo) {
      return Failure{NoticeError{NoticeProblem::NothingToChange, holiday}};
    }
    const sys_days from = first->date;
    const std::string name = first->name;
    std::erase_if(days, [&](const HolidayDay& d) { return d.date >= from && d.date <= *change.extendedTo; });
    for (sys_days d = from; d <= *change.extendedTo; d += std::chrono::days{1}) days.push_back({d, HolidayKind::DayOff, name});
  } else {
    std::erase_if(days, [&](const HolidayDay& d) { return SameHoliday(d.name, holiday); });
    for (const HolidayDay& day : change.schedule.days) {
      const auto clash = std::find_if(days.begin(), days.end(), [&](const HolidayDay& d) { return d.date == day.date; });
      if (clash != days.end() && clash->kind != day.kind) {
        return Failure{NoticeError{NoticeProblem::BothKinds, clash->name}};
      }
      if (clash == days.end()) days.push_back(day);
    }
  }
  std::stable_sort(days.begin(), days.end(), [](const HolidayDay& a, const HolidayDay& b) { return a.date < b.date; });
  return merged;
}

}  // namespace tessarine
