// Reads the sample installation the build writes and checks it as the program will use it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "desktop/index_line.h"
#include "desktop/menu_bar.h"
#include "desktop/popup_menu_file.h"
#include "desktop/session_plan.h"
#include "desktop/step_record.h"
#include "desktop/tab_strip.h"
#include "forms/graphics.h"
#include "frame/settings.h"
#include "platform/strings.h"
#include "platform/textfile.h"

#ifdef XPEXAM_SAMPLE_DIR

namespace xpexam::desktop {
namespace {

namespace fs = std::filesystem;

const std::string kRoot = XPEXAM_SAMPLE_DIR;

// The families whose step is typed into an answer box: the ones the demonstration types.
bool TypesAnAnswer(StepCodeFamily family) { return StepFamily(family).codes[0].demonstration == DemoAction::kTyping; }

std::vector<std::string> Lines(const std::string& path) {
  auto lines = platform::ReadTextLines(path);
  if (!lines) ADD_FAILURE() << "cannot read " << path;
  return lines.value_or(std::vector<std::string>{});
}

int Number(const std::string& text) { return static_cast<int>(platform::Val(text)); }

struct Question {
  std::string code;  // UUQQ
  IndexLine index;
  std::vector<StepRecord> records;
};

struct Installation {
  std::vector<std::string> ver;  // decoded
  std::string data;              // data folder with a trailing "/"
  std::vector<std::string> layout;
  std::vector<std::string> unit_counts;  // count digits per unit
  std::vector<Question> questions;
  std::string text_file;
  int text_lines = 0;
};

const Installation& Sample() {
  static const Installation inst = [] {
    Installation s;
    for (const auto& line : Lines(kRoot + "/ver.txt")) s.ver.push_back(frame::DecodeSettingsLine(line));
    s.data = kRoot + "/" + (s.ver.size() > 2 ? s.ver[2] : std::string("?")) + "/";
    s.layout = Lines(s.data + "288891.mxy");
    s.text_file = s.data + "288890.mxy";
    s.text_lines = static_cast<int>(Lines(s.text_file).size());
    int units = s.layout.empty() ? 0 : Number(s.layout[0].substr(2, 2));
    for (int u = 0; u < units; ++u) {
      auto index = Lines(s.data + "2888" + std::to_string(70 + u) + ".mxy");
      auto steps = Lines(s.data + "2888" + std::to_string(20 + u) + ".mxy");
      size_t next = 0;
      for (size_t n = 0; n < index.size(); ++n) {
        const std::string& line = index[n];
        Question q{platform::ZeroPad(u, 2) + platform::ZeroPad(static_cast<long>(n + 1), 2), IndexLine(line), {}};
        const int count = q.index.RecordCount();
        for (int i = 0; i < count && next < steps.size(); ++i) q.records.emplace_back(steps[next++]);
        s.questions.push_back(std::move(q));
      }
      EXPECT_EQ(next, steps.size()) << "unit " << u << ": index counts and step file disagree";
    }
    return s;
  }();
  return inst;
}

bool Exists(const std::string& path) { return platform::FileExists(path); }

TEST(SampleInstallation, SettingsAndBankFilesAgree) {
  const Installation& s = Sample();
  ASSERT_GE(s.ver.size(), 5u);
  EXPECT_EQ(platform::Left(s.ver[0], 2), "XP");  // titles show the first two characters
  EXPECT_TRUE(fs::is_directory(s.data));
  EXPECT_TRUE(fs::is_directory(kRoot + "/ksdata"));
  EXPECT_TRUE(fs::is_empty(kRoot + "/ksdata"));
  auto module = Lines(s.data + "288899.mxy");
  ASSERT_FALSE(module.empty());
  EXPECT_EQ(Number(module[0]), Number(s.ver[3])) << "bank module number must equal the product number";
  EXPECT_LT(Number(s.ver[3]), 32768);
  EXPECT_EQ(Lines(s.data + "288892.mxy"), std::vector<std::string>{"0"});
  EXPECT_EQ(Lines(s.data + "288895.mxy").at(0).size(), 12u);
  auto branding = Lines(s.data + "288901.mxy");
  ASSERT_EQ(branding.size(), 41u);
  for (const auto& line : branding) EXPECT_EQ(line.size() % 6, 0u);

  ASSERT_GE(s.layout.size(), 2u);
  int papers = Number(s.layout[0].substr(0, 2)), units = Number(s.layout[0].substr(2, 2));
  EXPECT_EQ(static_cast<int>(s.ver.size()) - 4, units) << "one unit title per unit";
  ASSERT_EQ(static_cast<int>(s.layout.size()), papers + 2);
  std::map<int, int> per_unit;
  std::set<std::string> codes;
  for (const auto& q : s.questions) {
    ++per_unit[Number(q.code.substr(0, 2))];
    codes.insert(q.code);
  }
  int biggest = 0;
  for (int u = 0; u < units; ++u) {
    EXPECT_EQ(Number(s.layout[1].substr(2 * u, 2)), per_unit[u]) << "unit " << u;
    biggest = std::max(biggest, per_unit[u]);
  }
  EXPECT_GT(biggest, 42) << "one unit needs more than 42 questions";
  EXPECT_GE(s.questions.size(), 100u);
  for (int p = 0; p < papers; ++p) {
    const std::string& line = s.layout[2 + p];
    ASSERT_EQ(line.size(), 160u) << "paper " << p;
    std::set<std::string> paper;
    for (int i = 0; i < 40; ++i) {
      std::string code = line.substr(4 * i, 4);
      EXPECT_TRUE(codes.count(code)) << "paper " << p << " names " << code;
      paper.insert(code);
    }
    EXPECT_EQ(paper.size(), 40u) << "paper " << p << " repeats a question";
  }
}

TEST(SampleInstallation, EveryQuestionEndsOnItsFinalRecord) {
  for (const auto& q : Sample().questions) {
    ASSERT_FALSE(q.records.empty()) << q.code;
    EXPECT_EQ(q.records.back().StepCode(), "9999") << q.code;
    for (size_t i = 0; i + 1 < q.records.size(); ++i) {
      EXPECT_NE(q.records[i].StepCode(), "9999") << q.code << " step " << i + 1;
      EXPECT_GE(static_cast<long>(platform::Len(q.records[i].Line())), StepRecord::kLength) << q.code;
    }
  }
}

// Every line the generator writes to a unit's index file reads back field by field: the code
// of its place, a count that the session start's walk turns into the first line of the
// question's own records (their heads are "QQ-SS"), and a text or a picture whose id names a
// file of the data folder.
TEST(SampleInstallation, EveryIndexLineReadsBack) {
  const Installation& s = Sample();
  const int units = Number(s.layout.at(0).substr(2, 2));
  int pictures = 0, texts = 0;
  for (int u = 0; u < units; ++u) {
    SCOPED_TRACE("unit " + std::to_string(u));
    const auto index = Lines(s.data + "2888" + std::to_string(70 + u) + ".mxy");
    const auto steps = Lines(s.data + "2888" + std::to_string(20 + u) + ".mxy");
    desktop::ResetPlan();
    FillFirstLines(index, "");
    for (size_t n = 0; n < index.size(); ++n) {
      const IndexLine line(index[n]);
      const long q = static_cast<long>(n + 1);
      SCOPED_TRACE(line.Line());
      EXPECT_FALSE(line.IsBlank());
      EXPECT_EQ(line.Code(), platform::ZeroPad(u, 2) + platform::ZeroPad(q, 2));
      EXPECT_EQ(line.RecordCountValue(), line.RecordCount());
      EXPECT_EQ(line.Line(), line.Code() + platform::ZeroPad(line.RecordCount(), 2) + line.Text());
      const long first = plan().question(q).firstLine;
      ASSERT_GE(first, 1);
      ASSERT_LE(first + line.RecordCount() - 1, static_cast<long>(steps.size()));
      EXPECT_EQ(StepRecord(steps[static_cast<size_t>(first - 1)]).Field(1, 5), platform::ZeroPad(q, 2) + "-01");
      EXPECT_EQ(StepRecord(steps[static_cast<size_t>(first + line.RecordCount() - 2)]).StepCode(), "9999");
      if (line.HasPicture()) {
        ++pictures;
        EXPECT_EQ(line.Text(), IndexLine::kPictureMark + line.PictureId() + line.PictureText());
        EXPECT_EQ(platform::Len(line.PictureId()), 6);
        EXPECT_TRUE(Exists(s.data + line.PictureId() + ".mxy"));
        EXPECT_FALSE(line.PictureText().empty());
        EXPECT_EQ(line.ShownText(), line.PictureText());
      } else {
        ++texts;
        EXPECT_FALSE(line.Text().empty());
        EXPECT_EQ(line.ShownText(), line.Text());
      }
    }
  }
  EXPECT_GT(pictures, 0);
  EXPECT_GT(texts, 0);
}

// Every picture a record shows is a file of the data folder; a kept picture ("888888") was
// loaded earlier in the same question; every text line a record names is in the step text file.
TEST(SampleInstallation, EveryPictureAndTextARecordNamesExists) {
  const Installation& s = Sample();
  std::set<std::string> pictures;
  for (const auto& q : s.questions) {
    if (q.index.HasPicture()) pictures.insert(q.index.PictureId());
    bool background = false;
    std::array<bool, 5> loaded{};
    for (size_t i = 0; i < q.records.size(); ++i) {
      const StepRecord& r = q.records[i];
      std::string at = q.code + " step " + std::to_string(i + 1);
      if (r.KeepsBackground()) {
        EXPECT_TRUE(background) << at << ": keeps a background never loaded";
      } else {
        pictures.insert(r.BackgroundId());
        background = true;
      }
      for (int k = 1; k <= 5; ++k) {
        if (r.OverlayHidden(k)) continue;
        if (r.OverlayKeepsPicture(k)) {
          EXPECT_TRUE(loaded[k - 1]) << at << ": overlay " << k << " keeps a picture never loaded";
        } else {
          pictures.insert(r.OverlayId(k));
          loaded[k - 1] = true;
        }
      }
      for (const TextLineRef& ref : {r.HintLine(), r.TooltipLine()})
        if (!ref.IsNone()) {
          EXPECT_LE(ref.Number(), s.text_lines) << at;
        }
      auto family = r.CodeFamily();
      bool typing = TypesAnAnswer(family);
      if (typing) {
        for (const TextLineRef& ref : {r.InitialTextLine(), r.AnswerLine()})
          if (!ref.IsNone()) {
            EXPECT_LE(ref.Number(), s.text_lines) << at;
          }
        if (family == StepCodeFamily::kSelectHintText) {
          EXPECT_FALSE(r.HintLine().IsNone()) << at;
        } else {
          EXPECT_FALSE(r.AnswerLine().IsNone()) << at;
        }
        EXPECT_TRUE(r.HasTextBox()) << at;
      }
      if (family == StepCodeFamily::kList) {
        auto items = ReadStepText(s.text_file, platform::ValInt(r.StepCode().substr(1)));
        ASSERT_TRUE(items) << at;
        auto entries = ListEntries(*items);
        int initial = r.Int(106, 3), expected = r.Int(109, 3);
        EXPECT_LT(expected, static_cast<int>(entries.size())) << at;
        EXPECT_LT(initial, static_cast<int>(entries.size())) << at;
        EXPECT_NE(initial, expected) << at;
      }
      if (family == StepCodeFamily::kLocationList) {
        int initial = platform::ValInt(r.StepCode().substr(1, 1)), expected = platform::ValInt(r.StepCode().substr(2));
        EXPECT_LE(expected, 13) << at;
        EXPECT_NE(initial, expected) << at;
        EXPECT_TRUE(r.HasTextBox()) << at << ": the location list is placed at the text box";
      }
      if (r.PointerCodeKind() == PointerKind::kCustom && !r.HasTextBox()) {
        EXPECT_TRUE(Exists(kRoot + "/" + r.PointerFile())) << at;
      }
      if (r.IsTabStep()) {
        auto table = TabLayoutTable(r.TabLayout());
        ASSERT_TRUE(table) << at;
        int count = TabTableValue(*table, 2, 1);
        EXPECT_LE(r.TabToSelect(), count) << at;
        for (int t = 1; t <= count; ++t) pictures.insert(std::string(table->substr(10 * t - 1, 6)));
        EXPECT_FALSE(r.OverlayKeepsPicture(r.TabImageSlot())) << at << ": the page of a tab step needs its own id";
      }
      if (r.HasBackRegion()) {
        EXPECT_LT(r.BackSteps(), static_cast<int>(i + 1)) << at << ": goes back before step 1";
      }
    }
  }
  for (const auto& id : pictures) {
    std::string path = s.data + id + ".mxy";
    ASSERT_TRUE(Exists(path)) << path;
    EXPECT_NO_THROW(forms::Picture::Load(path)) << path;
  }
}

// Plays every menu-bar step on the desktop's menu model: opening the target's menu, its item
// and sub-item reaches the target, and every picture shown on the way is in examdata.
TEST(SampleInstallation, MenuBarStepsReachTheirTargetsWithPictures) {
  const std::string examdata = kRoot + "/examdata/";
  int steps = 0;
  for (const auto& q : Sample().questions)
    for (const auto& r : q.records) {
      if (r.CodeFamily() != StepCodeFamily::kMenuBar) continue;
      ++steps;
      int32_t target = r.MenuTarget();
      int m = target / 10000, item = target / 100 % 100, sub = target % 100;
      MenuBar bar;
      bar.LoadStep(r);
      std::vector<std::string> shown;
      auto note = [&] {
        for (const MenuPicture* p : {&bar.Title(), &bar.DropDown(), &bar.RowHighlight(), &bar.Submenu(), &bar.SubRowHighlight()})
          if (!p->file.empty()) shown.push_back(p->file);
      };
      bar.TitleHover(m);
      note();
      bar.TitleRelease(m, 1, 0);
      note();
      ASSERT_FALSE(bar.DropDown().file.empty()) << q.code;
      int32_t width = forms::Picture::Load(examdata + bar.DropDown().file)->Width() * 15;
      bar.ItemHover(item);
      note();
      MenuResponse response = bar.ItemRelease(item, 1, 0, width);
      note();
      if (sub) {
        EXPECT_FALSE(response.advance) << q.code;
        bar.SubItemHover(sub);
        note();
        response = bar.SubItemRelease(sub, 1, 0);
      }
      EXPECT_TRUE(response.advance) << q.code << " target " << target;
      for (const auto& file : shown) EXPECT_TRUE(Exists(examdata + file)) << q.code << ": " << file;
    }
  EXPECT_GT(steps, 0);
}

// Every context-menu step (and right-button alternative) names a choosable item of its block.
TEST(SampleInstallation, PopupStepsNameRealItems) {
  const std::string file = kRoot + "/" + kPopupMenuFileName;
  ASSERT_EQ(Lines(file).size(), 405u);
  for (const auto& q : Sample().questions)
    for (const auto& r : q.records) {
      std::vector<int> codes;
      if (r.CodeFamily() == StepCodeFamily::kPopupMenu) codes.push_back(r.StepCodeValue());
      if (r.HasRightAlternative()) codes.push_back(r.RightAlternativeValue());
      for (int code : codes) {
        int menu = code / 100 % 10;
        auto popup = LoadPopupMenu(file, code, menu);
        ASSERT_TRUE(popup) << q.code;
        int expected = 0;
        for (const auto& g : popup->groups)
          for (const auto& item : g.items)
            if (item.expected) {
              ++expected;
              EXPECT_FALSE(item.IsSeparator()) << q.code << " " << code;
            }
        EXPECT_EQ(expected, 1) << q.code << " " << code;
      }
    }
}

// The step code families and the combinations the desktop treats specially.
struct Coverage {
  std::set<StepCodeFamily> families;
  std::set<std::string> seen;
};

// A learner's first home screen gives a unit at most 42 questions, which its practice then shows.
constexpr int kFirstBuildQuestions = 42;

const char* const kWanted[] = {
    "picture question", "question text with |", "press with modifiers", "press with the right button",
    "hover, standard pointer", "hover, custom pointer", "Enter key", "function key", "Alt+F4", "P alternative",
    "R alternative", "popup type 1", "popup type 2", "popup type 3", "popup cascade item", "fixed-position popup",
    "popup at the pointer", "typed answer with |", "Chinese typed answer", "text format", "rubber band with modifiers",
    "drag with modifiers", "8001", "8002", "8003", "8004", "8006", "8007", "8008", "8009", "menu sub-item target",
    "menu item target", "menu bar without target", "two automatic steps in a row", "tab layout A", "tab layout B",
    "tab layout C", "tab layout D", "tab step with another tab shown", "tab step with its tab shown", "back region",
    "Label4 press region", "tooltip", "overlay kept", "overlay moved", "overlay hidden"};

// What the questions cover; with first_build_only, only the first 42 of each unit.
Coverage Cover(bool first_build_only) {
  Coverage c;
  std::set<StepCodeFamily>& families = c.families;
  std::set<std::string>& seen = c.seen;
  auto mark = [&seen](bool condition, const std::string& what) {
    if (condition) seen.insert(what);
  };
  for (const auto& q : Sample().questions) {
    if (first_build_only && Number(q.code.substr(2)) > kFirstBuildQuestions) continue;
    mark(q.index.HasPicture(), "picture question");
    mark(!q.index.HasPicture() && q.index.Text().find('|') != std::string::npos, "question text with |");
    for (size_t i = 0; i < q.records.size(); ++i) {
      const StepRecord& r = q.records[i];
      StepCodeFamily f = r.CodeFamily();
      families.insert(f);
      std::string code = r.StepCode();
      int v = r.StepCodeValue();
      mark(f == StepCodeFamily::kPress && v / 100 % 10 != 0, "press with modifiers");
      mark(f == StepCodeFamily::kPress && v % 100 == 2, "press with the right button");
      mark(f == StepCodeFamily::kHover && r.PointerCodeKind() == PointerKind::kStandard, "hover, standard pointer");
      mark(f == StepCodeFamily::kHover && r.PointerCodeKind() == PointerKind::kCustom, "hover, custom pointer");
      mark(code == "6013", "Enter key");
      mark(f == StepCodeFamily::kKey && v % 100 >= 12 && v % 100 <= 23, "function key");
      mark(code == "6415", "Alt+F4");
      mark(r.HasKeyAlternative(), "P alternative");
      mark(r.HasRightAlternative(), "R alternative");
      if (f == StepCodeFamily::kPopupMenu) {
        seen.insert("popup type " + std::to_string(v / 1000 - 2));
        mark(v / 10 % 10 == 1 || v / 10 % 10 == 3 || v / 10 % 10 == 5 || v / 10 % 10 == 7 || v / 10 % 10 == 8,
             "popup cascade item");
        mark(r.PopupY() != 0, "fixed-position popup");
        mark(r.PopupY() == 0, "popup at the pointer");
      }
      if (TypesAnAnswer(f)) {
        auto answer = ReadStepText(Sample().text_file, r.AnswerLine().Number());
        mark(answer && answer->find('|') != std::string::npos, "typed answer with |");
        bool chinese = false;
        for (unsigned char c : answer.value_or("")) chinese |= c >= 0x80;
        mark(chinese, "Chinese typed answer");
        mark(r.Parameter() != "0000000000", "text format");
      }
      mark(f == StepCodeFamily::kRubberBand && code[3] != '0', "rubber band with modifiers");
      mark(f == StepCodeFamily::kDrag && code[3] != '0', "drag with modifiers");
      mark(f == StepCodeFamily::kHandleDrag, code);
      mark(f == StepCodeFamily::kMenuBar && r.MenuTarget() % 100 != 0, "menu sub-item target");
      mark(f == StepCodeFamily::kMenuBar && r.MenuTarget() % 100 == 0, "menu item target");
      mark(r.Parameter() == "1111100000", "menu bar without target");
      mark(f == StepCodeFamily::kAutomatic && i + 1 < q.records.size() &&
               q.records[i + 1].CodeFamily() == StepCodeFamily::kAutomatic,
           "two automatic steps in a row");
      if (r.IsTabStep()) {
        seen.insert("tab layout " + r.TabLayout());
        mark(r.TabShown() != r.TabToSelect(), "tab step with another tab shown");
        mark(r.TabShown() == r.TabToSelect(), "tab step with its tab shown");
      }
      mark(r.HasBackRegion(), "back region");
      mark(r.HasLabel4Box() && r.Label4PressCompletes(), "Label4 press region");
      mark(r.HasTooltip(), "tooltip");
      for (int k = 1; k <= 5; ++k) {
        if (i == 0) continue;
        const StepRecord& prev = q.records[i - 1];
        bool was_shown = !prev.OverlayHidden(k), shown = !r.OverlayHidden(k);
        mark(was_shown && shown && r.OverlayKeepsPicture(k) && r.OverlayX(k) == prev.OverlayX(k) &&
                 r.OverlayY(k) == prev.OverlayY(k),
             "overlay kept");
        mark(was_shown && shown && r.OverlayKeepsPicture(k) &&
                 (r.OverlayX(k) != prev.OverlayX(k) || r.OverlayY(k) != prev.OverlayY(k)),
             "overlay moved");
        mark(was_shown && !shown, "overlay hidden");
      }
    }
  }
  return c;
}

// Whether the sample must hold a step of a family. The switch has no default, so a family added
// to the enumeration stops the build here until it is answered: none falls outside the check.
enum class InSample { kNotWanted, kWanted, kNoSuchFamily };
constexpr InSample FamilyInSample(StepCodeFamily family) {
  using F = StepCodeFamily;
  switch (family) {
    case F::kNone:
      return InSample::kNotWanted;
    case F::kClick: case F::kDoubleClick: case F::kRightPress: case F::kPress: case F::kHover: case F::kKey:
    case F::kPopupMenu: case F::kTypeAnswer: case F::kTypePassword: case F::kTypeAndEnter: case F::kSelectHintText:
    case F::kTypeAndEnterPrompted: case F::kTypeExactCase: case F::kTypeThenClick: case F::kTypeMultiLine:
    case F::kTypeInCell: case F::kRubberBand: case F::kDrag: case F::kMenuBar: case F::kHandleDrag:
    case F::kAutomatic: case F::kFinal: case F::kList: case F::kLocationList: case F::kDemonstrationOnly:
      return InSample::kWanted;
  }
  return InSample::kNoSuchFamily;  // a value past the last enumerator
}

void ExpectCovers(const Coverage& c) {
  // The enumerators run from 0 without gaps; the first value that names none ends them.
  for (int f = 0; FamilyInSample(static_cast<StepCodeFamily>(f)) != InSample::kNoSuchFamily; ++f) {
    if (FamilyInSample(static_cast<StepCodeFamily>(f)) == InSample::kWanted) {
      EXPECT_TRUE(c.families.count(static_cast<StepCodeFamily>(f))) << "no step of family " << f;
    }
  }
  for (const char* w : kWanted) EXPECT_TRUE(c.seen.count(w)) << "nothing covers: " << w;
}

// Together the questions use every step code family and every combination the desktop
// treats specially.
TEST(SampleInstallation, CoversEveryStepCodeFamilyAndCombination) { ExpectCovers(Cover(false)); }

// And a new learner reaches each of them through the units' practice.
TEST(SampleInstallation, FirstFortyTwoQuestionsOfTheUnitsCoverEveryFamilyAndCombination) { ExpectCovers(Cover(true)); }

// The program's own pictures have the sizes their windows give them: button strips hold four
// frames of the button's size side by side.
TEST(SampleInstallation, ProgramPicturesFitTheirWindows) {
  const std::string data = Sample().data;
  struct Case {
    std::string name;
    int width, height;  // design twips of one frame (or the whole picture)
    int frames;
  } cases[] = {
      {"l20000", 1350, 450, 4}, {"l20001", 1350, 450, 4}, {"l20002", 330, 330, 4}, {"l20003", 330, 330, 4},
      {"l01000", 720, 330, 4},  {"l01002", 870, 330, 4},  {"l01030", 450, 450, 4}, {"l01041", 1320, 420, 4},
      {"l01038", 1920, 450, 4}, {"l01045", 825, 330, 4},  {"l20020", 1800, 600, 4}, {"l20032", 2700, 750, 4},
      {"l20045", 2700, 525, 4}, {"l20047", 1275, 450, 4}, {"l20059", 6000, 3000, 1}, {"l20069", 5550, 3750, 1},
      {"l20070", 6300, 4200, 1}, {"l01046", 4980, 3630, 1}, {"9l0056", 12000, 9000, 1}, {"l20060", 12000, 9000, 1},
      // The question bar's faces, the logo of the title strips, the message box's icons.
      {"l01001", 720, 330, 4},  {"l01003", 870, 330, 4},  {"l01004", 720, 330, 4}, {"l01005", 870, 330, 4},
      {"l01006", 870, 330, 4},  {"l01007", 870, 330, 4},  {"l01008", 870, 330, 4}, {"l01009", 870, 330, 4},
      {"l01010", 870, 330, 4},  {"l01011", 870, 330, 4},  {"l01053", 870, 330, 4}, {"l01054", 870, 330, 4},
      {"l01044", 870, 330, 4},  {"l01043", 240, 270, 4},  {"l20067", 360, 360, 1}, {"l20071", 720, 720, 1},
      {"l20072", 720, 720, 1},  {"l62011", 480, 480, 1},
  };
  for (const auto& c : cases) {
    auto pic = forms::Picture::Load(data + c.name + ".mxy");
    EXPECT_EQ(pic->Width(), c.width / 15 * c.frames) << c.name;
    EXPECT_EQ(pic->Height(), c.height / 15) << c.name;
  }
  for (int i = 0; i <= 48; ++i) {
    std::string name = std::string("l200") + (i < 10 ? "0" : "") + std::to_string(i);
    EXPECT_TRUE(Exists(data + name + ".mxy")) << name;
  }
  EXPECT_NO_THROW(forms::Picture::Load(data + "l62011.mxy"));
  EXPECT_TRUE(forms::Picture::Load(data + "9l0015.mxy")->HotSpot());
  for (int i = 0; i <= 4; ++i) EXPECT_TRUE(Exists(data + "l3818" + std::to_string(i) + ".mxy"));
  for (const char* cursor : {"ico00.CUR", "ico01.CUR", "ico02.CUR", "ico03.CUR"}) {
    auto pic = forms::Picture::Load(kRoot + "/" + cursor);
    EXPECT_TRUE(pic->HotSpot()) << cursor;
  }
}

// The sign-in page draws each field round its text box: the frame touches the box on every
// side, and nothing of a field lies beyond the box's right edge, where a click would miss it.
TEST(SampleInstallation, SignInFieldsAreDrawnTheSizeOfTheirBoxes) {
  auto page = forms::Picture::Load(Sample().data + "9l0056.mxy");
  // The page is white and the frame a mid blue-grey; the picture is a JPEG, so neither is exact.
  auto light = [&](int x, int y) {
    const forms::Color c = page->PixelAt(x, y);
    return (c & 0xFF) > 235 && (c >> 8 & 0xFF) > 235 && (c >> 16 & 0xFF) > 235;
  };
  struct Box {
    const char* name;
    int x, y, w, h;  // the box's place at 96 dpi: design twips / 15
  } boxes[] = {{"seat", 5070 / 15, 4440 / 15, 1200 / 15, 360 / 15}, {"ID", 5070 / 15, 4905 / 15, 2880 / 15, 360 / 15}};
  for (const Box& b : boxes) {
    SCOPED_TRACE(b.name);
    const int mid_x = b.x + b.w / 2, mid_y = b.y + b.h / 2;
    EXPECT_FALSE(light(b.x - 1, mid_y));
    EXPECT_FALSE(light(b.x + b.w, mid_y));
    EXPECT_FALSE(light(mid_x, b.y - 1));
    EXPECT_FALSE(light(mid_x, b.y + b.h));
    for (int y = b.y - 4; y < b.y + b.h + 4; ++y)
      for (int x = b.x + b.w + 4; x < 620; ++x) ASSERT_TRUE(light(x, y)) << "field drawn at " << x << "," << y;
  }
}

// The generator lists every caption it had to clip to its box (a button, a menu row, a taskbar
// button, a tab) next to the installation; a learner must be able to read them all.
TEST(SampleInstallation, EveryCaptionFitsItsBox) {
  std::ifstream report(kRoot + ".clipped", std::ios::binary);
  ASSERT_TRUE(report) << "no caption report next to " << kRoot;
  std::vector<std::string> clipped;
  for (std::string line; std::getline(report, line);) clipped.push_back(line);
  EXPECT_EQ(clipped, std::vector<std::string>{});
}

}  // namespace
}  // namespace xpexam::desktop

#endif  // XPEXAM_SAMPLE_DIR
