// Pictures shown again. Program: Picture::Load of a file it has loaded before. Reference: what
// reuse by file identity needs at least, a stat of the file and a lookup of the decoded picture.
// And a load of an empty name, as a record that names no picture makes, in a data folder of
// 2,000 files: against raising the same failure without touching the disk.
#include <sys/stat.h>

#include <unordered_map>

#include "benchmarks/pairs.h"
#include "forms/graphics.h"
#include "forms/pictures.h"
#include "platform/failure.h"
#include "platform/textfile.h"
#include "tests/support/bmp.h"
#include "tests/support/temp_dir.h"

namespace {

using namespace xpexam;

struct Folder {
  testing::TempDir dir;
  std::string data = dir.path() + "/xpdata/";
  Folder() {
    dir.Write("xpdata/400001.mxy", testing::SolidBmp(800, 600, 0xA06030));
    for (int i = 0; i < 2000; ++i) dir.Write("xpdata/" + std::to_string(300000 + i) + ".mxy", "x");
  }
};

void ProgramReload(benchmark::State& state) {
  Folder f;
  const std::string path = f.data + "400001.mxy";
  forms::LoadPicture(path);
  for (auto _ : state) benchmark::DoNotOptimize(forms::LoadPicture(path));
}

void ReferenceReload(benchmark::State& state) {
  Folder f;
  const std::string path = f.data + "400001.mxy";
  std::unordered_map<std::string, std::pair<struct stat, forms::PicturePtr>> cache;
  struct stat st0;
  ::stat(path.c_str(), &st0);
  cache[path] = {st0, forms::Picture::Decode(*platform::ReadFileBytes(path))};
  for (auto _ : state) {
    struct stat st;
    ::stat(path.c_str(), &st);
    auto& hit = cache[path];
    if (hit.first.st_mtim.tv_nsec != st.st_mtim.tv_nsec || hit.first.st_size != st.st_size)
      state.SkipWithError("changed");
    benchmark::DoNotOptimize(hit.second);
  }
}

void ProgramEmptyName(benchmark::State& state) {
  Folder f;
  for (auto _ : state)
    benchmark::DoNotOptimize(platform::Try([&] { benchmark::DoNotOptimize(forms::LoadPicture(f.data + "" + ".mxy")); }));
}

void ReferenceEmptyName(benchmark::State& state) {
  Folder f;
  for (auto _ : state)
    benchmark::DoNotOptimize(platform::Try([&] {
      const std::string path = f.data + "" + ".mxy";
      platform::Fail(platform::kErrFileNotFound, "File not found");
    }));
}

const bool registered = [] {
  bench::RegisterPair("picture shown again, 800 x 600 BMP", 1.2, ProgramReload, ReferenceReload);
  bench::RegisterPair("picture with an empty name", 1.2, ProgramEmptyName, ReferenceEmptyName);
  return true;
}();

}  // namespace
