#include "pane/pane_scheme.h"

namespace glean {

namespace {
void AddBracket(TEditorFountain& f, const char* left, const char* right, TColor color) {
  TFountainBracketItem& item = f.EditorBrackets().Add();
  item.SetLeftBracket(left);
  item.SetRightBracket(right);
  item.ItemColor().SetColor(color);
}
}  // namespace

void ConfigurePaneWrap(TEditorWrapOption& w) {
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

void ConfigurePaneColours(TEditorFountain& f) {
  f.SetCommenter("∇");  // the header lines of a capture
  f.EditorBrackets().Clear();
  AddBracket(f, "《", "》", clMaroon);
  AddBracket(f, "Error: ", "‡", clRed);
  TEditorColors& c = f.Colors();
  c.Comment().SetColor(clBlue);
  c.Comment().SetBkColor(clYellow);
  c.Url().SetColor(clNavy);
  c.Url().SetStyle(fsUnderline);
  c.Mail().SetColor(clGreen);
  c.Mail().SetStyle(fsUnderline);
  c.Select().SetColor(clWhite);
  c.Select().SetBkColor(clNavy);
  f.SetUrl(true);
  f.SetMail(true);
  f.SetControlCode(true);
  f.SetQuotation("\x81");
}

}  // namespace glean
