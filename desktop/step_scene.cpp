#include "desktop/step_scene.h"

#include <utility>

#include "desktop/menu_bar.h"
#include "desktop/step_family.h"
#include "forms/pictures.h"
#include "frame/installation.h"
#include "platform/failure.h"
#include "platform/strings.h"

namespace xpexam::desktop {

using platform::Try;

namespace {

constexpr forms::Color kRed = 0x0000FF;
constexpr forms::Color kYellow = 0x00FFFF;
constexpr forms::Color kGreen = 0x00FF00;

void Frame(forms::Shape& shape, forms::Color color) {
  shape.SetBorderColor(color);
  shape.SetBorderWidth(2);
}

forms::PicturePtr DataPicture(const std::string& id) {
  return forms::LoadPicture(frame::installation().dataPath() + id + ".mxy");
}

// A box at the record's design point, then at its size: each read of the record is a number
// that may not fit, skipping its own assignment or, as one statement, the whole box's.
template <class X, class Y>
void PlaceAt(forms::Control& box, bool field_by_field, X x, Y y) {
  const frame::Installation& inst = frame::installation();
  if (field_by_field) {
    Try([&] { box.SetLeft(x() * inst.scaleX()); });
    Try([&] { box.SetTop(y() * inst.scaleY()); });
  } else {
    Try([&] { box.Move(x() * inst.scaleX(), y() * inst.scaleY()); });
  }
}

template <class X, class Y, class W, class H>
void PlaceBox(forms::Control& box, bool field_by_field, X x, Y y, W w, H h) {
  const frame::Installation& inst = frame::installation();
  if (field_by_field) {
    Try([&] { box.SetLeft(x() * inst.scaleX()); });
    Try([&] { box.SetTop(y() * inst.scaleY()); });
    Try([&] { box.SetWidth(w() * inst.scaleX()); });
    Try([&] { box.SetHeight(h() * inst.scaleY()); });
  } else {
    Try([&] { box.Move(x() * inst.scaleX(), y() * inst.scaleY(), w() * inst.scaleX(), h() * inst.scaleY()); });
  }
}

void FollowBox(forms::Shape& frame, const forms::Control& box) {
  frame.Move(box.Left(), box.Top(), box.Width(), box.Height());
}

}  // namespace

StepScene::StepScene(const SceneControls& controls, SceneStyle style) : c_(controls), style_(std::move(style)) {
  // The look both windows give these controls; each window places them itself.
  c_.Label1.SetBackStyle(forms::Background::kTransparent);
  c_.Label4.SetBackStyle(forms::Background::kTransparent);
  for (int i : c_.LblXXK.Indexes()) c_.LblXXK[i].SetBackStyle(forms::Background::kTransparent);
  c_.LHelp.SetFont({"宋体", 10.5, true});
  c_.LHelp.SetForeColor(kRed);
  c_.LHelp.SetBackColor(style_.hint_back);
  c_.LHelp.SetAutoSize(true);
  Frame(c_.Shape1, kRed);
  Frame(c_.Shape2, kYellow);
  Frame(c_.Shape4, kGreen);
  c_.Shape6.SetBorderStyle(forms::Outline::kDot);
  c_.Shape6.SetVisible(false);
  c_.Text1.SetBorderStyle(forms::BoxBorder::kNone);
  c_.Text2.SetBorderStyle(forms::BoxBorder::kNone);
}

forms::Image& StepScene::Overlay(long k) const {
  switch (k) {
    case 1: return c_.Image1;
    case 2: return c_.Image2;
    case 3: return c_.Image3;
    case 4: return c_.Image4;
    case 5: return c_.Image5;
    default: platform::Fail(platform::kErrSubscript, "Subscript out of range");
  }
}

void StepScene::ResetAnswerFonts() {
  const double sx = frame::installation().scaleX();
  // A zero scale gives a size of 0, which the boxes refuse.
  Try([&] { c_.Text1.SetFontSize(9 * sx); });
  Try([&] { c_.Text2.SetFontSize(9 * sx); });
}

void StepScene::ParkTabs() {
  const frame::Installation& inst = frame::installation();
  for (int i = 0; i <= TabStrip::kLastTab; ++i) {
    c_.LblXXK[i].Move(-1 * inst.scaleX(), -1 * inst.scaleY(), 1, 1);
    c_.LblXXK[i].SetCaption("");
  }
}

void StepScene::ShowPictures(const StepRecord& rec) {
  // A picture that cannot be read leaves the one shown before.
  if (!rec.KeepsBackground()) Try([&] { c_.window.SetPicture(DataPicture(rec.BackgroundId())); });
  for (long k = 1; k <= 5; ++k) {
    forms::Image& img = Overlay(k);
    if (rec.OverlayHidden(k)) {
      img.SetVisible(false);
      continue;
    }
    PlaceAt(img, style_.field_by_field, [&] { return rec.OverlayX(k); }, [&] { return rec.OverlayY(k); });
    if (!rec.OverlayKeepsPicture(k)) Try([&] { img.SetPicture(DataPicture(rec.OverlayId(k))); });
    img.SetVisible(true);
  }
}

bool StepScene::ShowAnswerBox(const StepRecord& rec) {
  const bool shown = style_.answer_box_unless_zeros ? !rec.TextBoxZeros() : rec.HasTextBox();
  if (!shown) {
    c_.Text1.SetVisible(false);
    c_.Text2.SetVisible(false);
    return false;
  }
  c_.Text1.SetVisible(true);
  PlaceBox(c_.Text1, style_.field_by_field, [&] { return rec.TextBoxX(); }, [&] { return rec.TextBoxY(); },
           [&] { return rec.TextBoxWidth(); }, [&] { return rec.TextBoxHeight(); });
  // A step text file that cannot be read leaves the text as it was. The window's Change handler
  // runs on the text and may complete the step.
  Try([&] { c_.Text1.SetText(style_.step_text(rec.InitialTextLine())); });
  return true;
}

void StepScene::FormatAnswerBox(const StepRecord& rec) {
  forms::TextBox& box = c_.Text1;
  // Typing replaces the initial text; a window not shown yet takes no focus.
  Try([&] { box.SetFocus(); });
  box.SetSelStart(0);
  box.SetSelLength(static_cast<int>(platform::Len(box.Text())));
  if (style_.aligns_answer) {
    box.SetAlignment(forms::TextAlign::kLeft);
    if (rec.Alignment() == TextAlignment::kRight) box.SetAlignment(forms::TextAlign::kRight);
    if (rec.Alignment() == TextAlignment::kCentre) box.SetAlignment(forms::TextAlign::kCenter);
  }
  // A negative size in the record, or a zero scale, keeps the size.
  Try([&] { box.SetFontSize(rec.FontSizePoints() * frame::installation().scaleX()); });
  if (auto style = rec.Style()) {
    box.SetFontBold(style->bold);
    box.SetFontItalic(style->italic);
    box.SetFontUnderline(style->underline);
  }
  if (auto font = rec.FontName()) box.SetFontName(*font);
  if (auto colour = rec.TextColour()) box.SetForeColor(*colour);
  if (auto colour = rec.BackColour()) box.SetBackColor(*colour);
}

void StepScene::PlaceHint(const StepRecord& rec) {
  if (!rec.HasHintPosition()) return;
  PlaceAt(c_.LHelp, style_.field_by_field, [&] { return rec.HintX(); }, [&] { return rec.HintY(); });
  const TextLineRef hint = rec.HintLine();
  if (hint.IsNone()) {
    c_.LHelp.SetCaption("  ");
    return;
  }
  // A text file that cannot be read leaves the hint as it was.
  Try([&] {
    std::string text = style_.step_text(hint);
    c_.LHelp.SetCaption(text);
    hint_text_ = std::move(text);
  });
}

void StepScene::PlaceTarget(const StepRecord& rec) {
  const frame::Installation& inst = frame::installation();
  forms::Label& box = c_.Label1;
  target_unplaced_ = false;
  if (!rec.HasTargetBox()) {
    box.SetVisible(false);
    if (style_.frame_hides_with_target) c_.Shape1.SetVisible(false);
  } else {
    box.SetVisible(true);
    // One statement each: a number that does not fit the format skips only its own.
    bool placed = Try([&] { box.SetLeft(rec.TargetX() * inst.scaleX()); });
    placed &= Try([&] { box.SetTop(rec.TargetY() * inst.scaleY()); });
    Try([&] { target_width_ = rec.TargetWidth(); });
    placed &= Try([&] { box.SetWidth(rec.TargetWidth() * inst.scaleX()); });
    placed &= Try([&] { target_height_ = rec.TargetHeight(); });
    if (target_height_ != 0) {
      if (style_.target_sizes_to_caption) box.SetAutoSize(false);
      placed &= Try([&] { box.SetHeight(rec.TargetHeight() * inst.scaleY()); });
    } else if (style_.target_sizes_to_caption) {
      box.SetAutoSize(true);
    }
    // Part of another step's box would stay live: the box is parked instead.
    if (!placed && style_.parks_unplaced_target) {
      target_unplaced_ = true;
      box.SetVisible(false);
      box.Move(-2, box.Top(), 1, 1);
    }
  }
  if (target_height_ == 0) {
    box.Move(box.Left(), box.Top(), 1, 1);
    if (style_.frame_hides_with_target) c_.Shape1.SetVisible(false);
  }
  FollowBox(c_.Shape1, box);
}

void StepScene::PlaceLabel4Box(const StepRecord& rec) {
  forms::Label& box = c_.Label4;
  if (rec.HasLabel4Box()) {
    box.SetVisible(true);
    PlaceBox(box, style_.field_by_field, [&] { return rec.Label4X(); }, [&] { return rec.Label4Y(); },
             [&] { return rec.Label4Width(); }, [&] { return rec.Label4Height(); });
  } else {
    box.Move(-1, box.Top(), 1, 1);
  }
  FollowBox(c_.Shape4, box);
}

void StepScene::TakeStepCode(const StepRecord& rec, int16_t& step_code) {
  Try([&] { step_code = rec.StepCodeValue(); });
  // Read as a number, as the checks read the code in force.
  const StepCodeFamily family = ClassifyStepCode(step_code);
  if (StepFamily(family).menu_bar_takes_click) c_.Label1.Move(c_.Label1.Left(), c_.Label1.Top(), 1, 1);
  c_.Timer3.SetEnabled(CompletesOn(family, CompletingEvent::kAutomatic));
}

bool StepScene::PlacePasswordBox(const StepRecord& rec, const std::function<bool()>& same_record) {
  if (StepFamily(rec.CodeFamily()).box != AnswerBox::kPassword) {
    c_.Text2.SetVisible(false);
    return true;
  }
  return Substitute(c_.Text2, same_record);
}

bool StepScene::Substitute(forms::TextBox& box, const std::function<bool()>& same_record) {
  forms::TextBox& answer = c_.Text1;
  box.SetText(answer.Text());
  if (same_record && !same_record()) return false;
  box.Move(answer.Left(), answer.Top(), answer.Width(), answer.Height());
  box.SetVisible(true);
  answer.SetVisible(false);
  return true;
}

void StepScene::PlaceFrames(const StepRecord& rec) {
  const frame::Installation& inst = frame::installation();
  if (const std::optional<DesignRect> bar = MenuBarFrame(rec))
    c_.Shape2.Move(bar->left * inst.scaleX(), bar->top * inst.scaleY(), bar->width * inst.scaleX(), bar->height * inst.scaleY());
  else
    c_.Shape2.Move(-2, 1, 1, 1);
  if (style_.frame_marks_pending_tab && rec.IsTabStep() && rec.TabShown() != rec.TabToSelect()) return;
  const forms::Label& target = c_.Label1;
  if (target.Height() <= 10 || target.Width() <= 10 || !target.Visible()) {
    if (style_.frame_hides_with_target) c_.Shape1.SetVisible(false);
    c_.Shape1.Move(-2, c_.Shape1.Top(), 1, 1);
  }
}

void StepScene::ShowHints(bool shown) {
  for (forms::Control* c : std::initializer_list<forms::Control*>{&c_.LHelp, &c_.Shape1, &c_.Shape4})
    c->SetVisible(shown);
}

void StepScene::ShowTab(const TabStrip& strip, int index) {
  const frame::Installation& inst = frame::installation();
  forms::Label& label = c_.LblXXK[index];
  if (const std::optional<DesignRect> r = strip.Label(index))
    label.Move(r->left * inst.scaleX(), r->top * inst.scaleY(), r->width * inst.scaleX(), r->height * inst.scaleY());
  else
    label.Move(-1 * inst.scaleX(), -1 * inst.scaleY(), 1, 1);
}

void StepScene::RestoreTargetSize() {
  const frame::Installation& inst = frame::installation();
  forms::Label& box = c_.Label1;
  // A negative size kept from an earlier record fails.
  if (style_.field_by_field) {
    Try([&] { box.SetHeight(target_height_ * inst.scaleY()); });
    Try([&] { box.SetWidth(target_width_ * inst.scaleX()); });
  } else {
    Try([&] { box.Move(box.Left(), box.Top(), target_width_ * inst.scaleX(), target_height_ * inst.scaleY()); });
  }
  FollowBox(c_.Shape1, box);
}

}  // namespace xpexam::desktop
