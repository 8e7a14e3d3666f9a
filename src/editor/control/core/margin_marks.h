// The margins (`Margin`) and the end and caret-row marks (`Marks`).
#pragma once

#include "editor/control/core/option_base.h"
#include "editor/model/fountain.h"

namespace glean {

class TEditorMargin : public TEditorOption {
 public:
  static constexpr int kMax = 100;
  int Character() const { return character_; }
  void SetCharacter(int v) { SetClamped(character_, v, 0, kMax); }
  int Left() const { return left_; }
  void SetLeft(int v) { SetClamped(left_, v, 0, kMax); }
  int Line() const { return line_; }
  void SetLine(int v) { SetClamped(line_, v, 0, kMax); }
  int Top() const { return top_; }
  void SetTop(int v) { SetClamped(top_, v, 0, kMax); }
  // One pixel under every row while the caret-row underline is shown; kept by the
  // editor, raises no notification.
  int UnderlineGap() const { return underlineGap_; }
  void SetUnderlineGap(int v) { underlineGap_ = v; }

  void Assign(const TEditorMargin& s) { AssignFields(*this, s); }
  void CopyFields(const TEditorMargin& s);

 private:
  int character_ = 0, left_ = 19, line_ = 0, top_ = 2;
  int underlineGap_ = 0;
};

class TEditorMark : public TEditorOption {
 public:
  TColor Color() const { return color_; }
  void SetColor(TColor v) { Set(color_, v); }
  bool Visible() const { return visible_; }
  void SetVisible(bool v) { Set(visible_, v); }
  void Assign(const TEditorMark& s) { AssignFields(*this, s); }
  void CopyFields(const TEditorMark& s) {
    SetColor(s.color_);
    SetVisible(s.visible_);
  }

 private:
  TColor color_ = clGray;
  bool visible_ = false;
};

class TEditorMarks : public TEditorOption {
 public:
  TEditorMarks();
  TEditorMarks(const TEditorMarks&) = delete;
  TEditorMarks& operator=(const TEditorMarks&) = delete;

  TEditorMark& EofMark() { return eof_; }
  TEditorMark& RetMark() { return ret_; }
  TEditorMark& WrapMark() { return wrap_; }
  TEditorMark& HideMark() { return hide_; }
  TEditorMark& Underline() { return underline_; }
  const TEditorMark& EofMark() const { return eof_; }
  const TEditorMark& RetMark() const { return ret_; }
  const TEditorMark& WrapMark() const { return wrap_; }
  const TEditorMark& HideMark() const { return hide_; }
  const TEditorMark& Underline() const { return underline_; }
  void SetEofMark(const TEditorMark& m) { eof_.Assign(m); }
  void SetRetMark(const TEditorMark& m) { ret_.Assign(m); }
  void SetWrapMark(const TEditorMark& m) { wrap_.Assign(m); }
  void SetHideMark(const TEditorMark& m) { hide_.Assign(m); }
  void SetUnderline(const TEditorMark& m) { underline_.Assign(m); }

  void Assign(const TEditorMarks& s) { AssignFields(*this, s); }
  void CopyFields(const TEditorMarks& s);

 private:
  TEditorMark eof_, ret_, wrap_, hide_, underline_;
};

}  // namespace glean
