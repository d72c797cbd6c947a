// The step loader: pictures with their per-question memory, the target box and its red frame,
// the hint label, the back region, the Label4 box, pointer and tooltip, hint mode, and the
// sentinels that keep or hide what a step does not use.
#include <gtest/gtest.h>

#include "forms/pictures.h"
#include "desktop/session_plan.h"
#include "desktop/session_plan_writer.h"
#include "tests/desktop/desktop_fixture.h"

namespace xpexam::desktop {
namespace {

using testing::DesktopTest;
using testing::StepLine;

std::string Id(const forms::PicturePtr& p) { return forms::PictureId(p); }

class StepLoaderTest : public DesktopTest {
 protected:
  StepLoaderTest() {
    for (const char* id : {"100001", "100002", "100003", "100004", "100005", "100006", "100007"}) Picture(id);
    Texts({"Rename the file|rename", "open it", "A tooltip"});
  }
};

TEST_F(StepLoaderTest, StepOneClearsTheOverlaysAndLaterStepsKeepOrMoveThem) {
  Steps({
      // Background and Image1; Image2 with blanks for x and y; Image3 hidden.
      StepLine({{12, "100001"}, {18, "0030000450100002"}, {34, "          100003"}, {50, "0000000000100004"}}),
      // Keeps every picture; Image1 moves; Image3 shown from its kept picture.
      StepLine({{12, "888888"}, {18, "0060000600888888"}, {34, "0000000000100007"}, {50, "0150001500888888"}}),
  });
  auto& d = Desk();
  Ui(d).Image4.SetPicture(forms::LoadPicture(frame::installation().dataPath() + "100006.mxy"));
  Ui(d).Image3.SetPicture(forms::LoadPicture(frame::installation().dataPath() + "100005.mxy"));
  Load(1);
  EXPECT_EQ(Id(d.Picture()), "100001");
  EXPECT_EQ(Id(Ui(d).Image1.Picture()), "100002");
  EXPECT_DOUBLE_EQ(Ui(d).Image1.Left(), 300);
  EXPECT_DOUBLE_EQ(Ui(d).Image1.Top(), 450);
  EXPECT_TRUE(Ui(d).Image1.Visible());
  // Blanks are no hiding mark: the overlay stands at 0, 0.
  EXPECT_TRUE(Ui(d).Image2.Visible());
  EXPECT_DOUBLE_EQ(Ui(d).Image2.Left(), 0);
  EXPECT_EQ(Id(Ui(d).Image2.Picture()), "100003");
  // Hidden overlays lose their pictures on step 1 only, and keep their recorded ids.
  EXPECT_FALSE(Ui(d).Image3.Visible());
  EXPECT_EQ(Ui(d).Image3.Picture(), nullptr);
  EXPECT_EQ(Ui(d).Image4.Picture(), nullptr);
  EXPECT_EQ(desktop::plan().question(1).pictureIds[0], "100001");
  EXPECT_EQ(desktop::plan().question(1).pictureIds[1], "100002");
  EXPECT_EQ(desktop::plan().question(1).pictureIds[3], "");
  EXPECT_EQ(desktop::plan().question(1).resumeStep, 1);

  Ui(d).Image3.SetPicture(forms::LoadPicture(frame::installation().dataPath() + "100005.mxy"));
  Load(2);
  EXPECT_EQ(Id(d.Picture()), "100001");
  EXPECT_EQ(Id(Ui(d).Image1.Picture()), "100002");
  EXPECT_DOUBLE_EQ(Ui(d).Image1.Left(), 600);
  EXPECT_FALSE(Ui(d).Image2.Visible());
  EXPECT_EQ(Id(Ui(d).Image2.Picture()), "100003");
  EXPECT_TRUE(Ui(d).Image3.Visible());
  EXPECT_EQ(Id(Ui(d).Image3.Picture()), "100005");
  EXPECT_EQ(desktop::plan().question(1).pictureIds[0], "100001");
  EXPECT_EQ(desktop::plan().question(1).pictureIds[2], "100003");
  EXPECT_EQ(desktop::plan().question(1).resumeStep, 2);
}

TEST_F(StepLoaderTest, APictureThatCannotBeLoadedLeavesTheShownOneAndIsStillRecorded) {
  Steps({StepLine({{12, "100001"}, {18, "0030000300100002"}}),
         StepLine({{12, "999999"}, {18, "0030000300999998"}, {151, "0120001200100003"}})});
  Load(1);
  Load(2);
  auto& d = Desk();
  EXPECT_EQ(Id(d.Picture()), "100001");
  EXPECT_EQ(Id(Ui(d).Image1.Picture()), "100002");
  EXPECT_EQ(desktop::plan().question(1).pictureIds[0], "999999");
  EXPECT_EQ(desktop::plan().question(1).pictureIds[1], "999998");
  // The drag handle's place is kept for the drags.
  EXPECT_EQ(Vars(d).mHandleX, 1200);
  EXPECT_EQ(Vars(d).mHandleY, 1200);
}

struct TargetCase {
  const char* name;
  const char* field;  // 66-85
  bool visible;
  double left, width, height;
  bool framed;  // the red frame on the box, else parked
  friend void PrintTo(const TargetCase& c, std::ostream* os) { *os << c.name; }
};

class TargetBoxTest : public StepLoaderTest, public ::testing::WithParamInterface<TargetCase> {};

TEST_P(TargetBoxTest, TheTargetBoxAndItsRedFrame) {
  const TargetCase c = GetParam();
  Steps({StepLine({{8, "0001"}, {66, "01000020000300004000"}}), StepLine({{8, "0001"}, {66, c.field}})});
  Load(1);
  Load(2);
  auto& d = Desk();
  EXPECT_EQ(Ui(d).Label1.Visible(), c.visible);
  EXPECT_DOUBLE_EQ(Ui(d).Label1.Left(), c.left);
  EXPECT_DOUBLE_EQ(Ui(d).Label1.Width(), c.width);
  EXPECT_DOUBLE_EQ(Ui(d).Label1.Height(), c.height);
  if (c.framed) {
    EXPECT_DOUBLE_EQ(Ui(d).Shape1.Left(), Ui(d).Label1.Left());
    EXPECT_DOUBLE_EQ(Ui(d).Shape1.Width(), Ui(d).Label1.Width());
    EXPECT_DOUBLE_EQ(Ui(d).Shape1.Height(), Ui(d).Label1.Height());
  } else {
    EXPECT_DOUBLE_EQ(Ui(d).Shape1.Left(), -2);
    EXPECT_DOUBLE_EQ(Ui(d).Shape1.Width(), 1);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Records, TargetBoxTest,
    ::testing::Values(TargetCase{"Box", "02000030000050000600", true, 2000, 500, 600, true},
                      // No box: hidden where it was; the record's size stays remembered.
                      TargetCase{"None", "00000000000000000000", false, 1000, 3000, 4000, false},
                      TargetCase{"ZeroHeight", "02000030000050000000", true, 2000, 1, 1, false},
                      TargetCase{"TenWide", "02000030000001000600", true, 2000, 10, 600, false},
                      TargetCase{"ElevenWide", "02000030000001100600", true, 2000, 11, 600, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StepLoaderTest, ATargetBoxOfTwentyZerosKeepsTheRecordedSize) {
  Steps({StepLine({{66, "01000020000300004000"}}), StepLine({{66, "00000000000000000000"}})});
  Load(1);
  Load(2);
  EXPECT_EQ(Desk().TargetBoxWidth(), 3000);
  EXPECT_EQ(Desk().TargetBoxHeight(), 4000);
}

TEST_F(StepLoaderTest, TheHintLabelTakesItsLineKeepsItWhenUnplacedAndShowsBlanksForNone) {
  Steps({StepLine({{112, "0100002000"}, {122, "001"}}), StepLine({{112, "0000000000"}, {122, "002"}}),
         StepLine({{112, "0300004000"}, {122, "000"}}), StepLine({{112, "0300004000"}, {122, "009"}})});
  auto& d = Desk();
  Load(1);
  EXPECT_EQ(Ui(d).LHelp.Caption(), "Rename the file|rename");
  EXPECT_EQ(d.HintText(), "Rename the file|rename");
  EXPECT_DOUBLE_EQ(Ui(d).LHelp.Left(), 1000);
  Load(2);
  EXPECT_EQ(Ui(d).LHelp.Caption(), "Rename the file|rename");
  EXPECT_DOUBLE_EQ(Ui(d).LHelp.Top(), 2000);
  Load(3);
  EXPECT_EQ(Ui(d).LHelp.Caption(), "  ");
  EXPECT_EQ(d.HintText(), "Rename the file|rename");
  EXPECT_DOUBLE_EQ(Ui(d).LHelp.Left(), 3000);
  // A line past the end of the step text file is its last line.
  Load(4);
  EXPECT_EQ(Ui(d).LHelp.Caption(), "A tooltip");
  EXPECT_EQ(d.HintText(), "A tooltip");
}

TEST_F(StepLoaderTest, BackRegionLabel4BoxAndTheParkedTabLabels) {
  Steps({StepLine({{125, "Q0003"}, {167, "0450006000"}, {177, "01000010000200003000"}}),
         StepLine({{125, "30000"}, {177, "01000010000000000000"}})});
  auto& d = Desk();
  Load(1);
  EXPECT_EQ(d.BackRegionCode(), "Q0003");
  EXPECT_DOUBLE_EQ(Ui(d).LblXXK[0].Left(), 4500);
  EXPECT_DOUBLE_EQ(Ui(d).LblXXK[0].Top(), 6000);
  EXPECT_DOUBLE_EQ(Ui(d).LblXXK[0].Width(), 1095);
  EXPECT_DOUBLE_EQ(Ui(d).LblXXK[0].Height(), 285);
  EXPECT_TRUE(Ui(d).Label4.Visible());
  EXPECT_DOUBLE_EQ(Ui(d).Label4.Width(), 2000);
  EXPECT_DOUBLE_EQ(Ui(d).Shape4.Height(), 3000);
  EXPECT_EQ(Vars(d).mDragTargetX, 4500);
  Load(2);
  EXPECT_EQ(d.BackRegionCode(), "NONO");
  for (int i : {0, 7, 13}) {
    EXPECT_DOUBLE_EQ(Ui(d).LblXXK[i].Left(), -1) << i;
    EXPECT_DOUBLE_EQ(Ui(d).LblXXK[i].Width(), 1) << i;
    EXPECT_TRUE(Ui(d).LblXXK[i].ScreenRect().Empty()) << i;
  }
  // No Label4 box: parked, neither hidden nor moved down.
  EXPECT_TRUE(Ui(d).Label4.Visible());
  EXPECT_DOUBLE_EQ(Ui(d).Label4.Left(), -1);
  EXPECT_DOUBLE_EQ(Ui(d).Label4.Top(), 1000);
  EXPECT_DOUBLE_EQ(Ui(d).Label4.Width(), 1);
  EXPECT_DOUBLE_EQ(Ui(d).Shape4.Left(), -1);
}

struct PointerCase {
  const char* name;
  const char* code;  // 101-105
  int pointer;
  bool icon;
  friend void PrintTo(const PointerCase& c, std::ostream* os) { *os << c.code; }
};

class PointerTest : public StepLoaderTest, public ::testing::WithParamInterface<PointerCase> {};

TEST_P(PointerTest, ThePointerOverTheTargetBox) {
  dir_.Write("ico07.CUR", xpexam::testing::SolidCursor(0xFF));
  const PointerCase c = GetParam();
  Steps({StepLine({{66, "01000010000100001000"}, {101, c.code}, {197, "003"}})});
  Load(1);
  EXPECT_EQ(static_cast<int>(Ui(Desk()).Label1.MousePointer()), c.pointer);
  EXPECT_EQ(Ui(Desk()).Label1.MouseIcon() != nullptr, c.icon);
  EXPECT_EQ(Ui(Desk()).Label1.ToolTipText(), "A tooltip");
}

INSTANTIATE_TEST_SUITE_P(Codes, PointerTest,
                         ::testing::Values(PointerCase{"Hourglass", "S0011", 11, false},
                                           PointerCase{"CursorFile", "M0007", 99, true},
                                           PointerCase{"MissingCursor", "M0003", 0, false},
                                           PointerCase{"Digit", "10007", 0, false},
                                           PointerCase{"Zeros", "00000", 0, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(StepLoaderTest, ATooltipLinePastTheEndIsTheLastLine) {
  Steps({StepLine({{66, "01000010000100001000"}, {197, "999"}})});
  Load(1);
  EXPECT_EQ(Ui(Desk()).Label1.ToolTipText(), "A tooltip");
}

TEST_F(StepLoaderTest, AMissingCursorKeepsTheIconOfTheStepBefore) {
  dir_.Write("ico07.CUR", xpexam::testing::SolidCursor(0xFF));
  Steps({StepLine({{101, "M0007"}, {197, "003"}}), StepLine({{101, "M0003"}, {197, "000"}})});
  Load(1);
  const forms::PicturePtr icon = Ui(Desk()).Label1.MouseIcon();
  Load(2);
  EXPECT_EQ(Ui(Desk()).Label1.MouseIcon(), icon);
  EXPECT_EQ(Ui(Desk()).Label1.MousePointer(), forms::PointerStyle::kDefault);
  EXPECT_EQ(Ui(Desk()).Label1.ToolTipText(), "");
}

TEST_F(StepLoaderTest, HintModeShowsTheFourHintWidgetsAfterEveryLoadAndOtherModesHideThem) {
  Steps({StepLine({{8, "7000"}, {66, "01000010000100001000"}, {112, "0100001000"}, {122, "002"}, {125, "10300"},
                   {177, "02000020000100001000"}}),
         StepLine({{8, "9999"}})});
  auto& d = Desk();
  d.Show();
  const std::vector<forms::Control*> hints{&Ui(d).LHelp, &Ui(d).Shape1, &Ui(d).Shape2, &Ui(d).Shape4};
  desktop::editPlan().SetRunMode(desktop::RunMode::kPracticeWithHints);
  Load(1);
  for (auto* c : hints) EXPECT_TRUE(c->Visible()) << c->Name();
  // The menu-bar frame and the green frame show; the target box of a menu-bar step takes no
  // click, so its red frame is parked.
  EXPECT_FALSE(Ui(d).Shape2.ScreenRect().Empty());
  EXPECT_FALSE(Ui(d).Shape4.ScreenRect().Empty());
  EXPECT_DOUBLE_EQ(Ui(d).Shape2.Width(), 9000);
  EXPECT_DOUBLE_EQ(Ui(d).Shape1.Left(), -2);
  Load(2);
  for (auto* c : hints) EXPECT_TRUE(c->Visible()) << c->Name();
  desktop::editPlan().SetRunMode(desktop::RunMode::kPractice);
  Load(1);
  for (auto* c : hints) EXPECT_FALSE(c->Visible()) << c->Name();
  desktop::editPlan().SetRunMode(desktop::RunMode::kTimedExam);
  Load(1);
  for (auto* c : hints) EXPECT_FALSE(c->Visible()) << c->Name();
}

TEST_F(StepLoaderTest, TheMenuBarIsResetAtEveryLoad) {
  Steps({StepLine({{8, "0001"}})});
  auto& d = Desk();
  Ui(d).ImgSubSel.SetPicture(forms::Picture::Solid(4, 4, 0));
  Ui(d).LMainMenu[4].SetVisible(true);
  Ui(d).LMainMenu[4].Move(0, 0, 50, 50);
  Ui(d).LMainMenu[4].SetCaption("x");
  Load(1);
  EXPECT_EQ(Ui(d).ImgSubSel.Picture(), nullptr);
  EXPECT_FALSE(Ui(d).LMainMenu[4].Visible());
  EXPECT_DOUBLE_EQ(Ui(d).LMainMenu[4].Left(), 390 + 3 * 870);
  EXPECT_EQ(Ui(d).LMainMenu[4].Caption(), "");
  EXPECT_FALSE(Ui(d).ImgMenuSys.Visible());
}

TEST_F(StepLoaderTest, AStepFileThatCannotBeReadLaysNothingOutAndLeavesNoStepToAct) {
  Steps({StepLine({{8, "9999"}, {12, "100001"}})});
  desktop::editPlan().SetQuestionCount(2);
  Load(1);
  ASSERT_EQ(desktop::plan().question(1).status, desktop::kStatusOpened + desktop::kStatusCompleted);
  // Question 2 lies past the end of the file.
  desktop::editCursor().GoToQuestion(2);
  desktop::editPlan().SetFirstLine(2, 2);
  desktop::editPlan().SetResumeStep(2, 5);
  Load(1);
  EXPECT_EQ(desktop::plan().question(2).status, 0);
  EXPECT_EQ(Desk().Step().Line(), "");
  EXPECT_EQ(desktop::plan().question(2).resumeStep, 5);
  EXPECT_EQ(Id(Desk().Picture()), "100001");
  // The step file gone altogether.
  std::filesystem::remove(desktop::plan().stepFile());
  desktop::editCursor().GoToQuestion(1);
  Load(1);
  EXPECT_EQ(Desk().Step().Line(), "");
}

}  // namespace
}  // namespace xpexam::desktop
