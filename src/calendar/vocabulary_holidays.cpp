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

}  // namespace

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
