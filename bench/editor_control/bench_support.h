// What the editor benchmarks share: a monotonic clock and a host that draws nothing.
#pragma once

#include <ctime>

#include "editor/control/core/editor_core.h"

namespace glean::bench {

inline double Seconds() {  // <chrono> does not compile with the Shift-JIS execution character set
  timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// A host that answers with a fixed window (or none) and ignores every request.
class QuietHost : public IEditorHost {
 public:
  QuietHost(bool window, TRect client, TFontMetrics metrics) : window_(window), client_(client), metrics_(metrics) {}
  bool HasWindow() const override { return window_; }
  bool Focused() const override { return window_; }
  TRect ClientRect() const override { return client_; }
  TFontMetrics FontMetrics() const override { return metrics_; }
  void Invalidate(const TRect&) override {}
  void Update() override {}
  void ScrollArea(const TRect&, int, int) override {}
  void SetRedraw(bool) override {}
  void ShowScrollBar(TScrollBarKind, bool) override {}
  void SetScrollBar(TScrollBarKind, int, int, int) override {}
  void SetCaretShape(int, int) override {}
  void SetCaretPos(int, int) override {}
  void ShowCaret(bool) override {}
  void MoveImeWindow(int, int) override {}
  void SetCursor(int) override {}
  bool LeftButtonDown() const override { return false; }
  bool CtrlDown() const override { return false; }
  void SetMouseCapture(bool) override {}

 private:
  bool window_;
  TRect client_;
  TFontMetrics metrics_;
};

}  // namespace glean::bench
