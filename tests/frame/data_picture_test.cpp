#include "frame/data_picture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/pictures.h"
#include "platform/failure.h"
#include "tests/frame/common_windows_fixture.h"

namespace xpexam::frame::testing {
namespace {

// A picture that cannot be loaded leaves the caller with none: reported under the caller's tag,
// or passed over when the caller gave none.
class DataPictureOrNoneTest : public CommonWindowsTest {
 protected:
  DataPictureOrNoneTest() {
    platform::SetFailureReporter([this](std::string_view tag, long number, std::string_view) {
      reports_.push_back(std::string(tag) + " " + std::to_string(number));
    });
    dir_.Write("tkdata/l29999.mxy", "not a picture");
  }
  ~DataPictureOrNoneTest() override { platform::SetFailureReporter(nullptr); }
  std::vector<std::string> reports_;
};

TEST_F(DataPictureOrNoneTest, ReportsUnderTheTagOrPassesOver) {
  struct Case {
    const char* name;
    const char* tag;
    bool loaded;
    std::vector<std::string> reports;
  };
  const Case cases[] = {
      {"l20067", "build", true, {}},
      {"l20067", "", true, {}},
      {"l28888", "build", false, {"build 53"}},
      {"l28888", "", false, {}},
      {"l29999", "click", false, {"click 481"}},
      {"", "click", false, {"click 53"}},
  };
  for (const Case& c : cases) {
    reports_.clear();
    const forms::PicturePtr picture = DataPictureOrNone(c.name, c.tag);
    EXPECT_EQ(picture != nullptr, c.loaded) << c.name << " [" << c.tag << "]";
    if (picture) {
      EXPECT_EQ(forms::PictureId(picture), c.name);
    }
    EXPECT_EQ(reports_, c.reports) << c.name << " [" << c.tag << "]";
  }
}

}  // namespace
}  // namespace xpexam::frame::testing
