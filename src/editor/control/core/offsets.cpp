// Caret and selection as byte offsets of the whole text: CR LF counts 2 after a
// LineBreak row, nothing between wrapped rows.
#include "editor/control/core/editor_core.h"

namespace glean {

namespace {
int LineEndBytes(const TEditorScreenStrings& list, int row) {
  return list.RowAttribute(row) == TRowAttribute::LineBreak ? 2 : 0;
}
int RowLength(const TEditorScreenStrings& list, int row) {
  return row >= 0 && row < list.Count() ? static_cast<int>(list.Ref(row).size()) : 0;
}
}  // namespace

int TEditorCore::RowOffset(int row) const {
  int offset = 0;
  const int end = std::min(row, list_->Count());
  for (int r = 0; r < end; ++r) offset += RowLength(*list_, r) + LineEndBytes(*list_, r);
  return offset;
}

int TEditorCore::GetTextLen() const { return RowOffset(list_->Count()); }

int TEditorCore::SelStart() const {
  if (Selected()) return RowOffset(selStartRow_) + selStartByte_;
  return RowOffset(row_) + CaretByte();
}

void TEditorCore::SetCaretFromOffset(int k) {
  const int count = list_->Count();
  if (count == 0) return;
  if (k <= 0) {
    SetRowCol(0, 0);
    return;
  }
  int row = 0;
  while (row < count) {
    const TRowAttribute attr = list_->RowAttribute(row);
    if (attr == TRowAttribute::EndOfText) break;
    const int step = RowLength(*list_, row) + LineEndBytes(*list_, row);
    if (k < step) break;
    k -= step;
    ++row;
  }
  if (row >= count) {
    SetRowCol(count, 0);
    return;
  }
  const int width = RowWidth(row);
  SetRowCol(row, std::min(ByteToCol(row, k), width));
}

void TEditorCore::SetSelStart(int offset) {
  CleanSelection();
  SetCaretFromOffset(offset);
}

void TEditorCore::SetSelLength(int n) {
  if (list_->Count() == 0) return;
  SetSelectionMode(TEditorSelectionMode::smNormal);
  if (Selected()) {
    const int start = SelStart();
    CleanSelection();
    SetCaretFromOffset(start);
  }
  if (n <= 0) {
    CleanSelection();
    return;
  }
  const int from = SelStart();
  StartSelection();
  extending_ = true;
  SetCaretFromOffset(from + n);
  extending_ = false;
  ExtendSelection();
  UpdateCaret();
}

int TEditorCore::SelLength() const {
  if (!Selected()) return 0;
  if (selMode_ == TEditorSelectionMode::smBox) {
    int n = 0;
    for (int r = selStartRow_; r <= selEndRow_; ++r)
      n += std::max(0, BoxByte(r, screenRange_.EndCol, true) - BoxByte(r, screenRange_.StartCol, false)) + 2;
    return n;
  }
  if (selStartRow_ == selEndRow_) return selEndByte_ - selStartByte_ + 1;
  int n = RowLength(*list_, selStartRow_) - selStartByte_;
  for (int r = selStartRow_ + 1; r < selEndRow_; ++r) n += RowLength(*list_, r);
  n += selEndByte_ + 1;
  for (int r = selStartRow_; r < selEndRow_; ++r)
    if (r < list_->Count()) n += LineEndBytes(*list_, r);
  return n;
}

std::string TEditorCore::SelText() const {
  if (!Selected()) return {};
  auto rowText = [&](int r) -> std::string_view {
    return r >= 0 && r < list_->Count() ? std::string_view(list_->Ref(r)) : std::string_view();
  };
  auto slice = [](std::string_view s, int from, int to) -> std::string {
    from = std::clamp(from, 0, int(s.size()));
    to = std::clamp(to, from, int(s.size()));
    return std::string(s.substr(size_t(from), size_t(to - from)));
  };
  std::string out;
  if (selMode_ == TEditorSelectionMode::smBox) {
    for (int r = selStartRow_; r <= selEndRow_; ++r) {
      out += slice(rowText(r), BoxByte(r, screenRange_.StartCol, false), BoxByte(r, screenRange_.EndCol, true));
      out += "\r\n";
    }
    return out;
  }
  if (selStartRow_ == selEndRow_) return slice(rowText(selStartRow_), selStartByte_, selEndByte_ + 1);
  for (int r = selStartRow_; r <= selEndRow_; ++r) {
    const int from = r == selStartRow_ ? selStartByte_ : 0;
    const int to = r == selEndRow_ ? selEndByte_ + 1 : int(rowText(r).size());
    out += slice(rowText(r), from, to);
    if (r < selEndRow_ && r < list_->Count() && LineEndBytes(*list_, r) == 2) out += "\r\n";
  }
  return out;
}

void TEditorCore::SelectAll() {
  SetSelStart(0);
  SetSelLength(GetTextLen());
}

void TEditorCore::ShowHit(int offset, int length) {
  CleanSelection();
  SetCaretFromOffset(offset);
  if (length <= 0) return;
  if (hitStyle_ == TEditorHitStyle::hsSelect) {
    SetSelLength(length);
    return;
  }
  settingHit_ = true;
  SetSelLength(length);
  settingHit_ = false;
  if (hitStyle_ == TEditorHitStyle::hsCaret) {
    hitLength_ = length;
    extending_ = true;
    SetCaretFromOffset(offset);  // the block caret stands on the hit
    extending_ = false;
    UpdateCaret();
  }
}

}  // namespace glean
