#include "export/ical_export.h"

#include <filesystem>

#include "calendar/day_info.h"
#include "compose/template_engine.h"
#include "export/ical_text.h"

namespace tessarine {
namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

void AppendLine(std::string& text, std::string_view line) { text.append(line).append(kCrLf); }

std::string TodayStamp(ExportPlatform& platform) {
  return DateStamp(std::chrono::year_month_day{std::chrono::floor<std::chrono::days>(platform.Now())});
}

}  // namespace

std::string FolderOf(std::string_view programPath) {
  return (std::filesystem::path(programPath).parent_path() / "").string();
}

void IcalExport::ExportRange(std::string_view startText, std::string_view endText) {
  if (startText.empty()) {
    platform_.ShowMessage(kEmptyYearMessage, kPromptCaption, MessageIcon::Warning, MessageButtons::Ok);
    platform_.FocusYearBox(YearBox::Start);
    return;
  }
  const int start = ParseYearText(startText);
  if (start < kFirstYear || start > kLastYear) {
    platform_.ShowMessage(kYearRangeMessage, kPromptCaption, MessageIcon::Warning, MessageButtons::Ok);
    platform_.FocusYearBox(YearBox::Start);
    return;
  }
  int end = start;
  std::string_view chosenEnd = startText;
  if (calendar_.options.bolYs) {
    // The end year comes from a list of valid years only; it needs no range
    // test of its own.
    end = ParseYearText(endText);
    chosenEnd = endText;
    if (start > end) {
      platform_.ShowMessage(kYearOrderMessage, kPromptCaption, MessageIcon::Warning, MessageButtons::Ok);
      platform_.FocusYearBox(YearBox::End);
      return;
    }
  }
  startText_ = startText;
  endText_ = chosenEnd;
  endYear_ = end;
  // A year whose file failed does not stop the next one.
  for (int year = start; year <= end; ++year) ExportYear(std::to_string(year), "1", "12");
}

std::string IcalExport::TitleOf(std::chrono::sys_days date, const std::string& yearText) {
  const SummaryOptions& options = calendar_.options;
  if (options.bolDIY) return ExpandTemplate(calendar_, options.strDIY, date, options.bolClearSpace);
  return GetDayInfo(calendar_, date, yearText).Summary;
}

void IcalExport::ExportYear(std::string_view yearText, std::string_view firstMonthText,
                            std::string_view lastMonthText) {
  const std::string year(yearText);
  const int yearNumber = ParseYearText(yearText);
  const int firstMonth = ParseYearText(firstMonthText);
  const int lastMonth = ParseYearText(lastMonthText);

  // One moment names the file and identifies its events.
  const std::string stamp = FileTimeStamp(platform_.Now());
  const std::string path = FolderOf(platform_.ProgramFilePath()) + "Tessarine_" + year + "_" + stamp + ".ics";
  const std::string uidSuffix = "-" + stamp + "@tessarine";

  std::string text;
  text.reserve(400 * 366);
  calendar_.LeapMonthFlag = 0;
  AppendLine(text, "BEGIN:VCALENDAR");
  AppendLine(text, "VERSION:2.0");
  AppendLine(text, "PRODID:Tessarine v1.12//EN");
  for (int m = std::max(firstMonth, 1); m <= std::min(lastMonth, 12); ++m) {
    calendar_.RecordedLeapMonth = 0;
    for (unsigned d = 1; d <= 31; ++d) {
      const std::chrono::year_month_day ymd{std::chrono::year{yearNumber},
                                            std::chrono::month{static_cast<unsigned>(m)}, std::chrono::day{d}};
      if (!ymd.ok()) continue;
      const std::chrono::sys_days date{ymd};
      const std::string title = TitleOf(date, year);
      if (title.empty()) continue;
      const std::string start = DateStamp(ymd);
      AppendLine(text, "BEGIN:VEVENT");
      AppendLine(text, "UID:" + start + uidSuffix);
      AppendLine(text, "DTSTART;VALUE=DATE:" + start);
      // All-day events end, exclusively, on the following day.
      AppendLine(text, "DTEND;VALUE=DATE:" + DateStamp(date + std::chrono::days{1}));
      AppendLine(text, "DTSTAMP:" + TodayStamp(platform_) + "T120000Z");
      AppendLine(text, "CREATED:" + TodayStamp(platform_) + "T120000Z");
      AppendLine(text, "SUMMARY:" + EscapeText(title));
      AppendLine(text, "END:VEVENT");
    }
  }
  AppendLine(text, "END:VCALENDAR");

  std::string completion;
  std::string file;
  file.reserve(kByteOrderMark.size() + text.size());
  file.append(kByteOrderMark).append(text);
  if (!platform_.WriteFile(path, file)) {
    completion = "无法生成 iCal 文件，请检查是否有写入文件权限：\r\n" + path;
    platform_.ShowMessage(completion, kErrorCaption, MessageIcon::Error, MessageButtons::Ok);
  } else if (calendar_.options.bolShowTip) {
    if (!calendar_.options.bolYs) {
      completion = "成功生成 " + year + " 年 iCal 文件, 存放在以下目录: \r\n" + path;
    } else if (yearNumber == endYear_) {
      completion = "成功生成 " + startText_ + " 年至 " + endText_ + " 年 iCal 文件, 存放在以下目录: \r\n" +
                   FolderOf(path);
    }
    if (!completion.empty()) {
      const std::string question = completion + "\r\n\r\n" + std::string(kOpenFolderQuestion);
      if (platform_.ShowMessage(question, kPromptCaption, MessageIcon::Information, MessageButtons::YesNo) ==
          MessageAnswer::Yes) {
        platform_.OpenFileManager(std::string(kSelectInFileManager) + path);
      }
    }
  }

  std::string preview;
  preview.reserve(completion.size() + 64 + text.size());
  preview.append(completion).append(kCrLf).append(kPreviewHeading).append(kCrLf).append(kCrLf).append(text);
  platform_.SetPreviewText(preview);
}

void IcalExport::OpenProgramFolder() {
  platform_.OpenFileManager(std::string(kSelectInFileManager) + platform_.ProgramFilePath());
}

}  // namespace tessarine
