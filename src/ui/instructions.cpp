#include "ui/instructions.h"

#include <fmt/format.h>

#include <array>
#include <string>

#include "calendar/year_range.h"
#include "version.h"

namespace tessarine {
namespace {

constexpr std::array<std::string_view, 12> kItems = {
    "1. 可生成{first}年至{last}年之间包含农历日期、农历节日和节气等信息的iCal文件，便于用户导入到Google日历同步到手机上查看。",
    "2. 年份选择下拉列表只显示当年到{last}年之间的年份，如需要生成以前的年份请自行输入，每次只生成1年的农历信息。如需要生成多个年份的iCal文件，请勾选【结束】项并选择结束年份，届时会生成对应年份的iCal文件，每个年份对应一个文件，请自行选择导入。",
    "3. 为在手机上节省显示空间，【普通格式】生成的农历信息只显示农历日期不显示农历月份，每月初一显示该农历月份，若同一天既有节日又有节气，则按选择分别显示“节日”、“节气”或“节日/节气”。",
    "4. 【普通格式】生成的农历信息是包含有节日节气信息的，如果希望只显示农历日期而不需要节日节气信息，可在【农历信息内容控制】中勾选【无节日节气】。",
    "5. 【普通格式】生成的农历信息只显示农历“日期”，还可在【农历信息内容控制】中选择输出显示“月份+日期”、“节日和节气”或是只显示“节气”。",
    "6. 【自定义格式】用于生成不同格式的农历信息内容，在内容格式框进行格式编辑，特定的信息内容可通过备选内容框选择，编辑同时底部预览框会有即时效果预览，选择预览日期可以查看不同日期下的格式效果。勾选【处理空格】后会把输出内容中的多余空格合并为一个空格。",
    "7. 【自定义格式】中的默认格式只是为了尽量多的展示备选内容效果，输出内容较长，请自行编辑符合自己要求的格式效果。",
    "8. 生成的iCal文件会被命名为“Tessarine_年份_yyyymmdd-hhmmss.ics”，年份为生成农历信息的所选择的年份，yyyymmdd为生成日期，hhmmss为生成时间，该文件会被保存在Tessarine执行文件所在的目录，为避免乱码文件输出使用UTF8编码。",
    "9. 【打开所文件夹】能够直接打开Tessarine程序文件所在的文件夹，方便定位生成的ical文件。",
    "10. 【控制】菜单中的【使用冬,腊月显示】用于选择是否把农历的十一月和十二月显示为冬月和腊月，默认启用。",
    "11. 【控制】菜单中的【生成后弹出提示框】可控制成功生成iCal文件后是否弹出提示对话框，若要连续生成多个iCal文件为了方便可关闭该项。",
    "12. 【节假日】列出已知官方放假安排的年份（内置2008年起各年，以国务院办公厅的通知为准）及所选年份的放假（休）和调休上班（班）日期。在此页点击【生成 iCal】会生成所选年份的法定节假日文件，还不知道安排的年份会注明而不会猜测。新一年的安排公布后，点击【粘贴通知…】粘贴通知全文即可加入。勾选【控制】菜单中的【标注休/班】后，农历文件中这些日子的标题会加上（休）或（班）。",
};

std::string Build() {
  std::string text = fmt::format("Tessarine - 农历iCal文件生成器使用说明\r\nv{} - 2013-01-06\r\n\r\n", kVersion);
  for (const auto item : kItems) {
    text.append(fmt::format(fmt::runtime(item), fmt::arg("first", static_cast<int>(YearRange::First)),
                            fmt::arg("last", static_cast<int>(YearRange::Last))));
    text.append("\r\n\r\n");
  }
  text.append(kMakerName).append("\r\n").append(kMakerAddress);
  return text;
}

}  // namespace

std::string_view InstructionsText() {
  static const std::string text = Build();
  return text;
}

}  // namespace tessarine
