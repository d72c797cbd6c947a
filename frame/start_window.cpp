#include "frame/start_window.h"

#include <filesystem>
#include <memory>
#include <system_error>

#include "forms/app.h"
#include "forms/graphics.h"
#include "forms/msgbox.h"
#include "forms/pictures.h"
#include "frame/candidate.h"
#include "frame/error_report.h"
#include "frame/hooks.h"
#include "frame/installation.h"
#include "frame/settings.h"
#include "platform/clock.h"
#include "platform/failure.h"
#include "platform/instance.h"
#include "platform/osversion.h"
#include "platform/strings.h"
#include "platform/textfile.h"

namespace xpexam::frame {
namespace {

using platform::TryReport;

constexpr std::string_view kTag = "startload";

// Held from the start-up to the end of the program; the system drops it however the process ends.
std::unique_ptr<platform::InstanceLock>& InstanceSlot() {
  static std::unique_ptr<platform::InstanceLock> lock;
  return lock;
}

// The records folder: every save of the learner's records goes there. False when it is missing.
bool MakeRecordsFolder() {
  std::error_code ec;
  const std::string folder = platform::ResolvePath(installation().appPath() + "\\ksdata");
  std::filesystem::create_directories(folder, ec);
  return !ec && std::filesystem::is_directory(folder, ec);
}

}  // namespace

bool AnotherCopyRuns() {
  auto& lock = InstanceSlot();
  if (!lock) lock = std::make_unique<platform::InstanceLock>(installation().appPath());
  return lock->PrevInstance();
}

void ReleaseInstanceLock() { InstanceSlot().reset(); }

FrmStart::FrmStart() : FrmStartControls(static_cast<forms::Form&>(*this)) {
  SetBorderStyle(forms::WindowBorder::kNone);
  SetStartUpPosition(forms::StartPosition::kCenterScreen);
  Move(0, 0, 6075, 3075);
  Label1.SetBackStyle(forms::Background::kTransparent);
  Label1.SetForeColor(forms::Rgb(255, 255, 255));
  Label1.SetAutoSize(true);
  Label1.Move(1800, 2040);
  Timer1.Tick = [this] { Timer1_Timer(); };
}

std::string FrmStart::OperatingSystemVersion() { return platform::OsVersion(); }

void FrmStart::Form_Load() {
  const Installation& inst = installation();
  if (AnotherCopyRuns()) {
    forms::MsgBox(kAlreadyRunningText, kAlreadyRunningButtons, kAlreadyRunningTitle);
    forms::End();
    return;
  }
  if (!MakeRecordsFolder()) platform::ReportFailure(kTag, platform::kErrPathNotFound, "Path not found");

  // The settings reader reports what it cannot read itself.
  ReadSettings();
  // Only this copy runs now: a temporary file left here is a crashed write's remains.
  for (const std::string& folder : {inst.appPath() + "\\ksdata", inst.dataPath(), inst.appPath()})
    platform::RemoveStaleTempFiles(folder);

  editInstallation().SetScaleX(forms::TwipsPerPixel() / 15);
  editInstallation().SetScaleY(forms::TwipsPerPixel() / 15);
  SetWidth(ScaleX(6000));
  SetHeight(ScaleY(3000));
  TryReport(kTag, [&] { SetPicture(forms::LoadPicture(inst.dataPath() + "l20059" + ".mxy")); });
  Label1.SetTop(ScaleY(2160));
  Label1.SetCaption("正在启动" + inst.moduleTitle() + "，请稍候...");
  Label1.SetFontSize(ScaleX(11));
  // The label has sized itself to the line, so this centres it.
  Label1.SetLeft((Width() - Label1.Width()) / 2);

  editCandidate().SetName(inst.settings(8));
  TryReport(kTag, [&] { SetIcon(forms::LoadPicture(inst.dataPath() + "l62011" + ".mxy")); });
  // The real window carries the module's title and the program's icon from here on.
  forms::SetHostWindow(inst.moduleTitle().empty() ? kProgramCaption : inst.moduleTitle(), Icon());
  SetCaption(kProgramCaption);
  editInstallation().SetOsVersion(OperatingSystemVersion());
  mStartPending = true;
  Timer1.SetEnabled(true);
}

void FrmStart::Timer1_Timer() {
  if (!mStartPending) return;
  mStartPending = false;
  Timer1.SetEnabled(false);
  FinishStartUp();
}

void FrmStart::FinishStartUp() {
  // What follows the start-up (the home screen) may end the program here.
  gFrameHooks.onStartUpFinished();
  editErrorLog().NameLogFile(installation().appPath() + "\\ksdata\\" + platform::FormatCompact(platform::Now()) + ".txt");
  Unload();
}

}  // namespace xpexam::frame
