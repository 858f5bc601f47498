// Taiwan's published 辦公日曆表, 2017–2027, transcribed from the DGPA's
// open-data CSV (data.gov.tw dataset 14718, 中華民國政府行政機關辦公日曆表,
// 行政院人事行政總處): each weekday off, each weekend workday and each
// holiday on a weekend, named by its 備註 as the CSV writes it.
#include <algorithm>
#include <array>
#include <string_view>

#include "holidays/taiwan/taiwan_schedule.h"

namespace tessarine {
namespace {

using std::chrono::year;

struct Entry {
  std::chrono::year_month_day date;
  HolidayKind kind;
  std::string_view name;
};

constexpr Entry Off(int y, unsigned m, unsigned d, std::string_view name) {
  return {year{y} / m / d, HolidayKind::DayOff, name};
}
constexpr Entry Work(int y, unsigned m, unsigned d, std::string_view name) {
  return {year{y} / m / d, HolidayKind::Workday, name};
}

constexpr std::string_view kMakeUp = "補假", kMoved = "調整放假";
// The 備註 of a 補班 Saturday: 調整上班 until 2020, 補行上班 from 2021.
constexpr std::string_view kWorkedOld = "調整上班", kWorked = "補行上班";
constexpr std::string_view kNewYear = "開國紀念日", kEve = "農曆除夕", kSpring = "春節", kPeace = "和平紀念日";
constexpr std::string_view kChildren = "兒童節", kTomb = "民族掃墓節", kBoth = "兒童節及民族掃墓節";
constexpr std::string_view kDragon = "端午節", kMoon = "中秋節", kNational = "國慶日", kLittleEve = "小年夜";
constexpr std::string_view kTeachers = "孔子誕辰紀念日/教師節", kRetrocession = "臺灣光復暨金門古寧頭大捷紀念日";
constexpr std::string_view kConstitution = "行憲紀念日", kQingming = "清明節", kLabour = "勞動節";

constexpr std::array kEntries = {
    // 106年: the DGPA table as reproduced by Bank of China (Taipei),
    // https://www.bankofchina.com/tw/bocinfo/bi1/201702/t20170213_8627945.html,
    // and CSV mirrors (jacktdry/TaiwanCalendar docs/2017.json).
    Off(2017, 1, 1, kNewYear), Off(2017, 1, 2, kMakeUp), Off(2017, 1, 27, kEve), Off(2017, 1, 28, kSpring),
    Off(2017, 1, 29, kSpring), Off(2017, 1, 30, kSpring), Off(2017, 1, 31, kMakeUp), Off(2017, 2, 1, kMakeUp),
    Work(2017, 2, 18, kWorkedOld), Off(2017, 2, 27, kMoved), Off(2017, 2, 28, kPeace), Off(2017, 4, 3, kMakeUp),
    Off(2017, 4, 4, kBoth), Off(2017, 5, 29, kMoved), Off(2017, 5, 30, kDragon), Work(2017, 6, 3, kWorkedOld),
    Work(2017, 9, 30, kWorkedOld), Off(2017, 10, 4, kMoon), Off(2017, 10, 9, kMoved), Off(2017, 10, 10, kNational),
    // 107年: "107年中華民國政府行政機關辦公日曆表.csv" (verbatim copy in
    // jacktdry/TaiwanCalendar); 115 days off.
    Off(2018, 1, 1, kNewYear), Off(2018, 2, 15, kEve), Off(2018, 2, 16, kSpring), Off(2018, 2, 17, kSpring),
    Off(2018, 2, 18, kSpring), Off(2018, 2, 19, kMakeUp), Off(2018, 2, 20, kMakeUp), Off(2018, 2, 28, kPeace),
    Work(2018, 3, 31, kWorkedOld), Off(2018, 4, 4, kChildren), Off(2018, 4, 5, kTomb), Off(2018, 4, 6, kMoved),
    Off(2018, 6, 18, kDragon), Off(2018, 9, 24, kMoon), Off(2018, 10, 10, kNational), Work(2018, 12, 22, kWorkedOld),
    Off(2018, 12, 31, kMoved),
    // 108年: the DGPA CSV as mirrored (ozakboy TaiwanHolidays Y2019.cs);
    // 115 days off.
    Off(2019, 1, 1, kNewYear), Work(2019, 1, 19, kWorkedOld), Off(2019, 2, 4, kEve), Off(2019, 2, 5, kSpring),
    Off(2019, 2, 6, kSpring), Off(2019, 2, 7, kSpring), Off(2019, 2, 8, kMoved), Work(2019, 2, 23, kWorkedOld),
    Off(2019, 2, 28, kPeace), Off(2019, 3, 1, kMoved), Off(2019, 4, 4, kChildren), Off(2019, 4, 5, kTomb),
    Off(2019, 6, 7, kDragon), Off(2019, 9, 13, kMoon), Work(2019, 10, 5, kWorkedOld), Off(2019, 10, 10, kNational),
    Off(2019, 10, 11, kMoved),
    // 109年: the DGPA CSV as mirrored (jacktdry docs/2020.json, ozakboy
    // Y2020.cs); 115 days off. The first year with 小年夜 off (調整放假).
    // 04-03 is 兒童節 moved to the day before 民族掃墓節 (辦法 第5條第2項).
    Off(2020, 1, 1, kNewYear), Off(2020, 1, 23, kMoved), Off(2020, 1, 24, kEve), Off(2020, 1, 25, kSpring),
    Off(2020, 1, 26, kSpring), Off(2020, 1, 27, kSpring), Off(2020, 1, 28, kMakeUp), Off(2020, 1, 29, kMakeUp),
    Work(2020, 2, 15, kWorkedOld), Off(2020, 2, 28, kPeace), Off(2020, 4, 2, kMakeUp), Off(2020, 4, 3, "放假"),
    Off(2020, 4, 4, kBoth), Work(2020, 6, 20, kWorkedOld), Off(2020, 6, 25, kDragon), Off(2020, 6, 26, kMoved),
    Work(2020, 9, 26, kWorkedOld), Off(2020, 10, 1, kMoon), Off(2020, 10, 2, kMoved), Off(2020, 10, 9, kMakeUp),
    Off(2020, 10, 10, kNational),
    // 110年: "110年中華民國政府行政機關辦公日曆表.csv" (verbatim copy in
    // jacktdry/TaiwanCalendar), approved by 行政院 109-05-28
    // 院授人培字第1090034163號函; 116 days off.
    Off(2021, 1, 1, kNewYear), Off(2021, 2, 10, kMoved), Off(2021, 2, 11, kEve), Off(2021, 2, 12, kSpring),
    Off(2021, 2, 13, kSpring), Off(2021, 2, 14, kSpring), Off(2021, 2, 15, kMakeUp), Off(2021, 2, 16, kMakeUp),
    Work(2021, 2, 20, kWorked), Off(2021, 2, 28, kPeace), Off(2021, 3, 1, kMakeUp), Off(2021, 4, 2, kMakeUp),
    Off(2021, 4, 4, kBoth), Off(2021, 4, 5, kMakeUp), Off(2021, 6, 14, kDragon), Work(2021, 9, 11, kWorked),
    Off(2021, 9, 20, kMoved), Off(2021, 9, 21, kMoon), Off(2021, 10, 10, kNational), Off(2021, 10, 11, kMakeUp),
    Off(2021, 12, 31, kMakeUp),
    // 111年: 行政院 110-05-28 院授人培字第1103001945號函 (as reproduced by
    // schools, https://sfses.chc.edu.tw/posts/761) and the mirrored CSV
    // (ozakboy Y2022.cs); 115 days off.
    Off(2022, 1, 1, kNewYear), Work(2022, 1, 22, kWorked), Off(2022, 1, 31, kEve), Off(2022, 2, 1, kSpring),
    Off(2022, 2, 2, kSpring), Off(2022, 2, 3, kSpring), Off(2022, 2, 4, kMoved), Off(2022, 2, 28, kPeace),
    Off(2022, 4, 4, kChildren), Off(2022, 4, 5, kTomb), Off(2022, 6, 3, kDragon), Off(2022, 9, 9, kMakeUp),
    Off(2022, 9, 10, kMoon), Off(2022, 10, 10, kNational),
    // 112年: approved 2022-06-07 (人事總處 release,
    // https://www.merit-times.com.tw/NewsPage.aspx?unid=791431) and the
    // mirrored CSV (ozakboy Y2023.cs); 116 days off.
    Off(2023, 1, 1, kNewYear), Off(2023, 1, 2, kMakeUp), Work(2023, 1, 7, kWorked), Off(2023, 1, 20, kLittleEve),
    Off(2023, 1, 21, kEve), Off(2023, 1, 22, kSpring), Off(2023, 1, 23, kSpring), Off(2023, 1, 24, kSpring),
    Off(2023, 1, 25, kMakeUp), Off(2023, 1, 26, kMakeUp), Off(2023, 1, 27, kMoved), Work(2023, 2, 4, kWorked),
    Work(2023, 2, 18, kWorked), Off(2023, 2, 27, kMoved), Off(2023, 2, 28, kPeace), Work(2023, 3, 25, kWorked),
    Off(2023, 4, 3, kMoved), Off(2023, 4, 4, kChildren), Off(2023, 4, 5, kTomb), Work(2023, 6, 17, kWorked),
    Off(2023, 6, 22, kDragon), Off(2023, 6, 23, kMoved), Work(2023, 9, 23, kWorked), Off(2023, 9, 29, kMoon),
    Off(2023, 10, 9, kMoved), Off(2023, 10, 10, kNational),
    // 113年: 行政院 112-05-25 院授人培字第11230268412號函
    // (https://dyes.chc.edu.tw/posts/1408) and the mirrored CSV (ozakboy
    // Y2024.cs); 115 days off.
    Off(2024, 1, 1, kNewYear), Off(2024, 2, 8, kLittleEve), Off(2024, 2, 9, kEve), Off(2024, 2, 10, kSpring),
    Off(2024, 2, 11, kSpring), Off(2024, 2, 12, kSpring), Off(2024, 2, 13, kMakeUp), Off(2024, 2, 14, kMakeUp),
    Work(2024, 2, 17, kWorked), Off(2024, 2, 28, kPeace), Off(2024, 4, 4, kBoth), Off(2024, 4, 5, kMakeUp),
    Off(2024, 6, 10, kDragon), Off(2024, 9, 17, kMoon), Off(2024, 10, 10, kNational),
    // 114年 修正版: 行政院 114-06-13 院授人培字第11430248311號函, which added
    // the 條例's 09-28, 10-25 and 12-25 to the table of 113-06-27
    // (院授人培字第1133024943號函); "114年中華民國政府行政機關辦公日曆表
    // 修正版.csv" (verbatim copy in jacktdry/TaiwanCalendar); 118 days off.
    // That copy leaves the 備註 of 09-29 and 10-24 empty; the later reissue
    // as mirrored (ozakboy Y2025.cs) says 補假.
    Off(2025, 1, 1, kNewYear), Off(2025, 1, 27, kLittleEve), Off(2025, 1, 28, kEve), Off(2025, 1, 29, kSpring),
    Off(2025, 1, 30, kSpring), Off(2025, 1, 31, kSpring), Work(2025, 2, 8, kWorked), Off(2025, 2, 28, kPeace),
    Off(2025, 4, 3, kMakeUp), Off(2025, 4, 4, kBoth), Off(2025, 5, 30, kMakeUp), Off(2025, 5, 31, kDragon),
    Off(2025, 9, 28, "孔子誕辰紀念日"), Off(2025, 9, 29, kMakeUp), Off(2025, 10, 6, kMoon),
    Off(2025, 10, 10, kNational), Off(2025, 10, 24, kMakeUp), Off(2025, 10, 25, kRetrocession),
    Off(2025, 12, 25, kConstitution),
    // 115年: 行政院 114-06-13 院授人培字第11430248312號函
    // (https://hnps.chc.edu.tw/posts/987) and the CSV as mirrored
    // (SmallYuanSY/TaiwanHoliday, ozakboy Y2026.cs); 120 days off, no 補班.
    Off(2026, 1, 1, kNewYear), Off(2026, 2, 15, kLittleEve), Off(2026, 2, 16, kEve), Off(2026, 2, 17, kSpring),
    Off(2026, 2, 18, kSpring), Off(2026, 2, 19, kSpring), Off(2026, 2, 20, kMakeUp), Off(2026, 2, 27, kMakeUp),
    Off(2026, 2, 28, kPeace), Off(2026, 4, 3, kMakeUp), Off(2026, 4, 4, kChildren), Off(2026, 4, 5, kQingming),
    Off(2026, 4, 6, kMakeUp), Off(2026, 5, 1, kLabour), Off(2026, 6, 19, kDragon), Off(2026, 9, 25, kMoon),
    Off(2026, 9, 28, kTeachers), Off(2026, 10, 9, kMakeUp), Off(2026, 10, 10, kNational),
    Off(2026, 10, 25, kRetrocession), Off(2026, 10, 26, kMakeUp), Off(2026, 12, 25, kConstitution),
    // 116年: the CSV as re-encoded in SmallYuanSY/TaiwanHoliday
    // data/taiwan_holidays_2027.csv (the 行政院 letter's number not seen);
    // 121 days off, no 補班.
    Off(2027, 1, 1, kNewYear), Off(2027, 2, 4, kLittleEve), Off(2027, 2, 5, kEve), Off(2027, 2, 6, kSpring),
    Off(2027, 2, 7, kSpring), Off(2027, 2, 8, kSpring), Off(2027, 2, 9, kMakeUp), Off(2027, 2, 10, kMakeUp),
    Off(2027, 2, 28, kPeace), Off(2027, 3, 1, kMakeUp), Off(2027, 4, 4, kChildren), Off(2027, 4, 5, kQingming),
    Off(2027, 4, 6, kMakeUp), Off(2027, 4, 30, kMakeUp), Off(2027, 5, 1, kLabour), Off(2027, 6, 9, kDragon),
    Off(2027, 9, 15, kMoon), Off(2027, 9, 28, kTeachers), Off(2027, 10, 10, kNational), Off(2027, 10, 11, kMakeUp),
    Off(2027, 10, 25, kRetrocession), Off(2027, 12, 24, kMakeUp), Off(2027, 12, 25, kConstitution),
    Off(2027, 12, 31, kMakeUp),
};

}  // namespace

std::vector<int> PublishedTaiwanYears() {
  std::vector<int> years;
  for (const Entry& entry : kEntries) {
    const int y = static_cast<int>(entry.date.year());
    if (years.empty() || years.back() != y) years.push_back(y);
  }
  return years;
}

std::optional<HolidaySchedule> PublishedTaiwanSchedule(int y) {
  HolidaySchedule schedule{y, {}};
  for (const Entry& entry : kEntries) {
    if (entry.date.year() != year{y}) continue;
    schedule.days.push_back({std::chrono::sys_days{entry.date}, entry.kind, std::string(entry.name),
                             HolidayStatus::Official});
  }
  if (schedule.days.empty()) return std::nullopt;
  std::sort(schedule.days.begin(), schedule.days.end(),
            [](const HolidayDay& a, const HolidayDay& b) { return a.date < b.date; });
  return schedule;
}

}  // namespace tessarine
