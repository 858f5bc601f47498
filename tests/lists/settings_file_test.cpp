// The window's settings.ini as the lists keep it: one setting changes one
// line, and every other line stays as it was.
#include "lists/settings_file.h"

#include <gtest/gtest.h>

namespace tessarine {
namespace {

TEST(SettingsFileTest, OneSettingChangesOneLine) {
  struct Case {
    const char* before;
    const char* key;
    const char* value;
    const char* after;
  };
  const Case cases[] = {
      {"", "holidayMarksAction", "true", "[General]\nholidayMarksAction=true\n"},
      {"[General]\na=1\nb=2\n", "a", "false", "[General]\na=false\nb=2\n"},
      {"[General]\r\nb=2\r\n[Other]\na=1\n", "a", "x", "[General]\r\nb=2\r\na=x\n[Other]\na=1\n"},
      {"; mine\n[Window]\nw=3", "a", "1", "; mine\n[Window]\nw=3\n\n[General]\na=1\n"},
      {"", "outputFolder", "/home/王/a,b \"c\"", "[General]\noutputFolder=\"/home/王/a,b \\\"c\\\"\"\n"},
      // A line end or tab in a value stays inside its line.
      {"[General]\na=1\n", "a", "x\r\ny\tz", "[General]\na=\"x\\r\\ny\\tz\"\n"},
      // A leading @ is doubled, bare or quoted: QSettings reads @String(x) as x.
      {"", "a", "@String(x)", "[General]\na=@@String(x)\n"},
      {"", "a", "@ b,c", "[General]\na=\"@@ b,c\"\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(WithSetting(c.before, c.key, c.value), c.after) << c.before;
}

}  // namespace
}  // namespace tessarine
