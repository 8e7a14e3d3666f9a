// The text-changing operations: inserting, deleting the selection, box paste, the
// clipboard commands, the drops of a dragged selection, undo and redo. Every edit
// rebuilds the text of the rows it touches as one string and hands it to the row list's
// UpdateRows once (one undo step); the caret then goes to a text offset, which
// re-wrapping cannot move because the rows before the change keep their bytes.
#include <algorithm>

#include "base/sjis.h"
#include "editor/control/core/editor_core.h"
#include "editor/model/undo.h"

namespace glean {

namespace {
const std::string kCrLf = "\r\n";

// The lines of a block, split at CR LF; a final line break ends the last line.
std::vector<std::string> SplitBlockLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t from = 0;
  while (from <= text.size()) {
    const size_t at = text.find(kCrLf, from);
    if (at == std::string::npos) {
      if (from < text.size()) lines.push_back(text.substr(from));
      break;
    }
    lines.push_back(text.substr(from, at - from));
    from = at + 2;
  }
  return lines;
}
}  // namespace

std::string TEditorCore::RowsText(int first, int last) const {
  std::string text;
  last = std::min(last, list_->Count() - 1);
  for (int r = std::max(first, 0); r <= last; ++r) {
    text += list_->Ref(r);
    if (list_->RowAttribute(r) == TRowAttribute::LineBreak) text += kCrLf;
  }
  return text;
}

int TEditorCore::NormalCol(int row, int col) const {
  const std::string classes = ColumnClasses(row);
  auto at = [&](int c) { return c >= 0 && c < int(classes.size()) ? classes[size_t(c)] : '0'; };
  if (at(col) == '5') --col;
  if (!caret_->InTab())
    while (at(col) == '3') --col;
  return std::max(col, 0);
}

int TEditorCore::BoxByte(int row, int col, bool end) const {
  const std::string classes = ColumnClasses(row);
  if (col > 0 && col < int(classes.size()) && classes[size_t(col)] == '5') col += end ? 1 : -1;
  return ColToByte(row, col);
}

void TEditorCore::ReplaceRowsText(int first, int last, const std::string& text, int caret) {
  const int count = list_->Count();
  // Rows past the last are not replaced: an insertion at the end replaces nothing.
  const int n = first >= count ? 0 : std::min(last, count - 1) - first + 1;
  const bool multi = n > 1 || text.find('\n') != std::string::npos;
  CleanSelection();
  if (multi) HideCaret();
  list_->UpdateRows(std::min(first, count), n, text);
  extending_ = false;
  SetCaretFromOffset(caret);
  if (list_->Count() == 0) SetRowCol(0, 0);
  if (multi) ShowCaret();
  UpdateCaret();
}

void TEditorCore::ClearSelection() {
  if (readOnly_ || !Selected()) return;
  if (selState_ == TEditorSelectionState::Hit) {
    CleanSelection();
    return;
  }
  InsertText(std::string());
}

void TEditorCore::InsertText(const std::string& text) {
  if (readOnly_) return;
  if (text.empty() && selState_ == TEditorSelectionState::Hit) {
    CleanSelection();
    return;
  }
  if (selState_ == TEditorSelectionState::Hit) CleanSelection();
  const int count = list_->Count();
  if (selState_ == TEditorSelectionState::Selected) {
    const int first = selStartRow_, last = selEndRow_;
    std::string rows;
    int cut;
    if (selMode_ == TEditorSelectionMode::smBox) {
      cut = BoxByte(first, screenRange_.StartCol, false);
      for (int r = first; r <= std::min(last, count - 1); ++r) {
        std::string s = list_->Ref(r);
        const int a = BoxByte(r, screenRange_.StartCol, false);
        const int b = std::max(a, BoxByte(r, screenRange_.EndCol, true));
        s.erase(size_t(a), size_t(b - a));
        if (r == first) s.insert(size_t(a), text);
        rows += s;
        if (list_->RowAttribute(r) == TRowAttribute::LineBreak) rows += kCrLf;
      }
    } else {
      const std::string& head = first < count ? list_->Ref(first) : std::string();
      cut = std::min(selStartByte_, int(head.size()));
      rows = head.substr(0, size_t(cut)) + text;
      if (last < count) {
        const std::string& tail = list_->Ref(last);
        rows += tail.substr(std::min(size_t(selEndByte_ + 1), tail.size()));
        if (list_->RowAttribute(last) == TRowAttribute::LineBreak) rows += kCrLf;
      }
    }
    if (rows.empty() && first >= count) {
      CleanSelection();
      return;
    }
    const int caret = RowOffset(first) + cut + int(text.size());
    ReplaceRowsText(first, last, rows, caret);
    return;
  }
  if (text.empty()) return;
  const int row = row_;
  if (row >= count) {
    // The row past the last: the text is appended, after spaces up to the caret.
    const std::string pad(size_t(std::max(col_, 0)), ' ');
    ReplaceRowsText(count, count, pad + text, GetTextLen() + int(pad.size() + text.size()));
    return;
  }
  const std::string& s = list_->Ref(row);
  const int width = RowWidth(row);
  const int byte = CaretByte();
  const std::string pad(size_t(std::max(col_ - width, 0)), ' ');
  std::string rows = s.substr(0, size_t(byte)) + pad + text + s.substr(size_t(byte));
  if (list_->RowAttribute(row) == TRowAttribute::LineBreak) rows += kCrLf;
  ReplaceRowsText(row, row, rows, RowOffset(row) + byte + int(pad.size() + text.size()));
}

void TEditorCore::BoxPaste(const std::string& text) {
  if (readOnly_) return;
  if (text.empty()) {
    ClearSelection();
    return;
  }
  if (selState_ == TEditorSelectionState::Hit) CleanSelection();
  const std::vector<std::string> lines = SplitBlockLines(text);
  if (lines.empty()) return;
  const int count = list_->Count();
  const bool selected = selState_ == TEditorSelectionState::Selected;
  const int firstRow = selected ? selStartRow_ : row_;
  const int targetCol = selected ? screenRange_.StartCol : col_;

  // The band of rows the block goes into: each with its text, the byte where its line
  // goes in (-1: the target column), and whether it ends a logical line.
  struct TBandRow {
    std::string Text;
    int Cut = -1;
    int Source = -1;  // the row it comes from; -1 for a new row
    bool Wrapped = false;
  };
  std::vector<TBandRow> band;
  int next = firstRow;  // the next row of the text to take into the band
  if (selected && selMode_ == TEditorSelectionMode::smBox) {
    for (int r = selStartRow_; r <= selEndRow_ && r < count; ++r) {
      TBandRow b{list_->Ref(r), BoxByte(r, screenRange_.StartCol, false), r,
                 list_->RowAttribute(r) == TRowAttribute::Wrapped};
      const int end = std::max(b.Cut, BoxByte(r, screenRange_.EndCol, true));
      b.Text.erase(size_t(b.Cut), size_t(end - b.Cut));
      band.push_back(std::move(b));
    }
    next = std::min(selEndRow_ + 1, count);
  } else if (selected) {
    const std::string head = firstRow < count ? list_->Ref(firstRow) : std::string();
    TBandRow b{head.substr(0, std::min(size_t(selStartByte_), head.size())), -1, firstRow, false};
    b.Cut = int(b.Text.size());
    if (selEndRow_ < count) {
      const std::string& tail = list_->Ref(selEndRow_);
      b.Text += tail.substr(std::min(size_t(selEndByte_ + 1), tail.size()));
      b.Wrapped = list_->RowAttribute(selEndRow_) == TRowAttribute::Wrapped;
    }
    band.push_back(std::move(b));
    next = std::min(selEndRow_ + 1, count);
  }
  while (band.size() < lines.size()) {
    if (next < count) {
      band.push_back({list_->Ref(next), -1, next, list_->RowAttribute(next) == TRowAttribute::Wrapped});
      ++next;
    } else {
      band.push_back({std::string(), -1, -1, false});
    }
  }
  const int lastOld = next - 1;  // the last row of the text the band replaces

  std::string rows;
  int caret = RowOffset(firstRow);
  for (size_t k = 0; k < band.size(); ++k) {
    TBandRow& b = band[k];
    if (k < lines.size()) {
      int cut = b.Cut;
      if (cut < 0) {
        // The target column as a byte of this row; a short row is padded first.
        const int width = b.Source >= 0 ? RowWidth(b.Source) : 0;
        if (targetCol > width) {
          b.Text.append(size_t(targetCol - width), ' ');
          cut = int(b.Text.size());
        } else {
          cut = BoxByte(b.Source, targetCol, false);
        }
      }
      b.Text.insert(size_t(cut), lines[k]);
      if (k + 1 == lines.size()) caret = RowOffset(firstRow) + int(rows.size()) + cut + int(lines[k].size());
    }
    rows += b.Text;
    // Every row of the block ends its line; a wrapped row stays part of its line.
    if (!b.Wrapped) rows += kCrLf;
  }
  ReplaceRowsText(firstRow, std::max(lastOld, firstRow), rows, caret);
}

void TEditorCore::CopyToClipboard() {
  if (!Selected()) return;
  host_.SetClipboardText(SelText(), selMode_ == TEditorSelectionMode::smBox);
}

void TEditorCore::CutToClipboard() {
  if (!Selected()) return;
  CopyToClipboard();
  ClearSelection();
}

void TEditorCore::PasteFromClipboard() {
  if (readOnly_) return;
  std::string text;
  bool box = false;
  if (!host_.GetClipboardText(text, box)) return;
  if (box)
    BoxPaste(text);
  else
    InsertText(text);
}

bool TEditorCore::CanUndo() const { return list_->UndoObj().CanUndo(); }
bool TEditorCore::CanRedo() const { return list_->UndoObj().CanRedo(); }

void TEditorCore::Undo() {
  CleanSelection();
  list_->Undo();
}

void TEditorCore::Redo() {
  CleanSelection();
  list_->Redo();
}

void TEditorCore::CopyDrop(int row, int col) {
  const std::string text = SelText();
  CleanSelection();
  SetRowCol(row, NormalCol(row, col));
  InsertText(text);
}

void TEditorCore::MoveDrop(int row, int col) {
  if (readOnly_ || selState_ != TEditorSelectionState::Selected) {
    CleanSelection();
    return;
  }
  const int count = list_->Count();
  col = NormalCol(row, col);
  const int first = std::min(selStartRow_, row);
  const int last = std::max(selEndRow_, row);
  const std::string band = RowsText(first, last);
  const int base = RowOffset(first);
  const int selFrom = std::min(RowOffset(selStartRow_) + selStartByte_ - base, int(band.size()));
  const int selTo = std::min(selFrom + SelLength(), int(band.size()));
  const std::string moved = band.substr(size_t(selFrom), size_t(selTo - selFrom));
  int drop;
  std::string pad;
  if (row < count) {
    drop = RowOffset(row) - base + ColToByte(row, col);
    pad.assign(size_t(std::max(col - RowWidth(row), 0)), ' ');
  } else {
    drop = int(band.size());
    pad.assign(size_t(col), ' ');
  }
  drop = std::min(drop, int(band.size()));
  std::string text;
  int caret;
  if (drop >= selTo) {
    text = band.substr(0, size_t(selFrom)) + band.substr(size_t(selTo), size_t(drop - selTo)) + pad +
           moved + band.substr(size_t(drop));
    caret = selFrom + (drop - selTo) + int(pad.size() + moved.size());
  } else if (drop <= selFrom) {
    text = band.substr(0, size_t(drop)) + pad + moved + band.substr(size_t(drop), size_t(selFrom - drop)) +
           band.substr(size_t(selTo));
    caret = drop + int(pad.size() + moved.size());
  } else {
    CleanSelection();  // into the selection itself
    return;
  }
  ReplaceRowsText(first, last, text, base + caret);
}

}  // namespace glean
