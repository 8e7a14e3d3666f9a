#include "pane/pane_scheme.h"

namespace glean {

namespace {
void AddBracket(TEditorFountain& f, const char* left, const char* right, const ColourPair& pair) {
  TFountainBracketItem& item = f.EditorBrackets().Add();
  item.SetLeftBracket(left);
  item.SetRightBracket(right);
  item.ItemColor().SetColor(pair.text);
  item.ItemColor().SetBkColor(pair.back);
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

void ConfigurePaneColours(TEditorFountain& f, const PaneColours& colours) {
  f.SetCommenter("∇");  // the header lines of a capture
  f.EditorBrackets().Clear();
  AddBracket(f, "《", "》", colours.note);
  AddBracket(f, "Error: ", "‡", colours.error);
  TEditorColors& c = f.Colors();
  c.Comment().SetColor(colours.header.text);
  c.Comment().SetBkColor(colours.header.back);
  c.Url().SetColor(colours.link.text);
  c.Url().SetBkColor(colours.link.back);
  c.Url().SetStyle(fsUnderline);
  c.Mail().SetColor(colours.mail.text);
  c.Mail().SetBkColor(colours.mail.back);
  c.Mail().SetStyle(fsUnderline);
  c.Select().SetColor(colours.selection.text);
  c.Select().SetBkColor(colours.selection.back);
  c.Hit().SetColor(colours.hit.text);
  c.Hit().SetBkColor(colours.hit.back);
  f.SetUrl(true);
  f.SetMail(true);
  f.SetControlCode(true);
  f.SetQuotation("\x81");
}

}  // namespace glean
