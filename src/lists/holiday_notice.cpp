#include "lists/holiday_notice.h"

#include <algorithm>
#include <array>
#include <map>

#include "calendar/statutory_days.h"
#include "calendar/year_range.h"
#include "lists/notice_change.h"
#include "lists/notice_item.h"
#include "lists/notice_text.h"

namespace tessarine {
namespace {

using std::chrono::sys_days;

// How a refusal names public holidays.
constexpr std::array<std::string_view, 7> kHolidayNames = {"元旦", "春节", "清明节", "劳动节",
                                                           "端午节", "中秋节", "国庆节"};

std::string_view NameOf(PublicHoliday holiday) { return kHolidayNames[static_cast<std::size_t>(holiday)]; }

bool Covers(const std::vector<notice::Item>& items, PublicHoliday holiday) {
  return std::any_of(items.begin(), items.end(), [holiday](const notice::Item& item) {
    const std::vector<PublicHoliday> named = HolidaysNamed(item.name);
    return std::find(named.begin(), named.end(), holiday) != named.end();
  });
}

// The holidays a yearly notice of `year` grants: all seven from 2008, the
// four of the older rules before.
std::vector<PublicHoliday> YearlyHolidays(int year) {
  if (year >= 2008) {
    return {PublicHoliday::NewYear,    PublicHoliday::SpringFestival, PublicHoliday::Qingming, PublicHoliday::LabourDay,
            PublicHoliday::DragonBoat, PublicHoliday::MidAutumn,      PublicHoliday::NationalDay};
  }
  return {PublicHoliday::NewYear, PublicHoliday::SpringFestival, PublicHoliday::LabourDay, PublicHoliday::NationalDay};
}

// Every holiday the notice should hold has an item: those its opening
// sentence names, or, without one, every holiday of a yearly notice.
std::optional<NoticeError> CheckCompleteness(std::string_view text, int year, const std::vector<notice::Item>& items) {
  if (const auto names = notice::OpeningNames(text)) {
    for (const std::string& name : *names) {
      for (const PublicHoliday holiday : HolidaysNamed(name)) {
        if (!Covers(items, holiday)) return NoticeError{NoticeProblem::MissingItem, name};
      }
    }
    return std::nullopt;
  }
  std::string missing;
  for (const PublicHoliday holiday : YearlyHolidays(year)) {
    if (!Covers(items, holiday)) missing.append(missing.empty() ? "" : "、").append(NameOf(holiday));
  }
  if (!missing.empty()) return NoticeError{NoticeProblem::TooFewHolidays, missing};
  return std::nullopt;
}

std::variant<int, NoticeError> YearOf(std::string_view text, std::optional<int> givenYear) {
  const std::vector<int> years = notice::NoticeYears(text);
  if (years.size() > 1) {
    return NoticeError{NoticeProblem::TwoNotices, std::to_string(years[0]) + "、" + std::to_string(years[1])};
  }
  if (!years.empty() && givenYear && years[0] != *givenYear) {
    return NoticeError{NoticeProblem::YearDisagrees, std::to_string(years[0]) + "、" + std::to_string(*givenYear)};
  }
  if (years.empty() && !givenYear) return NoticeError{NoticeProblem::NoYear, {}};
  return years.empty() ? *givenYear : years[0];
}

std::variant<HolidayNotice, NoticeError> ReadYearly(std::string_view text, std::optional<int> givenYear) {
  const auto year = YearOf(text, givenYear);
  if (const auto* error = std::get_if<NoticeError>(&year)) return *error;
  const int noticeYear = std::get<int>(year);
  if (!YearRange::Holds(noticeYear)) {
    return NoticeError{NoticeProblem::YearOutside, std::to_string(noticeYear)};
  }
  const notice::ItemList items = notice::Items(text);
  if (items.items.empty()) return NoticeError{NoticeProblem::NoItems, {}};
  if (!items.unreadLine.empty()) return NoticeError{NoticeProblem::UnreadItem, items.unreadLine};
  std::map<sys_days, HolidayDay> days;
  for (const notice::Item& item : items.items) {
    if (auto error = ReadItem(noticeYear, item, days)) return *error;
  }
  if (auto error = CheckCompleteness(text, noticeYear, items.items)) return *error;
  HolidayNotice notice;
  notice.schedule.year = noticeYear;
  for (auto& [date, day] : days) notice.schedule.days.push_back(std::move(day));
  notice.unbalanced = UnbalancedBlocks(notice.schedule);
  return notice;
}

}  // namespace

std::variant<HolidayNotice, NoticeError> ParseHolidayNotice(std::string_view pasted, std::optional<int> givenYear) {
  const notice::NormalisedText normalised = notice::Normalised(pasted);
  if (!normalised.unclosedLine.empty()) return NoticeError{NoticeProblem::UnclosedBracket, normalised.unclosedLine};
  if (auto change = ReadChangeNotice(normalised.text)) return std::move(*change);
  return ReadYearly(normalised.text, givenYear);
}

std::variant<HolidaySchedule, NoticeError> ApplyNotice(const HolidayNotice& notice,
                                                       const std::optional<HolidaySchedule>& known) {
  if (!notice.changedHoliday) return notice.schedule;
  if (!known) return NoticeError{NoticeProblem::NothingToChange, std::to_string(notice.schedule.year)};
  return MergeChange(notice, *known);
}

}  // namespace tessarine
