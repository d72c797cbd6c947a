#include "session/record_save_notice.h"

#include <cstring>
#include <string>

#include "frame/message_box.h"

namespace xpexam::session {

void TellIfNotSaved(int write_error, std::string_view tag, std::string_view what) {
  if (write_error == 0) return;
  // The system's reason stays as the system words it ("No space left on device").
  const std::string prompt = "\r\n\r\n" + std::string(what) + "\r\n原因：" + std::strerror(write_error);
  frame::AskInMessageBox(tag, "记录未能保存", frame::kNoticeIcon, prompt);
}

}  // namespace xpexam::session
