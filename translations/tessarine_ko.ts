<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="zh_CN">
<context>
    <name>FailureText</name>
    <message>
        <source>文件是只读的</source>
        <translation>파일이 읽기 전용입니다</translation>
    </message>
    <message>
        <source>同名的不是普通文件（是管道、设备或套接字），不予替换</source>
        <translation>같은 이름의 항목이 일반 파일이 아니므로(파이프, 장치 또는 소켓) 바꾸지 않습니다</translation>
    </message>
    <message>
        <source>同名的是其他用户在共享文件夹里建的链接，不予跟随</source>
        <translation>같은 이름의 항목이 다른 사용자가 공유 폴더에 만든 링크이므로 따라가지 않습니다</translation>
    </message>
    <message>
        <source>不是普通文件（是文件夹、管道或设备）</source>
        <translation>일반 파일이 아닙니다(폴더, 파이프 또는 장치)</translation>
    </message>
    <message>
        <source>文件超过 %1 MB，不是列表</source>
        <translation>파일이 %1 MB보다 커서 목록이 아닙니다</translation>
    </message>
    <message>
        <source>其中没有任何事件（没有事件的文件不是日历）</source>
        <translation>일정이 하나도 없습니다(일정이 없는 파일은 달력이 아닙니다)</translation>
    </message>
    <message>
        <source>没有写入权限</source>
        <translation>쓰기 권한이 없습니다</translation>
    </message>
    <message>
        <source>磁盘已满</source>
        <translation>디스크가 가득 찼습니다</translation>
    </message>
    <message>
        <source>不是文件夹</source>
        <translation>폴더가 아닙니다</translation>
    </message>
    <message>
        <source>文件夹不存在</source>
        <translation>폴더가 없습니다</translation>
    </message>
    <message>
        <source>磁盘是只读的</source>
        <translation>디스크가 읽기 전용입니다</translation>
    </message>
    <message>
        <source>文件太大</source>
        <translation>파일이 너무 큽니다</translation>
    </message>
    <message>
        <source>磁盘读写出错</source>
        <translation>디스크를 읽거나 쓰는 중에 오류가 발생했습니다</translation>
    </message>
    <message>
        <source>同名文件太多</source>
        <translation>같은 이름의 파일이 너무 많습니다</translation>
    </message>
    <message>
        <source>路径太长</source>
        <translation>경로가 너무 깁니다</translation>
    </message>
    <message>
        <source>同名的是一个文件夹</source>
        <translation>같은 이름의 폴더가 있습니다</translation>
    </message>
    <message>
        <source>符号链接绕成了圈</source>
        <translation>심볼릭 링크가 순환합니다</translation>
    </message>
    <message>
        <source>文件正被其他程序使用</source>
        <translation>다른 프로그램이 파일을 사용하고 있습니다</translation>
    </message>
    <message>
        <source>这个磁盘的文件系统不支持这样写入</source>
        <translation>이 디스크의 파일 시스템에서는 이런 방식으로 쓸 수 없습니다</translation>
    </message>
    <message>
        <source>打开的文件太多</source>
        <translation>열린 파일이 너무 많습니다</translation>
    </message>
    <message>
        <source>内存不足</source>
        <translation>메모리가 부족합니다</translation>
    </message>
    <message>
        <source>磁盘或网络位置已断开</source>
        <translation>디스크 또는 네트워크 위치의 연결이 끊어졌습니다</translation>
    </message>
    <message>
        <source>系统错误（错误码 %1）</source>
        <translation>시스템 오류입니다(오류 코드 %1)</translation>
    </message>
    <message>
        <source>无法生成 iCal 文件，%1：<byte value="xd"/>
%2</source>
        <translation>iCal 파일을 생성할 수 없습니다. %1:<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>Instructions</name>
    <message>
        <source>1. 可生成{first}年至{last}年之间包含农历日期、农历节日和节气等信息的iCal文件，便于用户导入到Google日历同步到手机上查看。</source>
        <translation>1. {first}년부터 {last}년까지 원하는 연도의 날마다 음력 날짜, 음력 명절, 절기를 담은 iCal 파일을 생성합니다. Google 캘린더로 가져와 휴대폰에서 볼 수 있습니다.</translation>
    </message>
    <message>
        <source>2. 年份选择下拉列表只显示当年到{last}年之间的年份，如需要生成以前的年份请自行输入。如需要生成多个年份的iCal文件，请勾选【结束年份】项并选择结束年份，届时会生成对应年份的iCal文件，每个年份对应一个文件（勾选【控制】菜单中的【合并为一个文件】则写成一个文件），请自行选择导入。</source>
        <translation>2. 연도 목록에는 올해부터 {last}년까지 나옵니다. 그 이전 연도는 직접 입력하세요. 여러 해를 생성하려면 [종료 연도]를 선택하고 마지막 연도를 고르세요. 연도마다 파일이 하나씩 생성되며([설정] 메뉴의 [한 파일로 합치기]를 켜면 파일 하나로 생성됩니다), 필요한 파일을 골라 가져오면 됩니다.</translation>
    </message>
    <message>
        <source>3. 为在手机上节省显示空间，【普通格式】生成的农历信息只显示农历日期不显示农历月份，每月初一显示该农历月份，若同一天既有节日又有节气，则按选择分别显示“节日”、“节气”或“节日/节气”。</source>
        <translation>3. 휴대폰 화면 공간을 아끼기 위해 [기본 형식]은 음력 날짜에서 월은 빼고 일만 표시하며, 매월 1일에는 그 음력 월을 표시합니다. 명절과 절기가 같은 날이면 선택에 따라 명절, 절기 또는 둘 다(명절/절기)를 표시합니다.</translation>
    </message>
    <message>
        <source>4. 【普通格式】生成的农历信息是包含有节日节气信息的，如果希望只显示农历日期而不需要节日节气信息，可在【农历信息内容控制】中勾选【无节日节气】。</source>
        <translation>4. [기본 형식]에는 명절과 절기가 들어 있습니다. 명절과 절기 없이 음력 날짜만 표시하려면 [음력 정보]에서 [명절·절기 없음]을 선택하세요.</translation>
    </message>
    <message>
        <source>5. 【普通格式】生成的农历信息只显示农历“日期”，还可在【农历信息内容控制】中选择输出显示“月份+日期”、“节日和节气”或是只显示“节气”。</source>
        <translation>5. [기본 형식]은 음력 “날짜”만 표시하며, [음력 정보]에서 “월+일”, “명절·절기” 또는 “절기만”을 표시하도록 고를 수도 있습니다.</translation>
    </message>
    <message>
        <source>6. 【自定义格式】用于生成不同格式的农历信息内容，在内容格式框进行格式编辑，特定的信息内容可通过备选内容框选择，编辑同时底部预览框会有即时效果预览，选择预览日期可以查看不同日期下的格式效果。勾选【处理空格】后会把输出内容中的多余空格合并为一个空格。</source>
        <translation>6. [사용자 지정 형식]으로는 원하는 형식의 제목을 만들 수 있습니다. 서식 상자에서 서식을 편집하고, 넣을 정보는 항목 상자에서 눌러 넣습니다. 편집하는 동안 아래 미리 보기에 결과가 바로 나타나며, 미리 보기 날짜를 바꾸면 날짜마다 어떻게 보이는지 확인할 수 있습니다. [공백 정리]를 선택하면 결과에서 연속된 공백을 하나로 합칩니다.</translation>
    </message>
    <message>
        <source>7. 【自定义格式】中的默认格式只是为了尽量多的展示备选内容效果，输出内容较长，请自行编辑符合自己要求的格式效果。</source>
        <translation>7. [사용자 지정 형식]의 기본 서식은 항목을 되도록 많이 보여 주기 위한 것이라 제목이 깁니다. 원하는 대로 편집해서 쓰세요.</translation>
    </message>
    <message>
        <source>8. 生成的iCal文件会被命名为“Tessarine_年份_yymmdd-hhmmss.ics”，年份为生成农历信息的所选择的年份，yymmdd为生成日期，hhmmss为生成时间，文件存放的位置见第13条，为避免乱码文件输出使用UTF8编码。</source>
        <translation>8. 생성된 iCal 파일의 이름은 “Tessarine_연도_yymmdd-hhmmss.ics”입니다. 연도는 생성한 음력 정보의 연도, yymmdd는 생성 날짜, hhmmss는 생성 시각입니다. 파일이 저장되는 위치는 13번을 참고하세요. 글자가 깨지지 않도록 파일은 UTF-8로 저장합니다.</translation>
    </message>
    <message>
        <source>9. 【打开文件夹】能够直接打开生成的iCal文件所在的文件夹（见第13条），方便定位生成的ical文件。</source>
        <translation>9. [폴더 열기]는 생성한 iCal 파일이 저장되는 폴더(13번 참고)를 바로 엽니다.</translation>
    </message>
    <message>
        <source>10. 【控制】菜单中的【使用冬,腊月显示】用于选择是否把农历的十一月和十二月显示为冬月和腊月，默认启用。</source>
        <translation>10. [설정] 메뉴의 [11·12월을 冬月·腊月로 표시]는 음력 11월과 12월을 冬月(동짓달)과 腊月(섣달)로 표시할지 정합니다. 처음에는 켜져 있습니다.</translation>
    </message>
    <message>
        <source>11. 【控制】菜单中的【生成后弹出提示框】可控制成功生成iCal文件后是否弹出提示对话框，若要连续生成多个iCal文件为了方便可关闭该项。</source>
        <translation>11. [설정] 메뉴의 [생성 후 알림 표시]는 iCal 파일을 생성한 뒤 알림 창을 띄울지 정합니다. 여러 파일을 잇달아 생성할 때는 꺼 두면 편리합니다.</translation>
    </message>
    <message>
        <source>12. 【节假日】列出已知官方放假安排的年份（内置2008年起各年，以国务院办公厅的通知为准）及所选年份的放假（休）和调休上班（班）日期。在此页点击【生成 iCal】会生成所选年份的法定节假日文件，还不知道安排的年份会注明而不会猜测。新一年的安排公布后，点击【粘贴通知…】粘贴通知全文即可加入。勾选【控制】菜单中的【标注休/班】后，农历文件中这些日子的标题会加上（休）或（班）。</source>
        <translation>12. [공휴일]에는 공식 휴무 일정이 알려진 연도(2008년부터 모든 연도가 내장되어 있으며, 중국 국무원 판공청이 발표한 통지를 따릅니다)와 선택한 연도의 휴무일(休) 및 대체 근무일(班)이 나옵니다. 이 탭에서 [iCal 생성]을 누르면 선택한 연도의 법정 공휴일 파일을 생성합니다. 일정을 아직 모르는 연도는 추측하지 않고 따로 알려 줍니다. 새해 일정이 발표되면 [통지 붙여넣기…]로 통지 전문을 붙여 넣어 추가하세요. [설정] 메뉴의 [휴무일·근무일 표시]를 켜면 음력 파일에서 이날들의 제목에 (休) 또는 (班)이 붙습니다.</translation>
    </message>
    <message>
        <source>13. 文件存放的位置：解压到自己文件夹的便携版，文件存放在程序所在的文件夹；安装的程序从不写入程序所在的系统文件夹，文件存放在“文档/Tessarine”文件夹。也可以在【控制】菜单的【输出文件夹…】中另选，程序会记住。【打开文件夹】打开的就是这个文件夹。【控制】菜单的【合并为一个文件】把所选的多个年份写进一个文件，一次导入；【固定文件名】让文件名不带生成时间，再次生成时替换旧文件，放在同步文件夹中可以作为订阅链接。</source>
        <translation>13. 파일 저장 위치: 직접 만든 폴더에 압축을 푼 포터블 버전은 프로그램이 있는 폴더에 저장합니다. 설치한 프로그램은 프로그램이 있는 시스템 폴더에 쓰지 않고 “문서/Tessarine” 폴더에 저장합니다. [설정] 메뉴의 [출력 폴더…]에서 다른 폴더를 고를 수도 있으며, 프로그램이 이를 기억합니다. [폴더 열기]는 바로 이 폴더를 엽니다. [설정] 메뉴의 [한 파일로 합치기]는 선택한 여러 연도를 파일 하나에 써서 한 번에 가져올 수 있게 합니다. [고정 파일 이름]을 켜면 파일 이름에 생성 시각이 붙지 않아 다시 생성할 때 이전 파일을 바꾸므로, 동기화 폴더에 두면 구독 링크로 쓸 수 있습니다.</translation>
    </message>
    <message>
        <source>14. 【纪念日】用来生成家人的农历生日和纪念日：点击【添加】填写名称、日期（农历如 三月初八、闰四月十五、3-8，或公历生日如 1960-04-03）和可选的起始年（标题中显示第几年）。每行右边显示换算出的农历日期和下次的日子。列表保存在配置文件夹的 anniversaries.csv 中，也可以用其他程序编辑；有误的格子显示为红色，按 Ctrl+Z 可撤销上一次修改。在此页点击【生成 iCal】会生成所选年份的纪念日文件。</source>
        <translation>14. [기념일]은 가족의 음력 생일과 기념일을 생성합니다. [추가]를 누르고 이름, 날짜(음력: 三月初八(3월 8일), 闰四月十五(윤4월 15일), 3-8 등, 양력 생일: 1960-04-03 등), 선택 사항인 시작 연도(제목에 몇 번째 해인지 표시)를 입력하세요. 각 행의 오른쪽에는 환산한 음력 날짜와 다음에 돌아오는 날이 표시됩니다. 목록은 설정 폴더의 anniversaries.csv에 저장되며 다른 프로그램으로 편집해도 됩니다. 잘못된 칸은 빨간색으로 표시되고, Ctrl+Z로 마지막 변경을 취소할 수 있습니다. 이 탭에서 [iCal 생성]을 누르면 선택한 연도의 기념일 파일을 생성합니다.</translation>
    </message>
    <message>
        <source>15. 导入日历：建议先新建一个日历，再把文件导入到这个新日历中，不需要时可一次删除整个日历。Google 日历：网页版【设置】→【添加日历】→【创建新日历】，再在【导入和导出】中选择文件并导入到新日历。Outlook：【添加日历】→【从文件上传】，选择新日历。Apple 日历：【文件】→【导入】，选择【新建日历】。Thunderbird：【文件】→【新建】→【日历】，再用【事件和任务】→【导入】导入到新日历。</source>
        <translation>15. 달력 가져오기: 먼저 새 달력을 만들고 그 달력으로 파일을 가져오기를 권합니다. 필요 없어지면 달력째 한 번에 삭제할 수 있습니다. Google 캘린더: 웹에서 [설정] → [캘린더 추가] → [새 캘린더 만들기]를 한 뒤 [가져오기 및 내보내기]에서 파일을 선택해 새 캘린더로 가져오세요. Outlook: [캘린더 추가] → [파일에서 업로드]에서 새 캘린더를 선택하세요. Apple 캘린더: [파일] → [가져오기]에서 [새로운 캘린더]를 선택하세요. Thunderbird: [파일] → [새로 만들기] → [캘린더]로 새 캘린더를 만든 뒤 [일정 및 할 일] → [가져오기]로 새 캘린더에 가져오세요.</translation>
    </message>
    <message>
        <source>16. 【控制】菜单的【历法】选择按哪国的阴历换算：中国农历、韩国阴历（UTC+9）或越南阴历（UTC+7），各用本国的节日；【文字】选择文件中月份、节气、节日等名称的文字：简体、繁體、한국어 或 Tiếng Việt。选择历法时文字随之改为该国的文字，之后也可另选。纪念日的【历法】一栏写 韩国阴历 或 越南阴历，该纪念日就按那国的阴历每年重复。</source>
        <translation>16. [설정] 메뉴의 [역법]에서는 어느 나라의 음력으로 환산할지 중국 음력, 한국 음력(UTC+9), 베트남 음력(UTC+7) 중에서 고르며, 각각 그 나라의 명절을 씁니다. [파일 언어]에서는 파일 속 월, 절기, 명절 등의 이름을 쓸 언어를 简体, 繁體, 한국어, Tiếng Việt 중에서 고릅니다. 역법을 고르면 파일 언어도 그 나라의 언어로 바뀌며, 그 뒤에 따로 바꿀 수 있습니다. 기념일의 [역법] 열에 음력 또는 베트남 음력이라고 쓰면 그 기념일은 각각 한국, 베트남의 음력으로 해마다 반복됩니다.</translation>
    </message>
    <message>
        <source>17. 【控制】菜单的【标注月相】在新月、上弦、满月、下弦的日子后加上月相（如“初八 上弦”），【标注三伏、数九】加上三伏和数九的第几天（如“十五 三九第1天”），【写入详细说明】把每天的农历、干支、生肖、节气和交节时刻、节日、月相、三伏或数九写进事件的说明。【生成月相日历】和【生成节气日历】为所选年份生成月相或二十四节气的文件，标题带时刻（如“满月 21:36”“立春 04:02”）。【自定义格式】的【农历备选内容】第二列：时刻 LH（节气的交节时刻）、月相 LP（月相和时刻）、伏九 LS（三伏、数九的第几天）、日柱 GD（日干支）、月柱 GM（月干支）。</source>
        <translation>17. [설정] 메뉴의 [달의 위상 표시]는 삭, 상현, 망, 하현인 날 뒤에 달의 위상을 덧붙입니다(예: “初八 上弦”(8일 상현)). [삼복·수구 표시]는 삼복과 수구(동지 후 81일)의 며칠째인지 덧붙입니다(예: “十五 三九第1天”(15일 3구 1일째)). [자세한 설명 쓰기]는 날마다 음력 날짜, 간지, 띠, 절기와 그 시각, 명절, 달의 위상, 삼복 또는 수구를 일정 설명에 씁니다. [달의 위상 달력 생성]과 [절기 달력 생성]은 선택한 연도의 달의 위상 또는 24절기 파일을 생성하며, 제목에 시각이 들어갑니다(예: “满月 21:36”(망 21:36), “立春 04:02”(입춘 04:02)). [사용자 지정 형식]의 [음력 항목] 둘째 열: 시각 LH(절기의 절입 시각), 위상 LP(달의 위상과 시각), 복·구 LS(삼복·수구의 며칠째), 일주 GD(날의 간지), 월주 GM(달의 간지).</translation>
    </message>
    <message>
        <source>18. 右侧的月视图按当前的选项显示每天将写入文件的标题，以及休、班和纪念日（●）；今天以黄色标出，周末为红色。用 ‹ › « » 或键盘（方向键、PgUp/PgDn 翻月、Ctrl+PgUp/PgDn 翻年、Home 回到今天）翻看，选中的日子在下方显示详细说明。生成后月视图转到写入的第一个月，点击【查看文件内容】可看文件全文，【返回月视图】回来。</source>
        <translation>18. 오른쪽 월 보기에는 현재 설정대로 파일에 쓸 날마다의 제목과 휴무일(休), 근무일(班), 기념일(●)이 표시됩니다. 오늘은 노란색, 주말은 빨간색입니다. ‹ › « » 버튼이나 키보드(방향키, PgUp/PgDn으로 한 달, Ctrl+PgUp/PgDn으로 한 해, Home으로 오늘)로 넘겨 보고, 선택한 날의 자세한 설명은 아래에 표시됩니다. 생성한 뒤에는 월 보기가 처음 쓴 달로 넘어가며, [파일 내용 보기]로 파일 전체를 보고 [월 보기로 돌아가기]로 돌아옵니다.</translation>
    </message>
    <message>
        <source>19. 【控制】菜单的【生成滚动订阅文件】把去年到几年后（【滚动年数】中选择，程序会记住）写成一个固定文件名的文件，如“Tessarine_Rolling.ics”，每次生成时替换旧文件；放在同步文件夹或网站上即可作为订阅链接，日历每天刷新。在【纪念日】或【节假日】页点击则生成相应的滚动文件。</source>
        <translation>19. [설정] 메뉴의 [구독 파일 생성]은 작년부터 몇 년 후까지([구독 범위]에서 고르며, 프로그램이 기억합니다)를 “Tessarine_Rolling.ics”처럼 이름이 고정된 파일 하나로 쓰고, 생성할 때마다 이전 파일을 바꿉니다. 동기화 폴더나 웹 사이트에 두면 달력이 날마다 새로 고치는 구독 링크가 됩니다. [기념일]이나 [공휴일] 탭에서 누르면 그 탭의 구독 파일을 생성합니다.</translation>
    </message>
    <message>
        <source>Tessarine - 农历iCal文件生成器使用说明</source>
        <translation>Tessarine - 음력 iCal 파일 생성기 사용 설명</translation>
    </message>
    <message>
        <source>Tessarine 开发组</source>
        <translation>Tessarine 개발팀</translation>
    </message>
</context>
<context>
    <name>tessarine::AboutMenu</name>
    <message>
        <source>关于(&amp;A)</source>
        <translation>정보(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Tessarine - 农历iCal文件生成器   </source>
        <translation>&amp;Tessarine - 음력 iCal 파일 생성기   </translation>
    </message>
    <message>
        <source>问题反馈</source>
        <translation>의견 보내기</translation>
    </message>
</context>
<context>
    <name>tessarine::AnniversariesTab</name>
    <message>
        <source>请填写名称</source>
        <translation>이름을 입력하세요</translation>
    </message>
    <message>
        <source>请填写日期</source>
        <translation>날짜를 입력하세요</translation>
    </message>
    <message>
        <source>无法识别的日期: 请写农历日期 (如 三月初八、闰四月十五、3-8) 或公历日期 (如 1960-04-03)</source>
        <translation>알 수 없는 날짜입니다. 음력 날짜(예: 三月初八(3월 8일), 闰四月十五(윤4월 15일), 3-8, L4-15) 또는 양력 날짜(예: 1960-04-03)로 쓰세요</translation>
    </message>
    <message>
        <source>没有这个农历月份</source>
        <translation>없는 음력 월입니다</translation>
    </message>
    <message>
        <source>没有这个农历日期</source>
        <translation>없는 음력 날짜입니다</translation>
    </message>
    <message>
        <source>公历没有这一天</source>
        <translation>양력에 없는 날짜입니다</translation>
    </message>
    <message>
        <source>公历日期必须在 %1-01-01 至 %2-12-31 之间</source>
        <translation>양력 날짜는 %1-01-01에서 %2-12-31 사이여야 합니다</translation>
    </message>
    <message>
        <source>起始年必须是 %1 至 %2 之间的四位数年份</source>
        <translation>시작 연도는 %1에서 %2 사이의 네 자리 연도여야 합니다</translation>
    </message>
    <message>
        <source>这是公历日期，不是农历日期: 请写成 1960-04-03 这样 (按那天的农历日期纪念)，或直接写农历日期 (如 三月初八、3-8)</source>
        <translation>음력이 아닌 양력 날짜입니다. 1960-04-03처럼 쓰거나(그날의 음력 날짜로 기념합니다) 음력 날짜를 바로 쓰세요(예: 三月初八(3월 8일), 3-8)</translation>
    </message>
    <message>
        <source>农历日期不带年份: 请写 三月初八 或 3-8，年份写在起始年一栏</source>
        <translation>음력 날짜에는 연도를 쓰지 않습니다. 三月初八(3월 8일)이나 3-8처럼 쓰고, 연도는 시작 연도 열에 쓰세요</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>실행 취소</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>날짜</translation>
    </message>
    <message>
        <source>起始年</source>
        <translation>시작 연도</translation>
    </message>
    <message>
        <source>历法</source>
        <translation>역법</translation>
    </message>
    <message>
        <source>农历 · 下次</source>
        <translation>음력 · 다음</translation>
    </message>
    <message>
        <source>留空按中国农历；写 韩国阴历 或 越南阴历，按该国的阴历每年重复（如韩国的제사、越南的giỗ）</source>
        <translation>비워 두면 [설정] → [역법]에서 고른 음력을 따릅니다. 음력 또는 베트남 음력이라고 쓰면 각각 한국, 베트남의 음력으로 해마다 반복됩니다(한국의 제사, 베트남의 giỗ 등)</translation>
    </message>
    <message>
        <source>换算出的农历日期和下次的日子</source>
        <translation>환산한 음력 날짜와 다음에 돌아오는 날</translation>
    </message>
    <message>
        <source>每行一个纪念日: 名称、日期和可选的起始年 (农历年, 标题中显示第几年)</source>
        <translation>한 행에 기념일 하나: 이름, 날짜, 선택 사항인 시작 연도(음력 연도, 제목에 몇 번째 해인지 표시)</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>추가</translation>
    </message>
    <message>
        <source>添加一行纪念日</source>
        <translation>기념일 추가</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>删除选中的纪念日</source>
        <translation>선택한 기념일 삭제</translation>
    </message>
    <message>
        <source>提前提醒</source>
        <translation>미리 알림</translation>
    </message>
    <message>
        <source>在纪念日前几天的上午 9 点提醒 (0 为当天)</source>
        <translation>기념일 며칠 전 오전 9시에 알립니다(0은 당일)</translation>
    </message>
    <message>
        <source>提醒写成单独事件</source>
        <translation>알림을 별도 일정으로</translation>
    </message>
    <message>
        <source>Google 日历导入时会丢弃提醒：勾选后，提醒写成提前几天的全天事件，如“3天后：妈妈生日”</source>
        <translation>Google 캘린더는 가져올 때 알림을 버립니다. 선택하면 알림을 며칠 앞선 종일 일정으로 씁니다(예: “3天后：妈妈生日”(3일 후: 엄마 생일))</translation>
    </message>
    <message>
        <source>日期如 三月初八、闰四月十五、3-8, 或公历生日 1960-04-03</source>
        <translation>날짜 예: 三月初八(3월 8일), 闰四月十五(윤4월 15일), 3-8, L4-15 또는 양력 생일 1960-04-03</translation>
    </message>
    <message>
        <source>红色的格子有误, 鼠标停在上面可看原因; 有误的行不会生成</source>
        <translation>빨간 칸은 잘못된 곳입니다. 마우스를 올려 두면 이유가 보입니다. 잘못된 행은 생성하지 않습니다</translation>
    </message>
    <message>
        <source>打开文件夹</source>
        <translation>폴더 열기</translation>
    </message>
    <message>
        <source>新建列表</source>
        <translation>새 목록</translation>
    </message>
    <message>
        <source>把无法读取的文件改名留作备份，从空列表开始</source>
        <translation>읽을 수 없는 파일의 이름을 바꿔 백업으로 남기고 빈 목록으로 시작합니다</translation>
    </message>
    <message>
        <source>与第 %1 行的名称和日期相同</source>
        <translation>%1행과 이름과 날짜가 같습니다</translation>
    </message>
    <message>
        <source>这一行还没有保存</source>
        <translation>이 행은 아직 저장되지 않았습니다</translation>
    </message>
    <message>
        <source>第 %1 行不是 UTF-8 或 GB18030 编码的文字</source>
        <translation>%1행이 UTF-8 또는 GB18030 텍스트가 아닙니다</translation>
    </message>
    <message>
        <source>第 %1 行的引号没有闭合</source>
        <translation>%1행의 따옴표가 닫히지 않았습니다</translation>
    </message>
    <message>
        <source>到第 %1 行，行和字段已超过 %2 个，没有这么大的列表</source>
        <translation>%1행까지 행과 필드가 %2개를 넘었습니다. 이렇게 큰 목록은 없습니다</translation>
    </message>
    <message>
        <source>第 %1 行是 UTF-8 编码，第 %2 行却不是：一个文件里混有两种编码，请用一种编码重新保存</source>
        <translation>%1행은 UTF-8인데 %2행은 아닙니다. 한 파일에 두 가지 인코딩이 섞여 있으니 한 가지 인코딩으로 다시 저장하세요</translation>
    </message>
    <message>
        <source>无法读取：%1</source>
        <translation>읽을 수 없습니다: %1</translation>
    </message>
    <message>
        <source>此列表是 GB18030（GBK）编码，修改后将保存为 UTF-8。</source>
        <translation>이 목록은 GB18030(GBK) 인코딩입니다. 수정하면 UTF-8로 저장됩니다.</translation>
    </message>
    <message>
        <source>纪念日列表 %1 无法作为列表读取：%2。为免丢失内容，在文件能正常读取之前不会保存任何修改；也可以新建列表，原文件会留作备份。</source>
        <translation>기념일 목록 %1을(를) 목록으로 읽을 수 없습니다: %2. 내용을 잃지 않도록 파일을 제대로 읽을 수 있을 때까지 어떤 수정도 저장하지 않습니다. 새 목록을 만들 수도 있으며, 이때 원래 파일은 백업으로 남습니다.</translation>
    </message>
    <message>
        <source>纪念日列表刚被其他程序修改过，已与你的修改合并。</source>
        <translation>다른 프로그램이 방금 기념일 목록을 수정하여 사용자의 수정 내용과 병합했습니다.</translation>
    </message>
    <message>
        <source>保存纪念日列表失败：%1。标有 * 的行还没有保存。</source>
        <translation>기념일 목록을 저장하지 못했습니다: %1. * 표시가 있는 행은 아직 저장되지 않았습니다.</translation>
    </message>
    <message>
        <source>纪念日列表已被其他程序修改，与刚才的修改冲突；列表保留磁盘上的版本，你的修改无法另存：%1。</source>
        <translation>다른 프로그램이 기념일 목록을 수정하여 방금 한 수정과 충돌합니다. 목록은 디스크에 있는 버전을 유지하며, 사용자의 수정 내용은 따로 저장하지 못했습니다: %1.</translation>
    </message>
    <message>
        <source>纪念日列表已被其他程序修改，与刚才的修改冲突；列表保留磁盘上的版本，你的版本另存为 %1。</source>
        <translation>다른 프로그램이 기념일 목록을 수정하여 방금 한 수정과 충돌합니다. 목록은 디스크에 있는 버전을 유지하며, 사용자의 버전은 다른 이름으로 저장했습니다: %1.</translation>
    </message>
    <message>
        <source>（无法改名留作备份，未新建列表。）</source>
        <translation> (백업으로 이름을 바꿀 수 없어 새 목록을 만들지 않았습니다.)</translation>
    </message>
    <message>
        <source>原文件已改名为 %1。</source>
        <translation>원래 파일의 이름을 바꿨습니다: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n 天</source>
        <comment>days before an anniversary, around the number in the box</comment>
        <translation>
            <numerusform>%n일</numerusform>
        </translation>
    </message>
    <message>
        <source>不是历法的名称: 请写 农历、韩国阴历 或 越南阴历 (也可写 Korean、한국、Việt Nam 等)，留空即按中国农历；备注请移到右边一栏</source>
        <translation>역법 이름이 아닙니다: 중국 음력, 음력 또는 베트남 음력이라고 쓰세요(Korean, 한국, Việt Nam 등도 됩니다). 비워 두면 중국 음력입니다. 메모는 오른쪽 열로 옮기세요</translation>
    </message>
</context>
<context>
    <name>tessarine::ControlMenu</name>
    <message>
        <source>控制(&amp;C)</source>
        <translation>설정(&amp;O)</translation>
    </message>
    <message>
        <source>使用说明(&amp;H) </source>
        <translation>도움말(&amp;H) </translation>
    </message>
    <message>
        <source>生成 iCal(&amp;I)</source>
        <translation>iCal 생성(&amp;I)</translation>
    </message>
    <message>
        <source>使用冬,腊月显示</source>
        <translation>11·12월을 冬月·腊月로 표시</translation>
    </message>
    <message>
        <source>标注月相</source>
        <translation>달의 위상 표시</translation>
    </message>
    <message>
        <source>在新月、上弦、满月、下弦的日子后加上月相，如“初八 上弦”</source>
        <translation>삭, 상현, 망, 하현인 날 뒤에 달의 위상을 덧붙입니다. 예: “初八 上弦”(8일 상현)</translation>
    </message>
    <message>
        <source>标注三伏、数九</source>
        <translation>삼복·수구 표시</translation>
    </message>
    <message>
        <source>在三伏和数九的日子后加上第几天，如“十五 三九第1天”</source>
        <translation>삼복과 수구(동지 후 81일)에 드는 날 뒤에 며칠째인지 덧붙입니다. 예: “十五 三九第1天”(15일 3구 1일째)</translation>
    </message>
    <message>
        <source>写入详细说明</source>
        <translation>자세한 설명 쓰기</translation>
    </message>
    <message>
        <source>每天的说明中写入农历、干支、生肖、节气和时刻、节日、月相、三伏或数九</source>
        <translation>날마다 일정 설명에 음력 날짜, 간지, 띠, 절기와 그 시각, 명절, 달의 위상, 삼복 또는 수구를 씁니다</translation>
    </message>
    <message>
        <source>生成月相日历</source>
        <translation>달의 위상 달력 생성</translation>
    </message>
    <message>
        <source>所选年份中每次新月、上弦、满月、下弦，标题带时刻，如“满月 21:36”</source>
        <translation>선택한 연도의 모든 삭, 상현, 망, 하현을 제목에 시각을 넣어 씁니다. 예: “满月 21:36”(망 21:36)</translation>
    </message>
    <message>
        <source>生成节气日历</source>
        <translation>절기 달력 생성</translation>
    </message>
    <message>
        <source>所选年份的二十四节气，标题带交节时刻，如“立春 04:02”</source>
        <translation>선택한 연도의 24절기를 제목에 절입 시각을 넣어 씁니다. 예: “立春 04:02”(입춘 04:02)</translation>
    </message>
    <message>
        <source>生成滚动订阅文件</source>
        <translation>구독 파일 생성</translation>
    </message>
    <message>
        <source>从去年到几年后写成一个固定文件名的文件，每次生成时替换，便于订阅</source>
        <translation>작년부터 몇 년 후까지를 이름이 고정된 파일 하나로 쓰고 생성할 때마다 바꿉니다. 구독하기에 좋습니다</translation>
    </message>
    <message>
        <source>滚动年数</source>
        <translation>구독 범위</translation>
    </message>
    <message>
        <source>生成后弹出提示框(&amp;P)</source>
        <translation>생성 후 알림 표시(&amp;P)</translation>
    </message>
    <message>
        <source>标注休/班</source>
        <translation>휴무일·근무일 표시</translation>
    </message>
    <message>
        <source>在官方放假和调休上班的日子后加上 (休) 或 (班)</source>
        <translation>공식 휴무일과 대체 근무일 뒤에 (休) 또는 (班)을 붙입니다(한국어 파일에서는 (휴), (근무))</translation>
    </message>
    <message>
        <source>合并为一个文件</source>
        <translation>한 파일로 합치기</translation>
    </message>
    <message>
        <source>所选的多个年份写进一个文件，一次导入</source>
        <translation>선택한 여러 연도를 파일 하나에 써서 한 번에 가져옵니다</translation>
    </message>
    <message>
        <source>固定文件名</source>
        <translation>고정 파일 이름</translation>
    </message>
    <message>
        <source>文件名不带生成时间（如 Tessarine_2026.ics），再次生成时替换旧文件，便于同步文件夹提供订阅链接</source>
        <translation>파일 이름에 생성 시각을 넣지 않고(예: Tessarine_2026.ics) 다시 생성할 때 이전 파일을 바꿉니다. 동기화 폴더에서 구독 링크로 쓰기 좋습니다</translation>
    </message>
    <message>
        <source>输出文件夹…</source>
        <translation>출력 폴더…</translation>
    </message>
    <message>
        <source>选择生成的 iCal 文件存放的文件夹</source>
        <translation>생성한 iCal 파일을 저장할 폴더를 고릅니다</translation>
    </message>
    <message>
        <source>打开所在文件夹(&amp;O)</source>
        <translation>폴더 열기(&amp;O)</translation>
    </message>
    <message>
        <source>退出(&amp;X)</source>
        <translation>끝내기(&amp;X)</translation>
    </message>
    <message numerus="yes">
        <source>到 %n 年后</source>
        <translation>
            <numerusform>%n년 후까지</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tessarine::CustomFormatTab</name>
    <message>
        <source> 干支 - LY </source>
        <translation> 간지 - LY </translation>
    </message>
    <message>
        <source> 生肖 - LZ </source>
        <translation> 띠 - LZ </translation>
    </message>
    <message>
        <source> 月 - LM </source>
        <translation> 월 - LM </translation>
    </message>
    <message>
        <source> 日 - LD </source>
        <translation> 일 - LD </translation>
    </message>
    <message>
        <source> 节气 - LT </source>
        <translation> 절기 - LT </translation>
    </message>
    <message>
        <source> 节日 - LF </source>
        <translation> 명절 - LF </translation>
    </message>
    <message>
        <source> 年4位 - Y1 </source>
        <translation> 연도(4자리) - Y1 </translation>
    </message>
    <message>
        <source> 年2位 - Y2 </source>
        <translation> 연도(2자리) - Y2 </translation>
    </message>
    <message>
        <source> 月 - CM </source>
        <translation> 월 - CM </translation>
    </message>
    <message>
        <source> 日 - CD </source>
        <translation> 일 - CD </translation>
    </message>
    <message>
        <source> 星期 - CW </source>
        <translation> 요일 - CW </translation>
    </message>
    <message>
        <source> 节日 - CF </source>
        <translation> 명절 - CF </translation>
    </message>
    <message>
        <source> 时刻 - LH </source>
        <translation> 시각 - LH </translation>
    </message>
    <message>
        <source> 月相 - LP </source>
        <translation> 위상 - LP </translation>
    </message>
    <message>
        <source> 伏九 - LS </source>
        <translation> 복·구 - LS </translation>
    </message>
    <message>
        <source> 日柱 - GD </source>
        <translation> 일주 - GD </translation>
    </message>
    <message>
        <source> 月柱 - GM </source>
        <translation> 월주 - GM </translation>
    </message>
    <message>
        <source>内容格式 [点击备选内容加入并编辑]</source>
        <translation>서식 [항목을 눌러 넣고 편집]</translation>
    </message>
    <message>
        <source> 农历备选内容 </source>
        <translation> 음력 항목 </translation>
    </message>
    <message>
        <source> 公历备选内容 </source>
        <translation> 양력 항목 </translation>
    </message>
    <message>
        <source>恢复默认</source>
        <translation>기본값 복원</translation>
    </message>
    <message>
        <source>清空内容</source>
        <translation>모두 지우기</translation>
    </message>
    <message>
        <source>处理空格</source>
        <translation>공백 정리</translation>
    </message>
    <message>
        <source>将多个空格合并为一个空格</source>
        <translation>연속된 공백을 하나로 합칩니다</translation>
    </message>
    <message>
        <source>预览日期</source>
        <translation>미리 보기 날짜</translation>
    </message>
</context>
<context>
    <name>tessarine::GenerationRun</name>
    <message>
        <source>正在生成 iCal 文件…</source>
        <translation>iCal 파일을 생성하는 중…</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>중지</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
是否继续生成其余年份?</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
나머지 연도도 계속 생성하시겠습니까?</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>오류</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>生成了 %1 个文件，%2 个未能生成：<byte value="xd"/>
</source>
        <translation>파일 %1개를 생성했고, %2개는 생성하지 못했습니다:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>是否打开所在文件夹?</source>
        <translation>폴더를 여시겠습니까?</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>==========内容预览========== </source>
        <translation>========== 내용 미리 보기 ========== </translation>
    </message>
    <message>
        <source>文件：%1</source>
        <translation>파일: %1</translation>
    </message>
</context>
<context>
    <name>tessarine::HolidaysTab</name>
    <message>
        <source>已知放假安排的年份；在此页生成 iCal 时写入选中的年份（可按住 Ctrl 或 Shift 多选）</source>
        <translation>휴무 일정이 알려진 연도입니다. 이 탭에서 iCal을 생성하면 선택한 연도를 씁니다(Ctrl 또는 Shift를 누른 채 여러 개 선택 가능)</translation>
    </message>
    <message>
        <source>%1 (自己添加)</source>
        <translation>%1 (직접 추가)</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>날짜</translation>
    </message>
    <message>
        <source>星期</source>
        <translation>요일</translation>
    </message>
    <message>
        <source>休/班</source>
        <translation>휴무/근무</translation>
    </message>
    <message>
        <source>节日</source>
        <translation>공휴일</translation>
    </message>
    <message>
        <source>在此页生成 iCal 时写入左侧列表中选中的年份</source>
        <translation>이 탭에서 iCal을 생성하면 왼쪽 목록에서 선택한 연도를 씁니다</translation>
    </message>
    <message>
        <source>粘贴通知…</source>
        <translation>통지 붙여넣기…</translation>
    </message>
    <message>
        <source>国务院公布新一年的放假安排后，把通知全文粘贴进来即可加入这一年</source>
        <translation>중국 국무원이 새해 휴무 일정을 발표하면 통지 전문을 여기에 붙여 넣어 그 연도를 추가하세요</translation>
    </message>
    <message>
        <source>删除这一年</source>
        <translation>연도 삭제</translation>
    </message>
    <message>
        <source>删除自己添加的年份（内置年份恢复原样），可按 Ctrl+Z 撤销</source>
        <translation>직접 추가한 연도를 삭제합니다(내장 연도는 원래대로 돌아갑니다). Ctrl+Z로 취소할 수 있습니다</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>실행 취소</translation>
    </message>
    <message>
        <source>节假日列表 %1 无法读取（%2），只使用内置的年份。</source>
        <translation>공휴일 목록 %1을(를) 읽을 수 없어(%2) 내장 연도만 사용합니다.</translation>
    </message>
    <message>
        <source>节假日列表 %1 无法读取，只使用内置的年份，也不会保存。</source>
        <translation>공휴일 목록 %1을(를) 읽을 수 없어 내장 연도만 사용하며, 저장하지도 않습니다.</translation>
    </message>
    <message>
        <source>节假日列表第 %1 行有误，已跳过。</source>
        <translation>공휴일 목록 %1행이 잘못되어 건너뛰었습니다.</translation>
    </message>
    <message>
        <source>保存节假日列表失败：%1，%2 年没有改动。</source>
        <translation>공휴일 목록을 저장하지 못했습니다: %1. %2년은 바뀌지 않았습니다.</translation>
    </message>
    <message>
        <source>删除 %1 年</source>
        <translation>%1년 삭제</translation>
    </message>
    <message>
        <source>已删除自己添加的 %1 年，按 Ctrl+Z 可撤销。</source>
        <translation>직접 추가한 %1년을 삭제했습니다. Ctrl+Z로 취소할 수 있습니다.</translation>
    </message>
    <message>
        <source>这将替换你自己添加的 %1 行：
%2是否继续？</source>
        <translation>직접 추가한 행 %1개를 바꿉니다:
%2계속하시겠습니까?</translation>
    </message>
    <message>
        <source>保存节假日列表失败：%1</source>
        <translation>공휴일 목록을 저장하지 못했습니다: %1</translation>
    </message>
    <message>
        <source>节假日列表第 %1 行有误，为免丢失内容，%2 年没有保存。</source>
        <translation>공휴일 목록 %1행이 잘못되어, 내용을 잃지 않도록 %2년을 저장하지 않았습니다.</translation>
    </message>
    <message>
        <source>节假日列表刚被其他程序修改，%1 年没有保存；已重新读取，请再保存一次。</source>
        <translation>다른 프로그램이 방금 공휴일 목록을 수정하여 %1년을 저장하지 않았습니다. 목록을 다시 읽었으니 한 번 더 저장하세요.</translation>
    </message>
    <message>
        <source>已保存 %1 年的放假安排。</source>
        <translation>%1년 휴무 일정을 저장했습니다.</translation>
    </message>
    <message>
        <source>导入…</source>
        <translation>가져오기…</translation>
    </message>
    <message>
        <source>行政院人事行政总处公布新一年的办公日历表（CSV）后，下载并导入即可加入这一年</source>
        <translation>행정원 인사행정총처가 새해 사무 달력표(CSV)를 발표하면 내려받아 가져오세요. 그해가 추가됩니다</translation>
    </message>
    <message>
        <source>导入香港政府公布的公众假期日历（iCalendar 文件）</source>
        <translation>홍콩 정부가 발표한 공휴일 달력(iCalendar 파일)을 가져옵니다</translation>
    </message>
    <message>
        <source>%1 (推算)</source>
        <translation>%1 (추산)</translation>
    </message>
    <message>
        <source>这个地区没有已知的年份。</source>
        <translation>이 지역은 알려진 연도가 없습니다.</translation>
    </message>
    <message>
        <source>已知 %1–%2 年（更早的年份未内置）。</source>
        <translation>알려진 연도: %1–%2년(그 이전 연도는 내장되어 있지 않습니다).</translation>
    </message>
    <message>
        <source>已知 %1–%2 年。</source>
        <translation>알려진 연도: %1–%2년.</translation>
    </message>
    <message>
        <source>%1–%2 年按政府公布的安排，其后的年份按法定规则推算，标为“暂定”。</source>
        <translation>%1–%2년은 정부가 발표한 일정을 따르고, 그 뒤의 연도는 법정 규칙으로 추산하여 “예정”으로 표시합니다.</translation>
    </message>
    <message>
        <source>%1 年的通知公布后可粘贴加入。</source>
        <translation>%1년 통지가 발표되면 붙여 넣어 추가할 수 있습니다.</translation>
    </message>
    <message>
        <source>新一年的办公日历表公布后可导入。</source>
        <translation>새해 사무 달력표가 발표되면 가져올 수 있습니다.</translation>
    </message>
    <message>
        <source>政府公布新的假期日历后可导入。</source>
        <translation>정부가 새 공휴일 달력을 발표하면 가져올 수 있습니다.</translation>
    </message>
    <message>
        <source>临时假日等可在 %1 中加一行（地区一列写 %2）。</source>
        <translation>임시 공휴일 등은 %1에 한 줄을 추가하면 됩니다(지역 열에 %2).</translation>
    </message>
    <message>
        <source>文件不完整，可能没有下载完</source>
        <translation>파일이 불완전함(다운로드가 끝나지 않았을 수 있음)</translation>
    </message>
    <message>
        <source>不是这个地区政府公布的假期文件</source>
        <translation>이 지역 정부가 발표한 공휴일 파일이 아님</translation>
    </message>
    <message>
        <source>有无法读取的内容</source>
        <translation>읽을 수 없는 내용이 있음</translation>
    </message>
    <message>
        <source>（第 %1 行）</source>
        <translation> (%1번째 줄)</translation>
    </message>
    <message>
        <source>这是 %1 年的修正版，但这一年还没有办公日历表可修正</source>
        <translation>%1년 수정판이지만 그해에는 아직 수정할 사무 달력표가 없음</translation>
    </message>
    <message>
        <source>办公日历表 (*.csv);;所有文件 (*)</source>
        <translation>사무 달력표 (*.csv);;모든 파일 (*)</translation>
    </message>
    <message>
        <source>iCalendar 文件 (*.ics);;所有文件 (*)</source>
        <translation>iCalendar 파일 (*.ics);;모든 파일 (*)</translation>
    </message>
    <message>
        <source>导入</source>
        <translation>가져오기</translation>
    </message>
    <message>
        <source>%1 无法读取（%2），没有导入。</source>
        <translation>%1을(를) 읽을 수 없어(%2) 가져오지 않았습니다.</translation>
    </message>
    <message>
        <source>文件不存在</source>
        <translation>파일이 없음</translation>
    </message>
    <message>
        <source>%1 没有导入：%2。</source>
        <translation>%1을(를) 가져오지 않았습니다: %2.</translation>
    </message>
    <message>
        <source>已导入 %1 年的放假安排。</source>
        <translation>%1년 휴일 일정을 가져왔습니다.</translation>
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
        <translation>출력 폴더</translation>
    </message>
    <message>
        <source>农历 iCal 文件生成器</source>
        <translation>음력 iCal 파일 생성기</translation>
    </message>
    <message>
        <source>没有找到能打开网页的程序。地址是：<byte value="xd"/>
%1</source>
        <translation>웹 페이지를 열 프로그램을 찾지 못했습니다. 주소:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>普通格式</source>
        <translation>기본 형식</translation>
    </message>
    <message>
        <source>自定义格式</source>
        <translation>사용자 지정 형식</translation>
    </message>
    <message>
        <source>纪念日</source>
        <translation>기념일</translation>
    </message>
    <message>
        <source>保存这一年</source>
        <translation>이 연도 저장</translation>
    </message>
    <message>
        <source>节假日</source>
        <translation>공휴일</translation>
    </message>
    <message>
        <source> 控制 </source>
        <translation> 작업 </translation>
    </message>
    <message>
        <source>使用说明</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>生成 &amp;iCal</source>
        <translation>iCal 생성(&amp;I)</translation>
    </message>
    <message>
        <source>打开文件夹</source>
        <translation>폴더 열기</translation>
    </message>
    <message>
        <source>退       出</source>
        <translation>끝내기</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>오류</translation>
    </message>
    <message>
        <source>年份不能为空, 请重新输入.</source>
        <translation>연도가 비어 있습니다. 다시 입력하세요.</translation>
    </message>
    <message>
        <source>结束年份必需大于等于开始年份, 请重新输入.</source>
        <translation>종료 연도는 시작 연도보다 앞설 수 없습니다. 다시 입력하세요.</translation>
    </message>
    <message>
        <source>纪念日列表中没有可用的纪念日，未生成文件。</source>
        <translation>기념일 목록에 사용할 수 있는 기념일이 없어 파일을 생성하지 않았습니다.</translation>
    </message>
    <message>
        <source>年份必需在 %1 至 %2 之间, 请重新输入.</source>
        <translation>연도는 %1에서 %2 사이여야 합니다. 다시 입력하세요.</translation>
    </message>
    <message>
        <source>%1 年</source>
        <translation>%1년</translation>
    </message>
    <message>
        <source>%1 年至 %2 年</source>
        <translation>%1년~%2년</translation>
    </message>
    <message>
        <source><byte value="xd"/>
文件超过 1 MB，有些网络日历可能无法导入，可改为分年生成。</source>
        <translation><byte value="xd"/>
파일이 1 MB를 넘어 일부 온라인 달력에서는 가져오지 못할 수 있습니다. 연도별로 나누어 생성하면 됩니다.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
纪念日第 %1 行有误, 未生成.</source>
        <translation><byte value="xd"/>
기념일 %1행이 잘못되어 생성하지 않았습니다.</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>成功生成 %1 农历纪念日 iCal 文件, 存放在以下目录: <byte value="xd"/>
%2</source>
        <translation>%1 음력 기념일 iCal 파일을 생성했습니다. 저장 위치:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>成功生成 %1 iCal 文件, 存放在以下目录: <byte value="xd"/>
%2</source>
        <translation>%1 iCal 파일을 생성했습니다. 저장 위치:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>成功生成 %1 月相 iCal 文件, 存放在以下目录: <byte value="xd"/>
%2</source>
        <translation>%1 달의 위상 iCal 파일을 생성했습니다. 저장 위치:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>成功生成 %1 节气 iCal 文件, 存放在以下目录: <byte value="xd"/>
%2</source>
        <translation>%1 절기 iCal 파일을 생성했습니다. 저장 위치:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>请在【节假日】的年份列表中选择要生成的年份（可多选）。</source>
        <translation>[공휴일] 탭의 연도 목록에서 생성할 연도를 선택하세요(여러 개 선택 가능).</translation>
    </message>
    <message>
        <source>成功生成 %1 年的法定节假日 iCal 文件, 存放在以下目录: <byte value="xd"/>
%2</source>
        <translation>%1년 법정 공휴일 iCal 파일을 생성했습니다. 저장 위치:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>无法保存设置：%1。</source>
        <translation>설정을 저장하지 못했습니다: %1.</translation>
    </message>
    <message>
        <source>输出文件夹 %1 不是文件夹（路径中有同名的文件），无法打开。请在【控制】菜单的【输出文件夹…】中另选。</source>
        <translation>출력 폴더 %1은(는) 폴더가 아니어서(경로에 같은 이름의 파일이 있습니다) 열 수 없습니다. [설정] → [출력 폴더…]에서 다른 폴더를 고르세요.</translation>
    </message>
    <message>
        <source>没有找到能打开文件夹的程序。文件夹在：<byte value="xd"/>
%1</source>
        <translation>폴더를 열 프로그램을 찾지 못했습니다. 폴더 위치:<byte value="xd"/>
%1</translation>
    </message>
</context>
<context>
    <name>tessarine::MonthView</name>
    <message>
        <source>一</source>
        <translation>월</translation>
    </message>
    <message>
        <source>二</source>
        <translation>화</translation>
    </message>
    <message>
        <source>三</source>
        <translation>수</translation>
    </message>
    <message>
        <source>四</source>
        <translation>목</translation>
    </message>
    <message>
        <source>五</source>
        <translation>금</translation>
    </message>
    <message>
        <source>六</source>
        <translation>토</translation>
    </message>
    <message>
        <source>日</source>
        <translation>일</translation>
    </message>
    <message>
        <source>上一年（Ctrl+PgUp）</source>
        <translation>이전 연도(Ctrl+PgUp)</translation>
    </message>
    <message>
        <source>上一月（PgUp）</source>
        <translation>이전 달(PgUp)</translation>
    </message>
    <message>
        <source>下一月（PgDn）</source>
        <translation>다음 달(PgDn)</translation>
    </message>
    <message>
        <source>下一年（Ctrl+PgDn）</source>
        <translation>다음 연도(Ctrl+PgDn)</translation>
    </message>
    <message>
        <source>今天</source>
        <translation>오늘</translation>
    </message>
    <message>
        <source>回到今天（Home）</source>
        <translation>오늘로 돌아가기(Home)</translation>
    </message>
    <message>
        <source>yyyy 年 M 月</source>
        <translation>yyyy년 M월</translation>
    </message>
    <message>
        <source>  纪念日：%1</source>
        <translation>  기념일: %1</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>及其他 %n 个</source>
        <translation>
            <numerusform>외 %n개</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tessarine::NormalFormatTab</name>
    <message>
        <source>农历信息内容控制</source>
        <translation>음력 정보</translation>
    </message>
    <message>
        <source>无节日节气</source>
        <translation>명절·절기 없음</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>날짜</translation>
    </message>
    <message>
        <source>月份+日期</source>
        <translation>월+일</translation>
    </message>
    <message>
        <source>节日节气</source>
        <translation>명절·절기</translation>
    </message>
    <message>
        <source>节气</source>
        <translation>절기만</translation>
    </message>
    <message>
        <source> 同一天有节日与节气 </source>
        <translation> 명절과 절기가 같은 날 </translation>
    </message>
    <message>
        <source>显示 - 节日</source>
        <translation>명절 표시</translation>
    </message>
    <message>
        <source>显示 - 节气</source>
        <translation>절기 표시</translation>
    </message>
    <message>
        <source>显示 - 节日/节气</source>
        <translation>둘 다 표시</translation>
    </message>
</context>
<context>
    <name>tessarine::NoticeDialog</name>
    <message>
        <source>注意：%1 有 %2 个工作日放假，而 %3 天法定假日加 %4 天调休上班应为 %5 个；请确认通知全文都已粘贴。
</source>
        <translation>참고: %1에는 평일 휴무가 %2일인데, 법정 휴일 %3일과 대체 근무일 %4일을 더하면 %5일이어야 합니다. 통지 전문을 모두 붙여 넣었는지 확인하세요.
</translation>
    </message>
    <message>
        <source>找不到通知的年份（如“关于2027年部分节假日安排的通知”），可在上面选择年份</source>
        <translation>통지의 연도를 찾지 못했습니다(예: “关于2027年部分节假日安排的通知”). 위에서 연도를 고르세요</translation>
    </message>
    <message>
        <source>找不到“一、元旦：……”这样的条目</source>
        <translation>“一、元旦：……” 같은 항목을 찾지 못했습니다</translation>
    </message>
    <message>
        <source>这一条没有日期</source>
        <translation>이 항목에는 날짜가 없습니다</translation>
    </message>
    <message>
        <source>没有这一天</source>
        <translation>없는 날짜입니다</translation>
    </message>
    <message>
        <source>放假日期不在通知的年份内</source>
        <translation>휴무일이 통지의 연도를 벗어납니다</translation>
    </message>
    <message>
        <source>“共N天”与所列日期不符</source>
        <translation>“共N天”(총 N일)이 나열된 날짜와 맞지 않습니다</translation>
    </message>
    <message>
        <source>同一天既放假又上班</source>
        <translation>같은 날이 휴무일이면서 근무일입니다</translation>
    </message>
    <message>
        <source>括号没有闭合</source>
        <translation>괄호가 닫히지 않았습니다</translation>
    </message>
    <message>
        <source>年份不在 %1 至 %2 年之间</source>
        <translation>연도가 %1년에서 %2년 사이가 아닙니다</translation>
    </message>
    <message>
        <source>括号里的星期与日期不符</source>
        <translation>괄호 안의 요일이 날짜와 맞지 않습니다</translation>
    </message>
    <message>
        <source>粘贴了两份通知，年份分别是</source>
        <translation>통지를 두 개 붙여 넣었습니다. 각각의 연도:</translation>
    </message>
    <message>
        <source>通知的年份与所选年份不同</source>
        <translation>통지의 연도가 선택한 연도와 다릅니다</translation>
    </message>
    <message>
        <source>通知开头列出的这个节日没有对应的条目，通知可能不完整</source>
        <translation>통지 첫머리에 나온 이 공휴일에 해당하는 항목이 없습니다. 통지가 온전하지 않을 수 있습니다</translation>
    </message>
    <message>
        <source>这一条无法读取，通知可能不完整</source>
        <translation>이 항목을 읽을 수 없습니다. 통지가 온전하지 않을 수 있습니다</translation>
    </message>
    <message>
        <source>通知可能不完整，缺少这些节日</source>
        <translation>통지가 온전하지 않을 수 있습니다. 빠진 공휴일:</translation>
    </message>
    <message>
        <source>通知修改的年份还没有放假安排</source>
        <translation>이 통지가 수정하는 연도에는 아직 휴무 일정이 없습니다</translation>
    </message>
    <message>
        <source>这份通知的天数对不上，可能没有粘贴完整：
</source>
        <translation>이 통지의 일수가 맞지 않습니다. 전부 붙여 넣지 않았을 수 있습니다:
</translation>
    </message>
    <message>
        <source>请与原文核对；确认无误后，勾选下面的“已与原文核对”才能保存。

</source>
        <translation>원문과 대조하세요. 틀림없으면 아래의 “원문과 대조함”을 선택해야 저장할 수 있습니다.

</translation>
    </message>
    <message>
        <source>这一句说到放假或上班，但其中的日期无法读取</source>
        <translation>이 문장은 휴무나 근무를 말하지만 그 안의 날짜를 읽을 수 없습니다</translation>
    </message>
    <message>
        <source>通知在这一句中间断开，可能没有粘贴完整</source>
        <translation>통지가 이 문장 중간에서 끊겼습니다. 전부 붙여 넣지 않았을 수 있습니다</translation>
    </message>
    <message>
        <source>这些节日的天数对不上，通知可能不完整</source>
        <translation>이 공휴일들의 일수가 맞지 않습니다. 통지가 온전하지 않을 수 있습니다</translation>
    </message>
    <message>
        <source>已与原文核对，天数对不上也保存</source>
        <translation>원문과 대조함: 일수가 맞지 않아도 저장</translation>
    </message>
    <message>
        <source>粘贴通知</source>
        <translation>통지 붙여넣기</translation>
    </message>
    <message>
        <source>把国务院办公厅关于某年部分节假日安排的通知全文粘贴到这里：</source>
        <translation>중국 국무원 판공청이 발표한 연도별 공휴일 일정 통지의 전문을 여기에 붙여 넣으세요:</translation>
    </message>
    <message>
        <source>年份：</source>
        <translation>연도:</translation>
    </message>
    <message>
        <source>按通知标题</source>
        <translation>통지 제목에서</translation>
    </message>
    <message>
        <source>只粘贴了条目、没有标题时，在这里选择年份</source>
        <translation>제목 없이 항목만 붙여 넣었다면 여기에서 연도를 고르세요</translation>
    </message>
    <message>
        <source>读到的日期：</source>
        <translation>읽은 날짜:</translation>
    </message>
    <message>
        <source>保存这一年</source>
        <translation>이 연도 저장</translation>
    </message>
    <message>
        <source>正在读取……</source>
        <translation>읽는 중…</translation>
    </message>
    <message>
        <source>无法读取：%1</source>
        <translation>읽을 수 없습니다: %1</translation>
    </message>
    <message>
        <source>这份通知修改 %1 年的%2，修改后：
</source>
        <translation>이 통지는 %1년 %2 일정을 수정합니다. 수정 후:
</translation>
    </message>
    <message>
        <source>%1 年，%2 天放假：
</source>
        <translation>%1년, 휴무 %2일:
</translation>
    </message>
</context>
<context>
    <name>tessarine::RollingFeed</name>
    <message>
        <source>今年已在 %1 年之后，没有可以滚动生成的年份。</source>
        <translation>올해가 %1년 이후여서 구독 파일에 넣을 연도가 없습니다.</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>알림</translation>
    </message>
    <message>
        <source><byte value="xd"/>
文件超过 1 MB，有些网络日历不接受这样大的订阅，可减少【滚动年数】。</source>
        <translation><byte value="xd"/>
파일이 1 MB를 넘습니다. 일부 온라인 달력은 이렇게 큰 구독을 받지 않으니 [구독 범위]를 줄이세요.</translation>
    </message>
    <message>
        <source>成功生成滚动订阅文件（%1 至 %2 年），存放在以下目录: <byte value="xd"/>
%3</source>
        <translation>구독 파일(%1년~%2년)을 생성했습니다. 저장 위치:<byte value="xd"/>
%3</translation>
    </message>
</context>
<context>
    <name>tessarine::SidePages</name>
    <message>
        <source>打开文件夹</source>
        <translation>폴더 열기</translation>
    </message>
    <message>
        <source>查看文件内容</source>
        <translation>파일 내용 보기</translation>
    </message>
    <message>
        <source>返回月视图</source>
        <translation>월 보기로 돌아가기</translation>
    </message>
    <message>
        <source>已写入：%1</source>
        <translation>저장한 파일: %1</translation>
    </message>
</context>
<context>
    <name>tessarine::WordingMenus</name>
    <message>
        <source>中国农历</source>
        <translation>중국 음력</translation>
    </message>
    <message>
        <source>韩国阴历</source>
        <translation>한국 음력</translation>
    </message>
    <message>
        <source>越南阴历</source>
        <translation>베트남 음력</translation>
    </message>
    <message>
        <source>跟随系统</source>
        <translation>시스템 언어</translation>
    </message>
    <message>
        <source>历法</source>
        <translation>역법</translation>
    </message>
    <message>
        <source>按哪国的阴历换算：中国、韩国和越南的历法规则相同，只是时区不同，少数月份的初一相差一天</source>
        <translation>어느 나라의 음력으로 환산할지 고릅니다. 중국, 한국, 베트남의 역법은 규칙이 같고 시간대만 달라서 몇몇 달은 1일이 하루 차이 납니다</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>파일 언어</translation>
    </message>
    <message>
        <source>文件中月份、节气、节日等名称的文字；自定义格式中自己写的文字不变</source>
        <translation>파일 속 월, 절기, 명절 등 이름의 언어입니다. 사용자 지정 형식에 직접 쓴 글은 그대로 둡니다</translation>
    </message>
    <message>
        <source>界面语言</source>
        <translation>인터페이스 언어</translation>
    </message>
    <message>
        <source>窗口的语言；选择后窗口以新的语言重新打开</source>
        <translation>창의 언어입니다. 고르면 창이 새 언어로 다시 열립니다</translation>
    </message>
    <message>
        <source>地区</source>
        <translation>지역</translation>
    </message>
    <message>
        <source>文件中的节日和节假日按哪个地区；选择地区也会选择它的历法和文字，之后仍可分别更改</source>
        <translation>파일에 넣을 명절과 공휴일을 어느 지역 것으로 할지 고릅니다. 지역을 고르면 그 지역의 역법과 파일 언어도 함께 선택되며, 그 뒤에 각각 바꿀 수 있습니다</translation>
    </message>
</context>
<context>
    <name>tessarine::YearSelector</name>
    <message>
        <source> 选择年份 </source>
        <translation> 연도 선택 </translation>
    </message>
    <message>
        <source>结束年份</source>
        <translation>종료 연도</translation>
    </message>
</context>
</TS>
