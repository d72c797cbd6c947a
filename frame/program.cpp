#include "frame/program.h"

#include "forms/app.h"
#include "frame/error_report.h"
#include "frame/frm_start.h"
#include "platform/http.h"

namespace xpexam::frame {

void StartProgram() {
  InitErrorReport();
  FrmStart& start = FrmStart::Get();
  if (!forms::Ended() && start.Loaded()) start.Show();
}

void UseFormsEventPump() {
  platform::SetEventPump([](int max_wait_ms) { forms::PumpUntil([] { return false; }, max_wait_ms, max_wait_ms); });
}

}  // namespace xpexam::frame
