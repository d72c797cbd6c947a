// The benchmark runner: Google Benchmark's console output, then the ratio of every pair.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "benchmarks/pairs.h"

namespace xpexam::bench {
namespace {

struct Goal {
  double limit = 0;
  std::vector<double> program, reference;  // seconds per iteration, one per repetition
};

std::map<std::string, Goal>& Goals() {
  static std::map<std::string, Goal> goals;
  return goals;
}

// Keeps the time of every repetition while printing as usual.
class PairReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    // With repetitions only their median is printed; the table below has the rest.
    std::vector<Run> shown;
    for (const auto& run : runs)
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") shown.push_back(run);
    ConsoleReporter::ReportRuns(shown.empty() ? runs : shown);
    for (const auto& run : runs) {
      if (run.run_type != Run::RT_Iteration || run.error_occurred || run.iterations == 0) continue;
      const std::string& name = run.run_name.function_name;
      const size_t slash = name.rfind('/');
      if (slash == std::string::npos) continue;
      auto it = Goals().find(name.substr(0, slash));
      if (it == Goals().end()) continue;
      const double seconds = run.real_accumulated_time / static_cast<double>(run.iterations);
      const std::string side = name.substr(slash + 1);
      if (side == "program") it->second.program.push_back(seconds);
      if (side == "reference") it->second.reference.push_back(seconds);
    }
  }
};

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

std::string Time(double seconds) {
  char buf[32];
  if (seconds >= 1e-1)
    std::snprintf(buf, sizeof buf, "%.3f s", seconds);
  else if (seconds >= 1e-4)
    std::snprintf(buf, sizeof buf, "%.3f ms", seconds * 1e3);
  else
    std::snprintf(buf, sizeof buf, "%.3f us", seconds * 1e6);
  return buf;
}

void PrintRatios() {
  std::printf("\n%-58s %12s %12s %7s %7s %6s\n", "pair (program / reference)", "program", "reference", "min",
              "median", "goal");
  for (const auto& [name, goal] : Goals()) {
    if (goal.program.empty() || goal.reference.empty()) continue;
    const double pmin = *std::min_element(goal.program.begin(), goal.program.end());
    const double rmin = *std::min_element(goal.reference.begin(), goal.reference.end());
    const double pmed = Median(goal.program), rmed = Median(goal.reference);
    const double ratio_min = pmin / rmin, ratio_med = pmed / rmed;
    std::printf("%-58s %12s %12s %6.2fx %6.2fx %5.1fx%s\n", name.c_str(), Time(pmed).c_str(), Time(rmed).c_str(),
                ratio_min, ratio_med, goal.limit, ratio_med > goal.limit ? "  OVER" : "");
  }
}

}  // namespace

bool HasFlag(int argc, char** argv, const char* flag) {
  for (int i = 1; i < argc; ++i)
    if (std::strncmp(argv[i], flag, std::strlen(flag)) == 0) return true;
  return false;
}

void RegisterPair(const std::string& goal, double limit, Body program, Body reference,
                  const std::function<void(benchmark::internal::Benchmark*)>& configure) {
  Goals()[goal].limit = limit;
  for (auto& [side, body] : {std::pair{"/program", program}, std::pair{"/reference", reference}}) {
    auto* b = benchmark::RegisterBenchmark((goal + side).c_str(), body);
    b->UseRealTime()->Unit(benchmark::kMicrosecond);
    if (configure) configure(b);
  }
}

}  // namespace xpexam::bench

int main(int argc, char** argv) {
  // Repetitions interleaved in random order, so that a pair's sides see the same machine.
  std::vector<char*> args(argv, argv + argc);
  std::string reps = "--benchmark_repetitions=5", interleave = "--benchmark_enable_random_interleaving=true";
  if (!xpexam::bench::HasFlag(argc, argv, "--benchmark_repetitions")) args.push_back(reps.data());
  if (!xpexam::bench::HasFlag(argc, argv, "--benchmark_enable_random_interleaving")) args.push_back(interleave.data());
  int n = static_cast<int>(args.size());
  benchmark::Initialize(&n, args.data());
  if (benchmark::ReportUnrecognizedArguments(n, args.data())) return 1;
  xpexam::bench::PairReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  xpexam::bench::PrintRatios();
  return 0;
}
