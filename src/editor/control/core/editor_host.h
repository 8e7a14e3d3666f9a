// What the editor core needs of the window that shows it. The Windows host implements it
// over an HWND; native tests use a recording fake. Without a window (HasWindow false) the
// core stores positions but neither scrolls nor paints.
#pragma once

#include <string>

#include "editor/control/core/geometry_types.h"

namespace glean {

struct TFontMetrics {
  int Height = 16;           // cell height of the font
  int ExternalLeading = 0;
  int AveCharWidth = 8;      // advance of one single-byte cell
};

enum class TScrollBarKind { Horizontal, Vertical };

class IEditorHost {
 public:
  virtual ~IEditorHost() = default;

  virtual bool HasWindow() const = 0;
  virtual bool Focused() const = 0;
  // The client area: the window less its border and shown scroll bars.
  virtual TRect ClientRect() const = 0;
  virtual TFontMetrics FontMetrics() const = 0;

  virtual void Invalidate(const TRect& r) = 0;
  // Paints whatever is invalid now.
  virtual void Update() = 0;
  // Moves the pixels of `area` by (dx, dy) and invalidates the strip left uncovered.
  virtual void ScrollArea(const TRect& area, int dx, int dy) = 0;
  virtual void SetRedraw(bool on) = 0;

  virtual void ShowScrollBar(TScrollBarKind kind, bool visible) = 0;
  // Range min..max, page and position; a range the page covers disables the bar.
  virtual void SetScrollBar(TScrollBarKind kind, int max, int page, int pos) = 0;

  // The caret's shape and place; show and hide do not nest here (the core counts).
  virtual void SetCaretShape(int width, int height) = 0;
  virtual void SetCaretPos(int x, int y) = 0;
  virtual void ShowCaret(bool visible) = 0;
  // The input method's composition window follows the caret.
  virtual void MoveImeWindow(int x, int y) = 0;

  // Mouse cursor by identifier (0 default, negative standard ones, positive the
  // program's own).
  virtual void SetCursor(int cursor) = 0;
  virtual bool LeftButtonDown() const = 0;
  virtual bool CtrlDown() const = 0;
  virtual void SetMouseCapture(bool on) = 0;

  // The clipboard: plain text, and whether it was copied from a box selection (the
  // "TEditor Box Type" format). Without a clipboard (the defaults) nothing is there.
  virtual bool ClipboardHasText() const { return false; }
  virtual bool GetClipboardText(std::string& /*text*/, bool& /*box*/) { return false; }
  // Replaces the clipboard's content by `text`, also under the box format when `box`.
  virtual void SetClipboardText(const std::string& /*text*/, bool /*box*/) {}
  // After a double-byte lead byte: the next character message's byte when it is one
  // in 64..255, taken out of the queue; -1 when none follows.
  virtual int TakeTrailByte() { return -1; }
};

}  // namespace glean
