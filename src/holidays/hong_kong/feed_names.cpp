#include "holidays/hong_kong/feed_names.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>

// The names are the Schedule's and the gazette's yearly lists' (政府公布
// 某年公眾假期), in the three forms the government publishes: the English
// list, the traditional and the simplified Chinese pages (e.g. 2026's
// simplified release, 圣诞节后第一个周日). Substitutes are "<holiday>翌日" /
// "The day following <holiday>" in every year's list.

namespace tessarine::hong_kong {
namespace {

struct Name {
  std::string_view traditional, simplified, english;
};

constexpr std::array<Name, 20> kNames = {{
    {"一月一日", "一月一日", "first day of january"},
    {"農曆年初一", "农历年初一", "lunar new year's day"},
    {"農曆年初二", "农历年初二", "second day of lunar new year"},
    {"農曆年初三", "农历年初三", "third day of lunar new year"},
    {"農曆年初四", "农历年初四", "fourth day of lunar new year"},
    {"農曆年初一之前一日", "农历年初一之前一日", "day preceding lunar new year's day"},
    {"清明節", "清明节", "ching ming festival"},
    {"耶穌受難節", "耶稣受难节", "good friday"},
    {"復活節星期一", "复活节星期一", "easter monday"},
    {"勞動節", "劳动节", "labour day"},
    {"佛誕", "佛诞", "birthday of the buddha"},
    {"端午節", "端午节", "tuen ng festival"},
    {"香港特別行政區成立紀念日", "香港特别行政区成立纪念日", "hong kong special administrative region establishment day"},
    {"中秋節", "中秋节", "chinese mid-autumn festival"},
    {"中秋節後第二日", "中秋节后第二日", "second day following the chinese mid-autumn festival"},
    {"國慶日", "国庆日", "national day"},
    {"重陽節", "重阳节", "chung yeung festival"},
    {"聖誕節", "圣诞节", "christmas day"},
    {"聖誕節後第一個周日", "圣诞节后第一个周日", "first weekday after christmas day"},
    {"聖誕節後第二個周日", "圣诞节后第二个周日", "second weekday after christmas day"},
}};

constexpr std::string_view kFollowing = "翌日";
constexpr std::string_view kFollowingEnglish = "day following ";

// Lower case, one kind of apostrophe, single spaces, no leading "the ".
std::string EnglishKey(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text.substr(i).starts_with("\u2019")) {
      out += '\'';
      i += std::string_view("\u2019").size() - 1;
    } else if (std::isspace(static_cast<unsigned char>(text[i]))) {
      if (!out.empty() && out.back() != ' ') out += ' ';
    } else {
      out += static_cast<char>(std::tolower(static_cast<unsigned char>(text[i])));
    }
  }
  if (out.ends_with(' ')) out.pop_back();
  if (out.starts_with("the ")) out.erase(0, 4);
  return out;
}

std::optional<std::string_view> Known(std::string_view name) {
  const std::string key = EnglishKey(name);
  for (const Name& n : kNames) {
    if (name == n.traditional || name == n.simplified || key == n.english) return n.traditional;
  }
  return std::nullopt;
}

}  // namespace

std::string GazetteName(std::string_view summary) {
  if (const auto known = Known(summary)) return std::string(*known);
  if (summary.ends_with(kFollowing)) {
    if (const auto known = Known(summary.substr(0, summary.size() - kFollowing.size()))) {
      return std::string(*known) + std::string(kFollowing);
    }
  }
  const std::string key = EnglishKey(summary);
  if (key.starts_with(kFollowingEnglish)) {
    if (const auto known = Known(std::string_view(key).substr(kFollowingEnglish.size()))) {
      return std::string(*known) + std::string(kFollowing);
    }
  }
  return std::string(summary);
}

}  // namespace tessarine::hong_kong
