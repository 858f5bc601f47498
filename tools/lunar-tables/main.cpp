// tessarine-lunar-tables: computes the lunar calendar of 1901-2100 from the
// Sun and the Moon and writes it as src/calendar/lunar_tables.h, to the file
// named by its one argument or to standard output.
#include <cstdio>
#include <exception>
#include <fstream>
#include <iostream>

#include "compute_tables.h"
#include "table_writer.h"

int main(int argc, char** argv) {
  if (argc > 2) {
    std::cerr << "usage: tessarine-lunar-tables [OUTPUT]\n";
    return 2;
  }
  try {
    const std::string header = tessarine::tables::TablesHeader(tessarine::tables::ComputeTables(1901, 2100));
    if (argc == 1) {
      std::cout << header;
      return std::cout.flush() ? 0 : 1;
    }
    // Written beside the target and renamed over it, so that a failed run
    // never leaves the committed tables half-written.
    const std::string temporary = std::string(argv[1]) + ".new";
    std::ofstream out(temporary, std::ios::binary);
    out << header;
    out.close();
    if (!out || std::rename(temporary.c_str(), argv[1]) != 0) {
      std::perror(argv[1]);
      std::remove(temporary.c_str());
      return 1;
    }
    return 0;
  } catch (const std::exception& error) {
    std::cerr << "tessarine-lunar-tables: " << error.what() << '\n';
    return 1;
  }
}
