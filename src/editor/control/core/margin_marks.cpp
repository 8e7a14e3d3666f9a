#include "editor/control/core/margin_marks.h"

namespace glean {

void TEditorMargin::CopyFields(const TEditorMargin& s) {
  SetCharacter(s.character_);
  SetLeft(s.left_);
  SetLine(s.line_);
  SetTop(s.top_);
}

TEditorMarks::TEditorMarks() {
  for (TEditorMark* m : {&eof_, &ret_, &wrap_, &hide_, &underline_})
    m->OnChange = [this](TObject*) { Changed(); };
}

void TEditorMarks::CopyFields(const TEditorMarks& s) {
  eof_.Assign(s.eof_);
  ret_.Assign(s.ret_);
  wrap_.Assign(s.wrap_);
  hide_.Assign(s.hide_);
  underline_.Assign(s.underline_);
}

}  // namespace glean
