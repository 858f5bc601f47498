#include "calendar/iso_date.h"

#include <gtest/gtest.h>

namespace tessarine {
namespace {

using namespace std::chrono;

TEST(IsoDateTest, ReadsRealDaysWrittenYyyyMmDd) {
  struct Case {
    std::string_view text;
    std::optional<sys_days> day;
  };
  const Case cases[] = {
      {"2024-02-29", sys_days{2024y / February / 29}},
      {"1900-01-31", sys_days{1900y / January / 31}},
      {"0000-01-01", sys_days{year{0} / January / 1}},
      {"9999-12-31", sys_days{9999y / December / 31}},
      {"2023-02-29", std::nullopt},  // no such day
      {"2024-04-31", std::nullopt},
      {"2024-13-01", std::nullopt},
      {"2024-00-10", std::nullopt},
      {"2024-01-00", std::nullopt},
      {"2024-2-03", std::nullopt},   // every part its digits
      {"2024-02-3", std::nullopt},
      {"24-02-03", std::nullopt},
      {"2024/02/03", std::nullopt},
      {"2024-02-03 ", std::nullopt},
      {" 2024-02-03", std::nullopt},
      {"-001-01-01", std::nullopt},  // no sign anywhere
      {"+024-01-01", std::nullopt},
      {"2024--1-01", std::nullopt},
      {"2024-+1-01", std::nullopt},
      {"2024-0x-01", std::nullopt},
      {"２０２４-02-03", std::nullopt},
      {"", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadIsoDate(c.text), c.day) << c.text;
}

TEST(IsoDateTest, ReadsBackWhatItWrites) {
  for (const sys_days day : {sys_days{1900y / January / 1}, sys_days{2024y / February / 29}, sys_days{2100y / December / 31}}) {
    EXPECT_EQ(ReadIsoDate(IsoDate(day)), day) << IsoDate(day);
  }
}

}  // namespace
}  // namespace tessarine
