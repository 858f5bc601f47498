#include "holidays/china/built_in_schedule.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace tessarine {
namespace {

using std::chrono::year;

// A run of days of one kind under one name, in the notice of `notice`.
struct Run {
  int notice;
  std::chrono::year_month_day first;
  int days;
  HolidayKind kind;
  std::string_view name;
};

constexpr HolidayKind Off = HolidayKind::DayOff;
constexpr HolidayKind Work = HolidayKind::Workday;

// Transcribed from each year's notice; the comments give its 共N天 total.
constexpr std::array kRuns = {
    // 2008: 29 days.
    Run{2008, year{2007} / 12 / 30, 3, Off, "元旦"}, Run{2008, year{2007} / 12 / 29, 1, Work, "元旦"},
    Run{2008, year{2008} / 2 / 6, 7, Off, "春节"}, Run{2008, year{2008} / 2 / 2, 2, Work, "春节"},
    Run{2008, year{2008} / 4 / 4, 3, Off, "清明节"},
    Run{2008, year{2008} / 5 / 1, 3, Off, "“五一”国际劳动节"}, Run{2008, year{2008} / 5 / 4, 1, Work, "“五一”国际劳动节"},
    Run{2008, year{2008} / 6 / 7, 3, Off, "端午节"}, Run{2008, year{2008} / 9 / 13, 3, Off, "中秋节"},
    Run{2008, year{2008} / 9 / 29, 7, Off, "国庆节"}, Run{2008, year{2008} / 9 / 27, 2, Work, "国庆节"},
    // 2009: 27 days.
    Run{2009, year{2009} / 1 / 1, 3, Off, "元旦"}, Run{2009, year{2009} / 1 / 4, 1, Work, "元旦"},
    Run{2009, year{2009} / 1 / 25, 7, Off, "春节"}, Run{2009, year{2009} / 1 / 24, 1, Work, "春节"},
    Run{2009, year{2009} / 2 / 1, 1, Work, "春节"}, Run{2009, year{2009} / 4 / 4, 3, Off, "清明节"},
    Run{2009, year{2009} / 5 / 1, 3, Off, "劳动节"}, Run{2009, year{2009} / 5 / 28, 3, Off, "端午节"},
    Run{2009, year{2009} / 5 / 31, 1, Work, "端午节"}, Run{2009, year{2009} / 10 / 1, 8, Off, "国庆节、中秋节"},
    Run{2009, year{2009} / 9 / 27, 1, Work, "国庆节、中秋节"}, Run{2009, year{2009} / 10 / 10, 1, Work, "国庆节、中秋节"},
    // 2010: 29 days.
    Run{2010, year{2010} / 1 / 1, 3, Off, "元旦"}, Run{2010, year{2010} / 2 / 13, 7, Off, "春节"},
    Run{2010, year{2010} / 2 / 20, 2, Work, "春节"}, Run{2010, year{2010} / 4 / 3, 3, Off, "清明节"},
    Run{2010, year{2010} / 5 / 1, 3, Off, "劳动节"}, Run{2010, year{2010} / 6 / 14, 3, Off, "端午节"},
    Run{2010, year{2010} / 6 / 12, 2, Work, "端午节"}, Run{2010, year{2010} / 9 / 22, 3, Off, "中秋节"},
    Run{2010, year{2010} / 9 / 19, 1, Work, "中秋节"}, Run{2010, year{2010} / 9 / 25, 1, Work, "中秋节"},
    Run{2010, year{2010} / 10 / 1, 7, Off, "国庆节"}, Run{2010, year{2010} / 9 / 26, 1, Work, "国庆节"},
    Run{2010, year{2010} / 10 / 9, 1, Work, "国庆节"},
    // 2011: 29 days.
    Run{2011, year{2011} / 1 / 1, 3, Off, "元旦"}, Run{2011, year{2011} / 2 / 2, 7, Off, "春节"},
    Run{2011, year{2011} / 1 / 30, 1, Work, "春节"}, Run{2011, year{2011} / 2 / 12, 1, Work, "春节"},
    Run{2011, year{2011} / 4 / 3, 3, Off, "清明节"}, Run{2011, year{2011} / 4 / 2, 1, Work, "清明节"},
    Run{2011, year{2011} / 4 / 30, 3, Off, "劳动节"}, Run{2011, year{2011} / 6 / 4, 3, Off, "端午节"},
    Run{2011, year{2011} / 9 / 10, 3, Off, "中秋节"}, Run{2011, year{2011} / 10 / 1, 7, Off, "国庆节"},
    Run{2011, year{2011} / 10 / 8, 2, Work, "国庆节"},
    // 2012: 27 days.
    Run{2012, year{2012} / 1 / 1, 3, Off, "元旦"}, Run{2012, year{2011} / 12 / 31, 1, Work, "元旦"},
    Run{2012, year{2012} / 1 / 22, 7, Off, "春节"}, Run{2012, year{2012} / 1 / 21, 1, Work, "春节"},
    Run{2012, year{2012} / 1 / 29, 1, Work, "春节"}, Run{2012, year{2012} / 4 / 2, 3, Off, "清明节"},
    Run{2012, year{2012} / 3 / 31, 2, Work, "清明节"}, Run{2012, year{2012} / 4 / 29, 3, Off, "劳动节"},
    Run{2012, year{2012} / 4 / 28, 1, Work, "劳动节"}, Run{2012, year{2012} / 6 / 22, 3, Off, "端午节"},
    Run{2012, year{2012} / 9 / 30, 8, Off, "中秋节、国庆节"}, Run{2012, year{2012} / 9 / 29, 1, Work, "中秋节、国庆节"},
    // 2013: 29 days.
    Run{2013, year{2013} / 1 / 1, 3, Off, "元旦"}, Run{2013, year{2013} / 1 / 5, 2, Work, "元旦"},
    Run{2013, year{2013} / 2 / 9, 7, Off, "春节"}, Run{2013, year{2013} / 2 / 16, 2, Work, "春节"},
    Run{2013, year{2013} / 4 / 4, 3, Off, "清明节"}, Run{2013, year{2013} / 4 / 7, 1, Work, "清明节"},
    Run{2013, year{2013} / 4 / 29, 3, Off, "劳动节"}, Run{2013, year{2013} / 4 / 27, 2, Work, "劳动节"},
    Run{2013, year{2013} / 6 / 10, 3, Off, "端午节"}, Run{2013, year{2013} / 6 / 8, 2, Work, "端午节"},
    Run{2013, year{2013} / 9 / 19, 3, Off, "中秋节"}, Run{2013, year{2013} / 9 / 22, 1, Work, "中秋节"},
    Run{2013, year{2013} / 10 / 1, 7, Off, "国庆节"}, Run{2013, year{2013} / 9 / 29, 1, Work, "国庆节"},
    Run{2013, year{2013} / 10 / 12, 1, Work, "国庆节"},
    // 2014: 22 days.
    Run{2014, year{2014} / 1 / 1, 1, Off, "元旦"}, Run{2014, year{2014} / 1 / 31, 7, Off, "春节"},
    Run{2014, year{2014} / 1 / 26, 1, Work, "春节"}, Run{2014, year{2014} / 2 / 8, 1, Work, "春节"},
    Run{2014, year{2014} / 4 / 5, 1, Off, "清明节"}, Run{2014, year{2014} / 4 / 7, 1, Off, "清明节"},
    Run{2014, year{2014} / 5 / 1, 3, Off, "劳动节"}, Run{2014, year{2014} / 5 / 4, 1, Work, "劳动节"},
    Run{2014, year{2014} / 6 / 2, 1, Off, "端午节"}, Run{2014, year{2014} / 9 / 8, 1, Off, "中秋节"},
    Run{2014, year{2014} / 10 / 1, 7, Off, "国庆节"}, Run{2014, year{2014} / 9 / 28, 1, Work, "国庆节"},
    Run{2014, year{2014} / 10 / 11, 1, Work, "国庆节"},
    // 2015: 23 days, and the commemoration of 09-03 announced in May: 26.
    Run{2015, year{2015} / 1 / 1, 3, Off, "元旦"}, Run{2015, year{2015} / 1 / 4, 1, Work, "元旦"},
    Run{2015, year{2015} / 2 / 18, 7, Off, "春节"}, Run{2015, year{2015} / 2 / 15, 1, Work, "春节"},
    Run{2015, year{2015} / 2 / 28, 1, Work, "春节"}, Run{2015, year{2015} / 4 / 5, 2, Off, "清明节"},
    Run{2015, year{2015} / 5 / 1, 1, Off, "劳动节"}, Run{2015, year{2015} / 6 / 20, 1, Off, "端午节"},
    Run{2015, year{2015} / 6 / 22, 1, Off, "端午节"}, Run{2015, year{2015} / 9 / 3, 3, Off, "抗战胜利70周年纪念日"},
    Run{2015, year{2015} / 9 / 6, 1, Work, "抗战胜利70周年纪念日"}, Run{2015, year{2015} / 9 / 27, 1, Off, "中秋节"},
    Run{2015, year{2015} / 10 / 1, 7, Off, "国庆节"}, Run{2015, year{2015} / 10 / 10, 1, Work, "国庆节"},
    // 2016: 24 days.
    Run{2016, year{2016} / 1 / 1, 1, Off, "元旦"}, Run{2016, year{2016} / 2 / 7, 7, Off, "春节"},
    Run{2016, year{2016} / 2 / 6, 1, Work, "春节"}, Run{2016, year{2016} / 2 / 14, 1, Work, "春节"},
    Run{2016, year{2016} / 4 / 4, 1, Off, "清明节"}, Run{2016, year{2016} / 5 / 1, 2, Off, "劳动节"},
    Run{2016, year{2016} / 6 / 9, 3, Off, "端午节"}, Run{2016, year{2016} / 6 / 12, 1, Work, "端午节"},
    Run{2016, year{2016} / 9 / 15, 3, Off, "中秋节"}, Run{2016, year{2016} / 9 / 18, 1, Work, "中秋节"},
    Run{2016, year{2016} / 10 / 1, 7, Off, "国庆节"}, Run{2016, year{2016} / 10 / 8, 2, Work, "国庆节"},
    // 2017: 24 days.
    Run{2017, year{2017} / 1 / 1, 2, Off, "元旦"}, Run{2017, year{2017} / 1 / 27, 7, Off, "春节"},
    Run{2017, year{2017} / 1 / 22, 1, Work, "春节"}, Run{2017, year{2017} / 2 / 4, 1, Work, "春节"},
    Run{2017, year{2017} / 4 / 2, 3, Off, "清明节"}, Run{2017, year{2017} / 4 / 1, 1, Work, "清明节"},
    Run{2017, year{2017} / 5 / 1, 1, Off, "劳动节"}, Run{2017, year{2017} / 5 / 28, 3, Off, "端午节"},
    Run{2017, year{2017} / 5 / 27, 1, Work, "端午节"}, Run{2017, year{2017} / 10 / 1, 8, Off, "中秋节、国庆节"},
    Run{2017, year{2017} / 9 / 30, 1, Work, "中秋节、国庆节"},
    // 2018: 23 days.
    Run{2018, year{2018} / 1 / 1, 1, Off, "元旦"}, Run{2018, year{2018} / 2 / 15, 7, Off, "春节"},
    Run{2018, year{2018} / 2 / 11, 1, Work, "春节"}, Run{2018, year{2018} / 2 / 24, 1, Work, "春节"},
    Run{2018, year{2018} / 4 / 5, 3, Off, "清明节"}, Run{2018, year{2018} / 4 / 8, 1, Work, "清明节"},
    Run{2018, year{2018} / 4 / 29, 3, Off, "劳动节"}, Run{2018, year{2018} / 4 / 28, 1, Work, "劳动节"},
    Run{2018, year{2018} / 6 / 18, 1, Off, "端午节"}, Run{2018, year{2018} / 9 / 24, 1, Off, "中秋节"},
    Run{2018, year{2018} / 10 / 1, 7, Off, "国庆节"}, Run{2018, year{2018} / 9 / 29, 2, Work, "国庆节"},
    // 2019: 21 days; 劳动节 made four days in March: 24.
    Run{2019, year{2018} / 12 / 30, 3, Off, "元旦"}, Run{2019, year{2018} / 12 / 29, 1, Work, "元旦"},
    Run{2019, year{2019} / 2 / 4, 7, Off, "春节"}, Run{2019, year{2019} / 2 / 2, 2, Work, "春节"},
    Run{2019, year{2019} / 4 / 5, 1, Off, "清明节"}, Run{2019, year{2019} / 5 / 1, 4, Off, "劳动节"},
    Run{2019, year{2019} / 4 / 28, 1, Work, "劳动节"}, Run{2019, year{2019} / 5 / 5, 1, Work, "劳动节"},
    Run{2019, year{2019} / 6 / 7, 1, Off, "端午节"}, Run{2019, year{2019} / 9 / 13, 1, Off, "中秋节"},
    Run{2019, year{2019} / 10 / 1, 7, Off, "国庆节"}, Run{2019, year{2019} / 9 / 29, 1, Work, "国庆节"},
    Run{2019, year{2019} / 10 / 12, 1, Work, "国庆节"},
    // 2020: 27 days; 春节 extended to 02-02 in January, which took the
    // workday of 02-01 into the holiday: 30.
    Run{2020, year{2020} / 1 / 1, 1, Off, "元旦"}, Run{2020, year{2020} / 1 / 24, 10, Off, "春节"},
    Run{2020, year{2020} / 1 / 19, 1, Work, "春节"}, Run{2020, year{2020} / 4 / 4, 3, Off, "清明节"},
    Run{2020, year{2020} / 5 / 1, 5, Off, "劳动节"}, Run{2020, year{2020} / 4 / 26, 1, Work, "劳动节"},
    Run{2020, year{2020} / 5 / 9, 1, Work, "劳动节"}, Run{2020, year{2020} / 6 / 25, 3, Off, "端午节"},
    Run{2020, year{2020} / 6 / 28, 1, Work, "端午节"}, Run{2020, year{2020} / 10 / 1, 8, Off, "国庆节、中秋节"},
    Run{2020, year{2020} / 9 / 27, 1, Work, "国庆节、中秋节"}, Run{2020, year{2020} / 10 / 10, 1, Work, "国庆节、中秋节"},
    // 2021: 31 days.
    Run{2021, year{2021} / 1 / 1, 3, Off, "元旦"}, Run{2021, year{2021} / 2 / 11, 7, Off, "春节"},
    Run{2021, year{2021} / 2 / 7, 1, Work, "春节"}, Run{2021, year{2021} / 2 / 20, 1, Work, "春节"},
    Run{2021, year{2021} / 4 / 3, 3, Off, "清明节"}, Run{2021, year{2021} / 5 / 1, 5, Off, "劳动节"},
    Run{2021, year{2021} / 4 / 25, 1, Work, "劳动节"}, Run{2021, year{2021} / 5 / 8, 1, Work, "劳动节"},
    Run{2021, year{2021} / 6 / 12, 3, Off, "端午节"}, Run{2021, year{2021} / 9 / 19, 3, Off, "中秋节"},
    Run{2021, year{2021} / 9 / 18, 1, Work, "中秋节"}, Run{2021, year{2021} / 10 / 1, 7, Off, "国庆节"},
    Run{2021, year{2021} / 9 / 26, 1, Work, "国庆节"}, Run{2021, year{2021} / 10 / 9, 1, Work, "国庆节"},
    // 2022: 31 days.
    Run{2022, year{2022} / 1 / 1, 3, Off, "元旦"}, Run{2022, year{2022} / 1 / 31, 7, Off, "春节"},
    Run{2022, year{2022} / 1 / 29, 2, Work, "春节"}, Run{2022, year{2022} / 4 / 3, 3, Off, "清明节"},
    Run{2022, year{2022} / 4 / 2, 1, Work, "清明节"}, Run{2022, year{2022} / 4 / 30, 5, Off, "劳动节"},
    Run{2022, year{2022} / 4 / 24, 1, Work, "劳动节"}, Run{2022, year{2022} / 5 / 7, 1, Work, "劳动节"},
    Run{2022, year{2022} / 6 / 3, 3, Off, "端午节"}, Run{2022, year{2022} / 9 / 10, 3, Off, "中秋节"},
    Run{2022, year{2022} / 10 / 1, 7, Off, "国庆节"}, Run{2022, year{2022} / 10 / 8, 2, Work, "国庆节"},
    // 2023: 27 days.
    Run{2023, year{2022} / 12 / 31, 3, Off, "元旦"}, Run{2023, year{2023} / 1 / 21, 7, Off, "春节"},
    Run{2023, year{2023} / 1 / 28, 2, Work, "春节"}, Run{2023, year{2023} / 4 / 5, 1, Off, "清明节"},
    Run{2023, year{2023} / 4 / 29, 5, Off, "劳动节"}, Run{2023, year{2023} / 4 / 23, 1, Work, "劳动节"},
    Run{2023, year{2023} / 5 / 6, 1, Work, "劳动节"}, Run{2023, year{2023} / 6 / 22, 3, Off, "端午节"},
    Run{2023, year{2023} / 6 / 25, 1, Work, "端午节"}, Run{2023, year{2023} / 9 / 29, 8, Off, "中秋节、国庆节"},
    Run{2023, year{2023} / 10 / 7, 2, Work, "中秋节、国庆节"},
    // 2024: 28 days.
    Run{2024, year{2024} / 1 / 1, 1, Off, "元旦"}, Run{2024, year{2024} / 2 / 10, 8, Off, "春节"},
    Run{2024, year{2024} / 2 / 4, 1, Work, "春节"}, Run{2024, year{2024} / 2 / 18, 1, Work, "春节"},
    Run{2024, year{2024} / 4 / 4, 3, Off, "清明节"}, Run{2024, year{2024} / 4 / 7, 1, Work, "清明节"},
    Run{2024, year{2024} / 5 / 1, 5, Off, "劳动节"}, Run{2024, year{2024} / 4 / 28, 1, Work, "劳动节"},
    Run{2024, year{2024} / 5 / 11, 1, Work, "劳动节"}, Run{2024, year{2024} / 6 / 10, 1, Off, "端午节"},
    Run{2024, year{2024} / 9 / 15, 3, Off, "中秋节"}, Run{2024, year{2024} / 9 / 14, 1, Work, "中秋节"},
    Run{2024, year{2024} / 10 / 1, 7, Off, "国庆节"}, Run{2024, year{2024} / 9 / 29, 1, Work, "国庆节"},
    Run{2024, year{2024} / 10 / 12, 1, Work, "国庆节"},
    // 2025: 28 days.
    Run{2025, year{2025} / 1 / 1, 1, Off, "元旦"}, Run{2025, year{2025} / 1 / 28, 8, Off, "春节"},
    Run{2025, year{2025} / 1 / 26, 1, Work, "春节"}, Run{2025, year{2025} / 2 / 8, 1, Work, "春节"},
    Run{2025, year{2025} / 4 / 4, 3, Off, "清明节"}, Run{2025, year{2025} / 5 / 1, 5, Off, "劳动节"},
    Run{2025, year{2025} / 4 / 27, 1, Work, "劳动节"}, Run{2025, year{2025} / 5 / 31, 3, Off, "端午节"},
    Run{2025, year{2025} / 10 / 1, 8, Off, "国庆节、中秋节"}, Run{2025, year{2025} / 9 / 28, 1, Work, "国庆节、中秋节"},
    Run{2025, year{2025} / 10 / 11, 1, Work, "国庆节、中秋节"},
    // 2026: 33 days.
    Run{2026, year{2026} / 1 / 1, 3, Off, "元旦"}, Run{2026, year{2026} / 1 / 4, 1, Work, "元旦"},
    Run{2026, year{2026} / 2 / 15, 9, Off, "春节"}, Run{2026, year{2026} / 2 / 14, 1, Work, "春节"},
    Run{2026, year{2026} / 2 / 28, 1, Work, "春节"}, Run{2026, year{2026} / 4 / 4, 3, Off, "清明节"},
    Run{2026, year{2026} / 5 / 1, 5, Off, "劳动节"}, Run{2026, year{2026} / 5 / 9, 1, Work, "劳动节"},
    Run{2026, year{2026} / 6 / 19, 3, Off, "端午节"}, Run{2026, year{2026} / 9 / 25, 3, Off, "中秋节"},
    Run{2026, year{2026} / 10 / 1, 7, Off, "国庆节"}, Run{2026, year{2026} / 9 / 20, 1, Work, "国庆节"},
    Run{2026, year{2026} / 10 / 10, 1, Work, "国庆节"},
};

}  // namespace

std::vector<int> BuiltInHolidayYears() {
  std::vector<int> years;
  for (const Run& run : kRuns) {
    if (years.empty() || years.back() != run.notice) years.push_back(run.notice);
  }
  return years;
}

std::optional<HolidaySchedule> BuiltInHolidaySchedule(int year) {
  HolidaySchedule schedule{year, {}};
  for (const Run& run : kRuns) {
    if (run.notice != year) continue;
    for (int i = 0; i < run.days; ++i) {
      schedule.days.push_back({std::chrono::sys_days{run.first} + std::chrono::days{i}, run.kind, std::string(run.name)});
    }
  }
  if (schedule.days.empty()) return std::nullopt;
  std::stable_sort(schedule.days.begin(), schedule.days.end(),
                   [](const HolidayDay& a, const HolidayDay& b) { return a.date < b.date; });
  return schedule;
}

}  // namespace tessarine
