// tessarine-cli anniversaries: one calendar file of the lunar birthdays and
// anniversaries listed in a CSV file, for a span of years.
#include <fmt/format.h>

#include <fstream>
#include <sstream>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/generate_run.h"
#include "cli/help.h"
#include "lists/anniversary_list.h"

namespace tessarine::cli {
namespace {

struct Request {
  std::string listFile;
  YearRange years;
  std::optional<int> remind;
  std::filesystem::path folder;
};

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw UsageError("cannot read " + Quoted(path));
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::optional<Request> ParseRequest(const Arguments& args, std::ostream& out) {
  CLI::App app;
  bool help = false;
  PrepareCommand(app, help);
  std::vector<std::string> positionals;
  std::string output = ".";
  std::optional<std::string> remind;
  app.add_option("--output", output);
  app.add_option_function<std::string>("--remind", [&remind](const std::string& given) { remind = given; });
  app.add_option("arguments", positionals);
  Parse(app, args);
  if (help) {
    out << WithYears(kAnniversariesHelpFormat);
    return std::nullopt;
  }
  if (positionals.size() < 2 || positionals.size() > 3) {
    throw UsageError("anniversaries needs a list file, a start year and at most an end year");
  }
  const YearRange years = ParseYearRange({positionals.begin() + 1, positionals.end()});
  std::optional<int> remindDays;
  if (remind) {
    const bool digits = !remind->empty() && remind->size() <= 2 &&
                        remind->find_first_not_of("0123456789") == std::string::npos;
    if (!digits || std::stoi(*remind) > 30) {
      throw UsageError("--remind " + Quoted(*remind) + " is not a number of days from 0 to 30");
    }
    remindDays = std::stoi(*remind);
  }
  return Request{positionals[0], years, remindDays, OutputFolder(output)};
}

std::string ProblemText(EntryProblem problem) {
  switch (problem) {
    case EntryProblem::MissingName: return "the name is missing";
    case EntryProblem::MissingDate: return "the date is missing";
    case EntryProblem::UnknownDate: return "not a date: write a lunar date such as 三月初八 or 3-8, or yyyy-mm-dd";
    case EntryProblem::UnknownMonth: return "unknown lunar month";
    case EntryProblem::UnknownDay: return "unknown lunar day";
    case EntryProblem::DateOutOfRange:
      return fmt::format("not a day from {}-01-01 to {}-12-31", static_cast<int>(YearRange::First),
                         static_cast<int>(YearRange::Last));
    case EntryProblem::BadFirstYear: return "the first year is not a number";
    case EntryProblem::TooManyFields: return "more than three fields (name, date, first year)";
  }
  return {};
}

}  // namespace

int RunAnniversaries(const Arguments& args, std::ostream& out, std::ostream& err) {
  std::optional<Request> request;
  AnniversaryList list;
  try {
    request = ParseRequest(args, out);
    if (!request) return 0;  // the help was asked for
    list = ReadAnniversaryList(ReadWholeFile(request->listFile));
  } catch (const UsageError& e) {
    err << "tessarine-cli anniversaries: " << EscapeControls(e.what()) << "\n";
    return 2;
  }
  if (!list.errors.empty()) {
    // Nothing is written while any row is bad: the first one is reported.
    const RowError& bad = list.errors.front();
    const char* const fieldNames[] = {"", "name", "date", "first year", "extra field"};
    err << EscapeControls(fmt::format("{}:{}: field {} ({}) {}: {}", request->listFile, bad.line, bad.error.field,
                                      fieldNames[bad.error.field], Quoted(bad.error.text),
                                      ProblemText(bad.error.problem)))
        << "\n";
    return 2;
  }
  const AnniversariesRequest files{std::move(list.entries), request->years, request->remind};
  return RunGeneration(files, request->folder, "anniversaries", out, err);
}

}  // namespace tessarine::cli
