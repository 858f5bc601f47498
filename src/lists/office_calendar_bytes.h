// The bytes of a Taiwanese 辦公日曆表 CSV as downloaded, as text for its
// reader (holidays/taiwan/office_calendar.h): the DGPA publishes some years
// in UTF-8 with a byte-order mark and others (and reissues) in Big5, code
// page 950. Bytes that stop inside their last character are a download cut
// short, not another encoding.
#pragma once

#include <string>
#include <string_view>

#include "calendar/result.h"
#include "holidays/taiwan/office_calendar.h"

namespace tessarine {

enum class OfficeCalendarEncoding { Utf8, Utf8WithByteOrderMark, Big5 };

struct DecodedOfficeCalendar {
  std::string text;  // UTF-8, without a byte-order mark
  OfficeCalendarEncoding encoding = OfficeCalendarEncoding::Utf8;
};

// The text, or NotText or CutShort (with the line the bytes stop in).
Result<DecodedOfficeCalendar, OfficeCalendarError> DecodeOfficeCalendarBytes(std::string_view bytes);

// The file read whole, or why not: DecodeOfficeCalendarBytes, then
// ReadOfficeCalendar.
Result<OfficeCalendar, OfficeCalendarError> ReadOfficeCalendarBytes(std::string_view bytes);

}  // namespace tessarine
