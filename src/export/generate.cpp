#include "export/generate.h"

#include <algorithm>

#include "compose/almanac_text.h"
#include "export/anniversary_calendar.h"
#include "export/anniversary_stream.h"
#include "export/ical_writer.h"
#include "export/write_ahead.h"
#include "export/year_calendar.h"

namespace tessarine {
namespace {

// One calendar file of the batch, ready to write.
struct PlannedFile {
  std::string fileName;
  std::string calendarName;
  bool replace = false;  // a fixed name: the old file is replaced
};

// Runs the batch. One text buffer and one event list serve every file, so a
// long range allocates them once instead of once a year.
class Batch {
 public:
  Batch(const std::filesystem::path& folder, std::chrono::local_seconds now, const GenerateOptions& options)
      : folder_(folder), now_(now), options_(options) {}

  // Writes the events gathered so far as one file; false when the caller
  // stops the batch.
  bool Write(const PlannedFile& file) {
    if (events_.empty()) return Refuse(file.fileName);
    WriteIcal(text_, file.calendarName, events_, now_, file.replace);
    events_.clear();
    return WriteText(file.fileName, file.replace, text_);
  }

  // Writes a text rendered elsewhere; `text` may be left holding another.
  bool WriteText(const std::string& fileName, bool replace, std::string& text) {
    result_.files.push_back(WriteOne(fileName, replace, WholeText(text)));
    Keep(text);
    return Told();
  }

  // Whether the new files may be written ahead, on both cores: when they are
  // the system's own new files, not a front end's writer's or replacements.
  bool WritesAhead(bool replace) const { return !replace && !options_.write; }
  UnnamedFile WriteUnnamed(const std::string& text) const {
    return tessarine::WriteUnnamed(kSystemCalls, folder_, WholeText(text));
  }

  // Names a file made by WriteAhead, or writes it now where it was not
  // written ahead. A file made without text had no event.
  bool WriteMade(const std::string& fileName, bool replace, AheadFile& made) {
    if (made.text.empty()) return Refuse(fileName);
    if (!WritesAhead(replace) || made.file.Unsupported()) return WriteText(fileName, replace, made.text);
    result_.files.push_back(NameNewFile(kSystemCalls, made.file, folder_, fileName));
    Keep(made.text);
    return Told();
  }

  // Writes a file composed while it is written; its start is kept to show.
  bool WriteFrom(const std::string& fileName, bool replace, const ByteSource& source) {
    std::string start;
    std::uint64_t bytes = 0;
    const ByteSource counted = [&] {
      const std::string_view piece = source();
      bytes += piece.size();
      if (start.size() < kPreviewBytes) start.append(piece.substr(0, kPreviewBytes - start.size()));
      return piece;
    };
    result_.files.push_back(WriteOne(fileName, replace, counted));
    if (!result_.files.back().error) {
      lastWritten_ = std::move(start);
      lastBytes_ = bytes;
    }
    return Told();
  }

  // A file with no event is not written: the caller is told, as of a file
  // that failed.
  bool Refuse(const std::string& fileName) {
    result_.files.push_back({folder_ / fileName, make_error_code(GenerateRefusal::NoEvent)});
    return Told();
  }

  std::vector<DayEvent>& events() { return events_; }
  std::chrono::local_seconds now() const { return now_; }

  Generation Finish() && {
    result_.preview = std::move(lastWritten_);
    result_.lastFileBytes = lastBytes_;
    return std::move(result_);
  }

 private:
  WrittenFile WriteOne(const std::string& fileName, bool replace, const ByteSource& text) const {
    if (replace) return options_.replace(folder_, fileName, text);
    return options_.write ? options_.write(folder_, fileName, text) : WriteNewFile(folder_, fileName, text);
  }

  // The preview is the last file written; the buffers swap, so nothing is
  // copied and both keep their capacity.
  void Keep(std::string& text) {
    if (result_.files.back().error) return;
    std::swap(text, lastWritten_);
    lastBytes_ = lastWritten_.size();
  }

  bool Told() { return !options_.afterEach || options_.afterEach(result_.files.back()) == AfterFile::Continue; }

  const std::filesystem::path& folder_;
  std::chrono::local_seconds now_;
  const GenerateOptions& options_;
  std::string text_;
  std::string lastWritten_;
  std::uint64_t lastBytes_ = 0;
  std::vector<DayEvent> events_;
  Generation result_;
};

// Each event's full description, after the titles are made.
void Describe(std::vector<DayEvent>& events, std::size_t from, const TitleFormat& format) {
  for (std::size_t i = from; i < events.size(); ++i) {
    const DayInfo info = GetDayInfo(events[i].date, format.calendar, format.region);
    events[i].description = DescriptionOf(info, GetDayAlmanac(info.date, info.term, info.calendar, info.region),
                                          format.monthNaming, format.language);
  }
}

// Whether any day of the years gets a title. The walk ends at the first
// one, so a format that titles most days costs the look at one day.
bool AnyTitledDay(YearRange years, const TitleFunction& titleOf, const TitleFormat& format) {
  for (DayInfo day = GetDayInfo(years.firstDay(), format.calendar, format.region);; day = NextDayInfo(day)) {
    if (!titleOf(day).empty()) return true;
    if (day.date == years.lastDay()) return false;
  }
}

// Whether any entry falls in the years, as the file's stream finds them: a
// year at a time, until one has an occurrence.
bool AnyOccurrence(const std::vector<Anniversary>& entries, YearRange years) {
  for (int year = static_cast<int>(years.first()); year <= static_cast<int>(years.last()); ++year) {
    if (!Occurrences(entries, std::get<YearRange>(YearRange::Checked(year, year))).empty()) return true;
  }
  return false;
}

// Many years in one file, composed a year at a time while it is written;
// known to hold an event before it is begun.
void WriteYearsAsOne(Batch& batch, const YearFilesRequest& request, const TitleFunction& titleOf,
                     const PlannedFile& file) {
  if (!AnyTitledDay(request.years, titleOf, request.format)) {
    batch.Refuse(file.fileName);
    return;
  }
  std::chrono::year next = request.years.first();
  bool started = false, ended = false;
  std::string text;
  std::vector<DayEvent> events;
  batch.WriteFrom(file.fileName, file.replace, [&]() -> std::string_view {
    text.clear();
    if (!started) {
      started = true;
      AppendIcalHeader(text, file.calendarName, file.replace);
    } else if (next <= request.years.last()) {
      events.clear();
      AppendYearEvents(events, next, titleOf, request.format.calendar, request.format.region);
      if (request.describe) Describe(events, 0, request.format);
      AppendIcalEvents(text, events, batch.now());
      ++next;
    } else if (!ended) {
      ended = true;
      AppendIcalFooter(text);
    }
    return text;
  });
}

void Run(Batch& batch, const YearFilesRequest& request) {
  const MarkedDays marks = MarksOf(request.holidayMarks);
  const TitleFunction titleOf = [&format = request.format, &marks](const DayInfo& day) {
    if (marks.empty()) return TitleOf(day, format);
    return MarkedTitle(TitleOf(day, format), day.date, marks, format.language, format.region);
  };
  const bool fixed = request.naming.fixedName;
  const LunarCalendar calendar = request.format.calendar;
  const Language language = request.format.language;
  if (request.naming.rolling || request.naming.singleFile) {
    const PlannedFile file = request.naming.rolling
                                 ? PlannedFile{RollingFileName(calendar), RollingCalendarName(calendar, language), true}
                                 : PlannedFile{RangeFileName(request.years, batch.now(), fixed, calendar),
                                               RangeCalendarName(request.years, calendar, language), fixed};
    WriteYearsAsOne(batch, request, titleOf, file);
    return;
  }
  // One file a year, made on both cores and named in order.
  const auto first = request.years.first();
  const int count = static_cast<int>(request.years.size());
  const auto render = [&](int index, std::string& text) {
    const std::chrono::year year = first + std::chrono::years{index};
    std::vector<DayEvent> events;
    AppendYearEvents(events, year, titleOf, calendar, request.format.region);
    if (events.empty()) {
      text.clear();  // no calendar: refused in its turn
      return;
    }
    if (request.describe) Describe(events, 0, request.format);
    WriteIcal(text, YearCalendarName(year, calendar, language), events, batch.now(), fixed);
  };
  WriteAhead files(count, render,
                   batch.WritesAhead(fixed) ? WriteAhead::Write([&batch](const std::string& text) {
                     return text.empty() ? UnnamedFile() : batch.WriteUnnamed(text);
                   })
                                            : WriteAhead::Write());
  for (int index = 0; index < count; ++index) {
    const std::chrono::year year = first + std::chrono::years{index};
    if (!batch.WriteMade(YearFileName(year, batch.now(), fixed, calendar), fixed, files.Take(index))) return;
  }
}

// However long the list and the range, the file is composed a year at a
// time as it is written.
void Run(Batch& batch, const AnniversariesRequest& request) {
  const bool fixed = request.naming.fixedName;
  const bool replace = fixed || request.naming.rolling;
  const std::string name = request.naming.rolling ? std::string("Tessarine_Anniversaries_Rolling.ics")
                                                 : AnniversaryFileName(request.years, batch.now(), fixed);
  if (!AnyOccurrence(request.entries, request.years)) {
    batch.Refuse(name);
    return;
  }
  const std::string calendarName(VocabularyOf(request.language).anniversariesName);
  AnniversaryStream stream(request.entries, request.years, request.remindDaysBefore, request.reminderStyle,
                           request.language, calendarName, batch.now(), replace);
  batch.WriteFrom(name, replace, [&stream] { return stream.Next(); });
}

void Run(Batch& batch, const HolidaysRequest& request) {
  batch.events() = HolidayEvents(request.schedules, request.years, request.language, request.region);
  const bool fixed = request.naming.fixedName, rolling = request.naming.rolling;
  const std::string name = rolling ? HolidayRollingFileName(request.region)
                                   : HolidayFileName(request.years, batch.now(), fixed, request.region);
  batch.Write({name, HolidayCalendarName(request.years, request.language, request.region, rolling), fixed || rolling});
}

void Run(Batch& batch, const SkyEventsRequest& request) {
  batch.events() = SkyEvents(request.kind, request.years, request.calendar, request.language);
  const bool fixed = request.naming.fixedName;
  batch.Write({SkyFileName(request.kind, request.years, request.calendar, batch.now(), fixed),
               SkyCalendarName(request.kind, request.years, request.language), fixed});
}

}  // namespace

const std::error_category& GenerateCategory() {
  static const struct : std::error_category {
    const char* name() const noexcept override { return "tessarine generate"; }
    std::string message(int) const override { return "no event to write: a file with no event is no calendar"; }
  } category;
  return category;
}

std::error_code make_error_code(GenerateRefusal refusal) { return {static_cast<int>(refusal), GenerateCategory()}; }

Generation Generate(const GenerateRequest& request, const std::filesystem::path& folder,
                    std::chrono::local_seconds now, const GenerateOptions& options) {
  // Whatever way this batch writes, the temporaries a killed run left here
  // go first.
  RemoveLeftovers(folder);
  Batch batch(folder, now, options);
  std::visit([&batch](const auto& r) { Run(batch, r); }, request);
  Generation done = std::move(batch).Finish();
  // The new names reach the disk with the folder: once, after the batch.
  const bool anyWritten = std::any_of(done.files.begin(), done.files.end(), [](const WrittenFile& f) { return !f.error; });
  if (anyWritten && options.syncFolder) options.syncFolder(folder);
  return done;
}

}  // namespace tessarine
