// Session assembly from a question list on a bank of 20 units of 99 questions each: a
// 500-question bookmark session and a 40-question paper. Reference: each unit file read once,
// the question's lines found by the index's counts, both session files written whole.
#include <filesystem>
#include <random>

#include "benchmarks/pairs.h"
#include "frame/installation.h"
#include "desktop/session_files.h"
#include "desktop/session_plan.h"
#include "platform/strings.h"
#include "platform/textfile.h"
#include "tests/support/step_line.h"
#include "tests/support/temp_dir.h"

namespace {

using namespace xpexam;

struct UnitBank {
  testing::TempDir dir;
  std::string data = dir.path() + "/xpdata/";
  UnitBank() {
    std::filesystem::create_directories(data);
    std::mt19937 rng(7);
    for (int u = 0; u < 20; ++u) {
      std::vector<std::string> index, steps;
      for (int q = 1; q <= 99; ++q) {
        const int count = 4 + static_cast<int>(rng() % 12);
        index.push_back(platform::ZeroPad(u * 100 + q, 4) + platform::ZeroPad(count, 2) + "打开记事本并输入文字");
        for (int s = 1; s <= count; ++s)
          steps.push_back(testing::StepLine({{8, s == count ? "9999" : "0001"}, {12, "400001"}}));
      }
      platform::WriteTextLines(data + std::to_string(288870 + u) + ".mxy", index);
      platform::WriteTextLines(data + std::to_string(288820 + u) + ".mxy", steps);
    }
  }
};

std::string Codes(int n) {
  std::mt19937 rng(11);
  std::string codes;
  for (int i = 0; i < n; ++i) codes += platform::ZeroPad(static_cast<int>(rng() % 20) * 100 + 1 + static_cast<int>(rng() % 99), 4);
  return codes;
}

void ProgramAssembly(benchmark::State& state, int questions) {
  UnitBank bank;
  frame::editInstallation().SetDataPath(bank.data);
  const std::string codes = Codes(questions);
  for (auto _ : state) desktop::AssembleSessionFiles(codes, desktop::kAssembledSlot);
}

std::vector<std::string_view> Lines(const std::string& bytes) {
  std::vector<std::string_view> lines;
  std::string_view rest = bytes;
  while (!rest.empty()) {
    const size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    rest.remove_prefix(end + 1);
  }
  return lines;
}

void ReferenceAssembly(benchmark::State& state, int questions) {
  UnitBank bank;
  const std::string codes = Codes(questions);
  for (auto _ : state) {
    struct Unit {
      std::string index_bytes, step_bytes;
      std::vector<std::string_view> index, steps;
      std::vector<size_t> first;
    };
    std::vector<std::unique_ptr<Unit>> units(20);
    std::string steps, index;
    for (size_t i = 0; i + 4 <= codes.size(); i += 4) {
      const int code = std::stoi(codes.substr(i, 4)), u = code / 100, q = code % 100;
      auto& unit = units[static_cast<size_t>(u)];
      if (!unit) {
        unit = std::make_unique<Unit>();
        unit->index_bytes = *platform::ReadFileBytes(bank.data + std::to_string(288870 + u) + ".mxy");
        unit->step_bytes = *platform::ReadFileBytes(bank.data + std::to_string(288820 + u) + ".mxy");
        unit->index = Lines(unit->index_bytes);
        unit->steps = Lines(unit->step_bytes);
        unit->first.push_back(0);
        for (auto line : unit->index) unit->first.push_back(unit->first.back() + std::stoul(std::string(line.substr(4, 2))));
      }
      const std::string_view line = unit->index[static_cast<size_t>(q - 1)];
      index.append(line).append("\r\n");
      for (size_t k = unit->first[static_cast<size_t>(q - 1)]; k < unit->first[static_cast<size_t>(q)]; ++k)
        steps.append(unit->steps[k]).append("\r\n");
    }
    platform::WriteFileAtomic(bank.data + "288819.mxy", steps);
    platform::WriteFileAtomic(bank.data + "288869.mxy", index);
  }
}

const bool registered = [] {
  for (int n : {500, 40})
    bench::RegisterPair(
        "session assembly, " + std::to_string(n) + " questions", 1.5,
        [n](benchmark::State& s) { ProgramAssembly(s, n); }, [n](benchmark::State& s) { ReferenceAssembly(s, n); });
  return true;
}();

}  // namespace
