// Each region's lunar festivals by lunar month and day, with the sources
// they were taken from. A region keeps a festival only where a source says
// its calendars print it; a day the sources leave open is left out, and
// said so beside its table.
#include "calendar/lunar_festivals.h"

#include <array>
#include <span>

namespace tessarine {
namespace {

struct FestivalDay {
  unsigned month;
  unsigned day;
  LunarFestival festival;
};

using F = LunarFestival;

// The mainland: the festivals this calendar has always shown. 全国年节及纪念日
// 放假办法 (国务院, 1949, rev. 2024) art. 2 for 春节, 端午节, 中秋节; the
// folk dates (腊八 12/8, 小年 12/23, 寒衣 10/1) as in 中国节日 references,
// e.g. http://www.zg-d.com/Shownews.asp?ID=67.
constexpr std::array<FestivalDay, 12> kChina = {{
    {1, 1, F::NewYear},
    {1, 2, F::NewYearSecond},
    {1, 3, F::NewYearThird},
    {1, 15, F::FirstFullMoon},
    {5, 5, F::DragonBoat},
    {7, 7, F::Qixi},
    {7, 15, F::MidYear},
    {8, 15, F::MidAutumn},
    {9, 9, F::DoubleNinth},
    {10, 1, F::WinterClothes},
    {12, 8, F::Laba},
    {12, 23, F::KitchenGods},
}};

// Taiwan: 春節 1/1-1/3, 端午節, 中秋節 and 農曆除夕 are the 民俗節日 of
// 公務人員週休二日實施辦法 art. 3; 佛陀誕辰紀念日 (4/8) a 紀念日 of
// 紀念日及節日實施辦法 art. 2 (https://law.moj.gov.tw/LawClass/
// LawSingle.aspx?pcode=D0020033&flno=2); 小年夜, the day before 除夕, a day
// off by 紀念日及節日實施條例 (2025, 華總一義字第11400053171號). Folk days:
// 天公生 1/9 (教育部國語辭典), 尾牙 12/16 (https://taiwanfolk.com/feature/
// detail/21), 送神 12/24 (聯合新聞網, https://udn.com/news/story/123907/
// 9322713). Left out, no source found that Taiwan's calendars print them:
// 七夕, 下元, 媽祖生; 小年 is 送神 here, a day later than the mainland's.
constexpr std::array<FestivalDay, 12> kTaiwan = {{
    {1, 1, F::NewYear},
    {1, 2, F::NewYearSecond},
    {1, 3, F::NewYearThird},
    {1, 9, F::JadeEmperor},
    {1, 15, F::FirstFullMoon},
    {4, 8, F::BuddhasBirthday},
    {5, 5, F::DragonBoat},
    {7, 15, F::MidYear},
    {8, 15, F::MidAutumn},
    {9, 9, F::DoubleNinth},
    {12, 16, F::Weiya},
    {12, 24, F::SendingOffGods},
}};

// Hong Kong: the lunar general holidays of the General Holidays Ordinance
// (Cap. 149) Schedule, http://www.hklii.org/hk/legis/en/ord/149/sch.html:
// 農曆年初一 to 年初三, the Birthday of the Buddha (4/8), 端午節, 中秋節
// and 重陽節. Left out, no source found that calendars print them: 元宵,
// 盂蘭節, 天后誕. (清明 and 冬至 are solar terms, shown as terms.)
constexpr std::array<FestivalDay, 7> kHongKong = {{
    {1, 1, F::NewYear},
    {1, 2, F::NewYearSecond},
    {1, 3, F::NewYearThird},
    {4, 8, F::BuddhasBirthday},
    {5, 5, F::DragonBoat},
    {8, 15, F::MidAutumn},
    {9, 9, F::DoubleNinth},
}};

// Korea: 설날, 부처님오신날 (음력 4월 8일) and 추석 of 관공서의 공휴일에 관한
// 규정 art. 2; 정월대보름, 단오 and 칠석 of KASI's 월력요항 (as printed in
// https://m.ajunews.com/view/20180315115747771); of the 세시풍속 삼짇날 3/3
// (https://dark.namu.moe/w/%EC%82%BC%EC%A7%87%EB%82%A0), 백중 7/15
// (디지털성남문화대전, AKS) and 중양절 9/9 (시사저널,
// http://www.sisapress.com/journal/article/173864). 한식
// and 납일 are counted from the winter solstice instead (GetDayInfo).
constexpr std::array<FestivalDay, 9> kKorea = {{
    {1, 1, F::NewYear},
    {1, 15, F::FirstFullMoon},
    {3, 3, F::DoubleThird},
    {4, 8, F::BuddhasBirthday},
    {5, 5, F::DragonBoat},
    {7, 7, F::Qixi},
    {7, 15, F::MidYear},
    {8, 15, F::MidAutumn},
    {9, 9, F::DoubleNinth},
}};

// Vietnam: Tết Nguyên đán (1 tháng Giêng) and Giỗ Tổ Hùng Vương (10 tháng 3)
// are ngày lễ lớn of Nghị định 145/2013/NĐ-CP art. 4, and with the two days
// after Tết days off by Bộ luật Lao động 2019 art. 112; rằm Thượng nguyên,
// Trung nguyên and Hạ nguyên (1/15, 7/15, 10/15) as Giáo hội Phật giáo Việt
// Nam writes them (http://m.phatgiao.org.vn/Tag/T%E1%BA%BFt+l%C3%BAa+m%E1%BB%9Bi/);
// Tết Hàn thực 3/3 (Infonet, 2018), ông Công ông Táo 12/23. Vía Thần Tài
// (1/10), Thất Tịch (7/7) and Phật Đản (4/15) no source reached confirms as
// printed; the first two are kept because users asked for them by name, the
// last because this calendar has always shown it.
constexpr std::array<FestivalDay, 14> kVietnam = {{
    {1, 1, F::NewYear},
    {1, 2, F::NewYearSecond},
    {1, 3, F::NewYearThird},
    {1, 10, F::GodOfWealth},
    {1, 15, F::FirstFullMoon},
    {3, 3, F::ColdFood},
    {3, 10, F::HungKings},
    {4, 15, F::BuddhasBirthday},
    {5, 5, F::DragonBoat},
    {7, 7, F::Qixi},
    {7, 15, F::MidYear},
    {8, 15, F::MidAutumn},
    {10, 15, F::LowerYuan},
    {12, 23, F::KitchenGods},
}};

// Each region's festivals by month and day, looked up directly: every day
// written passes here. A leap month keeps its month's festivals.
using DayTable = std::array<std::array<std::optional<LunarFestival>, 31>, 13>;

constexpr DayTable ByDay(std::span<const FestivalDay> festivals) {
  DayTable table{};
  for (const FestivalDay& f : festivals) table[f.month][f.day] = f.festival;
  return table;
}

constexpr std::array<DayTable, kRegionCount> kByRegion = {
    ByDay(kChina), ByDay(kTaiwan), ByDay(kHongKong), ByDay(kKorea), ByDay(kVietnam),
};

// Days before the end of the lunar year: 0 on New Year's Eve, 1 the day
// before, or more. The twelfth month's leap copy, when the year has one,
// ends the year.
unsigned DaysBeforeYearEnd(const LunarDate& date, LunarCalendar calendar) {
  if (date.month != 12 || (!date.leap && LeapMonthOf(date.year, calendar) == 12)) return 30;
  const unsigned length = LunarMonthDays(date.year, 12, date.leap, calendar);
  return length >= date.day ? length - date.day : 30;
}

}  // namespace

FestivalList<LunarFestival> LunarFestivalsOn(const LunarDate& date, LunarCalendar calendar, Region region) {
  FestivalList<LunarFestival> festivals;
  if (date.month < 1 || date.month > 12 || date.day < 1 || date.day > 30) return festivals;
  if (const auto f = kByRegion[static_cast<std::size_t>(region)][date.month][date.day]) festivals.push_back(*f);
  const unsigned beforeEnd = date.month == 12 && date.day >= 28 ? DaysBeforeYearEnd(date, calendar) : 30;
  // Every region keeps New Year's Eve (除夕, 섣달그믐, Giao thừa); Taiwan
  // also the day before it.
  if (beforeEnd == 0) festivals.push_back(F::NewYearsEve);
  if (beforeEnd == 1 && region == Region::Taiwan) festivals.push_back(F::LittleNewYearsEve);
  return festivals;
}

}  // namespace tessarine
