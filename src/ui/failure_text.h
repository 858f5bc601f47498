// Why a file could not be written, in the user's words: the system's error
// code named in the window's language (没有写入权限, 磁盘已满, 不是文件夹 …).
#pragma once

#include <QString>
#include <system_error>

#include "files/new_file.h"

namespace tessarine {

QString ReasonText(std::error_code error);

// "无法生成 iCal 文件，磁盘已满：" and the file's path.
QString WriteFailureText(const WrittenFile& file);

}  // namespace tessarine
