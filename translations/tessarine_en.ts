<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>FailureText</name>
    <message>
        <source>文件是只读的</source>
        <translation>the file is read-only</translation>
    </message>
    <message>
        <source>同名的不是普通文件（是管道、设备或套接字），不予替换</source>
        <translation>something other than a regular file (a pipe, a device or a socket) has that name, and is left as it is</translation>
    </message>
    <message>
        <source>同名的是其他用户在共享文件夹里建的链接，不予跟随</source>
        <translation>that name is a link another user made in a shared folder, which is not followed</translation>
    </message>
    <message>
        <source>不是普通文件（是文件夹、管道或设备）</source>
        <translation>it is not a regular file (a folder, a pipe or a device)</translation>
    </message>
    <message>
        <source>文件超过 %1 MB，不是列表</source>
        <translation>the file is larger than %1 MB: not a list</translation>
    </message>
    <message>
        <source>其中没有任何事件（没有事件的文件不是日历）</source>
        <translation>it would hold no event (a file with no event is no calendar)</translation>
    </message>
    <message>
        <source>没有写入权限</source>
        <translation>no permission to write</translation>
    </message>
    <message>
        <source>磁盘已满</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>不是文件夹</source>
        <translation>not a folder</translation>
    </message>
    <message>
        <source>文件夹不存在</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>磁盘是只读的</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>文件太大</source>
        <translation>the file is too large</translation>
    </message>
    <message>
        <source>磁盘读写出错</source>
        <translation>the disk failed to read or write</translation>
    </message>
    <message>
        <source>同名文件太多</source>
        <translation>too many files of that name</translation>
    </message>
    <message>
        <source>路径太长</source>
        <translation>the path is too long</translation>
    </message>
    <message>
        <source>同名的是一个文件夹</source>
        <translation>a folder has that name</translation>
    </message>
    <message>
        <source>符号链接绕成了圈</source>
        <translation>symbolic links run in a loop</translation>
    </message>
    <message>
        <source>文件正被其他程序使用</source>
        <translation>another program is using the file</translation>
    </message>
    <message>
        <source>这个磁盘的文件系统不支持这样写入</source>
        <translation>the disk&apos;s file system cannot write this way</translation>
    </message>
    <message>
        <source>打开的文件太多</source>
        <translation>too many open files</translation>
    </message>
    <message>
        <source>内存不足</source>
        <translation>out of memory</translation>
    </message>
    <message>
        <source>磁盘或网络位置已断开</source>
        <translation>the disk or network location is disconnected</translation>
    </message>
    <message>
        <source>系统错误（错误码 %1）</source>
        <translation>system error (code %1)</translation>
    </message>
    <message>
        <source>无法生成 iCal 文件，%1：<byte value="xd"/>
%2</source>
        <translation>Cannot write the iCal file, %1:<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>Instructions</name>
    <message>
        <source>1. 可生成{first}年至{last}年之间包含农历日期、农历节日和节气等信息的iCal文件，便于用户导入到Google日历同步到手机上查看。</source>
        <translation>1. Writes iCal files for any years from {first} to {last} with the lunar date, lunar festivals and solar terms of each day, to import into Google Calendar and see on the phone.</translation>
    </message>
    <message>
        <source>2. 年份选择下拉列表只显示当年到{last}年之间的年份，如需要生成以前的年份请自行输入。如需要生成多个年份的iCal文件，请勾选【结束年份】项并选择结束年份，届时会生成对应年份的iCal文件，每个年份对应一个文件（勾选【控制】菜单中的【合并为一个文件】则写成一个文件），请自行选择导入。</source>
        <translation>2. The year list offers this year to {last}; type an earlier year to write it. For several years, check [End year] and choose the last one: one file is written for each year (or a single file with [All years in one file] in the [Options] menu), to import as you wish.</translation>
    </message>
    <message>
        <source>3. 为在手机上节省显示空间，【普通格式】生成的农历信息只显示农历日期不显示农历月份，每月初一显示该农历月份，若同一天既有节日又有节气，则按选择分别显示“节日”、“节气”或“节日/节气”。</source>
        <translation>3. To save room on a phone, the [Normal] format shows the lunar day without its month, and the month on its first day. When a festival and a solar term fall on one day, it shows the festival, the term or both (festival/term), as chosen.</translation>
    </message>
    <message>
        <source>4. 【普通格式】生成的农历信息是包含有节日节气信息的，如果希望只显示农历日期而不需要节日节气信息，可在【农历信息内容控制】中勾选【无节日节气】。</source>
        <translation>4. The [Normal] format includes festivals and solar terms; for the lunar date alone, check [No festivals or terms] under [Lunar information].</translation>
    </message>
    <message>
        <source>5. 【普通格式】生成的农历信息只显示农历“日期”，还可在【农历信息内容控制】中选择输出显示“月份+日期”、“节日和节气”或是只显示“节气”。</source>
        <translation>5. The [Normal] format shows the lunar day; under [Lunar information] it can show the month and day, festivals and terms, or solar terms only.</translation>
    </message>
    <message>
        <source>6. 【自定义格式】用于生成不同格式的农历信息内容，在内容格式框进行格式编辑，特定的信息内容可通过备选内容框选择，编辑同时底部预览框会有即时效果预览，选择预览日期可以查看不同日期下的格式效果。勾选【处理空格】后会把输出内容中的多余空格合并为一个空格。</source>
        <translation>6. The [Custom] format composes titles of your own: edit the template, click a token to insert it, and the preview below shows the result at once for the chosen preview date. [Collapse spaces] turns runs of spaces in the result into one.</translation>
    </message>
    <message>
        <source>7. 【自定义格式】中的默认格式只是为了尽量多的展示备选内容效果，输出内容较长，请自行编辑符合自己要求的格式效果。</source>
        <translation>7. The default [Custom] template shows as many tokens as it can, and its titles are long; edit it to your liking.</translation>
    </message>
    <message>
        <source>8. 生成的iCal文件会被命名为“Tessarine_年份_yymmdd-hhmmss.ics”，年份为生成农历信息的所选择的年份，yymmdd为生成日期，hhmmss为生成时间，文件存放的位置见第13条，为避免乱码文件输出使用UTF8编码。</source>
        <translation>8. The files are named “Tessarine_YEAR_yymmdd-hhmmss.ics”: YEAR is the year written, yymmdd the date and hhmmss the time of writing. Item 13 says where they go. They are written in UTF-8, so that every calendar reads them alike.</translation>
    </message>
    <message>
        <source>9. 【打开文件夹】能够直接打开生成的iCal文件所在的文件夹（见第13条），方便定位生成的ical文件。</source>
        <translation>9. [Open folder] opens the folder the files are written to (see item 13).</translation>
    </message>
    <message>
        <source>10. 【控制】菜单中的【使用冬,腊月显示】用于选择是否把农历的十一月和十二月显示为冬月和腊月，默认启用。</source>
        <translation>10. [Months 11 and 12 as 冬月 and 腊月] in the [Options] menu names lunar months 11 and 12 by their old names, 冬月 (the winter month) and 腊月 (the month of the year-end sacrifice), instead of 十一月 and 十二月 (11th and 12th month); it is on by default.</translation>
    </message>
    <message>
        <source>11. 【控制】菜单中的【生成后弹出提示框】可控制成功生成iCal文件后是否弹出提示对话框，若要连续生成多个iCal文件为了方便可关闭该项。</source>
        <translation>11. [Prompt after generating] in the [Options] menu shows a message after each successful run; turn it off to write many files in a row.</translation>
    </message>
    <message>
        <source>12. 【节假日】列出已知官方放假安排的年份（内置2008年起各年，以国务院办公厅的通知为准）及所选年份的放假（休）和调休上班（班）日期。在此页点击【生成 iCal】会生成所选年份的法定节假日文件，还不知道安排的年份会注明而不会猜测。新一年的安排公布后，点击【粘贴通知…】粘贴通知全文即可加入。勾选【控制】菜单中的【标注休/班】后，农历文件中这些日子的标题会加上（休）或（班）。</source>
        <translation>12. [Holidays] lists the years whose official schedule is known (every year from 2008 is built in, as the General Office of the State Council announced it) and the days off (休) and make-up workdays (班) of the selected year. [Generate iCal] on this tab writes the official holidays of the selected years; years without a known schedule are named, never guessed. When a new year&apos;s schedule is published, [Paste notice…] adds it from the notice&apos;s text. With [Mark days off and workdays] in the [Options] menu, those days&apos; titles in the lunar files get (休) or (班).</translation>
    </message>
    <message>
        <source>13. 文件存放的位置：解压到自己文件夹的便携版，文件存放在程序所在的文件夹；安装的程序从不写入程序所在的系统文件夹，文件存放在“文档/Tessarine”文件夹。也可以在【控制】菜单的【输出文件夹…】中另选，程序会记住。【打开文件夹】打开的就是这个文件夹。【控制】菜单的【合并为一个文件】把所选的多个年份写进一个文件，一次导入；【固定文件名】让文件名不带生成时间，再次生成时替换旧文件，放在同步文件夹中可以作为订阅链接。</source>
        <translation>13. Where files go: a portable copy unpacked into a folder of your own writes beside the program; an installed program never writes into its system folder and writes into “Documents/Tessarine”. [Output folder…] in the [Options] menu chooses another, which is remembered, and [Open folder] opens it. [All years in one file] writes the chosen years into one file to import at once; [Fixed file name] leaves the time out of the name, so that writing again replaces the file, which a synced folder can offer as a subscription link.</translation>
    </message>
    <message>
        <source>14. 【纪念日】用来生成家人的农历生日和纪念日：点击【添加】填写名称、日期（农历如 三月初八、闰四月十五、3-8，或公历生日如 1960-04-03）和可选的起始年（标题中显示第几年）。每行右边显示换算出的农历日期和下次的日子。列表保存在配置文件夹的 anniversaries.csv 中，也可以用其他程序编辑；有误的格子显示为红色，按 Ctrl+Z 可撤销上一次修改。在此页点击【生成 iCal】会生成所选年份的纪念日文件。</source>
        <translation>14. [Anniversaries] writes lunar birthdays and memorial days: [Add] a row with a name, a date (lunar, such as 三月初八 (3rd month, 8th day), 闰四月十五 (leap 4th month, 15th day) or 3-8, or a Gregorian birthday such as 1960-04-03) and an optional first year (titles then count the years). Each row shows its lunar date and the next day it falls on. The list is kept in anniversaries.csv in the configuration folder and may be edited with other programs; a cell in error is red, and Ctrl+Z undoes the last change. [Generate iCal] on this tab writes the anniversaries of the chosen years.</translation>
    </message>
    <message>
        <source>15. 导入日历：建议先新建一个日历，再把文件导入到这个新日历中，不需要时可一次删除整个日历。Google 日历：网页版【设置】→【添加日历】→【创建新日历】，再在【导入和导出】中选择文件并导入到新日历。Outlook：【添加日历】→【从文件上传】，选择新日历。Apple 日历：【文件】→【导入】，选择【新建日历】。Thunderbird：【文件】→【新建】→【日历】，再用【事件和任务】→【导入】导入到新日历。</source>
        <translation>15. Importing: make a new calendar first and import the file into it; it can then be removed in one step. Google Calendar on the web: [Settings] → [Add calendar] → [Create new calendar], then choose the file under [Import &amp; export] and import it into the new calendar. Outlook: [Add calendar] → [Upload from file], choosing the new calendar. Apple Calendar: [File] → [Import], choosing [New Calendar]. Thunderbird: [File] → [New] → [Calendar], then [Events and Tasks] → [Import] into the new calendar.</translation>
    </message>
    <message>
        <source>16. 【控制】菜单的【历法】选择按哪国的阴历换算：中国农历、韩国阴历（UTC+9）或越南阴历（UTC+7），各用本国的节日；【文字】选择文件中月份、节气、节日等名称的文字：简体、繁體、한국어 或 Tiếng Việt。选择历法时文字随之改为该国的文字，之后也可另选。纪念日的【历法】一栏写 韩国阴历 或 越南阴历，该纪念日就按那国的阴历每年重复。</source>
        <translation>16. [Calendar] in the [Options] menu chooses whose lunar calendar the files follow: Chinese, Korean (UTC+9) or Vietnamese (UTC+7), each with its own festivals. [File language] chooses the language of month, term and festival names in the files: 简体, 繁體, 한국어 or Tiếng Việt; choosing a calendar chooses its own language, which may be changed after. An anniversary with korean or vietnamese in its [Calendar] column repeats by that country&apos;s lunar calendar.</translation>
    </message>
    <message>
        <source>17. 【控制】菜单的【标注月相】在新月、上弦、满月、下弦的日子后加上月相（如“初八 上弦”），【标注三伏、数九】加上三伏和数九的第几天（如“十五 三九第1天”），【写入详细说明】把每天的农历、干支、生肖、节气和交节时刻、节日、月相、三伏或数九写进事件的说明。【生成月相日历】和【生成节气日历】为所选年份生成月相或二十四节气的文件，标题带时刻（如“满月 21:36”“立春 04:02”）。【自定义格式】的【农历备选内容】第二列：时刻 LH（节气的交节时刻）、月相 LP（月相和时刻）、伏九 LS（三伏、数九的第几天）、日柱 GD（日干支）、月柱 GM（月干支）。</source>
        <translation>17. [Mark moon phases] in the [Options] menu adds the phase on days of new moon, first quarter, full moon and last quarter (“初八 上弦”: 8th day, first quarter); [Mark the dog days and the nines of winter] adds the day of 三伏 (the dog days) and 数九 (the nine nines of winter) (“十五 三九第1天”: 15th day, 1st day of the third nine); [Write full descriptions] writes each day&apos;s lunar date, sexagenary names (干支), zodiac, solar term and its time, festivals, moon phase, dog day or nine into the event&apos;s description. [Write moon phase calendar] and [Write solar term calendar] write the phases or the 24 solar terms of the chosen years, titled with their times (“满月 21:36”: full moon at 21:36; “立春 04:02”: Start of Spring at 04:02). The second column of [Lunar tokens] in the [Custom] format: LH the term&apos;s time, LP the moon phase and its time, LS the day of the dog days or the nines, GD the day&apos;s sexagenary name, GM the month&apos;s.</translation>
    </message>
    <message>
        <source>18. 右侧的月视图按当前的选项显示每天将写入文件的标题，以及休、班和纪念日（●）；今天以黄色标出，周末为红色。用 ‹ › « » 或键盘（方向键、PgUp/PgDn 翻月、Ctrl+PgUp/PgDn 翻年、Home 回到今天）翻看，选中的日子在下方显示详细说明。生成后月视图转到写入的第一个月，点击【查看文件内容】可看文件全文，【返回月视图】回来。</source>
        <translation>18. The month view on the right shows each day&apos;s title as the current options would write it, with 休 (day off), 班 (workday) and anniversaries (●); today is yellow, weekends red. Turn pages with ‹ › « » or the keyboard (arrows; PgUp/PgDn a month, Ctrl+PgUp/PgDn a year, Home today); the selected day&apos;s full description shows below. After writing, the view turns to the first month written; [View file] shows the whole file and [Back to month] returns.</translation>
    </message>
    <message>
        <source>19. 【控制】菜单的【生成滚动订阅文件】把去年到几年后（【滚动年数】中选择，程序会记住）写成一个固定文件名的文件，如“Tessarine_Rolling.ics”，每次生成时替换旧文件；放在同步文件夹或网站上即可作为订阅链接，日历每天刷新。在【纪念日】或【节假日】页点击则生成相应的滚动文件。</source>
        <translation>19. [Write rolling feed] in the [Options] menu writes last year to some years ahead (chosen under [Rolling years], and remembered) into one fixed-name file such as “Tessarine_Rolling.ics”, replaced on every run; in a synced folder or on a web site it is a subscription link that calendars refresh daily. On the [Anniversaries] or [Holidays] tab it writes that tab&apos;s rolling file.</translation>
    </message>
    <message>
        <source>Tessarine - 农历iCal文件生成器使用说明</source>
        <translation>Tessarine - Lunar iCal Generator: instructions</translation>
    </message>
    <message>
        <source>Tessarine 开发组</source>
        <translation>The Tessarine developers</translation>
    </message>
</context>
<context>
    <name>tessarine::AboutMenu</name>
    <message>
        <source>关于(&amp;A)</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>&amp;Tessarine - 农历iCal文件生成器   </source>
        <translation>&amp;Tessarine - Lunar iCal Generator   </translation>
    </message>
    <message>
        <source>问题反馈</source>
        <translation>Feedback</translation>
    </message>
</context>
<context>
    <name>tessarine::AnniversariesTab</name>
    <message>
        <source>请填写名称</source>
        <translation>Please enter a name</translation>
    </message>
    <message>
        <source>请填写日期</source>
        <translation>Please enter a date</translation>
    </message>
    <message>
        <source>无法识别的日期: 请写农历日期 (如 三月初八、闰四月十五、3-8) 或公历日期 (如 1960-04-03)</source>
        <translation>Unknown date: write a lunar date (such as 三月初八 for the 3rd month, 8th day, 闰四月十五 for the leap 4th month, 15th day, or 3-8) or a Gregorian date (such as 1960-04-03)</translation>
    </message>
    <message>
        <source>没有这个农历月份</source>
        <translation>There is no such lunar month</translation>
    </message>
    <message>
        <source>没有这个农历日期</source>
        <translation>There is no such lunar day</translation>
    </message>
    <message>
        <source>公历没有这一天</source>
        <translation>The Gregorian calendar has no such day</translation>
    </message>
    <message>
        <source>公历日期必须在 %1-01-01 至 %2-12-31 之间</source>
        <translation>A Gregorian date must lie between %1-01-01 and %2-12-31</translation>
    </message>
    <message>
        <source>起始年必须是 %1 至 %2 之间的四位数年份</source>
        <translation>The first year must be a four-digit year from %1 to %2</translation>
    </message>
    <message>
        <source>这是公历日期，不是农历日期: 请写成 1960-04-03 这样 (按那天的农历日期纪念)，或直接写农历日期 (如 三月初八、3-8)</source>
        <translation>This is a Gregorian date, not a lunar one: write it as 1960-04-03 (the lunar date of that day is kept), or write the lunar date itself (such as 3-8 or 三月初八, the 3rd month, 8th day)</translation>
    </message>
    <message>
        <source>农历日期不带年份: 请写 三月初八 或 3-8，年份写在起始年一栏</source>
        <translation>A lunar date is written without its year: write 3-8 or 三月初八 (3rd month, 8th day), and the year as the first year</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>起始年</source>
        <translation>First year</translation>
    </message>
    <message>
        <source>历法</source>
        <translation>Calendar</translation>
    </message>
    <message>
        <source>农历 · 下次</source>
        <translation>Lunar date · next</translation>
    </message>
    <message>
        <source>留空按中国农历；写 韩国阴历 或 越南阴历，按该国的阴历每年重复（如韩国的제사、越南的giỗ）</source>
        <translation>Empty for the Chinese calendar; write korean or vietnamese to repeat the day by that country&apos;s lunar calendar (a Korean 제사, a Vietnamese giỗ)</translation>
    </message>
    <message>
        <source>换算出的农历日期和下次的日子</source>
        <translation>The lunar date and the next day it falls on</translation>
    </message>
    <message>
        <source>每行一个纪念日: 名称、日期和可选的起始年 (农历年, 标题中显示第几年)</source>
        <translation>One anniversary a row: name, date and an optional first year (a lunar year; titles then count the years)</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>添加一行纪念日</source>
        <translation>Add an anniversary</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>删除选中的纪念日</source>
        <translation>Remove the selected anniversaries</translation>
    </message>
    <message>
        <source>提前提醒</source>
        <translation>Remind</translation>
    </message>
    <message>
        <source>在纪念日前几天的上午 9 点提醒 (0 为当天)</source>
        <translation>A reminder at 9 a.m. this many days before (0 for the day itself)</translation>
    </message>
    <message>
        <source>提醒写成单独事件</source>
        <translation>Reminders as events</translation>
    </message>
    <message>
        <source>Google 日历导入时会丢弃提醒：勾选后，提醒写成提前几天的全天事件，如“3天后：妈妈生日”</source>
        <translation>Google Calendar drops reminders on import: when checked, a reminder is an all-day event of its own days before, such as “3天后：妈妈生日” (in 3 days: Mum&apos;s birthday)</translation>
    </message>
    <message>
        <source>日期如 三月初八、闰四月十五、3-8, 或公历生日 1960-04-03</source>
        <translation>Dates like 3-8 or 三月初八 (3rd month, 8th day), 闰四月十五 (leap 4th month, 15th day), or a Gregorian birthday 1960-04-03</translation>
    </message>
    <message>
        <source>红色的格子有误, 鼠标停在上面可看原因; 有误的行不会生成</source>
        <translation>A red cell is wrong; rest the mouse on it to see why. Rows with errors are not written</translation>
    </message>
    <message>
        <source>打开文件夹</source>
        <translation>Open folder</translation>
    </message>
    <message>
        <source>新建列表</source>
        <translation>New list</translation>
    </message>
    <message>
        <source>把无法读取的文件改名留作备份，从空列表开始</source>
        <translation>Rename the unreadable file as a backup and start with an empty list</translation>
    </message>
    <message>
        <source>与第 %1 行的名称和日期相同</source>
        <translation>Same name and date as row %1</translation>
    </message>
    <message>
        <source>这一行还没有保存</source>
        <translation>This row is not saved yet</translation>
    </message>
    <message>
        <source>第 %1 行不是 UTF-8 或 GB18030 编码的文字</source>
        <translation>Line %1 is not text in UTF-8 or GB18030</translation>
    </message>
    <message>
        <source>第 %1 行的引号没有闭合</source>
        <translation>A quote on line %1 is not closed</translation>
    </message>
    <message>
        <source>到第 %1 行，行和字段已超过 %2 个，没有这么大的列表</source>
        <translation>by line %1 the rows and fields pass %2: no list is that large</translation>
    </message>
    <message>
        <source>第 %1 行是 UTF-8 编码，第 %2 行却不是：一个文件里混有两种编码，请用一种编码重新保存</source>
        <translation>Line %1 is UTF-8 but line %2 is not: the file mixes two encodings; save it again in one</translation>
    </message>
    <message>
        <source>无法读取：%1</source>
        <translation>Cannot read: %1</translation>
    </message>
    <message>
        <source>此列表是 GB18030（GBK）编码，修改后将保存为 UTF-8。</source>
        <translation>This list is in GB18030 (GBK); a change saves it as UTF-8.</translation>
    </message>
    <message>
        <source>纪念日列表 %1 无法作为列表读取：%2。为免丢失内容，在文件能正常读取之前不会保存任何修改；也可以新建列表，原文件会留作备份。</source>
        <translation>The anniversary list %1 cannot be read as a list: %2. So that nothing is lost, no change is saved until the file reads again; or start a new list, and the file is kept as a backup.</translation>
    </message>
    <message>
        <source>纪念日列表刚被其他程序修改过，已与你的修改合并。</source>
        <translation>Another program has just changed the anniversary list; your changes were merged with it.</translation>
    </message>
    <message>
        <source>保存纪念日列表失败：%1。标有 * 的行还没有保存。</source>
        <translation>The anniversary list could not be saved: %1. Rows marked * are not saved yet.</translation>
    </message>
    <message>
        <source>纪念日列表已被其他程序修改，与刚才的修改冲突；列表保留磁盘上的版本，你的修改无法另存：%1。</source>
        <translation>Another program changed the anniversary list in a way that conflicts with your change; the list keeps the version on disk, and yours could not be saved beside it: %1.</translation>
    </message>
    <message>
        <source>纪念日列表已被其他程序修改，与刚才的修改冲突；列表保留磁盘上的版本，你的版本另存为 %1。</source>
        <translation>Another program changed the anniversary list in a way that conflicts with your change; the list keeps the version on disk, and yours is saved as %1.</translation>
    </message>
    <message>
        <source>（无法改名留作备份，未新建列表。）</source>
        <translation> (It could not be renamed as a backup; no new list was started.)</translation>
    </message>
    <message>
        <source>原文件已改名为 %1。</source>
        <translation>The old file was renamed %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n 天</source>
        <comment>days before an anniversary, around the number in the box</comment>
        <translation>
            <numerusform>%n day</numerusform>
            <numerusform>%n days</numerusform>
        </translation>
    </message>
    <message>
        <source>不是历法的名称: 请写 农历、韩国阴历 或 越南阴历 (也可写 Korean、한국、Việt Nam 等)，留空即按中国农历；备注请移到右边一栏</source>
        <translation>Not a calendar&apos;s name: write chinese, korean or vietnamese (or Korean, 한국, Việt Nam and the like); empty is the Chinese calendar. A note belongs in the next column to the right</translation>
    </message>
</context>
<context>
    <name>tessarine::ControlMenu</name>
    <message>
        <source>控制(&amp;C)</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>使用说明(&amp;H) </source>
        <translation>&amp;Help </translation>
    </message>
    <message>
        <source>生成 iCal(&amp;I)</source>
        <translation>Generate &amp;iCal</translation>
    </message>
    <message>
        <source>使用冬,腊月显示</source>
        <translation>Months 11 and 12 as 冬月 and 腊月 (their old names)</translation>
    </message>
    <message>
        <source>标注月相</source>
        <translation>Mark moon phases</translation>
    </message>
    <message>
        <source>在新月、上弦、满月、下弦的日子后加上月相，如“初八 上弦”</source>
        <translation>Adds the phase on days of new moon, first quarter, full moon and last quarter, as in “初八 上弦” (8th day, first quarter)</translation>
    </message>
    <message>
        <source>标注三伏、数九</source>
        <translation>Mark the dog days and the nines of winter (三伏, 数九)</translation>
    </message>
    <message>
        <source>在三伏和数九的日子后加上第几天，如“十五 三九第1天”</source>
        <translation>Adds the day of the dog days (三伏) and of the nines of winter (数九), as in “十五 三九第1天” (15th day, 1st day of the third nine)</translation>
    </message>
    <message>
        <source>写入详细说明</source>
        <translation>Write full descriptions</translation>
    </message>
    <message>
        <source>每天的说明中写入农历、干支、生肖、节气和时刻、节日、月相、三伏或数九</source>
        <translation>Each day&apos;s description holds its lunar date, sexagenary names (干支), zodiac, term and its time, festivals, moon phase, dog day or nine</translation>
    </message>
    <message>
        <source>生成月相日历</source>
        <translation>Write moon phase calendar</translation>
    </message>
    <message>
        <source>所选年份中每次新月、上弦、满月、下弦，标题带时刻，如“满月 21:36”</source>
        <translation>Every new moon, first quarter, full moon and last quarter of the chosen years, titled with its time, as in “满月 21:36” (full moon at 21:36)</translation>
    </message>
    <message>
        <source>生成节气日历</source>
        <translation>Write solar term calendar</translation>
    </message>
    <message>
        <source>所选年份的二十四节气，标题带交节时刻，如“立春 04:02”</source>
        <translation>The 24 solar terms of the chosen years, titled with their time, as in “立春 04:02” (Start of Spring at 04:02)</translation>
    </message>
    <message>
        <source>生成滚动订阅文件</source>
        <translation>Write rolling feed</translation>
    </message>
    <message>
        <source>从去年到几年后写成一个固定文件名的文件，每次生成时替换，便于订阅</source>
        <translation>Last year to some years ahead in one fixed-name file, replaced each time, for subscribing</translation>
    </message>
    <message>
        <source>滚动年数</source>
        <translation>Rolling years</translation>
    </message>
    <message>
        <source>生成后弹出提示框(&amp;P)</source>
        <translation>&amp;Prompt after generating</translation>
    </message>
    <message>
        <source>标注休/班</source>
        <translation>Mark days off and workdays</translation>
    </message>
    <message>
        <source>在官方放假和调休上班的日子后加上 (休) 或 (班)</source>
        <translation>Adds (休) to official days off and (班) to make-up workdays</translation>
    </message>
    <message>
        <source>合并为一个文件</source>
        <translation>All years in one file</translation>
    </message>
    <message>
        <source>所选的多个年份写进一个文件，一次导入</source>
        <translation>Writes the chosen years into one file, imported at once</translation>
    </message>
    <message>
        <source>固定文件名</source>
        <translation>Fixed file name</translation>
    </message>
    <message>
        <source>文件名不带生成时间（如 Tessarine_2026.ics），再次生成时替换旧文件，便于同步文件夹提供订阅链接</source>
        <translation>File names without the time of writing (such as Tessarine_2026.ics); writing again replaces the file, so a synced folder can offer a subscription link</translation>
    </message>
    <message>
        <source>输出文件夹…</source>
        <translation>Output folder…</translation>
    </message>
    <message>
        <source>选择生成的 iCal 文件存放的文件夹</source>
        <translation>Choose the folder the iCal files are written to</translation>
    </message>
    <message>
        <source>打开所在文件夹(&amp;O)</source>
        <translation>&amp;Open folder</translation>
    </message>
    <message>
        <source>退出(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message numerus="yes">
        <source>到 %n 年后</source>
        <translation>
            <numerusform>To %n year ahead</numerusform>
            <numerusform>To %n years ahead</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tessarine::CustomFormatTab</name>
    <message>
        <source> 干支 - LY </source>
        <translation> Year - LY </translation>
    </message>
    <message>
        <source> 生肖 - LZ </source>
        <translation> Zodiac - LZ </translation>
    </message>
    <message>
        <source> 月 - LM </source>
        <translation> Month - LM </translation>
    </message>
    <message>
        <source> 日 - LD </source>
        <translation> Day - LD </translation>
    </message>
    <message>
        <source> 节气 - LT </source>
        <translation> Term - LT </translation>
    </message>
    <message>
        <source> 节日 - LF </source>
        <translation> Festival - LF </translation>
    </message>
    <message>
        <source> 年4位 - Y1 </source>
        <translation> Year - Y1 </translation>
    </message>
    <message>
        <source> 年2位 - Y2 </source>
        <translation> Year (2) - Y2 </translation>
    </message>
    <message>
        <source> 月 - CM </source>
        <translation> Month - CM </translation>
    </message>
    <message>
        <source> 日 - CD </source>
        <translation> Day - CD </translation>
    </message>
    <message>
        <source> 星期 - CW </source>
        <translation> Weekday - CW </translation>
    </message>
    <message>
        <source> 节日 - CF </source>
        <translation> Festival - CF </translation>
    </message>
    <message>
        <source> 时刻 - LH </source>
        <translation> Time - LH </translation>
    </message>
    <message>
        <source> 月相 - LP </source>
        <translation> Moon - LP </translation>
    </message>
    <message>
        <source> 伏九 - LS </source>
        <translation> Fu/Jiu - LS </translation>
    </message>
    <message>
        <source> 日柱 - GD </source>
        <translation> Day GZ - GD </translation>
    </message>
    <message>
        <source> 月柱 - GM </source>
        <translation> Month GZ - GM </translation>
    </message>
    <message>
        <source>内容格式 [点击备选内容加入并编辑]</source>
        <translation>Template [click a token to insert it]</translation>
    </message>
    <message>
        <source> 农历备选内容 </source>
        <translation> Lunar tokens </translation>
    </message>
    <message>
        <source> 公历备选内容 </source>
        <translation> Gregorian tokens </translation>
    </message>
    <message>
        <source>恢复默认</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>清空内容</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>处理空格</source>
        <translation>Collapse spaces</translation>
    </message>
    <message>
        <source>将多个空格合并为一个空格</source>
        <translation>Turn runs of spaces into one space</translation>
    </message>
    <message>
        <source>预览日期</source>
        <translation>Preview date</translation>
    </message>
</context>
<context>
    <name>tessarine::GenerationRun</name>
    <message>
        <source>正在生成 iCal 文件…</source>
        <translation>Writing iCal files…</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
是否继续生成其余年份?</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Go on with the other years?</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>生成了 %1 个文件，%2 个未能生成：<byte value="xd"/>
</source>
        <translation>Wrote %1 file(s); %2 could not be written:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>是否打开所在文件夹?</source>
        <translation>Open its folder?</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>==========内容预览========== </source>
        <translation>========== Contents ========== </translation>
    </message>
    <message>
        <source>文件：%1</source>
        <translation>File: %1</translation>
    </message>
</context>
<context>
    <name>tessarine::HolidaysTab</name>
    <message>
        <source>已知放假安排的年份；在此页生成 iCal 时写入选中的年份（可按住 Ctrl 或 Shift 多选）</source>
        <translation>Years with a known holiday schedule; Generate iCal on this tab writes the selected years (Ctrl or Shift selects several)</translation>
    </message>
    <message>
        <source>%1 (自己添加)</source>
        <translation>%1 (added)</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>星期</source>
        <translation>Weekday</translation>
    </message>
    <message>
        <source>休/班</source>
        <translation>Off/Work</translation>
    </message>
    <message>
        <source>节日</source>
        <translation>Holiday</translation>
    </message>
    <message>
        <source>在此页生成 iCal 时写入左侧列表中选中的年份</source>
        <translation>Generate iCal on this tab writes the years selected in the list on the left</translation>
    </message>
    <message>
        <source>粘贴通知…</source>
        <translation>Paste notice…</translation>
    </message>
    <message>
        <source>国务院公布新一年的放假安排后，把通知全文粘贴进来即可加入这一年</source>
        <translation>When the State Council publishes the next year&apos;s schedule, paste the whole notice here to add that year</translation>
    </message>
    <message>
        <source>删除这一年</source>
        <translation>Remove year</translation>
    </message>
    <message>
        <source>删除自己添加的年份（内置年份恢复原样），可按 Ctrl+Z 撤销</source>
        <translation>Removes a year you added (a built-in year returns to its original); Ctrl+Z undoes it</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>节假日列表 %1 无法读取（%2），只使用内置的年份。</source>
        <translation>The holiday list %1 cannot be read (%2); only the built-in years are used.</translation>
    </message>
    <message>
        <source>节假日列表 %1 无法读取，只使用内置的年份，也不会保存。</source>
        <translation>The holiday list %1 cannot be read; only the built-in years are used, and nothing is saved.</translation>
    </message>
    <message>
        <source>节假日列表第 %1 行有误，已跳过。</source>
        <translation>Line %1 of the holiday list is wrong and was skipped.</translation>
    </message>
    <message>
        <source>保存节假日列表失败：%1，%2 年没有改动。</source>
        <translation>The holiday list could not be saved: %1; %2 is unchanged.</translation>
    </message>
    <message>
        <source>删除 %1 年</source>
        <translation>Remove %1</translation>
    </message>
    <message>
        <source>已删除自己添加的 %1 年，按 Ctrl+Z 可撤销。</source>
        <translation>Removed %1, which you had added; Ctrl+Z undoes it.</translation>
    </message>
    <message>
        <source>这将替换你自己添加的 %1 行：
%2是否继续？</source>
        <translation>This replaces %1 row(s) you added yourself:
%2Go on?</translation>
    </message>
    <message>
        <source>保存节假日列表失败：%1</source>
        <translation>The holiday list could not be saved: %1</translation>
    </message>
    <message>
        <source>节假日列表第 %1 行有误，为免丢失内容，%2 年没有保存。</source>
        <translation>Line %1 of the holiday list is wrong; so that nothing is lost, %2 was not saved.</translation>
    </message>
    <message>
        <source>节假日列表刚被其他程序修改，%1 年没有保存；已重新读取，请再保存一次。</source>
        <translation>Another program has just changed the holiday list, so %1 was not saved; the list was read again, please save once more.</translation>
    </message>
    <message>
        <source>已保存 %1 年的放假安排。</source>
        <translation>Saved the holiday schedule of %1.</translation>
    </message>
    <message>
        <source>导入…</source>
        <translation>Import…</translation>
    </message>
    <message>
        <source>行政院人事行政总处公布新一年的办公日历表（CSV）后，下载并导入即可加入这一年</source>
        <translation>Once the Directorate-General of Personnel Administration publishes the new year&apos;s office calendar (CSV), download and import it to add that year</translation>
    </message>
    <message>
        <source>导入香港政府公布的公众假期日历（iCalendar 文件）</source>
        <translation>Imports the public holiday calendar the Hong Kong government publishes (an iCalendar file)</translation>
    </message>
    <message>
        <source>%1 (推算)</source>
        <translation>%1 (computed)</translation>
    </message>
    <message>
        <source>这个地区没有已知的年份。</source>
        <translation>No year is known for this region.</translation>
    </message>
    <message>
        <source>已知 %1–%2 年（更早的年份未内置）。</source>
        <translation>Known: %1–%2 (earlier years are not built in).</translation>
    </message>
    <message>
        <source>已知 %1–%2 年。</source>
        <translation>Known: %1–%2.</translation>
    </message>
    <message>
        <source>%1–%2 年按政府公布的安排，其后的年份按法定规则推算，标为“暂定”。</source>
        <translation>%1–%2 follow the schedules the government published; later years are worked out by the statutory rules and marked “provisional”.</translation>
    </message>
    <message>
        <source>%1 年的通知公布后可粘贴加入。</source>
        <translation>Paste the %1 notice once it is published.</translation>
    </message>
    <message>
        <source>新一年的办公日历表公布后可导入。</source>
        <translation>Import the new year&apos;s office calendar once it is published.</translation>
    </message>
    <message>
        <source>政府公布新的假期日历后可导入。</source>
        <translation>Import the government&apos;s new holiday calendar once it is published.</translation>
    </message>
    <message>
        <source>临时假日等可在 %1 中加一行（地区一列写 %2）。</source>
        <translation>A one-off holiday and the like can be added as a row in %1 (with %2 in the region column).</translation>
    </message>
    <message>
        <source>文件不完整，可能没有下载完</source>
        <translation>the file is incomplete, perhaps not fully downloaded</translation>
    </message>
    <message>
        <source>不是这个地区政府公布的假期文件</source>
        <translation>not a holiday file published by this region&apos;s government</translation>
    </message>
    <message>
        <source>有无法读取的内容</source>
        <translation>some of it cannot be read</translation>
    </message>
    <message>
        <source>（第 %1 行）</source>
        <translation> (line %1)</translation>
    </message>
    <message>
        <source>这是 %1 年的修正版，但这一年还没有办公日历表可修正</source>
        <translation>this corrects the %1 office calendar, but that year has no office calendar yet to correct</translation>
    </message>
    <message>
        <source>办公日历表 (*.csv);;所有文件 (*)</source>
        <translation>Office calendars (*.csv);;All files (*)</translation>
    </message>
    <message>
        <source>iCalendar 文件 (*.ics);;所有文件 (*)</source>
        <translation>iCalendar files (*.ics);;All files (*)</translation>
    </message>
    <message>
        <source>导入</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>%1 无法读取（%2），没有导入。</source>
        <translation>%1 cannot be read (%2); nothing was imported.</translation>
    </message>
    <message>
        <source>文件不存在</source>
        <translation>the file does not exist</translation>
    </message>
    <message>
        <source>%1 没有导入：%2。</source>
        <translation>%1 was not imported: %2.</translation>
    </message>
    <message>
        <source>已导入 %1 年的放假安排。</source>
        <translation>Imported the holiday schedule of %1.</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>tessarine::MainWindow</name>
    <message>
        <source>输出文件夹</source>
        <translation>Output folder</translation>
    </message>
    <message>
        <source>农历 iCal 文件生成器</source>
        <translation>Lunar iCal Generator</translation>
    </message>
    <message>
        <source>没有找到能打开网页的程序。地址是：<byte value="xd"/>
%1</source>
        <translation>No program was found to open web pages. The address is:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>普通格式</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>自定义格式</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>纪念日</source>
        <translation>Anniversaries</translation>
    </message>
    <message>
        <source>保存这一年</source>
        <translation>Save this year</translation>
    </message>
    <message>
        <source>节假日</source>
        <translation>Holidays</translation>
    </message>
    <message>
        <source> 控制 </source>
        <translation> Actions </translation>
    </message>
    <message>
        <source>使用说明</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>生成 &amp;iCal</source>
        <translation>Generate &amp;iCal</translation>
    </message>
    <message>
        <source>打开文件夹</source>
        <translation>Open folder</translation>
    </message>
    <message>
        <source>退       出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>年份不能为空, 请重新输入.</source>
        <translation>The year cannot be empty; please enter it again.</translation>
    </message>
    <message>
        <source>结束年份必需大于等于开始年份, 请重新输入.</source>
        <translation>The end year must not come before the start year; please enter it again.</translation>
    </message>
    <message>
        <source>纪念日列表中没有可用的纪念日，未生成文件。</source>
        <translation>The anniversary list has no usable anniversary; no file was written.</translation>
    </message>
    <message>
        <source>年份必需在 %1 至 %2 之间, 请重新输入.</source>
        <translation>The year must lie between %1 and %2; please enter it again.</translation>
    </message>
    <message>
        <source>%1 年</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1 年至 %2 年</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source><byte value="xd"/>
文件超过 1 MB，有些网络日历可能无法导入，可改为分年生成。</source>
        <translation><byte value="xd"/>
The file is over 1 MB; some online calendars may not import it. Writing one file a year avoids that.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
纪念日第 %1 行有误, 未生成.</source>
        <translation><byte value="xd"/>
Anniversary rows %1 are wrong and were not written.</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>成功生成 %1 农历纪念日 iCal 文件, 存放在以下目录: <byte value="xd"/>
%2</source>
        <translation>Wrote the lunar anniversary iCal file of %1 into this folder:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>成功生成 %1 iCal 文件, 存放在以下目录: <byte value="xd"/>
%2</source>
        <translation>Wrote the lunar iCal of %1 into this folder:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>成功生成 %1 月相 iCal 文件, 存放在以下目录: <byte value="xd"/>
%2</source>
        <translation>Wrote the moon phase iCal file of %1 into this folder:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>成功生成 %1 节气 iCal 文件, 存放在以下目录: <byte value="xd"/>
%2</source>
        <translation>Wrote the solar term iCal file of %1 into this folder:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>请在【节假日】的年份列表中选择要生成的年份（可多选）。</source>
        <translation>Select the years to write in the list on the [Holidays] tab (several may be selected).</translation>
    </message>
    <message>
        <source>成功生成 %1 年的法定节假日 iCal 文件, 存放在以下目录: <byte value="xd"/>
%2</source>
        <translation>Wrote the official holiday iCal file of %1 into this folder:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>无法保存设置：%1。</source>
        <translation>The setting could not be saved: %1.</translation>
    </message>
    <message>
        <source>输出文件夹 %1 不是文件夹（路径中有同名的文件），无法打开。请在【控制】菜单的【输出文件夹…】中另选。</source>
        <translation>The output folder %1 is not a folder (a file of that name is in the way) and cannot be opened. Choose another under [Options] → [Output folder…].</translation>
    </message>
    <message>
        <source>没有找到能打开文件夹的程序。文件夹在：<byte value="xd"/>
%1</source>
        <translation>No program was found to open folders. The folder is:<byte value="xd"/>
%1</translation>
    </message>
</context>
<context>
    <name>tessarine::MonthView</name>
    <message>
        <source>一</source>
        <translation>Mon</translation>
    </message>
    <message>
        <source>二</source>
        <translation>Tue</translation>
    </message>
    <message>
        <source>三</source>
        <translation>Wed</translation>
    </message>
    <message>
        <source>四</source>
        <translation>Thu</translation>
    </message>
    <message>
        <source>五</source>
        <translation>Fri</translation>
    </message>
    <message>
        <source>六</source>
        <translation>Sat</translation>
    </message>
    <message>
        <source>日</source>
        <translation>Sun</translation>
    </message>
    <message>
        <source>上一年（Ctrl+PgUp）</source>
        <translation>Previous year (Ctrl+PgUp)</translation>
    </message>
    <message>
        <source>上一月（PgUp）</source>
        <translation>Previous month (PgUp)</translation>
    </message>
    <message>
        <source>下一月（PgDn）</source>
        <translation>Next month (PgDn)</translation>
    </message>
    <message>
        <source>下一年（Ctrl+PgDn）</source>
        <translation>Next year (Ctrl+PgDn)</translation>
    </message>
    <message>
        <source>今天</source>
        <translation>Today</translation>
    </message>
    <message>
        <source>回到今天（Home）</source>
        <translation>Back to today (Home)</translation>
    </message>
    <message>
        <source>yyyy 年 M 月</source>
        <translation>MMMM yyyy</translation>
    </message>
    <message>
        <source>  纪念日：%1</source>
        <translation>  Anniversaries: %1</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>及其他 %n 个</source>
        <translation>
            <numerusform>and %n more</numerusform>
            <numerusform>and %n more</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tessarine::NormalFormatTab</name>
    <message>
        <source>农历信息内容控制</source>
        <translation>Lunar information</translation>
    </message>
    <message>
        <source>无节日节气</source>
        <translation>No festivals or terms</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>月份+日期</source>
        <translation>Month + day</translation>
    </message>
    <message>
        <source>节日节气</source>
        <translation>Festivals, terms</translation>
    </message>
    <message>
        <source>节气</source>
        <translation>Terms only</translation>
    </message>
    <message>
        <source> 同一天有节日与节气 </source>
        <translation> A festival and a term on one day </translation>
    </message>
    <message>
        <source>显示 - 节日</source>
        <translation>Show the festival</translation>
    </message>
    <message>
        <source>显示 - 节气</source>
        <translation>Show the term</translation>
    </message>
    <message>
        <source>显示 - 节日/节气</source>
        <translation>Show both</translation>
    </message>
</context>
<context>
    <name>tessarine::NoticeDialog</name>
    <message>
        <source>注意：%1 有 %2 个工作日放假，而 %3 天法定假日加 %4 天调休上班应为 %5 个；请确认通知全文都已粘贴。
</source>
        <translation>Note: %1 has %2 weekdays off, but %3 statutory days and %4 make-up workdays make %5; check that the whole notice was pasted.
</translation>
    </message>
    <message>
        <source>找不到通知的年份（如“关于2027年部分节假日安排的通知”），可在上面选择年份</source>
        <translation>The notice&apos;s year was not found (as in “关于2027年部分节假日安排的通知”, notice on the 2027 holidays); choose the year above</translation>
    </message>
    <message>
        <source>找不到“一、元旦：……”这样的条目</source>
        <translation>No items like “一、元旦：……” (1. New Year&apos;s Day: …) were found</translation>
    </message>
    <message>
        <source>这一条没有日期</source>
        <translation>This item has no dates</translation>
    </message>
    <message>
        <source>没有这一天</source>
        <translation>There is no such day</translation>
    </message>
    <message>
        <source>放假日期不在通知的年份内</source>
        <translation>A day off lies outside the notice&apos;s year</translation>
    </message>
    <message>
        <source>“共N天”与所列日期不符</source>
        <translation>“共N天” (N days in all) disagrees with the days listed</translation>
    </message>
    <message>
        <source>同一天既放假又上班</source>
        <translation>One day is both a day off and a workday</translation>
    </message>
    <message>
        <source>括号没有闭合</source>
        <translation>A bracket is not closed</translation>
    </message>
    <message>
        <source>年份不在 %1 至 %2 年之间</source>
        <translation>The year is not between %1 and %2</translation>
    </message>
    <message>
        <source>括号里的星期与日期不符</source>
        <translation>The weekday in brackets disagrees with the date</translation>
    </message>
    <message>
        <source>粘贴了两份通知，年份分别是</source>
        <translation>Two notices were pasted; their years are</translation>
    </message>
    <message>
        <source>通知的年份与所选年份不同</source>
        <translation>The notice&apos;s year differs from the year chosen</translation>
    </message>
    <message>
        <source>通知开头列出的这个节日没有对应的条目，通知可能不完整</source>
        <translation>This holiday, named at the notice&apos;s start, has no item; the notice may be incomplete</translation>
    </message>
    <message>
        <source>这一条无法读取，通知可能不完整</source>
        <translation>This item cannot be read; the notice may be incomplete</translation>
    </message>
    <message>
        <source>通知可能不完整，缺少这些节日</source>
        <translation>The notice may be incomplete; these holidays are missing</translation>
    </message>
    <message>
        <source>通知修改的年份还没有放假安排</source>
        <translation>The year this notice changes has no schedule yet</translation>
    </message>
    <message>
        <source>这份通知的天数对不上，可能没有粘贴完整：
</source>
        <translation>The days of this notice do not add up; it may not have been pasted whole:
</translation>
    </message>
    <message>
        <source>请与原文核对；确认无误后，勾选下面的“已与原文核对”才能保存。

</source>
        <translation>Check it against the original; if it is right, tick “Checked against the original” below to save it.

</translation>
    </message>
    <message>
        <source>这一句说到放假或上班，但其中的日期无法读取</source>
        <translation>This sentence gives days off or workdays, but a date in it cannot be read</translation>
    </message>
    <message>
        <source>通知在这一句中间断开，可能没有粘贴完整</source>
        <translation>The notice stops in the middle of this sentence; it may not have been pasted whole</translation>
    </message>
    <message>
        <source>这些节日的天数对不上，通知可能不完整</source>
        <translation>The days of these holidays do not add up; the notice may not be whole</translation>
    </message>
    <message>
        <source>已与原文核对，天数对不上也保存</source>
        <translation>Checked against the original: save it though the days do not add up</translation>
    </message>
    <message>
        <source>粘贴通知</source>
        <translation>Paste notice</translation>
    </message>
    <message>
        <source>把国务院办公厅关于某年部分节假日安排的通知全文粘贴到这里：</source>
        <translation>Paste the whole notice of the General Office of the State Council on a year&apos;s holidays here:</translation>
    </message>
    <message>
        <source>年份：</source>
        <translation>Year:</translation>
    </message>
    <message>
        <source>按通知标题</source>
        <translation>From the title</translation>
    </message>
    <message>
        <source>只粘贴了条目、没有标题时，在这里选择年份</source>
        <translation>When only the items were pasted, without the title, choose the year here</translation>
    </message>
    <message>
        <source>读到的日期：</source>
        <translation>Days read:</translation>
    </message>
    <message>
        <source>保存这一年</source>
        <translation>Save this year</translation>
    </message>
    <message>
        <source>正在读取……</source>
        <translation>Reading…</translation>
    </message>
    <message>
        <source>无法读取：%1</source>
        <translation>Cannot read: %1</translation>
    </message>
    <message>
        <source>这份通知修改 %1 年的%2，修改后：
</source>
        <translation>This notice changes %2 of %1; after the change:
</translation>
    </message>
    <message>
        <source>%1 年，%2 天放假：
</source>
        <translation>%1, %2 days off:
</translation>
    </message>
</context>
<context>
    <name>tessarine::RollingFeed</name>
    <message>
        <source>今年已在 %1 年之后，没有可以滚动生成的年份。</source>
        <translation>This year is past %1; there are no years to roll.</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Note</translation>
    </message>
    <message>
        <source><byte value="xd"/>
文件超过 1 MB，有些网络日历不接受这样大的订阅，可减少【滚动年数】。</source>
        <translation><byte value="xd"/>
The file is over 1 MB; some online calendars refuse subscriptions that large. Fewer [Rolling years] make it smaller.</translation>
    </message>
    <message>
        <source>成功生成滚动订阅文件（%1 至 %2 年），存放在以下目录: <byte value="xd"/>
%3</source>
        <translation>Wrote the rolling feed (%1 to %2) into this folder:<byte value="xd"/>
%3</translation>
    </message>
</context>
<context>
    <name>tessarine::SidePages</name>
    <message>
        <source>打开文件夹</source>
        <translation>Open folder</translation>
    </message>
    <message>
        <source>查看文件内容</source>
        <translation>View file</translation>
    </message>
    <message>
        <source>返回月视图</source>
        <translation>Back to month</translation>
    </message>
    <message>
        <source>已写入：%1</source>
        <translation>Written: %1</translation>
    </message>
</context>
<context>
    <name>tessarine::WordingMenus</name>
    <message>
        <source>中国农历</source>
        <translation>Chinese</translation>
    </message>
    <message>
        <source>韩国阴历</source>
        <translation>Korean</translation>
    </message>
    <message>
        <source>越南阴历</source>
        <translation>Vietnamese</translation>
    </message>
    <message>
        <source>跟随系统</source>
        <translation>System language</translation>
    </message>
    <message>
        <source>历法</source>
        <translation>Calendar</translation>
    </message>
    <message>
        <source>按哪国的阴历换算：中国、韩国和越南的历法规则相同，只是时区不同，少数月份的初一相差一天</source>
        <translation>Whose lunar calendar to follow: China&apos;s, Korea&apos;s and Vietnam&apos;s share their rules but not their time zones, so a few months begin a day apart</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>File language</translation>
    </message>
    <message>
        <source>文件中月份、节气、节日等名称的文字；自定义格式中自己写的文字不变</source>
        <translation>The language of month, term and festival names in the files; your own text in a custom format stays as written</translation>
    </message>
    <message>
        <source>界面语言</source>
        <translation>Window language</translation>
    </message>
    <message>
        <source>窗口的语言；选择后窗口以新的语言重新打开</source>
        <translation>The window&apos;s language; the window reopens in the one chosen</translation>
    </message>
    <message>
        <source>地区</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>文件中的节日和节假日按哪个地区；选择地区也会选择它的历法和文字，之后仍可分别更改</source>
        <translation>Whose festivals and public holidays the files carry; choosing a region chooses its calendar and language too, which you can still change</translation>
    </message>
</context>
<context>
    <name>tessarine::YearSelector</name>
    <message>
        <source> 选择年份 </source>
        <translation> Years </translation>
    </message>
    <message>
        <source>结束年份</source>
        <translation>End year</translation>
    </message>
</context>
</TS>
