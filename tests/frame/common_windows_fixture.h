#pragma once
// A scratch installation for the common windows' tests: a program folder with its ksdata folder
// and a data folder holding every picture those windows load, on a headless screen.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "forms/app.h"
#include "forms/headless.h"
#include "frame/installation.h"
#include "frame/settings.h"
#include "tests/support/bmp.h"
#include "tests/support/temp_dir.h"

namespace xpexam::frame::testing {

using xpexam::testing::BandsBmp;
using xpexam::testing::SolidBmp;
using xpexam::testing::TempDir;

// Pictures of the data folder, with their sizes in pixels; button faces are strips of four
// frames of the button's size at scale 1.
struct PictureFile {
  const char* name;
  int frame_width, height, frames;
};
inline constexpr PictureFile kPictures[] = {
    {"l20000", 90, 30, 4}, {"l20001", 90, 30, 4}, {"l20002", 22, 22, 4}, {"l20003", 22, 22, 4},
    {"l20067", 24, 24, 1}, {"l20069", 370, 250, 1}, {"l20070", 420, 280, 1}, {"l20071", 48, 48, 1},
    {"l20072", 48, 48, 1}, {"l62011", 32, 32, 1},
};

class CommonWindowsTest : public ::testing::Test {
 protected:
  // The program folder is the scratch folder itself or a folder inside it.
  explicit CommonWindowsTest(double twips_per_pixel = 15, std::string program_folder = "")
      : session_(800, 600, twips_per_pixel), prog_(program_folder.empty() ? "" : program_folder + "/") {
    editInstallation().SetScale(twips_per_pixel / 15, twips_per_pixel / 15);
    editInstallation().SetAppPath(dir_ / program_folder);
    if (program_folder.empty()) editInstallation().SetAppPath(dir_.path());
    editInstallation().SetDataPath(installation().appPath() + "\\tkdata\\");
    std::filesystem::create_directories(installation().appPath() + "/tkdata");
    std::filesystem::create_directories(installation().appPath() + "/ksdata");
    for (const PictureFile& p : kPictures) {
      std::vector<uint32_t> bands;
      for (int i = 0; i < p.frames; ++i) bands.push_back(0x00101010u * static_cast<uint32_t>(i + 1));
      dir_.Write(prog_ + "tkdata/" + p.name + ".mxy", BandsBmp(bands, p.frame_width, p.height));
    }
    editInstallation().SetSetting(0, "Brivant");
    editInstallation().SetSetting(7, "Corvane出版");
    editInstallation().SetSetting(9, "Tavrelo");
    editInstallation().SetSetting(12, "vemo");
    editInstallation().SetModuleName("WindowsXP");
    editInstallation().SetModuleTitle("Windows XP操作系统");
  }
  // Screen pixel at the centre of a control.
  static forms::Point Centre(const forms::Control& c) {
    forms::Rect r = c.ScreenRect();
    return {r.x + r.w / 2, r.y + r.h / 2};
  }

  TempDir dir_;
  forms::HeadlessSession session_;
  std::string prog_;  // the program folder below dir_, "" or ending in "/"
  forms::HeadlessBackend& in_ = session_.Input();
};

}  // namespace xpexam::frame::testing
