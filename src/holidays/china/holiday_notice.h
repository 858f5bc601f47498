// Reads the State Council's holiday notices, pasted from a web page as a
// person copies it: the yearly notice (国务院办公厅关于某年部分节假日安排的
// 通知) into that year's days off and make-up workdays, and the rarer
// notices that change a year already announced (a holiday adjusted, a
// holiday extended, a commemoration added) into that change.
//
// A notice is read whole or refused. The holidays its opening sentence
// names (现将2027年元旦、春节、…通知如下) must each have an item that yields
// days, every numbered item must be read, the last must close its sentence,
// and a text without that sentence must hold every holiday of a yearly
// notice, or it may have been cut short. A yearly notice whose days do not
// add up (holidays/china/notice_balance.h) is refused too, unless the caller reads
// it for the user to confirm.
// Full-width or ASCII punctuation, traditional characters, pinyin in
// brackets, 周X notes (checked against their dates) and text before and
// after the notice are all accepted.
//
// Errors: what the reader cannot read with certainty it refuses, with the
// reason and the sentence (holidays/china/notice_error.h); nothing is guessed.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/result.h"
#include "holidays/china/built_in_schedule.h"
#include "holidays/china/notice_balance.h"
#include "holidays/china/notice_error.h"

namespace tessarine {

struct HolidayNotice {
  // A yearly notice: the year's days. A change: the days it sets.
  HolidaySchedule schedule;
  // A change to a year already announced, merged into it by ApplyNotice:
  // the holiday changed (劳动节, 春节, or a commemoration it adds).
  std::optional<std::string> changedHoliday;
  // For an extension (延长2020年春节假期至2月2日): the holiday's last day now.
  std::optional<std::chrono::sys_days> extendedTo;
  // Blocks whose days do not add up (holidays/china/notice_balance.h), when read
  // with IfUnbalanced::Read: for the user to confirm before storing.
  std::vector<BlockBalance> unbalanced;
};

// What becomes of a notice whose days do not add up: refused
// (NoticeProblem::Unbalanced, naming the blocks), or read with its
// `unbalanced` blocks, for a user who has checked the text to store it.
enum class IfUnbalanced { Refuse, Read };

// `givenYear` reads a text that names no year (items copied without their
// title); a text that names another year is refused.
Result<HolidayNotice, NoticeError> ParseHolidayNotice(std::string_view text,
                                                      std::optional<int> givenYear = std::nullopt,
                                                      IfUnbalanced ifUnbalanced = IfUnbalanced::Refuse);

// The year's days after the notice: a yearly notice's own, or `known` (the
// year as known now, the user's or built in) with the change merged in.
Result<HolidaySchedule, NoticeError> ApplyNotice(const HolidayNotice& notice,
                                                 const std::optional<HolidaySchedule>& known);

}  // namespace tessarine
