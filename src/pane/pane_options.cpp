#include "pane/pane_options.h"

namespace glean {

namespace {
void ConfigureWrap(TEditorWrapOption& w) {
  w.BeginUpdate();
  w.SetWordBreak(true);
  w.SetLeading(true);
  w.SetFollowRetMark(false);
  w.SetFollowPunctuation(false);
  w.SetLeadStr("（［｛「『([{｢");
  w.SetFollowStr("、。，．・？！゛゜ヽヾゝゞ々ー）］｝」』!),.:;?]}｡｣､･ｰﾞﾟ");
  w.SetPunctuationStr("、。，．,.｡､");
  w.SetWrapByte(80);  // follows the pane's width once it has one
  w.EndUpdate();
}

void ConfigureCaret(TEditorCaret& c) {
  c.SetAutoCursor(true);
  c.SetAutoIndent(false);
  c.SetBackSpaceUnIndent(true);
  c.SetFreeCaret(false);
  c.SetFreeRow(false);
  c.SetInTab(false);
  c.SetKeepCaret(true);
  c.SetLockScroll(false);
  c.SetNextLine(true);
  c.SetPrevSpaceIndent(false);
  c.SetRowSelect(false);
  c.SetSelDragMode(TDragMode::dmAutomatic);
  c.SetSelMove(true);
  c.SetSoftTab(false);
  c.SetStyle(TEditorCaretStyle::csDefault);
  c.SetTabIndent(false);
  c.SetTabSpaceCount(8);
}

void ConfigureBars(TEditorCore& pane) {
  TEditorMargin& m = pane.Margin();
  m.SetCharacter(0);
  m.SetLeft(0);
  m.SetLine(2);
  m.SetTop(2);
  TEditorImagebar& i = pane.Imagebar();
  i.SetVisible(true);
  i.SetDigitWidth(8);
  i.SetLeftMargin(2);
  i.SetMarkWidth(0);
  i.SetRightMargin(2);
  pane.Leftbar().SetVisible(false);
  pane.Ruler().SetVisible(false);
  TEditorMarks& marks = pane.Marks();
  marks.EofMark().SetColor(clFuchsia);
  marks.EofMark().SetVisible(true);
  for (TEditorMark* hidden : {&marks.RetMark(), &marks.WrapMark(), &marks.HideMark(), &marks.Underline()}) {
    hidden->SetColor(clGray);
    hidden->SetVisible(false);
  }
  TEditorSpeed& s = pane.Speed();
  s.SetCaretVerticalAc(2);
  s.SetPageVerticalRange(2);
  s.SetPageVerticalRangeAc(2);
  s.SetInitBracketsFull(false);
}

void AddBracket(TEditorViewInfo& v, const char* left, const char* right, TColor color) {
  TFountainBracketItem& item = v.Brackets().Add();
  item.SetLeftBracket(left);
  item.SetRightBracket(right);
  item.ItemColor().SetColor(color);
}

void ConfigureView(TEditorViewInfo& v) {
  v.SetCommenter("∇");  // the header lines of a capture
  v.Brackets().Clear();
  AddBracket(v, "《", "》", clMaroon);
  AddBracket(v, "Error: ", "‡", clRed);
  TEditorColors& c = v.Colors();
  c.Comment().SetColor(clBlue);
  c.Comment().SetBkColor(clYellow);
  c.Url().SetColor(clNavy);
  c.Url().SetStyle(fsUnderline);
  c.Mail().SetColor(clGreen);
  c.Mail().SetStyle(fsUnderline);
  c.Select().SetColor(clWhite);
  c.Select().SetBkColor(clNavy);
  v.SetUrl(true);
  v.SetMail(true);
  v.SetControlCode(true);
  v.SetQuotation("\x81");
}
}  // namespace

void ConfigurePane(TEditorCore& pane, int fontPixels) {
  TEditorFont font = pane.Font();
  font.Name = kPaneFontName;
  font.Height = fontPixels;
  pane.SetFont(font);
  pane.SetWordWrap(true);
  ConfigureWrap(pane.WrapOption());
  pane.SetScrollBars(TScrollStyle::ssBoth);
  pane.SetWantReturns(true);
  pane.SetWantTabs(false);
  pane.SetReadOnly(false);
  pane.SetUndoListMax(64);
  pane.SetHitStyle(TEditorHitStyle::hsSelect);
  ConfigureCaret(pane.Caret());
  ConfigureBars(pane);
  ConfigureView(pane.View());
}

}  // namespace glean
