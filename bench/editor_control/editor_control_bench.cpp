// Full-window paints per second of the editor core on the recording canvas, for a
// window of 60 rows by 120 columns of coloured captured text, against a baseline
// measured in the same run: tokenising the same rows with the same parser.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "bench_support.h"
#include "editor/control/core/editor_core.h"
#include "editor/control/core/recording_canvas.h"
#include "editor/model/fountain_parser.h"
#include "pane/pane_options.h"

namespace glean {
namespace {


// The pane as the main window configures it, with 200 lines of captured text.
struct Pane {
  bench::QuietHost host{true, {0, 0, 12 + 120 * 8 + 4, 2 + 60 * 18 + 5}, {16, 0, 8}};
  TEditorCore editor{host};
  Pane() {
    ConfigurePane(editor, 16);
    editor.Speed().SetInitBracketsFull(true);
    editor.WrapOption().SetWrapByte(117);
    editor.SetWordWrap(true);
    std::string text;
    for (int i = 0; i < 50; ++i) {
      text += "∇ ｽﾀﾃｨｯｸﾃｷｽﾄ ∇\r\n";
      text += "ユーザー名とパスワードを入力して下さい。《非表示》 詳しくは http://www.example.com/help/ を御覧下さい。\r\n";
      text += "連絡先 support@example.com または Error: 指定されたウィンドウが応答しません。‡ and some plain ASCII words\r\n";
      text += "OK  キャンセル  ヘルプ(&H)  適用(&A)  Settings\tTabbed\tColumns\r\n";
    }
    editor.Lines().SetText(text);
    editor.Resized();
  }
};

void BM_PaintFullWindow(benchmark::State& state) {
  Pane pane;
  TRecordingCanvas canvas;
  canvas.ops.reserve(4096);
  const TRect all = pane.host.ClientRect();
  // Baseline: the parser alone over the rows the window shows.
  auto tokenise = [&] {
    auto parser = pane.editor.ActiveFountain()->CreateParser();
    int tokens = 0;
    for (int r = 0; r < 60; ++r) {
      parser->Init(pane.editor.ListRows().Ref(r), pane.editor.ListRows().RowState(r));
      while (parser->NextToken() != TokenKind::End) ++tokens;
    }
    benchmark::DoNotOptimize(tokens);
  };
  constexpr int kRounds = 200;
  double baseline = 1e9, paint = 1e9;
  for (auto _ : state) {
    for (int round = 0; round < 5; ++round) {
      double t0 = bench::Seconds();
      for (int i = 0; i < kRounds; ++i) tokenise();
      baseline = std::min(baseline, (bench::Seconds() - t0) / kRounds);
      t0 = bench::Seconds();
      for (int i = 0; i < kRounds; ++i) {
        canvas.ops.clear();
        pane.editor.Paint(canvas, all);
      }
      paint = std::min(paint, (bench::Seconds() - t0) / kRounds);
    }
  }
  state.counters["paints_per_s"] = 1.0 / paint;
  state.counters["text_outputs"] = canvas.Count(TCanvasOp::Text);
  state.counters["ratio_to_tokenising"] = paint / baseline;
  std::printf("full-window paint (60 x 120): %.0f paints/s, %.2f x tokenising the rows, %d text outputs\n",
              1.0 / paint, paint / baseline, canvas.Count(TCanvasOp::Text));
}
BENCHMARK(BM_PaintFullWindow)->Iterations(1)->Unit(benchmark::kMillisecond);

// Typed characters per second in the middle of the pane's text (one UpdateRows, the
// caret restored, the repaint worked out), against the row list's UpdateRows of the same
// row alone.
void BM_TypeIntoThePane(benchmark::State& state) {
  Pane pane;
  TEditorCore& e = pane.editor;
  constexpr int kKeys = 200;
  double baseline = 1e9, typing = 1e9;
  for (auto _ : state) {
    for (int round = 0; round < 5; ++round) {
      e.SetRowCol(101, 10);
      double t0 = bench::Seconds();
      for (int i = 0; i < kKeys; ++i) {
        const std::string row = e.ListRows().Ref(101);
        e.ListRows().UpdateRows(101, 1, row.substr(0, 10) + "x" + row.substr(10));
      }
      baseline = std::min(baseline, (bench::Seconds() - t0) / kKeys);
      e.SetRowCol(101, 10);
      t0 = bench::Seconds();
      for (int i = 0; i < kKeys; ++i) e.KeyPress('x', 0);
      typing = std::min(typing, (bench::Seconds() - t0) / kKeys);
      e.SelectAll();
      e.ClearSelection();
      e.Lines().SetText(Pane().editor.Lines().GetText());
    }
  }
  state.counters["keys_per_s"] = 1.0 / typing;
  state.counters["ratio_to_update_rows"] = typing / baseline;
  std::printf("typing into the pane: %.0f keys/s, %.2f x the row list's UpdateRows alone\n",
              1.0 / typing, typing / baseline);
}
BENCHMARK(BM_TypeIntoThePane)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace glean

BENCHMARK_MAIN();
