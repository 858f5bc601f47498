// tessarine-cli anniversaries: one calendar file of the lunar birthdays and
// anniversaries listed in a CSV file, for a span of years.
#include <fmt/format.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/generate_run.h"
#include "cli/help.h"
#include "cli/list_read.h"
#include "cli/local_clock.h"
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
  LunarCalendar calendar = LunarCalendar::China;  // of entries that name none
  Language language = Language::ZhHans;           // of the calendar's name
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
  std::size_t cut = kMostEchoedBytes;
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
  return std::string(text.substr(0, cut)) + "...";
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

std::optional<Request> ParseRequest(const Arguments& args, std::ostream& out) {
  CLI::App app;
  bool help = false;
  PrepareCommand(app, help);
  std::vector<std::string> positionals;
  std::string output = ".";
  std::optional<std::string> remind;
  app.add_option("--output", output);
  app.add_option_function<std::string>("--remind", [&remind](const std::string& given) { remind = given; });
  bool reminderEvents = false, fixedName = false;
  std::optional<std::string> calendar, language;
  app.add_option_function<std::string>("--calendar", [&calendar](const std::string& given) { calendar = given; });
  app.add_option_function<std::string>("--language", [&language](const std::string& given) { language = given; });
  app.add_flag("--reminder-events", reminderEvents);
  app.add_flag("--fixed-name", fixedName);
  std::optional<std::string> rolling;
  app.add_option_function<std::string>("--rolling", [&rolling](const std::string& given) { rolling = given; });
  app.add_option("arguments", positionals);
  Parse(app, args);
  if (help) {
    out << WithYears(kAnniversariesHelpFormat);
    return std::nullopt;
  }
  if (positionals.empty() || positionals.size() > 3 || (positionals.size() == 1 && !rolling)) {
    throw UsageError("anniversaries needs a list file, a start year and at most an end year, or --rolling N");
  }
  const YearRange years = CommandYears({positionals.begin() + 1, positionals.end()}, rolling, "anniversaries", LocalNow());
  std::optional<int> remindDays;
  if (remind) {
    const bool digits = !remind->empty() && remind->size() <= 2 &&
                        remind->find_first_not_of("0123456789") == std::string::npos;
    if (!digits || std::stoi(*remind) > 30) {
      throw UsageError("--remind " + Quoted(*remind) + " is not a number of days from 0 to 30");
    }
    remindDays = std::stoi(*remind);
  }
  if (reminderEvents && !remind) {
    throw UsageError("--reminder-events needs --remind DAYS: without a reminder there is no reminder event");
  }
  const ReminderStyle style = reminderEvents ? ReminderStyle::SeparateEvent : ReminderStyle::Alarm;
  const LunarCalendar repeatsBy = CalendarArgument(calendar);
  return Request{positionals[0], years,    remindDays, style, OutputFolder(output), FileNaming{false, fixedName, rolling.has_value()},
                 repeatsBy,      LanguageArgument(language, repeatsBy)};
}

std::string ProblemText(EntryProblem problem) {
  switch (problem) {
    case EntryProblem::MissingName: return "the name is missing";
    case EntryProblem::MissingDate: return "the date is missing";
    case EntryProblem::UnknownDate: return "not a date: write a lunar date such as 三月初八 or 3-8, or yyyy-mm-dd";
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
    list = ReadAnniversaryList(ReadListFile(request->listFile), request->calendar);
  } catch (const UsageError& e) {
    err << "tessarine-cli anniversaries: " << EscapeControls(e.what()) << "\n";
    return 2;
  }
  if (list.problem) {
    err << EscapeControls(fmt::format("{}:{}: {}", request->listFile, list.problem->line, ProblemText(*list.problem)))
        << "\n";
    return 2;
  }
  if (!list.errors.empty()) {
    // Nothing is written while any row is bad: the first one is reported.
    const RowError& bad = list.errors.front();
    const char* const fieldNames[] = {"", "name", "date", "first year", "extra field"};
    err << EscapeControls(fmt::format("{}:{}: field {} ({}) {}: {}", request->listFile, bad.line, bad.error.field,
                                      fieldNames[std::min(bad.error.field, 4)], Quoted(Shortened(bad.error.text)),
                                      ProblemText(bad.error.problem)))
        << "\n";
    return 2;
  }
  if (list.entries.empty()) {
    err << "tessarine-cli anniversaries: " << EscapeControls(request->listFile) << " lists no anniversary: nothing written\n";
    return 1;
  }
  const AnniversariesRequest files{std::move(list.entries), request->years, request->remind, request->reminderStyle,
                                   request->naming, request->language};
  return RunGeneration(files, request->folder, "anniversaries", out, err);
}

}  // namespace tessarine::cli
