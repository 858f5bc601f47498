#include "holidays/china/holiday_notice.h"

#include <algorithm>
#include <array>
#include <map>

#include "holidays/china/statutory_days.h"
#include "calendar/year_range.h"
#include "holidays/china/notice_change.h"
#include "holidays/china/notice_item.h"
#include "holidays/china/notice_names.h"
#include "holidays/china/notice_text.h"

namespace tessarine {
namespace {

using std::chrono::sys_days;

// How a refusal names public holidays.
constexpr std::array<std::string_view, 7> kHolidayNames = {"元旦", "春节", "清明节", "劳动节",
                                                           "端午节", "中秋节", "国庆节"};

std::string_view NameOf(PublicHoliday holiday) { return kHolidayNames[static_cast<std::size_t>(holiday)]; }

bool Covers(const std::vector<notice::Item>& items, PublicHoliday holiday) {
  return std::any_of(items.begin(), items.end(), [holiday](const notice::Item& item) {
    const std::vector<PublicHoliday> named = NoticeHolidays(item.name);
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
Result<void, NoticeError> CheckCompleteness(std::string_view text, int year, const std::vector<notice::Item>& items) {
  if (const auto names = notice::OpeningNames(text)) {
    for (const std::string& name : *names) {
      for (const PublicHoliday holiday : NoticeHolidays(name)) {
        if (!Covers(items, holiday)) return Failure{NoticeError{NoticeProblem::MissingItem, name}};
      }
    }
    return {};
  }
  std::string missing;
  for (const PublicHoliday holiday : YearlyHolidays(year)) {
    if (!Covers(items, holiday)) missing.append(missing.empty() ? "" : "、").append(NameOf(holiday));
  }
  if (!missing.empty()) return Failure{NoticeError{NoticeProblem::TooFewHolidays, missing}};
  return {};
}

Result<int, NoticeError> YearOf(std::string_view text, std::optional<int> givenYear) {
  const std::vector<int> years = notice::NoticeYears(text);
  if (years.size() > 1) {
    return Failure{NoticeError{NoticeProblem::TwoNotices, std::to_string(years[0]) + "、" + std::to_string(years[1])}};
  }
  if (!years.empty() && givenYear && years[0] != *givenYear) {
    return Failure{
        NoticeError{NoticeProblem::YearDisagrees, std::to_string(years[0]) + "、" + std::to_string(*givenYear)}};
  }
  if (years.empty() && !givenYear) return Failure{NoticeError{NoticeProblem::NoYear, {}}};
  return years.empty() ? *givenYear : years[0];
}

// A text cut in the middle of its last item ("…10月4日照常公休；1") has no
// 。 after the item's last number: refused, for the days it may lose, and
// named by the sentence it stops in. What follows the item's last sentence
// (a page's links) may stand after it.
Result<void, NoticeError> CheckLastSentence(const notice::Item& last) {
  const std::string_view text = last.text;
  const std::size_t lastNumber = text.find_last_of("0123456789");
  const std::size_t from = lastNumber == std::string_view::npos ? 0 : lastNumber;
  const std::string_view after = text.substr(from);
  if (after.find("。") != std::string_view::npos || after.find('.') != std::string_view::npos) return {};
  std::size_t start = 0;
  for (const std::string_view mark : {std::string_view("。"), std::string_view("\n"), std::string_view(".")}) {
    if (const std::size_t at = text.rfind(mark, from); at != std::string_view::npos) {
      start = std::max(start, at + mark.size());
    }
  }
  const std::size_t end = std::min(text.size(), text.find('\n', from));
  return Failure{NoticeError{NoticeProblem::CutShort, last.name + ": " + std::string(text.substr(start, end - start))}};
}

std::string NamesOf(const std::vector<BlockBalance>& blocks) {
  std::string names;
  for (const BlockBalance& block : blocks) names.append(names.empty() ? "" : "、").append(block.name);
  return names;
}

Result<HolidayNotice, NoticeError> ReadYearly(std::string_view text, std::optional<int> givenYear,
                                              IfUnbalanced ifUnbalanced) {
  const auto year = YearOf(text, givenYear);
  if (!year) return Failure{year.error()};
  const int noticeYear = *year;
  if (!YearRange::Holds(noticeYear)) {
    return Failure{NoticeError{NoticeProblem::YearOutside, std::to_string(noticeYear)}};
  }
  const auto items = notice::Items(text);
  if (!items) return Failure{items.error()};
  if (auto checked = CheckLastSentence(items->back()); !checked) return Failure{std::move(checked).error()};
  std::map<sys_days, HolidayDay> days;
  for (const notice::Item& item : *items) {
    if (auto read = ReadItem(noticeYear, item, days); !read) return Failure{std::move(read).error()};
  }
  if (auto checked = CheckCompleteness(text, noticeYear, *items); !checked) return Failure{std::move(checked).error()};
  HolidayNotice notice;
  notice.schedule.year = noticeYear;
  for (auto& [date, day] : days) notice.schedule.days.push_back(std::move(day));
  notice.unbalanced = UnbalancedBlocks(notice.schedule);
  if (!notice.unbalanced.empty() && ifUnbalanced == IfUnbalanced::Refuse) {
    return Failure{NoticeError{NoticeProblem::Unbalanced, NamesOf(notice.unbalanced), notice.unbalanced}};
  }
  return notice;
}

}  // namespace

Result<HolidayNotice, NoticeError> ParseHolidayNotice(std::string_view pasted, std::optional<int> givenYear,
                                                      IfUnbalanced ifUnbalanced) {
  const auto text = notice::Normalised(pasted);
  if (!text) return Failure{text.error()};
  auto change = ReadChangeNotice(*text);
  if (!change) return Failure{std::move(change).error()};
  if (*change) return std::move(**change);
  return ReadYearly(*text, givenYear, ifUnbalanced);
}

Result<HolidaySchedule, NoticeError> ApplyNotice(const HolidayNotice& notice,
                                                 const std::optional<HolidaySchedule>& known) {
  if (!notice.changedHoliday) return notice.schedule;
  if (!known) return Failure{NoticeError{NoticeProblem::NothingToChange, std::to_string(notice.schedule.year)}};
  return MergeChange(notice, *known);
}

}  // namespace tessarine
