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

int& ScreenWidthShown() {
  static int pixels = 0;
  return pixels;
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
    SetBorderStyle(WindowBorder::kFixedDialog);
    SetCaption(title.empty() ? Title() : title);
    SetStartUpPosition(StartPosition::kCenterScreen);
    SetTopMost(true);
    const std::vector<Choice> choices = Choices(buttons);
    cancel_ = (buttons & 7) == kOkCancel ? kCancel : (buttons & 7) == kYesNo ? 0 : kOk;
    const Layout l = LayOut(prompt, icon_, static_cast<int>(choices.size()), WrapScreenWidth());
    const Edges nc = NonClient();
    Move(0, 0, PixelsToTwips(l.cw + nc.left + nc.right), PixelsToTwips(l.ch + nc.top + nc.bottom));
    prompt_.SetBackStyle(Background::kTransparent);
    prompt_.SetUseMnemonic(false);
    prompt_.SetCaption(prompt);
    prompt_.Move(PixelsToTwips(l.text_x), PixelsToTwips(l.text_y), PixelsToTwips(l.text.width + 1), PixelsToTwips(l.text.height));
    int x = l.buttons_x;
    for (int i = 0; i < static_cast<int>(choices.size()); ++i) {
      auto b = std::make_unique<PushButton>(*this, "Button" + std::to_string(i + 1), choices[i].caption,
                                            [this](int key) { Key(key); });
      b->Move(PixelsToTwips(x), PixelsToTwips(l.buttons_y), PixelsToTwips(75), PixelsToTwips(23));
      const int result = choices[i].result;
      b->Click = [this, result] { Finish(result); };
      results_.push_back(result);
      buttons_.push_back(std::move(b));
      x += 81;
    }
  }

  int Result() const { return result_; }

  static MsgBoxSize Measure(const std::string& prompt, int buttons, int screen_width) {
    const Layout l = LayOut(prompt, buttons & 0x70, static_cast<int>(Choices(buttons).size()), screen_width);
    const Edges nc = NonClientOf(WindowBorder::kFixedDialog);
    return {l.cw + nc.left + nc.right, l.ch + nc.top + nc.bottom};
  }

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
  struct Choice {
    const char* caption;
    int result;
  };
  static std::vector<Choice> Choices(int buttons) {
    switch (buttons & 7) {
      case kOkCancel: return {{"确定", kOk}, {"取消", kCancel}};
      case kYesNo: return {{"是(&Y)", kYes}, {"否(&N)", kNo}};
      default: return {{"确定", kOk}};
    }
  }
  // Pixels of the client area.
  struct Layout {
    TextSize text;
    int text_x = 0, text_y = 0, buttons_x = 0, buttons_y = 0, cw = 0, ch = 0;
  };
  static Layout LayOut(const std::string& prompt, int icon, int n, int screen_width) {
    Layout l;
    l.text = MeasureText(prompt, TextStyle{}, screen_width * 5 / 8);
    l.text_x = icon ? 11 + 32 + 12 : 18;
    l.text_y = icon && l.text.height < 32 ? 11 + (32 - l.text.height) / 2 : (icon ? 11 : 18);
    const int content_bottom = std::max(l.text_y + l.text.height, icon ? 11 + 32 : 0);
    const int buttons_w = n * 75 + (n - 1) * 6;
    l.cw = std::max({l.text_x + l.text.width + 18, buttons_w + 24, 120});
    l.buttons_x = (l.cw - buttons_w) / 2;
    l.buttons_y = content_bottom + 16;
    l.ch = l.buttons_y + 23 + 11;
    return l;
  }
  static int WrapScreenWidth() { return ScreenWidthShown() > 0 ? ScreenWidthShown() : CurrentBackend().ScreenWidth(); }

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

MsgBoxSize MeasureMsgBox(const std::string& prompt, int buttons, int screen_width) {
  return MessageBoxForm::Measure(prompt, buttons, screen_width);
}
void SetMsgBoxScreenWidth(int pixels) { ScreenWidthShown() = pixels; }

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
