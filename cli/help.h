// The help texts of tessarine-cli (day's own, with its JSON keys, in
// cli/help_day.h; holidays' in cli/help_holidays.h). The texts that name the described years are formats:
// {first} and {last} are filled in from the calendar's range.
#pragma once

#include <string>
#include <string_view>

namespace tessarine::cli {

inline constexpr std::string_view kFormatOptionsHelp = R"(Normal-format options:
  --mode MODE            what a day shows: date (default; the lunar day, the
                         month's name on its first day), month-date (month and
                         day), festivals-terms (only days with a festival or a
                         solar term), terms (only the 24 solar terms)
  --both WHICH           a day with both a festival and a solar term shows the
                         festival (default), the term, or both ("festival/term")
  --no-festivals-terms   show neither festivals nor solar terms
  --moon-phases          add the Moon's principal phase: "初八 上弦"
  --sanfu-shujiu         add the day of 三伏 or 数九: "十五 三九第1天"
  --plain-month-names    name lunar months 11 and 12 十一月 and 十二月 instead
                         of 冬月 and 腊月 (臘月 in 繁體); in Vietnamese, month
                         12 Tháng Mười Hai instead of Tháng Chạp (Korean
                         numbers them 11월 and 12월 either way)
  --region REGION        cn (mainland China), tw (Taiwan), hk (Hong Kong), kr
                         (Korea) or vn (Vietnam): whose festivals, national days
                         and folk layers the days carry, and unless given the
                         calendar and the language; by default the calendar's
                         region (chinese cn, korean kr, vietnamese vn)
  --calendar NAME        chinese (the default), korean or vietnamese: the lunar
                         calendar of China (UTC+8), Korea (UTC+9 from 1912) or
                         Vietnam (UTC+7 from 1968)
  --language TAG         zh-Hans (简体), zh-Hant (繁體: 臘月, 閏, 驚蟄, 龍, 農曆),
                         ko (한국어: 3.15, 윤3월, 설날, 음력) or vi (Tiếng Việt:
                         Mùng 1, Tháng Giêng, Tết Nguyên Đán, Âm lịch), or a tag
                         such as zh-TW, zh-HK, ko-KR or vi-VN (zh-TW and zh-HK
                         also choose tw and hk); by default the region's own
)";

inline constexpr std::string_view kDatesHelpFormat = R"(Dates are written YYYY-MM-DD, a range FROM..TO includes both ends, and every
date lies within {first}-01-01..{last}-12-31. Dates are described in the order given.
)";

inline constexpr std::string_view kExpandHelp = R"(Usage: tessarine-cli expand [OPTIONS] TEMPLATE DATE|FROM..TO...

Expands a custom-format template for each date: one line per date, the date,
a tab and the expansion, with a line end, tab or other control character the
template holds (kept by --keep-spaces) shown as \r, \n, \t or \xNN. TEMPLATE
"default" is the default template of the language:
  zh-Hans  "LY年【LZ】 LMLD Y1年 Y2/CM/CD 周CW LT LF CF"
  zh-Hant  the same, with 週CW as Taiwan writes it
  ko       "LY년 LZ띠 음력 LMLD Y1. CM. CD.(CW) LT LF CF"
  vi       "LMLD năm LY (LZ) CW, CD/CM/Y1 LT LF CF"
Any other template is kept as typed, its own words too: 年 in a Korean
template stays 年.

Tokens: LY stem-branch year, LZ zodiac animal, LM lunar month, LD lunar day,
LT solar term, LF lunar festival, Y1 four-digit year, Y2 two-digit year,
CM month, CD day, CW weekday, CF Gregorian festival; and the almanac's: LH the
solar term's time (04:02), LP the Moon's phase and time (满月 21:36), LS the
day of 三伏 or 数九 (中伏第12天, 三九第4天), GD the day's 干支, GM the month's 干支.
Each token gives its text in the language. LMLD, the month and the day side
by side, reads as the language writes a date: 正月初一, 1월 1일, Mùng 1 tháng
Giêng.

Options:
  --keep-spaces          keep runs of white space (by default each run becomes
                         one blank)
  --plain-month-names    name lunar months 11 and 12 十一月 and 十二月, and in
                         Vietnamese month 12 Tháng Mười Hai
  --region REGION        cn, tw, hk, kr or vn: whose festivals and national days
                         (LF, CF, LS), and unless given the calendar and the
                         language (by default the calendar's region)
  --calendar NAME        chinese (the default), korean or vietnamese: the lunar
                         calendar of China (UTC+8), Korea (UTC+9 from 1912) or
                         Vietnam (UTC+7 from 1968)
  --language TAG         zh-Hans, zh-Hant, ko or vi, or a tag such as zh-TW or
                         ko-KR (by default the region's)

)";

inline constexpr std::string_view kIcsHelpFormat = R"(Usage: tessarine-cli ics [OPTIONS] START [END]
       tessarine-cli ics [OPTIONS] --rolling N

Writes one iCalendar file per year from START to END (or START alone), years
{first} to {last}, named Tessarine_YEAR_yymmdd-hhnnss.ics (Tessarine_Korean_YEAR_…
and Tessarine_Vietnamese_YEAR_… for those calendars), and prints the full path
of each file written. Exit status 0 when every file was written, 1 when one
could not be written (the others are still written) or would hold no event (a
mode or template that titles no day of its year: a file with no event is no
calendar, and it is not written), 2 for bad arguments.

Options:
  --output DIR           write into DIR (default: the current folder)
  --template TEMPLATE    titles from a custom-format template ("default" for the
                         default template) instead of the normal format
  --keep-spaces          with --template: keep runs of white space
  --holiday-marks        mark the title of each official day off or make-up
                         workday of the region's known years, in the file's
                         language: (休) and (班) in Chinese, Taiwan's (補班)
                         ((补班) in 简体); (휴) in Korean (Korea and Hong Kong
                         have no make-up workdays; another region's is
                         (근무)); (Nghỉ) and (Làm bù) in Vietnamese. A day
                         from the rules alone, its year not yet published,
                         says so: (休、暂定), (休、暫定), (휴, 예정),
                         (Nghỉ, dự kiến)
  --describe             write each day's full description into DESCRIPTION:
                         lunar date, 干支, the term and its time, festivals,
                         the Moon's phase, 三伏 or 数九
  --single-file          one file with every year of the range,
                         Tessarine_START-END_yymmdd-hhnnss.ics
  --fixed-name           no time stamp in the name (Tessarine_2026.ics,
                         Tessarine_2026-2030.ics); a new run replaces the old
                         file in one step, so a synced folder can serve it
  --rolling N            instead of years: a feed that stays current, last
                         year to N years ahead in one file of a fixed name,
                         Tessarine_Rolling.ics, replaced on each run and
                         asking subscribers to refresh it daily

)";

inline constexpr std::string_view kAnniversariesHelpFormat = R"help(Usage: tessarine-cli anniversaries [OPTIONS] FILE START [END]

Writes one iCalendar file with every lunar birthday and anniversary listed in
FILE that falls in the years START to END (or START alone), years {first} to {last},
named Tessarine_Anniversaries_START-END_yymmdd-hhnnss.ics, and prints its path.

FILE is a CSV file in UTF-8 (a byte-order mark allowed) or GB18030, one entry
a row: name, date, optionally the first lunar year (four digits) and
optionally the calendar the entry repeats by, in any case: chinese, korean or
vietnamese, zh, ko or vi, or its name in Chinese, Korean or Vietnamese
(农历, 韩国阴历 for a 제사, 越南阴历 for a giỗ; 한국, 음력; Việt Nam, Âm lịch).
Empty, it is the Chinese calendar; any other text there is refused (a note
goes in the column after it). A date is a lunar date as the program writes it
in any of its languages (三月初八, 闰四月十五, 冬月初五, 腊月廿三, 臘月廿三;
3월 8일, 윤3월 3일, 음 3.8; mùng 8 tháng 3, rằm tháng Giêng, 23 tháng Chạp,
15 tháng 3 nhuận) or as people write it (农历三月初八, 三月初八日, 润四月十五,
元月初一, 3月8日, 음력 10월 5일, 3.8, 8 tháng Ba), the same in numbers (3-8,
闰4-15, L4-15 or leap 4-15), or a Gregorian day of birth (1960-04-03,
1960-4-3 or 1960/04/03), which gives the lunar date and first year in the
entry's calendar. With a first year the title counts the years:
"妈妈生日 (66)". Blank lines, lines starting with #, a header row
(名称,日期,起始年,历法, name,date,first year,calendar, 이름,날짜,시작년,달력 or
Tên,Ngày,Năm đầu,Lịch, in any case) and empty fields at the end of a row are
ignored. A date with its year (1960年4月3日, 1960년 4월 3일) is not read: write
a Gregorian day as 1960-04-03, and a lunar date without its year. A bad row is
reported as FILE:LINE and nothing is written. FILE must be a regular file of
at most 10 MB.

Options:
  --output DIR           write into DIR (default: the current folder)
  --remind DAYS          a reminder at 09:00 that many days before (0 to 30;
                         0 is the day itself)
  --reminder-events      with --remind 1 or more: write each reminder as an
                         all-day event of its own, "3天后：妈妈生日", for
                         calendars that drop reminders on import (Google's)
  --fixed-name           no time stamp in the name; a new run replaces the
                         old file in one step
  --rolling N            instead of years: a feed that stays current, last
                         year to N years ahead in one file of a fixed name,
                         Tessarine_Anniversaries_Rolling.ics, replaced on each run and
                         asking subscribers to refresh it daily
  --region REGION        cn, tw, hk, kr or vn: the language unless given
  --calendar NAME        chinese, korean or vietnamese: the language unless
                         given; the dates follow each entry's own calendar
  --language TAG         the calendar's name in zh-Hans (农历纪念日), zh-Hant
                         (農曆紀念日), ko (음력 기념일) or vi (Kỷ niệm âm lịch),
                         or a tag such as zh-TW or ko-KR; by default the
                         region's; names stay as listed

Exit status 0 when written, 1 when the file could not be written, the list
holds no entry or no entry falls in the years (a file with no event is no
calendar), 2 for bad arguments, a bad row or a file that is not a list (not
text, a quote never closed, not a regular file, over 10 MB, more than 500,000
rows and fields).
)help";

inline constexpr std::string_view kMoonHelpFormat = R"(Usage: tessarine-cli moon [OPTIONS] START [END]

Writes one iCalendar file with each principal phase of the Moon (new, first
quarter, full, last quarter) from START to END (or START alone), years {first}
to {last}: an all-day event on the phase's civil date, titled with the phase and
its civil time ("满月 21:36"), its UTC moment in DESCRIPTION. Named
Tessarine_MoonPhases_START-END_yymmdd-hhnnss.ics, or for one year
Tessarine_MoonPhases_YEAR_yymmdd-hhnnss.ics (Tessarine_Korean_MoonPhases_…
and Tessarine_Vietnamese_MoonPhases_… by those calendars' clocks); prints its
path.

Options:
  --output DIR           write into DIR (default: the current folder)
  --region REGION        cn, tw, hk, kr or vn: its calendar's clock and its
                         language unless given
  --calendar NAME        whose clock: chinese (UTC+8, the default), korean or
                         vietnamese
  --language TAG         zh-Hans, zh-Hant, ko or vi, or a tag such as zh-TW or
                         ko-KR (by default the region's)
  --fixed-name           no time stamp in the name
                         (Tessarine_MoonPhases_2026.ics,
                         Tessarine_MoonPhases_2026-2030.ics); a new run
                         replaces the old file in one step
)";

inline constexpr std::string_view kTermsHelpFormat = R"(Usage: tessarine-cli terms [OPTIONS] START [END]

Writes one iCalendar file with the 24 solar terms of each year from START to
END (or START alone), years {first} to {last}: an all-day event on the term's civil
date, titled with the term and its civil time ("立春 04:02"), its UTC moment in
DESCRIPTION. Named Tessarine_SolarTerms_START-END_yymmdd-hhnnss.ics, or for
one year Tessarine_SolarTerms_YEAR_yymmdd-hhnnss.ics (Tessarine_Korean_… and
Tessarine_Vietnamese_… by those calendars' clocks); prints its path.

Options:
  --output DIR           write into DIR (default: the current folder)
  --region REGION        cn, tw, hk, kr or vn: its calendar's clock and its
                         language unless given
  --calendar NAME        whose clock: chinese (UTC+8, the default), korean or
                         vietnamese
  --language TAG         zh-Hans, zh-Hant, ko or vi, or a tag such as zh-TW or
                         ko-KR (by default the region's)
  --fixed-name           no time stamp in the name
                         (Tessarine_SolarTerms_2026.ics,
                         Tessarine_SolarTerms_2026-2030.ics); a new run
                         replaces the old file in one step
)";

inline constexpr std::string_view kMainHelpFormat = R"(Usage: tessarine-cli COMMAND [OPTIONS] ARGUMENTS

Lunar-calendar information (Chinese, Korean or Vietnamese) for every day from {first} to {last}.

Commands:
  day      describe dates: lunar date, solar term, festivals, weekday, title
  expand   expand a custom-format template for dates
  ics      write iCalendar files, one per year, to import into a calendar
  anniversaries
           write lunar birthdays and anniversaries from a CSV list
  holidays write the official days off and make-up workdays (休/班), or add
           a year from the State Council's notice
  moon     write the Moon's principal phases with their times
  terms    write the 24 solar terms with their times

Run "tessarine-cli COMMAND --help" for a command's arguments and options, and
"tessarine-cli --version" for the version.
)";

// A help format with the described years filled in.
std::string WithYears(std::string_view helpFormat);

}  // namespace tessarine::cli
