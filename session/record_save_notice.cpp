#include "session/record_save_notice.h"

#include <cerrno>
#include <string>

#include "frame/message_box.h"

namespace xpexam::session {

namespace {

// The reason in the words of the learner's system messages: the C library would say it in
// English whatever the program's language.
std::string ReasonFor(int error) {
  switch (error) {
    case EACCES:
    case EPERM:
      return "拒绝访问。";
    case EROFS:
      return "介质受写入保护。";
    case ENOSPC:
      return "磁盘空间不足。";
    case EDQUOT:
      return "配额不足，无法处理此命令。";
    case EIO:
      return "由于 I/O 设备错误，无法运行此项请求。";
    case ENOENT:
    case ENOTDIR:
      return "系统找不到指定的路径。";
    default:
      return "系统错误，错误号 " + std::to_string(error) + "。";
  }
}

}  // namespace

void TellIfNotSaved(int write_error, std::string_view tag, std::string_view what) {
  if (write_error == 0) return;
  const std::string prompt = "\r\n\r\n" + std::string(what) + "\r\n原因：" + ReasonFor(write_error);
  frame::AskInMessageBox(tag, "记录未能保存", frame::kNoticeIcon, prompt);
}

}  // namespace xpexam::session
