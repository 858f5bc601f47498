#include "holidays/taiwan/office_calendar.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "calendar/year_range.h"
#include "holidays/working_days.h"

namespace tessarine {
namespace {

using std::chrono::sys_days;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::array<std::string_view, 4> kHeader = {"西元日期", "星期", "是否放假", "備註"};
// 星期 as the table writes it, Sunday first as std::chrono counts.
constexpr std::array<std::string_view, 7> kWeekdays = {"日", "一", "二", "三", "四", "五", "六"};

struct Line {
  int number;
  std::string_view text;  // without its line end
  bool ended;             // followed by a line end
};

// CR LF and LF each end a line.
std::vector<Line> SplitLines(std::string_view text) {
  std::vector<Line> lines;
  int number = 1;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    lines.push_back({number++, line, end != std::string_view::npos});
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  }
  return lines;
}

std::string_view Trimmed(std::string_view field) {
  const auto space = [](char c) { return c == ' ' || c == '\t'; };
  while (!field.empty() && space(field.front())) field.remove_prefix(1);
  while (!field.empty() && space(field.back())) field.remove_suffix(1);
  return field;
}

// The comma-separated fields, trimmed; the table quotes none.
std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  for (std::size_t comma; (comma = line.find(',')) != std::string_view::npos; line.remove_prefix(comma + 1)) {
    fields.push_back(Trimmed(line.substr(0, comma)));
  }
  fields.push_back(Trimmed(line));
  return fields;
}

bool IsBlank(std::string_view line) { return Trimmed(line).empty(); }

std::optional<sys_days> DateOf(std::string_view field) {
  if (field.size() != 8 || !std::all_of(field.begin(), field.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return std::nullopt;
  }
  int y = 0;
  unsigned m = 0, d = 0;
  std::from_chars(field.data(), field.data() + 4, y);
  std::from_chars(field.data() + 4, field.data() + 6, m);
  std::from_chars(field.data() + 6, field.data() + 8, d);
  const std::chrono::year_month_day date{std::chrono::year{y}, std::chrono::month{m}, std::chrono::day{d}};
  if (!date.ok()) return std::nullopt;
  return sys_days{date};
}

// The entry a row gives, if any.
std::optional<HolidayDay> EntryOf(sys_days date, bool off, std::string_view remark) {
  const auto named = [&](HolidayKind kind, std::string_view otherwise) {
    return HolidayDay{date, kind, std::string(remark.empty() ? otherwise : remark), HolidayStatus::Official};
  };
  if (!IsWeekend(date)) return off ? std::optional(named(HolidayKind::DayOff, "放假")) : std::nullopt;
  if (!off) return named(HolidayKind::Workday, "補行上班");
  return remark.empty() ? std::nullopt : std::optional(named(HolidayKind::DayOff, ""));
}

// Reads one row into `file`, checked against the rows before it.
Result<void, OfficeCalendarError> ReadRow(const Line& line, OfficeCalendar& file) {
  const auto fail = [&line](OfficeCalendarProblem problem) {
    return Failure{OfficeCalendarError{problem, line.number, std::string(line.text)}};
  };
  const auto fields = Fields(line.text);
  if (fields.size() != 4) return fail(OfficeCalendarProblem::WrongFieldCount);
  const auto date = DateOf(fields[0]);
  if (!date) return fail(OfficeCalendarProblem::BadDate);
  // A year the calendar does not describe could be neither shown nor kept.
  if (!IsDescribable(*date)) return fail(OfficeCalendarProblem::YearOutside);
  const unsigned weekday = std::chrono::weekday{*date}.c_encoding();
  if (fields[1] != kWeekdays[weekday]) return fail(OfficeCalendarProblem::WrongWeekday);
  const int y = static_cast<int>(std::chrono::year_month_day{*date}.year());
  if (file.rows.empty()) file.year = file.schedule.year = y;
  if (y != file.year) return fail(OfficeCalendarProblem::OtherYear);
  if (!file.rows.empty() && *date <= file.rows.back()) return fail(OfficeCalendarProblem::OutOfOrder);
  if (fields[2] != "0" && fields[2] != "2") return fail(OfficeCalendarProblem::UnknownValue);
  file.rows.push_back(*date);
  if (auto entry = EntryOf(*date, fields[2] == "2", fields[3])) file.schedule.days.push_back(std::move(*entry));
  return {};
}

bool IsHeader(std::string_view line) {
  const auto fields = Fields(line);
  return std::equal(fields.begin(), fields.end(), kHeader.begin(), kHeader.end());
}

}  // namespace

Result<OfficeCalendar, OfficeCalendarError> ReadOfficeCalendar(std::string_view text) {
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  const std::vector<Line> lines = SplitLines(text);
  if (lines.empty() || !IsHeader(lines.front().text)) {
    return Failure{OfficeCalendarError{OfficeCalendarProblem::WrongHeader, 1,
                                       lines.empty() ? std::string() : std::string(lines.front().text)}};
  }
  // A download cut short stops inside its last line.
  if (!lines.back().ended && !IsBlank(lines.back().text)) {
    return Failure{
        OfficeCalendarError{OfficeCalendarProblem::CutShort, lines.back().number, std::string(lines.back().text)}};
  }
  OfficeCalendar file;
  for (auto line = lines.begin() + 1; line != lines.end(); ++line) {
    if (IsBlank(line->text)) continue;
    if (auto read = ReadRow(*line, file); !read) return Failure{std::move(read).error()};
  }
  if (file.rows.empty()) return Failure{OfficeCalendarError{OfficeCalendarProblem::NoRows, 0, {}}};
  const std::chrono::year y{file.year};
  file.wholeYear = static_cast<int>(file.rows.size()) == (y.is_leap() ? 366 : 365);
  return file;
}

Result<HolidaySchedule, OfficeCalendarError> ApplyOfficeCalendar(const OfficeCalendar& file,
                                                                 const std::optional<HolidaySchedule>& known) {
  if (file.wholeYear) return file.schedule;
  if (!known || known->year != file.year) {
    return Failure{OfficeCalendarError{OfficeCalendarProblem::NothingToChange, 0, std::to_string(file.year)}};
  }
  HolidaySchedule changed = *known;
  std::erase_if(changed.days, [&](const HolidayDay& day) {
    return std::binary_search(file.rows.begin(), file.rows.end(), day.date);
  });
  changed.days.insert(changed.days.end(), file.schedule.days.begin(), file.schedule.days.end());
  std::stable_sort(changed.days.begin(), changed.days.end(),
                   [](const HolidayDay& a, const HolidayDay& b) { return a.date < b.date; });
  return changed;
}

}  // namespace tessarine
