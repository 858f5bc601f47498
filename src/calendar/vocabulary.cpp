#include "calendar/vocabulary.h"

namespace tessarine {
namespace {

constexpr std::array<std::string_view, 10> kStems = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
constexpr std::array<std::string_view, 12> kBranches = {"子", "丑", "寅", "卯", "辰", "巳",
                                                        "午", "未", "申", "酉", "戌", "亥"};

constexpr Vocabulary kSimplified = {
    kStems,
    kBranches,
    {"鼠", "牛", "虎", "兔", "龙", "蛇", "马", "羊", "猴", "鸡", "狗", "猪"},
    {"正月", "二月", "三月", "四月", "五月", "六月", "七月", "八月", "九月", "十月", "冬月", "腊月"},
    {"十一月", "十二月"},
    "闰",
    "年",
    {"小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种", "夏至",
     "小暑", "大暑", "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"},
    {"春节", "大年初二", "大年初三", "元宵", "端午", "七夕", "中元节", "中秋", "重阳", "祭祖节", "腊八节", "小年",
     "除夕"},
    {"元旦", "情人节", "妇女节", "愚人节", "劳动节", "青年节", "儿童节", "教师节", "国庆节", "万圣节", "平安夜",
     "圣诞节", "母亲节", "父亲节", "感恩节"},
    "农历",
    "农历纪念日",
};

constexpr Vocabulary kTraditional = {
    kStems,
    kBranches,
    {"鼠", "牛", "虎", "兔", "龍", "蛇", "馬", "羊", "猴", "雞", "狗", "豬"},
    {"正月", "二月", "三月", "四月", "五月", "六月", "七月", "八月", "九月", "十月", "冬月", "臘月"},
    {"十一月", "十二月"},
    "閏",
    "年",
    {"小寒", "大寒", "立春", "雨水", "驚蟄", "春分", "清明", "穀雨", "立夏", "小滿", "芒種", "夏至",
     "小暑", "大暑", "立秋", "處暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"},
    {"春節", "大年初二", "大年初三", "元宵", "端午", "七夕", "中元節", "中秋", "重陽", "祭祖節", "臘八節", "小年",
     "除夕"},
    {"元旦", "情人節", "婦女節", "愚人節", "勞動節", "青年節", "兒童節", "教師節", "國慶節", "萬聖節", "平安夜",
     "聖誕節", "母親節", "父親節", "感恩節"},
    "農曆",
    "農曆紀念日",
};

}  // namespace

std::string_view LanguageTag(Language language) { return language == Language::ZhHant ? "zh-Hant" : "zh-Hans"; }

std::optional<Language> LanguageOfTag(std::string_view tag) {
  if (tag == "zh-Hans") return Language::ZhHans;
  if (tag == "zh-Hant") return Language::ZhHant;
  return std::nullopt;
}

const Vocabulary& VocabularyOf(Language language) {
  return language == Language::ZhHant ? kTraditional : kSimplified;
}

}  // namespace tessarine
