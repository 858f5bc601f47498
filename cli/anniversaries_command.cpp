// tessarine-cli anniversaries: one calendar file of the lunar birthdays and
// anniversaries listed in a CSV file, for a span of years.
#include <fmt/format.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/generate_run.h"
#include "cli/help.h"
#include "cli/list_read.h"
#include "cli/local_clock.h"
#include "compose/utf8_text.h"
#include "lists/anniversary_list.h"

namespace tessarine::cli {
namespace {

struct Request {
  std::string listFile;
  YearRange years;
  std::optional<int> remind;
  ReminderStyle reminderStyle = ReminderStyle::Alarm;
  std::filesystem::path folder;
  FileNaming naming;
  Language language = Language::ZhHans;  // of the calendar's name
};

// How much of a bad field a message repeats.
constexpr std::size_t kMostEchoedBytes = 60;

std::string ReadListFile(const std::string& path) {
  std::optional<std::string> bytes = ReadCommandList(path, "an anniversary list");
  if (!bytes) throw UsageError("cannot read " + Quoted(path) + ": " + std::generic_category().message(ENOENT));
  return std::move(*bytes);
}

// `text` cut to about kMostEchoedBytes, at a character's start.
std::string Shortened(std::string_view text) {
  if (text.size() <= kMostEchoedBytes) return std::string(text);
  return std::string(text.substr(0, CharacterStart(text, kMostEchoedBytes))) + "...";
}

std::string ProblemText(const ListProblem& problem) {
  switch (problem.kind) {
    case ListProblem::Kind::NotText: return "not text in UTF-8 or GB18030";
    case ListProblem::Kind::UnclosedQuote: return "a quote opens here and is never closed";
    case ListProblem::Kind::MixedEncodings:
      return "not UTF-8, while line " + std::to_string(problem.utf8Line) +
             " is: one file holds two encodings; save it again in one";
    case ListProblem::Kind::TooManyPieces:
      return fmt::format("rows and fields pass {} here: no list holds so many", kMostCsvPieces);
  }
  return {};
}

// The options as parsed, before they are checked together.
struct Options {
  bool help = false;
  std::vector<std::string> positionals;  // the list file, then the years
  std::string output = ".";
  std::optional<int> remind, rolling;
  bool reminderEvents = false, fixedName = false;
  // The language; an entry names its own calendar in the list (the Chinese
  // one when it names none), so --calendar and --region choose no dates here.
  RegionChoice where;
};

void AddOptions(CLI::App& command, const std::shared_ptr<Options>& options) {
  PrepareCommand(command, options->help);
  command.add_option("--output", options->output);
  AddCount(command, "--remind", "days", 30, options->remind);
  options->where.AddTo(command);
  command.add_flag("--reminder-events", options->reminderEvents);
  command.add_flag("--fixed-name", options->fixedName);
  AddCount(command, "--rolling", "years", 99, options->rolling);
  command.add_option("arguments", options->positionals);
}

Request Checked(const Options& options) {
  const auto& positionals = options.positionals;
  const auto& rolling = options.rolling;
  if (positionals.empty() || positionals.size() > 3 || (positionals.size() == 1 && !rolling)) {
    throw UsageError("anniversaries needs a list file, a start year and at most an end year, or --rolling N");
  }
  const YearRange years = CommandYears({positionals.begin() + 1, positionals.end()}, rolling, "anniversaries", LocalNow());
  if (options.reminderEvents && !options.remind) {
    throw UsageError("--reminder-events needs --remind DAYS: without a reminder there is no reminder event");
  }
  const ReminderStyle style = options.reminderEvents ? ReminderStyle::SeparateEvent : ReminderStyle::Alarm;
  return Request{positionals[0],
                 years,
                 options.remind,
                 style,
                 OutputFolder(options.output),
                 FileNaming{false, options.fixedName, rolling.has_value()},
                 options.where.Script()};
}

std::string ProblemText(EntryProblem problem) {
  switch (problem) {
    case EntryProblem::MissingName: return "the name is missing";
    case EntryProblem::MissingDate: return "the date is missing";
    case EntryProblem::UnknownDate:
      return "not a date: write a lunar date such as 三月初八, 3월 8일, mùng 8 tháng 3 or 3-8, or yyyy-mm-dd";
    case EntryProblem::UnknownMonth: return "unknown lunar month";
    case EntryProblem::UnknownDay: return "unknown lunar day";
    case EntryProblem::NoSuchDay: return "no such Gregorian day";
    case EntryProblem::DateOutOfRange:
      return fmt::format("not a day from {}-01-01 to {}-12-31", static_cast<int>(YearRange::First),
                         static_cast<int>(YearRange::Last));
    case EntryProblem::BadFirstYear:
      return fmt::format("the first year is not a four-digit year from {} to {}", kEarliestFirstYear,
                         static_cast<int>(YearRange::Last));
    case EntryProblem::GregorianInWords:
      return "a Gregorian date is not a lunar date: write the day as yyyy-mm-dd (1960-04-03) to keep the lunar date "
             "of that day, or write the lunar date itself, such as 三月初八 or 3-8";
    case EntryProblem::YearInLunarDate:
      return "a lunar date is written without its year, such as 三月初八 or 3-8; the year goes in the first-year field";
    case EntryProblem::UnknownCalendar:
      return "not a calendar: write chinese, korean or vietnamese (or zh, ko, vi; 农历, 韩国阴历, 越南阴历; 한국, 음력; "
             "Việt Nam, Âm lịch), or leave it empty for the Chinese calendar; a note goes in the column after it";
  }
  return {};
}

int RunAnniversaries(const Options& options, std::ostream& out, std::ostream& err) {
  if (options.help) {
    out << WithYears(kAnniversariesHelpFormat);
    return 0;
  }
  const Request request = Checked(options);
  auto read = ReadAnniversaryList(ReadListFile(request.listFile));
  if (!read) {
    err << EscapeControls(fmt::format("{}:{}: {}", request.listFile, read.error().line, ProblemText(read.error())))
        << "\n";
    return 2;
  }
  AnniversaryList& list = *read;
  if (!list.errors.empty()) {
    // Nothing is written while any row is bad: the first one is reported.
    const RowError& bad = list.errors.front();
    const char* const fieldNames[] = {"", "name", "date", "first year", "calendar"};
    err << EscapeControls(fmt::format("{}:{}: field {} ({}) {}: {}", request.listFile, bad.line, bad.error.field,
                                      fieldNames[std::min(bad.error.field, 4)], Quoted(Shortened(bad.error.text)),
                                      ProblemText(bad.error.problem)))
        << "\n";
    return 2;
  }
  if (list.entries.empty()) {
    err << "tessarine-cli anniversaries: " << EscapeControls(request.listFile) << " lists no anniversary: nothing written\n";
    return 1;
  }
  const AnniversariesRequest files{std::move(list.entries), request.years, request.remind, request.reminderStyle,
                                   request.naming, request.language};
  return RunGeneration(files, request.folder, "anniversaries", out, err);
}

}  // namespace

CommandRun AddAnniversaries(CLI::App& command) {
  auto options = std::make_shared<Options>();  // filled in by the parse, read by the run
  AddOptions(command, options);
  return [options](std::ostream& out, std::ostream& err) { return RunAnniversaries(*options, out, err); };
}

}  // namespace tessarine::cli
