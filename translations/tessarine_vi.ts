<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi" sourcelanguage="zh_CN">
<context>
    <name>FailureText</name>
    <message>
        <source>文件是只读的</source>
        <translation>tệp chỉ đọc</translation>
    </message>
    <message>
        <source>同名的不是普通文件（是管道、设备或套接字），不予替换</source>
        <translation>mục mang tên đó không phải tệp thông thường (mà là ống dẫn, thiết bị hoặc socket) nên được để nguyên</translation>
    </message>
    <message>
        <source>同名的是其他用户在共享文件夹里建的链接，不予跟随</source>
        <translation>tên đó là một liên kết do người dùng khác tạo trong thư mục dùng chung, nên sẽ không đi theo liên kết này</translation>
    </message>
    <message>
        <source>不是普通文件（是文件夹、管道或设备）</source>
        <translation>không phải tệp thông thường (mà là thư mục, ống dẫn hoặc thiết bị)</translation>
    </message>
    <message>
        <source>文件超过 %1 MB，不是列表</source>
        <translation>tệp lớn hơn %1 MB: không phải danh sách</translation>
    </message>
    <message>
        <source>其中没有任何事件（没有事件的文件不是日历）</source>
        <translation>tệp sẽ không có sự kiện nào (tệp không có sự kiện thì không phải là lịch)</translation>
    </message>
    <message>
        <source>没有写入权限</source>
        <translation>không có quyền ghi</translation>
    </message>
    <message>
        <source>磁盘已满</source>
        <translation>ổ đĩa đã đầy</translation>
    </message>
    <message>
        <source>不是文件夹</source>
        <translation>không phải thư mục</translation>
    </message>
    <message>
        <source>文件夹不存在</source>
        <translation>thư mục không tồn tại</translation>
    </message>
    <message>
        <source>磁盘是只读的</source>
        <translation>ổ đĩa chỉ đọc</translation>
    </message>
    <message>
        <source>文件太大</source>
        <translation>tệp quá lớn</translation>
    </message>
    <message>
        <source>磁盘读写出错</source>
        <translation>lỗi đọc ghi ổ đĩa</translation>
    </message>
    <message>
        <source>同名文件太多</source>
        <translation>quá nhiều tệp cùng tên</translation>
    </message>
    <message>
        <source>路径太长</source>
        <translation>đường dẫn quá dài</translation>
    </message>
    <message>
        <source>同名的是一个文件夹</source>
        <translation>đã có một thư mục mang tên đó</translation>
    </message>
    <message>
        <source>符号链接绕成了圈</source>
        <translation>các liên kết tượng trưng tạo thành vòng lặp</translation>
    </message>
    <message>
        <source>文件正被其他程序使用</source>
        <translation>tệp đang được chương trình khác sử dụng</translation>
    </message>
    <message>
        <source>这个磁盘的文件系统不支持这样写入</source>
        <translation>hệ thống tệp của ổ đĩa này không hỗ trợ cách ghi này</translation>
    </message>
    <message>
        <source>打开的文件太多</source>
        <translation>đang mở quá nhiều tệp</translation>
    </message>
    <message>
        <source>内存不足</source>
        <translation>không đủ bộ nhớ</translation>
    </message>
    <message>
        <source>磁盘或网络位置已断开</source>
        <translation>ổ đĩa hoặc vị trí mạng đã bị ngắt kết nối</translation>
    </message>
    <message>
        <source>系统错误（错误码 %1）</source>
        <translation>lỗi hệ thống (mã %1)</translation>
    </message>
    <message>
        <source>无法生成 iCal 文件，%1：<byte value="xd"/>
%2</source>
        <translation>Không thể tạo tệp iCal vì %1:<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>Instructions</name>
    <message>
        <source>1. 可生成{first}年至{last}年之间包含农历日期、农历节日和节气等信息的iCal文件，便于用户导入到Google日历同步到手机上查看。</source>
        <translation>1. Tạo tệp iCal cho bất kỳ năm nào từ {first} đến {last}, ghi ngày âm lịch, các ngày lễ tết âm lịch và tiết khí của từng ngày, để nhập vào Google Lịch và xem trên điện thoại.</translation>
    </message>
    <message>
        <source>2. 年份选择下拉列表只显示当年到{last}年之间的年份，如需要生成以前的年份请自行输入。如需要生成多个年份的iCal文件，请勾选【结束年份】项并选择结束年份，届时会生成对应年份的iCal文件，每个年份对应一个文件（勾选【控制】菜单中的【合并为一个文件】则写成一个文件），请自行选择导入。</source>
        <translation>2. Danh sách năm có các năm từ năm nay đến {last}; muốn tạo năm trước đó thì tự gõ năm vào. Để tạo nhiều năm, chọn [Năm kết thúc] rồi chọn năm cuối: mỗi năm được ghi thành một tệp (hoặc chỉ một tệp nếu chọn [Gộp vào một tệp] trong menu [Tùy chọn]), bạn tùy ý chọn tệp để nhập.</translation>
    </message>
    <message>
        <source>3. 为在手机上节省显示空间，【普通格式】生成的农历信息只显示农历日期不显示农历月份，每月初一显示该农历月份，若同一天既有节日又有节气，则按选择分别显示“节日”、“节气”或“节日/节气”。</source>
        <translation>3. Để tiết kiệm chỗ trên điện thoại, [Thường] chỉ ghi ngày âm lịch mà không ghi tháng; tên tháng được ghi vào ngày mùng 1 của tháng. Khi lễ tết và tiết khí rơi vào cùng một ngày, tiêu đề ghi lễ tết, tiết khí hoặc cả hai (lễ tết/tiết khí), tùy lựa chọn.</translation>
    </message>
    <message>
        <source>4. 【普通格式】生成的农历信息是包含有节日节气信息的，如果希望只显示农历日期而不需要节日节气信息，可在【农历信息内容控制】中勾选【无节日节气】。</source>
        <translation>4. [Thường] có kèm lễ tết và tiết khí; nếu chỉ muốn ngày âm lịch, hãy chọn [Không lễ tết, tiết khí] trong [Nội dung âm lịch].</translation>
    </message>
    <message>
        <source>5. 【普通格式】生成的农历信息只显示农历“日期”，还可在【农历信息内容控制】中选择输出显示“月份+日期”、“节日和节气”或是只显示“节气”。</source>
        <translation>5. [Thường] ghi ngày âm lịch; trong [Nội dung âm lịch] có thể chọn ghi tháng và ngày, lễ tết và tiết khí, hoặc chỉ tiết khí.</translation>
    </message>
    <message>
        <source>6. 【自定义格式】用于生成不同格式的农历信息内容，在内容格式框进行格式编辑，特定的信息内容可通过备选内容框选择，编辑同时底部预览框会有即时效果预览，选择预览日期可以查看不同日期下的格式效果。勾选【处理空格】后会把输出内容中的多余空格合并为一个空格。</source>
        <translation>6. [Tùy chỉnh] dùng để tự soạn tiêu đề: sửa mẫu, bấm vào một mục để chèn mục đó, và ô xem trước bên dưới hiện ngay kết quả cho ngày xem trước đã chọn. [Gộp khoảng trắng] gộp các khoảng trắng liền nhau trong kết quả thành một.</translation>
    </message>
    <message>
        <source>7. 【自定义格式】中的默认格式只是为了尽量多的展示备选内容效果，输出内容较长，请自行编辑符合自己要求的格式效果。</source>
        <translation>7. Mẫu mặc định của [Tùy chỉnh] dùng càng nhiều mục càng tốt nên tiêu đề khá dài; hãy sửa lại theo ý bạn.</translation>
    </message>
    <message>
        <source>8. 生成的iCal文件会被命名为“Tessarine_年份_yymmdd-hhmmss.ics”，年份为生成农历信息的所选择的年份，yymmdd为生成日期，hhmmss为生成时间，文件存放的位置见第13条，为避免乱码文件输出使用UTF8编码。</source>
        <translation>8. Các tệp được đặt tên “Tessarine_NĂM_yymmdd-hhmmss.ics”: NĂM là năm được ghi, yymmdd là ngày và hhmmss là giờ tạo tệp. Mục 13 cho biết tệp được lưu ở đâu. Tệp được ghi bằng UTF-8 để mọi ứng dụng lịch đều đọc như nhau.</translation>
    </message>
    <message>
        <source>9. 【打开文件夹】能够直接打开生成的iCal文件所在的文件夹（见第13条），方便定位生成的ical文件。</source>
        <translation>9. [Mở thư mục] mở thư mục chứa các tệp được tạo (xem mục 13).</translation>
    </message>
    <message>
        <source>10. 【控制】菜单中的【使用冬,腊月显示】用于选择是否把农历的十一月和十二月显示为冬月和腊月，默认启用。</source>
        <translation>10. [Tháng 11, 12 là 冬月, 腊月 (tháng Một, tháng Chạp)] trong menu [Tùy chọn] gọi tháng 11 và tháng 12 âm lịch là 冬月 và 腊月 (tháng Một và tháng Chạp); mặc định bật.</translation>
    </message>
    <message>
        <source>11. 【控制】菜单中的【生成后弹出提示框】可控制成功生成iCal文件后是否弹出提示对话框，若要连续生成多个iCal文件为了方便可关闭该项。</source>
        <translation>11. [Hiện thông báo sau khi tạo] trong menu [Tùy chọn] hiện thông báo sau mỗi lần tạo thành công; hãy tắt đi khi cần tạo nhiều tệp liên tiếp.</translation>
    </message>
    <message>
        <source>12. 【节假日】列出已知官方放假安排的年份（内置2008年起各年，以国务院办公厅的通知为准）及所选年份的放假（休）和调休上班（班）日期。在此页点击【生成 iCal】会生成所选年份的法定节假日文件，还不知道安排的年份会注明而不会猜测。新一年的安排公布后，点击【粘贴通知…】粘贴通知全文即可加入。勾选【控制】菜单中的【标注休/班】后，农历文件中这些日子的标题会加上（休）或（班）。</source>
        <translation>12. [Ngày nghỉ lễ] liệt kê các năm đã biết lịch nghỉ chính thức (có sẵn mọi năm từ 2008, theo thông báo của Văn phòng Quốc vụ viện Trung Quốc) cùng các ngày nghỉ (休) và ngày làm bù (班) của năm được chọn. [Tạo iCal] ở thẻ này ghi các ngày nghỉ lễ chính thức của những năm được chọn; năm chưa biết lịch nghỉ sẽ được nêu rõ chứ không đoán. Khi lịch nghỉ của năm mới được công bố, [Dán thông báo…] thêm năm đó từ văn bản thông báo. Khi bật [Đánh dấu ngày nghỉ, ngày làm bù] trong menu [Tùy chọn], tiêu đề những ngày này trong tệp âm lịch được thêm (休) hoặc (班), trong tệp tiếng Việt là (Nghỉ) hoặc (Làm bù).</translation>
    </message>
    <message>
        <source>13. 文件存放的位置：解压到自己文件夹的便携版，文件存放在程序所在的文件夹；安装的程序从不写入程序所在的系统文件夹，文件存放在“文档/Tessarine”文件夹。也可以在【控制】菜单的【输出文件夹…】中另选，程序会记住。【打开文件夹】打开的就是这个文件夹。【控制】菜单的【合并为一个文件】把所选的多个年份写进一个文件，一次导入；【固定文件名】让文件名不带生成时间，再次生成时替换旧文件，放在同步文件夹中可以作为订阅链接。</source>
        <translation>13. Nơi lưu tệp: bản di động giải nén vào thư mục riêng của bạn thì ghi tệp ngay cạnh chương trình; chương trình đã cài đặt không bao giờ ghi vào thư mục hệ thống của nó mà ghi vào “Tài liệu/Tessarine”. [Thư mục lưu tệp…] trong menu [Tùy chọn] chọn thư mục khác và thư mục này được ghi nhớ; [Mở thư mục] mở chính thư mục đó. [Gộp vào một tệp] ghi các năm đã chọn vào một tệp để nhập một lần; [Tên tệp cố định] bỏ thời gian khỏi tên tệp, nên lần tạo sau sẽ thay tệp cũ, và một thư mục đồng bộ có thể cung cấp tệp này làm liên kết đăng ký.</translation>
    </message>
    <message>
        <source>14. 【纪念日】用来生成家人的农历生日和纪念日：点击【添加】填写名称、日期（农历如 三月初八、闰四月十五、3-8，或公历生日如 1960-04-03）和可选的起始年（标题中显示第几年）。每行右边显示换算出的农历日期和下次的日子。列表保存在配置文件夹的 anniversaries.csv 中，也可以用其他程序编辑；有误的格子显示为红色，按 Ctrl+Z 可撤销上一次修改。在此页点击【生成 iCal】会生成所选年份的纪念日文件。</source>
        <translation>14. [Ngày kỷ niệm] ghi sinh nhật âm lịch và các ngày kỷ niệm (như ngày giỗ) của người thân: [Thêm] một dòng với tên, ngày (âm lịch, như 三月初八 (mùng 8 tháng 3), 闰四月十五 (rằm tháng 4 nhuận), 3-8, hoặc sinh nhật dương lịch như 1960-04-03) và năm bắt đầu nếu muốn (khi đó tiêu đề đếm số năm). Mỗi dòng hiện ngày âm lịch và lần tới của ngày đó. Danh sách được lưu trong anniversaries.csv ở thư mục cấu hình và có thể sửa bằng chương trình khác; ô có lỗi được tô đỏ, và Ctrl+Z hoàn tác thay đổi gần nhất. [Tạo iCal] ở thẻ này ghi các ngày kỷ niệm của những năm đã chọn.</translation>
    </message>
    <message>
        <source>15. 导入日历：建议先新建一个日历，再把文件导入到这个新日历中，不需要时可一次删除整个日历。Google 日历：网页版【设置】→【添加日历】→【创建新日历】，再在【导入和导出】中选择文件并导入到新日历。Outlook：【添加日历】→【从文件上传】，选择新日历。Apple 日历：【文件】→【导入】，选择【新建日历】。Thunderbird：【文件】→【新建】→【日历】，再用【事件和任务】→【导入】导入到新日历。</source>
        <translation>15. Nhập vào lịch: nên tạo một lịch mới trước rồi nhập tệp vào lịch đó; khi không cần nữa có thể xóa cả lịch trong một bước. Google Lịch trên web: [Cài đặt] → [Thêm lịch] → [Tạo lịch mới], rồi chọn tệp trong [Nhập và xuất] và nhập vào lịch mới. Outlook: [Thêm lịch] → [Tải lên từ tệp], chọn lịch mới. Lịch của Apple: [Tệp] → [Nhập], chọn [Lịch mới]. Thunderbird: [Tệp] → [Mới] → [Lịch], rồi [Sự kiện và công việc] → [Nhập] vào lịch mới.</translation>
    </message>
    <message>
        <source>16. 【控制】菜单的【历法】选择按哪国的阴历换算：中国农历、韩国阴历（UTC+9）或越南阴历（UTC+7），各用本国的节日；【文字】选择文件中月份、节气、节日等名称的文字：简体、繁體、한국어 或 Tiếng Việt。选择历法时文字随之改为该国的文字，之后也可另选。纪念日的【历法】一栏写 韩国阴历 或 越南阴历，该纪念日就按那国的阴历每年重复。</source>
        <translation>16. [Lịch] trong menu [Tùy chọn] chọn âm lịch mà tệp dùng: của Trung Quốc, Hàn Quốc (UTC+9) hay Việt Nam (UTC+7), mỗi nước với các ngày lễ tết riêng. [Ngôn ngữ của tệp] chọn ngôn ngữ cho tên tháng, tiết khí và ngày lễ tết trong tệp: 简体, 繁體, 한국어 hoặc Tiếng Việt; khi chọn lịch, ngôn ngữ của nước đó được chọn theo, sau đó vẫn có thể đổi. Ngày kỷ niệm ghi korean hoặc vietnamese ở cột [Lịch] sẽ lặp lại hằng năm theo âm lịch của nước đó.</translation>
    </message>
    <message>
        <source>17. 【控制】菜单的【标注月相】在新月、上弦、满月、下弦的日子后加上月相（如“初八 上弦”），【标注三伏、数九】加上三伏和数九的第几天（如“十五 三九第1天”），【写入详细说明】把每天的农历、干支、生肖、节气和交节时刻、节日、月相、三伏或数九写进事件的说明。【生成月相日历】和【生成节气日历】为所选年份生成月相或二十四节气的文件，标题带时刻（如“满月 21:36”“立春 04:02”）。【自定义格式】的【农历备选内容】第二列：时刻 LH（节气的交节时刻）、月相 LP（月相和时刻）、伏九 LS（三伏、数九的第几天）、日柱 GD（日干支）、月柱 GM（月干支）。</source>
        <translation>17. [Đánh dấu tuần trăng] trong menu [Tùy chọn] thêm tuần trăng vào các ngày trăng non, thượng huyền, trăng tròn và hạ huyền (“初八 上弦”, tiếng Việt là “Mùng 8 Thượng huyền”); [Đánh dấu tam phục, số cửu] thêm ngày thứ mấy của tam phục và của số cửu, tức 81 ngày kể từ Đông chí (“十五 三九第1天”, tiếng Việt là “Rằm Cửu 3 ngày 1”); [Ghi mô tả chi tiết] ghi vào phần mô tả của sự kiện ngày âm lịch, can chi, con giáp, tiết khí và giờ giao tiết, ngày lễ tết, tuần trăng, tam phục hoặc số cửu của mỗi ngày. [Tạo lịch tuần trăng] và [Tạo lịch tiết khí] ghi các tuần trăng hoặc 24 tiết khí của những năm đã chọn, tiêu đề kèm giờ (“满月 21:36”, “立春 04:02”; tiếng Việt là “Trăng tròn 21:36”, “Lập xuân 04:02”). Cột thứ hai của [Mục âm lịch] trong [Tùy chỉnh]: LH giờ giao tiết, LP tuần trăng và giờ, LS ngày thứ mấy của tam phục hoặc số cửu, GD can chi ngày, GM can chi tháng.</translation>
    </message>
    <message>
        <source>18. 右侧的月视图按当前的选项显示每天将写入文件的标题，以及休、班和纪念日（●）；今天以黄色标出，周末为红色。用 ‹ › « » 或键盘（方向键、PgUp/PgDn 翻月、Ctrl+PgUp/PgDn 翻年、Home 回到今天）翻看，选中的日子在下方显示详细说明。生成后月视图转到写入的第一个月，点击【查看文件内容】可看文件全文，【返回月视图】回来。</source>
        <translation>18. Lịch tháng bên phải hiện tiêu đề của mỗi ngày đúng như tùy chọn hiện tại sẽ ghi vào tệp, kèm ngày nghỉ (休), ngày làm bù (班) và ngày kỷ niệm (●); hôm nay được tô vàng, cuối tuần màu đỏ. Lật trang bằng ‹ › « » hoặc bàn phím (phím mũi tên; PgUp/PgDn lật tháng, Ctrl+PgUp/PgDn lật năm, Home về hôm nay); mô tả chi tiết của ngày được chọn hiện bên dưới. Sau khi tạo, lịch tháng chuyển đến tháng đầu tiên được ghi; [Xem nội dung tệp] hiện toàn bộ tệp và [Về lịch tháng] quay lại.</translation>
    </message>
    <message>
        <source>19. 【控制】菜单的【生成滚动订阅文件】把去年到几年后（【滚动年数】中选择，程序会记住）写成一个固定文件名的文件，如“Tessarine_Rolling.ics”，每次生成时替换旧文件；放在同步文件夹或网站上即可作为订阅链接，日历每天刷新。在【纪念日】或【节假日】页点击则生成相应的滚动文件。</source>
        <translation>19. [Tạo tệp đăng ký cuốn chiếu] trong menu [Tùy chọn] ghi từ năm ngoái đến vài năm sau (chọn trong [Số năm cuốn chiếu], được ghi nhớ) vào một tệp có tên cố định như “Tessarine_Rolling.ics”, thay mới mỗi lần tạo; đặt trong thư mục đồng bộ hoặc trên trang web, tệp này là liên kết đăng ký mà ứng dụng lịch làm mới hằng ngày. Ở thẻ [Ngày kỷ niệm] hoặc [Ngày nghỉ lễ], lệnh này ghi tệp cuốn chiếu của thẻ đó.</translation>
    </message>
    <message>
        <source>Tessarine - 农历iCal文件生成器使用说明</source>
        <translation>Tessarine - Trình tạo tệp iCal âm lịch: hướng dẫn sử dụng</translation>
    </message>
    <message>
        <source>Tessarine 开发组</source>
        <translation>Nhóm phát triển Tessarine</translation>
    </message>
</context>
<context>
    <name>tessarine::AboutMenu</name>
    <message>
        <source>关于(&amp;A)</source>
        <translation>&amp;Giới thiệu</translation>
    </message>
    <message>
        <source>&amp;Tessarine - 农历iCal文件生成器   </source>
        <translation>&amp;Tessarine - Trình tạo tệp iCal âm lịch   </translation>
    </message>
    <message>
        <source>问题反馈</source>
        <translation>Góp ý</translation>
    </message>
</context>
<context>
    <name>tessarine::AnniversariesTab</name>
    <message>
        <source>请填写名称</source>
        <translation>Hãy nhập tên</translation>
    </message>
    <message>
        <source>请填写日期</source>
        <translation>Hãy nhập ngày</translation>
    </message>
    <message>
        <source>无法识别的日期: 请写农历日期 (如 三月初八、闰四月十五、3-8) 或公历日期 (如 1960-04-03)</source>
        <translation>Không nhận ra ngày: hãy ghi ngày âm lịch (như 三月初八 (mùng 8 tháng 3), 闰四月十五 (rằm tháng 4 nhuận), 3-8) hoặc ngày dương lịch (như 1960-04-03)</translation>
    </message>
    <message>
        <source>没有这个农历月份</source>
        <translation>Không có tháng âm lịch này</translation>
    </message>
    <message>
        <source>没有这个农历日期</source>
        <translation>Không có ngày âm lịch này</translation>
    </message>
    <message>
        <source>公历没有这一天</source>
        <translation>Dương lịch không có ngày này</translation>
    </message>
    <message>
        <source>公历日期必须在 %1-01-01 至 %2-12-31 之间</source>
        <translation>Ngày dương lịch phải nằm trong khoảng từ %1-01-01 đến %2-12-31</translation>
    </message>
    <message>
        <source>起始年必须是 %1 至 %2 之间的四位数年份</source>
        <translation>Năm bắt đầu phải là năm có bốn chữ số, từ %1 đến %2</translation>
    </message>
    <message>
        <source>这是公历日期，不是农历日期: 请写成 1960-04-03 这样 (按那天的农历日期纪念)，或直接写农历日期 (如 三月初八、3-8)</source>
        <translation>Đây là ngày dương lịch, không phải ngày âm lịch: hãy ghi dạng 1960-04-03 (sẽ giữ ngày âm lịch của hôm đó), hoặc ghi thẳng ngày âm lịch (như 三月初八 (mùng 8 tháng 3) hoặc 3-8)</translation>
    </message>
    <message>
        <source>农历日期不带年份: 请写 三月初八 或 3-8，年份写在起始年一栏</source>
        <translation>Ngày âm lịch không kèm năm: hãy ghi 三月初八 (mùng 8 tháng 3) hoặc 3-8, còn năm thì ghi ở cột năm bắt đầu</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Hoàn tác</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Tên</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>Ngày</translation>
    </message>
    <message>
        <source>起始年</source>
        <translation>Năm bắt đầu</translation>
    </message>
    <message>
        <source>历法</source>
        <translation>Lịch</translation>
    </message>
    <message>
        <source>农历 · 下次</source>
        <translation>Âm lịch · lần tới</translation>
    </message>
    <message>
        <source>留空按中国农历；写 韩国阴历 或 越南阴历，按该国的阴历每年重复（如韩国的제사、越南的giỗ）</source>
        <translation>Để trống thì theo âm lịch Trung Quốc; ghi korean hoặc vietnamese để ngày này lặp lại hằng năm theo âm lịch của nước đó (như 제사 của người Hàn, ngày giỗ của người Việt)</translation>
    </message>
    <message>
        <source>换算出的农历日期和下次的日子</source>
        <translation>Ngày âm lịch tương ứng và lần tới của ngày đó</translation>
    </message>
    <message>
        <source>每行一个纪念日: 名称、日期和可选的起始年 (农历年, 标题中显示第几年)</source>
        <translation>Mỗi dòng một ngày kỷ niệm: tên, ngày và năm bắt đầu nếu muốn (năm âm lịch; khi đó tiêu đề đếm số năm)</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Thêm</translation>
    </message>
    <message>
        <source>添加一行纪念日</source>
        <translation>Thêm một ngày kỷ niệm</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>删除选中的纪念日</source>
        <translation>Xóa các ngày kỷ niệm đã chọn</translation>
    </message>
    <message>
        <source>提前提醒</source>
        <translation>Nhắc trước</translation>
    </message>
    <message>
        <source>在纪念日前几天的上午 9 点提醒 (0 为当天)</source>
        <translation>Nhắc lúc 9 giờ sáng, trước ngày kỷ niệm số ngày đã chọn (0 là nhắc đúng ngày)</translation>
    </message>
    <message>
        <source>提醒写成单独事件</source>
        <translation>Nhắc bằng sự kiện riêng</translation>
    </message>
    <message>
        <source>Google 日历导入时会丢弃提醒：勾选后，提醒写成提前几天的全天事件，如“3天后：妈妈生日”</source>
        <translation>Google Lịch loại bỏ lời nhắc khi nhập tệp: khi chọn mục này, lời nhắc được ghi thành một sự kiện cả ngày riêng, đặt trước vài ngày, như “3天后：妈妈生日” (tiếng Việt là “Còn 3 ngày: Sinh nhật mẹ”)</translation>
    </message>
    <message>
        <source>日期如 三月初八、闰四月十五、3-8, 或公历生日 1960-04-03</source>
        <translation>Ngày như 三月初八 (mùng 8 tháng 3), 闰四月十五 (rằm tháng 4 nhuận), 3-8, hoặc sinh nhật dương lịch 1960-04-03</translation>
    </message>
    <message>
        <source>红色的格子有误, 鼠标停在上面可看原因; 有误的行不会生成</source>
        <translation>Ô màu đỏ có lỗi; di chuột lên ô để xem lý do. Dòng có lỗi sẽ không được ghi</translation>
    </message>
    <message>
        <source>打开文件夹</source>
        <translation>Mở thư mục</translation>
    </message>
    <message>
        <source>新建列表</source>
        <translation>Tạo danh sách mới</translation>
    </message>
    <message>
        <source>把无法读取的文件改名留作备份，从空列表开始</source>
        <translation>Đổi tên tệp không đọc được để giữ làm bản sao lưu và bắt đầu với danh sách trống</translation>
    </message>
    <message>
        <source>与第 %1 行的名称和日期相同</source>
        <translation>Trùng tên và ngày với dòng %1</translation>
    </message>
    <message>
        <source>这一行还没有保存</source>
        <translation>Dòng này chưa được lưu</translation>
    </message>
    <message>
        <source>第 %1 行不是 UTF-8 或 GB18030 编码的文字</source>
        <translation>Dòng %1 không phải văn bản mã UTF-8 hoặc GB18030</translation>
    </message>
    <message>
        <source>第 %1 行的引号没有闭合</source>
        <translation>Dòng %1 có dấu ngoặc kép chưa đóng</translation>
    </message>
    <message>
        <source>到第 %1 行，行和字段已超过 %2 个，没有这么大的列表</source>
        <translation>đến dòng %1, số dòng và trường đã vượt quá %2: không có danh sách nào lớn như vậy</translation>
    </message>
    <message>
        <source>第 %1 行是 UTF-8 编码，第 %2 行却不是：一个文件里混有两种编码，请用一种编码重新保存</source>
        <translation>Dòng %1 dùng mã UTF-8 nhưng dòng %2 thì không: tệp lẫn hai bảng mã; hãy lưu lại bằng một bảng mã</translation>
    </message>
    <message>
        <source>无法读取：%1</source>
        <translation>Không đọc được: %1</translation>
    </message>
    <message>
        <source>此列表是 GB18030（GBK）编码，修改后将保存为 UTF-8。</source>
        <translation>Danh sách này dùng mã GB18030 (GBK); khi có thay đổi, danh sách sẽ được lưu thành UTF-8.</translation>
    </message>
    <message>
        <source>纪念日列表 %1 无法作为列表读取：%2。为免丢失内容，在文件能正常读取之前不会保存任何修改；也可以新建列表，原文件会留作备份。</source>
        <translation>Không đọc được danh sách ngày kỷ niệm %1: %2. Để không mất dữ liệu, mọi thay đổi sẽ không được lưu cho đến khi tệp đọc được trở lại; hoặc hãy tạo danh sách mới, tệp cũ sẽ được giữ làm bản sao lưu.</translation>
    </message>
    <message>
        <source>纪念日列表刚被其他程序修改过，已与你的修改合并。</source>
        <translation>Chương trình khác vừa sửa danh sách ngày kỷ niệm; thay đổi của bạn đã được gộp vào.</translation>
    </message>
    <message>
        <source>保存纪念日列表失败：%1。标有 * 的行还没有保存。</source>
        <translation>Không lưu được danh sách ngày kỷ niệm: %1. Các dòng đánh dấu * chưa được lưu.</translation>
    </message>
    <message>
        <source>纪念日列表已被其他程序修改，与刚才的修改冲突；列表保留磁盘上的版本，你的修改无法另存：%1。</source>
        <translation>Chương trình khác đã sửa danh sách ngày kỷ niệm, xung đột với thay đổi vừa rồi của bạn; danh sách giữ bản trên đĩa, và không lưu riêng được bản của bạn: %1.</translation>
    </message>
    <message>
        <source>纪念日列表已被其他程序修改，与刚才的修改冲突；列表保留磁盘上的版本，你的版本另存为 %1。</source>
        <translation>Chương trình khác đã sửa danh sách ngày kỷ niệm, xung đột với thay đổi vừa rồi của bạn; danh sách giữ bản trên đĩa, còn bản của bạn được lưu thành %1.</translation>
    </message>
    <message>
        <source>（无法改名留作备份，未新建列表。）</source>
        <translation> (Không đổi tên được để giữ làm bản sao lưu; chưa tạo danh sách mới.)</translation>
    </message>
    <message>
        <source>原文件已改名为 %1。</source>
        <translation>Tệp cũ đã được đổi tên thành %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n 天</source>
        <comment>days before an anniversary, around the number in the box</comment>
        <translation>
            <numerusform>%n ngày</numerusform>
        </translation>
    </message>
    <message>
        <source>不是历法的名称: 请写 农历、韩国阴历 或 越南阴历 (也可写 Korean、한국、Việt Nam 等)，留空即按中国农历；备注请移到右边一栏</source>
        <translation>Không phải tên lịch: hãy ghi Âm lịch Trung Quốc, Âm lịch Hàn Quốc hoặc Âm lịch (cũng có thể ghi Korean, 한국, Việt Nam…); để trống là âm lịch Trung Quốc. Ghi chú hãy chuyển sang cột bên phải</translation>
    </message>
</context>
<context>
    <name>tessarine::ControlMenu</name>
    <message>
        <source>控制(&amp;C)</source>
        <translation>&amp;Tùy chọn</translation>
    </message>
    <message>
        <source>使用说明(&amp;H) </source>
        <translation>&amp;Trợ giúp </translation>
    </message>
    <message>
        <source>生成 iCal(&amp;I)</source>
        <translation>Tạo &amp;iCal</translation>
    </message>
    <message>
        <source>使用冬,腊月显示</source>
        <translation>Tháng 11, 12 là 冬月, 腊月 (tháng Một, tháng Chạp)</translation>
    </message>
    <message>
        <source>标注月相</source>
        <translation>Đánh dấu tuần trăng</translation>
    </message>
    <message>
        <source>在新月、上弦、满月、下弦的日子后加上月相，如“初八 上弦”</source>
        <translation>Thêm tuần trăng vào các ngày trăng non, thượng huyền, trăng tròn, hạ huyền, như “初八 上弦” (“Mùng 8 Thượng huyền”)</translation>
    </message>
    <message>
        <source>标注三伏、数九</source>
        <translation>Đánh dấu tam phục, số cửu</translation>
    </message>
    <message>
        <source>在三伏和数九的日子后加上第几天，如“十五 三九第1天”</source>
        <translation>Thêm ngày thứ mấy vào các ngày tam phục và số cửu (81 ngày kể từ Đông chí), như “十五 三九第1天” (“Rằm Cửu 3 ngày 1”)</translation>
    </message>
    <message>
        <source>写入详细说明</source>
        <translation>Ghi mô tả chi tiết</translation>
    </message>
    <message>
        <source>每天的说明中写入农历、干支、生肖、节气和时刻、节日、月相、三伏或数九</source>
        <translation>Mô tả của mỗi ngày ghi ngày âm lịch, can chi, con giáp, tiết khí và giờ giao tiết, ngày lễ tết, tuần trăng, tam phục hoặc số cửu</translation>
    </message>
    <message>
        <source>生成月相日历</source>
        <translation>Tạo lịch tuần trăng</translation>
    </message>
    <message>
        <source>所选年份中每次新月、上弦、满月、下弦，标题带时刻，如“满月 21:36”</source>
        <translation>Mọi lần trăng non, thượng huyền, trăng tròn, hạ huyền trong những năm đã chọn, tiêu đề kèm giờ, như “满月 21:36” (“Trăng tròn 21:36”)</translation>
    </message>
    <message>
        <source>生成节气日历</source>
        <translation>Tạo lịch tiết khí</translation>
    </message>
    <message>
        <source>所选年份的二十四节气，标题带交节时刻，如“立春 04:02”</source>
        <translation>24 tiết khí của những năm đã chọn, tiêu đề kèm giờ giao tiết, như “立春 04:02” (“Lập xuân 04:02”)</translation>
    </message>
    <message>
        <source>生成滚动订阅文件</source>
        <translation>Tạo tệp đăng ký cuốn chiếu</translation>
    </message>
    <message>
        <source>从去年到几年后写成一个固定文件名的文件，每次生成时替换，便于订阅</source>
        <translation>Ghi từ năm ngoái đến vài năm sau vào một tệp có tên cố định, thay mới mỗi lần tạo, để đăng ký theo dõi</translation>
    </message>
    <message>
        <source>滚动年数</source>
        <translation>Số năm cuốn chiếu</translation>
    </message>
    <message>
        <source>生成后弹出提示框(&amp;P)</source>
        <translation>Hiện thông &amp;báo sau khi tạo</translation>
    </message>
    <message>
        <source>标注休/班</source>
        <translation>Đánh dấu ngày nghỉ, ngày làm bù</translation>
    </message>
    <message>
        <source>在官方放假和调休上班的日子后加上 (休) 或 (班)</source>
        <translation>Thêm (休) hoặc (班), trong tệp tiếng Việt là (Nghỉ) hoặc (Làm bù), vào các ngày nghỉ chính thức và ngày làm bù</translation>
    </message>
    <message>
        <source>合并为一个文件</source>
        <translation>Gộp vào một tệp</translation>
    </message>
    <message>
        <source>所选的多个年份写进一个文件，一次导入</source>
        <translation>Ghi các năm đã chọn vào một tệp để nhập một lần</translation>
    </message>
    <message>
        <source>固定文件名</source>
        <translation>Tên tệp cố định</translation>
    </message>
    <message>
        <source>文件名不带生成时间（如 Tessarine_2026.ics），再次生成时替换旧文件，便于同步文件夹提供订阅链接</source>
        <translation>Tên tệp không kèm thời gian tạo (như Tessarine_2026.ics); lần tạo sau sẽ thay tệp cũ, nhờ vậy thư mục đồng bộ có thể cung cấp liên kết đăng ký</translation>
    </message>
    <message>
        <source>输出文件夹…</source>
        <translation>Thư mục lưu tệp…</translation>
    </message>
    <message>
        <source>选择生成的 iCal 文件存放的文件夹</source>
        <translation>Chọn thư mục lưu các tệp iCal được tạo</translation>
    </message>
    <message>
        <source>打开所在文件夹(&amp;O)</source>
        <translation>&amp;Mở thư mục</translation>
    </message>
    <message>
        <source>退出(&amp;X)</source>
        <translation>Th&amp;oát</translation>
    </message>
    <message numerus="yes">
        <source>到 %n 年后</source>
        <translation>
            <numerusform>Đến %n năm sau</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tessarine::CustomFormatTab</name>
    <message>
        <source> 干支 - LY </source>
        <translation> Can chi năm - LY </translation>
    </message>
    <message>
        <source> 生肖 - LZ </source>
        <translation> Con giáp - LZ </translation>
    </message>
    <message>
        <source> 月 - LM </source>
        <translation> Tháng - LM </translation>
    </message>
    <message>
        <source> 日 - LD </source>
        <translation> Ngày - LD </translation>
    </message>
    <message>
        <source> 节气 - LT </source>
        <translation> Tiết khí - LT </translation>
    </message>
    <message>
        <source> 节日 - LF </source>
        <translation> Ngày lễ - LF </translation>
    </message>
    <message>
        <source> 年4位 - Y1 </source>
        <translation> Năm (4 số) - Y1 </translation>
    </message>
    <message>
        <source> 年2位 - Y2 </source>
        <translation> Năm (2 số) - Y2 </translation>
    </message>
    <message>
        <source> 月 - CM </source>
        <translation> Tháng - CM </translation>
    </message>
    <message>
        <source> 日 - CD </source>
        <translation> Ngày - CD </translation>
    </message>
    <message>
        <source> 星期 - CW </source>
        <translation> Thứ - CW </translation>
    </message>
    <message>
        <source> 节日 - CF </source>
        <translation> Ngày lễ - CF </translation>
    </message>
    <message>
        <source> 时刻 - LH </source>
        <translation> Giờ - LH </translation>
    </message>
    <message>
        <source> 月相 - LP </source>
        <translation> Tuần trăng - LP </translation>
    </message>
    <message>
        <source> 伏九 - LS </source>
        <translation> Phục/Cửu - LS </translation>
    </message>
    <message>
        <source> 日柱 - GD </source>
        <translation> Can chi ngày - GD </translation>
    </message>
    <message>
        <source> 月柱 - GM </source>
        <translation> Can chi tháng - GM </translation>
    </message>
    <message>
        <source>内容格式 [点击备选内容加入并编辑]</source>
        <translation>Mẫu [bấm vào một mục để chèn]</translation>
    </message>
    <message>
        <source> 农历备选内容 </source>
        <translation> Mục âm lịch </translation>
    </message>
    <message>
        <source> 公历备选内容 </source>
        <translation> Mục dương lịch </translation>
    </message>
    <message>
        <source>恢复默认</source>
        <translation>Khôi phục mặc định</translation>
    </message>
    <message>
        <source>清空内容</source>
        <translation>Xóa hết</translation>
    </message>
    <message>
        <source>处理空格</source>
        <translation>Gộp khoảng trắng</translation>
    </message>
    <message>
        <source>将多个空格合并为一个空格</source>
        <translation>Gộp các khoảng trắng liền nhau thành một</translation>
    </message>
    <message>
        <source>预览日期</source>
        <translation>Ngày xem trước</translation>
    </message>
</context>
<context>
    <name>tessarine::GenerationRun</name>
    <message>
        <source>正在生成 iCal 文件…</source>
        <translation>Đang tạo tệp iCal…</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Dừng</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
是否继续生成其余年份?</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Tiếp tục tạo các năm còn lại?</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Lỗi</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>生成了 %1 个文件，%2 个未能生成：<byte value="xd"/>
</source>
        <translation>Đã tạo %1 tệp; %2 tệp không tạo được:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>是否打开所在文件夹?</source>
        <translation>Mở thư mục chứa tệp?</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Thông báo</translation>
    </message>
    <message>
        <source>==========内容预览========== </source>
        <translation>========== Nội dung ========== </translation>
    </message>
    <message>
        <source>文件：%1</source>
        <translation>Tệp: %1</translation>
    </message>
</context>
<context>
    <name>tessarine::HolidaysTab</name>
    <message>
        <source>已知放假安排的年份；在此页生成 iCal 时写入选中的年份（可按住 Ctrl 或 Shift 多选）</source>
        <translation>Các năm đã biết lịch nghỉ; bấm Tạo iCal ở thẻ này để ghi các năm được chọn (giữ Ctrl hoặc Shift để chọn nhiều năm)</translation>
    </message>
    <message>
        <source>%1 (自己添加)</source>
        <translation>%1 (tự thêm)</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>Ngày</translation>
    </message>
    <message>
        <source>星期</source>
        <translation>Thứ</translation>
    </message>
    <message>
        <source>休/班</source>
        <translation>Nghỉ/Làm bù</translation>
    </message>
    <message>
        <source>节日</source>
        <translation>Ngày lễ</translation>
    </message>
    <message>
        <source>在此页生成 iCal 时写入左侧列表中选中的年份</source>
        <translation>Bấm Tạo iCal ở thẻ này để ghi các năm được chọn trong danh sách bên trái</translation>
    </message>
    <message>
        <source>粘贴通知…</source>
        <translation>Dán thông báo…</translation>
    </message>
    <message>
        <source>国务院公布新一年的放假安排后，把通知全文粘贴进来即可加入这一年</source>
        <translation>Khi Quốc vụ viện công bố lịch nghỉ của năm mới, hãy dán toàn văn thông báo vào đây để thêm năm đó</translation>
    </message>
    <message>
        <source>删除这一年</source>
        <translation>Xóa năm này</translation>
    </message>
    <message>
        <source>删除自己添加的年份（内置年份恢复原样），可按 Ctrl+Z 撤销</source>
        <translation>Xóa năm do bạn tự thêm (năm có sẵn sẽ trở về như cũ); Ctrl+Z để hoàn tác</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Hoàn tác</translation>
    </message>
    <message>
        <source>节假日列表 %1 无法读取（%2），只使用内置的年份。</source>
        <translation>Không đọc được danh sách ngày nghỉ lễ %1 (%2); chỉ dùng các năm có sẵn.</translation>
    </message>
    <message>
        <source>节假日列表 %1 无法读取，只使用内置的年份，也不会保存。</source>
        <translation>Không đọc được danh sách ngày nghỉ lễ %1; chỉ dùng các năm có sẵn và sẽ không lưu gì.</translation>
    </message>
    <message>
        <source>节假日列表第 %1 行有误，已跳过。</source>
        <translation>Dòng %1 của danh sách ngày nghỉ lễ có lỗi và đã bị bỏ qua.</translation>
    </message>
    <message>
        <source>保存节假日列表失败：%1，%2 年没有改动。</source>
        <translation>Không lưu được danh sách ngày nghỉ lễ: %1; năm %2 không thay đổi.</translation>
    </message>
    <message>
        <source>删除 %1 年</source>
        <translation>Xóa năm %1</translation>
    </message>
    <message>
        <source>已删除自己添加的 %1 年，按 Ctrl+Z 可撤销。</source>
        <translation>Đã xóa năm %1 do bạn tự thêm; Ctrl+Z để hoàn tác.</translation>
    </message>
    <message>
        <source>这将替换你自己添加的 %1 行：
%2是否继续？</source>
        <translation>Thao tác này sẽ thay %1 dòng do bạn tự thêm:
%2Tiếp tục?</translation>
    </message>
    <message>
        <source>保存节假日列表失败：%1</source>
        <translation>Không lưu được danh sách ngày nghỉ lễ: %1</translation>
    </message>
    <message>
        <source>节假日列表第 %1 行有误，为免丢失内容，%2 年没有保存。</source>
        <translation>Dòng %1 của danh sách ngày nghỉ lễ có lỗi; để không mất dữ liệu, năm %2 chưa được lưu.</translation>
    </message>
    <message>
        <source>节假日列表刚被其他程序修改，%1 年没有保存；已重新读取，请再保存一次。</source>
        <translation>Chương trình khác vừa sửa danh sách ngày nghỉ lễ nên năm %1 chưa được lưu; danh sách đã được đọc lại, hãy lưu thêm lần nữa.</translation>
    </message>
    <message>
        <source>已保存 %1 年的放假安排。</source>
        <translation>Đã lưu lịch nghỉ năm %1.</translation>
    </message>
    <message>
        <source>导入…</source>
        <translation>Nhập…</translation>
    </message>
    <message>
        <source>行政院人事行政总处公布新一年的办公日历表（CSV）后，下载并导入即可加入这一年</source>
        <translation>Khi Tổng cục Nhân sự Hành chính của Hành chính viện công bố lịch làm việc năm mới (CSV), hãy tải về và nhập để thêm năm đó</translation>
    </message>
    <message>
        <source>导入香港政府公布的公众假期日历（iCalendar 文件）</source>
        <translation>Nhập lịch ngày nghỉ lễ do chính quyền Hồng Kông công bố (tệp iCalendar)</translation>
    </message>
    <message>
        <source>%1 (推算)</source>
        <translation>%1 (dự kiến)</translation>
    </message>
    <message>
        <source>这个地区没有已知的年份。</source>
        <translation>Khu vực này chưa có năm nào được biết.</translation>
    </message>
    <message>
        <source>已知 %1–%2 年（更早的年份未内置）。</source>
        <translation>Đã biết các năm %1–%2 (các năm trước đó không có sẵn).</translation>
    </message>
    <message>
        <source>已知 %1–%2 年。</source>
        <translation>Đã biết các năm %1–%2.</translation>
    </message>
    <message>
        <source>%1–%2 年按政府公布的安排，其后的年份按法定规则推算，标为“暂定”。</source>
        <translation>Các năm %1–%2 theo lịch chính quyền công bố; các năm sau được tính theo quy định pháp luật và ghi là “dự kiến”.</translation>
    </message>
    <message>
        <source>%1 年的通知公布后可粘贴加入。</source>
        <translation>Khi thông báo năm %1 được công bố, có thể dán vào để thêm.</translation>
    </message>
    <message>
        <source>新一年的办公日历表公布后可导入。</source>
        <translation>Khi lịch làm việc năm mới được công bố, có thể nhập vào.</translation>
    </message>
    <message>
        <source>政府公布新的假期日历后可导入。</source>
        <translation>Khi chính quyền công bố lịch nghỉ lễ mới, có thể nhập vào.</translation>
    </message>
    <message>
        <source>临时假日等可在 %1 中加一行（地区一列写 %2）。</source>
        <translation>Ngày nghỉ đột xuất và những ngày tương tự có thể thêm thành một dòng trong %1 (cột khu vực ghi %2).</translation>
    </message>
    <message>
        <source>文件不完整，可能没有下载完</source>
        <translation>tệp không đầy đủ, có thể chưa tải xong</translation>
    </message>
    <message>
        <source>不是这个地区政府公布的假期文件</source>
        <translation>không phải tệp ngày nghỉ lễ do chính quyền khu vực này công bố</translation>
    </message>
    <message>
        <source>有无法读取的内容</source>
        <translation>có nội dung không đọc được</translation>
    </message>
    <message>
        <source>（第 %1 行）</source>
        <translation> (dòng %1)</translation>
    </message>
    <message>
        <source>这是 %1 年的修正版，但这一年还没有办公日历表可修正</source>
        <translation>đây là bản sửa đổi của năm %1 nhưng năm này chưa có lịch làm việc để sửa</translation>
    </message>
    <message>
        <source>办公日历表 (*.csv);;所有文件 (*)</source>
        <translation>Lịch làm việc (*.csv);;Tất cả tệp (*)</translation>
    </message>
    <message>
        <source>iCalendar 文件 (*.ics);;所有文件 (*)</source>
        <translation>Tệp iCalendar (*.ics);;Tất cả tệp (*)</translation>
    </message>
    <message>
        <source>导入</source>
        <translation>Nhập</translation>
    </message>
    <message>
        <source>%1 无法读取（%2），没有导入。</source>
        <translation>Không đọc được %1 (%2), chưa nhập gì.</translation>
    </message>
    <message>
        <source>文件不存在</source>
        <translation>tệp không tồn tại</translation>
    </message>
    <message>
        <source>%1 没有导入：%2。</source>
        <translation>Chưa nhập %1: %2.</translation>
    </message>
    <message>
        <source>已导入 %1 年的放假安排。</source>
        <translation>Đã nhập lịch nghỉ năm %1.</translation>
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
        <translation>Thư mục lưu tệp</translation>
    </message>
    <message>
        <source>农历 iCal 文件生成器</source>
        <translation>Trình tạo tệp iCal âm lịch</translation>
    </message>
    <message>
        <source>没有找到能打开网页的程序。地址是：<byte value="xd"/>
%1</source>
        <translation>Không tìm thấy chương trình nào để mở trang web. Địa chỉ là:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>普通格式</source>
        <translation>Thường</translation>
    </message>
    <message>
        <source>自定义格式</source>
        <translation>Tùy chỉnh</translation>
    </message>
    <message>
        <source>纪念日</source>
        <translation>Ngày kỷ niệm</translation>
    </message>
    <message>
        <source>保存这一年</source>
        <translation>Lưu năm này</translation>
    </message>
    <message>
        <source>节假日</source>
        <translation>Ngày nghỉ lễ</translation>
    </message>
    <message>
        <source> 控制 </source>
        <translation> Thao tác </translation>
    </message>
    <message>
        <source>使用说明</source>
        <translation>Trợ giúp</translation>
    </message>
    <message>
        <source>生成 &amp;iCal</source>
        <translation>Tạo &amp;iCal</translation>
    </message>
    <message>
        <source>打开文件夹</source>
        <translation>Mở thư mục</translation>
    </message>
    <message>
        <source>退       出</source>
        <translation>Thoát</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Thông báo</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Lỗi</translation>
    </message>
    <message>
        <source>年份不能为空, 请重新输入.</source>
        <translation>Năm không được để trống; hãy nhập lại.</translation>
    </message>
    <message>
        <source>结束年份必需大于等于开始年份, 请重新输入.</source>
        <translation>Năm kết thúc không được trước năm bắt đầu; hãy nhập lại.</translation>
    </message>
    <message>
        <source>纪念日列表中没有可用的纪念日，未生成文件。</source>
        <translation>Danh sách ngày kỷ niệm không có ngày nào dùng được; chưa tạo tệp nào.</translation>
    </message>
    <message>
        <source>年份必需在 %1 至 %2 之间, 请重新输入.</source>
        <translation>Năm phải nằm trong khoảng từ %1 đến %2; hãy nhập lại.</translation>
    </message>
    <message>
        <source>%1 年</source>
        <translation>năm %1</translation>
    </message>
    <message>
        <source>%1 年至 %2 年</source>
        <translation>từ năm %1 đến năm %2</translation>
    </message>
    <message>
        <source><byte value="xd"/>
文件超过 1 MB，有些网络日历可能无法导入，可改为分年生成。</source>
        <translation><byte value="xd"/>
Tệp lớn hơn 1 MB; một số lịch trực tuyến có thể không nhập được. Tạo mỗi năm một tệp sẽ tránh được điều này.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
纪念日第 %1 行有误, 未生成.</source>
        <translation><byte value="xd"/>
Ngày kỷ niệm ở dòng %1 có lỗi nên không được ghi.</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>成功生成 %1 农历纪念日 iCal 文件, 存放在以下目录: <byte value="xd"/>
%2</source>
        <translation>Đã tạo tệp iCal ngày kỷ niệm âm lịch %1, lưu trong thư mục:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>成功生成 %1 iCal 文件, 存放在以下目录: <byte value="xd"/>
%2</source>
        <translation>Đã tạo tệp iCal %1, lưu trong thư mục:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>成功生成 %1 月相 iCal 文件, 存放在以下目录: <byte value="xd"/>
%2</source>
        <translation>Đã tạo tệp iCal tuần trăng %1, lưu trong thư mục:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>成功生成 %1 节气 iCal 文件, 存放在以下目录: <byte value="xd"/>
%2</source>
        <translation>Đã tạo tệp iCal tiết khí %1, lưu trong thư mục:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>请在【节假日】的年份列表中选择要生成的年份（可多选）。</source>
        <translation>Hãy chọn các năm cần tạo trong danh sách năm ở thẻ [Ngày nghỉ lễ] (có thể chọn nhiều năm).</translation>
    </message>
    <message>
        <source>成功生成 %1 年的法定节假日 iCal 文件, 存放在以下目录: <byte value="xd"/>
%2</source>
        <translation>Đã tạo tệp iCal ngày nghỉ lễ chính thức năm %1, lưu trong thư mục:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>无法保存设置：%1。</source>
        <translation>Không lưu được cài đặt: %1.</translation>
    </message>
    <message>
        <source>输出文件夹 %1 不是文件夹（路径中有同名的文件），无法打开。请在【控制】菜单的【输出文件夹…】中另选。</source>
        <translation>Thư mục lưu tệp %1 không phải là thư mục (có một tệp trùng tên chắn đường) nên không mở được. Hãy chọn thư mục khác trong [Tùy chọn] → [Thư mục lưu tệp…].</translation>
    </message>
    <message>
        <source>没有找到能打开文件夹的程序。文件夹在：<byte value="xd"/>
%1</source>
        <translation>Không tìm thấy chương trình nào để mở thư mục. Thư mục nằm ở:<byte value="xd"/>
%1</translation>
    </message>
</context>
<context>
    <name>tessarine::MonthView</name>
    <message>
        <source>一</source>
        <translation>T2</translation>
    </message>
    <message>
        <source>二</source>
        <translation>T3</translation>
    </message>
    <message>
        <source>三</source>
        <translation>T4</translation>
    </message>
    <message>
        <source>四</source>
        <translation>T5</translation>
    </message>
    <message>
        <source>五</source>
        <translation>T6</translation>
    </message>
    <message>
        <source>六</source>
        <translation>T7</translation>
    </message>
    <message>
        <source>日</source>
        <translation>CN</translation>
    </message>
    <message>
        <source>上一年（Ctrl+PgUp）</source>
        <translation>Năm trước (Ctrl+PgUp)</translation>
    </message>
    <message>
        <source>上一月（PgUp）</source>
        <translation>Tháng trước (PgUp)</translation>
    </message>
    <message>
        <source>下一月（PgDn）</source>
        <translation>Tháng sau (PgDn)</translation>
    </message>
    <message>
        <source>下一年（Ctrl+PgDn）</source>
        <translation>Năm sau (Ctrl+PgDn)</translation>
    </message>
    <message>
        <source>今天</source>
        <translation>Hôm nay</translation>
    </message>
    <message>
        <source>回到今天（Home）</source>
        <translation>Về hôm nay (Home)</translation>
    </message>
    <message>
        <source>yyyy 年 M 月</source>
        <translation>&apos;Tháng&apos; M &apos;năm&apos; yyyy</translation>
    </message>
    <message>
        <source>  纪念日：%1</source>
        <translation>  Ngày kỷ niệm: %1</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>及其他 %n 个</source>
        <translation>
            <numerusform>và %n mục khác</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tessarine::NormalFormatTab</name>
    <message>
        <source>农历信息内容控制</source>
        <translation>Nội dung âm lịch</translation>
    </message>
    <message>
        <source>无节日节气</source>
        <translation>Không lễ tết, tiết khí</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>Ngày</translation>
    </message>
    <message>
        <source>月份+日期</source>
        <translation>Tháng + ngày</translation>
    </message>
    <message>
        <source>节日节气</source>
        <translation>Lễ tết, tiết khí</translation>
    </message>
    <message>
        <source>节气</source>
        <translation>Chỉ tiết khí</translation>
    </message>
    <message>
        <source> 同一天有节日与节气 </source>
        <translation> Lễ tết và tiết khí cùng ngày </translation>
    </message>
    <message>
        <source>显示 - 节日</source>
        <translation>Hiện lễ tết</translation>
    </message>
    <message>
        <source>显示 - 节气</source>
        <translation>Hiện tiết khí</translation>
    </message>
    <message>
        <source>显示 - 节日/节气</source>
        <translation>Hiện cả hai</translation>
    </message>
</context>
<context>
    <name>tessarine::NoticeDialog</name>
    <message>
        <source>注意：%1 有 %2 个工作日放假，而 %3 天法定假日加 %4 天调休上班应为 %5 个；请确认通知全文都已粘贴。
</source>
        <translation>Lưu ý: %1 có %2 ngày thường được nghỉ, nhưng %3 ngày nghỉ lễ theo luật cộng %4 ngày làm bù thì phải là %5; hãy kiểm tra đã dán đủ toàn văn thông báo chưa.
</translation>
    </message>
    <message>
        <source>找不到通知的年份（如“关于2027年部分节假日安排的通知”），可在上面选择年份</source>
        <translation>Không tìm thấy năm của thông báo (như trong “关于2027年部分节假日安排的通知”); hãy chọn năm ở trên</translation>
    </message>
    <message>
        <source>找不到“一、元旦：……”这样的条目</source>
        <translation>Không tìm thấy mục nào dạng “一、元旦：……”</translation>
    </message>
    <message>
        <source>这一条没有日期</source>
        <translation>Mục này không có ngày</translation>
    </message>
    <message>
        <source>没有这一天</source>
        <translation>Không có ngày này</translation>
    </message>
    <message>
        <source>放假日期不在通知的年份内</source>
        <translation>Có ngày nghỉ nằm ngoài năm của thông báo</translation>
    </message>
    <message>
        <source>“共N天”与所列日期不符</source>
        <translation>“共N天” (tổng cộng N ngày) không khớp với các ngày được liệt kê</translation>
    </message>
    <message>
        <source>同一天既放假又上班</source>
        <translation>Một ngày vừa là ngày nghỉ vừa là ngày làm việc</translation>
    </message>
    <message>
        <source>括号没有闭合</source>
        <translation>Dấu ngoặc chưa đóng</translation>
    </message>
    <message>
        <source>年份不在 %1 至 %2 年之间</source>
        <translation>Năm không nằm trong khoảng từ %1 đến %2</translation>
    </message>
    <message>
        <source>括号里的星期与日期不符</source>
        <translation>Thứ trong ngoặc không khớp với ngày</translation>
    </message>
    <message>
        <source>粘贴了两份通知，年份分别是</source>
        <translation>Đã dán hai thông báo, lần lượt của các năm</translation>
    </message>
    <message>
        <source>通知的年份与所选年份不同</source>
        <translation>Năm của thông báo khác với năm đã chọn</translation>
    </message>
    <message>
        <source>通知开头列出的这个节日没有对应的条目，通知可能不完整</source>
        <translation>Ngày lễ này được nêu ở đầu thông báo nhưng không có mục tương ứng; thông báo có thể không đầy đủ</translation>
    </message>
    <message>
        <source>这一条无法读取，通知可能不完整</source>
        <translation>Không đọc được mục này; thông báo có thể không đầy đủ</translation>
    </message>
    <message>
        <source>通知可能不完整，缺少这些节日</source>
        <translation>Thông báo có thể không đầy đủ; thiếu các ngày lễ này</translation>
    </message>
    <message>
        <source>通知修改的年份还没有放假安排</source>
        <translation>Năm mà thông báo này sửa đổi chưa có lịch nghỉ</translation>
    </message>
    <message>
        <source>这份通知的天数对不上，可能没有粘贴完整：
</source>
        <translation>Số ngày trong thông báo này không khớp; có thể chưa dán đủ:
</translation>
    </message>
    <message>
        <source>请与原文核对；确认无误后，勾选下面的“已与原文核对”才能保存。

</source>
        <translation>Hãy đối chiếu với bản gốc; nếu đúng, hãy đánh dấu “Đã đối chiếu với bản gốc” bên dưới để lưu.

</translation>
    </message>
    <message>
        <source>这一句说到放假或上班，但其中的日期无法读取</source>
        <translation>Câu này nói về ngày nghỉ hoặc ngày làm việc, nhưng không đọc được ngày trong câu</translation>
    </message>
    <message>
        <source>通知在这一句中间断开，可能没有粘贴完整</source>
        <translation>Thông báo bị ngắt giữa câu này; có thể chưa dán đủ</translation>
    </message>
    <message>
        <source>这些节日的天数对不上，通知可能不完整</source>
        <translation>Số ngày của các ngày lễ này không khớp; thông báo có thể không đầy đủ</translation>
    </message>
    <message>
        <source>已与原文核对，天数对不上也保存</source>
        <translation>Đã đối chiếu với bản gốc: vẫn lưu dù số ngày không khớp</translation>
    </message>
    <message>
        <source>粘贴通知</source>
        <translation>Dán thông báo</translation>
    </message>
    <message>
        <source>把国务院办公厅关于某年部分节假日安排的通知全文粘贴到这里：</source>
        <translation>Dán vào đây toàn văn thông báo của Văn phòng Quốc vụ viện về lịch nghỉ lễ của một năm:</translation>
    </message>
    <message>
        <source>年份：</source>
        <translation>Năm:</translation>
    </message>
    <message>
        <source>按通知标题</source>
        <translation>Theo tiêu đề</translation>
    </message>
    <message>
        <source>只粘贴了条目、没有标题时，在这里选择年份</source>
        <translation>Khi chỉ dán các mục mà không có tiêu đề, hãy chọn năm ở đây</translation>
    </message>
    <message>
        <source>读到的日期：</source>
        <translation>Các ngày đọc được:</translation>
    </message>
    <message>
        <source>保存这一年</source>
        <translation>Lưu năm này</translation>
    </message>
    <message>
        <source>正在读取……</source>
        <translation>Đang đọc…</translation>
    </message>
    <message>
        <source>无法读取：%1</source>
        <translation>Không đọc được: %1</translation>
    </message>
    <message>
        <source>这份通知修改 %1 年的%2，修改后：
</source>
        <translation>Thông báo này sửa đổi %2 năm %1; sau khi sửa:
</translation>
    </message>
    <message>
        <source>%1 年，%2 天放假：
</source>
        <translation>Năm %1, nghỉ %2 ngày:
</translation>
    </message>
</context>
<context>
    <name>tessarine::RollingFeed</name>
    <message>
        <source>今年已在 %1 年之后，没有可以滚动生成的年份。</source>
        <translation>Năm nay đã vượt quá năm %1; không còn năm nào để tạo tệp cuốn chiếu.</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Thông báo</translation>
    </message>
    <message>
        <source><byte value="xd"/>
文件超过 1 MB，有些网络日历不接受这样大的订阅，可减少【滚动年数】。</source>
        <translation><byte value="xd"/>
Tệp lớn hơn 1 MB; một số lịch trực tuyến không nhận đăng ký lớn như vậy. Giảm [Số năm cuốn chiếu] sẽ làm tệp nhỏ hơn.</translation>
    </message>
    <message>
        <source>成功生成滚动订阅文件（%1 至 %2 年），存放在以下目录: <byte value="xd"/>
%3</source>
        <translation>Đã tạo tệp đăng ký cuốn chiếu (từ năm %1 đến năm %2), lưu trong thư mục:<byte value="xd"/>
%3</translation>
    </message>
</context>
<context>
    <name>tessarine::SidePages</name>
    <message>
        <source>打开文件夹</source>
        <translation>Mở thư mục</translation>
    </message>
    <message>
        <source>查看文件内容</source>
        <translation>Xem nội dung tệp</translation>
    </message>
    <message>
        <source>返回月视图</source>
        <translation>Về lịch tháng</translation>
    </message>
    <message>
        <source>已写入：%1</source>
        <translation>Đã ghi: %1</translation>
    </message>
</context>
<context>
    <name>tessarine::WordingMenus</name>
    <message>
        <source>中国农历</source>
        <translation>Âm lịch Trung Quốc</translation>
    </message>
    <message>
        <source>韩国阴历</source>
        <translation>Âm lịch Hàn Quốc</translation>
    </message>
    <message>
        <source>越南阴历</source>
        <translation>Âm lịch Việt Nam</translation>
    </message>
    <message>
        <source>跟随系统</source>
        <translation>Theo hệ thống</translation>
    </message>
    <message>
        <source>历法</source>
        <translation>Lịch</translation>
    </message>
    <message>
        <source>按哪国的阴历换算：中国、韩国和越南的历法规则相同，只是时区不同，少数月份的初一相差一天</source>
        <translation>Tính theo âm lịch của nước nào: Trung Quốc, Hàn Quốc và Việt Nam dùng chung quy tắc nhưng khác múi giờ, nên một vài tháng bắt đầu lệch nhau một ngày</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Ngôn ngữ của tệp</translation>
    </message>
    <message>
        <source>文件中月份、节气、节日等名称的文字；自定义格式中自己写的文字不变</source>
        <translation>Ngôn ngữ của tên tháng, tiết khí, ngày lễ tết trong tệp; chữ bạn tự viết trong định dạng tùy chỉnh vẫn giữ nguyên</translation>
    </message>
    <message>
        <source>界面语言</source>
        <translation>Ngôn ngữ giao diện</translation>
    </message>
    <message>
        <source>窗口的语言；选择后窗口以新的语言重新打开</source>
        <translation>Ngôn ngữ của cửa sổ; sau khi chọn, cửa sổ mở lại bằng ngôn ngữ mới</translation>
    </message>
    <message>
        <source>地区</source>
        <translation>Khu vực</translation>
    </message>
    <message>
        <source>文件中的节日和节假日按哪个地区；选择地区也会选择它的历法和文字，之后仍可分别更改</source>
        <translation>Ngày lễ tết và ngày nghỉ lễ trong tệp theo khu vực nào; chọn khu vực cũng chọn lịch và ngôn ngữ của khu vực đó, sau đó vẫn có thể đổi riêng từng mục</translation>
    </message>
</context>
<context>
    <name>tessarine::YearSelector</name>
    <message>
        <source> 选择年份 </source>
        <translation> Chọn năm </translation>
    </message>
    <message>
        <source>结束年份</source>
        <translation>Năm kết thúc</translation>
    </message>
</context>
</TS>
