// The ruler (`Ruler`), the line-number bar (`Leftbar`), the image bar (`Imagebar`) and
// the caret speeds (`Speed`).
#pragma once

#include "editor/control/core/option_base.h"
#include "editor/model/fountain.h"

namespace glean {

constexpr TColor clSilver = 0xC0C0C0;

class TEditorRuler : public TEditorOption {
 public:
  TColor BkColor() const { return bkColor_; }
  void SetBkColor(TColor v) { Set(bkColor_, v); }
  TColor Color() const { return color_; }
  void SetColor(TColor v) { Set(color_, v); }
  bool Edge() const { return edge_; }
  void SetEdge(bool v) { Set(edge_, v); }
  int GaugeRange() const { return gaugeRange_; }
  // Only 8 or 10: clamped to 8..10, then rounded down to even.
  void SetGaugeRange(int v);
  TColor MarkColor() const { return markColor_; }
  void SetMarkColor(TColor v) { Set(markColor_, v); }
  bool Visible() const { return visible_; }
  void SetVisible(bool v) { Set(visible_, v); }
  void Assign(const TEditorRuler& s) { AssignFields(*this, s); }
  void CopyFields(const TEditorRuler& s);

 private:
  TColor bkColor_ = clSilver, color_ = clBlack;
  bool edge_ = true;
  int gaugeRange_ = 10;
  TColor markColor_ = clBlack;
  bool visible_ = false;
};

enum class TEditorShowNumberMode { nmRow, nmLine };

class TEditorLeftbar : public TEditorOption {
 public:
  TColor BkColor() const { return bkColor_; }
  void SetBkColor(TColor v) { Set(bkColor_, v); }
  TColor Color() const { return color_; }
  void SetColor(TColor v) { Set(color_, v); }
  int Column() const { return column_; }
  void SetColumn(int v) { SetClamped(column_, v, 1, 8); }
  bool Edge() const { return edge_; }
  void SetEdge(bool v) { Set(edge_, v); }
  int LeftMargin() const { return leftMargin_; }
  void SetLeftMargin(int v) { SetClamped(leftMargin_, v, 0, 100); }
  int RightMargin() const { return rightMargin_; }
  void SetRightMargin(int v) { SetClamped(rightMargin_, v, 0, 100); }
  bool ShowNumber() const { return showNumber_; }
  void SetShowNumber(bool v) { Set(showNumber_, v); }
  TEditorShowNumberMode ShowNumberMode() const { return mode_; }
  void SetShowNumberMode(TEditorShowNumberMode v) { Set(mode_, v); }
  bool Visible() const { return visible_; }
  void SetVisible(bool v) { Set(visible_, v); }
  bool ZeroBase() const { return zeroBase_; }
  void SetZeroBase(bool v) { Set(zeroBase_, v); }
  bool ZeroLead() const { return zeroLead_; }
  void SetZeroLead(bool v) { Set(zeroLead_, v); }
  void Assign(const TEditorLeftbar& s) { AssignFields(*this, s); }
  void CopyFields(const TEditorLeftbar& s);

 private:
  TColor bkColor_ = clSilver, color_ = clBlack;
  int column_ = 4;
  bool edge_ = true;
  int leftMargin_ = 8, rightMargin_ = 4;
  bool showNumber_ = true;
  TEditorShowNumberMode mode_ = TEditorShowNumberMode::nmRow;
  bool visible_ = false, zeroBase_ = false, zeroLead_ = false;
};

class TEditorImagebar : public TEditorOption {
 public:
  int DigitWidth() const { return digitWidth_; }
  void SetDigitWidth(int v) { SetClamped(digitWidth_, v, 0, 100); }
  int LeftMargin() const { return leftMargin_; }
  void SetLeftMargin(int v) { SetClamped(leftMargin_, v, 0, 100); }
  int MarkWidth() const { return markWidth_; }
  void SetMarkWidth(int v) { SetClamped(markWidth_, v, 0, 100); }
  int RightMargin() const { return rightMargin_; }
  void SetRightMargin(int v) { SetClamped(rightMargin_, v, 0, 100); }
  bool Visible() const { return visible_; }
  void SetVisible(bool v) { Set(visible_, v); }
  int Width() const { return visible_ ? leftMargin_ + digitWidth_ + markWidth_ + rightMargin_ : 0; }
  void Assign(const TEditorImagebar& s) { AssignFields(*this, s); }
  void CopyFields(const TEditorImagebar& s);

 private:
  int digitWidth_ = 8, leftMargin_ = 2, markWidth_ = 0, rightMargin_ = 2;
  bool visible_ = true;
};

// Plain values: changing them needs no repaint, so they raise no notification.
class TEditorSpeed {
 public:
  int CaretVerticalAc() const { return caretVerticalAc_; }
  void SetCaretVerticalAc(int v) { caretVerticalAc_ = std::clamp(v, 1, 4); }
  int PageVerticalRange() const { return pageVerticalRange_; }
  void SetPageVerticalRange(int v) { pageVerticalRange_ = std::clamp(v, 1, 4); }
  int PageVerticalRangeAc() const { return pageVerticalRangeAc_; }
  void SetPageVerticalRangeAc(int v) { pageVerticalRangeAc_ = std::clamp(v, 1, 4); }
  bool InitBracketsFull() const { return initBracketsFull_; }
  void SetInitBracketsFull(bool v) { initBracketsFull_ = v; }
  void Assign(const TEditorSpeed& s) { *this = s; }

 private:
  int caretVerticalAc_ = 2, pageVerticalRange_ = 2, pageVerticalRangeAc_ = 2;
  bool initBracketsFull_ = false;
};

}  // namespace glean
