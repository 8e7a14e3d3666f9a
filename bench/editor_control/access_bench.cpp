// What a screen reader's request costs in a long text: the Line range that encloses a
// UTF-16 offset in the middle of the text, with its text read, in a 1,000,000-row text
// against a 1,000-row text, measured in the same run. The ratio stays near 1 when the
// offset mapping does not grow with the text.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "base/sjis.h"
#include "editor/control/access/access_text.h"
#include "bench_support.h"
#include "editor/control/core/editor_core.h"
#include "pane/pane_options.h"

namespace glean {
namespace {

// One UTF-16 unit per character, as the system's conversion gives for this text.
std::u16string Widen(std::string_view s) {
  std::u16string out;
  for (size_t p = 0; p < s.size(); p = sjis::NextCharPos(s, p)) out.push_back(char16_t(0x3000 + (s[p] & 0x7F)));
  return out;
}

struct Text {
  bench::QuietHost host{false, {0, 0, 800, 600}, {}};
  TEditorCore editor{host};
  access::TAccessText access{editor, Widen};
  explicit Text(int rows) {
    ConfigurePane(editor, 16);
    std::string text;
    for (int i = 0; i < rows; ++i) text += i % 3 ? "ユーザー名 user name\r\n" : "∇ ｽﾀﾃｨｯｸﾃｷｽﾄ ∇\r\n";
    editor.Lines().SetText(text);
    access.RowsChanged({});
    access.Text(access.Expand({1, 1}, access::TUnit::Line));  // the one pass after loading
  }
  // Seconds per request: the Line range at a middle offset and its text.
  double Request(int n) {
    const int mid = access.Length() / 2;
    size_t sink = 0;
    const double t0 = bench::Seconds();
    for (int i = 0; i < n; ++i) {
      const access::TRange r = access.Expand({mid + i % 64, mid + i % 64}, access::TUnit::Line);
      sink += access.Text(r).size();
    }
    benchmark::DoNotOptimize(sink);
    return (bench::Seconds() - t0) / n;
  }
};

void BM_LineRangeAtAMiddleOffset(benchmark::State& state) {
  Text small(1000), large(1000000);
  double a = 1e9, b = 1e9;
  for (auto _ : state) {
    for (int round = 0; round < 5; ++round) {
      a = std::min(a, small.Request(20000));
      b = std::min(b, large.Request(20000));
    }
  }
  state.counters["ratio_1M_to_1k_rows"] = b / a;
  std::printf("Line range at a middle offset and its text: %.2f us in %d rows, %.2f us in %d rows, ratio %.2f\n",
              a * 1e6, small.editor.ListRows().Count(), b * 1e6, large.editor.ListRows().Count(), b / a);
}
BENCHMARK(BM_LineRangeAtAMiddleOffset)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace glean
