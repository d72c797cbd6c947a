#include "home/update_window.h"

#include "forms/app.h"
#include "forms/msgbox.h"
#include "frame/data_picture.h"
#include "frame/error_report.h"
#include "frame/installation.h"
#include "frame/settings.h"
#include "frame/start_window.h"
#include "frame/update_list.h"
#include "platform/failure.h"
#include "platform/http.h"
#include "platform/shell.h"
#include "platform/strings.h"
#include "platform/textfile.h"

namespace xpexam::home {

using namespace frame;  // the installation, its pictures and captions

using platform::Fail;
using platform::TryReport;

namespace {

constexpr std::string_view kLoadTag = "upload";
constexpr std::string_view kRunTag = "tkup";

// Set while a run lasts: a window loaded again during an earlier run's wait starts its own
// run only after that one has ended.
bool g_run_active = false;

// Outlives the window: it is set before the window loads.
bool g_opened_by_learner = false;

struct RunMark {
  RunMark() { g_run_active = true; }
  ~RunMark() { g_run_active = false; }
  RunMark(const RunMark&) = delete;
  RunMark& operator=(const RunMark&) = delete;
};

// The data folder's own name: dataPath without the program folder and the separators.
std::string DataFolderName() {
  return platform::Replace(platform::Replace(installation().dataPath(), installation().appPath(), ""), "\\", "");
}

// Names from the installation are encoded: a "#", "?" or "%" in them must not cut the request.
std::string ModuleBase() { return platform::ServerUrl() + "/up/tolqa/" + platform::UrlEncode(installation().moduleName()) + "/"; }

// Limits by kind: a server that trickles or sends too much never holds the program for long.
constexpr platform::DownloadLimits kListLimits{15, 30, 60, 1LL << 20};
// The banner is fetched while the window loads, where no event may run: kept short instead.
constexpr platform::DownloadLimits kBannerLimits{5, 5, 10, 4LL << 20, false};
constexpr platform::DownloadLimits kFileLimits{15, 30, 600, 256LL << 20};

void Download(const std::string& url, const std::string& path) {
  platform::DownloadResult r = platform::DownloadToFile(url, path, kListLimits);
  if (!r.ok) Fail(platform::kErrFileIo, "Download failed: " + url + " " + r.error);
}

}  // namespace

FrmUpdata::FrmUpdata() : FrmUpdataControls(static_cast<forms::Form&>(*this)) {
  SetBorderStyle(forms::WindowBorder::kNone);
  SetStartUpPosition(forms::StartPosition::kCenterScreen);
  for (forms::Label* l : {&Label4, &Label3, &LblVer, &Label1, &Label2, &lblMove}) l->SetBackStyle(forms::Background::kTransparent);
  for (forms::Label* l : {&Label4, &Label3, &Label1, &Label2}) l->SetAutoSize(true);
  Label4.SetForeColor(0x00FFFFFF);
  Label2.SetForeColor(0x000000FF);
  Timer1.Tick = [this] { Timer1_Timer(); };
  Command1.Click = [this] { Command1_Click(); };
  lblMove.MouseDown = [this](int button, int shift, double x, double y) { lblMove_MouseDown(button, shift, x, y); };
}

void FrmUpdata::Form_Load() {
  const frame::Installation& inst = frame::installation();
  SetTopMost(true);
  Move(Left(), Top(), ScaleX(5550), ScaleY(3750));
  TryReport(kLoadTag, [&] { SetIcon(DataPicture("l62011")); });
  SetCaption(frame::kProgramCaption);
  TryReport(kLoadTag, [&] { SetPicture(DataPicture("l20069")); });
  ImgLogo1.Move(ScaleX(120), ScaleY(90));
  if (auto picture = DataPictureOrNone("l20067", kLoadTag)) ImgLogo1.SetPicture(picture);
  lblMove.Move(0, 0, ScaleX(5580), ScaleY(540));
  Label3.Move(ScaleX(360), ScaleY(960));
  Label3.SetFontSize(9 * inst.scaleX());
  Label1.Move(ScaleX(360), ScaleY(1440));
  Label1.SetFontSize(9 * inst.scaleX());
  // The version's box keeps its design size at every scale.
  LblVer.Move(ScaleX(1800), ScaleY(960), 1935, 255);
  LblVer.SetFontSize(9 * inst.scaleX());
  Label2.Move(ScaleX(360), ScaleY(1920));
  Label2.SetFontSize(14 * inst.scaleX());
  Label4.Move(ScaleX(600), ScaleY(150));
  Label4.SetFontSize(10 * inst.scaleX());
  Label4.SetCaption("新版本检测——" + inst.moduleTitle());
  Command1.Move(ScaleX(3480), ScaleY(2880), ScaleX(1350), ScaleY(450));
  if (auto picture = DataPictureOrNone("l20001", kLoadTag)) Command1.SetPicture(picture);

  Label3.SetCaption("当前题库版本是：");
  LblVer.SetCaption(inst.bankVersion());
  Label1.SetCaption("最新题库版本是：" + inst.bankVersion());
  Label2.SetCaption("已是最新版本，无需升级。");

  SetVisible(false);
  Timer1.SetEnabled(true);
  // The banner for the home screen's next load; whether it came is not examined.
  TryReport(kLoadTag, [&] {
    platform::DownloadToFile(platform::ServerUrl() + "/up/ad/" + platform::UrlEncode(inst.settings(12)) + "/170100.rar",
                             inst.appPath() + "\\ksdata\\170100" + ".mxy", kBannerLimits);
  });
}

bool FrmUpdata::OpenedByLearner() { return g_opened_by_learner; }
void FrmUpdata::MarkOpenedByLearner() { g_opened_by_learner = true; }
void FrmUpdata::ForgetOpenedByLearner() { g_opened_by_learner = false; }

void FrmUpdata::Timer1_Timer() {
  SetVisible(OpenedByLearner());
  if (g_run_active) return;  // the timer ticks again
  Timer1.SetEnabled(false);
  RunUpdate();
}

void FrmUpdata::RunUpdate() {
  const frame::Installation& inst = frame::installation();
  if (g_run_active) return;
  RunMark mark;
  auto step = [](auto&& statement) { return TryReport(kRunTag, statement); };

  std::string data_folder, module_base, list_url;
  step([&] {
    data_folder = DataFolderName();
    module_base = ModuleBase();
    list_url = module_base + platform::UrlEncode(data_folder) + "/288895.txt";
  });

  std::string reply;
  step([&] { reply = HttpGetWithTimeout(list_url, 2); });
  // Closing the window during the wait ends the run.
  if (!Loaded()) return;
  if (reply.starts_with("error")) {
    step([&] { ShowRetry(); });
    return;
  }
  if (!reply.starts_with("20")) return;
  const std::string list_version = platform::Left(platform::Trim(reply), 12);
  if (list_version <= inst.bankVersion()) return;

  const std::string downloaded_list = inst.appPath() + "\\ksdata\\288895" + ".mxy";
  if (!step([&] { Download(list_url, downloaded_list); })) {
    step([&] { ShowRetry(); });
    return;
  }

  SetVisible(false);
  const int answer = forms::MsgBox("题库有新文件，是否要进行升级？", forms::kYesNo + forms::kQuestion, "升级软件");
  if (answer != forms::kYes || !Loaded()) return;

  int attempted = 0, fetched = 0;
  bool self_update = false;
  std::vector<UpdateEntry> entries;
  step([&] {
    auto lines = platform::ReadTextLines(downloaded_list);
    if (!lines) Fail(platform::kErrFileNotFound, "File not found");
    entries = ParseUpdateList(*lines, data_folder);
  });
  const std::string own_file = platform::LCase(inst.appExeName() + ".exe");
  for (const UpdateEntry& e : entries) {
    step([&] {
      // A name that would leave its folder is never used, on the server or here.
      if (!IsPlainRelativeName(e.name)) {
        ++attempted;
        return;
      }
      std::string local_path = inst.appPath() + "\\" + e.folder + e.local_name;
      const std::string local_stamp = LocalStamp(local_path);
      const bool own = platform::LCase(e.local_name) == own_file;
      // A new program file waits beside the running one for the external updater.
      if (own) local_path += "_bak";
      if (local_stamp >= e.stamp) return;
      const std::string url = module_base + platform::Replace(e.folder + e.remote_name, "\\", "/");
      ++attempted;
      if (!platform::DownloadToFile(url, local_path, kFileLimits).ok) return;
      ++fetched;
      if (own) {
        if (!platform::WriteTextLines(inst.appPath() + "\\uprun.dll", {platform::ResolvePath(local_path)}))
          Fail(platform::kErrFileIo, "Path/File access error");
        self_update = true;
      }
    });
  }

  // The new list is installed only when every file came, so that a later check fetches the rest.
  if (fetched == attempted) {
    const auto bytes = platform::ReadFileBytes(downloaded_list);
    if (!bytes || !platform::WriteFileAtomic(inst.dataPath() + "288895.mxy", *bytes))
      platform::ReportFailure(kRunTag, platform::kErrFileIo, "Path/File access error");
  }
  forms::MsgBox("已更新" + platform::Str(fetched) + "/" + platform::Str(attempted) + "文件。请重新打开软件！", forms::kOkOnly, AppTitle());
  if (self_update) step([&] { platform::StartExecutable(inst.appPath() + "\\qoitpk.rar"); });
  forms::End();
}

void FrmUpdata::ShowRetry() {
  // The check never reached the list: the newest version is unknown, and the learner reads the
  // time-out text without its "error-timeout，" token.
  Label1.SetCaption("最新题库版本是：");
  Label2.SetCaption(std::string(kRetryText));
}

void FrmUpdata::Command1_Click() { Unload(); }

void FrmUpdata::lblMove_MouseDown(int button, int, double, double) {
  if (button == forms::kLeftButton) DragWindow();
}

}  // namespace xpexam::home
