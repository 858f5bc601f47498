#include "ical_check.h"

#include <gtest/gtest.h>
#include <libical/ical.h>

#include <cstdio>

namespace tessarine::testing {
namespace {

std::string Yyyymmdd(icaltimetype time) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d%02d%02d", time.year, time.month, time.day);
  return text;
}

}  // namespace

std::map<std::string, std::string> ParseCalendar(std::string_view bytes) {
  std::map<std::string, std::string> events;
  EXPECT_FALSE(bytes.starts_with("\xEF\xBB\xBF")) << "a byte-order mark";
  for (std::size_t start = 0, end = 0; start < bytes.size(); start = end + 2) {
    end = std::min(bytes.find("\r\n", start), bytes.size());
    EXPECT_LE(end - start, 75u) << "a line longer than 75 octets: " << bytes.substr(start, end - start);
  }
  const std::string text(bytes);
  icalcomponent* calendar = icalparser_parse_string(text.c_str());
  if (calendar == nullptr) {
    ADD_FAILURE() << "libical could not parse the file";
    return events;
  }
  EXPECT_EQ(icalcomponent_isa(calendar), ICAL_VCALENDAR_COMPONENT);
  EXPECT_EQ(icalcomponent_count_errors(calendar), 0);
  for (icalcomponent* event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
       event != nullptr; event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
    const icaltimetype start = icalcomponent_get_dtstart(event);
    const icaltimetype end = icalcomponent_get_dtend(event);
    EXPECT_TRUE(start.is_date);
    EXPECT_TRUE(end.is_date);
    icaltimetype next = start;
    icaltime_adjust(&next, 1, 0, 0, 0);
    EXPECT_EQ(Yyyymmdd(end), Yyyymmdd(next)) << "event on " << Yyyymmdd(start);
    const char* uid = icalcomponent_get_uid(event);
    EXPECT_TRUE(uid != nullptr && std::string_view(uid).starts_with(Yyyymmdd(start)));
    const char* summary = icalcomponent_get_summary(event);
    const bool fresh = events.emplace(Yyyymmdd(start), summary ? summary : "").second;
    EXPECT_TRUE(fresh) << "two events on " << Yyyymmdd(start);
  }
  icalcomponent_free(calendar);
  return events;
}

}  // namespace tessarine::testing
