// The question bar's exam buttons and clock. The bar's own part of each is here; the exam
// windows (hand-in confirmation, answer prompt) and the clock's tick are added with them.
#include "frame/frm_picture.h"
#include "platform/failure.h"
#include "session/frm_tm.h"

namespace xpexam::session {

using platform::Try;

void FrmTm::HandIn() {
  Try([&] { SetLeft(0); });
  Try([&] { SetTop(0); });
  Try([&] { SetVisible(false); });
}

void FrmTm::SeeAnswerNow() {
  Try([] { frame::FrmPicture::Get().SetVisible(false); });
  Try([&] { Image2.SetCaption("显示图片"); });
}

void FrmTm::TimeKS_Timer() {}

}  // namespace xpexam::session
