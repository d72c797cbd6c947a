#include "forms/msgbox.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "forms/color.h"
#include "forms/draw.h"
#include "forms/dump.h"
#include "forms/form.h"
#include "forms/label.h"
#include "forms/runtime.h"

namespace xpexam::forms {

namespace {

std::string& Title() {
  static std::string title;
  return title;
}

// A push button of the system's look.
class PushButton : public Control {
 public:
  PushButton(Container& container, std::string name, std::string caption, std::function<void(int)> on_key)
      : Control(container, std::move(name)), caption_(std::move(caption)), on_key_(std::move(on_key)) {}
  std::string TypeName() const override { return "Button"; }
  bool Windowed() const override { return true; }
  bool CanFocus() const override { return true; }
  const std::string& Caption() const { return caption_; }

 protected:
  void Paint(Painter& p, const Rect& r) override {
    p.FillRect(r, ResolveColor(kSysButtonFace));
    const bool down = (pressed_ && inside_) || space_down_;
    DrawRaisedEdge(p, r, down);
    if (focused_) p.StrokeRect(r, Rgb(0, 0, 0), 1);
    const bool cues = Parent().KeyboardCues();
    TextStyle s;
    s.color = ResolveColor(kSysButtonText);
    s.access_keys = true;
    s.access_underline = cues;
    s.single_line = true;
    TextSize size = MeasureText(caption_, s);
    const int shift = down ? 1 : 0;
    p.DrawText(caption_, s, {(r.w - size.width) / 2 + shift, (r.h - size.height) / 2 + shift, size.width + 1, size.height});
    if (focused_ && cues) p.StrokeRect({4, 4, r.w - 8, r.h - 8}, Rgb(0, 0, 0), 1, LineStyle::kDot);
  }
  void OnMouseDown(int button, int, int, int) override {
    if (button != kLeftButton) return;
    pressed_ = inside_ = true;
    Invalidate();
  }
  void OnMouseMove(int, int, int x, int y) override {
    const Rect r = PixelRect();
    const bool inside = x >= 0 && y >= 0 && x < r.w && y < r.h;
    if (inside != inside_) Invalidate();
    inside_ = inside;
  }
  void OnMouseUp(int button, int, int, int) override {
    if (button != kLeftButton) return;
    pressed_ = false;
    Invalidate();
  }
  // Space presses the button while it is held and clicks it when released.
  void OnKeyDown(int key, int shift) override {
    if (key == kKeySpace) {
      if (shift == 0 && !space_down_) space_down_ = true, Invalidate();
      return;
    }
    if (shift == 0) on_key_(key);
  }
  void OnKeyUp(int key, int) override {
    if (key != kKeySpace || !space_down_) return;
    space_down_ = false;
    Invalidate();
    detail::Raise(Click);
  }
  void OnFocus(bool got) override {
    focused_ = got;
    if (!got) space_down_ = false;
    Invalidate();
  }
  std::string DumpFields() const override { return "caption=" + DumpQuote(caption_); }

 private:
  std::string caption_;
  std::function<void(int)> on_key_;
  bool pressed_ = false, inside_ = false, focused_ = false, space_down_ = false;
};

class MessageBoxForm : public Form {
 public:
  MessageBoxForm(const std::string& prompt, int buttons, const std::string& title)
      : Form("MsgBox"), icon_(buttons & 0x70), default_button_((buttons & kDefaultButton2) ? 1 : 0) {
    SetBorderStyle(3);
    SetCaption(title.empty() ? Title() : title);
    SetStartUpPosition(2);
    SetTopMost(true);
    struct Choice {
      const char* caption;
      int result;
    };
    std::vector<Choice> choices;
    switch (buttons & 7) {
      case kOkCancel: choices = {{"确定", kOk}, {"取消", kCancel}}, cancel_ = kCancel; break;
      case kYesNo: choices = {{"是(&Y)", kYes}, {"否(&N)", kNo}}, cancel_ = 0; break;
      default: choices = {{"确定", kOk}}, cancel_ = kOk; break;
    }
    // Layout in pixels.
    TextStyle style;
    const int max_w = CurrentBackend().ScreenWidth() * 5 / 8;
    TextSize text = MeasureText(prompt, style, max_w);
    const int text_x = icon_ ? 11 + 32 + 12 : 18;
    const int text_y = icon_ && text.height < 32 ? 11 + (32 - text.height) / 2 : (icon_ ? 11 : 18);
    const int content_bottom = std::max(text_y + text.height, icon_ ? 11 + 32 : 0);
    const int n = static_cast<int>(choices.size());
    const int buttons_w = n * 75 + (n - 1) * 6;
    const int cw = std::max({text_x + text.width + 18, buttons_w + 24, 120});
    const int by = content_bottom + 16;
    const int ch = by + 23 + 11;
    const Edges nc = NonClient();
    Move(0, 0, PixelsToTwips(cw + nc.left + nc.right), PixelsToTwips(ch + nc.top + nc.bottom));
    prompt_.SetBackStyle(0);
    prompt_.SetUseMnemonic(false);
    prompt_.SetCaption(prompt);
    prompt_.Move(PixelsToTwips(text_x), PixelsToTwips(text_y), PixelsToTwips(text.width + 1), PixelsToTwips(text.height));
    int x = (cw - buttons_w) / 2;
    for (int i = 0; i < n; ++i) {
      auto b = std::make_unique<PushButton>(*this, "Button" + std::to_string(i + 1), choices[i].caption,
                                            [this](int key) { Key(key); });
      b->Move(PixelsToTwips(x), PixelsToTwips(by), PixelsToTwips(75), PixelsToTwips(23));
      const int result = choices[i].result;
      b->Click = [this, result] { Finish(result); };
      results_.push_back(result);
      buttons_.push_back(std::move(b));
      x += 81;
    }
  }

  int Result() const { return result_; }

 protected:
  void CloseBoxClicked() override {
    if (cancel_) Finish(cancel_);
  }
  void Form_KeyDown(int& key, int shift) override {
    if (shift == 0) Key(key);
  }
  void Form_Activate() override {
    if (default_button_ > 0 && default_button_ < static_cast<int>(buttons_.size())) {
      platform::Try([&] { buttons_[default_button_]->SetFocus(); });
      default_button_ = 0;
    }
  }
  void PaintBackground(Painter& p, const Rect&) override {
    if (!icon_) return;
    const Rect box{11, 11, 32, 32};
    TextStyle mark;
    mark.font.name = "Times New Roman";
    mark.font.size = 18;
    mark.font.bold = true;
    mark.align = Align::kCenter;
    auto glyph = [&](const char* text, Color c, int dy) {
      mark.color = c;
      TextSize s = MeasureText(text, mark);
      p.DrawText(text, mark, {box.x, box.y + (box.h - s.height) / 2 + dy, box.w, s.height});
    };
    switch (icon_) {
      case kCritical:
        p.FillEllipse(box, Rgb(220, 30, 30));
        p.DrawLine(box.x + 10, box.y + 10, box.x + 21, box.y + 21, Rgb(255, 255, 255), 3);
        p.DrawLine(box.x + 21, box.y + 10, box.x + 10, box.y + 21, Rgb(255, 255, 255), 3);
        break;
      case kExclamation:
        for (int row = 0; row < 30; ++row) p.FillRect({box.x + 16 - row / 2, box.y + 1 + row, row + 1, 1}, Rgb(250, 210, 30));
        glyph("!", Rgb(0, 0, 0), 3);
        break;
      case kQuestion:
        p.FillEllipse(box, Rgb(40, 90, 200));
        glyph("?", Rgb(255, 255, 255), 0);
        break;
      default:
        p.FillEllipse(box, Rgb(40, 90, 200));
        glyph("i", Rgb(255, 255, 255), 0);
        break;
    }
  }

 private:
  void Finish(int result) {
    result_ = result;
    Hide();
  }
  void Key(int key) {
    auto focused = std::find_if(buttons_.begin(), buttons_.end(), [this](const auto& b) { return ActiveControl() == b.get(); });
    const int at = focused == buttons_.end() ? 0 : static_cast<int>(focused - buttons_.begin());
    const int n = static_cast<int>(buttons_.size());
    switch (key) {
      case kKeyReturn:
        Finish(results_[at]);
        break;
      case kKeyEscape:
        if (cancel_) Finish(cancel_);
        break;
      case kKeyRight:
      case kKeyLeft:
        platform::Try([&] { buttons_[(at + (key == kKeyLeft ? n - 1 : 1)) % n]->SetFocus(); });
        break;
      case 'Y':
        if (std::count(results_.begin(), results_.end(), kYes)) Finish(kYes);
        break;
      case 'N':
        if (std::count(results_.begin(), results_.end(), kNo)) Finish(kNo);
        break;
      default:
        break;
    }
  }

  int icon_;
  int default_button_;
  int cancel_ = 0;
  int result_ = 0;
  Label prompt_{*this, "Prompt"};
  std::vector<std::unique_ptr<PushButton>> buttons_;
  std::vector<int> results_;
};

}  // namespace

void SetAppTitle(std::string title) { Title() = std::move(title); }
const std::string& AppTitle() { return Title(); }

int MsgBox(const std::string& prompt, int buttons, const std::string& title) {
  auto owned = std::make_unique<MessageBoxForm>(prompt, buttons, title);
  MessageBoxForm* box = owned.get();
  LoadExtraForm(std::move(owned));
  box->ShowModal();
  const int result = box->Result();
  box->Unload();
  return result;
}

}  // namespace xpexam::forms
