// Which words mark a region's days off and make-up workdays in a language.
#include "calendar/vocabulary_holidays.h"

namespace tessarine {

namespace {

// "Not yet published, may still change": 暂定 as a schedule announced
// ahead is called in Chinese, 예정 (expected) as Korean calendars mark days
// still to be confirmed, dự kiến (planned) in Vietnamese.
struct Provisional {
  std::string_view word, joiner;
};

Provisional ProvisionalOf(Language language) {
  switch (language) {
    case Language::ZhHans: return {"暂定", "、"};
    case Language::ZhHant: return {"暫定", "、"};
    case Language::Korean: return {"예정", ", "};
    case Language::Vietnamese: return {"dự kiến", ", "};
  }
  return {"暂定", "、"};
}

// Each region's holidays by the name its own people give them, first in
// their own language: the mainland's 法定节假日; Taiwan's 國定假日 (the
// DGPA's 政府行政機關辦公日曆表 lists them as such); Hong Kong's 公眾假期,
// the general holidays of Cap. 149 in the government's Chinese; Korea's
// 공휴일 (관공서의 공휴일에 관한 규정); Vietnam's ngày nghỉ lễ (Bộ luật Lao
// động 2019, Điều 112: "Nghỉ lễ, tết"). Other languages say whose they are.
// By Region, then by Language (简体, 繁體, 한국어, Tiếng Việt).
constexpr std::string_view kCalendarNames[kRegionCount][4] = {
    {"法定节假日", "法定節假日", "중국 법정 공휴일", "Ngày nghỉ lễ Trung Quốc"},
    {"台湾国定假日", "臺灣國定假日", "대만 공휴일", "Ngày nghỉ lễ Đài Loan"},
    {"香港公众假期", "香港公眾假期", "홍콩 공휴일", "Ngày nghỉ lễ Hồng Kông"},
    {"韩国公休日", "韓國公休日", "대한민국 공휴일", "Ngày nghỉ lễ Hàn Quốc"},
    {"越南法定假日", "越南法定假日", "베트남 공휴일", "Ngày nghỉ lễ Việt Nam"},
};

}  // namespace

std::string_view HolidayCalendarNameOf(Language language, Region region) {
  return kCalendarNames[static_cast<int>(region)][static_cast<int>(language)];
}

HolidayMarks HolidayMarksOf(Language language, Region region) {
  const Vocabulary& words = VocabularyOf(language);
  const Provisional provisional = ProvisionalOf(language);
  HolidayMarks marks{words.dayOff, words.workday, provisional.word, provisional.joiner};
  switch (region) {
    case Region::Korea:
    case Region::HongKong:
      marks.workday = {};
      break;
    case Region::Taiwan:
      // Taiwan's word in Chinese; another language keeps its own.
      if (language == Language::ZhHant) marks.workday = "補班";
      if (language == Language::ZhHans) marks.workday = "补班";
      break;
    case Region::China:
    case Region::Vietnam:
      break;
  }
  return marks;
}

}  // namespace tessarine
