#include "ui/failure_text.h"

#include <cerrno>

namespace tessarine {

QString ReasonText(std::error_code error) {
  if (error.category() == std::system_category() || error.category() == std::generic_category()) {
    switch (error.value()) {
      case EACCES:
      case EPERM: return "没有写入权限";
      case ENOSPC:
      case EDQUOT: return "磁盘已满";
      case ENOTDIR: return "不是文件夹";
      case ENOENT: return "文件夹不存在";
      case EROFS: return "磁盘是只读的";
      case EFBIG: return "文件太大";
      case EIO: return "磁盘读写出错";
      case EEXIST: return "同名文件太多";
      case ENAMETOOLONG: return "路径太长";
      default: break;
    }
  }
  return "系统错误：" + QString::fromLocal8Bit(error.message().c_str());
}

QString WriteFailureText(const WrittenFile& file) {
  return "无法生成 iCal 文件，" + ReasonText(file.error) + "：\r\n" + QString::fromStdString(file.path.string());
}

}  // namespace tessarine
