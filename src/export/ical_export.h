// The program's main job: one iCalendar file per selected year, one all-day
// event per day with a title, written beside the program.
#pragma once

#include <string>
#include <string_view>

#include "calendar/lunar_calendar.h"
#include "export/export_platform.h"

namespace tessarine {

inline constexpr std::string_view kPromptCaption = "提示";
inline constexpr std::string_view kErrorCaption = "错误";
inline constexpr std::string_view kEmptyYearMessage = "年份不能为空, 请重新输入.";
inline constexpr std::string_view kYearRangeMessage = "年份必需在 1901 至 2050 之间, 请重新输入.";
inline constexpr std::string_view kYearOrderMessage = "结束年份必需大于等于开始年份, 请重新输入.";
inline constexpr std::string_view kOpenFolderQuestion = "是否打开所在文件夹?";
inline constexpr std::string_view kPreviewHeading = "==========内容预览========== ";
inline constexpr int kFirstYear = 1901;
inline constexpr int kLastYear = 2050;

class IcalExport {
 public:
  // Reads the options through `calendar` at the moment each value is needed.
  IcalExport(LunarCalendar& calendar, ExportPlatform& platform)
      : calendar_(calendar), platform_(platform) {}

  // Checks the year texts of the two year boxes and writes each year of the
  // selection. A year text that is not a number throws ConversionError,
  // for the general error report, before anything is written.
  void ExportRange(std::string_view startText, std::string_view endText);

  // Writes, reports and previews one year; the months are decimal texts.
  void ExportYear(std::string_view yearText, std::string_view firstMonthText,
                  std::string_view lastMonthText);

  // Opens the file manager on the program's folder, the program selected.
  void OpenProgramFolder();

 private:
  std::string TitleOf(std::chrono::sys_days date, const std::string& yearText);

  LunarCalendar& calendar_;
  ExportPlatform& platform_;
  // The range that ExportRange was given, for the range's completion text.
  std::string startText_;
  std::string endText_;
  int endYear_ = 0;
};

// The folder of a program path, ending with the path separator.
std::string FolderOf(std::string_view programPath);

}  // namespace tessarine
