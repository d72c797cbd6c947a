// setData: lays out step mDemoStep of the current question on the demonstration's copy of the
// desktop. A statement that can fail (a record number that does not fit, a missing picture)
// is skipped on failure; the next one runs.
#include <optional>
#include <string>

#include "demo/demo_files.h"
#include "demo/demonstration.h"
#include "desktop/session_plan.h"
#include "desktop/step_record.h"
#include "desktop/tab_strip.h"
#include "forms/pictures.h"
#include "frame/installation.h"
#include "platform/failure.h"
#include "platform/strings.h"

namespace xpexam::demo {

using desktop::StepRecord;
using platform::Try;
using platform::TryEach;

namespace {

forms::PicturePtr DataPicture(const std::string& id) { return forms::LoadPicture(frame::installation().dataPath() + id + ".mxy"); }

}  // namespace

void FrmYanShi::LoadOverlays(const StepRecord& rec) {
  for (long k = 1; k <= 5; ++k) {
    forms::Image& img = ImageSlot(k);
    if (rec.OverlayHidden(k)) {
      img.SetVisible(false);
      continue;
    }
    Try([&] { img.Move(rec.OverlayX(k) * frame::installation().scaleX(), rec.OverlayY(k) * frame::installation().scaleY()); });
    if (!rec.OverlayKeepsPicture(k)) Try([&] { img.SetPicture(DataPicture(rec.OverlayId(k))); });
    img.SetVisible(true);
  }
}

void FrmYanShi::LoadAnswerBox(const StepRecord& rec) {
  if (rec.TextBoxZeros()) {
    Text1.SetVisible(false);
    Text2.SetVisible(false);
    return;
  }
  Try([&] {
    Text1.SetVisible(true);
    Text1.Move(rec.TextBoxX() * frame::installation().scaleX(), rec.TextBoxY() * frame::installation().scaleY(), rec.TextBoxWidth() * frame::installation().scaleX(),
               rec.TextBoxHeight() * frame::installation().scaleY());
  });
  Try([&] { Text1.SetText(DemoStepText(rec.InitialTextLine().Digits())); });
  Try([&] { Text1.SetFocus(); });
  Try([&] {
    Text1.SetSelStart(0);
    Text1.SetSelLength(platform::Len(Text1.Text()));
  });
  Try([&] { Text1.SetFontSize(rec.FontSizePoints() * frame::installation().scaleX()); });
  Try([&] {
    if (auto style = rec.Style()) {
      Text1.SetFontBold(style->bold);
      Text1.SetFontItalic(style->italic);
      Text1.SetFontUnderline(style->underline);
    }
  });
  Try([&] {
    if (auto font = rec.FontName()) Text1.SetFontName(*font);
  });
  Try([&] {
    if (auto c = rec.TextColour()) Text1.SetForeColor(*c);
  });
  Try([&] {
    if (auto c = rec.BackColour()) Text1.SetBackColor(*c);
  });
}

void FrmYanShi::LoadTargetBox(const StepRecord& rec) {
  if (rec.HasTargetBox()) {
    // One statement each: a number that does not fit the format skips only its own.
    Label1.SetVisible(true);
    TryEach([&] { Label1.SetLeft(rec.TargetX() * frame::installation().scaleX()); },
            [&] { Label1.SetTop(rec.TargetY() * frame::installation().scaleY()); },
            [&] { mTargetBoxWidth = rec.TargetWidth(); },
            [&] { Label1.SetWidth(rec.TargetWidth() * frame::installation().scaleX()); },
            [&] { mTargetBoxHeight = rec.TargetHeight(); },
            [&] {
              if (mTargetBoxHeight != 0) Label1.SetHeight(rec.TargetHeight() * frame::installation().scaleY());
            });
  } else {
    Label1.SetVisible(false);
    Shape1.SetVisible(false);
  }
  if (mTargetBoxHeight == 0) {
    Label1.Move(Label1.Left(), Label1.Top(), 1, 1);
    Shape1.SetVisible(false);
  }
  Shape1.Move(Label1.Left(), Label1.Top(), Label1.Width(), Label1.Height());
}

void FrmYanShi::LoadTabStep(const StepRecord& rec) {
  desktop::ImageSlots slots;
  for (long k = 1; k <= 5; ++k) {
    const auto at = static_cast<size_t>(k - 1);
    slots.left[at] = platform::CLng(ImageSlot(k).Left() / frame::installation().scaleX());
    slots.top[at] = platform::CLng(ImageSlot(k).Top() / frame::installation().scaleY());
    // The right tab brings back the record's own page, also for a slot that kept its picture.
    slots.picture_id[at] = rec.OverlayId(k);
  }
  const std::optional<desktop::TabRequest> request = tab_strip_.LoadStep(rec, slots, mHintText);
  ShowTabLabels();
  if (request) ApplyTabRequest(*request);
}

void FrmYanShi::ShowTabLabels() {
  for (int i = 0; i <= desktop::TabStrip::kLastTab; ++i) {
    forms::Label& label = LblXXK[i];
    if (const std::optional<desktop::DesignRect> r = tab_strip_.Label(i))
      label.Move(r->left * frame::installation().scaleX(), r->top * frame::installation().scaleY(), r->width * frame::installation().scaleX(), r->height * frame::installation().scaleY());
    else
      label.Move(-1 * frame::installation().scaleX(), -1 * frame::installation().scaleY(), 1, 1);
  }
}

void FrmYanShi::ApplyTabRequest(const desktop::TabRequest& request) {
  // A page that cannot be read leaves the slot as it was.
  if (request.slot >= 1 && request.slot <= 5 && request.page && !request.page->empty())
    Try([&] { ImageSlot(request.slot).SetPicture(DataPicture(*request.page)); });
  if (request.show_target_box) Label1.SetVisible(true);
  LHelp.SetCaption(request.hint);
  if (request.target_live) {
    Try([&] { Label1.Move(Label1.Left(), Label1.Top(), mTargetBoxWidth * frame::installation().scaleX(), mTargetBoxHeight * frame::installation().scaleY()); });
    Shape1.Move(Label1.Left(), Label1.Top(), Label1.Width(), Label1.Height());
    return;
  }
  Label1.Move(Label1.Left(), Label1.Top(), 1, 1);
  // The red frame surrounds the tab to select, parked or not; a target beyond the strip leaves it.
  const int target = tab_strip_.TabTarget();
  if (target >= 0 && target <= desktop::TabStrip::kLastTab) {
    const forms::Label& tab = LblXXK[target];
    Shape1.Move(tab.Left(), tab.Top(), tab.Width(), tab.Height());
  }
}

void FrmYanShi::ApplyTypingHint(const StepRecord& rec) {
  using F = desktop::StepCodeFamily;
  const std::string caption = LHelp.Caption();
  switch (rec.CodeFamily()) {
    case F::kTypeAnswer:
    case F::kTypePassword:
    case F::kTypeExactCase:
      Shape1.SetVisible(false);
      LHelp.SetCaption("输入 " + desktop::PromptPart(caption));
      break;
    case F::kTypeAndEnterPrompted:
      Shape1.SetVisible(false);
      LHelp.SetCaption("输入 " + caption + " 并按回车键");
      break;
    case F::kSelectHintText:
      Try([&] { Text1.SetSelLength(0); });
      Shape1.SetVisible(false);
      LHelp.SetCaption("请选中 " + caption);
      break;
    default: break;
  }
}

void FrmYanShi::ResetStep() {
  Shape5.SetBorderColor(0xFF);
  CSH();
  mTypedCount = 0;
  Try([&] { Text1.SetFontSize(9 * frame::installation().scaleX()); });
  Try([&] { Text2.SetFontSize(9 * frame::installation().scaleX()); });
  mTicks = 0;
  Shape6.Move(Shape6.Left(), Shape6.Top(), 10, 10);
  mBandOn = false;
  ClearMenuPictures();
  LayOutTitleRegions();
  ImgMenuSys.SetVisible(LMainMenu[1].Visible());
}

bool FrmYanShi::ReadStep() {
  using namespace frame;
  // Past the end of a step file without its final record the last record would be replayed
  // for ever (a step without travel loads the next one at once): the run ends there instead,
  // as it does when the step file cannot be read at all.
  bool past_end = false;
  Try([&] {
    const long line = static_cast<long>(desktop::plan().question(desktop::cursor().question()).firstLine) + mDemoStep - 1;
    if (auto rec = ReadLineOrLast(desktop::plan().stepFile(), line, &past_end))
      step_ = desktop::StepRecord(*rec);
    else
      past_end = true;
  });
  return !past_end;
}

void FrmYanShi::ParkTabLabels() {
  for (int i = 0; i <= 13; ++i) {
    LblXXK[i].Move(-1 * frame::installation().scaleX(), -1 * frame::installation().scaleY(), 1, 1);
    LblXXK[i].SetCaption("");
  }
}

void FrmYanShi::LoadPictures(const StepRecord& rec) {
  if (!rec.KeepsBackground()) Try([&] { SetPicture(DataPicture(rec.BackgroundId())); });
  LoadOverlays(rec);
  TryEach([&] { mExtraPointX = rec.PointX(); }, [&] { mExtraPointY = rec.PointY(); });
}

void FrmYanShi::LoadHintLabel(const StepRecord& rec) {
  if (!rec.HasHintPosition()) return;
  Try([&] {
    LHelp.SetVisible(true);
    LHelp.Move(rec.HintX() * frame::installation().scaleX(), rec.HintY() * frame::installation().scaleY());
  });
  Try([&] {
    if (rec.HintLine().IsNone()) {
      LHelp.SetCaption("  ");
    } else {
      mHintText = DemoStepText(rec.HintLine().Digits());
      LHelp.SetCaption(mHintText);
    }
  });
}

void FrmYanShi::SetHintsVisible(bool visible) {
  for (forms::Control* c : std::initializer_list<forms::Control*>{&LHelp, &Shape1, &Shape4})
    c->SetVisible(visible);
}

void FrmYanShi::LoadMenuTitles(const StepRecord& rec) {
  const bool live = rec.MenuBarActive();
  for (int i = 1; i <= 9; ++i) LMainMenu[i].SetVisible(live);
  ImgMenuSys.SetVisible(LMainMenu[1].Visible());
}

void FrmYanShi::LoadLabel4Box(const StepRecord& rec) {
  if (rec.HasLabel4Box()) {
    Try([&] {
      Label4.SetVisible(true);
      Label4.Move(rec.Label4X() * frame::installation().scaleX(), rec.Label4Y() * frame::installation().scaleY(), rec.Label4Width() * frame::installation().scaleX(),
                  rec.Label4Height() * frame::installation().scaleY());
    });
  } else {
    Label4.Move(-1, Label4.Top(), 1, 1);
  }
  Shape4.Move(Label4.Left(), Label4.Top(), Label4.Width(), Label4.Height());
  mSecondLeg = false;
}

void FrmYanShi::LoadStepCode(const StepRecord& rec) {
  using F = desktop::StepCodeFamily;
  Try([&] { mStepCode = rec.StepCodeValue(); });
  if (desktop::ClassifyStepCode(mStepCode) == F::kMenuBar) Label1.Move(Label1.Left(), Label1.Top(), 1, 1);
  Timer3.SetEnabled(desktop::ClassifyStepCode(mStepCode) == F::kAutomatic);
}

void FrmYanShi::EndAtLastStep(bool final_record) {
  if (final_record) LHelp.SetCaption("操作成功！");
  Shape1.SetVisible(false);
  TimEnd.SetEnabled(true);
}

void FrmYanShi::LoadPasswordBox(const StepRecord& rec) {
  if (rec.CodeFamily() == desktop::StepCodeFamily::kTypePassword) {
    Text2.SetText(Text1.Text());
    Text2.Move(Text1.Left(), Text1.Top(), Text1.Width(), Text1.Height());
    Text2.SetVisible(true);
    Text1.SetVisible(false);
  } else {
    Text2.SetVisible(false);
  }
}

void FrmYanShi::PlaceFrames(const StepRecord& rec) {
  if (rec.MarksMenuBar())
    Shape2.Move(0, 405 * frame::installation().scaleY(), 9000 * frame::installation().scaleX(), 315 * frame::installation().scaleY());
  else
    Shape2.Move(-2, 1, 1, 1);
  if (Label1.Height() <= 10 || Label1.Width() <= 10 || !Label1.Visible()) {
    Shape1.SetVisible(false);
    Shape1.Move(-2, Shape1.Top(), 1, 1);
  }
}

void FrmYanShi::setData() {
  ResetStep();
  const bool read = ReadStep();
  const StepRecord rec = step_;
  ParkTabLabels();
  LoadPictures(rec);
  LoadAnswerBox(rec);
  LoadHintLabel(rec);
  SetHintsVisible(desktop::plan().runMode() == desktop::RunMode::kPracticeWithHints);
  LoadMenuTitles(rec);
  LoadTargetBox(rec);
  if (rec.IsTabStep()) LoadTabStep(rec);
  LoadLabel4Box(rec);
  LoadStepCode(rec);
  const bool final_record = rec.CodeFamily() == desktop::StepCodeFamily::kFinal;
  if (final_record || !read) {
    EndAtLastStep(final_record && read);
    return;
  }
  Shape1.SetVisible(LHelp.Visible());
  LoadPasswordBox(rec);
  ApplyTypingHint(rec);
  PlaceFrames(rec);
  if (request_.on_step_shown) Try([&] { request_.on_step_shown(); });
  ZOrder(0);
  Shape2.SetVisible(LHelp.Visible());
  CSH();
  MuBiaoWei();
}

}  // namespace xpexam::demo
