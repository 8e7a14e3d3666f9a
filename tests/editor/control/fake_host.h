// A window for the editor core that only records what the core asks of it, and a
// fixture with the captured-text pane's configuration.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/control/core/editor_core.h"
#include "editor/control/core/recording_canvas.h"
#include "pane/pane_options.h"

namespace glean::testing {

struct TScrollCall {
  TRect Area;
  int Dx, Dy;
};

class FakeHost : public IEditorHost {
 public:
  bool HasWindow() const override { return hasWindow; }
  bool Focused() const override { return focused; }
  TRect ClientRect() const override { return client; }
  TFontMetrics FontMetrics() const override { return metrics; }
  void Invalidate(const TRect& r) override { invalidated.push_back(r); }
  void Update() override { ++updates; }
  void ScrollArea(const TRect& area, int dx, int dy) override { scrolls.push_back({area, dx, dy}); }
  void SetRedraw(bool) override {}
  void ShowScrollBar(TScrollBarKind, bool) override {}
  void SetScrollBar(TScrollBarKind kind, int max, int page, int pos) override {
    auto& bar = kind == TScrollBarKind::Vertical ? vbar : hbar;
    bar = {max, page, pos};
  }
  void SetCaretShape(int w, int h) override { caretShape = {w, h}; }
  void SetCaretPos(int x, int y) override { caretPos = {x, y}; }
  void ShowCaret(bool v) override { caretVisible = v; }
  void MoveImeWindow(int, int) override {}
  void SetCursor(int c) override { cursor = c; }
  bool LeftButtonDown() const override { return leftDown; }
  bool CtrlDown() const override { return false; }
  void SetMouseCapture(bool) override {}
  bool ClipboardHasText() const override { return clipboardFull; }
  bool GetClipboardText(std::string& text, bool& box) override {
    if (!clipboardFull) return false;
    text = clipboard;
    box = clipboardBox;
    return true;
  }
  void SetClipboardText(const std::string& text, bool box) override {
    clipboard = text;
    clipboardBox = box;
    clipboardFull = true;
  }
  int TakeTrailByte() override {
    if (queuedBytes.empty()) return -1;
    const int b = static_cast<unsigned char>(queuedBytes.front());
    if (b < 64) return -1;
    queuedBytes.erase(0, 1);
    return b;
  }

  void ClearLog() {
    invalidated.clear();
    scrolls.clear();
    updates = 0;
  }

  bool hasWindow = true, focused = true, leftDown = false;
  TRect client{0, 0, 640, 480};
  TFontMetrics metrics{12, 0, 6};
  std::vector<TRect> invalidated;
  std::vector<TScrollCall> scrolls;
  int updates = 0;
  struct Bar {
    int max = 0, page = 0, pos = 0;
  } vbar, hbar;
  TPoint caretShape, caretPos;
  bool caretVisible = false;
  int cursor = 0;
  // The clipboard, and the character bytes waiting in the message queue.
  std::string clipboard;
  bool clipboardBox = false, clipboardFull = false;
  std::string queuedBytes;
};

// An editor core on a fake window with plain options: no image bar, no left margin,
// font cells 6 x 12, so that column c of row r starts at x = 6c, y = 2 + 12r.
class EditorTest : public ::testing::Test {
 protected:
  EditorTest() : editor(host) {
    editor.Imagebar().SetVisible(false);
    editor.Margin().SetLeft(0);
    editor.Resized();
  }
  void SetText(const std::string& text) { editor.Lines().SetText(text); }
  TRecordingCanvas PaintAll() {
    TRecordingCanvas canvas;
    editor.Paint(canvas, host.client);
    return canvas;
  }
  // The point of the cell boundary at (row, col), for caret clicks.
  TPoint At(int row, int col) const {
    return {editor.LeftOffset() + (col - editor.TopCol()) * editor.CharWidth(),
            editor.TopOffset() + (row - editor.TopRow()) * editor.RowHeight() + 1};
  }

  FakeHost host;
  TEditorCore editor;
};

// The captured-text pane exactly as Glean configures it.
inline void ConfigurePane(TEditorCore& e) { glean::ConfigurePane(e, 16); }

}  // namespace glean::testing
