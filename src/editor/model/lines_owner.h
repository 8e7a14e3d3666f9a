// What the Lines facade needs of the editor control that owns it. The control
// implements this interface; tests use a small fake.
#pragma once

namespace glean {

class TEditorScreenStrings;

class ILinesOwner {
 public:
  virtual ~ILinesOwner() = default;

  // The control's screen-row list (word wrap on or off is the list's WordWrap()).
  virtual TEditorScreenStrings& ListRows() = 0;
  virtual void HideCaret() = 0;
  virtual void ShowCaret() = 0;
  // Puts the caret on the character that lies `offset` characters after the start of
  // screen row `row`, a LineBreak row end counting 2 characters and an EndOfText end 1.
  virtual void SetCaretByOffset(int row, int offset) = 0;
  virtual void SetCaretRowCol(int row, int col) = 0;
  virtual void CancelSelection() = 0;
  // Redrawing off and on around a bulk change (WM_SETREDRAW); a control that is not
  // visible or has no window yet ignores it.
  virtual void SetRedraw(bool on) = 0;
  virtual void BeginBulkChange() = 0;
  virtual void EndBulkChange() = 0;
};

}  // namespace glean
