#include "editor/control/core/caret_options.h"

namespace glean {

TProgramCursors& ProgramCursors() {
  static TProgramCursors cursors;
  return cursors;
}

TEditorCursors::TEditorCursors()
    : dragSelCopy_(ProgramCursors().DragSelCopy), leftMargin_(ProgramCursors().RightArrow) {}

void TEditorCursors::CopyFields(const TEditorCursors& s) {
  SetDefaultCursor(s.default_);
  SetDragSelCursor(s.dragSel_);
  SetDragSelCopyCursor(s.dragSelCopy_);
  SetInSelCursor(s.inSel_);
  SetLeftMarginCursor(s.leftMargin_);
  SetTopMarginCursor(s.topMargin_);
}

TEditorCaret::TEditorCaret() {
  // A change of the cursors is a change of the caret options.
  cursors_.OnChange = [this](TObject*) { Changed(); };
}

void TEditorCaret::SetTabSpaceCount(int v) { SetClampedEven(tabSpaceCount_, v, 2, 8); }

void TEditorCaret::CopyFields(const TEditorCaret& s) {
  SetAutoCursor(s.autoCursor_);
  SetAutoIndent(s.autoIndent_);
  SetBackSpaceUnIndent(s.backSpaceUnIndent_);
  cursors_.Assign(s.cursors_);
  SetFreeCaret(s.freeCaret_);
  SetFreeRow(s.freeRow_);
  SetInTab(s.inTab_);
  SetKeepCaret(s.keepCaret_);
  SetLockScroll(s.lockScroll_);
  SetNextLine(s.nextLine_);
  SetPrevSpaceIndent(s.prevSpaceIndent_);
  SetRowSelect(s.rowSelect_);
  SetSelDragMode(s.selDragMode_);
  SetSelMove(s.selMove_);
  SetSoftTab(s.softTab_);
  SetStyle(s.style_);
  SetTabIndent(s.tabIndent_);
  SetTabSpaceCount(s.tabSpaceCount_);
}

}  // namespace glean
