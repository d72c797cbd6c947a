// Whole questions of the sample installation, played through the scenario runner with the input
// a learner gives: each unit of the sample opens on another kind of action, and a unit's
// practice starts at its first question. Where to act comes from the question's step records
// (15 twips a pixel, the desktop window where the dump puts it) and from what the screen shows.
#include <cairo.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "desktop/key_map.h"
#include "desktop/popup_menu_file.h"
#include "desktop/step_record.h"
#include "forms/color.h"
#include "forms/graphics.h"
#include "frame/settings.h"
#include "platform/strings.h"
#include "platform/textfile.h"
#include "tests/support/dump.h"
#include "tests/support/screenshot.h"
#include "tests/support/script_run.h"
#include "tests/support/temp_dir.h"

#if defined(XPEXAM_SCRIPT_BIN) && defined(XPEXAM_SAMPLE_DIR)
namespace xpexam::desktop {
namespace {

namespace fs = std::filesystem;

struct Point {
  int x = 0, y = 0;
};

struct Box {
  int x = 0, y = 0, w = 0, h = 0;
  Point Center() const { return {x + w / 2, y + h / 2}; }
};

// One window or control of a dump.
struct Shown {
  bool visible = false;
  Box box;
  std::map<std::string, std::string> fields;  // caption, text, picture, items, index ...
  std::string Field(const std::string& key) const {
    auto it = fields.find(key);
    return it == fields.end() ? "" : it->second;
  }
};

// A dump by name: "FrmMain" for a window, "FrmMain.Label1" for one of its controls.
class Dump {
 public:
  explicit Dump(std::string text) : text_(std::move(text)) {
    for (auto& [name, fields] : testing::ParseDump(text_)) {
      Shown& shown = items_[name];
      shown.fields = std::move(fields);
      shown.visible = shown.Field("visible") == "1";
      shown.box = {platform::ValInt(shown.Field("x")), platform::ValInt(shown.Field("y")),
                   platform::ValInt(shown.Field("w")), platform::ValInt(shown.Field("h"))};
    }
  }
  const Shown& operator[](const std::string& name) const {
    static const Shown kNone;
    auto it = items_.find(name);
    if (it != items_.end()) return it->second;
    ADD_FAILURE() << "no " << name << " in the dump:\n" << text_;
    return kNone;
  }
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
  std::map<std::string, Shown> items_;
};

// A shot of the screen; colours as the program writes them (&H00BBGGRR).
class Shot : public xpexam::testing::Screenshot {
 public:
  using Screenshot::Screenshot;
  forms::Color At(Point p) const { return Screenshot::At(p.x, p.y); }
};

const forms::Color kMenuFace = forms::ResolveColor(forms::kSysMenu);
const forms::Color kMenuBorder = forms::ResolveColor(forms::kSysButtonShadow);
const forms::Color kHighlight = forms::ResolveColor(forms::kSysHighlight);

// A popup menu as the runtime draws it: a frame of 3 pixels, rows of one height, separators
// of 9 pixels with a line through their middle.
struct DrawnMenu {
  Box box;
  std::vector<Box> rows;  // one per entry, separators included
};

// The popup whose top-left corner is at `corner`, with these entries (true for a separator):
// its size and separator lines are read from the screen, the row height follows from them.
DrawnMenu FindMenu(const Shot& shot, Point corner, const std::vector<bool>& separators) {
  DrawnMenu m;
  EXPECT_EQ(shot.At(corner), kMenuBorder) << "no menu frame at " << corner.x << "," << corner.y;
  EXPECT_EQ(shot.At({corner.x + 1, corner.y + 1}), kMenuFace);
  int right = corner.x + 1, bottom = corner.y + 1;
  while (right < corner.x + 800 && shot.At({right, corner.y + 1}) != kMenuBorder) ++right;
  while (bottom < corner.y + 800 && shot.At({corner.x + 1, bottom}) != kMenuBorder) ++bottom;
  m.box = {corner.x, corner.y, right - corner.x + 1, bottom - corner.y + 1};
  const int lines = static_cast<int>(std::count(separators.begin(), separators.end(), true));
  const int items = static_cast<int>(separators.size()) - lines;
  const int space = m.box.h - 6 - 9 * lines;
  EXPECT_TRUE(items > 0 && space % items == 0) << "a menu of " << m.box.h << " pixels for " << items << " items";
  const int row_h = items > 0 ? space / items : 0;
  int top = corner.y + 3;
  for (bool separator : separators) {
    const Box r{corner.x + 3, top, m.box.w - 6, separator ? 9 : row_h};
    if (separator) {
      EXPECT_EQ(shot.At({r.x + 2, r.y + 4}), kMenuBorder) << "separator at " << r.y;
      EXPECT_EQ(shot.At({r.x + 2, r.y + 3}), kMenuFace);
    }
    m.rows.push_back(r);
    top += r.h;
  }
  return m;
}

// The entries a popup shows (true for a separator) and where an item of a group lies: the
// entry, and the entry of its submenu for an item of a cascade.
struct MenuPlan {
  std::vector<bool> separators;
  int entry = -1;
  std::vector<bool> sub_separators;
  int sub_entry = -1;
};

MenuPlan PlanMenu(const PopupMenu& menu, int group_digit, int item) {
  MenuPlan plan;
  for (const PopupGroup& g : menu.groups) {
    if (g.cascade) {
      if (g.group_digit == group_digit) {
        plan.entry = static_cast<int>(plan.separators.size());
        for (const PopupItem& i : g.items) plan.sub_separators.push_back(i.IsSeparator());
        plan.sub_entry = item;
      }
      plan.separators.push_back(false);
      continue;
    }
    for (size_t i = 0; i < g.items.size(); ++i) {
      if (g.group_digit == group_digit && static_cast<int>(i) == item)
        plan.entry = static_cast<int>(plan.separators.size());
      plan.separators.push_back(g.items[i].IsSeparator());
    }
  }
  return plan;
}

// The question numbers the question bar lists as not done.
std::vector<std::string> Unfinished(const Dump& d) {
  std::istringstream words(d["FrmTm.LblUnit"].Field("caption"));
  std::vector<std::string> out;
  std::string w;
  words >> w;  // "未完成的题目"
  while (words >> w) out.push_back(w);
  return out;
}

bool Lists(const std::vector<std::string>& numbers, const char* n) {
  return std::find(numbers.begin(), numbers.end(), n) != numbers.end();
}

void ExpectOpen(const Dump& d) {
  EXPECT_TRUE(d["FrmMain"].visible) << d.Text();
  const std::string title = d["FrmTm.LblBiao"].Field("caption");
  EXPECT_TRUE(title.find("单元1/") != std::string::npos && title.ends_with("(未完成)")) << d.Text();
  EXPECT_TRUE(Lists(Unfinished(d), "1")) << d.Text();
  EXPECT_FALSE(d["FrmMain.LblSuccess"].visible);
}

void ExpectCompleted(const Dump& d) {
  EXPECT_TRUE(d["FrmMain.LblSuccess"].visible) << d.Text();
  EXPECT_EQ(d["FrmMain.LblSuccess"].Field("caption"), "操作成功！");
  EXPECT_TRUE(d["FrmTm.LblBiao"].Field("caption").ends_with("(已完成)")) << d.Text();
  EXPECT_FALSE(Lists(Unfinished(d), "1")) << d.Text();
  EXPECT_TRUE(Lists(Unfinished(d), "2")) << d.Text();
}

// The practice of one unit on a copy of the sample installation, started as the home screen
// starts it. Every look plays the script so far from the program's start (the runner is
// deterministic) on the installation as it was copied.
class UnitRun {
 public:
  explicit UnitRun(int unit) : unit_(unit) {
    fs::copy(XPEXAM_SAMPLE_DIR, program_, fs::copy_options::recursive);
    auto ver = platform::ReadTextLines(program_ + "/ver.txt");
    data_ = program_ + "/" + (ver && ver->size() > 2 ? frame::DecodeSettingsLine((*ver)[2]) : "") + "/";
    std::ifstream marker(data_ + "288892.mxy", std::ios::binary);
    first_run_marker_.assign(std::istreambuf_iterator<char>(marker), {});
    script_ = "wait 300\nunit " + std::to_string(unit) + "\nwait 300\n";
    const Dump start = Look();
    ExpectOpen(start);
    origin_ = {start["FrmMain"].box.x, start["FrmMain"].box.y};
  }

  std::string ProgramFile(const std::string& name) const { return program_ + "/" + name; }
  std::string DataFile(const std::string& name) const { return data_ + name; }

  // Record n of the unit's first question.
  StepRecord Step(int n) const {
    auto line = ReadStepRecord(data_ + "2888" + std::to_string(20 + unit_) + ".mxy", n);
    EXPECT_TRUE(line) << "unit " << unit_ << " record " << n;
    return StepRecord(line.value_or(""));
  }
  Point At(int x_twips, int y_twips) const { return {origin_.x + x_twips / 15, origin_.y + y_twips / 15}; }
  Box On(int x, int y, int w, int h) const { return {At(x, y).x, At(x, y).y, w / 15, h / 15}; }
  Box Target(int n) const {
    const StepRecord r = Step(n);
    EXPECT_TRUE(r.HasTargetBox()) << "record " << n;
    return On(r.TargetX(), r.TargetY(), r.TargetWidth(), r.TargetHeight());
  }

  // Input as a learner gives it; each gesture leaves the double-click time behind it.
  void Do(const std::string& line) { script_ += line + "\n"; }
  void Move(Point p) { Do("move " + Xy(p)); }
  void Click(Point p, const std::string& button = "left") {
    Move(p);
    Do("click " + Xy(p) + " " + button);
    Do("wait 600");
  }
  void DblClick(Point p) {
    Move(p);
    Do("dblclick " + Xy(p));
    Do("wait 600");
  }
  // A drag with the left button along a straight line, in `steps` moves, ending with a few
  // moves at the end point as a hand that comes to rest.
  void Drag(Point from, Point to, int steps = 8) {
    Move(from);
    Do("press " + Xy(from) + " left");
    for (int i = 1; i <= steps + 3; ++i) {
      const int k = std::min(i, steps);
      Move({from.x + (to.x - from.x) * k / steps, from.y + (to.y - from.y) * k / steps});
    }
    Do("release " + Xy(to) + " left");
    Do("wait 600");
  }

  Dump Look() { return Dump(Run("dump\n")); }
  // The input so far, and a return to it: cases that start from one place share its set-up.
  const std::string& Script() const { return script_; }
  void Rewind(const std::string& script) { script_ = script; }
  std::unique_ptr<Shot> Snap() {
    const std::string png = work_ / ("shot" + std::to_string(++shots_) + ".png");
    Run("shot " + png + "\n");
    return std::make_unique<Shot>(png);
  }

 private:
  static std::string Xy(Point p) { return std::to_string(p.x) + " " + std::to_string(p.y); }

  std::string Run(const std::string& tail) {
    // What an earlier run wrote is put back: the learner's records, the first-run marker and
    // the per-user settings.
    fs::remove_all(program_ + "/ksdata");
    testing::SeedRecords(program_);
    std::ofstream(data_ + "288892.mxy", std::ios::binary) << first_run_marker_;
    fs::remove_all(work_ / "config");
    return testing::RunScript(work_, program_, script_ + tail);
  }

  int unit_;
  testing::TempDir dir_, work_;
  std::string program_ = dir_ / "sample";
  std::string data_;
  std::string first_run_marker_;
  std::string script_;
  Point origin_;
  int shots_ = 0;
};

std::string Mods(int shift_digit) {
  std::string out;
  for (auto [bit, name] : {std::pair{1, "shift"}, {2, "ctrl"}, {4, "alt"}})
    if (shift_digit & bit) out += (out.empty() ? "" : "+") + std::string(name);
  return out;
}

TEST(SampleQuestions, DoubleClickOpensMyComputer) {
  UnitRun run(0);
  ASSERT_EQ(run.Step(1).StepCode(), "0002");
  run.DblClick(run.Target(1).Center());
  const Dump d = run.Look();
  ExpectCompleted(d);
  EXPECT_NE(d["FrmTm.RtbTM"].Field("text").find("我的电脑"), std::string::npos);
}

TEST(SampleQuestions, KeyReleaseWithModifiers) {
  UnitRun run(1);
  const StepRecord step = run.Step(1);
  ASSERT_EQ(step.CodeFamily(), StepCodeFamily::kKey);
  const auto key = RequestedKey(step);
  ASSERT_TRUE(key);
  ASSERT_NE(key->shift, 0);
  run.Do("key " + std::to_string(key->key_code) + " " + Mods(key->shift));
  run.Do("wait 600");
  ExpectCompleted(run.Look());
}

// A key step completes on the release of its key while its modifiers are held: the order of the
// downs does not matter, but a modifier let go first leaves the step where it was. The keys are
// played one event at a time, as a learner's hands give them.
TEST(SampleQuestions, KeyChordsCompleteOnTheKeysReleaseWithTheModifierHeld) {
  struct Case {
    const char* name;
    int unit;
    bool shift_delete;  // unit 0's permanent deletion, at its second step; else the unit's first question
    const char* hint;
    const char* keys;
    bool advances;
  };
  const Case cases[] = {
      {"Ctrl, Esc, Esc up, Ctrl up", 1, false, "Ctrl+Esc", "keydown ctrl\nkeydown esc\nkeyup esc\nkeyup ctrl", true},
      {"Esc, Ctrl, Esc up, Ctrl up", 1, false, "Ctrl+Esc", "keydown esc\nkeydown ctrl\nkeyup esc\nkeyup ctrl", true},
      {"Ctrl, Esc, Ctrl up, Esc up", 1, false, "Ctrl+Esc", "keydown ctrl\nkeydown esc\nkeyup ctrl\nkeyup esc", false},
      {"Esc alone", 1, false, "Ctrl+Esc", "keydown esc\nkeyup esc", false},
      {"Shift, Delete, Delete up, Shift up", 0, true, "Shift+Delete",
       "keydown shift\nkeydown delete\nkeyup delete\nkeyup shift", true},
      {"Shift, Delete, Shift up, Delete up", 0, true, "Shift+Delete",
       "keydown shift\nkeydown delete\nkeyup shift\nkeyup delete", false},
      {"Ctrl, Delete, Delete up, Ctrl up", 0, true, "Shift+Delete",
       "keydown ctrl\nkeydown delete\nkeyup delete\nkeyup ctrl", false},
  };
  // One run of each unit up to the chord; every case plays its keys from there.
  struct Start {
    std::unique_ptr<UnitRun> run;
    std::unique_ptr<Dump> before;
  };
  std::map<int, Start> starts;
  auto start = [&](const Case& c) -> Start& {
    Start& s = starts[c.unit];
    if (s.run) return s;
    s.run = std::make_unique<UnitRun>(c.unit);
    UnitRun& run = *s.run;
    if (c.shift_delete) {
      // The number page, question 40, then the file the deletion asks for.
      run.Click(run.Look()["FrmTm.CmdGN(4)"].box.Center());
      run.Click(run.Look()["FrmTm.CmTNO(40)"].box.Center());
      const Dump question = run.Look();
      EXPECT_NE(question["FrmTm.RtbTM"].Field("text").find("永久删除"), std::string::npos) << question.Text();
      run.Click(question["FrmMain.Label1"].box.Center());
    }
    s.before = std::make_unique<Dump>(run.Look());
    return s;
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Start& from = start(c);
    UnitRun& run = *from.run;
    const Dump& before = *from.before;
    const std::string set_up = run.Script();
    ASSERT_NE(before["FrmMain.LHelp"].Field("caption").find(c.hint), std::string::npos) << before.Text();
    run.Do(c.keys);
    run.Do("wait 600");
    const Dump after = run.Look();
    run.Rewind(set_up);
    EXPECT_EQ(after["FrmMain"].Field("picture") != before["FrmMain"].Field("picture"), c.advances) << after.Text();
    EXPECT_EQ(after["FrmMain.LHelp"].Field("caption") != before["FrmMain.LHelp"].Field("caption") ||
                  after["FrmMain.LblSuccess"].visible,
              c.advances);
  }
}

// The handle follows the pointer half-way at each move; it counts once it reaches the
// record's point in the code's direction.
TEST(SampleQuestions, HandleDragToTheRecordsPoint) {
  UnitRun run(2);
  const StepRecord step = run.Step(1);
  ASSERT_EQ(step.CodeFamily(), StepCodeFamily::kHandleDrag);
  const Shown handle = run.Look()["FrmMain.Image5"];
  ASSERT_TRUE(handle.visible);
  EXPECT_EQ(handle.box.x, run.At(step.OverlayX(5), 0).x);
  const Point point = run.At(step.PointX(), step.PointY());
  const int code = step.StepCodeValue();
  const int dx = code == 8001 || code == 8006 || code == 8008 ? -20 : code == 8003 || code == 8004 ? 0 : 20;
  const int dy = code == 8003 || code == 8008 || code == 8009 ? -20 : code <= 8002 ? 0 : 20;
  run.Drag(handle.box.Center(), {point.x + dx, point.y + dy});
  ExpectCompleted(run.Look());
}

// The menu bar: the title of the record's target box, the item, then the sub-item of the
// submenu the item opens; the drop-down, the highlighted item and the submenu are the menu
// pictures of the program folder.
TEST(SampleQuestions, MenuBarSubItem) {
  UnitRun run(3);
  const StepRecord step = run.Step(1);
  ASSERT_EQ(step.CodeFamily(), StepCodeFamily::kMenuBar);
  const int target = step.MenuTarget(), item = target / 100 % 100, sub = target % 100;
  ASSERT_NE(sub, 0);
  run.Click(run.Target(1).Center());
  const Shown row = run.Look()["FrmMain.LblShuMenu(" + std::to_string(item) + ")"];
  ASSERT_TRUE(row.visible);
  run.Click(row.box.Center());
  const Dump open = run.Look();
  ExpectOpen(open);
  const Shown sub_row = open["FrmMain.LblSubSel(" + std::to_string(sub) + ")"];
  ASSERT_TRUE(sub_row.visible);

  const auto shot = run.Snap();
  struct Probe {
    const char* image;
    std::vector<std::pair<double, double>> at;  // fractions of the picture's size
  } probes[] = {
      {"ImgMenuSel", {{0, 0.02}, {0.999, 0.02}, {0.5, 0.999}}},  // the drop-down's frame, clear of the item
      {"ImgShuMenu", {{0.05, 0.5}, {0.5, 0.5}}},                   // the highlighted item
      {"ImgSubMenu", {{0, 0.5}, {0.999, 0.5}, {0.5, 0}, {0.5, 0.999}}},
  };
  for (const Probe& p : probes) {
    const Shown image = open[std::string("FrmMain.") + p.image];
    ASSERT_TRUE(image.visible) << p.image;
    const auto picture = forms::Picture::Load(run.ProgramFile("examdata/" + image.Field("picture") + ".mxy"));
    ASSERT_EQ(picture->Width(), image.box.w) << p.image;
    for (auto [fx, fy] : p.at) {
      const Point in{static_cast<int>(fx * (picture->Width() - 1)), static_cast<int>(fy * (picture->Height() - 1))};
      EXPECT_EQ(shot->At({image.box.x + in.x, image.box.y + in.y}), picture->PixelAt(in.x, in.y))
          << p.image << " at " << in.x << "," << in.y;
    }
  }

  run.Move({row.box.x + row.box.w + 10, row.box.Center().y});
  run.Click(sub_row.box.Center());
  ExpectCompleted(run.Look());
}

// A right press on the target box is the step; the next one clicks an item of the menu
// picture it shows.
TEST(SampleQuestions, RightPressThenTheDrawnMenu) {
  UnitRun run(4);
  ASSERT_EQ(run.Step(1).StepCode(), "0003");
  ASSERT_EQ(run.Step(2).StepCode(), "0001");
  run.Click(run.Target(1).Center(), "right");
  const Dump pressed = run.Look();
  ExpectOpen(pressed);
  EXPECT_TRUE(pressed["FrmMain.Image1"].visible) << "the menu picture of the next step";
  run.Click(run.Target(2).Center());
  ExpectCompleted(run.Look());
}

// A drag from the Label4 box that ends on the target box.
TEST(SampleQuestions, DragFromTheLabel4BoxToTheTarget) {
  UnitRun run(5);
  const StepRecord step = run.Step(1);
  ASSERT_EQ(step.CodeFamily(), StepCodeFamily::kDrag);
  ASSERT_TRUE(step.HasLabel4Box());
  const Box from = run.On(step.Label4X(), step.Label4Y(), step.Label4Width(), step.Label4Height());
  run.Drag(from.Center(), run.Target(1).Center());
  ExpectCompleted(run.Look());
}

TEST(SampleQuestions, LeftClick) {
  UnitRun run(6);
  ASSERT_EQ(run.Step(1).StepCode(), "0001");
  run.Click(run.Target(1).Center());
  ExpectCompleted(run.Look());
}

// A context menu of the desktop opened by a right press, a click on a tab drawn in the
// dialog, then the list step: the entry below the highlighted one, then "OK".
TEST(SampleQuestions, ListStepAfterAContextMenu) {
  UnitRun run(7);
  const StepRecord popup_step = run.Step(1), list_step = run.Step(3);
  ASSERT_EQ(popup_step.CodeFamily(), StepCodeFamily::kPopupMenu);
  ASSERT_EQ(list_step.CodeFamily(), StepCodeFamily::kList);
  const int code = popup_step.StepCodeValue();
  const auto menu = LoadPopupMenu(run.ProgramFile(kPopupMenuFileName), code, code / 100 % 10);
  ASSERT_TRUE(menu);
  const MenuPlan plan = PlanMenu(*menu, code / 10 % 10, code % 10);
  ASSERT_GE(plan.entry, 0);
  ASSERT_TRUE(plan.sub_separators.empty()) << "an item of a plain group";

  const Point at = run.Target(1).Center();
  run.Click(at, "right");
  const DrawnMenu drawn = FindMenu(*run.Snap(), at, plan.separators);
  run.Click(drawn.rows[plan.entry].Center());
  run.Click(run.Target(2).Center());

  const Dump listed = run.Look();
  const Shown list = listed["FrmMain.LstLA"];
  ASSERT_TRUE(list.visible) << listed.Text();
  const int initial = list_step.Int(106, 3), expected = list_step.Int(109, 3);
  ASSERT_EQ(platform::ValInt(list.Field("index")), initial);
  // The highlighted row shows where the entries lie and how high they are.
  const auto shot = run.Snap();
  const int column = list.box.x + list.box.w - 6;  // right of the entries' text
  int top = list.box.y;
  while (top < list.box.y + list.box.h && shot->At({column, top}) != kHighlight) ++top;
  int bottom = top;
  while (bottom < list.box.y + list.box.h && shot->At({column, bottom}) == kHighlight) ++bottom;
  ASSERT_GT(bottom, top) << "no highlighted entry in the list";
  const int row_h = bottom - top;
  run.Click({list.box.Center().x, top + (expected - initial) * row_h + row_h / 2});
  const Dump chosen = run.Look();
  ExpectOpen(chosen);
  // The right entry answers the step: the list goes, the next step's target box comes.
  EXPECT_FALSE(chosen["FrmMain.LstLA"].visible);
  EXPECT_EQ(chosen["FrmMain.Label1"].box.x, run.Target(4).x);
  run.Click(run.Target(4).Center());
  ExpectCompleted(run.Look());
}

// A dialog opened from the menu bar, then its tab strip: a wrong tab shows its own page and
// keeps the target box off, the right tab shows the record's page and brings it back.
TEST(SampleQuestions, TabStripWrongThenRightTab) {
  UnitRun run(9);
  const StepRecord menu_step = run.Step(1), tab_step = run.Step(2);
  ASSERT_EQ(menu_step.CodeFamily(), StepCodeFamily::kMenuBar);
  ASSERT_TRUE(tab_step.IsTabStep());
  ASSERT_NE(tab_step.TabShown(), tab_step.TabToSelect());
  run.Click(run.Target(1).Center());
  run.Click(run.Look()["FrmMain.LblShuMenu(" + std::to_string(menu_step.MenuTarget() / 100 % 100) + ")"].box.Center());

  const Dump sheet = run.Look();
  const std::string tab = "FrmMain.LblXXK(" + std::to_string(tab_step.TabToSelect()) + ")";
  const std::string wrong = "FrmMain.LblXXK(" + std::to_string(tab_step.TabToSelect() == 1 ? 2 : 1) + ")";
  const std::string page = tab_step.OverlayId(tab_step.TabImageSlot());
  const std::string image = "FrmMain.Image" + std::to_string(tab_step.TabImageSlot());
  ASSERT_GT(sheet[tab].box.w, 1) << sheet.Text();
  EXPECT_EQ(sheet["FrmMain.Label1"].box.w, 0) << "the target box waits for the tab";
  const std::string asking = "请选择第" + std::to_string(tab_step.TabToSelect()) + "个选项卡";
  EXPECT_EQ(sheet["FrmMain.LHelp"].Field("caption"), asking);

  run.Click(sheet[wrong].box.Center());
  const Dump after_wrong = run.Look();
  EXPECT_EQ(after_wrong["FrmMain.LHelp"].Field("caption"), asking);
  EXPECT_NE(after_wrong[image].Field("picture"), page);
  EXPECT_EQ(after_wrong["FrmMain.Label1"].box.w, 0);

  run.Click(sheet[tab].box.Center());
  const Dump after_right = run.Look();
  ExpectOpen(after_right);
  EXPECT_EQ(after_right[image].Field("picture"), page);
  EXPECT_EQ(after_right["FrmMain.Label1"].box.w, run.Target(2).w);

  run.Click(run.Target(2).Center());
  run.Click(run.Target(3).Center());
  ExpectCompleted(run.Look());
}

TEST(SampleQuestions, TypingThenEnter) {
  UnitRun run(10);
  const StepRecord step = run.Step(1);
  ASSERT_EQ(step.StepCode(), "0022");
  const auto answer = ReadStepText(run.DataFile("288890.mxy"), step.AnswerLine().Number());
  ASSERT_TRUE(answer);
  const Box box = run.On(step.TextBoxX(), step.TextBoxY(), step.TextBoxWidth(), step.TextBoxHeight());
  run.Click(box.Center());
  run.Do("type " + TypingAlternatives(*answer).first);
  run.Do("key Enter");
  run.Do("wait 600");
  const Dump d = run.Look();
  ExpectCompleted(d);
  EXPECT_EQ(d["FrmMain.Text1"].Field("text"), TypingAlternatives(*answer).first);
}

// A context menu opened at the pointer by a right press, its cascade opened by pointing at
// it, the item chosen in the submenu; two automatic steps follow.
TEST(SampleQuestions, ContextMenuThroughACascade) {
  UnitRun run(11);
  const StepRecord step = run.Step(1);
  ASSERT_EQ(step.CodeFamily(), StepCodeFamily::kPopupMenu);
  ASSERT_EQ(step.PopupY(), 0) << "opens at the pointer";
  const int code = step.StepCodeValue();
  const auto menu = LoadPopupMenu(run.ProgramFile(kPopupMenuFileName), code, code / 100 % 10);
  ASSERT_TRUE(menu);
  const MenuPlan plan = PlanMenu(*menu, code / 10 % 10, code % 10);
  ASSERT_GE(plan.entry, 0);
  ASSERT_FALSE(plan.sub_separators.empty()) << "an item of a cascade";

  const Point at = run.Target(1).Center();
  run.Click(at, "right");
  const DrawnMenu drawn = FindMenu(*run.Snap(), at, plan.separators);
  const Box cascade = drawn.rows[plan.entry];
  run.Move(cascade.Center());
  const auto shot = run.Snap();
  EXPECT_EQ(shot->At({cascade.x + 2, cascade.Center().y}), kHighlight) << "the cascade is highlighted";
  // The submenu opens beside the popup, its first row level with the cascade.
  const DrawnMenu sub = FindMenu(*shot, {drawn.box.x + drawn.box.w - 3, cascade.y - 3}, plan.sub_separators);
  run.Move({sub.box.x + 10, cascade.Center().y});
  run.Click(sub.rows[plan.sub_entry].Center());
  run.Do("wait 2500");
  ExpectCompleted(run.Look());
}

}  // namespace
}  // namespace xpexam::desktop
#endif
