// Regions and language tags: what a region decides by default, and the
// BCP 47 tags users and systems write for the four languages.
#include <gtest/gtest.h>

#include "calendar/region.h"
#include "calendar/vocabulary.h"

namespace tessarine {
namespace {

TEST(RegionTest, EachRegionsDefaults) {
  struct Case {
    std::string_view tag;
    Region region;
    LunarCalendar calendar;
    Language language;
  };
  const Case cases[] = {
      {"cn", Region::China, LunarCalendar::China, Language::ZhHans},
      {"tw", Region::Taiwan, LunarCalendar::China, Language::ZhHant},
      {"hk", Region::HongKong, LunarCalendar::China, Language::ZhHant},
      {"kr", Region::Korea, LunarCalendar::Korea, Language::Korean},
      {"vn", Region::Vietnam, LunarCalendar::Vietnam, Language::Vietnamese},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RegionOfTag(c.tag), c.region) << c.tag;
    EXPECT_EQ(RegionTag(c.region), c.tag);
    EXPECT_EQ(CalendarOf(c.region), c.calendar) << c.tag;
    EXPECT_EQ(DefaultLanguageOf(c.region), c.language) << c.tag;
  }
  EXPECT_EQ(RegionOfTag("KR"), Region::Korea);
  for (std::string_view bad : {"", "jp", "k", "krr", "china"}) EXPECT_FALSE(RegionOfTag(bad)) << bad;
}

// A command that names only its calendar keeps the region it always meant.
TEST(RegionTest, TheCalendarAloneNamesItsRegion) {
  for (const LunarCalendar calendar : {LunarCalendar::China, LunarCalendar::Korea, LunarCalendar::Vietnam}) {
    EXPECT_EQ(CalendarOf(RegionOf(calendar)), calendar);
  }
  EXPECT_EQ(RegionOf(LunarCalendar::China), Region::China);
}

TEST(RegionTest, LanguageTagsInBcp47) {
  struct Case {
    std::string_view tag;
    std::optional<Language> language;
    std::optional<Region> wording;
  };
  const Case cases[] = {
      {"zh-Hans", Language::ZhHans, std::nullopt},  {"zh-hant", Language::ZhHant, std::nullopt},
      {"zh-CN", Language::ZhHans, std::nullopt},    {"zh_SG", Language::ZhHans, std::nullopt},
      {"zh-TW", Language::ZhHant, Region::Taiwan},  {"ZH-HK", Language::ZhHant, Region::HongKong},
      {"zh-MO", Language::ZhHant, Region::HongKong}, {"zh-Hant-TW", Language::ZhHant, Region::Taiwan},
      {"zh-Hans-HK", Language::ZhHans, Region::HongKong}, {"zh", Language::ZhHans, std::nullopt},
      {"ko", Language::Korean, std::nullopt},       {"ko-KR", Language::Korean, std::nullopt},
      {"vi", Language::Vietnamese, std::nullopt},   {"vi_VN", Language::Vietnamese, std::nullopt},
      {"en", std::nullopt, std::nullopt},           {"", std::nullopt, std::nullopt},
      {"kor", std::nullopt, std::nullopt},          {"-TW", std::nullopt, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LanguageOfTag(c.tag), c.language) << c.tag;
    EXPECT_EQ(RegionOfLanguageTag(c.tag), c.wording) << c.tag;
  }
}

}  // namespace
}  // namespace tessarine
