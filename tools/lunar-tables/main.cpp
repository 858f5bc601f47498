// tessarine-lunar-tables: computes a lunar calendar of 1901-2100 from the
// Sun and the Moon and writes it as the header the calendar compiles in, to
// the file named by its last argument or to standard output:
//   tessarine-lunar-tables [--calendar chinese|korean|vietnamese] [OUTPUT]
//   tessarine-lunar-tables --moments [OUTPUT]
// The Chinese calendar is src/calendar/lunar_tables.h; the Korean and the
// Vietnamese are lunar_tables_korean.h and lunar_tables_vietnamese.h. The
// moments of the terms and the Moon's phases are src/calendar/sky_moments.h.
#include <cstdio>
#include <exception>
#include <fstream>
#include <iostream>
#include <optional>
#include <string_view>
#include <vector>

#include "calendar/vocabulary.h"
#include "compute_tables.h"
#include "sky_moments.h"
#include "table_writer.h"

int main(int argc, char** argv) {
  std::vector<std::string_view> args(argv + 1, argv + argc);
  std::optional<tessarine::LunarCalendar> calendar = tessarine::LunarCalendar::China;
  bool moments = false;
  if (!args.empty() && args[0] == "--moments") {
    moments = true;
    args.erase(args.begin());
  } else if (args.size() >= 2 && args[0] == "--calendar") {
    calendar = tessarine::CalendarOfTag(args[1]);
    args.erase(args.begin(), args.begin() + 2);
  }
  if (args.size() > 1 || !calendar) {
    std::cerr << "usage: tessarine-lunar-tables [--calendar chinese|korean|vietnamese | --moments] [OUTPUT]\n";
    return 2;
  }
  try {
    using namespace tessarine::tables;
    const std::string header = moments ? SkyMomentsHeader(ComputeSkyMoments(1901, 2100), 1901, 2100)
                                       : TablesHeader(ComputeTables(*calendar, 1901, 2100));
    if (args.empty()) {
      std::cout << header;
      return std::cout.flush() ? 0 : 1;
    }
    // Written beside the target and renamed over it, so that a failed run
    // never leaves the committed tables half-written.
    const std::string target(args[0]);
    const std::string temporary = target + ".new";
    std::ofstream out(temporary, std::ios::binary);
    out << header;
    out.close();
    if (!out || std::rename(temporary.c_str(), target.c_str()) != 0) {
      std::perror(target.c_str());
      std::remove(temporary.c_str());
      return 1;
    }
    return 0;
  } catch (const std::exception& error) {
    std::cerr << "tessarine-lunar-tables: " << error.what() << '\n';
    return 1;
  }
}
