// What the reader of Hong Kong's holiday feed refuses, and where: a feed is
// read whole or not at all, so each refusal names the line at fault (1 for
// the first), for the front end to word.
#pragma once

#include <string>

namespace tessarine {

enum class FeedProblem {
  NotUtf8,           // bytes that are not UTF-8
  NotACalendar,      // the first line is not BEGIN:VCALENDAR: another kind of file
  CutShort,          // the text ends before END:VCALENDAR, or inside an event: the last line
  AfterTheEnd,       // text after END:VCALENDAR
  BadLine,           // a line that is no NAME:value, or an END that closes nothing open
  UnknownComponent,  // a component other than events (a VTODO, a second calendar)
  UnknownProperty,   // a property this reader does not know, which may change what an event means
  WrongVersion,      // VERSION other than 2.0, or CALSCALE other than GREGORIAN
  NotADate,          // DTSTART or DTEND not a day (VALUE=DATE:YYYYMMDD), or a day that does not exist
  NotOneDay,         // an event that lasts more or less than its day
  Recurring,         // RRULE, RDATE, EXDATE or RECURRENCE-ID: days the feed never has
  Cancelled,         // STATUS:CANCELLED
  Repeated,          // DTSTART, DTEND, DURATION, SUMMARY or UID twice in one event
  MissingDate,       // an event without DTSTART: its BEGIN line
  MissingName,       // an event without SUMMARY, or with an empty one: its BEGIN line
  NotTheFeed,        // an event whose UID is not the feed's YYYYMMDD@1823.gov.hk for its day
  SameDay,           // a second event on a day already read
  YearOutside,       // a day outside the calendar's years
  NoEvents,          // a calendar without a single event
};

struct FeedError {
  FeedProblem problem;
  int line = 0;      // where it was found; for NoEvents, the END:VCALENDAR
  std::string text;  // that line as read (unfolded), or what it names
};

}  // namespace tessarine
