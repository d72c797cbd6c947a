// Every question of the sample installation, in the program itself on a copy of the sample:
// its answer demonstration plays to the final record and gives the question back to the bar,
// and the question can be completed on the desktop with the input its step records ask for.
// The default run takes one question of each unit; XPEXAM_FULL_SWEEP=1 takes all of them. Both
// run at 96 and at 144 dpi, and every frame is checked against a whole repaint of the screen.
// A selection step is driven only where its text opens the box's text; any other is skipped.
// XPEXAM_SWEEP_RECORD=DIR writes the dump and a hash of the screen at every desktop step and
// every demonstration tick to DIR, one file a question and test, so that two builds can be
// compared file by file.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "demo/demonstration.h"
#include "desktop/demonstration_state.h"
#include "desktop/desktop_window.h"
#include "desktop/key_map.h"
#include "desktop/popup_menu_file.h"
#include "desktop/session_plan.h"
#include "desktop/step_record.h"
#include "forms/app.h"
#include "forms/dump.h"
#include "forms/frame_check.h"
#include "forms/headless.h"
#include "forms/list_box.h"
#include "frame/installation.h"
#include "app/program.h"
#include "frame/settings.h"
#include "home/unit_practice.h"
#include "platform/failure.h"
#include "platform/strings.h"
#include "platform/textfile.h"
#include "session/question_bar.h"
#include "session/session_exit.h"
#include "tests/demo/demo_access.h"
#include "tests/desktop/desktop_fixture.h"
#include "tests/support/installation.h"
#include "tests/support/script_run.h"
#include "tests/support/temp_dir.h"

#ifdef XPEXAM_SAMPLE_DIR
namespace xpexam::desktop {
namespace {

namespace fs = std::filesystem;

struct Question {
  int unit = 0;
  int number = 0;  // 1-based within the unit
  std::string code;
  int records = 0;
  // The screen: 96 dpi on 1024 x 768, or 144 dpi on 1600 x 1200.
  int dpi = 96;
  friend void PrintTo(const Question& q, std::ostream* os) { *os << q.code << " at " << q.dpi << " dpi"; }
};

std::string DataFolderOf(const std::string& program) {
  auto ver = platform::ReadTextLines(program + "/ver.txt");
  return program + "/" + (ver && ver->size() > 2 ? frame::DecodeSettingsLine((*ver)[2]) : "") + "/";
}

// The questions of every unit index, or one of each unit (spread over the units' places).
std::vector<Question> SampleQuestions(int dpi) {
  const bool full = std::getenv("XPEXAM_FULL_SWEEP") && std::string(std::getenv("XPEXAM_FULL_SWEEP")) == "1";
  const std::string data = DataFolderOf(XPEXAM_SAMPLE_DIR);
  std::vector<Question> out;
  for (int u = 0; u < 12; ++u) {
    auto lines = platform::ReadTextLines(data + "2888" + std::to_string(70 + u) + ".mxy");
    if (!lines) continue;
    std::vector<Question> unit;
    for (const std::string& l : *lines) {
      if (platform::Trim(l).empty()) break;
      unit.push_back({u, static_cast<int>(unit.size()) + 1, l.substr(0, 4), platform::ValInt(l.substr(4, 2)), dpi});
    }
    // Questions whose demonstrations once never ended: a pointer that could not move, and one
    // that drifted two twips a tick towards the window's edge.
    static const std::set<std::string> kOnceEndless = {"0807", "0817", "1008", "1009"};
    for (size_t i = 0; i < unit.size(); ++i) {
      const bool chosen = !unit.empty() && i == (static_cast<size_t>(u) * 7 + 3) % unit.size();
      if (full || chosen || kOnceEndless.count(unit[i].code)) out.push_back(unit[i]);
    }
  }
  return out;
}

// A copy of the sample shared by the sweep; each question puts back what a run writes.
class SampleCopy {
 public:
  SampleCopy() {
    fs::copy(XPEXAM_SAMPLE_DIR, program_, fs::copy_options::recursive);
    data_ = DataFolderOf(program_);
    std::ifstream marker(data_ + "288892.mxy", std::ios::binary);
    marker_.assign(std::istreambuf_iterator<char>(marker), {});
  }
  void Restore() {
    fs::remove_all(program_ + "/ksdata");
    xpexam::testing::SeedRecords(program_);
    std::ofstream(data_ + "288892.mxy", std::ios::binary) << marker_;
    fs::remove_all(work_ / "config");
  }
  const std::string& Program() const { return program_; }
  const std::string& Data() const { return data_; }
  std::string Config() const { return work_ / "config"; }

 private:
  xpexam::testing::TempDir dir_, work_;
  std::string program_ = dir_ / "sample";
  std::string data_, marker_;
};

struct Px {
  int x = 0, y = 0;
};

class SampleSweep : public ::testing::TestWithParam<Question> {
 protected:
  static void SetUpTestSuite() {
    copy_ = new SampleCopy;
    const char* old = std::getenv("XDG_CONFIG_HOME");
    old_config_ = old ? std::optional<std::string>(old) : std::nullopt;
    ::setenv("XDG_CONFIG_HOME", copy_->Config().c_str(), 1);
  }
  static void TearDownTestSuite() {
    delete copy_;
    copy_ = nullptr;
    if (old_config_)
      ::setenv("XDG_CONFIG_HOME", old_config_->c_str(), 1);
    else
      ::unsetenv("XDG_CONFIG_HOME");
  }

  SampleSweep()
      : screen_(q_.dpi == 144 ? 1600 : 1024, q_.dpi == 144 ? 1200 : 768, q_.dpi == 144 ? 10 : 15) {
    copy_->Restore();
    desktop::testing::ResetSessionState();
    forms::SetFrameCheck(true);
    forms::SetFrameCheckFailure([this](const forms::FrameMismatch& m) {
      if (stale_.empty()) stale_ = m.Describe();
    });
    frame::editInstallation().SetAppPath(copy_->Program());
    frame::editInstallation().SetScale(forms::TwipsPerPixel() / 15, forms::TwipsPerPixel() / 15);
    frame::ReadSettings();
    app::ConnectWindows();
    platform::SetFailureReporter([this](std::string_view tag, long number, std::string_view description) {
      reports_ += std::string(tag) + " " + std::to_string(number) + " " + std::string(description) + "\n";
    });
    home::StartUnitPractice(q_.unit);
    Wait(300);
    // The bar's number page, as a click on the question's number does it.
    desktop::editCursor().GoToQuestion(static_cast<int16_t>(q_.number));
    Act(Bar()).LoadQuestion();
    Wait(300);
  }
  void TearDown() override {
    forms::CheckFrameNow();
    EXPECT_EQ(stale_, "") << q_.code << " at " << q_.dpi << " dpi";
  }
  ~SampleSweep() override {
    forms::SetFrameCheck(false);
    forms::SetFrameCheckFailure(nullptr);
    platform::SetFailureReporter(nullptr);
    session::editSessionExit().AllowBarClose();
    desktop::editDemonstration().MarkStopped();
  }

  static session::FrmTm& Bar() { return session::FrmTm::Get(); }
  static FrmMain& Desk() { return FrmMain::Get(); }

  void Wait(int ms) {
    in_.Wait(ms);
    forms::Pump();
  }
  StepRecord Record(int step) const {
    const long n = desktop::plan().question(q_.number).firstLine + step - 1;
    return StepRecord(ReadStepRecord(desktop::plan().stepFile(), n).value_or(""));
  }
  std::string Text(const TextLineRef& ref) const { return ReadStepText(desktop::plan().textFile(), ref.Number()).value_or(""); }
  bool Completed() const { return (desktop::plan().question(q_.number).status & desktop::kStatusCompleted) != 0; }
  std::string Where() const {
    return "question " + q_.code + " step " + std::to_string(desktop::cursor().step()) + " code " + Record(desktop::cursor().step()).StepCode() +
           "; Text1 \"" + Ui(Desk()).Text1.Text() + "\" selected \"" + Ui(Desk()).Text1.SelText() + "\"" +
           (reports_.empty() ? "" : "\nreports:\n" + reports_);
  }

  static std::string DemoState() {
    const demo::FrmYanShi& d = demo::FrmYanShi::Get();
    std::ostringstream out;
    out << Vars(d).mDemoStep << ", pointer " << Vars(d).mPointerX << "," << Vars(d).mPointerY << " target " << Vars(d).mTargetX << ","
        << Vars(d).mTargetY << " moving " << Vars(d).mDeltaX << "," << Vars(d).mDeltaY;
    return out.str();
  }
  // Screen pixel of a design point of the desktop.
  Px At(int x, int y) const {
    const forms::Rect r = Desk().ClientScreenRect();
    return {r.x + x / 15, r.y + y / 15};
  }
  Px Centre(int x, int y, int w, int h) const { return At(x + w / 2, y + h / 2); }
  Px TargetCentre(const StepRecord& r) const {
    return Centre(r.TargetX(), r.TargetY(), r.TargetWidth(), r.TargetHeight());
  }
  static Px Centre(const forms::Control& c) {
    const forms::Rect r = c.ScreenRect();
    return {r.x + r.w / 2, r.y + r.h / 2};
  }
  void Click(Px p, int button = forms::kLeftButton, int shift = 0) {
    in_.Move(p.x, p.y);
    in_.Click(p.x, p.y, button, shift);
    Wait(600);
  }
  void Drag(Px from, Px to, int shift = 0, int steps = 8) {
    in_.Move(from.x, from.y, shift);
    in_.Press(from.x, from.y, forms::kLeftButton, shift);
    for (int i = 1; i <= steps + 3; ++i) {
      const int k = std::min(i, steps);
      in_.Move(from.x + (to.x - from.x) * k / steps, from.y + (to.y - from.y) * k / steps, shift);
    }
    in_.Release(to.x, to.y, forms::kLeftButton, shift);
    Wait(600);
  }
  void Keys(int key, int count) {
    for (int i = 0; i < count; ++i) in_.Key(key);
  }

  // Chooses the record's popup item by the keyboard once the popup is open: the popup's
  // entries are its groups' items in order, a cascade one entry.
  void ChooseByKeys(const StepRecord& r, std::string& why) {
    const int code = r.StepCodeValue();
    const auto menu = LoadPopupMenu(copy_->Program() + "/" + kPopupMenuFileName, code, code / 100 % 10);
    if (!menu) {
      why = "no popup block";
      return;
    }
    const int group = code / 10 % 10, item = code % 10;
    int before = 0, sub_before = -1;
    bool found = false;
    for (const PopupGroup& g : menu->groups) {
      if (found) break;
      if (g.cascade) {
        if (g.group_digit == group) {
          sub_before = 0;
          for (int i = 0; i < item && i < static_cast<int>(g.items.size()); ++i) sub_before += !g.items[i].IsSeparator();
          found = true;
        } else {
          ++before;
        }
        continue;
      }
      for (size_t i = 0; i < g.items.size(); ++i) {
        if (g.group_digit == group && static_cast<int>(i) == item) {
          found = true;
          break;
        }
        before += !g.items[i].IsSeparator();
      }
    }
    if (!found) {
      why = "no item " + std::to_string(code) + " in its popup";
      return;
    }
    Keys(forms::kKeyDown, before + 1);
    if (sub_before >= 0) {
      in_.Key(forms::kKeyRight);
      Keys(forms::kKeyDown, sub_before);
    }
    in_.Key(forms::kKeyReturn);
  }

  // The input that answers the current step; an empty text, or why the sweep cannot give it.
  std::string Answer(const StepRecord& r) {
    std::string why;
    if (r.IsTabStep()) Click(Centre(Ui(Desk()).LblXXK[r.TabToSelect()]));
    if (r.HasKeyAlternative() && r.CodeFamily() == StepCodeFamily::kDemonstrationOnly) {
      const auto key = RequestedKey(r);
      in_.Key(key->key_code, key->shift);
      Wait(600);
      return "";
    }
    const Px target = TargetCentre(r);
    auto type_in = [&](const forms::Control* box, bool enter) {
      const std::string text = TypingAlternatives(Text(r.AnswerLine())).first;
      // The loaded step gives Text1 the focus with its initial text selected: typing replaces it.
      // Steps that leave the initial text unselected, with the caret before it, want it gone.
      if (box) Click(Centre(*box));
      if (!box && Ui(Desk()).Text1.SelLength() == 0)
        Keys(forms::kKeyDelete, static_cast<int>(platform::Len(Ui(Desk()).Text1.Text())));
      in_.Type(text);
      if (enter) in_.Key(forms::kKeyReturn);
      Wait(600);
    };
    switch (r.CodeFamily()) {
      case StepCodeFamily::kClick:
        Click(target);
        break;
      case StepCodeFamily::kDoubleClick:
        in_.Move(target.x, target.y);
        in_.DblClick(target.x, target.y);
        Wait(600);
        break;
      case StepCodeFamily::kRightPress:
        Click(target, forms::kRightButton);
        break;
      case StepCodeFamily::kPress: {
        const StepCodeDigits d = DecomposeStepCode(r.StepCodeValue());
        Click(target, d.button_or_key, d.menu_or_shift);
        break;
      }
      case StepCodeFamily::kHover:
        in_.Move(target.x - 1, target.y);
        in_.Move(target.x, target.y);
        Wait(1500);
        break;
      case StepCodeFamily::kKey: {
        const auto key = RequestedKey(r);
        in_.Key(key->key_code, key->shift);
        Wait(600);
        break;
      }
      case StepCodeFamily::kPopupMenu: {
        const bool left = r.PopupY() != 0;
        in_.Move(target.x, target.y);
        in_.Press(target.x, target.y, left ? forms::kLeftButton : forms::kRightButton);
        in_.Release(target.x, target.y, left ? forms::kLeftButton : forms::kRightButton);
        ChooseByKeys(r, why);
        Wait(600);
        break;
      }
      case StepCodeFamily::kTypeAnswer:
      case StepCodeFamily::kTypeExactCase:
        type_in(nullptr, false);
        break;
      case StepCodeFamily::kTypePassword:
        type_in(&Ui(Desk()).Text2, false);
        break;
      case StepCodeFamily::kTypeMultiLine:
        type_in(&Ui(Desk()).Text3, false);
        break;
      case StepCodeFamily::kTypeAndEnter:
      case StepCodeFamily::kTypeAndEnterPrompted:
      case StepCodeFamily::kTypeInCell:
        type_in(nullptr, true);
        break;
      case StepCodeFamily::kTypeThenClick:
        type_in(nullptr, false);
        Click(target);
        break;
      case StepCodeFamily::kRubberBand:
      case StepCodeFamily::kDrag:
        if (!r.HasLabel4Box()) return "a drag without a Label4 box";
        Drag(Centre(r.Label4X(), r.Label4Y(), r.Label4Width(), r.Label4Height()), target, r.StepCodeValue() % 10);
        break;
      case StepCodeFamily::kHandleDrag: {
        const int code = r.StepCodeValue();
        const Px point = At(r.PointX(), r.PointY());
        const int dx = code == 8001 || code == 8006 || code == 8008 ? -20 : code == 8003 || code == 8004 ? 0 : 20;
        const int dy = code == 8003 || code == 8008 || code == 8009 ? -20 : code <= 8002 ? 0 : 20;
        Drag(Centre(Ui(Desk()).Image5), {point.x + dx, point.y + dy});
        break;
      }
      case StepCodeFamily::kMenuBar: {
        const int t = r.MenuTarget(), item = t / 100 % 100, sub = t % 100;
        Click(target);
        if (!Ui(Desk()).LblShuMenu.Exists(item)) return "no menu item " + std::to_string(item);
        const Px row = Centre(Ui(Desk()).LblShuMenu[item]);
        Click(row);
        if (sub != 0 && !Completed() && desktop::cursor().step() == current_) {
          const forms::Rect rr = Ui(Desk()).LblShuMenu[item].ScreenRect();
          in_.Move(rr.x + rr.w + 10, row.y);
          Click(Centre(Ui(Desk()).LblSubSel[sub]));
        }
        break;
      }
      case StepCodeFamily::kList: {
        // A click on the top row gives the list the focus; the arrow keys walk to the entry.
        const forms::Rect list = Ui(Desk()).LstLA.ScreenRect();
        Click({list.x + list.w / 2, list.y + 5});
        const int expected = r.Int(109, 3), at = Ui(Desk()).LstLA.ListIndex();
        Keys(expected >= at ? forms::kKeyDown : forms::kKeyUp, std::abs(expected - at));
        Wait(600);
        break;
      }
      case StepCodeFamily::kLocationList: {
        const int expected = platform::ValInt(r.StepCode().substr(2, 2));
        Click(Centre(Ui(Desk()).LblADDmyXZ));
        if (!Ui(Desk()).LblADD.Exists(expected)) return "no location entry " + std::to_string(expected);
        in_.Move(Centre(Ui(Desk()).LblADD[expected]).x, Centre(Ui(Desk()).LblADD[expected]).y);
        Click(Centre(Ui(Desk()).LblADD[expected]));
        break;
      }
      case StepCodeFamily::kSelectHintText: {
        // Pressed before the text's first character, dragged right, watching the selection,
        // until it covers the hint: a hint that opens the text.
        const std::string hint = Text(r.HintLine());
        if (Ui(Desk()).Text1.Text().rfind(hint, 0) != 0) return "a selection that does not open the text";
        const forms::Rect box = Ui(Desk()).Text1.ScreenRect();
        const int y = box.y + box.h / 2;
        in_.Move(box.x + 1, y);
        in_.Press(box.x + 1, y);
        int x = box.x + 1;
        while (x < box.x + box.w && Ui(Desk()).Text1.SelText() != hint) {
          in_.Move(++x, y);
          forms::Pump();
        }
        in_.Release(x, y);
        Wait(600);
        break;
      }
      case StepCodeFamily::kAutomatic:
      case StepCodeFamily::kFinal:
        Wait(1500);
        break;
      // Past the key alternative above, the sweep has no input for these.
      case StepCodeFamily::kNone:
      case StepCodeFamily::kDemonstrationOnly:
        return "step family of code " + r.StepCode() + " not driven";
    }
    return why;
  }

  void Snapshot(const char* test, const std::string& label) {
    const char* dir = std::getenv("XPEXAM_SWEEP_RECORD");
    if (!dir || !*dir) return;
    std::ofstream out(fs::path(dir) / (q_.code + "-" + test + ".txt"), std::ios::binary | std::ios::app);
    const forms::Canvas& screen = forms::ComposeScreen();
    const std::string_view pixels(reinterpret_cast<const char*>(screen.Data()),
                                  static_cast<size_t>(screen.Stride()) * screen.Height());
    out << "== " << label << " screen " << std::hash<std::string_view>{}(pixels) << "\n";
    forms::DumpScreen(out);
  }

  const Question q_ = GetParam();
  int16_t current_ = 0;
  std::string reports_;
  // The first frame found with stale pixels.
  std::string stale_;
  forms::HeadlessSession screen_;
  forms::HeadlessBackend& in_ = screen_.Input();
  static SampleCopy* copy_;
  static std::optional<std::string> old_config_;
};

SampleCopy* SampleSweep::copy_ = nullptr;
std::optional<std::string> SampleSweep::old_config_;

TEST_P(SampleSweep, DemonstrationPlaysToTheEnd) {
  ASSERT_EQ(desktop::cursor().question(), q_.number);
  ASSERT_EQ(Record(q_.records).StepCode(), "9999") << q_.code;
  Act(Bar()).StartDemo();
  bool started = false, ended_at_final = false;
  int ticks = 0;
  const int kLimit = 1800;  // three minutes of virtual time
  for (; ticks < kLimit; ++ticks) {
    Wait(100);
    Snapshot("demo", "tick " + std::to_string(ticks));
    if (demo::FrmYanShi::IsLoaded()) {
      started = true;
      demo::FrmYanShi& d = demo::FrmYanShi::Get();
      if (Vars(d).mDemoStep == q_.records && Ui(d).LHelp.Caption() == "操作成功！") ended_at_final = true;
    } else if (started) {
      break;
    }
  }
  EXPECT_TRUE(started) << q_.code;
  EXPECT_LT(ticks, kLimit) << "the demonstration of " << q_.code << " did not end; at step "
                           << (demo::FrmYanShi::IsLoaded() ? DemoState() : "");
  EXPECT_TRUE(ended_at_final) << q_.code;
  EXPECT_FALSE(desktop::demonstration().running()) << q_.code;
  EXPECT_TRUE(Desk().Visible() && Bar().Visible()) << q_.code;
  EXPECT_EQ(reports_, "") << q_.code;
}

TEST_P(SampleSweep, CompletedOnTheDesktop) {
  ASSERT_EQ(desktop::cursor().question(), q_.number);
  ASSERT_FALSE(Completed());
  for (int guard = 0; guard < q_.records + 2 && !Completed(); ++guard) {
    current_ = desktop::cursor().step();
    Snapshot("desktop", "step " + std::to_string(current_));
    const StepRecord r = Record(current_);
    const std::string why = Answer(r);
    if (!why.empty()) GTEST_SKIP() << why << " (" << Where() << ")";
    if (Completed()) break;
    ASSERT_GT(desktop::cursor().step(), current_) << "the step was not answered: " << Where();
  }
  Snapshot("desktop", "end");
  EXPECT_TRUE(Completed()) << Where();
  EXPECT_EQ(reports_, "") << q_.code;
}

INSTANTIATE_TEST_SUITE_P(Sample, SampleSweep, ::testing::ValuesIn(SampleQuestions(96)),
                         [](const ::testing::TestParamInfo<Question>& info) { return "Q" + info.param.code; });
INSTANTIATE_TEST_SUITE_P(Sample144dpi, SampleSweep, ::testing::ValuesIn(SampleQuestions(144)),
                         [](const ::testing::TestParamInfo<Question>& info) { return "Q" + info.param.code; });

}  // namespace
}  // namespace xpexam::desktop
#endif
