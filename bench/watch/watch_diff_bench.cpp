// The watch's diff against hashing both captures' lines alone, in the same run: two
// 100,000-line captures that differ in 10 lines (goal: at most 2), and two 10,000-line
// captures with nothing in common, where the search's budget must cut in (goal: at most
// 5 against hashing those).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "watch/core/changes.h"
#include "watch/core/line_diff.h"

namespace glean::watch {
namespace {

// <chrono> cannot be compiled with the Shift-JIS execution character set.
double Now() {
  timespec t;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// Capture-like lines: headers, empty lines, labels and item texts of 10 to 60 bytes.
std::vector<std::string> MakeCapture(int lines, unsigned seed, const char* prefix) {
  static const char* const pieces[] = {"《項目》", "受信 ", "ファイル", "12.5 MB ", "完了", "ok ", "状態"};
  std::mt19937 rng(seed);
  std::vector<std::string> out;
  out.reserve(size_t(lines));
  for (int i = 0; i < lines; ++i) {
    if (i % 50 == 0) {
      out.push_back("∇ ﾘｽﾄ項目 ∇");
    } else if (i % 50 == 49) {
      out.emplace_back();
    } else {
      std::string line = prefix + std::to_string(i) + " ";
      while (line.size() < 10 + rng() % 50) line += pieces[rng() % 7];
      out.push_back(line);
    }
  }
  return out;
}

template <class Fn>
double Best(int runs, Fn&& fn) {
  double best = 1e30;
  for (int i = 0; i < runs; ++i) {
    const double t0 = Now();
    fn();
    best = std::min(best, Now() - t0);
  }
  return best;
}

struct Ratio {
  double value, goal;
};
std::map<std::string, Ratio>& Ratios() {
  static std::map<std::string, Ratio> r;
  return r;
}

void Measure(benchmark::State& state, const std::string& name, const std::vector<std::string>& a,
             const std::vector<std::string>& b, double goal) {
  double base = 0, diff = 0;
  auto hash = [&] {
    auto ha = HashLines(a), hb = HashLines(b);
    benchmark::DoNotOptimize(ha.data());
    benchmark::DoNotOptimize(hb.data());
  };
  auto compare = [&] {
    LineDiff d = DiffLines(a, b);
    auto changed = ChangedLines(d, a, b);
    benchmark::DoNotOptimize(changed.data());
  };
  // Alternately, after a warm-up of each, so that both meet the same heap.
  hash();
  compare();
  base = diff = 1e30;
  for (auto _ : state) {
    for (int i = 0; i < 7; ++i) {
      base = std::min(base, Best(1, hash));
      diff = std::min(diff, Best(1, compare));
    }
  }
  state.counters["hash_ms"] = base * 1e3;
  state.counters["diff_ms"] = diff * 1e3;
  Ratios()[name] = {diff / base, goal};
}

void BM_TenChangesIn100k(benchmark::State& state) {
  const auto before = MakeCapture(100000, 1, "行");
  auto after = before;
  std::mt19937 rng(7);
  for (int i = 0; i < 10; ++i) after[1 + rng() % 99998] += " 変更";
  Measure(state, "diff 100,000 lines, 10 changed", before, after, 2);
}
BENCHMARK(BM_TenChangesIn100k)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_NothingInCommon10k(benchmark::State& state) {
  Measure(state, "diff 10,000 lines, nothing in common", MakeCapture(10000, 2, "旧"), MakeCapture(10000, 3, "新"),
          5);
}
BENCHMARK(BM_NothingInCommon10k)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace glean::watch

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  std::printf("\n%-40s %10s %8s\n", "measure (x hashing both)", "ratio", "goal");
  for (auto& [name, r] : glean::watch::Ratios())
    std::printf("%-40s %10.2f %8.0f\n", name.c_str(), r.value, r.goal);
  return 0;
}
