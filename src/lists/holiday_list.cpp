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

// The header's record, if the list has one.
template <typename Document>
auto FindHeader(Document& document) {
  return std::find_if(document.records.begin(), document.records.end(),
                      [](const CsvRecord& r) { return r.kind == RecordKind::Fields && IsHeader(r.fields); });
}

// The column of each row's region: where the header names 地区. None in a
// list whose header does not, as in every list written before the column:
// its rows are all the mainland's, and columns after the name are the
// user's own, as they always were.
std::optional<std::size_t> RegionColumn(const CsvDocument& document) {
  const auto header = FindHeader(document);
  if (header == document.records.end()) return std::nullopt;
  const auto column = std::find(header->fields.begin(), header->fields.end(), "地区");
  if (column == header->fields.end() || column - header->fields.begin() < 4) return std::nullopt;
  return static_cast<std::size_t>(column - header->fields.begin());
}

// The row's region: the mainland's where its region column is absent or
// empty, nothing for a tag no region has.
std::optional<Region> RowRegion(const std::vector<std::string>& fields, std::optional<std::size_t> column) {
  if (!column || fields.size() <= *column || fields[*column].empty()) return Region::China;
  return RegionOfTag(fields[*column]);
}

std::variant<Row, HolidayRowError::RegionFault> ParseRow(const std::vector<std::string>& fields,
                                                         std::optional<std::size_t> column) {
  using Fault = HolidayRowError::RegionFault;
  if (fields.size() < 4 || fields[3].empty()) return Fault::Nothing;
  const auto year = YearNumber(fields[0]);
  const auto date = ReadIsoDate(fields[1]);
  if (!year || !date || (fields[2] != "休" && fields[2] != "班")) return Fault::Nothing;
  const HolidayKind kind = fields[2] == "休" ? HolidayKind::DayOff : HolidayKind::Workday;
  const auto region = RowRegion(fields, column);
  if (!region) return Fault::Unknown;
  if (kind == HolidayKind::Workday && !HasMakeUpWorkdays(*region)) return Fault::NoWorkdays;
  return Row{*year, HolidayDay{*date, kind, fields[3]}, *region};
}

// The region and year a record's row belongs to, for a record that is a row.
std::optional<std::pair<Region, int>> RowKey(const CsvRecord& record, std::optional<std::size_t> column) {
  if (record.kind != RecordKind::Fields) return std::nullopt;
  const auto parsed = ParseRow(record.fields, column);
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

// The header's text with `fields`, its own line end kept: plain, as the
// program writes its header, unless a field needs quotes.
void Rewrite(CsvRecord& header, std::vector<std::string> fields, std::string_view lineEnd) {
  const bool plain = std::none_of(fields.begin(), fields.end(), [](const std::string& field) {
    return field.find_first_of(",\"\r\n") != std::string::npos;
  });
  const std::string text = plain ? RowText(fields) : RecordText(fields, "");
  const std::size_t body = header.text.find_last_not_of("\r\n") + 1;
  const std::string end = body < header.text.size() ? header.text.substr(body) : std::string(lineEnd);
  header = {header.line, RecordKind::Fields, text + end, std::move(fields)};
}

// The column another region's rows are written with: the header's 地区,
// added after its last column (and a header added to a list without one)
// where it has none.
std::size_t EnsureRegionColumn(CsvDocument& document) {
  if (const auto column = RegionColumn(document)) return *column;
  auto header = FindHeader(document);
  if (header == document.records.end()) {
    std::vector<std::string> fields = {"年份", "日期", "类别", "名称", "地区"};
    document.records.insert(document.records.begin(),
                            {0, RecordKind::Fields, std::string(kRegionHolidayListHeader) + document.lineEnd, fields});
    return 4;
  }
  std::vector<std::string> fields = header->fields;
  fields.resize(std::max<std::size_t>(fields.size(), 4));
  fields.push_back("地区");
  Rewrite(*header, fields, document.lineEnd);
  return fields.size() - 1;
}

// Once the last row of another region is gone, the program's own header
// loses its 地区 again, so that a list of the mainland's days alone stays
// as it was written before the column. A header the user wrote is kept.
void DropRegionColumn(CsvDocument& document) {
  const auto column = RegionColumn(document);
  if (!column) return;
  const bool tagged = std::any_of(document.records.begin(), document.records.end(), [&](const CsvRecord& r) {
    const auto key = RowKey(r, column);
    return key && key->first != Region::China;
  });
  const auto header = FindHeader(document);
  if (tagged || header->fields != std::vector<std::string>{"年份", "日期", "类别", "名称", "地区"}) return;
  Rewrite(*header, {"年份", "日期", "类别", "名称"}, document.lineEnd);
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
  const auto column = RegionColumn(document);
  for (const CsvRecord& record : document.records) {
    if (record.kind != RecordKind::Fields || IsBlankRow(record.fields) || IsHeader(record.fields)) continue;
    const auto parsed = ParseRow(record.fields, column);
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
  const auto column = RegionColumn(document);
  std::erase_if(document.records, [&](const CsvRecord& record) {
    return RowKey(record, column) == std::pair{region, year};
  });
  DropRegionColumn(document);
}

void StoreSchedule(CsvDocument& document, const HolidaySchedule& schedule, Region region) {
  RemoveSchedule(document, schedule.year, region);
  std::optional<std::size_t> column;
  if (region != Region::China) {
    column = EnsureRegionColumn(document);
  } else if (FindHeader(document) == document.records.end()) {
    document.records.insert(
        document.records.begin(),
        {0, RecordKind::Fields, std::string(kHolidayListHeader) + document.lineEnd, {"年份", "日期", "类别", "名称"}});
  }
  for (const HolidayDay& day : schedule.days) {
    std::vector<std::string> fields = {std::to_string(schedule.year), IsoDate(day.date),
                                       std::string(KindMark(day.kind)), day.name};
    if (column) {
      fields.resize(std::max(fields.size(), *column + 1));
      fields[*column] = RegionTag(region);
    }
    document.records.push_back({0, RecordKind::Fields, RecordText(fields, document.lineEnd), fields});
  }
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
