#include "holidays/korea/designated_days.h"

#include <array>
#include <string_view>
#include <variant>

namespace tessarine::korea {
namespace {

using std::chrono::year;

struct Designated {
  std::chrono::year_month_day date;
  std::string_view name;
};

// Election days are named as the 월력요항 names them, with their ordinal;
// a 임시공휴일 by its own name, with its occasion where it has one.
constexpr std::array kDesignated = {
    // 중앙선거관리위원회's date; 2018 월력요항 (충청투데이,
    // http://www.cctoday.co.kr/?mod=news&act=articleView&idxno=1042690).
    Designated{year{2018} / 6 / 13, "제7회 전국동시지방선거"},
    // 2020 월력요항 as transcribed (hyunbinseo/holidays-kr public/2020.json).
    Designated{year{2020} / 4 / 15, "제21대 국회의원선거"},
    // 국무회의 2020-07-21 (국민일보,
    // https://www.kmib.co.kr/article/view_amp.asp?arcid=0014823701).
    Designated{year{2020} / 8 / 17, "임시공휴일"},
    // 2022 월력요항 (hyunbinseo/holidays-kr public/2022.json).
    Designated{year{2022} / 3 / 9, "제20대 대통령선거"},
    Designated{year{2022} / 6 / 1, "제8회 전국동시지방선거"},
    // 인사혁신처, 국무회의 2023-09-05
    // (https://m.korea.kr/news/policyNewsView.do?newsId=148919798).
    Designated{year{2023} / 10 / 2, "임시공휴일"},
    // 2024 월력요항 (hyunbinseo/holidays-kr public/2024.json).
    Designated{year{2024} / 4 / 10, "제22대 국회의원선거"},
    // 국무회의 2024-09-03 (이코노미스트,
    // https://economist.co.kr/article/view/ecn202409030011).
    Designated{year{2024} / 10 / 1, "임시공휴일(국군의 날)"},
    // 국무회의 2025-01-14 (as reported in hyunbinseo/holidays-kr#16).
    Designated{year{2025} / 1 / 27, "임시공휴일"},
    // An election after a vacancy, not 임기만료: designated a 임시공휴일 by
    // 국무회의 2025-04-08 (https://v.daum.net/v/20250408103628071).
    Designated{year{2025} / 6 / 3, "제21대 대통령선거"},
    // 2026 월력요항 (hyunbinseo/holidays-kr public/2026.json).
    Designated{year{2026} / 6 / 3, "제9회 전국동시지방선거"},
    // 2027: no 임기만료 election (the next is 국회의원, 2028) and none
    // designated when the 2027 월력요항 was published (2026-06-29).
};

}  // namespace

YearRange DesignatedYears() { return std::get<YearRange>(YearRange::Checked(2018, 2027)); }

std::vector<NamedDay> DesignatedDays(int y) {
  std::vector<NamedDay> out;
  for (const Designated& d : kDesignated) {
    if (d.date.year() == year{y}) out.push_back({std::chrono::sys_days{d.date}, std::string(d.name)});
  }
  return out;
}

}  // namespace tessarine::korea
