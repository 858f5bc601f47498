#include "holidays/china/notice_item.h"

#include <vector>

#include "holidays/china/notice_dates.h"

namespace tessarine {
namespace {

using std::chrono::sys_days;
using std::chrono::year_month_day;

constexpr std::string_view kNewYear = "元旦";

// Reads one item's sentences into `days`, the item's days by date.
class ItemReader {
 public:
  ItemReader(int noticeYear, const notice::Item& item, std::map<sys_days, HolidayDay>& days)
      : noticeYear_(noticeYear), item_(item), days_(days) {}

  Result<void, NoticeError> Read() {
    for (const std::string& sentence : notice::Split(item_.text, ".\n;")) {
      for (const std::string& clause : notice::Split(sentence, ",")) {
        const auto read = Clause(clause);
        if (!read) return Failure{NoticeError{read.error(), item_.name + ": " + sentence}};
      }
    }
    if (found_ == 0) return Failure{NoticeError{NoticeProblem::NoDays, item_.name + ":" + item_.text}};
    return {};
  }

 private:
  Result<void, NoticeProblem> Clause(std::string_view clause) {
    const auto holds = [clause](std::string_view word) { return clause.find(word) != std::string_view::npos; };
    const bool workdays = holds("上班");
    const bool daysOff = !workdays && (holds("放假") || holds("补休") || holds("调休"));
    // A clause that gives days must give every one it writes.
    if ((workdays || daysOff) && !notice::EveryDateRead(clause)) return Failure{NoticeProblem::UnreadClause};
    const std::vector<notice::WrittenDate> written = notice::DatesIn(clause);
    if ((workdays || daysOff) && !written.empty()) {
      std::vector<sys_days> dates;
      std::optional<int> clauseYear;  // a year written earlier in the clause
      for (const notice::WrittenDate& date : written) {
        if (date.year) clauseYear = date.year;
        auto day = Resolve(date, clauseYear);
        if (!day) return Failure{NoticeProblem::NoSuchDate};
        if (date.rangeFromPrevious && !dates.empty()) {
          const sys_days from = dates.back();
          if (*day < from && !date.year) day = AYearLater(*day);
          if (*day - from > std::chrono::days{366}) return Failure{NoticeProblem::OutsideTheYear};
          for (sys_days d = from + std::chrono::days{1}; d < *day; d += std::chrono::days{1}) dates.push_back(d);
        }
        if (date.weekday && std::chrono::weekday{*day}.c_encoding() != *date.weekday) {
          return Failure{NoticeProblem::WrongWeekday};
        }
        dates.push_back(*day);
      }
      for (const sys_days date : dates) {
        if (auto added = Add(date, workdays ? HolidayKind::Workday : HolidayKind::DayOff); !added) return added;
      }
    }
    if (const auto count = notice::DayCount(clause); count && *count != daysOff_) {
      return Failure{NoticeProblem::CountMismatch};
    }
    return {};
  }

  // The day a written date means: in the year written in its clause, else
  // the notice's year, where a December in a 元旦 item is the year before.
  // A month not written is the one before it in the item.
  std::optional<sys_days> Resolve(const notice::WrittenDate& date, std::optional<int> clauseYear) {
    if (date.month) month_ = *date.month;
    int y = clauseYear.value_or(noticeYear_);
    if (!clauseYear && month_ == 12 && item_.name == kNewYear) y = noticeYear_ - 1;
    const year_month_day ymd{std::chrono::year{y}, std::chrono::month{static_cast<unsigned>(month_)},
                             std::chrono::day{static_cast<unsigned>(date.day)}};
    if (month_ == 0 || !ymd.ok()) return std::nullopt;
    return sys_days{ymd};
  }

  static sys_days AYearLater(sys_days date) {
    const year_month_day ymd{date};
    return sys_days{(ymd.year() + std::chrono::years{1}) / ymd.month() / ymd.day()};
  }

  Result<void, NoticeProblem> Add(sys_days date, HolidayKind kind) {
    const year_month_day ymd{date};
    const int y = static_cast<int>(ymd.year());
    const bool decemberBefore = item_.name == kNewYear && y == noticeYear_ - 1 && ymd.month() == std::chrono::December;
    if (y != noticeYear_ && !decemberBefore) return Failure{NoticeProblem::OutsideTheYear};
    const auto [at, fresh] = days_.try_emplace(date, HolidayDay{date, kind, item_.name});
    if (!fresh && at->second.kind != kind) return Failure{NoticeProblem::BothKinds};
    if (fresh) {
      ++found_;
      daysOff_ += kind == HolidayKind::DayOff;
    }
    return {};
  }

  const int noticeYear_;
  int month_ = 0;
  const notice::Item& item_;
  std::map<sys_days, HolidayDay>& days_;
  int found_ = 0;    // days this item added
  int daysOff_ = 0;  // of them, days off
};

}  // namespace

Result<void, NoticeError> ReadItem(int noticeYear, const notice::Item& item, std::map<sys_days, HolidayDay>& days) {
  return ItemReader(noticeYear, item, days).Read();
}

}  // namespace tessarine
