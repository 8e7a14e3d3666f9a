// The caret options (`Caret`) and the mouse cursors they hold (`Caret.Cursors`).
#pragma once

#include "editor/control/core/option_base.h"

namespace glean {

using TCursor = short;
constexpr TCursor crDefault = 0;
constexpr TCursor crArrow = -2;
constexpr TCursor crIBeam = -4;
constexpr TCursor crDrag = -12;
constexpr TCursor crHandPoint = -21;

// Identifiers of the program's two cursors ("RightArrow", "DragSelCopy") in the screen's
// cursor table; the Windows host fills them in when it registers the cursors, before
// the first editor is made.
struct TProgramCursors {
  TCursor RightArrow = 1;
  TCursor DragSelCopy = 2;
};
TProgramCursors& ProgramCursors();

class TEditorCursors : public TEditorOption {
 public:
  TEditorCursors();
  TCursor DefaultCursor() const { return default_; }
  void SetDefaultCursor(TCursor v) { Set(default_, v); }
  TCursor DragSelCursor() const { return dragSel_; }
  void SetDragSelCursor(TCursor v) { Set(dragSel_, v); }
  TCursor DragSelCopyCursor() const { return dragSelCopy_; }
  void SetDragSelCopyCursor(TCursor v) { Set(dragSelCopy_, v); }
  TCursor InSelCursor() const { return inSel_; }
  void SetInSelCursor(TCursor v) { Set(inSel_, v); }
  TCursor LeftMarginCursor() const { return leftMargin_; }
  void SetLeftMarginCursor(TCursor v) { Set(leftMargin_, v); }
  TCursor TopMarginCursor() const { return topMargin_; }
  void SetTopMarginCursor(TCursor v) { Set(topMargin_, v); }
  void Assign(const TEditorCursors& s) { AssignFields(*this, s); }
  void CopyFields(const TEditorCursors& s);

 private:
  TCursor default_ = crIBeam, dragSel_ = crDrag, dragSelCopy_, inSel_ = crDefault;
  TCursor leftMargin_, topMargin_ = crDefault;
};

enum class TDragMode { dmManual, dmAutomatic };
enum class TEditorCaretStyle { csDefault, csBrief };

class TEditorCaret : public TEditorOption {
 public:
  TEditorCaret();

  bool AutoCursor() const { return autoCursor_; }
  void SetAutoCursor(bool v) { Set(autoCursor_, v); }
  bool AutoIndent() const { return autoIndent_; }
  void SetAutoIndent(bool v) { Set(autoIndent_, v); }
  bool BackSpaceUnIndent() const { return backSpaceUnIndent_; }
  void SetBackSpaceUnIndent(bool v) { Set(backSpaceUnIndent_, v); }
  TEditorCursors& Cursors() { return cursors_; }
  const TEditorCursors& Cursors() const { return cursors_; }
  void SetCursors(const TEditorCursors& c) { cursors_.Assign(c); }
  bool FreeCaret() const { return freeCaret_; }
  void SetFreeCaret(bool v) { Set(freeCaret_, v); }
  bool FreeRow() const { return freeRow_; }
  void SetFreeRow(bool v) { Set(freeRow_, v); }
  bool InTab() const { return inTab_; }
  void SetInTab(bool v) { Set(inTab_, v); }
  bool KeepCaret() const { return keepCaret_; }
  void SetKeepCaret(bool v) { Set(keepCaret_, v); }
  bool LockScroll() const { return lockScroll_; }
  void SetLockScroll(bool v) { Set(lockScroll_, v); }
  bool NextLine() const { return nextLine_; }
  void SetNextLine(bool v) { Set(nextLine_, v); }
  bool PrevSpaceIndent() const { return prevSpaceIndent_; }
  void SetPrevSpaceIndent(bool v) { Set(prevSpaceIndent_, v); }
  bool RowSelect() const { return rowSelect_; }
  void SetRowSelect(bool v) { Set(rowSelect_, v); }
  TDragMode SelDragMode() const { return selDragMode_; }
  void SetSelDragMode(TDragMode v) { Set(selDragMode_, v); }
  bool SelMove() const { return selMove_; }
  void SetSelMove(bool v) { Set(selMove_, v); }
  bool SoftTab() const { return softTab_; }
  void SetSoftTab(bool v) { Set(softTab_, v); }
  TEditorCaretStyle Style() const { return style_; }
  void SetStyle(TEditorCaretStyle v) { Set(style_, v); }
  bool TabIndent() const { return tabIndent_; }
  void SetTabIndent(bool v) { Set(tabIndent_, v); }
  int TabSpaceCount() const { return tabSpaceCount_; }
  // Only 2, 4, 6 and 8 are stored: clamped to 2..8, then rounded down to even.
  void SetTabSpaceCount(int v);

  void Assign(const TEditorCaret& s) { AssignFields(*this, s); }
  void CopyFields(const TEditorCaret& s);

 private:
  bool autoCursor_ = true, autoIndent_ = true, backSpaceUnIndent_ = true;
  TEditorCursors cursors_;
  bool freeCaret_ = true, freeRow_ = false, inTab_ = false, keepCaret_ = false;
  bool lockScroll_ = false, nextLine_ = false, prevSpaceIndent_ = false, rowSelect_ = true;
  TDragMode selDragMode_ = TDragMode::dmAutomatic;
  bool selMove_ = true, softTab_ = false;
  TEditorCaretStyle style_ = TEditorCaretStyle::csDefault;
  bool tabIndent_ = false;
  int tabSpaceCount_ = 8;
};

}  // namespace glean
