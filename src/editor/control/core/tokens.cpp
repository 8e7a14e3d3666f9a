// Tokens under a point or at the caret, and the image-bar marks of rows.
#include "editor/control/core/editor_core.h"
#include "editor/model/fountain_parser.h"

namespace glean {

bool TEditorCore::TokenAtPos(TPoint p, TTokenInfo& token) {
  if (p.X < leftOffset_ || p.Y < topOffset_) return false;
  int row, col;
  PosToRowCol(p, false, row, col);
  if (row >= list_->Count()) return false;
  const std::string classes = ColumnClasses(row);
  if (col >= static_cast<int>(classes.size())) return false;
  if (classes[size_t(col)] == '5') --col;
  while (col > 0 && classes[size_t(col)] == '3') --col;
  // A token may run over wrapped rows: take the logical line whole.
  const int first = list_->LineStartRow(row);
  const int last = list_->LineEndRow(row);
  std::string line;
  int byte = 0;
  for (int r = first; r <= last; ++r) {
    if (r == row) byte = static_cast<int>(line.size()) + ColToByte(row, col);
    line += list_->Ref(r);
  }
  if (list_->BracketIndex(first) == -2) list_->ReparseFrom(first, false);
  std::unique_ptr<TFountainParser> parser = ActiveFountain()->CreateParser();
  parser->Init(line, list_->RowState(first));
  while (parser->NextToken() != TokenKind::End) {
    const int pos = parser->TokenPos();
    if (byte >= pos && byte < pos + parser->TokenLength()) {
      token.Text = std::string(parser->TokenString());
      token.Kind = parser->Token();
      int r = first, start = pos;
      while (r < last && start >= static_cast<int>(list_->Ref(r).size())) {
        start -= static_cast<int>(list_->Ref(r).size());
        ++r;
      }
      token.Row = r;
      token.ByteOffset = start;
      return true;
    }
    if (pos > byte) break;
  }
  return false;
}

std::string TEditorCore::TokenAtPos(TPoint p) {
  TTokenInfo token;
  return TokenAtPos(p, token) ? token.Text : std::string();
}

std::string TEditorCore::TokenAtCaret() { return TokenAtPos(CaretPos()); }

void TEditorCore::SelectTokenAtPos(TPoint p) {
  TTokenInfo token;
  if (!TokenAtPos(p, token)) return;
  SetSelStart(RowOffset(token.Row) + token.ByteOffset);
  SetSelLength(static_cast<int>(token.Text.size()));
}

void TEditorCore::PutRowMark(int row, int mark) {
  if (row < 0 || row >= list_->Count() || mark < 0 || mark > 15) return;
  const uint16_t bit = uint16_t(1u << mark);
  if (mark < 10) {  // a digit mark stands on one row only
    for (int r = 0; r < list_->Count(); ++r) {
      if (list_->RowMarks(r) & bit) {
        list_->SetRowMarks(r, uint16_t(list_->RowMarks(r) & ~bit));
        InvalidateLeftbar(r, r);
        break;
      }
    }
  }
  list_->SetRowMarks(row, uint16_t(list_->RowMarks(row) | bit));
  list_->IncludeMarks(bit);
  InvalidateLeftbar(row, row);
  if (host_.HasWindow()) host_.Update();
}

void TEditorCore::DeleteRowMark(int row, int mark) {
  if (row < 0 || row >= list_->Count() || mark < 0 || mark > 15) return;
  const uint16_t bit = uint16_t(1u << mark);
  list_->SetRowMarks(row, uint16_t(list_->RowMarks(row) & ~bit));
  bool used = false;
  for (int r = 0; r < list_->Count() && !used; ++r) used = (list_->RowMarks(r) & bit) != 0;
  if (!used) list_->ExcludeMarks(bit);
  InvalidateLeftbar(row, row);
  if (host_.HasWindow()) host_.Update();
}

void TEditorCore::GotoRowMark(int mark) {
  if (mark < 0 || mark > 15) return;
  const uint16_t bit = uint16_t(1u << mark);
  for (int r = 0; r < list_->Count(); ++r) {
    if (!(list_->RowMarks(r) & bit)) continue;
    if (r < topRow_ || r >= topRow_ + visibleRows_) SetTopRow(r - visibleRows_ / 2);
    SetRow(r);
    return;
  }
}

}  // namespace glean
