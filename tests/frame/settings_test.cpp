#include "frame/settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "frame/installation.h"
#include "platform/codepage.h"
#include "platform/failure.h"
#include "platform/registry.h"
#include "platform/strings.h"
#include "platform/textfile.h"
#include "tests/support/installation.h"
#include "tests/support/temp_dir.h"

namespace xpexam::frame {
namespace {

using testing::TempDir;

struct Report {
  std::string tag;
  long number;
  friend bool operator==(const Report&, const Report&) = default;
};

std::string Code(std::string_view utf8) { return testing::CodeSettingsLine(utf8); }

std::string Lines(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& l : lines) out += l + "\r\n";
  return out;
}

class Settings : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::SetFailureReporter([this](std::string_view tag, long number, std::string_view) {
      reports_.push_back({std::string(tag), number});
    });
    platform::SetRegistryFolder(dir_ / "config");
    editInstallation().SetAppPath(dir_.path());
    editInstallation().SetAppExeName("xpexam");
  }
  void TearDown() override {
    platform::SetFailureReporter(nullptr);
    platform::SetRegistryFolder("");
  }

  // ver.txt naming the data folder "data", whose branding file and first-run marker follow.
  void Install(std::vector<std::string> ver, std::vector<std::string> branding, std::optional<std::string> marker) {
    dir_.Write("ver.txt", Lines(ver));
    dir_.Write("Data/288901.mxy", Lines(branding));
    if (marker) dir_.Write("Data/288892.mxy", *marker);
  }

  std::vector<std::string> StandardVer() {
    return {Code(" Windows XP "), Code("中文操作系统 "), Code(" data "), Code("5")};
  }

  std::optional<std::string> Registry(const std::string& name) {
    auto v = platform::RegistryGet("Software\\vemo", name);
    if (!v) return std::nullopt;
    return std::get<std::string>(*v);
  }

  TempDir dir_;
  std::vector<Report> reports_;
};

TEST_F(Settings, LineDecodingTable) {
  struct Case {
    const char* name;
    std::string coded;
    std::string text;
    size_t reports;
  } cases[] = {
      {"both offsets give the same letter", "200065500065", "AA", 0},
      {"a group of six zeros adds nothing", "200065000000200066", "AB", 0},
      {"code 0 adds no NUL", "200065200000200066", "AB", 0},
      {"a short last group of zeros", "20006500000", "A", 0},
      {"a short last group by its own digits", "2000651", "A", 1},
      {"double-byte by its 16-bit value", "554992", "中", 0},
      {"double-byte by its negative value", "189456", "中", 0},
      {"coded with the test coder", Code("Ab1 考试"), "Ab1 考试", 0},
      {"an impossible code is skipped, the rest decoded", "200065999999100000200066", "AB", 2},
      {"500000 is not above 500000", "500000", "", 1},
      {"a group without digits", "abcdef200065", "A", 0},
      {"untrimmed", "200032200065200032", " A ", 0},
      {"empty", "", "", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    reports_.clear();
    EXPECT_EQ(DecodeSettingsLine(c.coded), c.text);
    EXPECT_EQ(reports_.size(), c.reports);
    for (const auto& r : reports_) EXPECT_EQ(r.tag, "readInfo");
  }
}

TEST_F(Settings, DefaultsThenVerTxtThenBrandingFile) {
  // A four-line ver.txt and a three-line branding file; the marker is not "0".
  Install(StandardVer(), {Code(" Acme "), Code("Brand module"), Code("")}, "1");
  ReadSettings();

  EXPECT_TRUE(reports_.empty());
  EXPECT_EQ(installation().settings(0), "Acme");          // branding line 1
  EXPECT_EQ(installation().settings(1), "Brand module");  // branding line 2 over ver.txt line 1
  EXPECT_EQ(installation().settings(2), "");              // an empty coded line empties the entry
  EXPECT_EQ(installation().settings(3), "data");          // ver.txt, trimmed
  EXPECT_EQ(installation().settings(4), "5");
  EXPECT_EQ(installation().settings(9), "Tavrelo");  // defaults where no file has a line
  EXPECT_EQ(installation().settings(23), "全国");
  EXPECT_EQ(installation().settings(29), "&H666666");
  EXPECT_EQ(installation().settings(39), "");

  // Derived after ver.txt, before the branding file.
  EXPECT_EQ(installation().moduleName(), "Windows XP");
  EXPECT_EQ(installation().moduleTitle(), "中文操作系统");
  EXPECT_EQ(installation().productNo(), 5);
  EXPECT_EQ(installation().dataPath(), dir_.path() + "\\data\\");
  EXPECT_EQ(installation().unitTable(0, 1), "http://www.example.invalid/help.html");  // default of entry 5
  EXPECT_EQ(installation().unitTable(2, 1), "Corvane");
  EXPECT_EQ(installation().unitTable(18, 1), "全国");
  EXPECT_EQ(AppTitle(), "AcmeTavrelo——Windows XP模块");
  EXPECT_EQ(AppTitle(), DialogCaption());
}

TEST_F(Settings, UnitTitlesComeFromVerTxtBeforeTheBrandingFileOverwritesThem) {
  std::vector<std::string> ver = StandardVer();
  for (int u = 0; u <= 20; ++u) ver.push_back(Code(" 单元" + std::to_string(u)));
  // Lines 26 to 40 set their entries; 41 and 42 have none and are reported.
  for (int k = 26; k <= 42; ++k) ver.push_back(Code("v" + std::to_string(k)));
  std::vector<std::string> branding;
  for (int l = 1; l <= 43; ++l) branding.push_back(Code("b" + std::to_string(l - 1)));
  Install(ver, branding, "1");
  ReadSettings();

  EXPECT_EQ(installation().unitTable(0, 1), "单元0");
  EXPECT_EQ(installation().unitTable(20, 1), "单元20");
  EXPECT_EQ(installation().settings(5), "b5");
  EXPECT_EQ(installation().settings(40), "b40");
  EXPECT_EQ(installation().moduleName(), "Windows XP");
  // ver.txt lines 41, 42 and branding lines 42, 43: subscript out of range.
  EXPECT_EQ(reports_, (std::vector<Report>(4, {"readInfo", platform::kErrSubscript})));
}

TEST_F(Settings, MissingFilesLeaveTheDefaultsAndAreReportedOnce) {
  ReadSettings();
  EXPECT_EQ(reports_, (std::vector<Report>(3, {"readInfo", platform::kErrFileNotFound})));  // ver, branding, marker
  for (long i = 0; i <= 38; ++i) EXPECT_EQ(installation().settings(i), platform::Trim(SettingDefault(i))) << i;
  EXPECT_EQ(AppTitle(), "BrivantTavrelo——http://www.example.invalid模块");

  // Only the branding file missing: the ver.txt values stay.
  reports_.clear();
  dir_.Write("ver.txt", Lines(StandardVer()));
  ReadSettings();
  EXPECT_EQ(reports_, (std::vector<Report>(2, {"readInfo", platform::kErrFileNotFound})));
  EXPECT_EQ(installation().settings(1), "Windows XP");
  EXPECT_EQ(installation().settings(0), "Brivant");
}

TEST_F(Settings, ProductNumberThatDoesNotFitIsReportedAndStaysZero) {
  Install({Code("m"), Code("t"), Code("data"), Code("70000")}, {}, "1");
  ReadSettings();
  EXPECT_EQ(installation().productNo(), 0);
  EXPECT_EQ(reports_, (std::vector<Report>{{"readInfo", platform::kErrOverflow}}));
}

TEST_F(Settings, FirstRunRecordIsWrittenOnceForAMarkerOfZero) {
  struct Case {
    const char* name;
    std::optional<std::string> marker;
    bool written;
  } cases[] = {
      {"fresh installation", "0\r\n", true},
      {"no line end", "0", true},
      {"a space is not 0", "0 \r\n", false},
      {"already recorded", "1\r\n", false},
      {"empty marker", "", false},
      {"missing marker", std::nullopt, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove_all(dir_ / "config");
    std::filesystem::remove(dir_ / "Data/288892.mxy");
    Install(StandardVer(), {}, c.marker);
    ReadSettings();
    if (c.written) {
      EXPECT_EQ(Registry("ProPath05"), dir_.path() + std::string(72, '*'));
      EXPECT_EQ(Registry("ProName05"), "xpexam" + std::string(36, '*'));
      EXPECT_EQ(platform::ReadFileBytes(dir_ / "Data/288892.mxy"), "1\r\n");
    } else {
      EXPECT_EQ(Registry("ProPath05"), std::nullopt);
      EXPECT_EQ(platform::ReadFileBytes(dir_ / "Data/288892.mxy"), c.marker);
    }
  }

  // A second start after the record leaves the registry alone.
  platform::RegistrySet("Software\\vemo", "ProPath05", std::string("moved"));
  Install(StandardVer(), {}, "0");
  ReadSettings();
  EXPECT_EQ(Registry("ProPath05"), dir_.path() + std::string(72, '*'));
  ReadSettings();
  EXPECT_EQ(Registry("ProPath05"), dir_.path() + std::string(72, '*'));
  platform::RegistrySet("Software\\vemo", "ProPath05", std::string("moved"));
  ReadSettings();
  EXPECT_EQ(Registry("ProPath05"), "moved");
}

TEST_F(Settings, FirstRunValueNamesAndTheCharacterCountCut) {
  struct Case {
    const char* product;
    const char* nn;
  } cases[] = {{"7", "07"}, {"12", "12"}, {"123", "23"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.product);
    Install({Code("m"), Code("t"), Code("data"), Code(c.product)}, {}, "0");
    ReadSettings();
    EXPECT_TRUE(Registry(std::string("ProPath") + c.nn).has_value());
    EXPECT_TRUE(Registry(std::string("ProName") + c.nn).has_value());
  }

  // Each double-byte character costs one trailing "*": the size counts characters.
  editInstallation().SetAppExeName("练习");
  int32_t size = 0;
  RegData value = std::string("练习") + std::string(36, '*');
  EXPECT_EQ(RegWrite(kHkeyCurrentUser, "Software\\vemo", "ProName", kRegSz, value, size), kRegOk);
  EXPECT_EQ(size, 38);
  EXPECT_EQ(Registry("ProName"), "练习" + std::string(34, '*'));

  // Numbers replace the caller's value; an unknown type writes nothing.
  value = std::string("42");
  EXPECT_EQ(RegWrite(kHkeyCurrentUser, "Software\\vemo", "Count", kRegDword, value, size), kRegOk);
  EXPECT_EQ(value, RegData(42));
  EXPECT_EQ(size, 4);
  EXPECT_EQ(platform::RegistryGet("Software\\vemo", "Count"), platform::RegistryValue(42u));
  EXPECT_EQ(RegWrite(kHkeyCurrentUser, "Software\\vemo", "Odd", 9, value, size), kRegOk);
  EXPECT_EQ(platform::RegistryGet("Software\\vemo", "Odd"), std::nullopt);
}

}  // namespace
}  // namespace xpexam::frame
