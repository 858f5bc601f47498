#include "ui/failure_text.h"

#include <QCoreApplication>
#include <cerrno>

#include "export/generate.h"
#include "files/bounded_read.h"

namespace tessarine {

QString ReasonText(std::error_code error) {
  if (error == make_error_code(ReplaceRefusal::ReadOnly)) return QCoreApplication::translate("FailureText", "文件是只读的");
  if (error == make_error_code(ReplaceRefusal::NotAFile)) {
    return QCoreApplication::translate("FailureText", "同名的不是普通文件（是管道、设备或套接字），不予替换");
  }
  if (error == make_error_code(ReplaceRefusal::ForeignLink)) {
    return QCoreApplication::translate("FailureText", "同名的是其他用户在共享文件夹里建的链接，不予跟随");
  }
  if (error == make_error_code(ReadRefusal::NotAFile)) {
    return QCoreApplication::translate("FailureText", "不是普通文件（是文件夹、管道或设备）");
  }
  if (error == make_error_code(ReadRefusal::TooLarge)) {
    return QCoreApplication::translate("FailureText", "文件超过 %1 MB，不是列表").arg(kMostBytesRead >> 20);
  }
  if (error == make_error_code(GenerateRefusal::NoEvent)) {
    return QCoreApplication::translate("FailureText", "其中没有任何事件（没有事件的文件不是日历）");
  }
  if (error.category() == std::system_category() || error.category() == std::generic_category()) {
    switch (error.value()) {
      case EACCES:
      case EPERM: return QCoreApplication::translate("FailureText", "没有写入权限");
      case ENOSPC:
      case EDQUOT: return QCoreApplication::translate("FailureText", "磁盘已满");
      case ENOTDIR: return QCoreApplication::translate("FailureText", "不是文件夹");
      case ENOENT: return QCoreApplication::translate("FailureText", "文件夹不存在");
      case EROFS: return QCoreApplication::translate("FailureText", "磁盘是只读的");
      case EFBIG: return QCoreApplication::translate("FailureText", "文件太大");
      case EIO: return QCoreApplication::translate("FailureText", "磁盘读写出错");
      case EEXIST: return QCoreApplication::translate("FailureText", "同名文件太多");
      case ENAMETOOLONG: return QCoreApplication::translate("FailureText", "路径太长");
      case EISDIR: return QCoreApplication::translate("FailureText", "同名的是一个文件夹");
      case ELOOP: return QCoreApplication::translate("FailureText", "符号链接绕成了圈");
      case EBUSY:
      case ETXTBSY: return QCoreApplication::translate("FailureText", "文件正被其他程序使用");
      case EINVAL:
      case EOPNOTSUPP:
      case ENOSYS: return QCoreApplication::translate("FailureText", "这个磁盘的文件系统不支持这样写入");
      case EMFILE:
      case ENFILE: return QCoreApplication::translate("FailureText", "打开的文件太多");
      case ENOMEM: return QCoreApplication::translate("FailureText", "内存不足");
      case ENODEV:
      case ENXIO:
      case ESTALE:
      case ENOTCONN:
      case ETIMEDOUT:
      case EHOSTDOWN: return QCoreApplication::translate("FailureText", "磁盘或网络位置已断开");
      default: break;
    }
  }
  // The system words its reasons in English whatever the window speaks:
  // the rest are named by number, for a search or a bug report.
  return QCoreApplication::translate("FailureText", "系统错误（错误码 %1）").arg(error.value());
}

QString WriteFailureText(const WrittenFile& file) {
  return QCoreApplication::translate("FailureText", "无法生成 iCal 文件，%1：\r\n%2")
      .arg(ReasonText(file.error), QString::fromStdString(file.path.string()));
}

}  // namespace tessarine
