<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="zh_CN">
<context>
    <name>FailureText</name>
    <message>
        <source>文件是只读的</source>
        <translation>文件是只读的</translation>
    </message>
    <message>
        <source>同名的不是普通文件（是管道、设备或套接字），不予替换</source>
        <translation>同名的不是普通文件（是管道、设备或套接字），不予替换</translation>
    </message>
    <message>
        <source>同名的是其他用户在共享文件夹里建的链接，不予跟随</source>
        <translation>同名的是其他用户在共享文件夹里建的链接，不予跟随</translation>
    </message>
    <message>
        <source>不是普通文件（是文件夹、管道或设备）</source>
        <translation>不是普通文件（是文件夹、管道或设备）</translation>
    </message>
    <message>
        <source>文件超过 %1 MB，不是列表</source>
        <translation>文件超过 %1 MB，不是列表</translation>
    </message>
    <message>
        <source>其中没有任何事件（没有事件的文件不是日历）</source>
        <translation>其中没有任何事件（没有事件的文件不是日历）</translation>
    </message>
    <message>
        <source>没有写入权限</source>
        <translation>没有写入权限</translation>
    </message>
    <message>
        <source>磁盘已满</source>
        <translation>磁盘已满</translation>
    </message>
    <message>
        <source>不是文件夹</source>
        <translation>不是文件夹</translation>
    </message>
    <message>
        <source>文件夹不存在</source>
        <translation>文件夹不存在</translation>
    </message>
    <message>
        <source>磁盘是只读的</source>
        <translation>磁盘是只读的</translation>
    </message>
    <message>
        <source>文件太大</source>
        <translation>文件太大</translation>
    </message>
    <message>
        <source>磁盘读写出错</source>
        <translation>磁盘读写出错</translation>
    </message>
    <message>
        <source>同名文件太多</source>
        <translation>同名文件太多</translation>
    </message>
    <message>
        <source>路径太长</source>
        <translation>路径太长</translation>
    </message>
    <message>
        <source>同名的是一个文件夹</source>
        <translation>同名的是一个文件夹</translation>
    </message>
    <message>
        <source>符号链接绕成了圈</source>
        <translation>符号链接绕成了圈</translation>
    </message>
    <message>
        <source>文件正被其他程序使用</source>
        <translation>文件正被其他程序使用</translation>
    </message>
    <message>
        <source>这个磁盘的文件系统不支持这样写入</source>
        <translation>这个磁盘的文件系统不支持这样写入</translation>
    </message>
    <message>
        <source>打开的文件太多</source>
        <translation>打开的文件太多</translation>
    </message>
    <message>
        <source>内存不足</source>
        <translation>内存不足</translation>
    </message>
    <message>
        <source>磁盘或网络位置已断开</source>
        <translation>磁盘或网络位置已断开</translation>
    </message>
    <message>
        <source>系统错误（错误码 %1）</source>
        <translation>系统错误（错误码 %1）</translation>
    </message>
    <message>
        <source>无法生成 iCal 文件，%1：<byte value="xd"/>
%2</source>
        <translation>无法生成 iCal 文件，%1：<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>Instructions</name>
    <message>
        <source>1. 可生成{first}年至{last}年之间包含农历日期、农历节日和节气等信息的iCal文件，便于用户导入到Google日历同步到手机上查看。</source>
        <translation>1. 可生成{first}年至{last}年之间包含农历日期、农历节日和节气等信息的iCal文件，便于用户导入到Google日历同步到手机上查看。</translation>
    </message>
    <message>
        <source>2. 年份选择下拉列表只显示当年到{last}年之间的年份，如需要生成以前的年份请自行输入。如需要生成多个年份的iCal文件，请勾选【结束年份】项并选择结束年份，届时会生成对应年份的iCal文件，每个年份对应一个文件（勾选【控制】菜单中的【合并为一个文件】则写成一个文件），请自行选择导入。</source>
        <translation>2. 年份选择下拉列表只显示当年到{last}年之间的年份，如需要生成以前的年份请自行输入。如需要生成多个年份的iCal文件，请勾选【结束年份】项并选择结束年份，届时会生成对应年份的iCal文件，每个年份对应一个文件（勾选【控制】菜单中的【合并为一个文件】则写成一个文件），请自行选择导入。</translation>
    </message>
    <message>
        <source>3. 为在手机上节省显示空间，【普通格式】生成的农历信息只显示农历日期不显示农历月份，每月初一显示该农历月份，若同一天既有节日又有节气，则按选择分别显示“节日”、“节气”或“节日/节气”。</source>
        <translation>3. 为在手机上节省显示空间，【普通格式】生成的农历信息只显示农历日期不显示农历月份，每月初一显示该农历月份，若同一天既有节日又有节气，则按选择分别显示“节日”、“节气”或“节日/节气”。</translation>
    </message>
    <message>
        <source>4. 【普通格式】生成的农历信息是包含有节日节气信息的，如果希望只显示农历日期而不需要节日节气信息，可在【农历信息内容控制】中勾选【无节日节气】。</source>
        <translation>4. 【普通格式】生成的农历信息是包含有节日节气信息的，如果希望只显示农历日期而不需要节日节气信息，可在【农历信息内容控制】中勾选【无节日节气】。</translation>
    </message>
    <message>
        <source>5. 【普通格式】生成的农历信息只显示农历“日期”，还可在【农历信息内容控制】中选择输出显示“月份+日期”、“节日和节气”或是只显示“节气”。</source>
        <translation>5. 【普通格式】生成的农历信息只显示农历“日期”，还可在【农历信息内容控制】中选择输出显示“月份+日期”、“节日和节气”或是只显示“节气”。</translation>
    </message>
    <message>
        <source>6. 【自定义格式】用于生成不同格式的农历信息内容，在内容格式框进行格式编辑，特定的信息内容可通过备选内容框选择，编辑同时底部预览框会有即时效果预览，选择预览日期可以查看不同日期下的格式效果。勾选【处理空格】后会把输出内容中的多余空格合并为一个空格。</source>
        <translation>6. 【自定义格式】用于生成不同格式的农历信息内容，在内容格式框进行格式编辑，特定的信息内容可通过备选内容框选择，编辑同时底部预览框会有即时效果预览，选择预览日期可以查看不同日期下的格式效果。勾选【处理空格】后会把输出内容中的多余空格合并为一个空格。</translation>
    </message>
    <message>
        <source>7. 【自定义格式】中的默认格式只是为了尽量多的展示备选内容效果，输出内容较长，请自行编辑符合自己要求的格式效果。</source>
        <translation>7. 【自定义格式】中的默认格式只是为了尽量多的展示备选内容效果，输出内容较长，请自行编辑符合自己要求的格式效果。</translation>
    </message>
    <message>
        <source>8. 生成的iCal文件会被命名为“Tessarine_年份_yymmdd-hhmmss.ics”，年份为生成农历信息的所选择的年份，yymmdd为生成日期，hhmmss为生成时间，文件存放的位置见第13条，为避免乱码文件输出使用UTF8编码。</source>
        <translation>8. 生成的iCal文件会被命名为“Tessarine_年份_yymmdd-hhmmss.ics”，年份为生成农历信息的所选择的年份，yymmdd为生成日期，hhmmss为生成时间，文件存放的位置见第13条，为避免乱码文件输出使用UTF8编码。</translation>
    </message>
    <message>
        <source>9. 【打开文件夹】能够直接打开生成的iCal文件所在的文件夹（见第13条），方便定位生成的ical文件。</source>
        <translation>9. 【打开文件夹】能够直接打开生成的iCal文件所在的文件夹（见第13条），方便定位生成的ical文件。</translation>
    </message>
    <message>
        <source>10. 【控制】菜单中的【使用冬,腊月显示】用于选择是否把农历的十一月和十二月显示为冬月和腊月，默认启用。</source>
        <translation>10. 【控制】菜单中的【使用冬,腊月显示】用于选择是否把农历的十一月和十二月显示为冬月和腊月，默认启用。</translation>
    </message>
    <message>
        <source>11. 【控制】菜单中的【生成后弹出提示框】可控制成功生成iCal文件后是否弹出提示对话框，若要连续生成多个iCal文件为了方便可关闭该项。</source>
        <translation>11. 【控制】菜单中的【生成后弹出提示框】可控制成功生成iCal文件后是否弹出提示对话框，若要连续生成多个iCal文件为了方便可关闭该项。</translation>
    </message>
    <message>
        <source>12. 【节假日】列出已知官方放假安排的年份（内置2008年起各年，以国务院办公厅的通知为准）及所选年份的放假（休）和调休上班（班）日期。在此页点击【生成 iCal】会生成所选年份的法定节假日文件，还不知道安排的年份会注明而不会猜测。新一年的安排公布后，点击【粘贴通知…】粘贴通知全文即可加入。勾选【控制】菜单中的【标注休/班】后，农历文件中这些日子的标题会加上（休）或（班）。</source>
        <translation>12. 【节假日】列出已知官方放假安排的年份（内置2008年起各年，以国务院办公厅的通知为准）及所选年份的放假（休）和调休上班（班）日期。在此页点击【生成 iCal】会生成所选年份的法定节假日文件，还不知道安排的年份会注明而不会猜测。新一年的安排公布后，点击【粘贴通知…】粘贴通知全文即可加入。勾选【控制】菜单中的【标注休/班】后，农历文件中这些日子的标题会加上（休）或（班）。</translation>
    </message>
    <message>
        <source>13. 文件存放的位置：解压到自己文件夹的便携版，文件存放在程序所在的文件夹；安装的程序从不写入程序所在的系统文件夹，文件存放在“文档/Tessarine”文件夹。也可以在【控制】菜单的【输出文件夹…】中另选，程序会记住。【打开文件夹】打开的就是这个文件夹。【控制】菜单的【合并为一个文件】把所选的多个年份写进一个文件，一次导入；【固定文件名】让文件名不带生成时间，再次生成时替换旧文件，放在同步文件夹中可以作为订阅链接。</source>
        <translation>13. 文件存放的位置：解压到自己文件夹的便携版，文件存放在程序所在的文件夹；安装的程序从不写入程序所在的系统文件夹，文件存放在“文档/Tessarine”文件夹。也可以在【控制】菜单的【输出文件夹…】中另选，程序会记住。【打开文件夹】打开的就是这个文件夹。【控制】菜单的【合并为一个文件】把所选的多个年份写进一个文件，一次导入；【固定文件名】让文件名不带生成时间，再次生成时替换旧文件，放在同步文件夹中可以作为订阅链接。</translation>
    </message>
    <message>
        <source>14. 【纪念日】用来生成家人的农历生日和纪念日：点击【添加】填写名称、日期（农历如 三月初八、闰四月十五、3-8，或公历生日如 1960-04-03）和可选的起始年（标题中显示第几年）。每行右边显示换算出的农历日期和下次的日子。列表保存在配置文件夹的 anniversaries.csv 中，也可以用其他程序编辑；有误的格子显示为红色，按 Ctrl+Z 可撤销上一次修改。在此页点击【生成 iCal】会生成所选年份的纪念日文件。</source>
        <translation>14. 【纪念日】用来生成家人的农历生日和纪念日：点击【添加】填写名称、日期（农历如 三月初八、闰四月十五、3-8，或公历生日如 1960-04-03）和可选的起始年（标题中显示第几年）。每行右边显示换算出的农历日期和下次的日子。列表保存在配置文件夹的 anniversaries.csv 中，也可以用其他程序编辑；有误的格子显示为红色，按 Ctrl+Z 可撤销上一次修改。在此页点击【生成 iCal】会生成所选年份的纪念日文件。</translation>
    </message>
    <message>
        <source>15. 导入日历：建议先新建一个日历，再把文件导入到这个新日历中，不需要时可一次删除整个日历。Google 日历：网页版【设置】→【添加日历】→【创建新日历】，再在【导入和导出】中选择文件并导入到新日历。Outlook：【添加日历】→【从文件上传】，选择新日历。Apple 日历：【文件】→【导入】，选择【新建日历】。Thunderbird：【文件】→【新建】→【日历】，再用【事件和任务】→【导入】导入到新日历。</source>
        <translation>15. 导入日历：建议先新建一个日历，再把文件导入到这个新日历中，不需要时可一次删除整个日历。Google 日历：网页版【设置】→【添加日历】→【创建新日历】，再在【导入和导出】中选择文件并导入到新日历。Outlook：【添加日历】→【从文件上传】，选择新日历。Apple 日历：【文件】→【导入】，选择【新建日历】。Thunderbird：【文件】→【新建】→【日历】，再用【事件和任务】→【导入】导入到新日历。</translation>
    </message>
    <message>
        <source>16. 【控制】菜单的【历法】选择按哪国的阴历换算：中国农历、韩国阴历（UTC+9）或越南阴历（UTC+7），各用本国的节日；【文字】选择文件中月份、节气、节日等名称的文字：简体、繁體、한국어 或 Tiếng Việt。选择历法时文字随之改为该国的文字，之后也可另选。纪念日的【历法】一栏写 韩国阴历 或 越南阴历，该纪念日就按那国的阴历每年重复。</source>
        <translation>16. 【控制】菜单的【历法】选择按哪国的阴历换算：中国农历、韩国阴历（UTC+9）或越南阴历（UTC+7），各用本国的节日；【文字】选择文件中月份、节气、节日等名称的文字：简体、繁體、한국어 或 Tiếng Việt。选择历法时文字随之改为该国的文字，之后也可另选。纪念日的【历法】一栏写 韩国阴历 或 越南阴历，该纪念日就按那国的阴历每年重复。</translation>
    </message>
    <message>
        <source>17. 【控制】菜单的【标注月相】在新月、上弦、满月、下弦的日子后加上月相（如“初八 上弦”），【标注三伏、数九】加上三伏和数九的第几天（如“十五 三九第1天”），【写入详细说明】把每天的农历、干支、生肖、节气和交节时刻、节日、月相、三伏或数九写进事件的说明。【生成月相日历】和【生成节气日历】为所选年份生成月相或二十四节气的文件，标题带时刻（如“满月 21:36”“立春 04:02”）。【自定义格式】的【农历备选内容】第二列：时刻 LH（节气的交节时刻）、月相 LP（月相和时刻）、伏九 LS（三伏、数九的第几天）、日柱 GD（日干支）、月柱 GM（月干支）。</source>
        <translation>17. 【控制】菜单的【标注月相】在新月、上弦、满月、下弦的日子后加上月相（如“初八 上弦”），【标注三伏、数九】加上三伏和数九的第几天（如“十五 三九第1天”），【写入详细说明】把每天的农历、干支、生肖、节气和交节时刻、节日、月相、三伏或数九写进事件的说明。【生成月相日历】和【生成节气日历】为所选年份生成月相或二十四节气的文件，标题带时刻（如“满月 21:36”“立春 04:02”）。【自定义格式】的【农历备选内容】第二列：时刻 LH（节气的交节时刻）、月相 LP（月相和时刻）、伏九 LS（三伏、数九的第几天）、日柱 GD（日干支）、月柱 GM（月干支）。</translation>
    </message>
    <message>
        <source>18. 右侧的月视图按当前的选项显示每天将写入文件的标题，以及休、班和纪念日（●）；今天以黄色标出，周末为红色。用 ‹ › « » 或键盘（方向键、PgUp/PgDn 翻月、Ctrl+PgUp/PgDn 翻年、Home 回到今天）翻看，选中的日子在下方显示详细说明。生成后月视图转到写入的第一个月，点击【查看文件内容】可看文件全文，【返回月视图】回来。</source>
        <translation>18. 右侧的月视图按当前的选项显示每天将写入文件的标题，以及休、班和纪念日（●）；今天以黄色标出，周末为红色。用 ‹ › « » 或键盘（方向键、PgUp/PgDn 翻月、Ctrl+PgUp/PgDn 翻年、Home 回到今天）翻看，选中的日子在下方显示详细说明。生成后月视图转到写入的第一个月，点击【查看文件内容】可看文件全文，【返回月视图】回来。</translation>
    </message>
    <message>
        <source>19. 【控制】菜单的【生成滚动订阅文件】把去年到几年后（【滚动年数】中选择，程序会记住）写成一个固定文件名的文件，如“Tessarine_Rolling.ics”，每次生成时替换旧文件；放在同步文件夹或网站上即可作为订阅链接，日历每天刷新。在【纪念日】或【节假日】页点击则生成相应的滚动文件。</source>
        <translation>19. 【控制】菜单的【生成滚动订阅文件】把去年到几年后（【滚动年数】中选择，程序会记住）写成一个固定文件名的文件，如“Tessarine_Rolling.ics”，每次生成时替换旧文件；放在同步文件夹或网站上即可作为订阅链接，日历每天刷新。在【纪念日】或【节假日】页点击则生成相应的滚动文件。</translation>
    </message>
    <message>
        <source>Tessarine - 农历iCal文件生成器使用说明</source>
        <translation>Tessarine - 农历iCal文件生成器使用说明</translation>
    </message>
    <message>
        <source>Tessarine 开发组</source>
        <translation>Tessarine 开发组</translation>
    </message>
</context>
<context>
    <name>tessarine::AboutMenu</name>
    <message>
        <source>关于(&amp;A)</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Tessarine - 农历iCal文件生成器   </source>
        <translation>&amp;Tessarine - 农历iCal文件生成器   </translation>
    </message>
    <message>
        <source>问题反馈</source>
        <translation>问题反馈</translation>
    </message>
</context>
<context>
    <name>tessarine::AnniversariesTab</name>
    <message>
        <source>请填写名称</source>
        <translation>请填写名称</translation>
    </message>
    <message>
        <source>请填写日期</source>
        <translation>请填写日期</translation>
    </message>
    <message>
        <source>无法识别的日期: 请写农历日期 (如 三月初八、闰四月十五、3-8) 或公历日期 (如 1960-04-03)</source>
        <translation>无法识别的日期: 请写农历日期 (如 三月初八、闰四月十五、3-8) 或公历日期 (如 1960-04-03)</translation>
    </message>
    <message>
        <source>没有这个农历月份</source>
        <translation>没有这个农历月份</translation>
    </message>
    <message>
        <source>没有这个农历日期</source>
        <translation>没有这个农历日期</translation>
    </message>
    <message>
        <source>公历没有这一天</source>
        <translation>公历没有这一天</translation>
    </message>
    <message>
        <source>公历日期必须在 %1-01-01 至 %2-12-31 之间</source>
        <translation>公历日期必须在 %1-01-01 至 %2-12-31 之间</translation>
    </message>
    <message>
        <source>起始年必须是 %1 至 %2 之间的四位数年份</source>
        <translation>起始年必须是 %1 至 %2 之间的四位数年份</translation>
    </message>
    <message>
        <source>这是公历日期，不是农历日期: 请写成 1960-04-03 这样 (按那天的农历日期纪念)，或直接写农历日期 (如 三月初八、3-8)</source>
        <translation>这是公历日期，不是农历日期: 请写成 1960-04-03 这样 (按那天的农历日期纪念)，或直接写农历日期 (如 三月初八、3-8)</translation>
    </message>
    <message>
        <source>农历日期不带年份: 请写 三月初八 或 3-8，年份写在起始年一栏</source>
        <translation>农历日期不带年份: 请写 三月初八 或 3-8，年份写在起始年一栏</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>起始年</source>
        <translation>起始年</translation>
    </message>
    <message>
        <source>历法</source>
        <translation>历法</translation>
    </message>
    <message>
        <source>农历 · 下次</source>
        <translation>农历 · 下次</translation>
    </message>
    <message>
        <source>留空按中国农历；写 韩国阴历 或 越南阴历，按该国的阴历每年重复（如韩国的제사、越南的giỗ）</source>
        <translation>留空按中国农历；写 韩国阴历 或 越南阴历，按该国的阴历每年重复（如韩国的제사、越南的giỗ）</translation>
    </message>
    <message>
        <source>换算出的农历日期和下次的日子</source>
        <translation>换算出的农历日期和下次的日子</translation>
    </message>
    <message>
        <source>每行一个纪念日: 名称、日期和可选的起始年 (农历年, 标题中显示第几年)</source>
        <translation>每行一个纪念日: 名称、日期和可选的起始年 (农历年, 标题中显示第几年)</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>添加一行纪念日</source>
        <translation>添加一行纪念日</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>删除选中的纪念日</source>
        <translation>删除选中的纪念日</translation>
    </message>
    <message>
        <source>提前提醒</source>
        <translation>提前提醒</translation>
    </message>
    <message>
        <source>在纪念日前几天的上午 9 点提醒 (0 为当天)</source>
        <translation>在纪念日前几天的上午 9 点提醒 (0 为当天)</translation>
    </message>
    <message>
        <source>提醒写成单独事件</source>
        <translation>提醒写成单独事件</translation>
    </message>
    <message>
        <source>Google 日历导入时会丢弃提醒：勾选后，提醒写成提前几天的全天事件，如“3天后：妈妈生日”</source>
        <translation>Google 日历导入时会丢弃提醒：勾选后，提醒写成提前几天的全天事件，如“3天后：妈妈生日”</translation>
    </message>
    <message>
        <source>日期如 三月初八、闰四月十五、3-8, 或公历生日 1960-04-03</source>
        <translation>日期如 三月初八、闰四月十五、3-8, 或公历生日 1960-04-03</translation>
    </message>
    <message>
        <source>红色的格子有误, 鼠标停在上面可看原因; 有误的行不会生成</source>
        <translation>红色的格子有误, 鼠标停在上面可看原因; 有误的行不会生成</translation>
    </message>
    <message>
        <source>打开文件夹</source>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <source>新建列表</source>
        <translation>新建列表</translation>
    </message>
    <message>
        <source>把无法读取的文件改名留作备份，从空列表开始</source>
        <translation>把无法读取的文件改名留作备份，从空列表开始</translation>
    </message>
    <message>
        <source>与第 %1 行的名称和日期相同</source>
        <translation>与第 %1 行的名称和日期相同</translation>
    </message>
    <message>
        <source>这一行还没有保存</source>
        <translation>这一行还没有保存</translation>
    </message>
    <message>
        <source>第 %1 行不是 UTF-8 或 GB18030 编码的文字</source>
        <translation>第 %1 行不是 UTF-8 或 GB18030 编码的文字</translation>
    </message>
    <message>
        <source>第 %1 行的引号没有闭合</source>
        <translation>第 %1 行的引号没有闭合</translation>
    </message>
    <message>
        <source>到第 %1 行，行和字段已超过 %2 个，没有这么大的列表</source>
        <translation>到第 %1 行，行和字段已超过 %2 个，没有这么大的列表</translation>
    </message>
    <message>
        <source>第 %1 行是 UTF-8 编码，第 %2 行却不是：一个文件里混有两种编码，请用一种编码重新保存</source>
        <translation>第 %1 行是 UTF-8 编码，第 %2 行却不是：一个文件里混有两种编码，请用一种编码重新保存</translation>
    </message>
    <message>
        <source>无法读取：%1</source>
        <translation>无法读取：%1</translation>
    </message>
    <message>
        <source>此列表是 GB18030（GBK）编码，修改后将保存为 UTF-8。</source>
        <translation>此列表是 GB18030（GBK）编码，修改后将保存为 UTF-8。</translation>
    </message>
    <message>
        <source>纪念日列表 %1 无法作为列表读取：%2。为免丢失内容，在文件能正常读取之前不会保存任何修改；也可以新建列表，原文件会留作备份。</source>
        <translation>纪念日列表 %1 无法作为列表读取：%2。为免丢失内容，在文件能正常读取之前不会保存任何修改；也可以新建列表，原文件会留作备份。</translation>
    </message>
    <message>
        <source>纪念日列表刚被其他程序修改过，已与你的修改合并。</source>
        <translation>纪念日列表刚被其他程序修改过，已与你的修改合并。</translation>
    </message>
    <message>
        <source>保存纪念日列表失败：%1。标有 * 的行还没有保存。</source>
        <translation>保存纪念日列表失败：%1。标有 * 的行还没有保存。</translation>
    </message>
    <message>
        <source>纪念日列表已被其他程序修改，与刚才的修改冲突；列表保留磁盘上的版本，你的修改无法另存：%1。</source>
        <translation>纪念日列表已被其他程序修改，与刚才的修改冲突；列表保留磁盘上的版本，你的修改无法另存：%1。</translation>
    </message>
    <message>
        <source>纪念日列表已被其他程序修改，与刚才的修改冲突；列表保留磁盘上的版本，你的版本另存为 %1。</source>
        <translation>纪念日列表已被其他程序修改，与刚才的修改冲突；列表保留磁盘上的版本，你的版本另存为 %1。</translation>
    </message>
    <message>
        <source>（无法改名留作备份，未新建列表。）</source>
        <translation>（无法改名留作备份，未新建列表。）</translation>
    </message>
    <message>
        <source>原文件已改名为 %1。</source>
        <translation>原文件已改名为 %1。</translation>
    </message>
    <message numerus="yes">
        <source>%n 天</source>
        <comment>days before an anniversary, around the number in the box</comment>
        <translation>
            <numerusform>%n 天</numerusform>
        </translation>
    </message>
    <message>
        <source>不是历法的名称: 请写 农历、韩国阴历 或 越南阴历 (也可写 Korean、한국、Việt Nam 等)，留空即按中国农历；备注请移到右边一栏</source>
        <translation>不是历法的名称: 请写 农历、韩国阴历 或 越南阴历 (也可写 Korean、한국、Việt Nam 等)，留空即按中国农历；备注请移到右边一栏</translation>
    </message>
</context>
<context>
    <name>tessarine::ControlMenu</name>
    <message>
        <source>控制(&amp;C)</source>
        <translation>控制(&amp;C)</translation>
    </message>
    <message>
        <source>使用说明(&amp;H) </source>
        <translation>使用说明(&amp;H) </translation>
    </message>
    <message>
        <source>生成 iCal(&amp;I)</source>
        <translation>生成 iCal(&amp;I)</translation>
    </message>
    <message>
        <source>使用冬,腊月显示</source>
        <translation>使用冬,腊月显示</translation>
    </message>
    <message>
        <source>标注月相</source>
        <translation>标注月相</translation>
    </message>
    <message>
        <source>在新月、上弦、满月、下弦的日子后加上月相，如“初八 上弦”</source>
        <translation>在新月、上弦、满月、下弦的日子后加上月相，如“初八 上弦”</translation>
    </message>
    <message>
        <source>标注三伏、数九</source>
        <translation>标注三伏、数九</translation>
    </message>
    <message>
        <source>在三伏和数九的日子后加上第几天，如“十五 三九第1天”</source>
        <translation>在三伏和数九的日子后加上第几天，如“十五 三九第1天”</translation>
    </message>
    <message>
        <source>写入详细说明</source>
        <translation>写入详细说明</translation>
    </message>
    <message>
        <source>每天的说明中写入农历、干支、生肖、节气和时刻、节日、月相、三伏或数九</source>
        <translation>每天的说明中写入农历、干支、生肖、节气和时刻、节日、月相、三伏或数九</translation>
    </message>
    <message>
        <source>生成月相日历</source>
        <translation>生成月相日历</translation>
    </message>
    <message>
        <source>所选年份中每次新月、上弦、满月、下弦，标题带时刻，如“满月 21:36”</source>
        <translation>所选年份中每次新月、上弦、满月、下弦，标题带时刻，如“满月 21:36”</translation>
    </message>
    <message>
        <source>生成节气日历</source>
        <translation>生成节气日历</translation>
    </message>
    <message>
        <source>所选年份的二十四节气，标题带交节时刻，如“立春 04:02”</source>
        <translation>所选年份的二十四节气，标题带交节时刻，如“立春 04:02”</translation>
    </message>
    <message>
        <source>生成滚动订阅文件</source>
        <translation>生成滚动订阅文件</translation>
    </message>
    <message>
        <source>从去年到几年后写成一个固定文件名的文件，每次生成时替换，便于订阅</source>
        <translation>从去年到几年后写成一个固定文件名的文件，每次生成时替换，便于订阅</translation>
    </message>
    <message>
        <source>滚动年数</source>
        <translation>滚动年数</translation>
    </message>
    <message>
        <source>生成后弹出提示框(&amp;P)</source>
        <translation>生成后弹出提示框(&amp;P)</translation>
    </message>
    <message>
        <source>标注休/班</source>
        <translation>标注休/班</translation>
    </message>
    <message>
        <source>在官方放假和调休上班的日子后加上 (休) 或 (班)</source>
        <translation>在官方放假和调休上班的日子后加上 (休) 或 (班)</translation>
    </message>
    <message>
        <source>合并为一个文件</source>
        <translation>合并为一个文件</translation>
    </message>
    <message>
        <source>所选的多个年份写进一个文件，一次导入</source>
        <translation>所选的多个年份写进一个文件，一次导入</translation>
    </message>
    <message>
        <source>固定文件名</source>
        <translation>固定文件名</translation>
    </message>
    <message>
        <source>文件名不带生成时间（如 Tessarine_2026.ics），再次生成时替换旧文件，便于同步文件夹提供订阅链接</source>
        <translation>文件名不带生成时间（如 Tessarine_2026.ics），再次生成时替换旧文件，便于同步文件夹提供订阅链接</translation>
    </message>
    <message>
        <source>输出文件夹…</source>
        <translation>输出文件夹…</translation>
    </message>
    <message>
        <source>选择生成的 iCal 文件存放的文件夹</source>
        <translation>选择生成的 iCal 文件存放的文件夹</translation>
    </message>
    <message>
        <source>打开所在文件夹(&amp;O)</source>
        <translation>打开所在文件夹(&amp;O)</translation>
    </message>
    <message>
        <source>退出(&amp;X)</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message numerus="yes">
        <source>到 %n 年后</source>
        <translation>
            <numerusform>到 %n 年后</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tessarine::CustomFormatTab</name>
    <message>
        <source> 干支 - LY </source>
        <translation> 干支 - LY </translation>
    </message>
    <message>
        <source> 生肖 - LZ </source>
        <translation> 生肖 - LZ </translation>
    </message>
    <message>
        <source> 月 - LM </source>
        <translation> 月 - LM </translation>
    </message>
    <message>
        <source> 日 - LD </source>
        <translation> 日 - LD </translation>
    </message>
    <message>
        <source> 节气 - LT </source>
        <translation> 节气 - LT </translation>
    </message>
    <message>
        <source> 节日 - LF </source>
        <translation> 节日 - LF </translation>
    </message>
    <message>
        <source> 年4位 - Y1 </source>
        <translation> 年4位 - Y1 </translation>
    </message>
    <message>
        <source> 年2位 - Y2 </source>
        <translation> 年2位 - Y2 </translation>
    </message>
    <message>
        <source> 月 - CM </source>
        <translation> 月 - CM </translation>
    </message>
    <message>
        <source> 日 - CD </source>
        <translation> 日 - CD </translation>
    </message>
    <message>
        <source> 星期 - CW </source>
        <translation> 星期 - CW </translation>
    </message>
    <message>
        <source> 节日 - CF </source>
        <translation> 节日 - CF </translation>
    </message>
    <message>
        <source> 时刻 - LH </source>
        <translation> 时刻 - LH </translation>
    </message>
    <message>
        <source> 月相 - LP </source>
        <translation> 月相 - LP </translation>
    </message>
    <message>
        <source> 伏九 - LS </source>
        <translation> 伏九 - LS </translation>
    </message>
    <message>
        <source> 日柱 - GD </source>
        <translation> 日柱 - GD </translation>
    </message>
    <message>
        <source> 月柱 - GM </source>
        <translation> 月柱 - GM </translation>
    </message>
    <message>
        <source>内容格式 [点击备选内容加入并编辑]</source>
        <translation>内容格式 [点击备选内容加入并编辑]</translation>
    </message>
    <message>
        <source> 农历备选内容 </source>
        <translation> 农历备选内容 </translation>
    </message>
    <message>
        <source> 公历备选内容 </source>
        <translation> 公历备选内容 </translation>
    </message>
    <message>
        <source>恢复默认</source>
        <translation>恢复默认</translation>
    </message>
    <message>
        <source>清空内容</source>
        <translation>清空内容</translation>
    </message>
    <message>
        <source>处理空格</source>
        <translation>处理空格</translation>
    </message>
    <message>
        <source>将多个空格合并为一个空格</source>
        <translation>将多个空格合并为一个空格</translation>
    </message>
    <message>
        <source>预览日期</source>
        <translation>预览日期</translation>
    </message>
</context>
<context>
    <name>tessarine::GenerationRun</name>
    <message>
        <source>正在生成 iCal 文件…</source>
        <translation>正在生成 iCal 文件…</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>停止</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
是否继续生成其余年份?</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
是否继续生成其余年份?</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>生成了 %1 个文件，%2 个未能生成：<byte value="xd"/>
</source>
        <translation>生成了 %1 个文件，%2 个未能生成：<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>是否打开所在文件夹?</source>
        <translation>是否打开所在文件夹?</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>==========内容预览========== </source>
        <translation>==========内容预览========== </translation>
    </message>
    <message>
        <source>文件：%1</source>
        <translation>文件：%1</translation>
    </message>
</context>
<context>
    <name>tessarine::HolidaysTab</name>
    <message>
        <source>已知放假安排的年份；在此页生成 iCal 时写入选中的年份（可按住 Ctrl 或 Shift 多选）</source>
        <translation>已知放假安排的年份；在此页生成 iCal 时写入选中的年份（可按住 Ctrl 或 Shift 多选）</translation>
    </message>
    <message>
        <source>%1 (自己添加)</source>
        <translation>%1 (自己添加)</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>星期</source>
        <translation>星期</translation>
    </message>
    <message>
        <source>休/班</source>
        <translation>休/班</translation>
    </message>
    <message>
        <source>节日</source>
        <translation>节日</translation>
    </message>
    <message>
        <source>在此页生成 iCal 时写入左侧列表中选中的年份</source>
        <translation>在此页生成 iCal 时写入左侧列表中选中的年份</translation>
    </message>
    <message>
        <source>粘贴通知…</source>
        <translation>粘贴通知…</translation>
    </message>
    <message>
        <source>国务院公布新一年的放假安排后，把通知全文粘贴进来即可加入这一年</source>
        <translation>国务院公布新一年的放假安排后，把通知全文粘贴进来即可加入这一年</translation>
    </message>
    <message>
        <source>删除这一年</source>
        <translation>删除这一年</translation>
    </message>
    <message>
        <source>删除自己添加的年份（内置年份恢复原样），可按 Ctrl+Z 撤销</source>
        <translation>删除自己添加的年份（内置年份恢复原样），可按 Ctrl+Z 撤销</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>节假日列表 %1 无法读取（%2），只使用内置的年份。</source>
        <translation>节假日列表 %1 无法读取（%2），只使用内置的年份。</translation>
    </message>
    <message>
        <source>节假日列表 %1 无法读取，只使用内置的年份，也不会保存。</source>
        <translation>节假日列表 %1 无法读取，只使用内置的年份，也不会保存。</translation>
    </message>
    <message>
        <source>节假日列表第 %1 行有误，已跳过。</source>
        <translation>节假日列表第 %1 行有误，已跳过。</translation>
    </message>
    <message>
        <source>保存节假日列表失败：%1，%2 年没有改动。</source>
        <translation>保存节假日列表失败：%1，%2 年没有改动。</translation>
    </message>
    <message>
        <source>删除 %1 年</source>
        <translation>删除 %1 年</translation>
    </message>
    <message>
        <source>已删除自己添加的 %1 年，按 Ctrl+Z 可撤销。</source>
        <translation>已删除自己添加的 %1 年，按 Ctrl+Z 可撤销。</translation>
    </message>
    <message>
        <source>这将替换你自己添加的 %1 行：
%2是否继续？</source>
        <translation>这将替换你自己添加的 %1 行：
%2是否继续？</translation>
    </message>
    <message>
        <source>保存节假日列表失败：%1</source>
        <translation>保存节假日列表失败：%1</translation>
    </message>
    <message>
        <source>节假日列表第 %1 行有误，为免丢失内容，%2 年没有保存。</source>
        <translation>节假日列表第 %1 行有误，为免丢失内容，%2 年没有保存。</translation>
    </message>
    <message>
        <source>节假日列表刚被其他程序修改，%1 年没有保存；已重新读取，请再保存一次。</source>
        <translation>节假日列表刚被其他程序修改，%1 年没有保存；已重新读取，请再保存一次。</translation>
    </message>
    <message>
        <source>已保存 %1 年的放假安排。</source>
        <translation>已保存 %1 年的放假安排。</translation>
    </message>
    <message>
        <source>导入…</source>
        <translation>导入…</translation>
    </message>
    <message>
        <source>行政院人事行政总处公布新一年的办公日历表（CSV）后，下载并导入即可加入这一年</source>
        <translation>行政院人事行政总处公布新一年的办公日历表（CSV）后，下载并导入即可加入这一年</translation>
    </message>
    <message>
        <source>导入香港政府公布的公众假期日历（iCalendar 文件）</source>
        <translation>导入香港政府公布的公众假期日历（iCalendar 文件）</translation>
    </message>
    <message>
        <source>%1 (推算)</source>
        <translation>%1 (推算)</translation>
    </message>
    <message>
        <source>这个地区没有已知的年份。</source>
        <translation>这个地区没有已知的年份。</translation>
    </message>
    <message>
        <source>已知 %1–%2 年（更早的年份未内置）。</source>
        <translation>已知 %1–%2 年（更早的年份未内置）。</translation>
    </message>
    <message>
        <source>已知 %1–%2 年。</source>
        <translation>已知 %1–%2 年。</translation>
    </message>
    <message>
        <source>%1–%2 年按政府公布的安排，其后的年份按法定规则推算，标为“暂定”。</source>
        <translation>%1–%2 年按政府公布的安排，其后的年份按法定规则推算，标为“暂定”。</translation>
    </message>
    <message>
        <source>%1 年的通知公布后可粘贴加入。</source>
        <translation>%1 年的通知公布后可粘贴加入。</translation>
    </message>
    <message>
        <source>新一年的办公日历表公布后可导入。</source>
        <translation>新一年的办公日历表公布后可导入。</translation>
    </message>
    <message>
        <source>政府公布新的假期日历后可导入。</source>
        <translation>政府公布新的假期日历后可导入。</translation>
    </message>
    <message>
        <source>临时假日等可在 %1 中加一行（地区一列写 %2）。</source>
        <translation>临时假日等可在 %1 中加一行（地区一列写 %2）。</translation>
    </message>
    <message>
        <source>文件不完整，可能没有下载完</source>
        <translation>文件不完整，可能没有下载完</translation>
    </message>
    <message>
        <source>不是这个地区政府公布的假期文件</source>
        <translation>不是这个地区政府公布的假期文件</translation>
    </message>
    <message>
        <source>有无法读取的内容</source>
        <translation>有无法读取的内容</translation>
    </message>
    <message>
        <source>（第 %1 行）</source>
        <translation>（第 %1 行）</translation>
    </message>
    <message>
        <source>这是 %1 年的修正版，但这一年还没有办公日历表可修正</source>
        <translation>这是 %1 年的修正版，但这一年还没有办公日历表可修正</translation>
    </message>
    <message>
        <source>办公日历表 (*.csv);;所有文件 (*)</source>
        <translation>办公日历表 (*.csv);;所有文件 (*)</translation>
    </message>
    <message>
        <source>iCalendar 文件 (*.ics);;所有文件 (*)</source>
        <translation>iCalendar 文件 (*.ics);;所有文件 (*)</translation>
    </message>
    <message>
        <source>导入</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>%1 无法读取（%2），没有导入。</source>
        <translation>%1 无法读取（%2），没有导入。</translation>
    </message>
    <message>
        <source>文件不存在</source>
        <translation>文件不存在</translation>
    </message>
    <message>
        <source>%1 没有导入：%2。</source>
        <translation>%1 没有导入：%2。</translation>
    </message>
    <message>
        <source>已导入 %1 年的放假安排。</source>
        <translation>已导入 %1 年的放假安排。</translation>
    </message>
    <message>
        <source>、</source>
        <translation>、</translation>
    </message>
</context>
<context>
    <name>tessarine::MainWindow</name>
    <message>
        <source>输出文件夹</source>
        <translation>输出文件夹</translation>
    </message>
    <message>
        <source>农历 iCal 文件生成器</source>
        <translation>农历 iCal 文件生成器</translation>
    </message>
    <message>
        <source>没有找到能打开网页的程序。地址是：<byte value="xd"/>
%1</source>
        <translation>没有找到能打开网页的程序。地址是：<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>普通格式</source>
        <translation>普通格式</translation>
    </message>
    <message>
        <source>自定义格式</source>
        <translation>自定义格式</translation>
    </message>
    <message>
        <source>纪念日</source>
        <translation>纪念日</translation>
    </message>
    <message>
        <source>保存这一年</source>
        <translation>保存这一年</translation>
    </message>
    <message>
        <source>节假日</source>
        <translation>节假日</translation>
    </message>
    <message>
        <source> 控制 </source>
        <translation> 控制 </translation>
    </message>
    <message>
        <source>使用说明</source>
        <translation>使用说明</translation>
    </message>
    <message>
        <source>生成 &amp;iCal</source>
        <translation>生成 &amp;iCal</translation>
    </message>
    <message>
        <source>打开文件夹</source>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <source>退       出</source>
        <translation>退       出</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>年份不能为空, 请重新输入.</source>
        <translation>年份不能为空, 请重新输入.</translation>
    </message>
    <message>
        <source>结束年份必需大于等于开始年份, 请重新输入.</source>
        <translation>结束年份必需大于等于开始年份, 请重新输入.</translation>
    </message>
    <message>
        <source>纪念日列表中没有可用的纪念日，未生成文件。</source>
        <translation>纪念日列表中没有可用的纪念日，未生成文件。</translation>
    </message>
    <message>
        <source>年份必需在 %1 至 %2 之间, 请重新输入.</source>
        <translation>年份必需在 %1 至 %2 之间, 请重新输入.</translation>
    </message>
    <message>
        <source>%1 年</source>
        <translation>%1 年</translation>
    </message>
    <message>
        <source>%1 年至 %2 年</source>
        <translation>%1 年至 %2 年</translation>
    </message>
    <message>
        <source><byte value="xd"/>
文件超过 1 MB，有些网络日历可能无法导入，可改为分年生成。</source>
        <translation><byte value="xd"/>
文件超过 1 MB，有些网络日历可能无法导入，可改为分年生成。</translation>
    </message>
    <message>
        <source><byte value="xd"/>
纪念日第 %1 行有误, 未生成.</source>
        <translation><byte value="xd"/>
纪念日第 %1 行有误, 未生成.</translation>
    </message>
    <message>
        <source>、</source>
        <translation>、</translation>
    </message>
    <message>
        <source>成功生成 %1 农历纪念日 iCal 文件, 存放在以下目录: <byte value="xd"/>
%2</source>
        <translation>成功生成 %1 农历纪念日 iCal 文件, 存放在以下目录: <byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>成功生成 %1 iCal 文件, 存放在以下目录: <byte value="xd"/>
%2</source>
        <translation>成功生成 %1 iCal 文件, 存放在以下目录: <byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>成功生成 %1 月相 iCal 文件, 存放在以下目录: <byte value="xd"/>
%2</source>
        <translation>成功生成 %1 月相 iCal 文件, 存放在以下目录: <byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>成功生成 %1 节气 iCal 文件, 存放在以下目录: <byte value="xd"/>
%2</source>
        <translation>成功生成 %1 节气 iCal 文件, 存放在以下目录: <byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>请在【节假日】的年份列表中选择要生成的年份（可多选）。</source>
        <translation>请在【节假日】的年份列表中选择要生成的年份（可多选）。</translation>
    </message>
    <message>
        <source>成功生成 %1 年的法定节假日 iCal 文件, 存放在以下目录: <byte value="xd"/>
%2</source>
        <translation>成功生成 %1 年的法定节假日 iCal 文件, 存放在以下目录: <byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>无法保存设置：%1。</source>
        <translation>无法保存设置：%1。</translation>
    </message>
    <message>
        <source>输出文件夹 %1 不是文件夹（路径中有同名的文件），无法打开。请在【控制】菜单的【输出文件夹…】中另选。</source>
        <translation>输出文件夹 %1 不是文件夹（路径中有同名的文件），无法打开。请在【控制】菜单的【输出文件夹…】中另选。</translation>
    </message>
    <message>
        <source>没有找到能打开文件夹的程序。文件夹在：<byte value="xd"/>
%1</source>
        <translation>没有找到能打开文件夹的程序。文件夹在：<byte value="xd"/>
%1</translation>
    </message>
</context>
<context>
    <name>tessarine::MonthView</name>
    <message>
        <source>一</source>
        <translation>一</translation>
    </message>
    <message>
        <source>二</source>
        <translation>二</translation>
    </message>
    <message>
        <source>三</source>
        <translation>三</translation>
    </message>
    <message>
        <source>四</source>
        <translation>四</translation>
    </message>
    <message>
        <source>五</source>
        <translation>五</translation>
    </message>
    <message>
        <source>六</source>
        <translation>六</translation>
    </message>
    <message>
        <source>日</source>
        <translation>日</translation>
    </message>
    <message>
        <source>上一年（Ctrl+PgUp）</source>
        <translation>上一年（Ctrl+PgUp）</translation>
    </message>
    <message>
        <source>上一月（PgUp）</source>
        <translation>上一月（PgUp）</translation>
    </message>
    <message>
        <source>下一月（PgDn）</source>
        <translation>下一月（PgDn）</translation>
    </message>
    <message>
        <source>下一年（Ctrl+PgDn）</source>
        <translation>下一年（Ctrl+PgDn）</translation>
    </message>
    <message>
        <source>今天</source>
        <translation>今天</translation>
    </message>
    <message>
        <source>回到今天（Home）</source>
        <translation>回到今天（Home）</translation>
    </message>
    <message>
        <source>yyyy 年 M 月</source>
        <translation>yyyy 年 M 月</translation>
    </message>
    <message>
        <source>  纪念日：%1</source>
        <translation>  纪念日：%1</translation>
    </message>
    <message>
        <source>、</source>
        <translation>、</translation>
    </message>
    <message numerus="yes">
        <source>及其他 %n 个</source>
        <translation>
            <numerusform>及其他 %n 个</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tessarine::NormalFormatTab</name>
    <message>
        <source>农历信息内容控制</source>
        <translation>农历信息内容控制</translation>
    </message>
    <message>
        <source>无节日节气</source>
        <translation>无节日节气</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>月份+日期</source>
        <translation>月份+日期</translation>
    </message>
    <message>
        <source>节日节气</source>
        <translation>节日节气</translation>
    </message>
    <message>
        <source>节气</source>
        <translation>节气</translation>
    </message>
    <message>
        <source> 同一天有节日与节气 </source>
        <translation> 同一天有节日与节气 </translation>
    </message>
    <message>
        <source>显示 - 节日</source>
        <translation>显示 - 节日</translation>
    </message>
    <message>
        <source>显示 - 节气</source>
        <translation>显示 - 节气</translation>
    </message>
    <message>
        <source>显示 - 节日/节气</source>
        <translation>显示 - 节日/节气</translation>
    </message>
</context>
<context>
    <name>tessarine::NoticeDialog</name>
    <message>
        <source>注意：%1 有 %2 个工作日放假，而 %3 天法定假日加 %4 天调休上班应为 %5 个；请确认通知全文都已粘贴。
</source>
        <translation>注意：%1 有 %2 个工作日放假，而 %3 天法定假日加 %4 天调休上班应为 %5 个；请确认通知全文都已粘贴。
</translation>
    </message>
    <message>
        <source>找不到通知的年份（如“关于2027年部分节假日安排的通知”），可在上面选择年份</source>
        <translation>找不到通知的年份（如“关于2027年部分节假日安排的通知”），可在上面选择年份</translation>
    </message>
    <message>
        <source>找不到“一、元旦：……”这样的条目</source>
        <translation>找不到“一、元旦：……”这样的条目</translation>
    </message>
    <message>
        <source>这一条没有日期</source>
        <translation>这一条没有日期</translation>
    </message>
    <message>
        <source>没有这一天</source>
        <translation>没有这一天</translation>
    </message>
    <message>
        <source>放假日期不在通知的年份内</source>
        <translation>放假日期不在通知的年份内</translation>
    </message>
    <message>
        <source>“共N天”与所列日期不符</source>
        <translation>“共N天”与所列日期不符</translation>
    </message>
    <message>
        <source>同一天既放假又上班</source>
        <translation>同一天既放假又上班</translation>
    </message>
    <message>
        <source>括号没有闭合</source>
        <translation>括号没有闭合</translation>
    </message>
    <message>
        <source>年份不在 %1 至 %2 年之间</source>
        <translation>年份不在 %1 至 %2 年之间</translation>
    </message>
    <message>
        <source>括号里的星期与日期不符</source>
        <translation>括号里的星期与日期不符</translation>
    </message>
    <message>
        <source>粘贴了两份通知，年份分别是</source>
        <translation>粘贴了两份通知，年份分别是</translation>
    </message>
    <message>
        <source>通知的年份与所选年份不同</source>
        <translation>通知的年份与所选年份不同</translation>
    </message>
    <message>
        <source>通知开头列出的这个节日没有对应的条目，通知可能不完整</source>
        <translation>通知开头列出的这个节日没有对应的条目，通知可能不完整</translation>
    </message>
    <message>
        <source>这一条无法读取，通知可能不完整</source>
        <translation>这一条无法读取，通知可能不完整</translation>
    </message>
    <message>
        <source>通知可能不完整，缺少这些节日</source>
        <translation>通知可能不完整，缺少这些节日</translation>
    </message>
    <message>
        <source>通知修改的年份还没有放假安排</source>
        <translation>通知修改的年份还没有放假安排</translation>
    </message>
    <message>
        <source>这份通知的天数对不上，可能没有粘贴完整：
</source>
        <translation>这份通知的天数对不上，可能没有粘贴完整：
</translation>
    </message>
    <message>
        <source>请与原文核对；确认无误后，勾选下面的“已与原文核对”才能保存。

</source>
        <translation>请与原文核对；确认无误后，勾选下面的“已与原文核对”才能保存。

</translation>
    </message>
    <message>
        <source>这一句说到放假或上班，但其中的日期无法读取</source>
        <translation>这一句说到放假或上班，但其中的日期无法读取</translation>
    </message>
    <message>
        <source>通知在这一句中间断开，可能没有粘贴完整</source>
        <translation>通知在这一句中间断开，可能没有粘贴完整</translation>
    </message>
    <message>
        <source>这些节日的天数对不上，通知可能不完整</source>
        <translation>这些节日的天数对不上，通知可能不完整</translation>
    </message>
    <message>
        <source>已与原文核对，天数对不上也保存</source>
        <translation>已与原文核对，天数对不上也保存</translation>
    </message>
    <message>
        <source>粘贴通知</source>
        <translation>粘贴通知</translation>
    </message>
    <message>
        <source>把国务院办公厅关于某年部分节假日安排的通知全文粘贴到这里：</source>
        <translation>把国务院办公厅关于某年部分节假日安排的通知全文粘贴到这里：</translation>
    </message>
    <message>
        <source>年份：</source>
        <translation>年份：</translation>
    </message>
    <message>
        <source>按通知标题</source>
        <translation>按通知标题</translation>
    </message>
    <message>
        <source>只粘贴了条目、没有标题时，在这里选择年份</source>
        <translation>只粘贴了条目、没有标题时，在这里选择年份</translation>
    </message>
    <message>
        <source>读到的日期：</source>
        <translation>读到的日期：</translation>
    </message>
    <message>
        <source>保存这一年</source>
        <translation>保存这一年</translation>
    </message>
    <message>
        <source>正在读取……</source>
        <translation>正在读取……</translation>
    </message>
    <message>
        <source>无法读取：%1</source>
        <translation>无法读取：%1</translation>
    </message>
    <message>
        <source>这份通知修改 %1 年的%2，修改后：
</source>
        <translation>这份通知修改 %1 年的%2，修改后：
</translation>
    </message>
    <message>
        <source>%1 年，%2 天放假：
</source>
        <translation>%1 年，%2 天放假：
</translation>
    </message>
</context>
<context>
    <name>tessarine::RollingFeed</name>
    <message>
        <source>今年已在 %1 年之后，没有可以滚动生成的年份。</source>
        <translation>今年已在 %1 年之后，没有可以滚动生成的年份。</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>提示</translation>
    </message>
    <message>
        <source><byte value="xd"/>
文件超过 1 MB，有些网络日历不接受这样大的订阅，可减少【滚动年数】。</source>
        <translation><byte value="xd"/>
文件超过 1 MB，有些网络日历不接受这样大的订阅，可减少【滚动年数】。</translation>
    </message>
    <message>
        <source>成功生成滚动订阅文件（%1 至 %2 年），存放在以下目录: <byte value="xd"/>
%3</source>
        <translation>成功生成滚动订阅文件（%1 至 %2 年），存放在以下目录: <byte value="xd"/>
%3</translation>
    </message>
</context>
<context>
    <name>tessarine::SidePages</name>
    <message>
        <source>打开文件夹</source>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <source>查看文件内容</source>
        <translation>查看文件内容</translation>
    </message>
    <message>
        <source>返回月视图</source>
        <translation>返回月视图</translation>
    </message>
    <message>
        <source>已写入：%1</source>
        <translation>已写入：%1</translation>
    </message>
</context>
<context>
    <name>tessarine::WordingMenus</name>
    <message>
        <source>中国农历</source>
        <translation>中国农历</translation>
    </message>
    <message>
        <source>韩国阴历</source>
        <translation>韩国阴历</translation>
    </message>
    <message>
        <source>越南阴历</source>
        <translation>越南阴历</translation>
    </message>
    <message>
        <source>跟随系统</source>
        <translation>跟随系统</translation>
    </message>
    <message>
        <source>历法</source>
        <translation>历法</translation>
    </message>
    <message>
        <source>按哪国的阴历换算：中国、韩国和越南的历法规则相同，只是时区不同，少数月份的初一相差一天</source>
        <translation>按哪国的阴历换算：中国、韩国和越南的历法规则相同，只是时区不同，少数月份的初一相差一天</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>文件中月份、节气、节日等名称的文字；自定义格式中自己写的文字不变</source>
        <translation>文件中月份、节气、节日等名称的文字；自定义格式中自己写的文字不变</translation>
    </message>
    <message>
        <source>界面语言</source>
        <translation>界面语言</translation>
    </message>
    <message>
        <source>窗口的语言；选择后窗口以新的语言重新打开</source>
        <translation>窗口的语言；选择后窗口以新的语言重新打开</translation>
    </message>
    <message>
        <source>地区</source>
        <translation>地区</translation>
    </message>
    <message>
        <source>文件中的节日和节假日按哪个地区；选择地区也会选择它的历法和文字，之后仍可分别更改</source>
        <translation>文件中的节日和节假日按哪个地区；选择地区也会选择它的历法和文字，之后仍可分别更改</translation>
    </message>
</context>
<context>
    <name>tessarine::YearSelector</name>
    <message>
        <source> 选择年份 </source>
        <translation> 选择年份 </translation>
    </message>
    <message>
        <source>结束年份</source>
        <translation>结束年份</translation>
    </message>
</context>
</TS>
