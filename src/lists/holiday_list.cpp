#include "lists/holiday_list.h"

#include <algorithm>
#include <charconv>
#include <set>
#include <tuple>
#include <variant>

#include "calendar/iso_date.h"
#include "holidays/region_holidays.h"

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

// A row as read: its notice year, day and region, or why it is none.
struct Row {
  int year = 0;
  HolidayDay day;
  Region region = Region::China;
};

// The row's region: the mainland's when the column is absent or empty (the
// lists written before it), nothing for a tag no region has.
std::optional<Region> RowRegion(const std::vector<std::string>& fields) {
  if (fields.size() < 5 || fields[4].empty()) return Region::China;
  return RegionOfTag(fields[4]);
}

std::variant<Row, HolidayRowError::RegionFault> ParseRow(const std::vector<std::string>& fields) {
  using Fault = HolidayRowError::RegionFault;
  if (fields.size() < 4 || fields[3].empty()) return Fault::Nothing;
  const auto year = YearNumber(fields[0]);
  const auto date = ReadIsoDate(fields[1]);
  if (!year || !date || (fields[2] != "休" && fields[2] != "班")) return Fault::Nothing;
  const HolidayKind kind = fields[2] == "休" ? HolidayKind::DayOff : HolidayKind::Workday;
  const auto region = RowRegion(fields);
  if (!region) return Fault::Unknown;
  if (kind == HolidayKind::Workday && !HasMakeUpWorkdays(*region)) return Fault::NoWorkdays;
  return Row{*year, HolidayDay{*date, kind, fields[3]}, *region};
}

// The region and year a record's row belongs to, for a record that is a row.
std::optional<std::pair<Region, int>> RowKey(const CsvRecord& record) {
  if (record.kind != RecordKind::Fields) return std::nullopt;
  const auto parsed = ParseRow(record.fields);
  if (const Row* row = std::get_if<Row>(&parsed)) return std::pair{row->region, row->year};
  return std::nullopt;
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

// The header the rows call for (added when storing into a list without
// one): naming 地区 while another region's rows are in it, and the
// mainland's four columns again once they are gone, so that a list of the
// mainland's days alone stays as it was written before the column. A header
// the user wrote otherwise is kept.
void FitHeader(CsvDocument& document, bool addIfNone) {
  auto& records = document.records;
  const bool tagged = std::any_of(records.begin(), records.end(), [](const CsvRecord& r) {
    const auto key = RowKey(r);
    return key && key->first != Region::China;
  });
  const std::string_view text = tagged ? kRegionHolidayListHeader : kHolidayListHeader;
  std::vector<std::string> fields = {"年份", "日期", "类别", "名称"};
  if (tagged) fields.push_back("地区");
  const auto header = std::find_if(records.begin(), records.end(), [](const CsvRecord& r) {
    return r.kind == RecordKind::Fields && IsHeader(r.fields);
  });
  if (header == records.end()) {
    if (addIfNone)
      records.insert(records.begin(), {0, RecordKind::Fields, std::string(text) + document.lineEnd, fields});
    return;
  }
  const bool programs = header->fields == std::vector<std::string>{"年份", "日期", "类别", "名称"} ||
                        header->fields == std::vector<std::string>{"年份", "日期", "类别", "名称", "地区"};
  if (!programs || header->fields == fields) return;
  // Its own line end kept.
  const std::size_t body = header->text.find_last_not_of("\r\n") + 1;
  *header = {header->line, RecordKind::Fields, std::string(text) + header->text.substr(body), fields};
}

}  // namespace

RangeSchedules SchedulesIn(const std::vector<HolidaySchedule>& known, YearRange years) {
  RangeSchedules found;
  for (auto year = years.first(); year <= years.last(); ++year) {
    const auto schedule = std::find_if(known.begin(), known.end(),
                                       [&](const HolidaySchedule& s) { return std::chrono::year{s.year} == year; });
    if (schedule == known.end()) {
      found.missing.push_back(static_cast<int>(year));
    } else {
      found.known.push_back(*schedule);
    }
  }
  return found;
}

std::string_view KindMark(HolidayKind kind) { return kind == HolidayKind::DayOff ? "休" : "班"; }

const std::map<int, HolidaySchedule>& YearsOf(const HolidayList& list, Region region) {
  static const std::map<int, HolidaySchedule> kNone;
  if (region == Region::China) return list.years;
  const auto found = list.regions.find(region);
  return found == list.regions.end() ? kNone : found->second;
}

HolidayList ReadHolidayList(const CsvDocument& document) {
  HolidayList list;
  std::set<std::tuple<Region, int, std::chrono::sys_days>> dates;  // by region and notice year
  for (const CsvRecord& record : document.records) {
    if (record.kind != RecordKind::Fields || IsBlankRow(record.fields) || IsHeader(record.fields)) continue;
    const auto parsed = ParseRow(record.fields);
    const Row* row = std::get_if<Row>(&parsed);
    if (!row) {
      list.errors.push_back({record.line, RowText(record.fields)});
      list.errors.back().region = std::get<HolidayRowError::RegionFault>(parsed);
      continue;
    }
    if (const auto outside = OutsideOf(row->year, row->day.date); outside != HolidayRowError::Outside::Nothing) {
      list.errors.push_back({record.line, RowText(record.fields), false, outside});
      continue;
    }
    if (!dates.insert({row->region, row->year, row->day.date}).second) {
      list.errors.push_back({record.line, RowText(record.fields), true});
      continue;
    }
    auto& years = row->region == Region::China ? list.years : list.regions[row->region];
    HolidaySchedule& schedule = years[row->year];
    schedule.year = row->year;
    schedule.days.push_back(row->day);
  }
  auto byDate = [](const HolidayDay& a, const HolidayDay& b) { return a.date < b.date; };
  for (auto& [year, schedule] : list.years) std::stable_sort(schedule.days.begin(), schedule.days.end(), byDate);
  for (auto& [region, years] : list.regions) {
    for (auto& [year, schedule] : years) std::stable_sort(schedule.days.begin(), schedule.days.end(), byDate);
  }
  return list;
}

void RemoveSchedule(CsvDocument& document, int year, Region region) {
  std::erase_if(document.records, [&](const CsvRecord& record) { return RowKey(record) == std::pair{region, year}; });
  FitHeader(document, false);
}

void StoreSchedule(CsvDocument& document, const HolidaySchedule& schedule, Region region) {
  RemoveSchedule(document, schedule.year, region);
  const bool tagged = region != Region::China;
  for (const HolidayDay& day : schedule.days) {
    std::vector<std::string> fields = {std::to_string(schedule.year), IsoDate(day.date),
                                       std::string(KindMark(day.kind)), day.name};
    if (tagged) fields.emplace_back(RegionTag(region));
    document.records.push_back({0, RecordKind::Fields, RecordText(fields, document.lineEnd), fields});
  }
  FitHeader(document, true);
}

std::vector<HolidayDay> ReplacedRows(const HolidayList& list, const HolidaySchedule& schedule, Region region) {
  std::vector<HolidayDay> replaced;
  const auto& years = YearsOf(list, region);
  const auto year = years.find(schedule.year);
  if (year == years.end()) return replaced;
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
