// One record laid out by the desktop and by the demonstration through their step scenes. The
// windows place every box alike but for a number that does not fit the record's format: on the
// desktop it skips only its own assignment, on the demonstration the whole box keeps the place
// the step before gave it.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "tests/demo/demo_fixture.h"

namespace xpexam::demo {
namespace {

using testing::DemoTest;
using testing::StepLine;

struct Place {
  double left = 0, top = 0;
  std::optional<double> width, height;  // unset: sized by the control itself
};

const forms::Control* Named(const forms::Form& form, const std::string& name) {
  for (const forms::Control* c : form.AllControls())
    if (c->DisplayName() == name) return c;
  return nullptr;
}

void ExpectAt(const forms::Form& form, const std::string& name, const Place& p) {
  const forms::Control* c = Named(form, name);
  ASSERT_NE(c, nullptr) << form.Name() << "." << name;
  EXPECT_DOUBLE_EQ(c->Left(), p.left) << form.Name() << "." << name;
  EXPECT_DOUBLE_EQ(c->Top(), p.top) << form.Name() << "." << name;
  if (p.width) {
    EXPECT_DOUBLE_EQ(c->Width(), *p.width) << form.Name() << "." << name;
  }
  if (p.height) {
    EXPECT_DOUBLE_EQ(c->Height(), *p.height) << form.Name() << "." << name;
  }
}

TEST_F(DemoTest, ANumberThatDoesNotFitSkipsItsFieldOnTheDesktopAndItsBoxOnTheDemonstration) {
  // Step 1 places overlay 1, the answer box, the hint line and the Label4 box; step 2 moves each
  // with one number past 16 bits (99999).
  constexpr const char* kTarget = "06000060000050000600";
  Steps({StepLine({{8, "0001"},
                   {18, "0100002000888888"},
                   {66, kTarget},
                   {86, "01000020000300000400"},
                   {112, "0100002000"},
                   {177, "01000020000030000400"}}),
         StepLine({{8, "0001"},
                   {18, "9999903000888888"},
                   {66, kTarget},
                   {86, "99999025000300000400"},
                   {112, "9999902500"},
                   {177, "01500025009999900500"}}),
         StepLine({{8, "9999"}})});
  Questions({3});
  struct Row {
    const char* control;
    Place desktop, demonstration;
  };
  const Row rows[] = {
      {"Image1", {1000, 3000, {}, {}}, {1000, 2000, {}, {}}},
      {"Text1", {1000, 2500, 3000, 400}, {1000, 2000, 3000, 400}},
      {"LHelp", {1000, 2500, {}, {}}, {1000, 2000, {}, {}}},
      {"Label4", {1500, 2500, 300, 500}, {1000, 2000, 300, 400}},
  };

  Load(1);
  Load(2);
  for (const Row& r : rows) ExpectAt(Desk(), r.control, r.desktop);

  FrmYanShi& d = Start();
  ASSERT_GT(TicksUntil([&] { return Vars(d).mDemoStep == 2; }), 0);
  for (const Row& r : rows) ExpectAt(d, r.control, r.demonstration);
}

}  // namespace
}  // namespace xpexam::demo
