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
    std::ofstream out(argv[1], std::ios::binary);
    out << header;
    out.close();
    if (!out) {
      std::perror(argv[1]);
      return 1;
    }
    return 0;
  } catch (const std::exception& error) {
    std::cerr << "tessarine-lunar-tables: " << error.what() << '\n';
    return 1;
  }
}
