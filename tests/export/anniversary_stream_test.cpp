// The anniversaries composed a year at a time add up to the very text the
// whole range gives at once: the same events in the same order, separate
// reminders that fall in the year before their day included.
#include "export/anniversary_stream.h"

#include <gtest/gtest.h>

#include "export/ical_writer.h"
#include "lists/anniversary_list.h"
#include "support/anniversary_events.h"
#include "support/byte_source.h"

namespace tessarine {
namespace {

TEST(AnniversaryStreamTest, TheSameTextAsTheWholeRange) {
  // Days at both ends of the year, in both calendars, with and without a
  // first year, and two entries on one day, so that ties keep their order.
  const std::vector<Anniversary> entries =
      ReadAnniversaryList("除夕前,腊月廿九\n春节,正月初一,1950\n生日,1960-01-02\n年末,1970-12-31\n"
                          "同日,正月初一\n闰月,闰四月十五,1901\n")
          .value()
          .entries;
  ASSERT_EQ(entries.size(), 6u);
  const struct {
    std::optional<int> remind;
    ReminderStyle style;
    bool published;
  } cases[] = {
      {std::nullopt, ReminderStyle::Alarm, false},
      {3, ReminderStyle::Alarm, true},
      {3, ReminderStyle::SeparateEvent, false},
      {40, ReminderStyle::SeparateEvent, false},   // reminders a month and more before, into the year before
      {400, ReminderStyle::SeparateEvent, true},   // more than a year before
      {0, ReminderStyle::SeparateEvent, false},    // on the day: no separate event
  };
  const auto moment = std::chrono::local_days{std::chrono::year{2026} / 12 / 9};
  for (const YearRange years : {std::get<YearRange>(YearRange::Checked(1901, 1930)),
                                std::get<YearRange>(YearRange::Checked(2100, 2100))}) {
    for (const auto& c : cases) {
      std::string whole;
      WriteIcal(whole, "纪念日", testing::AnniversaryEvents(entries, years, c.remind, c.style, Language::ZhHans), moment,
                c.published);
      AnniversaryStream stream(entries, years, c.remind, c.style, Language::ZhHans, "纪念日", moment, c.published);
      EXPECT_EQ(testing::AllOf([&] { return stream.Next(); }), whole)
          << static_cast<int>(years.first()) << " " << c.remind.value_or(-1) << " " << static_cast<int>(c.style);
    }
  }
}

}  // namespace
}  // namespace tessarine
