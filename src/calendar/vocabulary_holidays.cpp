// Which words mark a region's days off and make-up workdays in a language.
#include "calendar/vocabulary_holidays.h"

namespace tessarine {

HolidayMarks HolidayMarksOf(Language language, Region region) {
  const Vocabulary& words = VocabularyOf(language);
  switch (region) {
    case Region::Korea:
    case Region::HongKong:
      return {words.dayOff, {}};
    case Region::Taiwan:
      // Taiwan's word in Chinese; another language keeps its own.
      if (language == Language::ZhHant) return {words.dayOff, "補班"};
      if (language == Language::ZhHans) return {words.dayOff, "补班"};
      break;
    case Region::China:
    case Region::Vietnam:
      break;
  }
  return {words.dayOff, words.workday};
}

}  // namespace tessarine
