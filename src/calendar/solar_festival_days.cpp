// Each region's Gregorian festivals and national days, with the years each
// is kept and the sources they were taken from. A day is shown from the
// first year a source gives for it; where the sources give none, from the
// first anniversary of what it commemorates, and for the days of a state
// no earlier than that state's first year (1949 for the Republic of Korea's
// 국경일, 1946 for Vietnam's). Days the sources leave open are left out,
// and said so beside their table. Official days off are not festivals and
// are not here (the day after Good Friday, the first weekday after
// Christmas, a day moved to a Monday).
#include "calendar/solar_festival_days.h"

#include <array>
#include <limits>

namespace tessarine {
namespace {

using F = SolarFestival;
using Kind = SolarFestivalDay::Kind;
constexpr short kAll = std::numeric_limits<short>::min(), kOn = std::numeric_limits<short>::max();

constexpr SolarFestivalDay On(unsigned month, unsigned day, F festival, short from = kAll, short until = kOn) {
  return {Kind::Fixed, static_cast<unsigned char>(month), static_cast<unsigned char>(day), 0, festival, from, until};
}
// The `count`th `weekday` (0 Sunday … 6 Saturday) of the month.
constexpr SolarFestivalDay Nth(unsigned month, unsigned weekday, int count, F festival) {
  return {Kind::NthWeekday, static_cast<unsigned char>(month), static_cast<unsigned char>(weekday),
          static_cast<signed char>(count), festival, kAll, kOn};
}
constexpr SolarFestivalDay FromEaster(int days, F festival) {
  return {Kind::FromEaster, 0, 0, static_cast<signed char>(days), festival, kAll, kOn};
}

// The mainland: the days this calendar has always shown. 全国年节及纪念日
// 放假办法 (国务院 1949-12-23, rev. 2024-11-10; text at
// https://mzfsra.com/PolicyInformation/info.aspx?itemid=886) art. 2 and 3
// for 元旦, 妇女节, 劳动节, 青年节, 儿童节 and 国庆节, kept from 1949;
// 教师节 from 1985 (全国人大常委会关于教师节的决定, 1985-01-21).
constexpr std::array kChina = {
    On(1, 1, F::NewYearsDay),        On(2, 14, F::ValentinesDay),      On(3, 8, F::WomensDay),
    On(4, 1, F::AprilFools),         On(5, 1, F::LabourDay),           On(5, 4, F::YouthDay, 1949),
    On(6, 1, F::ChildrensDay, 1949), On(9, 10, F::TeachersDay, 1985),  On(10, 1, F::NationalDay, 1949),
    On(10, 31, F::Halloween),        On(12, 24, F::ChristmasEve),      On(12, 25, F::Christmas),
    Nth(5, 0, 2, F::MothersDay),     Nth(6, 0, 3, F::FathersDay),      Nth(11, 4, 4, F::Thanksgiving),
};

// Taiwan: the 紀念日 and 節日 of 紀念日及節日實施辦法 art. 2 (內政部 1954,
// https://law.moj.gov.tw/LawClass/LawSingle.aspx?pcode=D0020033&flno=2),
// kept from 1954: 革命先烈紀念日 (青年節) 3/29, 兒童節 4/4, 孔子誕辰紀念日
// (教師節) 9/28, 行憲紀念日 12/25; 國慶日 from the Republic's first year
// (1912); 和平紀念日 from 1997, the first year a source gives. The 2025
// 紀念日及節日實施條例 (華總一義字第11400053171號) renamed 臺灣光復節
// (10/25, kept from 1946) 臺灣光復暨金門古寧頭大捷紀念日 and made it, 勞動節
// and 教師節 days off again (人事總處, https://www.dgpa.gov.tw/
// information?uid=82&pid=12440). Left out, their place in the 2025 law
// unread: 反侵略日, 解嚴紀念日, 臺灣聯合國日, 國父誕辰紀念日, 植樹節.
constexpr std::array kTaiwan = {
    On(1, 1, F::NewYearsDay),
    On(2, 28, F::PeaceMemorialDay, 1997),
    On(3, 8, F::WomensDay),
    On(3, 29, F::TaiwanYouthDay, 1954),
    On(4, 4, F::TaiwanChildrensDay, 1954),
    On(5, 1, F::LabourDay),
    On(9, 28, F::TaiwanTeachersDay, 1954),
    On(10, 10, F::DoubleTenth, 1912),
    On(10, 25, F::RetrocessionDay, 1946, 2024),
    On(10, 25, F::RetrocessionAndGuningtouDay, 2025),
    On(12, 25, F::TaiwanConstitutionDay, 1954),
    On(12, 25, F::Christmas),
};

// Hong Kong: the General Holidays Ordinance (Cap. 149) Schedule,
// http://www.hklii.org/hk/legis/en/ord/149/sch.html, and the 2026 list of
// the 政府新聞公報 (2025-05-16): Good Friday, Easter Monday, Labour Day,
// HKSAR Establishment Day and National Day (both from 1997), Christmas.
// Labour Day is shown from 1999, when by common account it became a
// general holiday (the 1983 Schedule lacks it).
constexpr std::array kHongKong = {
    On(1, 1, F::NewYearsDay),
    FromEaster(-2, F::GoodFriday),
    FromEaster(1, F::EasterMonday),
    On(5, 1, F::LabourDay, 1999),
    On(7, 1, F::EstablishmentDay, 1997),
    On(10, 1, F::NationalDay, 1997),
    On(12, 25, F::Christmas),
};

// Korea: the 국경일 of 국경일에 관한 법률 (법률 제53호, 1949; 한글날 added
// by 법률 제7771호, 2005) and the days of 관공서의 공휴일에 관한 규정 art. 2,
// as quoted in https://www.hankyung.com/article/202103237338Q; 한글날 kept
// since 1949 (a 기념일 while not a day off, 1991-2012:
// https://www.wowtv.co.kr/NewsCenter/News/Read?articleId=A201309210058);
// 식목일 (https://hankyung.com/article/2005030262601); 어린이날 on 5/5 since
// 1946 (동아일보, https://donga.com/news/Entertainment/article/all/20150504/
// 71061970/3); 현충일 since 1956 (대통령령 제1145호); 국군의 날 from 1976,
// the first year a source gives (https://www.a-ha.io/questions/
// 45cd940fd14175c18573c8d99648a801); 근로자의 날 on 5/1 from 1994
// (https://hankyung.com/amp/1994012600271), named 노동절 from 2026
// (https://imnews.imbc.com/news/2025/society/article/6768958_36719.html).
// Left out, no source reached: 어버이날, 스승의 날.
constexpr std::array kKorea = {
    On(1, 1, F::NewYearsDay),
    On(3, 1, F::IndependenceMovementDay, 1949),
    On(4, 5, F::ArborDay, 1949),
    On(5, 1, F::WorkersDay, 1994, 2025),
    On(5, 1, F::LabourDay, 2026),
    On(5, 5, F::KoreanChildrensDay, 1946),
    On(6, 6, F::MemorialDay, 1956),
    On(7, 17, F::ConstitutionDay, 1949),
    On(8, 15, F::LiberationDay, 1949),
    On(10, 1, F::ArmedForcesDay, 1976),
    On(10, 3, F::NationalFoundationDay, 1949),
    On(10, 9, F::HangulDay, 1949),
    On(12, 25, F::Christmas),
};

// Vietnam: the ngày lễ lớn of Nghị định 145/2013/NĐ-CP art. 4
// (https://hethongphapluat.com/nghi-dinh-145-2013-nd-cp-quy-dinh-ve-to-chuc-
// ngay-ky-niem-nghi-thuc-trao-tang-don-nhan-hinh-thuc-khen-thuong-danh-hieu-
// thi-dua-nghi-le-doi-ngoai-va-don-tiep-khach-nuoc-ngoai/dieu-4) with the
// events they commemorate (3-2-1930, 30-4-1975, 7-5-1954, 19-5-1890,
// 19-8-1945, 2-9-1945); the days off of Bộ luật Lao động 2019 art. 112;
// the ngày truyền thống as LuatVietnam lists them
// (https://luatvietnam.vn/lao-dong-tien-luong/ngay-truyen-thong-tai-viet-nam-
// 562-94513-article.html): Thương binh – Liệt sĩ (under that name since
// 1975), Phụ nữ Việt Nam (Hội LHPN founded 20-10-1930), Quân đội nhân dân
// (22-12-1944); Ngày Nhà giáo Việt Nam from 1982 (Quyết định 167/HĐBT,
// 26-9-1982). Left out, not yet a settled day: Ngày Văn hóa Việt Nam
// (24/11); no source that calendars print it: Lễ Giáng sinh.
constexpr std::array kVietnam = {
    On(1, 1, F::NewYearsDay),
    On(2, 3, F::PartyFoundingDay, 1946),
    On(3, 8, F::WomensDay),
    On(4, 30, F::ReunificationDay, 1976),
    On(5, 1, F::LabourDay),
    On(5, 7, F::DienBienPhuVictory, 1955),
    On(5, 19, F::HoChiMinhsBirthday, 1946),
    On(6, 1, F::ChildrensDay, 1946),
    On(7, 27, F::InvalidsAndMartyrsDay, 1975),
    On(8, 19, F::AugustRevolution, 1946),
    On(9, 2, F::VietnamNationalDay, 1946),
    On(10, 20, F::VietnameseWomensDay, 1946),
    On(11, 20, F::VietnameseTeachersDay, 1982),
    On(12, 22, F::PeoplesArmyDay, 1946),
};

}  // namespace

std::span<const SolarFestivalDay> SolarFestivalDaysOf(Region region) {
  switch (region) {
    case Region::Taiwan: return kTaiwan;
    case Region::HongKong: return kHongKong;
    case Region::Korea: return kKorea;
    case Region::Vietnam: return kVietnam;
    case Region::China: break;
  }
  return kChina;
}

}  // namespace tessarine
