#pragma once
// Benchmarks measured as pairs: this program doing a thing, and a reference doing the same
// essential work plainly, in the same run. The run ends with a table of program / reference
// ratios (of the fastest and of the median repetition) against each goal's limit.
#include <benchmark/benchmark.h>

#include <functional>
#include <string>

namespace xpexam::bench {

using Body = std::function<void(benchmark::State&)>;

// Registers "<goal>/program" and "<goal>/reference"; the table flags a median ratio above limit.
// configure, when given, is applied to both (iterations, minimum time...).
void RegisterPair(const std::string& goal, double limit, Body program, Body reference,
                  const std::function<void(benchmark::internal::Benchmark*)>& configure = {});

}  // namespace xpexam::bench
