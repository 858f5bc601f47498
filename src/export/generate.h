// The one generation pipeline. A front end builds a request; Generate turns
// it into events, the events into iCalendar text, the text into new files in
// a folder, and hands back what it wrote.
//
// Errors: nothing here throws for a file that cannot be written. Each file's
// outcome carries the system's reason, and the batch goes on unless the
// caller asks it to stop. A file that would hold no event is not written
// either: a file with no event is no calendar, and its outcome says
// GenerateRefusal::NoEvent. Validation and wording belong to the front ends.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <variant>
#include <vector>

#include "calendar/vocabulary.h"
#include "calendar/year_range.h"
#include "compose/anniversary.h"
#include "compose/title_format.h"
#include "export/anniversary_calendar.h"
#include "export/holiday_calendar.h"
#include "files/new_file.h"
#include "export/sky_calendar.h"
#include "files/replace_file.h"

namespace tessarine {

// How a request's files are named and written.
struct FileNaming {
  // Year files: the whole range in one file, Tessarine_START-END_….ics.
  bool singleFile = false;
  // No time stamp in the name (Tessarine_2026.ics), and a new run replaces
  // the old file in one step: a name that a synced folder can serve.
  bool fixedName = false;
  // A feed that stays current: the range (last year to some years ahead,
  // chosen by the front end) in one file of a name without years,
  // Tessarine_Rolling.ics, replaced on each run.
  bool rolling = false;
};

// One file per year of the range (or one for all), each day titled by the
// format; with marks, a day off or make-up workday gets (休) or (班).
struct YearFilesRequest {
  YearRange years;
  TitleFormat format;
  std::vector<HolidaySchedule> holidayMarks = {};  // none: the titles as they are
  FileNaming naming = {};
  // Each day's full description in DESCRIPTION: lunar date, 干支, the term
  // and its time, festivals, the Moon's phase, 三伏 or 数九.
  bool describe = false;
};

// The moments of the sky as a calendar of their own, on their civil dates
// in the calendar's clock: each principal phase of the Moon (满月 21:36), or
// each solar term (立春 04:02), with its UTC moment in DESCRIPTION.
struct SkyEventsRequest {
  SkyKind kind = SkyKind::MoonPhases;
  YearRange years;
  LunarCalendar calendar = LunarCalendar::China;
  Language language = Language::ZhHans;
  FileNaming naming = {};
};

// One file with every occurrence of the entries in the range.
struct AnniversariesRequest {
  std::vector<Anniversary> entries;
  YearRange years;
  std::optional<int> remindDaysBefore;  // 0 to 30 days, or no reminder
  ReminderStyle reminderStyle = ReminderStyle::Alarm;
  FileNaming naming = {};
  Language language = Language::ZhHans;  // of the calendar's name and reminders; the entries' names stay as written
};

// One file with the days off and make-up workdays of the region's known
// years in the range, titled in the language; the front end has checked
// that at least one is known.
struct HolidaysRequest {
  YearRange years;
  Region region;
  Language language;
  std::vector<HolidaySchedule> schedules;
  FileNaming naming = {};
};

using GenerateRequest = std::variant<YearFilesRequest, AnniversariesRequest, HolidaysRequest, SkyEventsRequest>;

// Why a file of the batch was not written, beside the system's reasons.
enum class GenerateRefusal {
  // No day of it gets an event: every title empty (a mode or template that
  // titles no day of the years), no anniversary in the years.
  NoEvent = 1,
};
const std::error_category& GenerateCategory();
std::error_code make_error_code(GenerateRefusal refusal);

// What the caller does after each file: go on with the batch, or stop it.
enum class AfterFile { Continue, Stop };

struct GenerateOptions {
  // Writes a new file; tests replace it. None: WriteNewFile, and a batch
  // of year files is then written on both cores (unnamed, then named in
  // order).
  std::function<WrittenFile(const std::filesystem::path& folder, std::string_view name, const ByteSource& text)>
      write;
  // Replaces a file of a fixed name in one step; tests replace it.
  std::function<WrittenFile(const std::filesystem::path& folder, std::string_view name, const ByteSource& text)>
      replace = ReplaceFileIn;
  // Told of each file as soon as it is written or has failed.
  std::function<AfterFile(const WrittenFile& file)> afterEach;
  // Makes the folder's new names durable, after the batch; tests replace it.
  std::function<void(const std::filesystem::path& folder)> syncFolder = SyncFolder;
};

inline constexpr std::size_t kPreviewBytes = std::size_t{4} << 20;

struct Generation {
  // In order, one per file attempted; a file refused for want of events has
  // the path it would have had.
  std::vector<WrittenFile> files;
  // The last file written, to show; empty when none was. Of a file too
  // large to show, its first kPreviewBytes.
  std::string preview;
  std::uint64_t lastFileBytes = 0;  // the whole size of that file
};

// `now`, the local time of generation, names the files and stamps the events.
Generation Generate(const GenerateRequest& request, const std::filesystem::path& folder,
                    std::chrono::local_seconds now, const GenerateOptions& options = {});

}  // namespace tessarine
