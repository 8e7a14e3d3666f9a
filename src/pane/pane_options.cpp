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
  ApplyPaneColours(pane, ChoosePaneColours(SystemColorUse::Never, false, {}));
}

void SetPaneMetrics(TEditorCore& pane, int dpi) {
  auto px = [dpi](int design) { return design * dpi / 96; };
  pane.Margin().SetLine(px(2));
  pane.Margin().SetTop(px(2));
  TEditorImagebar& i = pane.Imagebar();
  i.SetDigitWidth(px(8));
  i.SetLeftMargin(px(2));
  i.SetRightMargin(px(2));
}

void ApplyPaneColours(TEditorCore& pane, const PaneColours& colours) {
  pane.SetColor(colours.plain.back);
  TEditorFont font = pane.Font();
  font.Color = colours.plain.text;
  pane.SetFont(font);
  pane.Marks().EofMark().SetColor(colours.endMark.text);
  ConfigurePaneColours(pane.View().Fountain(), colours);
}

}  // namespace glean
