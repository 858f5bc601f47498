// Vietnam's announced holiday arrangements for công chức, viên chức,
// 2023–2026: each holiday, nghỉ bù and swapped day off, and each Saturday
// worked in exchange (làm bù), as the Văn phòng Chính phủ letters and the
// ministry's notices set them.
#include <algorithm>
#include <array>
#include <string_view>

#include "holidays/vietnam/vietnam_schedule.h"

namespace tessarine {
namespace {

using std::chrono::year;

// A run of days of one kind under one name.
struct Run {
  std::chrono::year_month_day first;
  int days;
  HolidayKind kind;
  std::string_view name;
};

constexpr Run Off(int y, unsigned m, unsigned d, int days, std::string_view name) {
  return {year{y} / m / d, days, HolidayKind::DayOff, name};
}
constexpr Run Worked(int y, unsigned m, unsigned d, std::string_view name) {
  return {year{y} / m / d, 1, HolidayKind::Workday, name};
}

constexpr std::string_view kNewYear = "Tết Dương lịch", kTet = "Tết Âm lịch", kHungKings = "Giỗ Tổ Hùng Vương";
constexpr std::string_view kVictory = "Ngày Chiến thắng", kLabour = "Ngày Quốc tế lao động", kNational = "Quốc khánh";

constexpr std::array kRuns = {
    // 2023. Tết 01-20 to 01-26 and Quốc khánh 09-01, 09-02 with nghỉ bù
    // 09-04: Văn phòng Chính phủ 8056/VPCP-KGVX of 2022-12-01. The nghỉ bù
    // of 01-01 (Sunday), of Giỗ Tổ (Saturday 04-29) on 05-02 and of 30/4
    // (Sunday) on 05-03: Bộ luật Lao động 2019 Điều 111 khoản 3.
    Off(2023, 1, 1, 2, kNewYear), Off(2023, 1, 20, 7, kTet), Off(2023, 4, 29, 1, kHungKings),
    Off(2023, 4, 30, 1, kVictory), Off(2023, 5, 1, 1, kLabour), Off(2023, 5, 2, 1, kHungKings),
    Off(2023, 5, 3, 1, kVictory), Off(2023, 9, 1, 2, kNational), Off(2023, 9, 4, 1, kNational),
    // 2024. Tết 02-08 to 02-14 and Quốc khánh 09-02, 09-03: Thông báo
    // 5015/TB-LĐTBXH of 2023-11-22 (Bộ Lao động – Thương binh và Xã hội),
    // after 8662/VPCP-KGVX of 2023-11-03. Monday 04-29 swapped for Saturday
    // 05-04: 2450/VPCP-KGVX of 2024-04-12.
    Off(2024, 1, 1, 1, kNewYear), Off(2024, 2, 8, 7, kTet), Off(2024, 4, 18, 1, kHungKings),
    Off(2024, 4, 29, 2, kVictory), Worked(2024, 5, 4, kVictory), Off(2024, 5, 1, 1, kLabour),
    Off(2024, 9, 2, 2, kNational),
    // 2025. Tết 01-27 to 01-31 (the break 01-25 to 02-02), Friday 05-02
    // swapped for Saturday 04-26, Quốc khánh 09-01, 09-02: Thông báo
    // 6150/TB-LĐTBXH, after 8726/VPCP-KGVX of 2024-11-26.
    Off(2025, 1, 1, 1, kNewYear), Off(2025, 1, 27, 5, kTet), Off(2025, 4, 7, 1, kHungKings),
    Worked(2025, 4, 26, kLabour), Off(2025, 4, 30, 1, kVictory), Off(2025, 5, 1, 2, kLabour),
    Off(2025, 9, 1, 2, kNational),
    // 2026. Friday 01-02 swapped for Saturday 01-10: 12729/VPCP-KGVX of
    // 2025-12-25. Tết 02-16 to 02-20 (the break 02-14 to 02-22), and Monday
    // 08-31 swapped for Saturday 08-22 with Quốc khánh 09-01, 09-02: the
    // Văn phòng Chính phủ letter of about 2025-10-13 (its number not seen).
    // Giỗ Tổ on Sunday 04-26, nghỉ bù 04-27: Điều 111 khoản 3.
    Off(2026, 1, 1, 2, kNewYear), Worked(2026, 1, 10, kNewYear), Off(2026, 2, 16, 5, kTet),
    Off(2026, 4, 26, 2, kHungKings), Off(2026, 4, 30, 1, kVictory), Off(2026, 5, 1, 1, kLabour),
    Worked(2026, 8, 22, kNational), Off(2026, 8, 31, 3, kNational),
};

}  // namespace

std::vector<int> PublishedVietnamYears() {
  std::vector<int> years;
  for (const Run& run : kRuns) {
    const int y = static_cast<int>(run.first.year());
    if (years.empty() || years.back() != y) years.push_back(y);
  }
  return years;
}

std::optional<HolidaySchedule> PublishedVietnamSchedule(int y) {
  HolidaySchedule schedule{y, {}};
  for (const Run& run : kRuns) {
    if (run.first.year() != year{y}) continue;
    for (int i = 0; i < run.days; ++i) {
      const std::chrono::sys_days date = std::chrono::sys_days{run.first} + std::chrono::days{i};
      schedule.days.push_back({date, run.kind, std::string(run.name), HolidayStatus::Official});
    }
  }
  if (schedule.days.empty()) return std::nullopt;
  std::sort(schedule.days.begin(), schedule.days.end(),
            [](const HolidayDay& a, const HolidayDay& b) { return a.date < b.date; });
  return schedule;
}

}  // namespace tessarine
