// The image buttons of the sample installation on every screen the learner meets, at 96 and 144
// dpi: a face's picture is opaque, so the corners its rounded frame leaves must carry what lies
// under the button, or they show as specks of another colour round it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "platform/strings.h"
#include "tests/support/dump.h"
#include "tests/support/installation.h"
#include "tests/support/screenshot.h"
#include "tests/support/script_run.h"
#include "tests/support/temp_dir.h"

#if defined(XPEXAM_SCRIPT_BIN) && defined(XPEXAM_SAMPLE_DIR)
namespace xpexam {
namespace {

namespace fs = std::filesystem;

struct Dpi {
  int dpi, width, height, twips_per_pixel;
  friend void PrintTo(const Dpi& d, std::ostream* os) { *os << d.dpi << " dpi"; }
};

struct Rect {
  int x = 0, y = 0, w = 0, h = 0;
  bool Holds(int px, int py) const { return px >= x && py >= y && px < x + w && py < y + h; }
};

struct Button {
  std::string name, face;
  Rect at;
  // Where the pixels round the button must lie to count as what is under it: in the control it
  // lies in and in the pictures and labels beside it there that hold the button, and in none of
  // the others beside it.
  std::vector<Rect> under, beside;
};

Rect RectOf(const testing::DumpFields& fields) {
  auto n = [&](const char* key) { return fields.count(key) ? platform::ValInt(fields.at(key)) : 0; };
  return {n("x"), n("y"), n("w"), n("h")};
}

// The image buttons shown in a window of a dump (the button and every control it lies in
// visible) that lie in one of the named controls; the window's own name stands for the buttons
// lying in the window itself.
std::vector<Button> ShownButtons(const std::string& dump, const std::string& window,
                                 const std::vector<std::string>& within) {
  struct Control {
    std::string type, name, face;
    Rect at;
    int parent;
  };
  std::vector<Control> controls;  // shown ones, in the window
  std::vector<int> path;          // by depth: the index of the control, -1 for a hidden one
  bool in_window = false;
  std::istringstream in(dump);
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("Window ", 0) == 0) in_window = line.rfind("Window " + window + " ", 0) == 0;
    if (!in_window) continue;
    const size_t indent = line.find_first_not_of(' ');
    if (indent == std::string::npos || indent % 2) continue;
    const size_t depth = indent / 2;
    std::string name;
    const testing::DumpFields fields = testing::ParseDumpLine(line, name);
    if (fields.count("visible") == 0) continue;
    path.resize(depth + 1);
    const bool shown = fields.at("visible") == "1" && (depth == 0 || path[depth - 1] >= 0);
    path[depth] = shown ? static_cast<int>(controls.size()) : -1;
    if (shown)
      controls.push_back({line.substr(indent, line.find(' ', indent) - indent), name,
                          fields.count("picture") ? fields.at("picture") : "", RectOf(fields),
                          depth ? path[depth - 1] : -1});
  }
  std::vector<Button> buttons;
  for (const Control& c : controls) {
    if (c.type != "vemoButton" || c.parent < 0 || c.face.empty()) continue;
    auto named = [&](int p) { return std::find(within.begin(), within.end(), controls[p].name) != within.end(); };
    bool wanted = named(c.parent);
    for (int p = c.parent; controls[p].parent >= 0; p = controls[p].parent) wanted = wanted || named(p);
    if (!wanted) continue;
    Button b{c.name, c.face, c.at, {controls[c.parent].at}, {}};
    for (const Control& o : controls) {
      if (o.parent != c.parent || (o.type != "Image" && o.type != "PictureBox" && o.type != "Label")) continue;
      const bool holds = o.at.Holds(c.at.x, c.at.y) && o.at.Holds(c.at.x + c.at.w - 1, c.at.y + c.at.h - 1);
      (holds ? b.under : b.beside).push_back(o.at);
    }
    buttons.push_back(b);
  }
  return buttons;
}

// One place to look at: the script that leads there, where "@Window.Control" is a click on the
// middle of that control as the screen shows it then; the window, and the controls of it whose
// buttons are in view there.
struct Place {
  const char* name;
  std::vector<std::string> steps;
  const char* window;
  std::vector<std::string> within;
};

class ButtonFaces : public ::testing::TestWithParam<Dpi> {
 protected:
  // A fresh copy of the sample for each place: a run leaves records that change the next.
  void Reset() {
    fs::remove_all(program_);
    fs::remove_all(work_ / "config");
    fs::copy(XPEXAM_SAMPLE_DIR, program_, fs::copy_options::recursive);
    fs::remove_all(program_ + "/ksdata");
    testing::SeedRecords(program_);
  }
  std::string Run(const std::string& script) {
    const std::string options = "--screen " + std::to_string(GetParam().width) + "x" +
                                std::to_string(GetParam().height) + " --twips-per-pixel " +
                                std::to_string(GetParam().twips_per_pixel);
    return testing::RunScript(work_, program_, script, options);
  }
  // The script of a place's steps, its clicks on controls found in a dump of the way so far.
  std::string ScriptOf(const Place& place) {
    std::string script;
    for (const std::string& step : place.steps) {
      if (step[0] != '@') {
        script += step + "\n";
        continue;
      }
      const std::string out = Run(script + "dump\n");
      const auto items = testing::ParseDump(out);
      const auto it = items.find(step.substr(1));
      if (it == items.end() || it->second.count("visible") == 0 || it->second.at("visible") != "1") {
        ADD_FAILURE() << step << " is not shown:\n" << out;
        return script;
      }
      const Rect r = RectOf(it->second);
      script += "click " + std::to_string(r.x + r.w / 2) + " " + std::to_string(r.y + r.h / 2) + "\nwait 300\n";
    }
    return script;
  }

  testing::TempDir dir_, work_;
  std::string program_ = dir_ / "sample";
};

TEST_P(ButtonFaces, CornersCarryWhatLiesUnderThem) {
  const std::string start = "wait 3000";
  const std::string practice = "unit 0\nwait 2000";
  const std::vector<std::string> exam = {start, "@FrmFengmian.ClickBotn(5)", "@FrmFengmian.ClickBotn(70)",
                                         "@FrmLogon.CmdLog", "wait 2000"};
  auto then = [](std::vector<std::string> way, const std::vector<std::string>& more) {
    way.insert(way.end(), more.begin(), more.end());
    return way;
  };
  const std::vector<std::string> report =
      then(exam, {"wait 3000000", "key Enter", "wait 300", "@FrmEnd1.Command1", "@FrmEnd2.Command1", "wait 2000"});
  const Place places[] = {
      {"home view", {start}, "FrmFengmian", {"FrmFengmian"}},
      {"units", {start, "@FrmFengmian.ClickBotn(4)"}, "FrmFengmian", {"PicTOP", "PicTiKu"}},
      {"papers", {start, "@FrmFengmian.ClickBotn(5)"}, "FrmFengmian", {"PicTOP", "PicKaCH"}},
      {"random papers", {start, "@FrmFengmian.ClickBotn(5)", "@FrmFengmian.ClickBotn(31)"}, "FrmFengmian",
       {"PicTOP", "PicKaCH"}},
      {"bookmarks", {start, "@FrmFengmian.ClickBotn(4)", "@FrmFengmian.ClickBotn(18)"}, "FrmFengmian",
       {"PicTOP", "PicBiaoZhi"}},
      {"wrong answers", {start, "@FrmFengmian.ClickBotn(4)", "@FrmFengmian.ClickBotn(19)"}, "FrmFengmian",
       {"PicTOP", "PicCuoTi"}},
      {"help", {start, "@FrmFengmian.ClickBotn(11)"}, "FrmFengmian", {"PicTOP", "PicHelp"}},
      {"message box", {start, "@FrmFengmian.ClickBotn(3)"}, "FrmQOMSGBOX", {"FrmQOMSGBOX"}},
      {"About box", {start, "@FrmFengmian.LblInfo(21)"}, "FrmAbout", {"FrmAbout"}},
      {"update", {start, "@FrmFengmian.ClickBotn(8)"}, "FrmUpdata", {"FrmUpdata"}},
      {"question bar", {start, practice}, "FrmTm", {"FrmTm", "FrmZhuYa"}},
      {"number page", {start, practice, "@FrmTm.CmdGN(4)"}, "FrmTm", {"FrmTm", "FrmSelect"}},
      {"input-method help", {start, practice, "@FrmTm.CmdEn"}, "FrmIME", {"FrmIME"}},
      {"exam bar", exam, "FrmTm", {"FrmTm", "FrmZhuYa"}},
      {"candidate panel", then(exam, {"@FrmTm.CmdGN(9)"}), "FrmTm", {"FrmTm", "FrmKSXX"}},
      {"hand-in", then(exam, {"@FrmTm.CmdGN(8)"}), "FrmEnd1", {"FrmEnd1", "Frame1"}},
      {"hand-in, asked again", then(exam, {"@FrmTm.CmdGN(8)", "@FrmEnd1.Command1"}), "FrmEnd2", {"FrmEnd2", "Frame1"}},
      {"answer prompt", then(exam, {"@FrmTm.CmdGN(10)"}), "FrmCZTS", {"FrmCZTS"}},
      {"score report", report, "FrmChengji", {"Picture1"}},
      {"paper review", then(report, {"@FrmChengji.Command1", "wait 2000"}), "FrmTm", {"FrmTm", "FrmZhuYa"}},
      {"redo of the wrong questions", then(report, {"@FrmChengji.Command3", "wait 2000"}), "FrmTm",
       {"FrmTm", "FrmZhuYa"}},
  };
  for (const Place& place : places) {
    SCOPED_TRACE(place.name);
    Reset();
    const std::string shot = work_ / "shot.png";
    const std::string out = Run(ScriptOf(place) + "shot " + shot + "\ndump\n");
    const std::vector<Button> buttons = ShownButtons(out, place.window, place.within);
    ASSERT_FALSE(buttons.empty()) << out;
    const testing::Screenshot png(shot);
    int checked = 0;
    for (const Button& b : buttons) {
      const Rect& r = b.at;
      // Each corner pixel beside the pixel diagonally outside it, where that lies on what the
      // button lies on and on no other button.
      const int corners[4][4] = {{r.x, r.y, -1, -1},
                                 {r.x + r.w - 1, r.y, 1, -1},
                                 {r.x, r.y + r.h - 1, -1, 1},
                                 {r.x + r.w - 1, r.y + r.h - 1, 1, 1}};
      for (const auto& [x, y, dx, dy] : corners) {
        if (std::any_of(b.under.begin(), b.under.end(), [&](const Rect& u) { return !u.Holds(x + dx, y + dy); }) ||
            std::any_of(b.beside.begin(), b.beside.end(), [&](const Rect& o) { return o.Holds(x + dx, y + dy); }) ||
            std::any_of(buttons.begin(), buttons.end(), [&](const Button& o) { return o.at.Holds(x + dx, y + dy); }))
          continue;
        ++checked;
        const forms::Color in = png.At(x, y), beside = png.At(x + dx, y + dy);
        int diff = 0;
        for (int shift : {0, 8, 16})
          diff = std::max(diff, std::abs(int(in >> shift & 0xFF) - int(beside >> shift & 0xFF)));
        // The backgrounds are JPEGs: a flat colour or a gradient comes back up to 3 levels off.
        EXPECT_LE(diff, 4) << b.name << " (" << b.face << ") corner " << x << "," << y << ": " << std::hex << in
                           << " beside " << beside;
      }
    }
    EXPECT_GT(checked, 0);
  }
}

INSTANTIATE_TEST_SUITE_P(Dpis, ButtonFaces, ::testing::Values(Dpi{96, 1024, 768, 15}, Dpi{144, 1600, 1200, 10}),
                         [](const auto& info) { return std::to_string(info.param.dpi) + "dpi"; });

}  // namespace
}  // namespace xpexam
#endif
