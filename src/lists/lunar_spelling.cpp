#include "lists/lunar_spelling.h"

#include "calendar/lunar_names.h"
#include "calendar/plain_text.h"
#include "lists/folded_text.h"

namespace tessarine {
namespace {

// What stands for a month or a day that is not one, so that the parser
// says which of the two is wrong (13월 → 13, tháng Mười Ba → 0).
constexpr std::string_view kUnread = "0";

bool Strip(std::string_view& text, std::string_view prefix) {
  if (!text.starts_with(prefix)) return false;
  text.remove_prefix(prefix.size());
  return true;
}

bool StripEnd(std::string_view& text, std::string_view suffix) {
  if (!text.ends_with(suffix)) return false;
  text.remove_suffix(suffix.size());
  return true;
}

std::string_view LeadingDigits(std::string_view text) {
  std::size_t n = 0;
  while (n < text.size() && IsAsciiDigit(text[n])) ++n;
  return text.substr(0, n);
}

bool IsNumber(std::string_view text, std::size_t most) {
  return !text.empty() && text.size() <= most && AllAsciiDigits(text);
}

struct MonthMatch {
  unsigned month;
  std::size_t length;  // of the name matched, in bytes
};

// The month whose name in `language` `text` starts with: the longest such
// name, so that tháng Mười Một is not read as tháng Mười.
std::optional<MonthMatch> MonthAtStart(std::string_view text, Language language) {
  std::optional<MonthMatch> best;
  for (unsigned month = 1; month <= 12; ++month) {
    for (const MonthNaming naming : {MonthNaming::WinterAndLast, MonthNaming::Numbered}) {
      const std::string name = FoldedWord(MonthName(month, false, naming, language));
      if (text.starts_with(name) && (!best || name.size() > best->length)) best = MonthMatch{month, name.size()};
    }
  }
  return best;
}

std::optional<unsigned> DayNamed(std::string_view text, Language language) {
  for (unsigned day = 1; day <= 30; ++day) {
    if (FoldedWord(DayName(day, language)) == text) return day;
  }
  return std::nullopt;
}

std::string Numbers(bool leap, std::string_view month, std::string_view day) {
  return std::string(leap ? "闰" : "").append(month).append("-").append(day);
}

// 3.8, 윤3.15, and a Gregorian day with its year, 1960.4.3. or 1960. 4. 3.
std::optional<NumberedDate> KoreanDots(std::string_view text, bool leap, bool marked) {
  StripEnd(text, ".");
  const std::size_t first = text.find('.');
  if (first == std::string_view::npos) return std::nullopt;
  const std::string_view month = text.substr(0, first), rest = text.substr(first + 1);
  const std::size_t second = rest.find('.');
  if (second == std::string_view::npos) {
    if (!IsNumber(month, 2) || !IsNumber(rest, 2)) return std::nullopt;
    return NumberedDate{Numbers(leap, month, rest)};
  }
  if (month.size() != 4 || !AllAsciiDigits(month) || !IsNumber(rest.substr(0, second), 2) ||
      !IsNumber(rest.substr(second + 1), 2)) {
    return std::nullopt;
  }
  return NumberedDate{{}, marked ? YearInDate::LunarYear : YearInDate::GregorianDay};
}

// 3월 8일, 윤3월 3일, 음력 10월 5일, 음 3.8, 3.8; with a year, 1960년 4월 3일
// or 음력 을사년 뱀띠 12월 29일, as the program writes a date with its year.
std::optional<NumberedDate> Korean(std::string_view text) {
  const bool marked = Strip(text, "음력") || Strip(text, "음");
  YearInDate year = YearInDate::None;
  if (const std::size_t at = text.find("년"); at != std::string_view::npos) {
    const std::string_view yearText = text.substr(0, at);
    text.remove_prefix(at + std::string_view("년").size());
    if (const std::size_t animal = text.find("띠"); animal != std::string_view::npos) {
      text.remove_prefix(animal + std::string_view("띠").size());
    }
    year = !marked && yearText.size() == 4 && AllAsciiDigits(yearText) ? YearInDate::GregorianDay : YearInDate::LunarYear;
  }
  const bool leap = Strip(text, "윤");
  if (year == YearInDate::None) {
    if (auto dots = KoreanDots(text, leap, marked)) return dots;
  }
  constexpr std::string_view kMonth = "월";
  const std::size_t at = text.find(kMonth);
  if (at == std::string_view::npos) {
    if (year != YearInDate::None) return NumberedDate{{}, year};
    return std::nullopt;
  }
  const auto monthNamed = MonthAtStart(text, Language::Korean);
  const std::string month = monthNamed && monthNamed->length == at + kMonth.size() ? std::to_string(monthNamed->month)
                            : IsNumber(text.substr(0, at), 4)           ? std::string(text.substr(0, at))
                                                                       : std::string(kUnread);
  std::string_view dayText = text.substr(at + kMonth.size());
  const auto named = DayNamed(dayText, Language::Korean);
  StripEnd(dayText, "일");
  const std::string day = named ? std::to_string(*named) : IsNumber(dayText, 4) ? std::string(dayText) : std::string(kUnread);
  return NumberedDate{Numbers(leap, month, day), year};
}

// The day before tháng: mùng 8 or mồng 8 (both are standard), 8, rằm.
std::string VietnameseDay(std::string_view text) {
  std::string day(text);
  if (std::string_view(day).starts_with("mồng")) day.replace(0, std::string_view("mồng").size(), "mùng");
  if (const auto named = DayNamed(day, Language::Vietnamese)) return std::to_string(*named);
  std::string_view number(day);
  Strip(number, "mùng");
  return IsNumber(number, 4) ? std::string(number) : std::string(kUnread);
}

// mùng 8 tháng 3, 8 tháng Ba, rằm tháng Giêng, 23 tháng Chạp, 15 tháng 3
// nhuận (or tháng nhuận 3); with a year, ngày 3 tháng 4 năm 1960 or Âm
// lịch: 29 tháng Chạp năm Ất Tỵ, as the program writes a date with its year.
std::optional<NumberedDate> Vietnamese(std::string_view text) {
  constexpr std::string_view kLunar = "âmlịch", kLunarAfter = "(âmlịch)", kMonth = "tháng", kLeap = "nhuận";
  constexpr std::string_view kLeapMonth = "thángnhuận";
  bool marked = Strip(text, kLunar);
  Strip(text, ":");
  Strip(text, "ngày");
  const std::size_t at = text.find(kMonth);
  if (at == std::string_view::npos) return std::nullopt;
  const std::string day = VietnameseDay(text.substr(0, at));
  std::string monthText(text.substr(at));
  const bool leapFirst = std::string_view(monthText).starts_with(kLeapMonth);
  if (leapFirst) monthText.erase(kMonth.size(), kLeap.size());
  std::string_view rest(monthText);
  std::string month(kUnread);
  if (const auto named = MonthAtStart(rest, Language::Vietnamese)) {
    month = std::to_string(named->month);
    rest.remove_prefix(named->length);
  } else {
    rest.remove_prefix(kMonth.size());
    const std::string_view digits = LeadingDigits(rest);
    if (!digits.empty()) month = std::string(digits);
    rest.remove_prefix(digits.size());
  }
  const bool leap = Strip(rest, kLeap) || leapFirst;
  marked = StripEnd(rest, kLunarAfter) || StripEnd(rest, kLunar) || marked;
  YearInDate year = YearInDate::None;
  if (Strip(rest, "năm")) {
    const bool digits = rest.size() == 4 && AllAsciiDigits(rest) && AllAsciiDigits(month) && AllAsciiDigits(day);
    year = digits && !marked ? YearInDate::GregorianDay : YearInDate::LunarYear;
  }
  const bool monthRead = year != YearInDate::None || rest.empty();  // not tháng Mười Ba, tháng 3x
  return NumberedDate{Numbers(leap, monthRead ? std::string_view(month) : kUnread, day), year};
}

}  // namespace

std::optional<NumberedDate> NumberedLunarDate(std::string_view folded) {
  if (Strip(folded, "leap")) return NumberedDate{std::string("闰").append(folded)};  // leap 3-15
  if (auto vietnamese = Vietnamese(folded)) return vietnamese;
  return Korean(folded);
}

}  // namespace tessarine
