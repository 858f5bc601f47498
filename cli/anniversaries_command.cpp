// tessarine-cli anniversaries: one calendar file of the lunar birthdays and
// anniversaries listed in a CSV file, for a span of years.
#include <fmt/format.h>

#include <fstream>
#include <sstream>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/deferred_signals.h"
#include "cli/help.h"
#include "cli/local_clock.h"
#include "export/anniversary_calendar.h"
#include "export/anniversary_list.h"
#include "export/new_file.h"

namespace tessarine::cli {
namespace {

struct Request {
  std::string listFile;
  std::chrono::year first, last;
  std::filesystem::path folder;
  std::optional<int> remind;
};

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw UsageError("cannot read " + Quoted(path));
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

Request ParseRequest(const Arguments& args, std::ostream& out, bool& help) {
  CLI::App app;
  PrepareCommand(app, help);
  std::vector<std::string> positionals;
  std::string output = ".";
  std::optional<std::string> remind;
  app.add_option("--output", output);
  app.add_option_function<std::string>("--remind", [&remind](const std::string& given) { remind = given; });
  app.add_option("arguments", positionals);
  Parse(app, args);
  if (help) {
    out << kAnniversariesHelp;
    return {};
  }
  if (positionals.size() < 2 || positionals.size() > 3) {
    throw UsageError("anniversaries needs a list file, a start year and at most an end year");
  }
  Request request;
  request.listFile = positionals[0];
  request.first = ParseYearArgument(positionals[1], "start year");
  request.last = positionals.size() == 3 ? ParseYearArgument(positionals[2], "end year") : request.first;
  if (request.last < request.first) {
    throw UsageError("end year " + Quoted(positionals[2]) + " is before the start year " + Quoted(positionals[1]));
  }
  if (remind) {
    const bool digits = !remind->empty() && remind->size() <= 2 &&
                        remind->find_first_not_of("0123456789") == std::string::npos;
    if (!digits || std::stoi(*remind) > 30) {
      throw UsageError("--remind " + Quoted(*remind) + " is not a number of days from 0 to 30");
    }
    request.remind = std::stoi(*remind);
  }
  request.folder = OutputFolder(output);
  return request;
}

std::string ProblemText(EntryProblem problem) {
  switch (problem) {
    case EntryProblem::MissingName: return "the name is missing";
    case EntryProblem::MissingDate: return "the date is missing";
    case EntryProblem::UnknownDate: return "not a date: write a lunar date such as 三月初八 or 3-8, or yyyy-mm-dd";
    case EntryProblem::UnknownMonth: return "unknown lunar month";
    case EntryProblem::UnknownDay: return "unknown lunar day";
    case EntryProblem::DateOutOfRange: return "not a day from 1901-01-01 to 2050-12-31";
    case EntryProblem::BadFirstYear: return "the first year is not a number";
    case EntryProblem::TooManyFields: return "more than three fields (name, date, first year)";
  }
  return {};
}

}  // namespace

int RunAnniversaries(const Arguments& args, std::ostream& out, std::ostream& err) {
  Request request;
  AnniversaryList list;
  try {
    bool help = false;
    request = ParseRequest(args, out, help);
    if (help) return 0;
    list = ReadAnniversaryList(ReadWholeFile(request.listFile));
  } catch (const UsageError& e) {
    err << "tessarine-cli anniversaries: " << EscapeControls(e.what()) << "\n";
    return 2;
  }
  if (!list.errors.empty()) {
    // Nothing is written while any row is bad: the first one is reported.
    const RowError& bad = list.errors.front();
    const char* const fieldNames[] = {"", "name", "date", "first year", "extra field"};
    err << EscapeControls(fmt::format("{}:{}: field {} ({}) {}: {}", request.listFile, bad.line, bad.error.field,
                                      fieldNames[bad.error.field], Quoted(bad.error.text),
                                      ProblemText(bad.error.problem)))
        << "\n";
    return 2;
  }

  const auto now = LocalNow();
  const std::string bytes = AnniversaryCalendarFile(list.entries, request.first, request.last, request.remind, now);
  WrittenFile written;
  {
    const DeferredSignals deferred;
    written = WriteNewFile(request.folder, AnniversaryFileName(request.first, request.last, now), bytes);
  }
  if (written.error) {
    err << "tessarine-cli anniversaries: cannot write " << written.path.string() << ": " << written.error.message()
        << "\n";
    return 1;
  }
  out << written.path.string() << "\n";
  return 0;
}

}  // namespace tessarine::cli
