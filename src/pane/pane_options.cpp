#include "pane/pane_options.h"

#include "pane/pane_scheme.h"

namespace glean {

namespace {

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

}  // namespace

void ConfigurePane(TEditorCore& pane, int fontPixels) {
  TEditorFont font = pane.Font();
  font.Name = kPaneFontName;
  font.Height = fontPixels;
  pane.SetFont(font);
  pane.SetWordWrap(true);
  ConfigurePaneWrap(pane.WrapOption());
  pane.SetScrollBars(TScrollStyle::ssBoth);
  pane.SetWantReturns(true);
  pane.SetWantTabs(false);
  pane.SetReadOnly(false);
  pane.SetUndoListMax(64);
  pane.SetHitStyle(TEditorHitStyle::hsSelect);
  ConfigureCaret(pane.Caret());
  ConfigureBars(pane);
  ConfigurePaneColours(pane.View().Fountain());
}

}  // namespace glean
