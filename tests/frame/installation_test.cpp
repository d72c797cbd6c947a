#include "frame/installation.h"

#include <gtest/gtest.h>

#include "forms/msgbox.h"
#include "platform/failure.h"

namespace xpexam::frame {
namespace {

TEST(Installation, DialogCaptionJoinsSettingsAndModuleName) {
  editInstallation().SetSetting(0, "全国专业技术人员");
  editInstallation().SetSetting(9, "计算机应用能力考试");
  editInstallation().SetModuleName("WindowsXP");
  EXPECT_EQ(DialogCaption(), "全国专业技术人员计算机应用能力考试——WindowsXP模块");
  editInstallation().SetSetting(9, "");
  EXPECT_EQ(DialogCaption(), "全国专业技术人员——WindowsXP模块");
}

TEST(Installation, BoundsFollowTheTables) {
  EXPECT_THROW(installation().settings(41), platform::Failure);
  EXPECT_THROW(editInstallation().SetSetting(-1, "x"), platform::Failure);
  EXPECT_THROW(installation().unitTable(41, 1), platform::Failure);
  EXPECT_THROW(installation().unitTable(0, 0), platform::Failure);
  EXPECT_THROW(editInstallation().SetUnitTable(0, 5, "x"), platform::Failure);
  EXPECT_NO_THROW(installation().unitTable(40, 4));
}

TEST(Installation, ScaleMultipliesDesignTwips) {
  editInstallation().SetScale(0.8, 1.0);
  EXPECT_DOUBLE_EQ(ScaleX(12000), 9600);
  EXPECT_DOUBLE_EQ(ScaleY(9000), 9000);
}

TEST(Installation, ResetPutsEverythingBack) {
  Installation& inst = editInstallation();
  inst.SetAppPath("/x");
  inst.SetAppExeName("other");
  inst.SetScale(1.25, 1.25);
  inst.SetSetting(40, "s");
  inst.SetUnitTable(40, 4, "T");
  inst.SetUnitCount(12);
  forms::SetAppTitle("title");

  inst.Reset();

  EXPECT_EQ(installation().appPath(), "");
  EXPECT_EQ(installation().appExeName(), "xpexam");
  EXPECT_EQ(installation().scaleX(), 0);
  EXPECT_EQ(installation().settings(40), "");
  EXPECT_EQ(installation().unitTable(40, 4), "");
  EXPECT_EQ(installation().unitCount(), 0);
  EXPECT_EQ(forms::AppTitle(), "");
}

}  // namespace
}  // namespace xpexam::frame
