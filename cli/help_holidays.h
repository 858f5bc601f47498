// The help text of tessarine-cli holidays: each region's calendar, where
// its days come from, and the imports. A format: {first} and {last} are the
// described years (cli/help.h WithYears).
#pragma once

#include <string_view>

namespace tessarine::cli {

inline constexpr std::string_view kHolidaysHelpFormat = R"help(Usage: tessarine-cli holidays [OPTIONS] START [END]
       tessarine-cli holidays --import FILE|- [--year YEAR] [--dry-run]
                              [--accept-unbalanced]
       tessarine-cli holidays --import-tw FILE|- [--dry-run]
       tessarine-cli holidays --import-hk FILE|- [--dry-run]

Writes one iCalendar file with a region's official days off ("<name>(休)") and
make-up workdays ("<name>(班)") for the years START to END (or START alone), and
prints its path. The region is mainland China unless --region (or --calendar,
or a --language tag such as zh-TW) names another; its days are titled in its
language (--language for another: the marks are 休/班 in Chinese, Taiwan's 補班,
휴 in Korean, Korea and Hong Kong having no make-up workdays, Nghỉ/Làm bù in
Vietnamese).

  cn  Tessarine_Holidays_START-END_yymmdd-hhnnss.ics, "法定节假日": the State
      Council's notices from 2008, built in, and the years added from one.
  tw  Tessarine_Holidays_Taiwan_…, "臺灣國定假日 START": the DGPA's 辦公日曆表
      2017-2027 built in; later years from 紀念日及節日實施條例, without 補班.
  hk  Tessarine_Holidays_HongKong_…, "香港公眾假期 START": the government's lists
      2012-2026; other years 1999-2100 from the General Holidays Ordinance.
  kr  Tessarine_Holidays_Korea_…, "대한민국 공휴일 START": the 월력요항 2018-2027;
      other years 1991-2100 from 관공서의 공휴일에 관한 규정, with 대체공휴일.
  vn  Tessarine_Holidays_Vietnam_…, "Ngày nghỉ lễ Việt Nam START": the announced
      arrangements 2023-2026; later years from the Labour Code's days alone.

A day computed from the rules for a year not yet published says so: "(휴,
예정)", "(休、暂定)". A year added to holidays.csv in $XDG_CONFIG_HOME/Tessarine/
(when that is an absolute path; otherwise ~/.config/Tessarine/, the home folder
from $HOME or else the user's entry in the password database) from a notice or
an import replaces the built-in year of its region; Korea's and Vietnam's rows
(a 임시공휴일, an announced Tết arrangement: year,date,休 or 班,name,kr) are
laid over the built-in days. The list, and a notice read from FILE, must be a
regular file of at most 10 MB; a row whose year lies outside {first} to {last},
or whose date lies outside its year (only a 元旦 block may begin in the
December before), is a bad row. Years without a schedule are named on standard
error and never guessed. Years must lie within {first} to {last}.

With --import, reads the text of a notice (国务院办公厅关于YYYY年部分节假日安排的
通知, as pasted from a web page, in UTF-8, GBK, Big5 or UTF-16) from FILE or
standard input (-), prints one line per day of the year,
"YYYY-MM-DD<TAB>休|班<TAB>name", and stores that year in the list, naming any
rows of your own it replaced. A notice is read whole or refused: every holiday
its opening sentence names needs an item, every item and every sentence giving
days off or workdays must be read, the last item must end its sentence, and a
text without that sentence must hold every holiday of a yearly notice. A
notice that changes a year already known (调整, 延长, a 纪念日 added) is merged
into that year. A notice with a block whose weekdays off are not its statutory
days plus its make-up workdays is refused, naming the block, since the text
may be cut short; --accept-unbalanced stores it as it is.

With --import-tw, reads Taiwan's 辦公日曆表 as the DGPA's open-data CSV is
downloaded (UTF-8 or Big5): a whole year, or a revision (修正版) of a year
whose table is known, built in or imported. With --import-hk, reads Hong
Kong's general holidays as the 1823 iCalendar feed is downloaded (English or
Chinese), with each year it holds. Either prints the days as --import does
and stores its years in the list as that region's (a fifth column, 地区: tw
or hk), leaving the mainland's rows as they are. A file is read whole or
refused, naming the line at fault; nothing is stored from it.

Options:
  --output DIR           write into DIR (default: the current folder)
  --import FILE          read a notice and store its year
  --year YEAR            with --import: the year of a text without its title
  --import-tw FILE       read Taiwan's 辦公日曆表 CSV and store its year
  --import-hk FILE       read Hong Kong's 1823 feed and store its years
  --dry-run              with an import: print the days without storing them
  --accept-unbalanced    with --import: store a notice whose days do not add
                         up, once you have checked it against the original
  --fixed-name           no time stamp in the name; a new run replaces the
                         old file in one step
  --rolling N            instead of years: a feed that stays current, last
                         year to N years ahead in one file of a fixed name,
                         Tessarine_Holidays_Rolling.ics (Tessarine_Holidays_
                         Korea_Rolling.ics …), replaced on each run and asking
                         subscribers to refresh it daily
  --region R             cn, tw, hk, kr or vn: whose holidays
  --calendar C           chinese, korean or vietnamese: the region it stands for
  --language TAG         the language of the marks and the calendar's name:
                         zh-Hans, zh-Hant, ko or vi (default: the region's)

Exit status 0 when done, 1 when no year of the range is known or a file or the
list could not be written (a read-only list among them; nothing is written), 2
for bad arguments, a bad list or a text that is not a readable notice or file
(nothing is stored).
)help";

}  // namespace tessarine::cli
