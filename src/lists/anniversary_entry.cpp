#include "lists/anniversary_entry.h"

#include <algorithm>
#include <array>
#include <optional>

#include "calendar/iso_date.h"
#include "calendar/lunar_names.h"
#include "calendar/plain_text.h"
#include "calendar/year_range.h"
#include "compose/utf8_text.h"
#include "lists/calendar_column.h"
#include "lists/date_spelling.h"
#include "lists/folded_text.h"
#include "lists/lunar_spelling.h"

namespace tessarine {
namespace {

constexpr std::string_view kLeap = "闰";

struct MonthWord {
  std::string_view text;
  unsigned month;
};
// Longest first, so that 十一月 is not read as 十 and a day.
constexpr std::array<MonthWord, 14> kMonthWords = {{
    {"十一月", 11}, {"十二月", 12}, {"正月", 1}, {"二月", 2}, {"三月", 3}, {"四月", 4}, {"五月", 5},
    {"六月", 6},    {"七月", 7},    {"八月", 8}, {"九月", 9}, {"十月", 10}, {"冬月", 11}, {"腊月", 12},
}};

// What a field is trimmed of: blanks and tabs, as a hand-kept list pads
// its columns; a full-width space is the user's own text.
constexpr std::string_view kPadding = " \t";

std::string_view Trimmed(std::string_view field) { return Trim(field, kPadding); }

std::optional<int> Number(std::string_view text) {
  return text.size() <= 4 ? DigitsValue(text) : std::nullopt;
}

Result<Anniversary, EntryProblem> ParseNumbers(std::string_view text, bool leap) {
  const auto dash = text.find('-');
  const auto month = Number(text.substr(0, dash));
  if (!month || *month < 1 || *month > 12) return Failure{EntryProblem::UnknownMonth};
  const auto day = Number(text.substr(dash + 1));
  if (!day || *day < 1 || *day > 30) return Failure{EntryProblem::UnknownDay};
  Anniversary entry;
  entry.month = static_cast<unsigned>(*month);
  entry.day = static_cast<unsigned>(*day);
  entry.leap = leap;
  return entry;
}

Result<Anniversary, EntryProblem> ParseWords(std::string_view text, bool leap) {
  const auto word = std::find_if(kMonthWords.begin(), kMonthWords.end(),
                                 [text](const MonthWord& w) { return text.starts_with(w.text); });
  if (word == kMonthWords.end()) return Failure{EntryProblem::UnknownMonth};
  const std::string_view dayText = text.substr(word->text.size());
  for (unsigned day = 1; day <= 30; ++day) {
    if (DayName(day) == dayText) {
      Anniversary entry;
      entry.month = word->month;
      entry.day = day;
      entry.leap = leap;
      return entry;
    }
  }
  return Failure{EntryProblem::UnknownDay};
}

// yyyy-mm-dd: the lunar date and lunar year of that day in `calendar`.
Result<Anniversary, EntryProblem> ParseGregorian(std::string_view text, LunarCalendar calendar) {
  const auto day = ReadIsoDate(text);
  if (!day) return Failure{EntryProblem::NoSuchDay};
  if (!IsDescribable(*day)) return Failure{EntryProblem::DateOutOfRange};
  const LunarDate lunar = *ToLunarDate(*day, calendar);
  Anniversary entry;
  entry.month = lunar.month;
  entry.day = lunar.day;
  entry.leap = lunar.leap;
  entry.firstYear = lunar.year;
  return entry;
}

bool LooksGregorian(std::string_view text) {
  return text.size() == 10 && text[4] == '-' && text[7] == '-';
}

// A date that begins with a four-digit year and 年 (1960年4月3, 1960年三月初八,
// as NormalDateSpelling leaves them) is not read, and this says why. In
// digits with nothing lunar about it, it is how a Gregorian day is written
// in words; anything else is a lunar date that carries its year, as does
// one with a year of the cycle (农历乙巳 蛇年 腊月廿九, as the program
// writes a date with its year).
Result<void, EntryProblem> NoYearIn(std::string_view text, std::string_view asWritten) {
  constexpr std::string_view kYear = "年", kMonth = "月";
  if (text.size() <= 4 + kYear.size() || !AllAsciiDigits(text.substr(0, 4)) || text.substr(4, kYear.size()) != kYear) {
    if (text.find(kYear) != std::string_view::npos) return Failure{EntryProblem::YearInLunarDate};
    return {};
  }
  const std::string_view rest = text.substr(4 + kYear.size());
  const std::size_t month = rest.find(kMonth);
  const auto oneOrTwoDigits = [](std::string_view digits) { return digits.size() <= 2 && AllAsciiDigits(digits); };
  const bool digits = month != std::string_view::npos && oneOrTwoDigits(rest.substr(0, month)) &&
                      oneOrTwoDigits(rest.substr(month + kMonth.size()));
  const bool lunar = asWritten.find("农历") != std::string_view::npos || asWritten.find("農曆") != std::string_view::npos ||
                     asWritten.find("阴历") != std::string_view::npos || asWritten.find("陰曆") != std::string_view::npos;
  return Failure{digits && !lunar ? EntryProblem::GregorianInWords : EntryProblem::YearInLunarDate};
}

// 三月初八, 3-8 or 闰4-15, as NormalDateSpelling and NumberedLunarDate leave them.
Result<Anniversary, EntryProblem> NumbersOrWords(std::string_view text) {
  bool leap = false;
  if (text.starts_with(kLeap)) {
    leap = true;
    text.remove_prefix(kLeap.size());
  } else if (text.starts_with('l')) {  // L4-15, lower-cased with the rest
    leap = true;
    text.remove_prefix(1);
  }
  if (text.find('-') != std::string_view::npos) return ParseNumbers(text, leap);
  if (text.find("月") != std::string_view::npos) return ParseWords(text, leap);
  return Failure{EntryProblem::UnknownDate};
}

// The lunar date `normal` writes, the date field as NormalDateSpelling
// leaves it once folded; `written` is the field as the user wrote it.
Result<Anniversary, EntryProblem> LunarOf(const std::string& normal, std::string_view written) {
  if (const auto other = NumberedLunarDate(normal)) {
    if (other->year == YearInDate::GregorianDay) return Failure{EntryProblem::GregorianInWords};
    if (other->year == YearInDate::LunarYear) return Failure{EntryProblem::YearInLunarDate};
    return NumbersOrWords(other->numbers);
  }
  if (const auto noYear = NoYearIn(normal, written); !noYear) return Failure{noYear.error()};
  return NumbersOrWords(normal);
}

// The date field in one of the forms the readers take: blanks and case
// mean nothing in a date (3월 8일 or 3월8일, Rằm or rằm).
std::string NormalDate(std::string_view written) { return NormalDateSpelling(FoldedWord(written)); }

Result<int, EntryError> FirstYearOf(const std::vector<std::string>& fields) {
  const std::string_view firstYear = fields.size() < 3 ? std::string_view() : Trimmed(fields[2]);
  if (firstYear.empty()) return 0;
  const auto year = firstYear.size() == 4 ? Number(firstYear) : std::nullopt;
  if (!year || *year < kEarliestFirstYear || *year > static_cast<int>(YearRange::Last)) {
    return Failure{EntryError{3, EntryProblem::BadFirstYear, fields[2]}};
  }
  return *year;
}

}  // namespace

Result<Anniversary, EntryProblem> ParseLunarMonthDay(std::string_view text) {
  const std::string normal = NormalDate(text);
  if (LooksGregorian(normal)) return Failure{EntryProblem::UnknownDate};
  return LunarOf(normal, text);
}

EntryResult ParseAnniversary(const std::vector<std::string>& fields) {
  // Columns after the calendar's are the user's own (a note, say): kept in
  // the file and skipped here, by both front ends alike.
  const std::string_view name = fields.empty() ? std::string_view() : Trimmed(fields[0]);
  if (name.empty()) return Failure{EntryError{1, EntryProblem::MissingName, fields.empty() ? "" : fields[0]}};
  const std::string_view written = fields.size() < 2 ? std::string_view() : Trimmed(fields[1]);
  if (written.empty()) return Failure{EntryError{2, EntryProblem::MissingDate, ""}};
  // The calendar first: a Gregorian day of birth is converted in it.
  const auto calendar = fields.size() < 4 ? LunarCalendar::China : CalendarOfColumn(fields[3]);
  if (!calendar) return Failure{EntryError{4, EntryProblem::UnknownCalendar, fields[3]}};

  const std::string normal = NormalDate(written);
  auto parsed = LooksGregorian(normal) ? ParseGregorian(normal, *calendar) : LunarOf(normal, fields[1]);
  if (!parsed) return Failure{EntryError{2, parsed.error(), fields[1]}};
  Anniversary entry = std::move(*parsed);
  entry.calendar = *calendar;
  // A list saved in another encoding must not put malformed UTF-8 into a file.
  entry.name = ToValidUtf8(name);
  entry.dateText = written;  // as written: the UID of its events follows it
  const auto firstYear = FirstYearOf(fields);
  if (!firstYear) return Failure{firstYear.error()};
  if (*firstYear != 0) entry.firstYear = *firstYear;
  return entry;
}

}  // namespace tessarine
