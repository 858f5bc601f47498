#include "ui/instructions.h"

#include <QCoreApplication>
#include <fmt/format.h>

#include <array>
#include <string>

#include "calendar/year_range.h"
#include "version.h"

namespace tessarine {
namespace {

// Marked for translation; {first} and {last} are the calendar's years.
constexpr std::array<const char*, 19> kItems = {
    QT_TRANSLATE_NOOP("Instructions", "1. 可生成{first}年至{last}年之间包含农历日期、农历节日和节气等信息的iCal文件，便于用户导入到Google日历同步到手机上查看。"),
    QT_TRANSLATE_NOOP("Instructions", "2. 年份选择下拉列表只显示当年到{last}年之间的年份，如需要生成以前的年份请自行输入。如需要生成多个年份的iCal文件，请勾选【结束年份】项并选择结束年份，届时会生成对应年份的iCal文件，每个年份对应一个文件（勾选【控制】菜单中的【合并为一个文件】则写成一个文件），请自行选择导入。"),
    QT_TRANSLATE_NOOP("Instructions", "3. 为在手机上节省显示空间，【普通格式】生成的农历信息只显示农历日期不显示农历月份，每月初一显示该农历月份，若同一天既有节日又有节气，则按选择分别显示“节日”、“节气”或“节日/节气”。"),
    QT_TRANSLATE_NOOP("Instructions", "4. 【普通格式】生成的农历信息是包含有节日节气信息的，如果希望只显示农历日期而不需要节日节气信息，可在【农历信息内容控制】中勾选【无节日节气】。"),
    QT_TRANSLATE_NOOP("Instructions", "5. 【普通格式】生成的农历信息只显示农历“日期”，还可在【农历信息内容控制】中选择输出显示“月份+日期”、“节日和节气”或是只显示“节气”。"),
    QT_TRANSLATE_NOOP("Instructions", "6. 【自定义格式】用于生成不同格式的农历信息内容，在内容格式框进行格式编辑，特定的信息内容可通过备选内容框选择，编辑同时底部预览框会有即时效果预览，选择预览日期可以查看不同日期下的格式效果。勾选【处理空格】后会把输出内容中的多余空格合并为一个空格。"),
    QT_TRANSLATE_NOOP("Instructions", "7. 【自定义格式】中的默认格式只是为了尽量多的展示备选内容效果，输出内容较长，请自行编辑符合自己要求的格式效果。"),
    QT_TRANSLATE_NOOP("Instructions", "8. 生成的iCal文件会被命名为“Tessarine_年份_yymmdd-hhmmss.ics”，年份为生成农历信息的所选择的年份，yymmdd为生成日期，hhmmss为生成时间，文件存放的位置见第13条，为避免乱码文件输出使用UTF8编码。"),
    QT_TRANSLATE_NOOP("Instructions", "9. 【打开文件夹】能够直接打开生成的iCal文件所在的文件夹（见第13条），方便定位生成的ical文件。"),
    QT_TRANSLATE_NOOP("Instructions", "10. 【控制】菜单中的【使用冬,腊月显示】用于选择是否把农历的十一月和十二月显示为冬月和腊月，默认启用。"),
    QT_TRANSLATE_NOOP("Instructions", "11. 【控制】菜单中的【生成后弹出提示框】可控制成功生成iCal文件后是否弹出提示对话框，若要连续生成多个iCal文件为了方便可关闭该项。"),
    QT_TRANSLATE_NOOP("Instructions", "12. 【节假日】列出已知官方放假安排的年份（内置2008年起各年，以国务院办公厅的通知为准）及所选年份的放假（休）和调休上班（班）日期。在此页点击【生成 iCal】会生成所选年份的法定节假日文件，还不知道安排的年份会注明而不会猜测。新一年的安排公布后，点击【粘贴通知…】粘贴通知全文即可加入。勾选【控制】菜单中的【标注休/班】后，农历文件中这些日子的标题会加上（休）或（班）。"),
    QT_TRANSLATE_NOOP("Instructions", "13. 文件存放的位置：解压到自己文件夹的便携版，文件存放在程序所在的文件夹；安装的程序从不写入程序所在的系统文件夹，文件存放在“文档/Tessarine”文件夹。也可以在【控制】菜单的【输出文件夹…】中另选，程序会记住。【打开文件夹】打开的就是这个文件夹。【控制】菜单的【合并为一个文件】把所选的多个年份写进一个文件，一次导入；【固定文件名】让文件名不带生成时间，再次生成时替换旧文件，放在同步文件夹中可以作为订阅链接。"),
    QT_TRANSLATE_NOOP("Instructions", "14. 【纪念日】用来生成家人的农历生日和纪念日：点击【添加】填写名称、日期（农历如 三月初八、闰四月十五、3-8，或公历生日如 1960-04-03）和可选的起始年（标题中显示第几年）。每行右边显示换算出的农历日期和下次的日子。列表保存在配置文件夹的 anniversaries.csv 中，也可以用其他程序编辑；有误的格子显示为红色，按 Ctrl+Z 可撤销上一次修改。在此页点击【生成 iCal】会生成所选年份的纪念日文件。"),
    QT_TRANSLATE_NOOP("Instructions", "15. 导入日历：建议先新建一个日历，再把文件导入到这个新日历中，不需要时可一次删除整个日历。Google 日历：网页版【设置】→【添加日历】→【创建新日历】，再在【导入和导出】中选择文件并导入到新日历。Outlook：【添加日历】→【从文件上传】，选择新日历。Apple 日历：【文件】→【导入】，选择【新建日历】。Thunderbird：【文件】→【新建】→【日历】，再用【事件和任务】→【导入】导入到新日历。"),
    QT_TRANSLATE_NOOP("Instructions", "16. 【控制】菜单的【历法】选择按哪国的阴历换算：中国农历、韩国阴历（UTC+9）或越南阴历（UTC+7），各用本国的节日；【文字】选择文件中月份、节气、节日等名称的文字：简体、繁體、한국어 或 Tiếng Việt。选择历法时文字随之改为该国的文字，之后也可另选。纪念日的【历法】一栏写 韩国阴历 或 越南阴历，该纪念日就按那国的阴历每年重复。"),
    QT_TRANSLATE_NOOP("Instructions", "17. 【控制】菜单的【标注月相】在新月、上弦、满月、下弦的日子后加上月相（如“初八 上弦”），【标注三伏、数九】加上三伏和数九的第几天（如“十五 三九第1天”），【写入详细说明】把每天的农历、干支、生肖、节气和交节时刻、节日、月相、三伏或数九写进事件的说明。【生成月相日历】和【生成节气日历】为所选年份生成月相或二十四节气的文件，标题带时刻（如“满月 21:36”“立春 04:02”）。【自定义格式】的【农历备选内容】第二列：时刻 LH（节气的交节时刻）、月相 LP（月相和时刻）、伏九 LS（三伏、数九的第几天）、日柱 GD（日干支）、月柱 GM（月干支）。"),
    QT_TRANSLATE_NOOP("Instructions", "18. 右侧的月视图按当前的选项显示每天将写入文件的标题，以及休、班和纪念日（●）；今天以黄色标出，周末为红色。用 ‹ › « » 或键盘（方向键、PgUp/PgDn 翻月、Ctrl+PgUp/PgDn 翻年、Home 回到今天）翻看，选中的日子在下方显示详细说明。生成后月视图转到写入的第一个月，点击【查看文件内容】可看文件全文，【返回月视图】回来。"),
    QT_TRANSLATE_NOOP("Instructions", "19. 【控制】菜单的【生成滚动订阅文件】把去年到几年后（【滚动年数】中选择，程序会记住）写成一个固定文件名的文件，如“Tessarine_Rolling.ics”，每次生成时替换旧文件；放在同步文件夹或网站上即可作为订阅链接，日历每天刷新。在【纪念日】或【节假日】页点击则生成相应的滚动文件。"),
};

QString Translated(const char* text) { return QCoreApplication::translate("Instructions", text); }

}  // namespace

QString InstructionsText() {
  // The heading's title is the language's; its version line is this build's
  // in every language.
  std::string text = Translated(QT_TRANSLATE_NOOP("Instructions", "Tessarine - 农历iCal文件生成器使用说明")).toStdString();
  text.append(fmt::format("\r\nv{} - {}\r\n\r\n", kVersion, kReleaseDate));
  for (const char* item : kItems) {
    text.append(fmt::format(fmt::runtime(Translated(item).toStdString()),
                            fmt::arg("first", static_cast<int>(YearRange::First)),
                            fmt::arg("last", static_cast<int>(YearRange::Last))));
    text.append("\r\n\r\n");
  }
  return QString::fromStdString(text) + MakerName() + "\r\n" + QString::fromUtf8(kMakerAddress.data(), kMakerAddress.size());
}

QString MakerName() { return QCoreApplication::translate("Instructions", "Tessarine 开发组"); }

}  // namespace tessarine
