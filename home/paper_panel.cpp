// The paper panel: rows of the fixed and random papers with their history, the four views and
// the start of a paper.
#include <algorithm>
#include <string>

#include "frame/data_picture.h"
#include "desktop/session_plan.h"
#include "desktop/session_start.h"
#include "frame/installation.h"
#include "frame/message_box.h"
#include "frame/settings.h"
#include "home/home_screen.h"
#include "home/home_buttons.h"
#include "home/head_lines.h"
#include "home/session_launcher.h"
#include "platform/clock.h"
#include "platform/failure.h"
#include "platform/strings.h"
#include "platform/textfile.h"
#include "session/record_files.h"
#include "session/record_save_notice.h"

namespace xpexam::home {
namespace {

using frame::DataPicture;
using frame::DataPictureOrNone;
using frame::ScaleX;
using frame::ScaleY;
using platform::TryReport;

// The k-th of the numerals one to ten; "" past ten.
std::string Numeral(int k) {
  static const char* const kNumerals[] = {"一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};
  return k >= 1 && k <= 10 ? kNumerals[k - 1] : "";
}

int SprintRule(int papers) {
  if (papers >= 4 && papers <= 7) return 1;
  if (papers >= 8 && papers <= 11) return 3;
  if (papers >= 12 && papers <= 15) return 5;
  return 7;
}

// A paper's exam: its questions all start unfinished.
desktop::SessionRequest PaperRequest(desktop::SessionKind kind, int paper) {
  desktop::SessionRequest request;
  request.kind = kind;
  request.list = static_cast<int16_t>(paper);
  request.questionCount = desktop::kPaperQuestions;
  request.marksPastEnd = "F";
  request.tag = kClickTag;
  return request;
}

}  // namespace

void FrmFengmian::CountRandomPapers() {
  mRandomPaperCount = 0;
  TryReport(kBuildTag, [&] {
    const std::vector<std::string> lines = HeadLines(session::RandomPaperListFile(), 15);
    while (mRandomPaperCount < static_cast<int>(lines.size()) && !platform::Trim(lines[mRandomPaperCount]).empty())
      ++mRandomPaperCount;
  });
}

void FrmFengmian::LayOutPaperPanel() {
  PicKaCHLeft.Move(PicUnitLeft.Left(), PicUnitLeft.Top());
  PicKaCHLeft.SetPicture(PicUnitLeft.Picture());
  for (int i = 28; i <= 31; ++i)
    ClickBotn[i].Move(ScaleX(15), ScaleY(15 + (i - 28) * 750), ScaleX(2700), ScaleY(750));
  mLastSprintPaper = SprintRule(frame::installation().paperCount());
  // Each group starts again at the top row: only one group shows at a time.
  for (int i = 0; i <= 29; ++i) {
    std::string title;
    forms::Color colour = 0x333333;
    int place = 0;
    if (i <= mLastSprintPaper) {
      title = "冲刺试卷" + Numeral(i + 1), colour = 0xE97F0C, place = i;
    } else if (i <= 19) {
      title = "模拟试卷" + Numeral(i - mLastSprintPaper), place = i - mLastSprintPaper - 1;
    } else {
      title = "随机试卷" + Numeral(i - 19), place = i - 20;
    }
    LblShiJuanBiao[i].SetCaption(title);
    LblShiJuanBiao[i].SetForeColor(colour);
    ImgShiJuan[i].SetVisible(i <= mLastSprintPaper);
    LblShiJuanDel[i].SetCaption(i >= 20 ? "删除试卷" : "");
    ImgShiJuan[i].SetTop(ScaleY(120 + (place / 2) * 1350));
  }
  for (int e = 0; e < 100; ++e) mPaperHistory[e] = e % 3 == 0 ? "您还未考试！" : e % 3 == 1 ? "0" : "E";
  TryReport(kBuildTag, [&] {
    const std::vector<std::string> lines = HeadLines(session::PaperHistoryFile(), 100);
    for (size_t e = 0; e < lines.size(); ++e) mPaperHistory[e] = lines[e];
  });
  for (int i = 0; i <= 29; ++i) {
    forms::Image& row = ImgShiJuan[i];
    row.Move(ScaleX(2880 + (i % 2) * 4560), row.Top(), ScaleX(4410), ScaleY(1200));
    if (auto picture = DataPictureOrNone("l20065", kBuildTag)) row.SetPicture(picture);
    struct Place { forms::Label& label; int left, top; };
    for (const Place& p : {Place{LblShiJuanBiao[i], 120, 210}, Place{LblShiJuanTime[i], 120, 555},
                           Place{LblShiJuanSSSS[i], 120, 870}, Place{LblShiJuanScore[i], 1140, 870},
                           Place{LblShiJuanCCC[i], 1800, 870}, Place{LblShiJuanCuoTi[i], 2520, 870},
                           Place{LblShiJuanDel[i], 1800, 225}}) {
      p.label.SetBackStyle(forms::Background::kTransparent);
      p.label.SetAutoSize(true);
      p.label.SetFontSize(ScaleX(p.left == 120 && p.top == 210 ? 10 : 9));
      p.label.Move(row.Left() + ScaleX(p.left), row.Top() + ScaleY(p.top));
    }
    LblShiJuanBiao[i].SetFontBold(true);
    for (forms::Label* l : {&LblShiJuanTime[i], &LblShiJuanSSSS[i], &LblShiJuanCuoTi[i]}) l->SetForeColor(0x666666);
    LblShiJuanSSSS[i].SetCaption("最好成绩：    分");
    LblShiJuanScore[i].SetFontBold(true);
    LblShiJuanScore[i].SetForeColor(0xE97F0C);
    LblShiJuanScore[i].SetAlignment(forms::TextAlign::kCenter);
    LblShiJuanScore[i].SetCaption("");
    LblShiJuanCCC[i].SetCaption("错题复习");
    LblShiJuanCCC[i].SetForeColor(0xE0);
    LblShiJuanDel[i].SetForeColor(0xE97F0C);
    for (forms::Label* l : {&LblShiJuanCCC[i], &LblShiJuanDel[i]})
      TryReport(kBuildTag, [&] {
        l->SetMousePointer(forms::PointerStyle::kCustom);
        l->SetMouseIcon(DataPicture("9l0015"));
      });
    ClickBotn[70 + i].Move(row.Left() + ScaleX(3000), row.Top() + ScaleY(630), ScaleX(1275), ScaleY(450));
    const std::string wrong = session::ReadRecordLine(session::PaperWrongFile(i));
    LblShiJuanCuoTi[i].SetCaption("(" + std::to_string(platform::Len(wrong) / 4) + ")");
    LblShiJuanTime[i].SetCaption("最后考试时间：" + platform::Left(mPaperHistory[3 * i], 16));
    LblShiJuanScore[i].SetCaption(mPaperHistory[3 * i + 1]);
  }
  ImgSuiJi.Move(ScaleX(2730), ScaleY(90));
  if (auto picture = DataPictureOrNone("l20066", kBuildTag)) ImgSuiJi.SetPicture(picture);
  ImgSuiJi.SetVisible(false);
  ClickBotn[21].SetVisible(ImgSuiJi.Visible());
  LblNoHis.SetCaption("您还没有练习过随机试卷！");
  LblNoHis.SetBackStyle(forms::Background::kTransparent);
  LblNoHis.SetAutoSize(true);
  LblNoHis.SetForeColor(0x404040);
  LblNoHis.Move(ScaleX(4680), ScaleY(2160));
  LblNoHis.SetFontSize(ScaleX(20));
  LblNoHis.SetVisible(false);
  ClickBotn_Click(28);
}

void FrmFengmian::ShowPaperView(int index) {
  LblNoHis.SetVisible(false);
  for (int i = 28; i <= 31; ++i) ClickBotn[i].SetEnabled(true);
  ClickBotn[index].SetEnabled(false);
  int first = 0, last = -1;  // rows shown
  const char* face = nullptr;
  // A bank with fewer fixed papers than sprint rows shows only the papers it holds.
  if (index == 28) first = 0, last = std::min(mLastSprintPaper, frame::installation().paperCount() - 1), face = "l20047";
  if (index == 29) first = mLastSprintPaper + 1, last = frame::installation().paperCount() - 1, face = "l20048";
  if (index == 31) first = 20, last = 19 + mRandomPaperCount, face = "l20048";
  for (int i = 0; i <= 29; ++i) {
    const bool shown = i >= first && i <= last;
    ImgShiJuan[i].SetVisible(shown);
    if (shown) TryReport(kClickTag, [&] { ClickBotn[70 + i].SetPicture(DataPicture(face)); });
  }
  ImgSuiJi.SetVisible(index == 30);
  if (index == 31 && mRandomPaperCount == 0) LblNoHis.SetVisible(true);
  ClickBotn[21].SetVisible(ImgSuiJi.Visible());
  for (int i = 0; i <= 29; ++i) {
    const bool shown = ImgShiJuan[i].Visible();
    for (forms::Label* l : {&LblShiJuanBiao[i], &LblShiJuanTime[i], &LblShiJuanSSSS[i], &LblShiJuanScore[i],
                            &LblShiJuanCCC[i], &LblShiJuanCuoTi[i], &LblShiJuanDel[i]})
      l->SetVisible(shown);
    ClickBotn[70 + i].SetVisible(shown);
  }
}

void FrmFengmian::ChoosePaperView() {
  // The sprint papers until every one has a best score of 75 or more.
  for (int p = 0; p <= mLastSprintPaper; ++p) {
    const double best = platform::Val(mPaperHistory[3 * p + 1]);
    if (best < 75) {
      ClickBotn_Click(28);
      return;
    }
  }
  ClickBotn_Click(29);
}

void FrmFengmian::StartPaper(int index) {
  const frame::Installation& inst = frame::installation();
  const int p = index - 70;
  // Only a paper the bank or the random paper list holds: any other line is no paper.
  if (p < 20 ? p >= inst.paperCount() : p > 19 + mRandomPaperCount) return;
  desktop::SessionRequest request = PaperRequest(p < 20 ? desktop::SessionKind::kFixedPaper : desktop::SessionKind::kRandomPaper, p);
  // A fixed paper's codes are a line of the bank's layout, a random paper's a line of its list.
  const std::string path = p < 20 ? inst.dataPath() + "288891.mxy" : session::RandomPaperListFile();
  const int n = p < 20 ? p : p - 22;
  TryReport(kClickTag, [&] {
    const std::vector<std::string> lines = HeadLines(path, static_cast<size_t>(n + 3));
    if (!lines.empty()) request.codes = lines.back();
  });
  desktop::BeginSession(request);
  ShowSession();
}

void FrmFengmian::NewRandomPaper() {
  const frame::Installation& inst = frame::installation();
  PicAd.SetVisible(true);
  // A bank with fewer than 40 questions could never complete a paper: nothing is drawn, and the
  // learner is told why.
  long total = 0;
  for (int u = 0; u < inst.unitCount() && u <= 40; ++u) total += platform::CLng(platform::Val(inst.unitTable(u, 2)));
  if (inst.unitCount() <= 0 || total < desktop::kPaperQuestions) {
    frame::AskInMessageBox(kClickTag, "随机试卷", frame::kNoticeIcon, "\r\n\r\n本题库的题目不足40道，\r\n不能生成随机试卷。");
    return;
  }
  platform::Randomize(static_cast<uint64_t>(platform::TickCount()));
  std::string list;
  while (platform::Len(list) < 4 * desktop::kPaperQuestions) {
    // Only units the table holds, as counted above.
    const long u = static_cast<long>(platform::Rnd() * 1000) % std::min<long>(inst.unitCount(), 41);
    const long count = platform::CLng(platform::Val(inst.unitTable(u, 2)));
    if (count <= 0) continue;  // a unit without questions is drawn again
    const long q = static_cast<long>(platform::Rnd() * 1000) % count + 1;
    const std::string code = platform::ZeroPad(u, 2) + platform::ZeroPad(q, 2);
    if (session::FindInKeyed(session::KeyedCopy(list), code) == 0) list += code;
  }
  desktop::SessionRequest request = PaperRequest(desktop::SessionKind::kRandomPaper, 20);
  request.codes = list;
  request.beforeOpening = [&] { RecordNewRandomPaper(list); };
  desktop::BeginSession(request);
  ShowSession();
}

// The new paper goes first in the random paper list with an empty history and no wrong
// answers; the older papers move down one place.
void FrmFengmian::RecordNewRandomPaper(const std::string& list) {
  const platform::WriteFailureWatch writes;
  TryReport(kClickTag, [&] {
    std::vector<std::string> old;
    if (platform::FileExists(session::RandomPaperListFile())) old = HeadLines(session::RandomPaperListFile(), 15);
    std::vector<std::string> lines{list};
    for (size_t k = 0; k < 9; ++k) lines.push_back(k < old.size() ? old[k] : "");
    if (!platform::WriteTextLines(session::RandomPaperListFile(), lines)) platform::Fail(platform::kErrPathNotFound, "Path not found");
  });
  TryReport(kClickTag, [&] {
    if (!platform::FileExists(session::PaperHistoryFile())) return;
    const std::vector<std::string> lines = HeadLines(session::PaperHistoryFile(), 100);
    for (size_t e = 0; e < lines.size(); ++e) mPaperHistory[e] = lines[e];
  });
  std::vector<std::string> history(mPaperHistory.begin(), mPaperHistory.begin() + 60);
  history.push_back(platform::FormatDateTime(platform::Now()));
  history.push_back("0");
  history.push_back("E");
  history.insert(history.end(), mPaperHistory.begin() + 60, mPaperHistory.begin() + 87);
  if (!session::WriteRecordLines(session::PaperHistoryFile(), history))
    platform::ReportFailure(kClickTag, platform::kErrPathNotFound, "Path not found");
  // Never truncated in place: a crash leaves the old or the new content.
  for (int i = std::min(mRandomPaperCount, 9); i >= 1; --i)
    if (!platform::CopyFileAtomic(session::PaperWrongFile(19 + i), session::PaperWrongFile(20 + i)))
      platform::ReportFailure(kClickTag, platform::kErrFileNotFound, "File not found");
  if (!session::WriteRecordLine(session::PaperWrongFile(20), ""))
    platform::ReportFailure(kClickTag, platform::kErrPathNotFound, "Path not found");
  // The paper is drawn and starts all the same; only its place in the list is lost.
  session::TellIfNotSaved(writes.firstError(), kClickTag, session::kChangeNotSaved);
}

}  // namespace xpexam::home
