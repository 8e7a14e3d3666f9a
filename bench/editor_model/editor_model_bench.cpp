// Costs of the text model against plain baselines measured in the same run: setting a
// whole text, loading a file, one edit in a huge text, and colouring every row.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "base/strings.h"
#include "editor/model/editor_fountain.h"
#include "editor/model/editor_strings.h"
#include "editor/model/screen_strings.h"

namespace glean {
namespace {

// <chrono> cannot be compiled with the Shift-JIS execution character set ("µs").
// The thread's own CPU time: the ratios stay meaningful on a machine busy with other work.
double Now() {
  timespec t;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// A control that only answers what the model asks.
class BenchEditor : public IAttachedEditor, public ILinesOwner {
 public:
  explicit BenchEditor(bool fullColouring) : list_(new TEditorScreenStrings), lines_(*this), full_(fullColouring) {
    list_->AttachEditor(this);
    TFountainBracketItem& note = fountain_.Brackets().Add();
    note.SetLeftBracket("《");
    note.SetRightBracket("》");
    TFountainBracketItem& error = fountain_.Brackets().Add();
    error.SetLeftBracket("Error: ");
    error.SetRightBracket("‡");
    fountain_.SetCommenter("∇");
    fountain_.SetUrl(true);
    fountain_.SetMail(true);
    fountain_.SetControlCode(true);
    fountain_.SetQuotation("\x81");
  }
  ~BenchEditor() override { list_->DetachEditor(this); }
  TEditorScreenStrings& List() { return *list_; }
  TEditorStrings& Lines() { return lines_; }

  void TextChanged(TEditorScreenStrings&) override {}
  void InvalidateRow(int) override {}
  void CleanSelection() override {}
  void UpdateMetrics() override {}
  void UpdateScrollBars() override {}
  void Repaint() override {}
  int Row() const override { return row_; }
  void SetRow(int r) override { row_ = r; }
  int TopRow() const override { return 0; }
  void SetTopRow(int) override {}
  int Col() const override { return col_; }
  void SetCol(int c) override { col_ = c; }
  void HideCaret() override {}
  void ShowCaret() override {}
  bool Loading() const override { return false; }
  bool Destroying() const override { return false; }
  bool Focused() const override { return true; }
  int ScreenHeight() const override { return 600; }
  int RowHeight() const override { return 15; }
  bool InitBracketsFull() const override { return full_; }
  TFountain* ActiveFountain() override { return &fountain_; }

  TEditorScreenStrings& ListRows() override { return *list_; }
  void SetCaretByOffset(int, int) override {}
  void SetCaretRowCol(int r, int c) override { row_ = r, col_ = c; }
  void CancelSelection() override {}
  void SetRedraw(bool) override {}
  void BeginBulkChange() override {}
  void EndBulkChange() override {}

 private:
  TEditorScreenStrings* list_;
  TEditorStrings lines_;
  TEditorFountain fountain_;
  bool full_;
  int row_ = 0, col_ = 0;
};

// Mixed kana, kanji and ASCII lines of 20 to 200 bytes, CR LF, about `bytes` long.
std::string MakeText(size_t bytes, unsigned seed) {
  static const std::vector<std::string> pieces = {
      "the ", "quick ", "Error: ", "0x1F ", "12.5 ", "http://example.com/a ", "あいう",
      "カタカナ", "漢字", "変換", "ｶﾀｶﾅ", "、", "。", "《注記》", "∇ ", "user@example.jp ",
      "\t", "（括弧）", "ー"};
  std::mt19937 rng(seed);
  std::string text;
  text.reserve(bytes + 256);
  while (text.size() < bytes) {
    size_t target = 20 + rng() % 181, line = 0;
    while (line < target) {
      const std::string& p = pieces[rng() % pieces.size()];
      text += p;
      line += p.size();
    }
    text += "\r\n";
  }
  return text;
}

// The rows of `n` lines of about 40 bytes.
std::string MakeRows(int n) {
  std::string text = MakeText(size_t(n) * 60, 9), out;
  std::vector<std::string> lines = SplitLines(text);
  out.reserve(size_t(n) * 44);
  for (int i = 0; i < n; ++i) {
    std::string& l = lines[size_t(i) % lines.size()];
    out.append(l, 0, std::min<size_t>(l.size(), 40));
    while (!out.empty() && (static_cast<unsigned char>(out.back()) >= 0x81)) out.pop_back();
    out += "\r\n";
  }
  return out;
}

template <class Fn>
double BestSeconds(int runs, Fn&& fn) {
  double best = 1e30;
  for (int i = 0; i < runs; ++i) {
    double t0 = Now();
    fn();
    best = std::min(best, (Now() - t0));
  }
  return best;
}

// Best times of the baseline and of the measured operation, run alternately after one
// warm-up of each so that both see the same state of the heap and the page cache.
template <class Base, class Op>
std::pair<double, double> Alternate(int rounds, Base&& base, Op&& op) {
  base();
  op();
  double b = 1e30, o = 1e30;
  for (int i = 0; i < rounds; ++i) {
    b = std::min(b, BestSeconds(1, base));
    o = std::min(o, BestSeconds(1, op));
  }
  return {b, o};
}

struct Ratio {
  double value;
  double goal;  // 0: reported only
  std::string unit;
};
std::map<std::string, Ratio>& Ratios() {
  static std::map<std::string, Ratio> r;
  return r;
}

void Report(benchmark::State& state, const std::string& name, double ratio, double goal) {
  state.counters["ratio"] = ratio;
  Ratios()[name] = {ratio, goal, "x baseline"};
}

const std::string& TenMegabytes() {
  static const std::string text = MakeText(10u << 20, 1);
  return text;
}

// The line split of `text`: the baseline of the whole-text operations.
void SplitOnly(const std::string& text) {
  std::vector<std::string> lines = SplitLines(text);
  benchmark::DoNotOptimize(lines.data());
}

// Runs `op` and its baseline alternately, records both best times and reports their
// ratio under `name`.
template <class Base, class Op>
void ReportAgainst(benchmark::State& state, const std::string& name, double goal, Base&& base, Op&& op) {
  double baseline = 0, best = 0;
  for (auto _ : state) std::tie(baseline, best) = Alternate(3, base, op);
  state.counters["baseline_ms"] = baseline * 1e3;
  state.counters["model_ms"] = best * 1e3;
  Report(state, name, best / baseline, goal);
}

// The main pane's wrap: at 80 bytes, words kept whole, the leading rules on.
TEditorWrapOption& WrapAt80(BenchEditor& e) {
  TEditorWrapOption& o = e.List().WrapOption();
  o.SetWrapByte(80);
  o.SetWordBreak(true);
  o.SetLeading(true);
  e.List().SetWordWrap(true);
  return o;
}

void SetText(benchmark::State& state, bool wrap) {
  const std::string& text = TenMegabytes();
  BenchEditor e(false);
  if (wrap) WrapAt80(e);
  ReportAgainst(state, wrap ? "set-text 10 MB, wrap on (W 80)" : "set-text 10 MB, wrap off", 3,
                [&] { SplitOnly(text); },
                [&] {
                  e.Lines().SetText(text);
                  e.Lines().Clear();
                });
}
void BM_SetTextWrapOff(benchmark::State& s) { SetText(s, false); }
void BM_SetTextWrapOn(benchmark::State& s) { SetText(s, true); }
BENCHMARK(BM_SetTextWrapOff)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_SetTextWrapOn)->Unit(benchmark::kMillisecond)->Iterations(1);

// A zoom step: the wrap column changes and the whole wrapped text is wrapped again.
void BM_Rewrap(benchmark::State& state) {
  const std::string& text = TenMegabytes();
  BenchEditor e(false);
  TEditorWrapOption& o = WrapAt80(e);
  e.Lines().SetText(text);
  int width = 80;
  // Reported only: both sides allocate in a heap the model's rows have cut up, and how
  // it lies moves the baseline by half.
  ReportAgainst(state, "rewrap 10 MB, W 80 <-> 100", 0, [&] { SplitOnly(text); },
                [&] {
                  width = width == 80 ? 100 : 80;
                  o.SetWrapByte(width);
                });
}
BENCHMARK(BM_Rewrap)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_LoadFromFile(benchmark::State& state) {
  std::string path = "/tmp/glean_bench_50mb.txt";
  WriteFileBytes(path, MakeText(50u << 20, 2));
  BenchEditor e(false);
  ReportAgainst(state, "LoadFromFile 50 MB", 3, [&] { SplitOnly(ReadFileBytes(path)); },
                [&] {
                  e.Lines().LoadFromFile(path);
                  e.Lines().Clear();
                });
  std::remove(path.c_str());
}
BENCHMARK(BM_LoadFromFile)->Unit(benchmark::kMillisecond)->Iterations(1);

// Mean seconds of one edit in the middle of a text of `rows` rows: a typed character
// (and the backspace that takes it away again, untimed), or a Return (and the join).
double EditSeconds(int rows, bool split, int edits) {
  BenchEditor e(true);
  e.Lines().SetText(MakeRows(rows));
  const int mid = rows / 2;
  const std::string row = e.List().Ref(mid);
  const std::string plain = row + "\r\n";
  const std::string typed = row.substr(0, 10) + "x" + row.substr(10) + "\r\n";
  const std::string broken = row.substr(0, 10) + "\r\n" + row.substr(10) + "\r\n";
  const std::string next = e.List().Ref(mid + 1) + "\r\n";
  e.SetCol(10);  // the caret sits inside the row
  double total = 0;
  for (int i = 0; i < edits; ++i) {
    double t0 = Now();
    if (split)
      e.List().UpdateRows(mid, 1, broken);
    else
      e.List().UpdateRows(mid, 1, typed);
    double dt = (Now() - t0);
    total += dt;
    if (getenv("GLEAN_BENCH_TRACE") && i < 6) std::printf("%d rows edit %d: %.1f us\n", rows, i, dt * 1e6);
    if (split)
      e.List().UpdateRows(mid, 2, row + "\r\n");
    else
      e.List().UpdateRows(mid, 1, plain);
  }
  benchmark::DoNotOptimize(next);
  return total / edits;
}

void Edit(benchmark::State& state, bool split) {
  double big = 0, small = 0;
  for (auto _ : state) {
    small = EditSeconds(1000, split, 2000);
    big = EditSeconds(1000000, split, 2000);
  }
  state.counters["us_1M"] = big * 1e6;
  state.counters["us_1k"] = small * 1e6;
  Report(state, split ? "Return, 1,000,000 rows vs 1,000" : "typed character, 1,000,000 rows vs 1,000",
         big / small, split ? 20 : 5);
}
void BM_TypedCharacter(benchmark::State& s) { Edit(s, false); }
void BM_Return(benchmark::State& s) { Edit(s, true); }
BENCHMARK(BM_TypedCharacter)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Return)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_ReparseAll(benchmark::State& state) {
  BenchEditor e(true);
  e.Lines().SetText(MakeRows(1000000));
  double best = 1e30;
  for (auto _ : state) {
    double t0 = Now();
    e.List().ReparseAll();
    best = std::min(best, (Now() - t0));
  }
  double rate = e.List().Count() / best;
  state.counters["rows_per_s"] = rate;
  Ratios()["ReparseAll, InitBracketsFull, 1,000,000 rows"] = {rate, 0, "rows/s"};
}
BENCHMARK(BM_ReparseAll)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace glean

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::printf("\n%-48s %14s %8s\n", "measure", "value", "goal");
  for (auto& [name, r] : glean::Ratios()) {
    if (r.goal > 0)
      std::printf("%-48s %10.2f %s %5.0f %s\n", name.c_str(), r.value, "x", r.goal,
                  r.value <= r.goal ? "met" : "MISSED");
    else if (r.unit == "x baseline")
      std::printf("%-48s %10.2f %s\n", name.c_str(), r.value, "x");
    else
      std::printf("%-48s %14.0f %s\n", name.c_str(), r.value, r.unit.c_str());
  }
  return 0;
}
