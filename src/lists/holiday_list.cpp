#include "lists/holiday_list.h"

#include <algorithm>
#include <charconv>
#include <set>

#include "calendar/iso_date.h"

namespace tessarine {
namespace {

// A row's notice year: a whole number, a minus sign allowed, so that a
// year far off is reported as outside the calendar rather than unreadable.
std::optional<int> YearNumber(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

bool IsHeader(const std::vector<std::string>& fields) { return !fields.empty() && fields[0] == "年份"; }

std::optional<std::pair<int, HolidayDay>> ParseRow(const std::vector<std::string>& fields) {
  if (fields.size() < 4 || fields[3].empty()) return std::nullopt;
  const auto year = YearNumber(fields[0]);
  const auto date = ReadIsoDate(fields[1]);
  if (!year || !date || (fields[2] != "休" && fields[2] != "班")) return std::nullopt;
  const HolidayKind kind = fields[2] == "休" ? HolidayKind::DayOff : HolidayKind::Workday;
  return std::pair{*year, HolidayDay{*date, kind, fields[3]}};
}

// Why a well-formed row's year or date cannot be, or Nothing.
HolidayRowError::Outside OutsideOf(int year, std::chrono::sys_days date) {
  if (!YearRange::Holds(year)) return HolidayRowError::Outside::Year;
  const std::chrono::year_month_day ymd{date};
  const bool decemberBefore = static_cast<int>(ymd.year()) == year - 1 && ymd.month() == std::chrono::December;
  const bool inItsYear = static_cast<int>(ymd.year()) == year || decemberBefore;
  return inItsYear && IsDescribable(date) ? HolidayRowError::Outside::Nothing : HolidayRowError::Outside::Date;
}

std::string RowText(const std::vector<std::string>& fields) {
  std::string text;
  for (const std::string& field : fields) text += (text.empty() ? "" : ",") + field;
  return text;
}

}  // namespace

RangeSchedules SchedulesIn(const std::vector<HolidaySchedule>& known, YearRange years) {
  RangeSchedules found;
  for (auto year = years.first(); year <= years.last(); ++year) {
    const auto schedule =
        std::find_if(known.begin(), known.end(), [&](const HolidaySchedule& s) { return std::chrono::year{s.year} == year; });
    if (schedule == known.end()) {
      found.missing.push_back(static_cast<int>(year));
    } else {
      found.known.push_back(*schedule);
    }
  }
  return found;
}

std::string_view KindMark(HolidayKind kind) { return kind == HolidayKind::DayOff ? "休" : "班"; }

HolidayList ReadHolidayList(const CsvDocument& document) {
  HolidayList list;
  std::set<std::pair<int, std::chrono::sys_days>> dates;  // by notice year
  for (const CsvRecord& record : document.records) {
    if (record.kind != RecordKind::Fields || IsBlankRow(record.fields) || IsHeader(record.fields)) continue;
    if (const auto row = ParseRow(record.fields)) {
      if (const auto outside = OutsideOf(row->first, row->second.date); outside != HolidayRowError::Outside::Nothing) {
        list.errors.push_back({record.line, RowText(record.fields), false, outside});
        continue;
      }
      HolidaySchedule& schedule = list.years[row->first];
      schedule.year = row->first;
      if (!dates.insert({row->first, row->second.date}).second) {
        list.errors.push_back({record.line, RowText(record.fields), true});
        continue;
      }
      schedule.days.push_back(row->second);
    } else {
      list.errors.push_back({record.line, RowText(record.fields)});
    }
  }
  for (auto& [year, schedule] : list.years) {
    std::stable_sort(schedule.days.begin(), schedule.days.end(),
                     [](const HolidayDay& a, const HolidayDay& b) { return a.date < b.date; });
  }
  return list;
}

void RemoveSchedule(CsvDocument& document, int year) {
  std::erase_if(document.records, [&](const CsvRecord& record) {
    const auto row = record.kind == RecordKind::Fields ? ParseRow(record.fields) : std::nullopt;
    return row && row->first == year;
  });
}

void StoreSchedule(CsvDocument& document, const HolidaySchedule& schedule) {
  auto& records = document.records;
  RemoveSchedule(document, schedule.year);
  const bool hasHeader = std::any_of(records.begin(), records.end(),
                                     [](const CsvRecord& r) { return r.kind == RecordKind::Fields && IsHeader(r.fields); });
  if (!hasHeader) {
    records.insert(records.begin(), {0, RecordKind::Fields, std::string(kHolidayListHeader) + document.lineEnd,
                                     {"年份", "日期", "类别", "名称"}});
  }
  for (const HolidayDay& day : schedule.days) {
    std::vector<std::string> fields = {std::to_string(schedule.year), IsoDate(day.date), std::string(KindMark(day.kind)),
                                       day.name};
    records.push_back({0, RecordKind::Fields, RecordText(fields, document.lineEnd), fields});
  }
}

std::vector<HolidayDay> ReplacedRows(const HolidayList& list, const HolidaySchedule& schedule) {
  std::vector<HolidayDay> replaced;
  const auto year = list.years.find(schedule.year);
  if (year == list.years.end()) return replaced;
  for (const HolidayDay& row : year->second.days) {
    const bool writtenAgain = std::any_of(schedule.days.begin(), schedule.days.end(), [&](const HolidayDay& day) {
      return day.date == row.date && day.kind == row.kind && day.name == row.name;
    });
    if (!writtenAgain) replaced.push_back(row);
  }
  return replaced;
}

std::vector<HolidaySchedule> KnownSchedules(const HolidayList& list) {
  std::map<int, HolidaySchedule> known;
  for (const int year : BuiltInHolidayYears()) known[year] = *BuiltInHolidaySchedule(year);
  for (const auto& [year, schedule] : list.years) known[year] = schedule;
  std::vector<HolidaySchedule> schedules;
  for (auto& [year, schedule] : known) schedules.push_back(std::move(schedule));
  return schedules;
}

}  // namespace tessarine
