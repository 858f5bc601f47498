// The marks a region's official days carry in the language a file or the
// month view is written in: a day off and a make-up workday. The words of
// the language (Vocabulary::dayOff, ::workday: 休 and 班, 휴, Nghỉ and Làm
// bù) serve every region, but for two things each region's own people say:
// Taiwan calls its worked Saturday 補班 (the DGPA table's 補行上班), and
// Korea and Hong Kong never work a day in exchange, so they have no word
// for one.
#pragma once

#include <string_view>

#include "calendar/region.h"
#include "calendar/vocabulary.h"

namespace tessarine {

struct HolidayMarks {
  std::string_view dayOff;   // 休
  std::string_view workday;  // 班; empty for a region with no make-up workdays
  // After the mark of a day computed from the rules for a year its
  // government has not published yet, joined to it as the language joins
  // two words in brackets: 休、暂定, 휴, 예정, Nghỉ, dự kiến.
  std::string_view provisional;
  std::string_view joiner;
};

HolidayMarks HolidayMarksOf(Language language, Region region);

// The name of the region's official holidays in the language, as a calendar
// program lists the file: 法定节假日 (the mainland's, as its files have always
// been named), 대한민국 공휴일, 臺灣國定假日, 香港公眾假期, Ngày nghỉ lễ Việt Nam.
std::string_view HolidayCalendarNameOf(Language language, Region region);

}  // namespace tessarine
