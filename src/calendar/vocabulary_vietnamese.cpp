// The Vietnamese table of the vocabulary: Mùng 1 to Mùng 10 and then the
// number, Tháng Giêng to Tháng Chạp, a leap month with nhuận after its name,
// and the zodiac by its branch (Sửu the buffalo, Mão the cat).
#include "calendar/vocabulary.h"

namespace tessarine {
namespace {

constexpr std::array<std::string_view, 12> kBranches = {"Tý",  "Sửu", "Dần", "Mão",  "Thìn", "Tỵ",
                                                        "Ngọ", "Mùi", "Thân", "Dậu", "Tuất", "Hợi"};

}  // namespace

constexpr Vocabulary kVietnameseWords = {
    {"Giáp", "Ất", "Bính", "Đinh", "Mậu", "Kỷ", "Canh", "Tân", "Nhâm", "Quý"},
    kBranches,
    " ",
    kBranches,
    "Năm {cycle}",
    {"Tháng Giêng", "Tháng Hai", "Tháng Ba", "Tháng Tư", "Tháng Năm", "Tháng Sáu", "Tháng Bảy", "Tháng Tám",
     "Tháng Chín", "Tháng Mười", "Tháng Mười Một", "Tháng Chạp"},
    {"Tháng Mười Một", "Tháng Mười Hai"},
    "",
    " nhuận",
    {"Mùng 1", "Mùng 2", "Mùng 3", "Mùng 4", "Mùng 5", "Mùng 6", "Mùng 7", "Mùng 8", "Mùng 9", "Mùng 10",
     "11",     "12",     "13",     "14",     "15",     "16",     "17",     "18",     "19",     "20",
     "21",     "22",     "23",     "24",     "25",     "26",     "27",     "28",     "29",     "30"},
    "{day}",
    "{day} {month}",
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
    "năm {year}, tháng {month}, ngày {day}",
    "Tuần trăng",
    "Tiết khí",
};

}  // namespace tessarine
