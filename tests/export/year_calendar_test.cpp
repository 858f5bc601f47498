#include "export/year_calendar.h"

#include <gtest/gtest.h>

#include <set>

#include <fmt/format.h>

#include <map>
#include <vector>

#include "compose/template_engine.h"
#include "compose/title_format.h"
#include "support/dates.h"
#include "support/generated_file.h"
#include "support/ical_check.h"
#include "support/lines.h"

namespace tessarine {
namespace {

using namespace std::chrono;
using testing::Lines;
using testing::ParseCalendar;

const local_seconds kMoment = local_days{2013y / 1 / 6} + 14h + 25min + 30s;

std::string FileOf(int y, const TitleFormat& format, local_seconds moment = kMoment) {
  return testing::GeneratedFile(YearFilesRequest{testing::Years(y, y), format}, moment);
}

// libical reads the file back, and it holds, for every day of its year,
// exactly the title that composition gives that day.
void ExpectFileMatchesComposition(int y, const TitleFormat& format) {
  std::map<std::string, std::string> expected;
  for (sys_days date{year{y} / 1 / 1}; date <= sys_days{year{y} / 12 / 31}; date += days{1}) {
    const year_month_day ymd{date};
    const std::string title = TitleOf(date, format);
    if (!title.empty()) {
      expected[fmt::format("{:04}{:02}{:02}", static_cast<int>(ymd.year()), static_cast<unsigned>(ymd.month()),
                           static_cast<unsigned>(ymd.day()))] = title;
    }
  }
  EXPECT_EQ(ParseCalendar(FileOf(y, format)), expected) << y;
}

TEST(YearCalendarTest, NormalFormatFile) {
  const std::string file = FileOf(2013, {});
  EXPECT_TRUE(file.starts_with("BEGIN:VCALENDAR\r\n"));  // no byte-order mark
  EXPECT_TRUE(file.ends_with("END:VCALENDAR\r\n"));
  const auto lines = Lines(file);
  ASSERT_EQ(lines.size(), 4u + 10u * 365u + 1u);
  const std::vector<std::string> head(lines.begin(), lines.begin() + 14);
  const std::vector<std::string> expectedHead = {
      "BEGIN:VCALENDAR",
      "VERSION:2.0",
      "PRODID:Tessarine v" TESSARINE_PROJECT_VERSION "//EN",
      "X-WR-CALNAME:农历 2013",
      "BEGIN:VEVENT",
      "UID:20130101-lunar@tessarine",
      "DTSTART;VALUE=DATE:20130101",
      "DTEND;VALUE=DATE:20130102",
      "DTSTAMP:20130106T120000Z",
      "CREATED:20130106T120000Z",
      "SUMMARY:二十",
      "TRANSP:TRANSPARENT",
      "X-MICROSOFT-CDO-BUSYSTATUS:FREE",
      "END:VEVENT",
  };
  EXPECT_EQ(head, expectedHead);
  EXPECT_EQ(lines[lines.size() - 8], "DTEND;VALUE=DATE:20140101");
}

TEST(YearCalendarTest, LeapDayAndShortMonths) {
  const std::string leapYear = FileOf(2016, {});
  EXPECT_NE(leapYear.find("DTSTART;VALUE=DATE:20160229\r\n"), std::string::npos);
  EXPECT_EQ(Lines(leapYear).size(), 4u + 10u * 366u + 1u);
  EXPECT_EQ(FileOf(2013, {}).find("DTSTART;VALUE=DATE:20130229"), std::string::npos);
}

TEST(YearCalendarTest, FormatsAgreeWithCompositionAndParse) {
  struct Case {
    int year;
    TitleFormat format;
    int events;  // -1: whatever composition gives
  };
  const auto normal = [](DisplayMode mode, FestivalAndTerm both, bool without, MonthNaming naming) {
    return TitleFormat{naming, NormalFormat{mode, both, without}};
  };
  const auto custom = [](std::string_view text, bool collapse, MonthNaming naming) {
    return TitleFormat{naming, TemplateFormat{std::string(text), collapse}};
  };
  const auto winter = MonthNaming::WinterAndLast;
  const Case cases[] = {
      {2013, normal(DisplayMode::TermsOnly, FestivalAndTerm::Festival, false, winter), 24},
      {2013, normal(DisplayMode::FestivalsAndTerms, FestivalAndTerm::Festival, false, winter), 37},
      {2023, normal(DisplayMode::MonthAndDay, FestivalAndTerm::Both, false, MonthNaming::Numbered), 365},
      {2033, normal(DisplayMode::Day, FestivalAndTerm::Term, true, winter), 365},
      {2100, normal(DisplayMode::Day, FestivalAndTerm::Festival, false, winter), 365},
      {2014, custom(DefaultTemplate, true, winter), 365},
      {2014, custom("LD LT LF CW", false, MonthNaming::Numbered), 365},
      {2019, custom("LT,LF;CF\\", true, winter), 365},
      {2013, custom("", true, winter), 0},
      {2013, custom("LT\r\nLF\nCF", false, winter), -1},
  };
  for (const auto& c : cases) {
    if (c.events == 0) {  // a file with no event is no calendar, and is not written
      EXPECT_EQ(FileOf(c.year, c.format), "");
      continue;
    }
    ExpectFileMatchesComposition(c.year, c.format);
    if (c.events >= 0) {
      EXPECT_EQ(ParseCalendar(FileOf(c.year, c.format)).size(), static_cast<std::size_t>(c.events));
    }
  }
}

TEST(YearCalendarTest, TitlesAreEscapedAsText) {
  const std::string file = FileOf(2019, {MonthNaming::WinterAndLast, TemplateFormat{"LT,LF;CF\\ a\r\nb", false}});
  EXPECT_NE(file.find("SUMMARY:立春\\,除夕\\;\\\\ a\\nb\r\n"), std::string::npos);
}

// A day's UID is its date and the kind of calendar: a file regenerated in
// another format, or with marks, updates the days a calendar has imported
// instead of adding every day again.
TEST(YearCalendarTest, UidsFollowTheDayNotTheTitle) {
  const auto uids = [](const std::string& file) {
    std::vector<std::string> found;
    for (const auto& line : Lines(file)) {
      if (line.starts_with("UID:")) found.push_back(line);
    }
    return found;
  };
  const TitleFormat normal{};
  const TitleFormat terms{MonthNaming::WinterAndLast, NormalFormat{DisplayMode::MonthAndDay, FestivalAndTerm::Term, false}};
  const auto first = uids(FileOf(2026, normal));
  EXPECT_EQ(first, uids(FileOf(2026, terms, kMoment + days{400})));
  ASSERT_EQ(first.size(), 365u);
  EXPECT_EQ(first[0], "UID:20260101-lunar@tessarine");
  EXPECT_EQ(std::set<std::string>(first.begin(), first.end()).size(), 365u);
}

TEST(YearCalendarTest, ControlCharactersNeverReachTheFile) {
  const TitleFormat format{MonthNaming::WinterAndLast, TemplateFormat{"a\x1b[1mLD\vb\x7f\xC2\x9B" "c\td\xC2\x85" "e", false}};
  const std::string file = FileOf(2013, format);
  EXPECT_NE(file.find("SUMMARY:a[1m二十bc\td\\ne\r\n"), std::string::npos);
  for (const char c : file) {
    const auto byte = static_cast<unsigned char>(c);
    EXPECT_FALSE(byte < 0x20 && c != '\r' && c != '\n' && c != '\t') << int(byte);
  }
}

TEST(YearCalendarTest, FileNames) {
  EXPECT_EQ(YearFileName(2026y, kMoment), "Tessarine_2026_130106-142530.ics");
  EXPECT_EQ(YearFileName(1901y, local_days{2000y / 12 / 31} + 23h + 59min + 59s),
            "Tessarine_1901_001231-235959.ics");
}

// The characters of the program's words that zh-Hant writes otherwise:
// those of the Simplified vocabulary that the Traditional one never uses.
// Every word of the vocabulary is of three-byte CJK characters.
std::set<std::string> SimplifiedOnly() {
  const auto characters = [](const Vocabulary& words) {
    std::vector<std::string_view> all = {words.leap, words.anniversariesName};
    for (const auto* list : {&words.animals, &words.months}) all.insert(all.end(), list->begin(), list->end());
    all.insert(all.end(), words.calendarNames.begin(), words.calendarNames.end());
    all.insert(all.end(), words.moonPhases.begin(), words.moonPhases.end());
    all.insert(all.end(), words.dogDays.begin(), words.dogDays.end());
    all.insert(all.end(), words.nines.begin(), words.nines.end());
    all.insert(all.end(), words.terms.begin(), words.terms.end());
    all.insert(all.end(), words.lunarFestivals.begin(), words.lunarFestivals.end());
    all.insert(all.end(), words.gregorianFestivals.begin(), words.gregorianFestivals.end());
    std::set<std::string> found;
    for (const std::string_view word : all) {
      for (std::size_t at = 0; at + 3 <= word.size(); at += 3) found.emplace(word.substr(at, 3));
    }
    return found;
  };
  std::set<std::string> simplified = characters(VocabularyOf(Language::ZhHans));
  for (const std::string& c : characters(VocabularyOf(Language::ZhHant))) simplified.erase(c);
  return simplified;
}

// 繁體 files hold no Simplified form of the program's own words, in any
// title of a year, in the normal format or the default template.
TEST(YearCalendarTest, TraditionalFilesHoldNoSimplifiedWords) {
  const std::set<std::string> simplified = SimplifiedOnly();
  ASSERT_GE(simplified.size(), 20u);  // 龙 马 鸡 猪 腊 闰 惊 谷 满 种 处 节 …
  std::string almanacTemplate(DefaultTemplate);
  almanacTemplate.append(" LP LS");
  const TitleFormat formats[] = {
      {MonthNaming::WinterAndLast, NormalFormat{DisplayMode::MonthAndDay, FestivalAndTerm::Both, false},
       Language::ZhHant},
      {MonthNaming::WinterAndLast, TemplateFormat{almanacTemplate, true}, Language::ZhHant},
      {MonthNaming::WinterAndLast, NormalFormat{DisplayMode::Day, FestivalAndTerm::Both, false, true, true},
       Language::ZhHant}};
  for (const TitleFormat& format : formats) {
    for (const int y : {2014, 2023, 2026, 2033}) {
      const std::string file = FileOf(y, format);
      EXPECT_NE(file.find("X-WR-CALNAME:農曆 " + std::to_string(y)), std::string::npos);
      const auto titles = ParseCalendar(file);
      EXPECT_GE(titles.size(), 365u);
      for (const auto& [date, title] : titles) {
        for (const std::string& c : simplified) EXPECT_EQ(title.find(c), std::string::npos) << date << " " << title;
      }
    }
  }
}

// The Korean and Vietnamese calendars' files, read back by libical: named
// in their language, and titled by their own calendar where it parts from
// China's.
TEST(YearCalendarTest, KoreanAndVietnameseFiles) {
  struct Case {
    LunarCalendar calendar;
    Language language;
    int year;
    const char* name;
    const char* day;
    const char* title;
  };
  const Case cases[] = {
      {LunarCalendar::Korea, Language::Korean, 2027, "음력 2027", "20270207", "설날"},
      {LunarCalendar::Korea, Language::Korean, 2012, "음력 2012", "20120421", "음 윤3월"},
      {LunarCalendar::Vietnam, Language::Vietnamese, 1985, "Âm lịch 1985", "19850121", "Tết Nguyên Đán"},
      {LunarCalendar::Vietnam, Language::Vietnamese, 2030, "Âm lịch 2030", "20300202", "Tết Nguyên Đán"},
  };
  for (const auto& c : cases) {
    const TitleFormat format{MonthNaming::WinterAndLast, NormalFormat{}, c.language, c.calendar};
    const std::string file = FileOf(c.year, format);
    EXPECT_NE(file.find(std::string("X-WR-CALNAME:") + c.name + "\r\n"), std::string::npos) << c.name;
    const auto titles = ParseCalendar(file);
    EXPECT_GE(titles.size(), 365u);
    EXPECT_EQ(titles.at(c.day), c.title) << c.day;
  }
}

}  // namespace
}  // namespace tessarine
