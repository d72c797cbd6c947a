// The bookmark and wrong-answer panels: counters, review filters, practice and clearing.
#include <string>

#include "frame/data_picture.h"
#include "desktop/session_plan.h"
#include "desktop/session_start.h"
#include "frame/installation.h"
#include "frame/message_box.h"
#include "frame/settings.h"
#include "home/home_screen.h"
#include "home/home_buttons.h"
#include "home/session_launcher.h"
#include "platform/failure.h"
#include "platform/strings.h"
#include "platform/textfile.h"
#include "session/record_files.h"
#include "session/record_save_notice.h"

namespace xpexam::home {

// What tells the two panels apart.
struct FrmFengmian::RecordPanel {
  forms::Image& back;
  forms::Label& not_reviewed;
  forms::Label& reviewed;
  int16_t& filter;
  int filter_button;  // the not-reviewed button; the reviewed one follows it
  const char* background;
  std::string list_file;
  std::string flag_file;
  bool bookmarks;
};

namespace {

using frame::DataPictureOrNone;
using frame::ScaleX;
using frame::ScaleY;

// Line 1 of a record file, trimmed; "" when the file is missing or empty.
std::string RecordLine(const std::string& path) { return session::ReadRecordLine(path); }

// The codes of a list line split by their flags; codes past the last flag go to neither.
struct Split {
  std::string reviewed, not_reviewed;
};
Split SplitByFlags(const std::string& list, const std::string& flags) {
  Split split;
  const std::vector<std::string> codes = platform::Groups(list, 4);
  const std::vector<std::string> marks = platform::Chars(flags);
  for (size_t i = 0; i < marks.size() && i < codes.size(); ++i)
    (marks[i] == "T" ? split.reviewed : split.not_reviewed) += codes[i];
  return split;
}

bool Message(const std::string& title, const char* icon, const std::string& text) {
  return frame::AskInMessageBox(kClickTag, title, icon, "\r\n\r\n\r\n" + text);
}

}  // namespace

FrmFengmian::RecordPanel FrmFengmian::Panel(int index) {
  if (index == 22 || index == 23 || index == 40 || index == 41)
    return {ImgBiaoZhiBack, LblBiaoZhiWei, LblBiaoZhiYI, mBookmarkFilter, 40, "l20057", session::BookmarkListFile(), session::BookmarkFlagFile(), true};
  return {ImgCuoTiBack, LblCuoTiWei, LblCuoTiYI, mWrongFilter, 42, "l20058", session::WrongListFile(), session::WrongFlagFile(), false};
}

void FrmFengmian::LayOutRecordPanels() {
  for (int index : {40, 42}) {
    RecordPanel p = Panel(index);
    p.back.Move(0, 0);
    if (auto picture = DataPictureOrNone(p.background, kBuildTag)) p.back.SetPicture(picture);
    int k = 0;
    for (forms::Label* counter : {&p.not_reviewed, &p.reviewed}) {
      const int top = k++ == 0 ? 2385 : 2835;
      counter->SetBackStyle(forms::Background::kTransparent);
      counter->SetAutoSize(true);
      counter->SetFontBold(true);
      counter->SetForeColor(0x000000FF);
      counter->SetCaption("00");
      counter->SetAlignment(forms::TextAlign::kCenter);
      counter->SetFontSize(ScaleX(10));
      counter->Move(ScaleX(7140), ScaleY(top));
    }
    ClickBotn[index].Move(ScaleX(5775), ScaleY(2235), ScaleX(1200), ScaleY(450));
    ClickBotn[index + 1].Move(ScaleX(5775), ScaleY(2685), ScaleX(1200), ScaleY(450));
    p.filter = 1;
    if (auto picture = DataPictureOrNone("l200" + std::to_string(index + 50), kBuildTag)) ClickBotn[index].SetPicture(picture);
    if (auto picture = DataPictureOrNone("l200" + std::to_string(index + 1), kBuildTag)) ClickBotn[index + 1].SetPicture(picture);
    const std::string flags = RecordLine(p.flag_file);
    long reviewed = 0;
    for (char c : flags) reviewed += c == 'T';
    const long not_reviewed = platform::Len(flags) - reviewed;
    p.not_reviewed.SetCaption(std::to_string(not_reviewed));
    p.reviewed.SetCaption(std::to_string(reviewed));
  }
}

void FrmFengmian::ToggleReviewFilter(int index) {
  RecordPanel p = Panel(index);
  const int bit = index == p.filter_button ? 1 : 2;
  const bool on = (p.filter & bit) == 0;
  p.filter = static_cast<int16_t>(on ? p.filter + bit : p.filter - bit);
  if (auto picture = DataPictureOrNone("l200" + std::to_string(on ? index + 50 : index), kClickTag)) ClickBotn[index].SetPicture(picture);
}

void FrmFengmian::StartRecordPractice(int index) {
  RecordPanel p = Panel(index);
  const int filter = p.filter;
  if (filter == 0) return;
  const std::string title = p.bookmarks ? "收藏题目练习" : "错题复习";
  const std::string list = RecordLine(p.list_file);
  const std::string flags = list.empty() ? "" : RecordLine(p.flag_file);
  if (list.empty() || flags.empty()) {
    Message(title, frame::kNoticeIcon, p.bookmarks ? "您还没有已收藏题目！" : "您还没有错题记录！");
    return;
  }
  const Split split = SplitByFlags(list, flags);
  const std::string session = platform::Trim(filter == 3 ? list : filter == 1 ? split.not_reviewed : split.reviewed);
  if (session.empty()) {
    const char* text = filter == 1 ? (p.bookmarks ? "您没有未复习的收藏题目！" : "您还没有未复习的错题记录！")
                                   : (p.bookmarks ? "您没有已复习的收藏题目！" : "您还没有已复习的错题记录！");
    Message(title, frame::kNoticeIcon, text);
    return;
  }
  desktop::SessionRequest request;
  // Kinds by filter 3, 1, 2.
  request.kind = filter == 3   ? (p.bookmarks ? desktop::SessionKind::kBookmarksAll : desktop::SessionKind::kWrongAll)
              : filter == 1 ? (p.bookmarks ? desktop::SessionKind::kBookmarksNotReviewed : desktop::SessionKind::kWrongNotReviewed)
                            : (p.bookmarks ? desktop::SessionKind::kBookmarksReviewed : desktop::SessionKind::kWrongReviewed);
  request.codes = platform::Left(session, 4 * desktop::SessionPlan::kMaxQuestions);
  request.questionCount = static_cast<int16_t>(platform::Len(request.codes) / 4);
  // Every position takes its mark: the whole list its flags, a filtered one the filter's own.
  request.marks = filter == 3 ? platform::Left(flags, desktop::SessionPlan::kMaxQuestions) : "";
  request.marksPastEnd = filter == 3 ? "" : filter == 1 ? "F" : "T";
  request.markedPositions = desktop::SessionPlan::kMaxQuestions;
  request.tag = kClickTag;
  desktop::BeginSession(request);
  ShowSession();
}

void FrmFengmian::ClearRecords(int index) {
  RecordPanel p = Panel(index);
  const int filter = p.filter;
  if (filter == 0) return;
  static const char* const kTexts[2][3] = {
      {"您确实要清除未复习的收藏题目吗？", "您确实要清除已复习的收藏题目吗？", "您确实要清除全部收藏题目吗？"},
      {"您确实要清除未学习的我的错题题目吗？", "您确实要清除已学习的我的错题题目吗？", "您确实要清除全部我的错题题目吗？"}};
  if (!Message(p.bookmarks ? "清除收藏的题目" : "清除我的错题", frame::kQuestionIcon, kTexts[p.bookmarks ? 0 : 1][filter - 1]))
    return;
  const std::string list = RecordLine(p.list_file);
  if (list.empty()) return;
  const std::string flags = RecordLine(p.flag_file);
  if (flags.empty()) return;
  const Split split = SplitByFlags(list, flags);
  std::string new_list, new_flags;
  if (filter == 1) {
    new_list = platform::Trim(split.reviewed);
    new_flags = std::string(platform::CInt(platform::Len(new_list) / 4.0), 'T');
    p.not_reviewed.SetCaption("0");
  } else if (filter == 2) {
    new_list = platform::Trim(split.not_reviewed);
    new_flags = std::string(platform::CInt(platform::Len(new_list) / 4.0), 'F');
    p.reviewed.SetCaption("0");
  } else {
    p.not_reviewed.SetCaption("0");
    p.reviewed.SetCaption("0");
  }
  const platform::WriteFailureWatch writes;
  if (!session::WriteRecordLine(p.list_file, new_list))
    platform::ReportFailure(kClickTag, platform::kErrPathNotFound, "Path not found");
  if (!session::WriteRecordLine(p.flag_file, new_flags))
    platform::ReportFailure(kClickTag, platform::kErrPathNotFound, "Path not found");
  session::TellIfNotSaved(writes.firstError(), kClickTag, session::kChangeNotSaved);
}

}  // namespace xpexam::home
