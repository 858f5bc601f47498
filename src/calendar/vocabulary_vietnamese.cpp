// The Vietnamese table of the vocabulary: Mùng 1 to Mùng 10, the number,
// and Rằm for the 15th; Tháng Giêng to Tháng Chạp, a leap month with nhuận
// after its name; the zodiac by its animal, Vietnam's own (Mèo the cat for
// Mão, Trâu the buffalo for Sửu), while the year keeps its branch.
//
// Sources:
// - capitals: Nghị định 30/2020/NĐ-CP, Phụ lục II, mục V, khoản 8: "tháng"
//   in lower case, the month's word capitalised ("tháng Năm", "tháng
//   Tám"), each syllable of a lunar year's name capitalised ("Kỷ Tỵ"); as
//   quoted at https://luatvietnam.vn/hanh-chinh/cach-viet-hoa-thu-thang-dung-chuan-nghi-dinh-30-2020-nd-cp-570-99688-article.html
// - mùng/mồng 1 to 10, both accepted by the Viện Ngôn ngữ học dictionary:
//   https://nghengu.vn/tieng-nghe-cua-toi/mong-hay-mung-la-dung-1916.html
// - rằm, the 15th ("rằm tháng Giêng", "rằm tháng Bảy"), and the date with
//   its pillars as the press writes it ("ngày 12 tháng 10, là ngày Giáp
//   Thìn, tháng Đinh Hợi, năm Ất Tỵ"): Thanh Niên 2025-12-01,
//   https://thanhnien.vn/hom-nay-dau-thang-12-theo-lich-am-co-gi-thu-vi-may-ngay-nua-den-tet-185251130092258546.htm
// - stems and branches: CLDR vi, ca-chinese.json (unicode-org/cldr-json);
//   the twelve animals, Tý – Chuột … Hợi – Lợn, with Mão the cat:
//   https://hoanghaistore.com/12-con-giap-theo-thu-tu/ ,
//   https://tiengtrunggiaotiep.edu.vn/12-con-giap-trung-quoc.html
#include "calendar/vocabulary.h"
#include "calendar/vocabulary_patterns.h"

namespace tessarine {

constexpr Vocabulary kVietnameseWords = {
    {"Giáp", "Ất", "Bính", "Đinh", "Mậu", "Kỷ", "Canh", "Tân", "Nhâm", "Quý"},
    {"Tý", "Sửu", "Dần", "Mão", "Thìn", "Tỵ", "Ngọ", "Mùi", "Thân", "Dậu", "Tuất", "Hợi"},
    " ",
    {"Chuột", "Trâu", "Hổ", "Mèo", "Rồng", "Rắn", "Ngựa", "Dê", "Khỉ", "Gà", "Chó", "Lợn"},
    "Năm {cycle}",
    {"Tháng Giêng", "Tháng Hai", "Tháng Ba", "Tháng Tư", "Tháng Năm", "Tháng Sáu", "Tháng Bảy", "Tháng Tám",
     "Tháng Chín", "Tháng Mười", "Tháng Mười Một", "Tháng Chạp"},
    {"Tháng Mười Một", "Tháng Mười Hai"},
    "",
    " nhuận",
    {"Mùng 1", "Mùng 2", "Mùng 3", "Mùng 4", "Mùng 5", "Mùng 6", "Mùng 7", "Mùng 8", "Mùng 9", "Mùng 10",
     "11",     "12",     "13",     "14",     "Rằm",    "16",     "17",     "18",     "19",     "20",
     "21",     "22",     "23",     "24",     "25",     "26",     "27",     "28",     "29",     "30"},
    "{day}",
    "{day} {monthInText}",
    "",
    "{calendar}: {monthDay} {yearInText}",
    {"Tiểu hàn", "Đại hàn", "Lập xuân", "Vũ thủy", "Kinh trập", "Xuân phân", "Thanh minh", "Cốc vũ",
     "Lập hạ", "Tiểu mãn", "Mang chủng", "Hạ chí", "Tiểu thử", "Đại thử", "Lập thu", "Xử thử",
     "Bạch lộ", "Thu phân", "Hàn lộ", "Sương giáng", "Lập đông", "Tiểu tuyết", "Đại tuyết", "Đông chí"},
    {"Tết Nguyên Đán", "Mùng 2 Tết", "Mùng 3 Tết", "Vía Ngọc Hoàng", "Vía Thần Tài", "Rằm tháng Giêng",
     "Tết Thượng Tỵ", "Tết Hàn thực", "Giỗ Tổ Hùng Vương", "Phật Đản", "Tết Đoan Ngọ", "Thất Tịch", "Vu Lan",
     "Tết Trung Thu", "Tết Trùng Cửu", "Tết Hàn y", "Tết Hạ Nguyên", "Lạp Bát", "Vĩ Nha", "Ông Công Ông Táo",
     "Tiễn thần", "Lạp nhật", "Trước Giao thừa", "Giao thừa"},
    {"Tết Dương lịch", "Lễ Tình nhân", "Quốc tế Phụ nữ", "Cá tháng Tư", "Quốc tế Lao động",
     "Ngày Thanh niên Trung Quốc", "Quốc tế Thiếu nhi", "Ngày Nhà giáo Trung Quốc", "Quốc khánh Trung Quốc",
     "Halloween", "Đêm Giáng sinh", "Giáng sinh", "Ngày của Mẹ", "Ngày của Cha", "Lễ Tạ ơn",
     // Taiwan's, Hong Kong's
     "Ngày Tưởng niệm Hòa bình", "Ngày Thanh niên Đài Loan", "Ngày Thiếu nhi Đài Loan", "Ngày Nhà giáo Đài Loan",
     "Quốc khánh Đài Loan", "Ngày Quang phục Đài Loan", "Ngày Quang phục Đài Loan và Chiến thắng Cổ Ninh Đầu",
     "Ngày Hành hiến Đài Loan", "Thứ Sáu Tuần Thánh", "Thứ Hai Phục Sinh", "Ngày thành lập Đặc khu Hồng Kông",
     // Korea's
     "Ngày Phong trào Độc lập Hàn Quốc", "Ngày Trồng cây Hàn Quốc", "Quốc tế Lao động", "Ngày Thiếu nhi Hàn Quốc",
     "Ngày Tưởng niệm Hàn Quốc", "Ngày Lập hiến Hàn Quốc", "Ngày Giải phóng Hàn Quốc", "Ngày Quân đội Hàn Quốc",
     "Ngày Lập quốc Hàn Quốc", "Ngày Hangul",
     // Vietnam's
     "Ngày thành lập Đảng Cộng sản Việt Nam", "Ngày Giải phóng miền Nam", "Ngày Chiến thắng Điện Biên Phủ",
     "Ngày sinh Chủ tịch Hồ Chí Minh", "Ngày Thương binh – Liệt sĩ", "Ngày Cách mạng Tháng Tám", "Quốc khánh",
     "Ngày Phụ nữ Việt Nam", "Ngày Nhà giáo Việt Nam", "Ngày thành lập Quân đội nhân dân Việt Nam"},
    {"CN", "T2", "T3", "T4", "T5", "T6", "T7"},
    "Nghỉ",
    "Làm bù",
    {"Âm lịch Trung Quốc", "Âm lịch Hàn Quốc", "Âm lịch"},
    "Kỷ niệm âm lịch",
    "Còn {days} ngày: {name}",
    {"Trăng non", "Thượng huyền", "Trăng tròn", "Hạ huyền"},
    {"Sơ phục", "Trung phục", "Mạt phục"},
    {"Cửu 1", "Cửu 2", "Cửu 3", "Cửu 4", "Cửu 5", "Cửu 6", "Cửu 7", "Cửu 8", "Cửu 9"},
    "{period} ngày {day}",
    "Năm {year}, tháng {month}, ngày {day}",
    "Tuần trăng",
    "Tiết khí",
};

static_assert(PatternsFill(kVietnameseWords));

}  // namespace tessarine
