// Record and step-text lookups: every lookup reopens the file and reads it from the top.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>

#include "desktop/step_record.h"
#include "platform/strings.h"
#include "platform/textfile.h"

namespace {

using namespace xpexam;

// A step file of 2,000 records and a step text file of 999 lines in a scratch folder.
class Files {
 public:
  Files() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "xpexam-bench-XXXXXX").string();
    if (!::mkdtemp(tmpl.data())) return;
    dir_ = tmpl;
    std::vector<std::string> records, texts;
    for (int i = 1; i <= 2000; ++i) {
      std::string r = "第" + platform::ZeroPad(i % 100, 2) + "步 00" + (i % 7 == 0 ? "9999" : "0001") + "100234";
      while (platform::Len(r) < 199) r += platform::ZeroPad(i, 5);
      records.push_back(platform::Left(r, 199));
    }
    for (int n = 1; n <= 999; ++n) texts.push_back(platform::ZeroPad(n, 3) + "打开记事本|Notepad " + platform::Str(n));
    platform::WriteTextLines(StepFile(), records);
    platform::WriteTextLines(TextFile(), texts);
  }
  ~Files() {
    std::error_code ec;
    if (!dir_.empty()) std::filesystem::remove_all(dir_, ec);
  }
  std::string StepFile() const { return dir_ + "/288820.mxy"; }
  std::string TextFile() const { return dir_ + "/288890.mxy"; }

 private:
  std::string dir_;
};

const Files& TheFiles() {
  static Files files;
  return files;
}

void BM_ReadLastStepRecord(benchmark::State& state) {
  const std::string path = TheFiles().StepFile();
  for (auto _ : state) {
    auto line = desktop::ReadStepRecord(path, 2000);
    if (!line) state.SkipWithError("no record 2000");
    benchmark::DoNotOptimize(line);
  }
}
BENCHMARK(BM_ReadLastStepRecord);

void BM_ReadLastStepText(benchmark::State& state) {
  const std::string path = TheFiles().TextFile();
  for (auto _ : state) {
    auto text = desktop::ReadStepText(path, 999);
    if (!text) state.SkipWithError("no text 999");
    benchmark::DoNotOptimize(text);
  }
}
BENCHMARK(BM_ReadLastStepText);

}  // namespace
